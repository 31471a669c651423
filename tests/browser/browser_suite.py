#!/usr/bin/python3
"""Drives every maker's generated pages, classic and modern, in headless
Chromium as a visitor would, and records what today's browser ignores or
blocks.

Usage: browser_suite.py --writer <page_writer> [--report <file>]
Exit status: 0 all checks pass or are known limitations, 1 a check failed,
77 Chromium, its driver or python3-selenium is not installed."""

import argparse
import json
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import FAIL, INFO, wait_for  # noqa: E402

# What today's browser does with the classic pages, as docs/browsers.md
# explains it to the user. A check may only be excused by one of these.
KNOWN_LIMITATIONS = {
    "status": "window.status is assigned but no browser shows status-bar text any more",
    "bgsound": "<bgsound> is not an element of today's HTML: the background sound never plays",
    "fullscreen": "fullscreen=yes is ignored: an ordinary window of the default size opens",
    "bars": "bar features only choose popup or ordinary window; asking for location and toolbar "
            "gives an ordinary window that ignores size and position",
    "unload": "a window opened while the page unloads is blocked: onUnload pages open nothing",
    "blocker": "with the popup blocker on, pages that open without a click open nothing",
    "blocked-close": "a close time on a blocked popup throws a TypeError when the time is up",
    "quote": "a double quote in a value ends the attribute or script string it lands in",
    "apostrophe": "an apostrophe in an image path or status text ends the handler's string",
    "markup": "a name holding a tag (such as </script>) is read as markup, not shown as text",
    "script-end": "</script> in a value ends the page's script early",
    "hash-path": "a file name with # is read as an address with a fragment: the file is not found",
    "go-empty": "Go on an empty menu throws a TypeError and goes nowhere",
    "double-timer": "Stop then Start within one delay runs two timers: the show runs twice as fast",
    "two-messages": "one right click runs the message handler twice (button press and release)",
    "context-menu": "the right-click script does not stop the browser's context menu",
}

BOM = b"\xef\xbb\xbf"
# The menu's Go button: an input on the classic page, a button on the modern.
GO_BUTTON = "document.querySelector('form [type=button], form [type=submit]')"

# Where each slideshow page keeps its parts.
SLIDESHOW_PARTS = {
    False: {"list": "document.slideform.slide", "image": "document.images.show",
            "toggle": "document.slideform.slidebutton", "caption": "value",
            "buttons": "input[type=button]", "sound": "bgsound"},
    True: {"list": "document.querySelector('[data-slideshow=list]')",
           "image": "document.querySelector('[data-slideshow=image]')",
           "toggle": "document.querySelector('[data-slideshow=toggle]')",
           "caption": "textContent", "buttons": "button", "sound": "audio"},
}


# The inputs both suites feed the makers: each suite's pages start from these.
WORKED_MENU = [["Home", "target1.html"], ["About", "target2.html"], ["Links", "target3.html"]]
MANY_ENTRIES = [["Entry %d" % n, "target%d.html" % (n % 3 + 1)] for n in range(1, 201)]
STYLED_MENU = {"entries": WORKED_MENU[:2], "fullPage": True, "bold": True, "italic": True,
               "underline": True, "invertButton": True, "background": "#336699",
               "itemColour": "#FFCC00", "font": "Courier New", "size": "14", "goText": "Jump",
               "border": "Groove", "borderWidth": "4"}
EVERY_BAR = {bar: True for bar in ("directories", "location", "menubar", "resizable",
                                   "scrollbars", "statusbar", "toolbar")}
FIRST_BUTTON = {"initialImage": "init.png", "mouseOverImage": "over.gif", "statusText": "One",
                "alternateText": "First", "url": "target1.html"}
SECOND_BUTTON = {"initialImage": "init2.png", "mouseOverImage": "over2.png",
                 "statusText": "Two", "alternateText": "Second", "url": "target2.html"}
BUTTON_BORDER = {"imageBorder": True, "borderColour": "#FF0000", "borderType": "Dashed",
                 "borderSize": "3", "vertical": True}


def rgb(colour):
    return "rgb(%d, %d, %d)" % tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def shown(text):
    """Text as a browser shows an option's label: blanks collapsed."""
    return " ".join(text.split())


class Page:
    def __init__(self, name, maker, file, settings=None, buttons=None, plain=False):
        self.name, self.maker, self.file = name, maker, file
        # The modern page of the same maker: it promises to carry every
        # input the classic one breaks on.
        self.modern = maker.endswith("-modern")
        self.settings = settings or {}
        self.buttons = buttons
        self.plain = plain

    def request(self, site):
        request = {"file": os.path.join(site, self.file), "maker": self.maker,
                   "settings": self.settings}
        if self.buttons is not None:
            request["buttons"] = self.buttons
        if self.plain:
            request["bytes"] = "plain"
        return request


class Suite:
    def __init__(self, writer, root):
        self.writer = writer
        self.root = root
        self.site = os.path.join(root, "site")
        self.results = harness.Results(KNOWN_LIMITATIONS)
        self.browser = None
        self.guard = None
        self.http = None
        self.widths = {}
        self.times = {}
        self.started = 0
        self.parts = SLIDESHOW_PARTS[False]

    # ------------------------------------------------------------ fixtures

    def make_fixtures(self):
        os.makedirs(os.path.join(self.site, "pub"))
        os.makedirs(os.path.join(self.site, "my pictures"))
        images = {"init.png": (20, "png"), "over.gif": (30, "gif"), "init2.png": (24, "png"),
                  "over2.png": (34, "png"), "slide1.png": (21, "png"), "slide2.png": (22, "png"),
                  "slide3.gif": (23, "gif"), "bg.png": (8, "png"),
                  "my pictures/été & co.png": (25, "png"), "50% off.png": (26, "png"),
                  "it's.png": (27, "png"), "a#b.png": (28, "png")}
        for name, (width, kind) in images.items():
            make = harness.png_bytes if kind == "png" else harness.gif_bytes
            self.write(name, make(width, 12, (width * 9 % 256, 90, 160)))
            self.widths[os.path.basename(name)] = width
        # Browsers ask a web server for its icon unbidden.
        self.write("favicon.ico", harness.png_bytes(16, 16, (200, 120, 0)))
        harness.write_wav(os.path.join(self.site, "tune.wav"))
        self.write("my pictures/song.mid", harness.midi_bytes())
        for name, title in (("target1.html", "Target 1"), ("target2.html", "Target 2"),
                            ("target3.html", "Target 3"), ("popup.html", "Popup target"),
                            ("été & co.html", "Été &amp; co"), ("page with space.html", "Spaces"),
                            ("100% sure.html", "Percent"), ('say "hi".html', "Quoted")):
            self.write(name, harness.target_page(title))

    def write(self, name, data):
        with open(os.path.join(self.site, name), "wb") as out:
            out.write(data)

    def path(self, relative):
        return os.path.join(self.site, relative)

    def file_url(self, relative):
        return pathlib.Path(self.path(relative)).as_uri()

    def write_pages(self, pages):
        request = os.path.join(self.root, "request.json")
        with open(request, "w", encoding="utf-8") as out:
            json.dump({"pages": [page.request(self.site) for page in pages]}, out)
        done = subprocess.run([self.writer, request], capture_output=True, text=True, timeout=60)
        if done.returncode != 0:
            raise RuntimeError("page_writer failed: " + done.stderr)

    # --------------------------------------------------------- each visit

    def visit(self, url):
        """Loads a page; returns the errors it may legitimately raise, as a
        list of (pattern, known limitation) to fill."""
        self.browser.console_errors()
        self.browser.page_requests()
        self.guard.taken()
        self.started = time.monotonic()
        self.browser.load(url)
        return []

    def finish(self, name, expected_errors):
        errors = self.browser.console_errors()
        explained = {}
        unexplained = []
        for error in errors:
            match = next((known for pattern, known in expected_errors
                          if re.search(pattern, error)), None)
            if match:
                explained.setdefault(match, []).append(error)
            else:
                unexplained.append(error)
        for known, messages in explained.items():
            self.results.limitation(name, "page errors", known, messages[0][-120:])
        self.results.check(name, "no page or console error", not unexplained,
                           "; ".join(unexplained)[:300])
        requests = self.browser.page_requests() + self.guard.taken()
        self.results.check(name, "no request outside file: and 127.0.0.1", not requests,
                           "; ".join(requests))
        self.browser.close_popups()
        self.times[name] = time.monotonic() - self.started

    def loaded_width(self, script):
        """naturalWidth of the image script returns once the browser is done
        with it (0 when it could not be loaded)."""
        state = wait_for(lambda: self.browser.js(
            "const i = %s; return i && i.complete && [i.naturalWidth];" % script), 3)
        return state[0] if state else 0

    def same_file(self, url, relative):
        return os.path.realpath(harness.url_to_path(url, self.site)) == \
            os.path.realpath(self.path(relative))

    def same_address(self, url, address):
        """Whether url is the page address names, fragment included."""
        file, _, fragment = address.partition("#")
        return self.same_file(url, file) and urllib.parse.urlsplit(url).fragment == fragment

    def encoding_checks(self, page, http_url):
        """The mark leads exactly the pages with non-ASCII text, and makes
        the browser read them as UTF-8."""
        with open(self.path(page.file), "rb") as file:
            data = file.read()
        non_ascii = any(byte > 127 for byte in data.removeprefix(BOM))
        self.results.check(page.name, "byte-order mark iff non-ASCII",
                           data.startswith(BOM) == non_ascii,
                           "non-ASCII" if non_ascii else "pure ASCII")
        if not non_ascii:
            return
        charset = self.browser.js("return document.characterSet")
        self.results.check(page.name, "read as UTF-8", charset == "UTF-8", charset)
        if http_url:
            content_type = self.http.content_type(page.file)
            self.results.check(page.name, "served without charset",
                               "charset" not in content_type, content_type)

    # ------------------------------------------------------------ dropdown

    def dropdown_pages(self):
        worked = WORKED_MENU
        edge = [["Fish & Chips", "été & co.html"], ["Été à la mer 😀", "page with space.html"],
                ["100% #1", "100% sure.html"], ["a < b", "target1.html#part"],
                ["</script> end", "target2.html"], ["  spaced   name ", "target3.html"],
                ["Rock 'n' roll", "target1.html"]]
        return [Page("dropdown: worked example", "dropdown", "menu.html", {"entries": worked}),
                Page("dropdown: styled, full page", "dropdown", "styled.html", STYLED_MENU),
                Page("dropdown: empty menu", "dropdown", "empty.html", {"entries": []}),
                Page("dropdown: 200 entries", "dropdown", "many.html",
                     {"entries": MANY_ENTRIES}),
                Page("dropdown: edge texts", "dropdown", "edge menu.html",
                     {"entries": edge, "goText": 'Say "Go"'}),
                Page("dropdown: edge texts, unmarked", "dropdown", "unmarked.html",
                     {"entries": edge}, plain=True)]

    def check_dropdown(self, page, url, http_url=None):
        r, b = self.results, self.browser
        settings = page.settings
        entries = settings["entries"]
        expected_errors = self.visit(url)
        self.encoding_checks(page, http_url)
        options = b.js("return Array.from(document.querySelector('select').options)"
                       ".map(o => [o.text, o.getAttribute('value'),"
                       " new URL(o.value, document.baseURI).href]);")
        r.check(page.name, "option count", len(options) == len(entries),
                "%d options" % len(options))

        def as_entered(entry, option):
            # The classic page writes the address as typed; the modern one
            # escapes it, so it must lead to the same place.
            value = self.same_address(option[2], entry[1]) if page.modern \
                else option[1] == entry[1]
            return option[0] == shown(entry[0]) and value
        mismatches = [(entry, option) for entry, option in zip(entries, options)
                      if not as_entered(entry, option)]
        for entry, option in mismatches:
            r.check(page.name, "option %r" % entry[0], False, "shows %r" % option[:2],
                    known="markup" if "<" in entry[0] and not page.modern else None)
        r.check(page.name, "option texts and values",
                len(mismatches) < len(entries) or not entries,
                "%d of %d as entered" % (len(entries) - len(mismatches), len(entries)))
        go = b.js("const g = %s; return g.tagName == 'INPUT' ? g.value : g.textContent;"
                  % GO_BUTTON)
        quoted = '"' in settings.get("goText", "") and not page.modern
        r.check(page.name, "Go button text", go == settings.get("goText", "Go!"), repr(go),
                known="quote" if quoted else None)
        self.check_dropdown_style(page)
        if not entries:
            b.js("%s.click();" % GO_BUTTON)
            time.sleep(0.2)
            if not page.modern:
                expected_errors.append(("Cannot read properties of undefined", "go-empty"))
            r.check(page.name, "Go stays on the page",
                    self.same_file(b.driver.current_url, page.file), b.driver.current_url)
        chosen = range(len(entries)) if len(entries) <= 8 else [len(entries) - 1]
        for index in chosen:
            self.navigate(page, url, index, entries[index][1])
        self.finish(page.name, expected_errors)

    def navigate(self, page, url, index, target):
        from selenium.webdriver.common.by import By
        from selenium.webdriver.support.ui import Select
        b = self.browser
        if not self.same_file(b.driver.current_url, page.file):
            b.load(url)
        Select(b.driver.find_element(By.TAG_NAME, "select")).select_by_index(index)
        b.driver.execute_script("return %s" % GO_BUTTON).click()
        arrived = wait_for(lambda: not self.same_file(b.driver.current_url, page.file) and
                           b.js("return document.readyState") == "complete", 5)
        ok = arrived and self.same_address(b.driver.current_url, target)
        self.results.check(page.name, "choose %d and Go" % (index + 1), ok,
                           "%s -> %s" % (target, b.js("return document.title")))

    def check_dropdown_style(self, page):
        s = page.settings
        style = self.browser.js(
            "const css = e => getComputedStyle(e);"
            "const s = css(document.querySelector('select')), g = css(%s);"
            "return {mode: document.compatMode, bg: s.backgroundColor, color: s.color,"
            " family: s.fontFamily, size: s.fontSize, weight: s.fontWeight, style: s.fontStyle,"
            " decoration: s.textDecorationLine, goBg: g.backgroundColor, goColor: g.color,"
            " goFamily: g.fontFamily, goSize: g.fontSize, border: g.borderTopStyle,"
            " borderWidth: g.borderTopWidth};" % GO_BUTTON)
        background, item = s.get("background", "#FFFFFF"), s.get("itemColour", "#000000")
        button = (item, background) if s.get("invertButton") else (background, item)
        family = s.get("font", "Times New Roman")
        # No doctype: the page is in quirks mode, where a bare number is a
        # pixel size as the menu's author meant it.
        size = s.get("size", "10") + ("px" if s.get("size", "10").isdigit() else "")
        # Only the modern full page has a doctype; a fragment takes the mode
        # of the page it is pasted into.
        standards = page.modern and s.get("fullPage")
        expected = {"mode": "CSS1Compat" if standards else "BackCompat",
                    "bg": rgb(background), "color": rgb(item),
                    "family": family, "size": size,
                    # "none" is no weight or style: the browser keeps normal.
                    "weight": "700" if s.get("bold") else "400",
                    "style": "italic" if s.get("italic") else "normal",
                    "decoration": "underline" if s.get("underline") else "none",
                    "goBg": rgb(button[0]), "goColor": rgb(button[1]), "goFamily": family,
                    "goSize": size, "border": s.get("border", "Solid").lower(),
                    "borderWidth": s.get("borderWidth", "1") + "px"}
        style["family"] = style["family"].strip('"')
        style["goFamily"] = style["goFamily"].strip('"')
        wrong = {key: style[key] for key in expected if style[key] != expected[key]}
        self.results.check(page.name, "computed styles", not wrong,
                           repr(wrong) if wrong else "%d properties" % len(expected))

    # --------------------------------------------------------------- popup

    EVENTS = {"onClick": 0, "onLoad": 1, "onMouseOut": 2, "onMouseOver": 3, "onUnload": 4,
              "after": 5}

    def popup_settings(self, event, medium=0, **settings):
        """A popup's settings: launched by `event` from `medium` (0 text, 1
        image, 2 none), opening popup.html unless `url` says otherwise."""
        settings.update(url=settings.get("url", "popup.html"), event=self.EVENTS[event],
                        medium=medium)
        if medium == 1:
            settings.setdefault("imagePath", "init.png")
        return settings

    def popup_pages(self):
        def popup(name, file, event, medium=0, **settings):
            return Page("popup: " + name, "popup", file,
                        self.popup_settings(event, medium, **settings))
        return [
            popup("onClick, text link, closes after 1 s", "p-click.html", "onClick",
                  statusText="Hello visitor", closeAfterTime=True, closeSeconds="1"),
            popup("onClick, image link, 400x300 at 60,80", "p-click-image.html", "onClick", 1,
                  width="400", height="300", left="60", top="80"),
            popup("onMouseOver, text link", "p-over.html", "onMouseOver", statusText="Over"),
            popup("onMouseOver, image link", "p-over-image.html", "onMouseOver", 1,
                  url="100% sure.html#part"),
            popup("onMouseOut, text link", "p-out.html", "onMouseOut"),
            popup("onMouseOut, image link, closes after 1 s", "p-out-image.html", "onMouseOut",
                  1, closeAfterTime=True, closeSeconds="1",
                  imagePath="my pictures/été & co.png"),
            popup("onLoad", "p-load.html", "onLoad", 2),
            popup("after 1 s", "p-after.html", "after", 2, delaySeconds="1"),
            popup("onUnload", "p-unload.html", "onUnload", 2),
            popup("fullscreen", "p-full.html", "onClick", fullScreen=True),
            popup("every bar", "p-bars.html", "onClick", **EVERY_BAR),
            popup("edge texts", "p-edge.html", "onClick", url="été & co.html",
                  statusText="it's 50% <off> & more 😀"),
            popup("quote in the URL", "p-quote.html", "onClick", url='say "hi".html'),
            popup("</script> in the status text", "p-script.html", "onClick",
                  statusText="</script>"),
        ]

    @staticmethod
    def features(s):
        if s.get("fullScreen"):
            return "fullscreen=yes"
        word = {True: "yes", False: "no"}
        bars = ",".join("%s=%s" % (name, word[bool(s.get(key))]) for name, key in (
            ("directories", "directories"), ("location", "location"), ("menubar", "menubar"),
            ("resizable", "resizable"), ("scrollbars", "scrollbars"), ("status", "statusbar"),
            ("toolbar", "toolbar")))
        width, height = s.get("width", "320"), s.get("height", "240")
        left, top = s.get("left", "25"), s.get("top", "25")
        return "%s,width=%s,height=%s,left=%s,screenX=%s,top=%s,screenY=%s" % (
            bars, width, height, left, left, top, top)

    def launch(self, page, name):
        """Performs the page's launch action, recording under `name` what
        comes before it; returns when the action happened."""
        from selenium.webdriver.common.by import By
        b, r = self.browser, self.results
        event = page.settings["event"]
        if event in (0, 2, 3):
            link = b.driver.find_element(By.TAG_NAME, "a")
            if page.settings["medium"] == 0:
                r.check(name, "link text", link.text == "Click Here", repr(link.text))
            else:
                width = self.loaded_width("document.querySelector('a img')")
                alt = b.js("return document.querySelector('a img').alt")
                image = os.path.basename(page.settings["imagePath"])
                r.check(name, "link image and alt",
                        width == self.widths[image] and alt == "Image",
                        "width %s, alt %r" % (width, alt))
        else:
            r.check(name, "no link", not b.js("return document.links.length"))
        if event != 1:
            time.sleep(0.2)
            r.check(name, "nothing opens before the action",
                    not b.popups() and not b.js("return window.__opens.length"))
        if event == 0:
            link.click()
        elif event == 3:
            b.hover(link)
        elif event == 2:
            b.hover(link)
            time.sleep(0.2)
            r.check(name, "pointer over the link opens nothing", not b.popups())
            b.park_pointer()
        elif event == 5:
            delay = float(page.settings["delaySeconds"])
            time.sleep(delay * 0.5)
            r.check(name, "nothing before the delay", not b.popups())
        elif event == 4:
            b.load(self.file_url("target1.html"))
        return time.monotonic()

    def check_popup(self, page, url, http_url=None):
        r, b = self.results, self.browser
        s = page.settings
        expected_errors = self.visit(url)
        quoted = '"' in s["url"]
        script_end = "</script>" in s.get("statusText", "")
        if quoted:
            expected_errors += [("SyntaxError|popupWin is not defined", "quote")]
        if script_end:
            expected_errors += [("SyntaxError|Invalid or unexpected token|popupWin is not defined",
                                 "script-end")]
        self.encoding_checks(page, http_url)
        acted = self.launch(page, page.name)
        # A window opens at once on the action, or after the delay; where
        # none is expected a short wait shows that none comes.
        timeout = float(s.get("delaySeconds", "1")) + 3 if s["event"] == 5 else 3
        if s["event"] == 4 or quoted or script_end:
            timeout = 1
        opened = wait_for(b.popups, timeout)
        if s["event"] == 4:
            r.check(page.name, "window opens as the page unloads", opened, known="unload")
            self.finish(page.name, expected_errors)
            return
        if quoted or script_end:
            r.check(page.name, "window opens", opened,
                    known="quote" if quoted else "script-end")
            self.finish(page.name, expected_errors)
            return
        if not opened:
            r.check(page.name, "window opens", False)
            self.finish(page.name, expected_errors)
            return
        opens = b.js("return window.__opens")
        call = opens[0]["args"] if opens else None
        r.check(page.name, "window.open(URL, name, features)",
                call == [s["url"], "popWin", self.features(s)], repr(call))
        popup = opened[0]
        seen = wait_for(lambda: b.in_window(popup, "return document.readyState == 'complete' && "
                                            "[location.href, document.title, innerWidth, "
                                            "innerHeight, outerWidth, outerHeight, screenX, "
                                            "screenY, toolbar.visible, screen.width]"), 5)
        if not seen:
            r.check(page.name, "window shows the URL", False, "window closed before it loaded")
            self.finish(page.name, expected_errors)
            return
        href, title, inner_w, inner_h, outer_w, outer_h, x, y, toolbar, screen_w = seen
        r.check(page.name, "window shows the URL",
                self.same_address(href, s["url"]) and title != "", "%s %r" % (href, title))
        self.check_popup_geometry(page, seen)
        status = b.js("return window.status")
        r.check(page.name, "status text assigned", status == s.get("statusText", ""),
                repr(status))
        r.limitation(page.name, "status text shown", "status")
        if s.get("closeAfterTime"):
            seconds = float(s["closeSeconds"])
            r.check(page.name, "open until the close time",
                    time.monotonic() - acted >= seconds * 0.6 or popup in b.popups())
            gone = wait_for(lambda: popup not in b.popups(), seconds + 2)
            r.check(page.name, "closes after the close time", gone,
                    "after %.1f s" % (time.monotonic() - acted))
        else:
            time.sleep(max(0.0, 1.2 - (time.monotonic() - acted)))
            r.check(page.name, "stays open without a close time", popup in b.popups())
        self.finish(page.name, expected_errors)

    def check_popup_geometry(self, page, seen):
        r, s = self.results, page.settings
        _, _, inner_w, inner_h, outer_w, outer_h, x, y, toolbar, screen_w = seen
        width, height = int(s.get("width", "320")), int(s.get("height", "240"))
        left, top = int(s.get("left", "25")), int(s.get("top", "25"))
        detail = "inner %dx%d, outer %dx%d at %d,%d" % (inner_w, inner_h, outer_w, outer_h, x, y)
        if s.get("fullScreen"):
            r.check(page.name, "fills the screen", inner_w == screen_w, detail, known="fullscreen")
            return
        requested_bars = s.get("toolbar") or s.get("location")
        r.check(page.name, "bars as requested", bool(toolbar) == bool(requested_bars),
                "toolbar.visible %s" % toolbar, known="bars")
        honoured = inner_w == width and inner_h <= height <= outer_h and (x, y) == (left, top)
        # A popup keeps a location bar of its own, which takes its height
        # from the requested content height.
        r.check(page.name, "size and position", honoured, detail,
                known="bars" if requested_bars else None)

    def check_modern_popup(self, page, url, http_url=None):
        """The modern page opens a window only on a click (an overlay where
        that window is blocked) and shows every other launch in an in-page
        overlay of the requested size."""
        r, b = self.results, self.browser
        s = page.settings
        event = s["event"]
        expected_errors = self.visit(url)
        self.encoding_checks(page, http_url)
        if event in (0, 2, 3):
            link = b.js("const a = document.querySelector('a'); return [a.href, a.title];")
            r.check(page.name, "link address and tool tip",
                    self.same_address(link[0], s["url"]) and link[1] == s.get("statusText", ""),
                    str(link))
        overlay = ("const d = document.querySelector('dialog'), f = d.querySelector('iframe'),"
                   " box = f.getBoundingClientRect();"
                   "return d.open && [f.src, Math.round(box.width), Math.round(box.height)];")
        if event == 4:
            time.sleep(0.3)
            r.check(page.name, "nothing opens before the action",
                    not b.popups() and not b.js(overlay))
            # The pointer leaving the window through its top edge.
            b.js("document.dispatchEvent(new MouseEvent('mouseout', "
                 "{bubbles: true, clientX: 100, clientY: -1}));")
            acted = time.monotonic()
        else:
            acted = self.launch(page, page.name)
        if event == 0:
            opened = wait_for(b.popups, 3)
            r.check(page.name, "window opens", opened)
            if not opened:
                self.finish(page.name, expected_errors)
                return
            popup = opened[0]
            call = b.js("return window.__opens")[0]["args"]
            r.check(page.name, "window.open(URL, name, features)",
                    self.same_address(urllib.parse.urljoin(url, call[0]), s["url"]),
                    repr(call))
            seen = wait_for(lambda: b.in_window(popup, (
                "return document.readyState == 'complete' && [location.href, document.title,"
                " innerWidth, innerHeight, outerWidth, outerHeight, screenX, screenY,"
                " toolbar.visible, screen.availWidth]")), 5)
            r.check(page.name, "window shows the URL",
                    seen and self.same_address(seen[0], s["url"]) and seen[1] != "", str(seen))
            if seen:
                self.check_popup_geometry(page, seen)
            still_open = lambda: popup in b.popups()  # noqa: E731
        else:
            shown = wait_for(lambda: b.js(overlay), float(s.get("delaySeconds", "0")) + 3)
            size = [int(s.get("width", "320")), int(s.get("height", "240"))]
            r.check(page.name, "overlay shows the URL at the requested size",
                    shown and self.same_address(shown[0], s["url"]) and shown[1:] == size,
                    str(shown))
            r.check(page.name, "no window opens", not b.popups())
            still_open = lambda: b.js(overlay)  # noqa: E731
        if s.get("closeAfterTime"):
            seconds = float(s["closeSeconds"])
            gone = wait_for(lambda: not still_open(), seconds + 2)
            r.check(page.name, "closes after the close time", gone,
                    "after %.1f s" % (time.monotonic() - acted))
        else:
            time.sleep(max(0.0, 1.2 - (time.monotonic() - acted)))
            r.check(page.name, "stays open without a close time", still_open())
        self.finish(page.name, expected_errors)

    def check_popups_blocked(self, pages):
        """The same pages with the popup blocker on, as visitors have it."""
        r, b = self.results, self.browser
        for page in pages:
            if page.settings["event"] == 4 or '"' in page.settings["url"] or \
                    "</script>" in page.settings.get("statusText", ""):
                continue
            name = page.name + " [blocker on]"
            expected_errors = self.visit(self.file_url(page.file))
            if page.settings.get("closeAfterTime"):
                expected_errors.append(("reading 'close'", "blocked-close"))
            self.launch(page, name)
            timeout = 2.5 if page.settings["event"] == 5 else 1
            opened = wait_for(b.popups, timeout)
            if opened:
                r.record(name, "window opens", INFO, "opens")
            else:
                r.limitation(name, "window opens", "blocker")
            if page.settings.get("closeAfterTime"):
                time.sleep(float(page.settings["closeSeconds"]) + 0.3)
            self.finish(name, expected_errors)

    def modern_pages(self):
        """The modern page of each maker, fed the inputs that break the
        classic one."""
        edge = [["</script> end", "target2.html"], ['Say "hi" & <wave>', "target1.html#part"],
                ["Rock 'n' roll 😀", "été & co.html"], ["100% #1", "100% sure.html"]]
        styled = dict(STYLED_MENU, entries=edge[:1], goText='Say "Go"')

        def popup(name, file, event, medium=0, **settings):
            return Page("modern popup: " + name, "popup-modern", file,
                        self.popup_settings(event, medium, **settings))
        button = {"initialImage": "it's.png", "mouseOverImage": "a#b.png",
                  "statusText": "</script> it's \"fun\" 😀", "alternateText": 'Say "cheese" & <co>',
                  "url": "été & co.html"}
        slideshow = dict(self.slideshow_settings(),
                         images=[self.path("slide1.png"), self.path("a#b.png"),
                                 self.path("it's.png")],
                         rightClickMessage='Say "no" </script>', pageTitle="Holiday <3",
                         headingText="<b>Bold</b> </script> & co")
        published = dict(slideshow, images=[self.path("my pictures/été & co.png"),
                                            self.path("50% off.png"), self.path("a#b.png")],
                         sound=self.path("my pictures/song.mid"), pageTitle="Été 😀")
        return {
            "dropdown": [
                Page("modern dropdown: edge texts", "dropdown-modern", "modern menu.html",
                     {"entries": edge, "goText": 'Say "Go"'}),
                Page("modern dropdown: styled, full page", "dropdown-modern",
                     "modern-styled.html", styled),
                Page("modern dropdown: empty menu", "dropdown-modern", "modern-empty.html",
                     {"entries": []})],
            "popup": [
                popup("onClick, quote and </script>, closes after 1 s", "mp-click.html",
                      "onClick", url='say "hi".html', statusText="</script> it's",
                      closeAfterTime=True, closeSeconds="1"),
                popup("fullscreen", "mp-full.html", "onClick", fullScreen=True),
                popup("onLoad, closes after 1 s", "mp-load.html", "onLoad", 2,
                      closeAfterTime=True, closeSeconds="1"),
                popup("after 1 s, 400x300", "mp-after.html", "after", 2, delaySeconds="1",
                      width="400", height="300"),
                popup("onMouseOver, image link", "mp-over.html", "onMouseOver", 1,
                      imagePath="a#b.png"),
                popup("onMouseOut", "mp-out.html", "onMouseOut", url="été & co.html"),
                popup("leaving the page (onUnload)", "mp-unload.html", "onUnload", 2)],
            "mouseover": [
                Page("modern mouseover: quotes and # in paths and texts", "mouseover-modern",
                     "modern-buttons.html",
                     buttons=[dict(button, preloadImages=True),
                              dict(button, initialImage="my pictures/été & co.png",
                                   mouseOverImage="50% off.png", imageBorder=True,
                                   borderColour="#FF0000", borderType="Dashed",
                                   borderSize="3")])],
            "slideshow": [
                Page("modern slideshow: every option", "slideshow-modern", "modern-show.html",
                     slideshow),
                Page("modern slideshow: published", "slideshow-publish-modern",
                     "pub/modern été show.html", published)],
        }

    def blocked_close_page(self):
        return Page("popup: onLoad, closes after 1 s", "popup", "p-load-close.html",
                    {"url": "popup.html", "event": 1, "medium": 2, "closeAfterTime": True,
                     "closeSeconds": "1"})

    # ----------------------------------------------------------- mouseover

    def mouseover_pages(self):
        first, second, border = FIRST_BUTTON, SECOND_BUTTON, BUTTON_BORDER
        return [
            Page("mouseover: horizontal, preloaded", "mouseover", "m-row.html",
                 buttons=[first, second]),
            Page("mouseover: vertical, border, one preloaded", "mouseover", "m-column.html",
                 buttons=[dict(first, preloadImages=False, **border), dict(second, **border)]),
            Page("mouseover: edge texts", "mouseover", "m-edge.html",
                 buttons=[{"initialImage": "my pictures/été & co.png",
                           "mouseOverImage": "50% off.png", "statusText": "</script> Déjà vu 😀",
                           "alternateText": "Fish & chips < 😀", "url": "été & co.html"}]),
            Page("mouseover: apostrophe in a path, quote in a text", "mouseover",
                 "m-quotes.html", buttons=[dict(first, mouseOverImage="it's.png"),
                                           dict(second, alternateText='Say "cheese"')]),
            Page("mouseover: # in a file name", "mouseover", "m-hash.html",
                 buttons=[dict(first, initialImage="a#b.png")]),
        ]

    def check_mouseover(self, page, url, http_url=None):
        r, b = self.results, self.browser
        expected_errors = self.visit(url)
        buttons = page.buttons
        self.encoding_checks(page, http_url)
        classic = not page.modern
        apostrophe = classic and any("'" in button["mouseOverImage"] for button in buttons)
        hashed = classic and any("#" in button["initialImage"] for button in buttons)
        if apostrophe:
            expected_errors.append(("SyntaxError|missing \\) after argument list", "apostrophe"))
        if hashed:
            expected_errors.append(("ERR_FILE_NOT_FOUND", "hash-path"))
        links = b.js("return Array.from(document.links).map(a => {"
                     " const i = a.querySelector('img'), c = getComputedStyle(i);"
                     " return {href: a.href, name: i.name, alt: i.alt,"
                     " border: [c.borderTopColor, c.borderTopStyle, c.borderTopWidth],"
                     " box: [i.getBoundingClientRect().left, i.getBoundingClientRect().top,"
                     " i.getBoundingClientRect().bottom]};"
                     "});")
        r.check(page.name, "one link per button", len(links) == len(buttons), str(len(links)))
        for number, (button, link) in enumerate(zip(buttons, links), start=1):
            label = "button %d" % number
            image = "document.links[%d].querySelector('img')" % (number - 1)
            width = self.loaded_width(image)
            init = os.path.basename(button["initialImage"])
            r.check(page.name, label + " image", width == self.widths.get(init),
                    "%s: width %s" % (init, width),
                    known="hash-path" if "#" in init and classic else None)
            r.check(page.name, label + " alt and link",
                    link["alt"] == button["alternateText"] and
                    self.same_address(link["href"], button["url"]),
                    "%r %s" % (link["alt"], link["href"]),
                    known="quote" if '"' in button["alternateText"] and classic else None)
            if button.get("imageBorder"):
                border = [rgb(button["borderColour"]), button["borderType"].lower(),
                          button["borderSize"] + "px"]
            else:
                border = [link["border"][0], "none", "0px"]
            r.check(page.name, label + " border", link["border"] == border, str(link["border"]))
            self.check_hover(page, number, button, image)
        if classic:
            self.check_preloads(page, buttons)
        if len(links) > 1:
            (x1, y1, bottom1), (x2, y2, bottom2) = links[0]["box"], links[1]["box"]
            vertical = buttons[0].get("vertical", False)
            # Side by side, images share their bottom line (the text baseline).
            r.check(page.name, "vertical layout" if vertical else "horizontal layout",
                    (y2 >= bottom1 and x2 == x1) if vertical else (bottom2 == bottom1 and x2 > x1),
                    "second image at %d,%d after %d,%d" % (x2, y2, x1, y1))
        self.finish(page.name, expected_errors)

    def check_hover(self, page, number, button, image):
        r, b = self.results, self.browser
        label = "button %d" % number
        over = os.path.basename(button["mouseOverImage"])
        init = os.path.basename(button["initialImage"])
        classic = not page.modern
        known = "apostrophe" if "'" in over and classic else None
        b.hover(b.js("return %s" % image))
        swapped = wait_for(lambda: self.same_file(b.js("return %s.src" % image),
                                                  button["mouseOverImage"]), 1) and \
            self.loaded_width(image) == self.widths.get(over)
        r.check(page.name, label + " hover shows the over image", swapped, over, known=known)
        if swapped and classic:
            status = b.js("return window.status")
            r.check(page.name, label + " status text assigned", status == button["statusText"],
                    repr(status))
            r.limitation(page.name, label + " status text shown", "status")
        elif not classic:
            # The modern page's status text is a tip that describes the link.
            tip = b.js("const tip = %s.closest('a').getAttribute('aria-describedby');"
                       "return tip && document.getElementById(tip).textContent;" % image)
            r.check(page.name, label + " status text as tool tip", tip == button["statusText"],
                    repr(tip))
        b.park_pointer()
        restored = wait_for(lambda: self.same_file(b.js("return %s.src" % image),
                                                   button["initialImage"]), 1)
        r.check(page.name, label + " leaving restores the image", restored, init,
                known="hash-path" if "#" in init and classic else None)

    def check_preloads(self, page, buttons):
        expected = []
        for button in buttons:
            if button.get("preloadImages", True):
                expected += [button["initialImage"], button["mouseOverImage"]]
        widths = [self.loaded_width("window.Image%d" % k) for k in range(1, len(expected) + 1)]
        wanted = [self.widths.get(os.path.basename(path)) for path in expected]
        hashed = any("#" in path for path in expected)
        self.results.check(page.name, "preloaded images load", widths == wanted,
                           "widths %s" % widths, known="hash-path" if hashed else None)

    # ----------------------------------------------------------- slideshow

    def slideshow_settings(self):
        """A slideshow with every option on."""
        return {"images": [self.path("slide1.png"), self.path("slide2.png"),
                           self.path("slide3.gif")],
                "initialImage": self.path("init.png"), "transitionTime": "1",
                "centreConsole": True, "rightClickDisable": True,
                "rightClickMessage": "No copying, please!", "playSound": True,
                "sound": self.path("tune.wav"), "pageTitle": "Holiday",
                "pageBackgroundColor": "#FFEEDD", "backgroundImage": self.path("bg.png"),
                "headingText": "My holiday"}

    def published_images(self):
        """Pictures whose names a published folder must keep working."""
        return [self.path("my pictures/été & co.png"), self.path("slide1.png"),
                self.path("50% off.png"), self.path("it's.png")]

    def slideshow_pages(self):
        full = self.slideshow_settings()
        published = dict(full, images=self.published_images(),
                         sound=self.path("my pictures/song.mid"), pageTitle="Été 😀",
                         headingText="Été à la mer & co 😀")
        quoted = dict(full, rightClickMessage='Say "no"', headingText="<b>Bold</b> </script>")
        return [Page("slideshow: every option", "slideshow", "show.html", full),
                Page("slideshow: published", "slideshow-publish", "pub/été show.html",
                     published),
                Page("slideshow: quote in the message", "slideshow", "show-quote.html",
                     quoted)]

    def check_slideshow(self, page, url, http_url=None):
        r, b = self.results, self.browser
        s = page.settings
        expected_errors = self.visit(url)
        published = page.maker.startswith("slideshow-publish")
        classic = not page.modern
        parts = self.parts = SLIDESHOW_PARTS[page.modern]
        quoted = '"' in s["rightClickMessage"] and classic
        if quoted:
            expected_errors.append(("SyntaxError|Unexpected identifier", "quote"))
        self.encoding_checks(page, http_url)

        def relative(path):
            return os.path.join("pub", os.path.basename(path)) if published else path

        title = b.js("return document.title")
        r.check(page.name, "title", title == s["pageTitle"], repr(title))
        heading = b.js("return document.querySelector('td').innerText")
        r.check(page.name, "heading", heading == s["headingText"], repr(heading),
                known="markup" if "<" in s["headingText"] and classic else None)
        body = b.js("const c = getComputedStyle(document.body);"
                    "return [c.backgroundColor, c.backgroundImage];")
        background = re.search(r'url\("(.*)"\)', body[1])
        r.check(page.name, "background colour and image",
                body[0] == rgb(s["pageBackgroundColor"]) and background is not None and
                self.same_file(background.group(1), relative(s["backgroundImage"])), str(body))
        sound = b.js("const e = document.querySelector('%s');"
                     "return e && [e.constructor.name, new URL(e.getAttribute('src'), "
                     "document.baseURI).href];" % parts["sound"])
        r.check(page.name, "sound element names the sound file",
                sound is not None and self.same_file(sound[1], relative(s["sound"])), str(sound))
        midi = s["sound"].endswith(".mid")
        if classic:
            r.check(page.name, "sound plays", sound and sound[0] != "HTMLUnknownElement",
                    str(sound and sound[0]), known="bgsound")
        elif midi:
            # No browser plays MIDI: the page offers the file as a link.
            offered = wait_for(lambda: b.js("const a = document.querySelector('audio + a');"
                                            "return !!a && !a.hidden && a.href;"), 3)
            r.check(page.name, "sound offered as a link",
                    offered and self.same_file(offered, relative(s["sound"])), str(offered))
        else:
            # Ready to play once the browser read the file's start; autoplay
            # itself waits for the visitor.
            state = wait_for(lambda: b.js("const a = document.querySelector('audio');"
                                          "return (a.readyState > 0 || a.error) && "
                                          "[a.readyState, a.error && a.error.code];"), 3)
            r.check(page.name, "sound plays", state and state[0] > 0, str(state))
        entries = b.js("return Array.from(%s.options)"
                       ".map(o => [o.text, new URL(o.value, document.baseURI).href]);"
                       % parts["list"])
        files = [s["initialImage"]] + s["images"]
        labels = ["Start"] + ["Image %d" % n for n in range(1, len(s["images"]) + 1)]
        r.check(page.name, "list entries",
                [e[0] for e in entries] == labels and len(entries) == len(files) and
                all(self.same_file(e[1], relative(f)) for e, f in zip(entries, files)),
                "%d entries" % len(entries))
        widths = [self.widths[os.path.basename(f)] for f in files]
        buttons = b.js("return Array.from(document.querySelectorAll('%s'))"
                       ".map(i => i.tagName == 'INPUT' ? i.value : i.textContent);"
                       % parts["buttons"])
        # The modern page puts its rotation control first in the tab order.
        order = (["Start", "|<<", "<", ">", ">>|"] if page.modern
                 else ["|<<", "<", "Start", ">", ">>|"])
        r.check(page.name, "five buttons", buttons == order, str(buttons))
        if quoted:
            r.check(page.name, "page script runs", b.js("return typeof next") == "function",
                    known="quote")
            self.finish(page.name, expected_errors)
            return
        self.check_stepping(page, widths)
        # Published pages share the script; its timing is checked once.
        if not published:
            self.check_rotation(page, int(s["transitionTime"]) * 1000)
            self.check_right_click(page, s["rightClickMessage"])
        table = b.js("const t = document.querySelector('table').getBoundingClientRect();"
                     "return [t.left, document.documentElement.clientWidth - t.right];")
        r.check(page.name, "console centred", abs(table[0] - table[1]) <= 1, str(table))
        self.finish(page.name, expected_errors)

    def shown_entry(self):
        return self.browser.js("const i = %s; return [%s.selectedIndex, "
                               "i.complete ? i.naturalWidth : 0];"
                               % (self.parts["image"], self.parts["list"]))

    def check_stepping(self, page, widths):
        from selenium.webdriver.common.by import By
        from selenium.webdriver.support.ui import Select
        r, b = self.results, self.browser
        last = len(widths) - 1
        r.check(page.name, "initial image", self.loaded_width(self.parts["image"]) ==
                widths[0])

        def press(title, expected):
            b.driver.find_element(By.CSS_SELECTOR, "[title='%s']" % title).click()
            state = wait_for(lambda: self.shown_entry() == [expected, widths[expected]] and
                             self.shown_entry(), 2)
            return state
        steps = [("Next", 1), ("End", last), ("Next", 0), ("Previous", last),
                 ("Previous", last - 1), ("Start", 0)]
        wrong = [(title, expected, self.shown_entry()) for title, expected in steps
                 if not press(title, expected)]
        r.check(page.name, "buttons step and wrap around", not wrong, str(wrong))
        Select(b.driver.find_element(By.TAG_NAME, "select")).select_by_index(2)
        state = wait_for(lambda: self.shown_entry() == [2, widths[2]], 2)
        r.check(page.name, "choosing in the list shows the image", state,
                str(self.shown_entry()))

    def advances(self, delay):
        """Starts recording selector changes in the page; returns a function
        giving the change times, in delays since the start."""
        b = self.browser
        b.js("clearInterval(window.__watch); window.__steps = [];"
             "const start = performance.now(), list = %s; let last = list.selectedIndex;"
             "window.__watch = setInterval(() => { const now = list.selectedIndex;"
             " if (now != last) {"
             " window.__steps.push((performance.now() - start) / %d); last = now; }"
             "}, 10);" % (self.parts["list"], delay))
        return lambda: b.js("return window.__steps")

    def check_rotation(self, page, delay):
        from selenium.webdriver.common.by import By
        r, b = self.results, self.browser
        button = b.js("return %s" % self.parts["toggle"])

        def caption():
            return b.js("return arguments[0].%s" % self.parts["caption"], button)
        b.driver.find_element(By.CSS_SELECTOR, "[title='Start']").click()
        steps = self.advances(delay)
        seconds = delay / 1000
        button.click()
        r.check(page.name, "Start shows Stop", caption() == "Stop")
        time.sleep(2.6 * seconds)
        seen = steps()
        gaps = [later - earlier for earlier, later in zip(seen, seen[1:])]
        r.check(page.name, "Start: at once, then two advances in 2.6 delays",
                len(seen) == 3 and all(0.85 < gap < 1.35 for gap in gaps),
                "advances at %s delays" % [round(t, 2) for t in seen])
        button.click()
        stopped = len(steps())
        r.check(page.name, "Stop shows Start", caption() == "Start")
        time.sleep(1.3 * seconds)
        r.check(page.name, "no advance after Stop", len(steps()) == stopped,
                "%d advances after Stop" % (len(steps()) - stopped))
        # Stop then Start again within one delay.
        b.driver.find_element(By.CSS_SELECTOR, "[title='Start']").click()
        steps = self.advances(delay)
        button.click()
        time.sleep(0.3 * seconds)
        button.click()
        button.click()
        time.sleep(2.6 * seconds)
        seen = len(steps())
        button.click()
        b.js("clearInterval(window.__watch);")
        # Two starts advance at once, then two advances in 2.6 delays.
        r.check(page.name, "Stop and Start within one delay: same pace", seen <= 4,
                "%d advances in 2.6 delays" % seen,
                known="double-timer" if not page.modern else None)
        time.sleep(1.1 * seconds)  # the second timer's last step, after the final Stop

    def check_right_click(self, page, message):
        from selenium.webdriver.common.action_chains import ActionChains
        r, b = self.results, self.browser
        heading = b.driver.find_element("css selector", "td")
        ActionChains(b.driver).context_click(heading).perform()
        texts = []
        for _ in range(3):
            try:
                alert = wait_for(lambda: self.alert(), 1)
                if not alert:
                    break
                texts.append(alert.text)
                alert.accept()
            except Exception:
                break
        r.check(page.name, "right click shows the message", texts[:1] == [message], str(texts))
        classic = not page.modern
        r.check(page.name, "one message per right click", len(texts) <= 1, str(len(texts)),
                known="two-messages" if classic else None)
        # Without modal dialogs in the way: how often the handler runs, and
        # whether the context menu is stopped.
        b.js("window.__alerts = []; window.alert = m => window.__alerts.push(m);"
             "document.addEventListener('contextmenu', e => window.__menu = !e.defaultPrevented);")
        ActionChains(b.driver).context_click(heading).perform()
        wait_for(lambda: b.js("return window.__menu !== undefined"), 1)
        calls = b.js("return window.__alerts.length")
        r.check(page.name, "handler runs once per right click", calls == 1,
                "%d runs" % calls, known="two-messages" if classic else None)
        r.check(page.name, "context menu stopped", not b.js("return window.__menu"),
                known="context-menu" if classic else None)

    def alert(self):
        try:
            alert = self.browser.driver.switch_to.alert
            alert.text  # raises while no dialog is open
            return alert
        except Exception:
            return None

    # ------------------------------------------------------------- running

    def run(self):
        self.make_fixtures()
        dropdowns = self.dropdown_pages()
        popups = self.popup_pages()
        mouseovers = self.mouseover_pages()
        slideshows = self.slideshow_pages()
        blocked_close = self.blocked_close_page()
        modern = self.modern_pages()
        self.write_pages(dropdowns + popups + mouseovers + slideshows + [blocked_close] +
                         [page for pages in modern.values() for page in pages])
        self.guard = harness.NetworkGuard()
        self.http = harness.PlainHttpServer(self.site)
        profile = os.path.join(self.root, "profile")
        self.browser = harness.Browser(profile, self.guard.port, popup_blocker=False)
        self.results.version = self.browser.version
        checks = [(dropdowns + modern["dropdown"], self.check_dropdown),
                  (popups, self.check_popup),
                  (modern["popup"], self.check_modern_popup),
                  (mouseovers + modern["mouseover"], self.check_mouseover),
                  (slideshows + modern["slideshow"], self.check_slideshow)]
        for pages, check in checks:
            for page in pages:
                if page.plain:
                    self.check_unmarked(page)
                    continue
                check(page, self.file_url(page.file))
                if self.over_http(page):
                    http_page = Page(page.name + " (http)", page.maker, page.file,
                                     page.settings, page.buttons)
                    check(http_page, self.http.url(page.file), http_url=True)
        self.browser.close()
        self.browser = harness.Browser(profile + "-blocker", self.guard.port,
                                       popup_blocker=True)
        self.check_popups_blocked(popups + [blocked_close])
        # The modern page needs no popup blocker turned off.
        for page in modern["popup"][:4:2]:
            self.check_modern_popup(Page(page.name + " [blocker on]", page.maker, page.file,
                                         page.settings), self.file_url(page.file))
        self.results.record("suite", "browser's own background requests", INFO,
                            "blocked: " + ", ".join(sorted(self.guard.background)))
        slowest = sorted(self.times.items(), key=lambda item: -item[1])[:4]
        self.results.record("suite", "time in pages", INFO, "%.1f s; slowest: %s" % (
            sum(self.times.values()), ", ".join("%s %.1f s" % item for item in slowest)))

    def over_http(self, page):
        """Pages with non-ASCII text that work from a web server (the
        published slideshow rather than one naming full paths)."""
        if page.modern or (page.maker == "slideshow"):
            # The modern pages name their charset; the classic Make Code
            # slideshow names full paths that no server has.
            return False
        with open(self.path(page.file), "rb") as file:
            return file.read(3) == BOM

    def check_unmarked(self, page):
        """The page as written before the mark: what a server without a
        charset makes of it (information only)."""
        for where, url in (("from disk", self.file_url(page.file)),
                           ("over http", self.http.url(page.file))):
            self.visit(url)
            charset = self.browser.js("return document.characterSet")
            name = self.browser.js("return document.form.site.options[1].text")
            self.results.record(page.name, "read %s without the mark" % where, INFO,
                                "%s, %r shows as %r" % (charset, page.settings["entries"][1][0],
                                                        name))
        self.browser.console_errors()
        self.browser.page_requests()
        self.guard.taken()

    def close(self):
        for part in (self.browser, self.http, self.guard):
            if part:
                try:
                    part.close()
                except Exception as error:  # keep closing the rest
                    print("closing: %s" % error, file=sys.stderr)


def run_main(make_suite, name, seconds):
    """Runs one suite from the command line: skips without a browser, bounds
    the whole run by `seconds`, kills what it left behind, prints the table."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--writer", required=True)
    parser.add_argument("--report")
    arguments = parser.parse_args()
    try:
        import selenium  # noqa: F401
    except ImportError:
        print("SKIP: python3-selenium is not installed (scripts/setup installs it)")
        return 77
    for program in (harness.CHROMIUM, harness.CHROMEDRIVER):
        if not os.access(program, os.X_OK):
            print("SKIP: %s is not installed (scripts/setup installs chromium and "
                  "chromium-driver)" % program)
            return 77

    def out_of_time(*_):
        raise TimeoutError("the %s suite ran out of time" % name)
    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(seconds)
    started = time.monotonic()
    root = tempfile.mkdtemp(prefix="quillmint-%s-" % name)
    suite = make_suite(os.path.abspath(arguments.writer), root)
    try:
        suite.run()
    except Exception as error:
        suite.results.record("suite", "runs to the end", FAIL, "%s: %s"
                             % (type(error).__name__, error))
    finally:
        signal.alarm(0)
        suite.close()
        left = harness.processes_using(root)
        for pid in left:
            os.kill(pid, signal.SIGKILL)
        suite.results.check("suite", "no process left behind", not left, str(left))
        shutil.rmtree(root, ignore_errors=True)
    table = suite.results.table(time.monotonic() - started)
    print(table)
    if arguments.report:
        with open(arguments.report, "w", encoding="utf-8") as report:
            report.write(table + "\n")
    return 1 if suite.results.failed() else 0


def main():
    return run_main(Suite, "browser", 260)


if __name__ == "__main__":
    sys.exit(main())
