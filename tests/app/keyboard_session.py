"""A whole session by keys alone on a desktop (run inside tests/support/x_session.sh).

Starts Quillmint (argument 1) in a copy of its folder and, with key events
only, makes a page on every tab, saves it through the real file dialog,
previews it, prints it to a PDF file through the print dialog, publishes
the slideshow into a folder that does not exist yet, switches Modern output
on, runs Save As Text and Strip HTML Tags from the Options menu, and quits,
answering the question about the unsaved script. What happened is read from
the files written and, where only the screen shows it, from the
accessibility tree (which control has the focus).
"""

import os
import shutil
import stat
import subprocess
import sys
import tempfile
import time

import pyatspi


def fail(message):
    # QUILLMINT_SESSION_SHOT names a picture of the screen at the failure.
    if os.environ.get("QUILLMINT_SESSION_SHOT"):
        subprocess.run(["import", "-window", "root", os.environ["QUILLMINT_SESSION_SHOT"]],
                       check=False)
    sys.exit(f"FAIL: {message}")


def key(*keys):
    for k in keys:
        subprocess.run(["xdotool", "key", "--clearmodifiers", k], check=True)
        time.sleep(0.35)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)
    time.sleep(0.3)


def wait(condition, what, seconds=90):
    end = time.time() + seconds
    while time.time() < end:
        if condition():
            return
        time.sleep(0.2)
    fail(f"{what} (waited {seconds} s)")


def window_shown(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                           capture_output=True, text=True)
    return found.returncode == 0 and found.stdout.strip() != ""


# Tabs and the containers of the focused control report the focus as well.
CONTAINERS = (pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_FILLER)


def focused(app):
    """The accessible name of the control that has the keyboard focus."""
    stack = [app]
    found = None
    while stack:
        node = stack.pop()
        try:
            state = node.getState()
            if not state.contains(pyatspi.STATE_SHOWING) and node != app:
                continue
            if state.contains(pyatspi.STATE_FOCUSED) and node.getRole() not in CONTAINERS:
                found = node.name
            stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
        except Exception:
            continue
    return found


def tab_to(app, name):
    for _ in range(60):
        if focused(app) == name:
            return
        key("Tab")
    fail(f"Tab never reached '{name}' (last: '{focused(app)}')")


def in_dialog(title, path):
    """Answers a file dialog: the path typed into its name field, Enter."""
    wait(lambda: window_shown(title), f"the '{title}' dialog")
    # Mapped first, then given the keyboard by the window manager.
    time.sleep(1.5)
    key("ctrl+a")
    type_text(path)
    key("Return")
    wait(lambda: not window_shown(title), f"the '{title}' dialog to close")


def holds(path, piece):
    try:
        with open(path, "rb") as written:
            return piece.encode() in written.read()
    except OSError:
        return False


def expect_file(path, piece):
    """Waits for `path` to exist holding `piece` (a PDF is written bit by bit)."""
    wait(lambda: holds(path, piece), f"{path} to be written holding {piece!r}")


class Session:
    def __init__(self, program):
        self.root = tempfile.mkdtemp()
        self.folder = os.path.join(self.root, "bin")
        shutil.copytree(os.path.dirname(os.path.abspath(program)), self.folder, symlinks=True)
        self.out = os.path.join(self.root, "out")
        os.makedirs(self.out)
        self.opened = os.path.join(self.root, "opened.log")
        tools = os.path.join(self.root, "tools")
        os.makedirs(tools)
        opener = os.path.join(tools, "xdg-open")
        with open(opener, "w") as script:
            script.write(f'#!/bin/sh\necho "$1" >>{self.opened}\n')
        os.chmod(opener, stat.S_IRWXU)
        env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0", CUPS_SERVER="/nonexistent",
                   HOME=os.path.join(self.root, "home"),
                   PATH=tools + os.pathsep + os.environ["PATH"])
        self.home = env["HOME"]
        os.makedirs(self.home)
        self.process = subprocess.Popen(
            [os.path.join(self.folder, os.path.basename(program))], env=env, cwd=self.folder)
        desktop = pyatspi.Registry.getDesktop(0)
        end = time.time() + 60
        self.app = None
        while not self.app and time.time() < end:
            self.app = next((a for a in (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
                             if a and a.name.lower() == "quillmint"), None)
            time.sleep(0.3)
        if not self.app:
            fail("Quillmint did not come up on the accessibility bus")

    def file(self, name):
        return os.path.join(self.out, name)

    def opened_lines(self):
        if not os.path.exists(self.opened):
            return []
        with open(self.opened) as log:
            return log.read().split()

    def save_preview_print(self, name, piece, warned=False):
        page = self.file(f"{name}.html")
        key("ctrl+s")
        if warned:  # the slideshow's note that such a page works only here
            wait(lambda: window_shown("Quillmint$"), f"{name}: the note before saving")
            key("Return")
        in_dialog("Save as HTML", page)
        expect_file(page, piece)
        before = len(self.opened_lines())
        key("F12")
        wait(lambda: len(self.opened_lines()) > before, f"{name}: Preview to open the browser")
        # The dialog offers Quillmint.pdf in the home folder: no printer here.
        pdf = os.path.join(self.home, "Quillmint.pdf")
        key("ctrl+p")
        wait(lambda: window_shown("Print"), f"{name}: the print dialog")
        key("Return")
        expect_file(pdf, "%PDF-")
        os.rename(pdf, self.file(f"{name}.pdf"))

    def options(self, *keys):
        """Alt+P opens the Options menu on its first entry; then `keys`."""
        key("alt+p", *keys)

    def run(self):
        # The tip comes up with the focus: Esc closes it.
        wait(lambda: window_shown("Startup Tip"), "the Startup Tip")
        key("Escape")
        wait(lambda: not window_shown("Startup Tip"), "Esc to close the Startup Tip")

        key("F2")
        tab_to(self.app, "Menu Item Name:")
        type_text("Home")
        tab_to(self.app, "URL:")
        type_text("index.html")
        key("alt+a", "alt+m")
        self.save_preview_print("dropdown", "index.html")
        self.options("Right", "Down", "Return")  # Save > As Text
        in_dialog("Save as TeXT", self.file("dropdown.txt"))
        expect_file(self.file("dropdown.txt"), "index.html")
        self.options("Down", "Down", "Return")  # Modern HTML5 Output
        key("alt+m", "ctrl+s")
        in_dialog("Save as HTML", self.file("modern.html"))
        expect_file(self.file("modern.html"), "addEventListener")

        key("F3")
        tab_to(self.app, "Window URL:")
        type_text("popup.html")
        key("alt+m")
        self.save_preview_print("popup", "popup.html")

        key("F4")
        tab_to(self.app, "Initial Image:")
        type_text("off.gif")
        tab_to(self.app, "MouseOver Image:")
        type_text("on.gif")
        key("alt+a", "alt+n")
        wait(lambda: window_shown("Warning"), "End Code's question")
        key("Return")
        self.save_preview_print("mouseover", "off.gif")

        # Two pictures: the one chosen as the initial image leaves the list.
        pictures = [self.file("one.jpg"), self.file("two.jpg")]
        for picture in pictures:
            shutil.copy(os.path.join(self.folder, "tips", "1.txt"), picture)
        key("F5", "alt+a")
        in_dialog("Open Images", " ".join(f'"{p}"' for p in pictures))
        key("alt+i", "Down", "alt+k", "alt+m")
        time.sleep(1)
        if window_shown("Quillmint$"):
            fail("the slideshow's Make Code refused")
        self.save_preview_print("slideshow", "one.jpg", warned=True)
        published = os.path.join(self.out, "new folder", "show.html")
        key("ctrl+shift+p")
        in_dialog("Publish", published)
        wait(lambda: window_shown("Quillmint$"), "the Publish complete notice")
        key("Return")
        expect_file(published, "one.jpg")
        expect_file(os.path.join(self.out, "new folder", "one.jpg"), "")

        key("F6")
        tab_to(self.app, "Script editor")
        key("ctrl+End", "Return")
        type_text("var typed = 1;")
        self.save_preview_print("editor", "var typed = 1;")
        key("ctrl+End", "Return")
        type_text("var unsaved = 2;")
        self.options("Down", "Down", "Down", "Return")  # Strip HTML Tags, after the toggles
        self.options("Right", "Return")  # Save > As JS
        in_dialog("Save as JS", self.file("script.js"))
        expect_file(self.file("script.js"), "var unsaved = 2;")
        with open(self.file("script.js"), "rb") as script:
            if b"<script" in script.read():
                fail("Strip HTML Tags left the script tags in")

        # Unsaved changes: Exit asks; Discard ends the program.
        key("ctrl+End", "Return")
        type_text("var lost = 3;")
        key("ctrl+alt+x")
        wait(lambda: window_shown("Quillmint$"), "the question about unsaved changes")
        tab_to(self.app, "Discard")
        key("space")
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            fail("Quillmint did not end after Discard")

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        shutil.rmtree(self.root, ignore_errors=True)


def main():
    session = Session(sys.argv[1])
    try:
        session.run()
    finally:
        session.close()
    print("A whole session by keys: made, saved, previewed, printed and published on every tab")


if __name__ == "__main__":
    main()
