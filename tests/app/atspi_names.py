"""Every window of Quillmint as a screen reader meets it, through AT-SPI.

Starts the program (argument 1) in a copy of its folder, shows each window in
turn (every tab and inner tab of the main window, every Tag Inspector page,
Reserved Words, the tip window, the wizard and the About box) and fails on a
control that takes the keyboard focus but has no name a screen reader could
speak: empty, only digits or only punctuation (a list announcing its value
"10" instead of its label). Run inside tests/support/x_session.sh.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi

SPEAKABLE = re.compile(r"[^\W\d_]", re.UNICODE)  # at least one letter


def wait_for(find, what, seconds=60):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} did not appear within {seconds} s")


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def states(node):
    try:
        return node.getState()
    except Exception:
        return None


def showing(node):
    state = states(node)
    return state is not None and state.contains(pyatspi.STATE_SHOWING)


def walk(node, path=""):
    """Yields (node, path) for every showing node below `node`."""
    for child in children(node):
        if child is None or not showing(child):
            continue
        here = f"{path}/{child.getRoleName()} '{child.name}'"
        yield child, here
        yield from walk(child, here)


def unnamed(window, where, faults):
    for node, path in walk(window):
        state = states(node)
        if not state.contains(pyatspi.STATE_FOCUSABLE):
            continue
        if node.getRole() in (pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_SCROLL_PANE):
            continue
        if not SPEAKABLE.search(node.name or ""):
            faults.add(f"{where}: {node.getRoleName()} named '{node.name}' at {path}")


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press", "SetFocus"):
            action.doAction(i)
            return
    action.doAction(0)
    time.sleep(0.3)


def tab_lists(window):
    return [n for n, _ in walk(window) if n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST]


def visit_tabs(window, where, faults):
    """Each tab of the first tab list in `window`, and of a tab list on its pages."""
    lists = tab_lists(window)
    if not lists:
        unnamed(window, where, faults)
        return
    outer = lists[0]
    for tab in [t for t in children(outer) if t.getRole() == pyatspi.ROLE_PAGE_TAB]:
        press(tab)
        time.sleep(0.5)
        here = f"{where}, {tab.name}"
        # A tab list other than the outer one lies on the page now shown.
        inner = [l for l in tab_lists(window) if l != outer]
        if inner:
            for page in [t for t in children(inner[0]) if t.getRole() == pyatspi.ROLE_PAGE_TAB]:
                press(page)
                time.sleep(0.3)
                unnamed(window, f"{here}, {page.name}", faults)
        else:
            unnamed(window, here, faults)


def windows_of(app):
    return [w for w in children(app) if showing(w)]


def window_named(app, title):
    return next((w for w in windows_of(app) if w.name.startswith(title)), None)


def key(keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=True)
    time.sleep(0.8)


def main():
    program = os.path.abspath(sys.argv[1])
    folder = tempfile.mkdtemp()
    copy = os.path.join(folder, "bin")
    shutil.copytree(os.path.dirname(program), copy, symlinks=True)
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
    process = subprocess.Popen([os.path.join(copy, os.path.basename(program))], env=env)
    faults = set()
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(
            lambda: next((a for a in children(desktop) if a and a.name.lower() == "quillmint"), None),
            "Quillmint on the accessibility bus")
        main_window = wait_for(lambda: window_named(app, "Quillmint v1.0"), "the main window")

        # The tip window comes up over the main window at start.
        tip = wait_for(lambda: window_named(app, "Startup Tip"), "the Startup Tip")
        unnamed(tip, "Startup Tip", faults)
        key("Escape")

        visit_tabs(main_window, "Main window", faults)
        # The editor tab, chosen last, shows its companions.
        for title in ("Tag Inspector", "Reserved Words"):
            window = wait_for(lambda t=title: window_named(app, t), title)
            visit_tabs(window, title, faults)

        key("shift+F1")
        wizard = wait_for(lambda: window_named(app, "Wizard"), "the wizard")
        unnamed(wizard, "Wizard", faults)

        subprocess.run(["xdotool", "search", "--name", "^Quillmint v1.0", "windowactivate", "--sync"],
                       check=False)
        key("ctrl+alt+a")
        about = wait_for(lambda: window_named(app, "About Quillmint"), "the About box")
        unnamed(about, "About box", faults)
        key("Escape")
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            process.kill()
        shutil.rmtree(folder, ignore_errors=True)

    for fault in sorted(faults):
        print(fault)
    if faults:
        sys.exit(f"FAIL: {len(faults)} focusable controls without a speakable name")
    print("Every focusable control has a speakable name")


if __name__ == "__main__":
    main()
