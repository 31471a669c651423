#!/usr/bin/python3
"""Drives every maker's Modern HTML5 Output page in headless Chromium as a
visitor of today has it: the popup blocker on and autoplay blocked until
the first interaction, with the edge inputs typed into every field. This
output has no known limitations: every check passes or the build fails.

Usage: modern_suite.py --writer <page_writer> [--report <file>]
Exit status as browser_suite.py."""

import json
import os
import re
import sys
import time
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser_suite  # noqa: E402
import harness  # noqa: E402
import standards  # noqa: E402
from browser_suite import (BUTTON_BORDER, EVERY_BAR, FIRST_BUTTON, MANY_ENTRIES,  # noqa: E402
                           SECOND_BUTTON, STYLED_MENU, WORKED_MENU, Page, rgb, shown)
from harness import FAIL, wait_for  # noqa: E402

# Every character that has broken a value somewhere, in one text.
EDGE = "Say \"hi\" & 'bye' <b>bold</b> </script> 100% #1 été 😀"
QUOTED_FILE = "say \"hi\" & 'bye'.html"
MARKUP_FILE = "<b> 100% été 😀.html"
SCRIPT_END_FILE = "</script> end.html"  # a folder "<" holding "script> end.html"


def modern_page(name, maker, file, settings=None, buttons=None):
    """A page as Modern HTML5 Output makes it."""
    return Page(name, maker + "-modern", file, settings, buttons)


class WebPage(Page):
    """A slideshow published with its images optimised for the web."""

    def __init__(self, name, file, settings, long_edge):
        super().__init__(name, "slideshow-publish-web-modern", file, settings)
        self.long_edge = long_edge

    def request(self, site):
        return dict(super().request(site), longEdge=self.long_edge)


def css_family(value):
    """The first family of a computed font-family, unquoted."""
    match = re.match(r'\s*"((?:[^"\\]|\\.)*)"|\s*([^,]+)', value)
    if not match:
        return value
    if match.group(1) is not None:
        return re.sub(r"\\(.)", r"\1", match.group(1))
    return match.group(2).strip()


def contrast(first, second):
    """The WCAG contrast ratio of two "#RRGGBB" colours."""
    def luminance(colour):
        channels = [int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5)]
        linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]
    lighter, darker = sorted((luminance(first), luminance(second)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


class ModernSuite(browser_suite.Suite):
    def __init__(self, writer, root):
        super().__init__(writer, root)
        self.results = harness.Results({})
        self.early_requests = []
        self.axe = None
        self.warned = {}

    def make_fixtures(self):
        super().make_fixtures()
        os.makedirs(self.path("<"))
        os.makedirs(self.path("pub-empty"))
        for name, title in ((QUOTED_FILE, "Quoted"), (MARKUP_FILE, "Markup"),
                            (SCRIPT_END_FILE, "Script end")):
            self.write(name, harness.target_page(title))
        for name, width in (("say \"cheese\" <1>.png", 29), ("<2 😀.png", 31)):
            self.write(name, harness.png_bytes(width, 12, (40, 200, width)))
            self.widths[name] = width
        os.makedirs(self.path("web/site"))
        for name, width, height in (("beach", 400, 300), ("forest", 300, 400),
                                    ("lake", 300, 200), ("tiny", 60, 40)):
            self.write("web/%s.png" % name, harness.png_bytes(width, height, (width % 256, 120, 90)))

    def finish(self, name, expected_errors=()):
        # Nothing is excused: any error fails the page.
        super().finish(name, [])
        if self.early_requests:
            self.results.record(name, "no request outside file: and 127.0.0.1", FAIL,
                                "; ".join(self.early_requests))
            self.early_requests = []

    def requested(self):
        """Every address the page asked for so far; those the suite forbids
        are kept for finish()."""
        addresses = []
        for entry in self.browser.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                addresses.append(message["params"]["request"]["url"])
        self.early_requests += [address for address in addresses if not re.match(
            r"(file|data|blob|about):|http://127\.0\.0\.1[:/]", address)]
        return addresses

    def standards_mode(self, page, axe=True):
        mode = self.browser.js("return document.compatMode")
        self.results.check(page.name, "standards mode", mode == "CSS1Compat", mode)
        if axe:
            self.check_axe(page.name)

    def check_axe(self, name, state=""):
        found = self.axe.violations(self.browser.driver)
        pair = self.warned.get(name)
        if pair:
            # Colours the user chose below 4.5:1, which the program warns
            # about on the tab; the page still uses them, as asked.
            self.results.check(name, "colours below 4.5:1, as the program warns",
                               contrast(*pair) < 4.5, "%.2f:1" % contrast(*pair))
            found = [text for text in found if not text.startswith("color-contrast:")]
        self.results.check(name, "axe-core: no violations" + state, not found,
                           "; ".join(found)[:400])

    def check_markup(self, pages):
        """The Nu Html Checker over every full page at once."""
        full = [page for page in pages if page.maker != "dropdown-modern" or
                page.settings.get("fullPage")]
        files = [self.path(page.file) for page in full]
        found = standards.nu_messages(files)
        for page, file in zip(full, files):
            own = [text for path, text in found if path == file]
            self.results.check(page.name, "Nu Html Checker: no error or warning", not own,
                               "; ".join(own)[:400])
        stray = [path + " " + text for path, text in found if path not in files]
        self.results.check("suite", "Nu Html Checker reported only on the pages", not stray,
                           "; ".join(stray)[:400])

    # ------------------------------------------------------------ dropdown

    def dropdown_pages(self):
        self.warned["dropdown: styled"] = ("#FFCC00", "#336699")
        worked = WORKED_MENU
        edge = [["Fish & Chips", "été & co.html"], ["Été à la mer 😀", "page with space.html"],
                ["100% #1", "100% sure.html"], ["a < b", "target1.html#part"],
                ["</script> end", SCRIPT_END_FILE], [EDGE, QUOTED_FILE],
                ["<b>bold</b> 😀", MARKUP_FILE], ["  spaced   name ", "target3.html"]]
        return [
            modern_page("dropdown: worked example", "dropdown", "mod-menu.html",
                       {"entries": worked, "fullPage": True}),
            modern_page("dropdown: styled", "dropdown", "mod-styled.html", STYLED_MENU),
            modern_page("dropdown: empty menu", "dropdown", "mod-empty.html",
                       {"entries": [], "fullPage": True}),
            modern_page("dropdown: 200 entries", "dropdown", "mod-many.html",
                       {"entries": MANY_ENTRIES, "fullPage": True}),
            modern_page("dropdown: every special character", "dropdown", "mod-edge menu.html",
                       {"entries": edge, "fullPage": True, "goText": EDGE, "font": EDGE,
                        "size": EDGE, "border": EDGE, "borderWidth": EDGE}),
            modern_page("dropdown: fragment", "dropdown", "mod-fragment.html",
                       {"entries": worked}),
        ]

    def check_dropdown(self, page, url):
        r, b = self.results, self.browser
        settings = page.settings
        entries = settings["entries"]
        self.visit(url)
        self.standards_mode(page)
        options = b.js("return Array.from(document.querySelector('select').options)"
                       ".map(o => [o.text, new URL(o.value, document.baseURI).href]);")
        r.check(page.name, "option count", len(options) == len(entries),
                "%d options" % len(options))
        wrong = [(entry, option) for entry, option in zip(entries, options)
                 if option[0] != shown(entry[0]) or not self.same_address(option[1], entry[1])]
        r.check(page.name, "option texts and addresses as typed", not wrong, str(wrong[:2]))
        label = b.js("const s = document.querySelector('select');"
                     "return s.labels.length ? s.labels[0].firstChild.textContent : null;")
        r.check(page.name, "the menu is labelled", label == "Menu", repr(label))
        go = b.js("return document.querySelector('form button').textContent")
        r.check(page.name, "Go button text as typed", go == settings.get("goText", "Go!"),
                repr(go))
        self.check_dropdown_style(page)
        if not entries:
            b.js("document.querySelector('form button').click();")
            time.sleep(0.3)
            r.check(page.name, "Go on the empty menu stays on the page",
                    self.same_file(b.driver.current_url, page.file), b.driver.current_url)
        chosen = range(len(entries)) if len(entries) <= 8 else [0, len(entries) - 1]
        for index in chosen:
            self.navigate(page, url, "select", "form button", index, entries[index][1])
        if page.name.endswith("worked example"):
            self.navigate_by_keyboard(page, url, entries[1][1])
        self.finish(page.name)

    def navigate(self, page, url, menu, button, index, target, name=None, which=0):
        from selenium.webdriver.common.by import By
        from selenium.webdriver.support.ui import Select
        b = self.browser
        if not self.same_file(b.driver.current_url, page.file):
            b.load(url)
        Select(b.driver.find_elements(By.CSS_SELECTOR, menu)[which]).select_by_index(index)
        b.driver.find_elements(By.CSS_SELECTOR, button)[which].click()
        arrived = wait_for(lambda: not self.same_file(b.driver.current_url, page.file) and
                           b.js("return document.readyState") == "complete", 5)
        ok = arrived and self.same_address(b.driver.current_url, target)
        self.results.check(page.name, name or "choose %d and Go" % (index + 1), ok,
                           "%s -> %s" % (target, b.driver.current_url))

    def navigate_by_keyboard(self, page, url, target):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        b = self.browser
        b.load(url)
        b.js("document.querySelector('select').focus();")
        ActionChains(b.driver).send_keys(Keys.ARROW_DOWN).send_keys(Keys.TAB) \
            .send_keys(Keys.ENTER).perform()
        arrived = wait_for(lambda: not self.same_file(b.driver.current_url, page.file) and
                           b.js("return document.readyState") == "complete", 5)
        self.results.check(page.name, "keyboard: arrow, Tab, Enter goes",
                           arrived and self.same_address(b.driver.current_url, target),
                           b.driver.current_url)

    def check_dropdown_style(self, page):
        s = page.settings
        style = self.browser.js(
            "const css = e => getComputedStyle(e);"
            "const s = css(document.querySelector('select')),"
            " g = css(document.querySelector('form button'));"
            "return {bg: s.backgroundColor, color: s.color, family: s.fontFamily,"
            " size: s.fontSize, weight: s.fontWeight, style: s.fontStyle,"
            " decoration: s.textDecorationLine, goBg: g.backgroundColor, goColor: g.color,"
            " goFamily: g.fontFamily, goSize: g.fontSize, border: g.borderTopStyle,"
            " borderWidth: g.borderTopWidth};")
        background, item = s.get("background", "#FFFFFF"), s.get("itemColour", "#000000")
        button = (item, background) if s.get("invertButton") else (background, item)
        expected = {"bg": rgb(background), "color": rgb(item),
                    "family": s.get("font", "Times New Roman"),
                    "weight": "700" if s.get("bold") else "400",
                    "style": "italic" if s.get("italic") else "normal",
                    "decoration": "underline" if s.get("underline") else "none",
                    "goBg": rgb(button[0]), "goColor": rgb(button[1]),
                    "goFamily": s.get("font", "Times New Roman")}
        size = s.get("size", "10")
        if size.isdigit():  # a bare number is a size in pixels
            expected.update(size=size + "px", goSize=size + "px")
        if s.get("border", "Solid").isalpha():
            expected["border"] = s.get("border", "Solid").lower()
        if s.get("borderWidth", "1").isdigit():
            expected["borderWidth"] = s.get("borderWidth", "1") + "px"
        style["family"] = css_family(style["family"])
        style["goFamily"] = css_family(style["goFamily"])
        wrong = {key: style[key] for key in expected if style[key] != expected[key]}
        self.results.check(page.name, "computed styles", not wrong,
                           repr(wrong) if wrong else "%d properties" % len(expected))

    def check_two_menus(self, fragment):
        """Two copies of one fragment pasted into a standards-mode page."""
        with open(self.path(fragment.file), "rb") as file:
            part = file.read().decode("utf-8-sig")
        name = "dropdown: two fragments in one page"
        self.write("mod-two menus.html", (
            "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<title>Two menus</title>\n</head>\n<body>\n%s<p>and</p>\n%s</body>\n</html>\n"
            % (part, part)).encode("utf-8"))
        page = Page(name, "dropdown", "mod-two menus.html")
        url = self.file_url(page.file)
        self.visit(url)
        # A page the suite composed, not one the program writes.
        self.standards_mode(page, axe=False)
        entries = fragment.settings["entries"]
        self.navigate(page, url, "select", "form button", 2, entries[2][1], "first menu goes")
        self.navigate(page, url, "select", "form button", 1, entries[1][1], "second menu goes",
                      which=-1)
        self.finish(name)

    # --------------------------------------------------------------- popup

    def popup_pages(self):
        def popup(name, file, event, medium=0, **settings):
            return modern_page("popup: " + name, "popup", file,
                               self.popup_settings(event, medium, **settings))
        return [
            popup("onClick, text link, closes after 1 s", "mp-click.html", "onClick",
                  statusText="Hello visitor", closeAfterTime=True, closeSeconds="1"),
            popup("onClick, image link, 400x300 at 60,80", "mp-click-image.html", "onClick", 1,
                  width="400", height="300", left="60", top="80"),
            popup("onClick, window blocked, closes after 1 s", "mp-blocked.html", "onClick",
                  closeAfterTime=True, closeSeconds="1"),
            popup("onMouseOver, text link", "mp-over.html", "onMouseOver", statusText="Over"),
            popup("onMouseOver, image link", "mp-over-image.html", "onMouseOver", 1,
                  url="100% sure.html#part"),
            popup("onMouseOut, text link", "mp-out.html", "onMouseOut"),
            popup("onMouseOut, image link, closes after 1 s", "mp-out-image.html", "onMouseOut",
                  1, closeAfterTime=True, closeSeconds="1",
                  imagePath="my pictures/été & co.png"),
            popup("onLoad, 500x200, status text", "mp-load.html", "onLoad", 2, width="500",
                  height="200", statusText="Welcome & <enjoy> 😀"),
            popup("onLoad, closes after 1 s", "mp-load-close.html", "onLoad", 2,
                  closeAfterTime=True, closeSeconds="1"),
            popup("after 1 s", "mp-after.html", "after", 2, delaySeconds="1"),
            popup("leaving the page", "mp-leave.html", "onUnload", 2),
            popup("fullscreen click", "mp-full.html", "onClick", fullScreen=True),
            popup("fullscreen onLoad", "mp-full-load.html", "onLoad", 2, fullScreen=True),
            popup("every bar", "mp-bars.html", "onClick", **EVERY_BAR),
            popup("every special character", "mp-edge.html", "onClick", url=QUOTED_FILE,
                  statusText=EDGE, imagePath="say \"cheese\" <1>.png", medium=1),
            popup("</script> in URL and status, overlay", "mp-script.html", "onMouseOver",
                  url=SCRIPT_END_FILE, statusText="</script>"),
        ]

    def launch(self, page, name):
        """Checks the link and that nothing opens before the action, then
        performs it; returns when it happened."""
        from selenium.webdriver.common.by import By
        b, r = self.browser, self.results
        s = page.settings
        event = s["event"]
        if event in (0, 2, 3):
            link = b.driver.find_element(By.TAG_NAME, "a")
            status = s.get("statusText", "")
            title = b.js("return document.querySelector('a').getAttribute('title')")
            r.check(name, "status message is the link's tool tip", title == (status or None),
                    repr(title))
            if status:
                description = self.link_description()
                r.check(name, "and its accessible description", description == status,
                        repr(description))
            if s["medium"] == 0:
                r.check(name, "link text", link.text == "Click Here", repr(link.text))
            else:
                width = self.loaded_width("document.querySelector('a img')")
                image = s["imagePath"]
                r.check(name, "link image and alt", width == self.widths[os.path.basename(image)]
                        and b.js("return document.querySelector('a img').alt") == "Image",
                        "width %s" % width)
        else:
            r.check(name, "no link", not b.js("return document.links.length"))
        if event != 1:
            time.sleep(0.3)
            r.check(name, "nothing opens before the action",
                    not b.popups() and not self.overlay_open())
        if page.file == "mp-blocked.html":
            b.js("window.open = () => null;")  # as a blocker that refuses clicks too
        if event == 0:
            link.click()
        elif event == 3:
            b.hover(link)
        elif event == 2:
            b.hover(link)
            time.sleep(0.3)
            r.check(name, "pointer over the link opens nothing",
                    not b.popups() and not self.overlay_open())
            b.park_pointer()
        elif event == 5:
            time.sleep(float(s["delaySeconds"]) * 0.5)
        elif event == 4:
            # The pointer leaves the page through its top edge.
            b.js("document.documentElement.dispatchEvent(new MouseEvent('mouseout',"
                 " {bubbles: true, clientY: -1, relatedTarget: null}));")
        return time.monotonic()

    def link_description(self):
        tree = self.browser.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})
        for node in tree["nodes"]:
            if node.get("role", {}).get("value") == "link":
                return node.get("description", {}).get("value")
        return None

    def overlay_open(self):
        return self.browser.js("const d = document.querySelector('dialog');"
                               "return !!d && d.open;")

    def check_popup(self, page, url):
        r, b = self.results, self.browser
        s = page.settings
        self.visit(url)
        # The checker's time would count against the page's own timers.
        self.standards_mode(page, axe=False)
        acted = self.launch(page, page.name)
        if s["event"] == 0 and page.file != "mp-blocked.html":
            self.check_window(page, acted)
        else:
            self.check_overlay(page, acted)
        self.check_axe(page.name)
        self.finish(page.name)

    def check_window(self, page, acted):
        r, b = self.results, self.browser
        s = page.settings
        opened = wait_for(b.popups, 3)
        r.check(page.name, "a click opens the window with the blocker on", opened)
        if not opened:
            return
        r.check(page.name, "no overlay", not self.overlay_open())
        popup = opened[0]
        seen = wait_for(lambda: b.in_window(popup, "return document.readyState == 'complete' && "
                                            "[location.href, document.title, innerWidth, "
                                            "innerHeight, outerWidth, outerHeight, screenX, "
                                            "screenY, toolbar.visible, screen.availWidth, "
                                            "screen.availHeight]"), 5)
        if not seen:
            r.check(page.name, "window shows the URL", False, "closed before it loaded")
            return
        href, title, inner_w, inner_h, outer_w, outer_h, x, y, toolbar, avail_w, avail_h = seen
        r.check(page.name, "window shows the URL",
                self.same_address(href, s["url"]) and title != "", "%s %r" % (href, title))
        detail = "inner %dx%d, outer %dx%d at %d,%d" % (inner_w, inner_h, outer_w, outer_h, x, y)
        if s.get("fullScreen"):
            r.check(page.name, "the largest window the screen allows",
                    (outer_w, outer_h, x, y) == (avail_w, avail_h, 0, 0), detail)
        elif s.get("toolbar") or s.get("location"):
            r.check(page.name, "an ordinary window with its bars, as asked", toolbar, detail)
        else:
            width, height = int(s.get("width", "320")), int(s.get("height", "240"))
            left, top = int(s.get("left", "25")), int(s.get("top", "25"))
            r.check(page.name, "size and position", inner_w == width and
                    inner_h <= height <= outer_h and (x, y) == (left, top), detail)
        if s.get("closeAfterTime"):
            seconds = float(s["closeSeconds"])
            gone = wait_for(lambda: popup not in b.popups(), seconds + 2)
            r.check(page.name, "closes after the close time",
                    gone and time.monotonic() - acted >= seconds * 0.6,
                    "after %.1f s" % (time.monotonic() - acted))
        else:
            time.sleep(max(0.0, 1.2 - (time.monotonic() - acted)))
            r.check(page.name, "stays open without a close time", popup in b.popups())

    def check_overlay(self, page, acted):
        r, b = self.results, self.browser
        s = page.settings
        timeout = float(s.get("delaySeconds", "1")) + 2 if s["event"] == 5 else 2
        shown_up = wait_for(self.overlay_open, timeout)
        r.check(page.name, "the overlay shows the page", shown_up,
                "after %.1f s" % (time.monotonic() - acted))
        r.check(page.name, "no window opened", not b.popups() and
                all(not call["opened"] for call in b.js("return window.__opens")))
        if not shown_up:
            return
        if s["event"] == 5:
            # Measured in the page, so a busy machine that takes the suite
            # past the delay before it looks cannot hide an early dialog.
            delay = float(s["delaySeconds"])
            shown = b.js("const load = performance.getEntriesByType('navigation')[0];"
                         "return window.__modalAt.map(t => (t - load.loadEventStart) / 1000);")
            r.check(page.name, "nothing before the delay",
                    shown and all(t >= delay * 0.95 for t in shown),
                    "shown %s s after the load" % shown)
        self.check_dialog(page)
        frame = b.js("const f = document.querySelector('dialog iframe'),"
                     " r = f.getBoundingClientRect();"
                     "return [f.src, r.width, r.height, innerWidth, innerHeight,"
                     " parseFloat(getComputedStyle(f).fontSize)];")
        src, width, height, view_w, view_h, em = frame
        title = self.frame_title()
        r.check(page.name, "the frame holds the URL",
                self.same_address(src, s["url"]) and title not in (None, ""),
                "%s %r" % (src, title))
        if s.get("fullScreen"):
            expected = (view_w - 4 * em, view_h - 6 * em)
        else:
            expected = (int(s.get("width", "320")), int(s.get("height", "240")))
        r.check(page.name, "the frame has the requested size",
                abs(width - expected[0]) < 1 and abs(height - expected[1]) < 1,
                "%dx%d" % (width, height))
        if s.get("closeAfterTime"):
            seconds = float(s["closeSeconds"])
            gone = wait_for(lambda: not self.overlay_open(), seconds + 2)
            r.check(page.name, "the close timer closes it",
                    gone and time.monotonic() - acted >= seconds * 0.6,
                    "after %.1f s" % (time.monotonic() - acted))
            return
        time.sleep(max(0.0, 1.2 - (time.monotonic() - acted)))
        r.check(page.name, "stays without a close time", self.overlay_open())
        self.check_axe(page.name, " with the dialog open")
        from selenium.webdriver.common.by import By
        b.driver.find_element(By.CSS_SELECTOR, "dialog button").click()
        time.sleep(0.3)
        r.check(page.name, "its close button closes it", not self.overlay_open())
        if s["event"] == 4:
            b.js("document.documentElement.dispatchEvent(new MouseEvent('mouseout',"
                 " {bubbles: true, clientY: -1, relatedTarget: null}));")
            r.check(page.name, "leaving again shows it no more", not self.overlay_open())

    def check_dialog(self, page):
        """The overlay as a modal dialog: named, focus inside, and a link-less
        launch's status message shown and describing it."""
        r, b = self.results, self.browser
        state = b.js("const d = document.querySelector('dialog');"
                     "return [d.matches(':modal'), d.contains(document.activeElement),"
                     " d.getAttribute('aria-label')];")
        r.check(page.name, "a named modal dialog with focus inside", state == [True, True,
                                                                             "Popup window"],
                str(state))
        status = page.settings.get("statusText")
        if status and page.settings["event"] not in (0, 2, 3):
            shown = b.js("const d = document.querySelector('dialog'),"
                         " p = d.querySelector('#' + d.getAttribute('aria-describedby'));"
                         "return p && p.getBoundingClientRect().height > 0 && p.textContent;")
            r.check(page.name, "the status message shows in the dialog and describes it",
                    shown == status, repr(shown))

    def frame_title(self):
        from selenium.webdriver.common.by import By
        b = self.browser

        def title():
            try:
                b.driver.switch_to.frame(b.driver.find_element(By.CSS_SELECTOR, "dialog iframe"))
                return b.js("return document.readyState == 'complete' && document.title")
            except Exception:
                return None
            finally:
                b.driver.switch_to.default_content()
        return wait_for(title, 3)

    # ----------------------------------------------------------- mouseover

    def mouseover_pages(self):
        first, second, border = FIRST_BUTTON, SECOND_BUTTON, BUTTON_BORDER
        edge = {"initialImage": "say \"cheese\" <1>.png", "mouseOverImage": "<2 😀.png",
                "statusText": EDGE, "alternateText": EDGE, "url": QUOTED_FILE}
        return [
            modern_page("mouseover: horizontal, preloaded", "mouseover", "mm-row.html",
                       buttons=[first, second]),
            modern_page("mouseover: vertical, border, one preloaded", "mouseover",
                       "mm-column.html",
                       buttons=[dict(first, preloadImages=False, **border),
                                dict(second, **border)]),
            modern_page("mouseover: every special character", "mouseover", "mm-edge.html",
                       buttons=[edge, {"initialImage": "my pictures/été & co.png",
                                       "mouseOverImage": "it's.png", "statusText": "</script>",
                                       "alternateText": "Fish & chips < 😀",
                                       "url": "été & co.html"},
                                {"initialImage": "a#b.png", "mouseOverImage": "50% off.png",
                                 "statusText": "", "alternateText": "", "url": MARKUP_FILE}]),
        ]

    def check_mouseover(self, page, url):
        r, b = self.results, self.browser
        buttons = page.buttons
        self.visit(url)
        self.standards_mode(page)
        wait_for(lambda: b.js("return Array.from(document.images).every(i => i.complete)"), 2)
        fetched = self.requested()
        links = b.js("return Array.from(document.links).map(a => {"
                     " const i = a.querySelector('img'), c = getComputedStyle(i),"
                     " tip = a.getAttribute('aria-describedby');"
                     " return {href: a.href, title: tip && document.getElementById(tip)"
                     ".textContent, alt: i.alt,"
                     " border: [c.borderTopColor, c.borderTopStyle, c.borderTopWidth],"
                     " box: [i.getBoundingClientRect().left, i.getBoundingClientRect().top]};"
                     "});")
        r.check(page.name, "one link per button", len(links) == len(buttons), str(len(links)))
        for number, (button, link) in enumerate(zip(buttons, links), start=1):
            label = "button %d" % number
            image = "document.images[%d]" % (number - 1)
            init = os.path.basename(button["initialImage"])
            width = self.loaded_width(image)
            r.check(page.name, label + " image", width == self.widths.get(init),
                    "%s: width %s" % (init, width))
            r.check(page.name, label + " alt, described by its status message, and link",
                    link["alt"] == button["alternateText"] and
                    link["title"] == (button["statusText"] or None) and
                    self.same_address(link["href"], button["url"]),
                    "%r %r %s" % (link["alt"], link["title"], link["href"]))
            if button.get("imageBorder"):
                border = [rgb(button["borderColour"]), button["borderType"].lower(),
                          button["borderSize"] + "px"]
            else:
                border = [link["border"][0], "none", "0px"]
            r.check(page.name, label + " border", link["border"] == border, str(link["border"]))
            if button.get("preloadImages", True):
                over = self.file_url(button["mouseOverImage"])
                r.check(page.name, label + " over image preloaded",
                        any(self.same_file(name, button["mouseOverImage"]) for name in fetched),
                        over)
            self.check_hover(page, number, button, image)
        self.check_focus(page, url, buttons)
        if len(links) > 1:
            (x1, y1), (x2, y2) = links[0]["box"], links[1]["box"]
            vertical = buttons[0].get("vertical", False)
            r.check(page.name, "vertical layout" if vertical else "horizontal layout",
                    (y2 > y1 and x2 == x1) if vertical else (y2 == y1 and x2 > x1),
                    "second image at %d,%d after %d,%d" % (x2, y2, x1, y1))
        self.finish(page.name)

    def showing(self, image, path):
        """Whether the image shows the file at path, loaded."""
        width = self.widths.get(os.path.basename(path))
        return wait_for(lambda: self.same_file(self.browser.js("return %s.src" % image), path),
                        1) and self.loaded_width(image) == width

    def check_hover(self, page, number, button, image):
        r, b = self.results, self.browser
        label = "button %d" % number
        b.hover(b.js("return %s" % image))
        r.check(page.name, label + " hover shows the over image",
                self.showing(image, button["mouseOverImage"]), button["mouseOverImage"])
        b.park_pointer()
        r.check(page.name, label + " leaving restores it",
                self.showing(image, button["initialImage"]))

    def check_focus(self, page, url, buttons):
        """Tab from the top of the page through the buttons' links."""
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        r, b = self.results, self.browser
        b.load(url)
        for number, button in enumerate(buttons, start=1):
            image = "document.images[%d]" % (number - 1)
            ActionChains(b.driver).send_keys(Keys.TAB).perform()
            focused = wait_for(lambda: b.js("return document.activeElement === "
                                            "document.links[%d]" % (number - 1)), 1)
            r.check(page.name, "button %d keyboard focus shows the over image" % number,
                    focused and self.showing(image, button["mouseOverImage"]))
        ActionChains(b.driver).send_keys(Keys.TAB).perform()
        restored = [self.showing("document.images[%d]" % n, button["initialImage"])
                    for n, button in enumerate(buttons)]
        r.check(page.name, "leaving focus restores every image", all(restored), str(restored))

    # ----------------------------------------------------------- slideshow

    def slideshow_pages(self):
        # Readable colours: the program's white on white gets its low
        # contrast warning on the tab.
        full = dict(self.slideshow_settings(), headingBold=True, headingItalic=True,
                    headingColor="#000000", buttonTextColor="#000000",
                    buttonBackgroundColor="#EEEEEE", listItemColor="#000000")
        published = dict(full, images=self.published_images() + [self.path("a#b.png"),
                                                                 self.path("<2 😀.png")],
                         initialImage=self.path("say \"cheese\" <1>.png"),
                         sound=self.path("my pictures/song.mid"),
                         pageTitle="Été 😀", headingText="Été à la mer & co 😀")
        edge = dict(full, rightClickMessage=EDGE, headingText=EDGE, pageTitle=EDGE,
                    backgroundImage=self.path("my pictures/été & co.png"),
                    images=[self.path("a#b.png"), self.path("50% off.png"),
                            self.path("<2 😀.png")])
        return [modern_page("slideshow: every option", "slideshow", "ms-show.html", full),
                modern_page("slideshow: published, no pictures", "slideshow-publish",
                            "pub-empty/empty show.html", {"pageTitle": "Nothing yet"}),
                modern_page("slideshow: published", "slideshow-publish",
                           "pub/mod été show.html", published),
                modern_page("slideshow: every special character", "slideshow",
                           "ms-edge.html", edge)]

    def check_empty_slideshow(self, page, url):
        r, b = self.results, self.browser
        self.visit(url)
        self.standards_mode(page)
        state = b.js("return [document.querySelectorAll('img, button, select').length,"
                     " document.querySelector('main p').textContent];")
        r.check(page.name, "says it has no pictures, no broken image or idle controls",
                state == [0, "This slideshow has no pictures yet."], str(state))
        self.finish(page.name)

    def check_slideshow(self, page, url, http=False, timing=None):
        r, b = self.results, self.browser
        s = page.settings
        if not s.get("images"):
            return self.check_empty_slideshow(page, url)
        self.visit(url)
        self.standards_mode(page)
        published = page.maker.startswith("slideshow-publish")

        def relative(path):
            return (os.path.join(os.path.dirname(page.file), os.path.basename(path))
                    if published else path)

        title = b.js("return document.title")
        r.check(page.name, "title", title == s["pageTitle"], repr(title))
        heading = b.js("return document.querySelector('td').textContent.trim()")
        r.check(page.name, "heading as typed", heading == s["headingText"], repr(heading))
        body = b.js("const c = getComputedStyle(document.body);"
                    "return [c.backgroundColor, c.backgroundImage];")
        background = re.search(r'url\("(.*)"\)', body[1])
        r.check(page.name, "background colour and image",
                body[0] == rgb(s["pageBackgroundColor"]) and background is not None and
                self.same_file(background.group(1), relative(s["backgroundImage"])), str(body))
        self.check_sound(page, relative(s["sound"]))
        entries = b.js("return Array.from(document.querySelector('select').options)"
                       ".map(o => [o.text, new URL(o.value, document.baseURI).href]);")
        files = [s["initialImage"]] + s["images"]
        labels = ["Start"] + ["Image %d" % n for n in range(1, len(s["images"]) + 1)]
        r.check(page.name, "list entries",
                [e[0] for e in entries] == labels and len(entries) == len(files) and
                all(self.same_file(e[1], relative(f)) for e, f in zip(entries, files)),
                "%d entries" % len(entries))
        widths = [self.widths[os.path.basename(f)] for f in files]
        self.check_stepping(page, widths)
        self.check_keys(page, widths)
        self.check_carousel(page, len(files))
        if timing if timing is not None else not published and not http:
            self.check_rotation(page)
            self.check_pausing(page)
            self.check_reduced_motion(page, url)
            self.check_right_click(page, s["rightClickMessage"])
        table = b.js("const t = document.querySelector('table').getBoundingClientRect();"
                     "return [t.left, document.documentElement.clientWidth - t.right];")
        r.check(page.name, "console centred", abs(table[0] - table[1]) <= 1, str(table))
        self.finish(page.name)

    def web_images_page(self):
        return WebPage("slideshow: images for the web", "web/site/show.html",
                       {"initialImage": self.path("web/beach.png"), "transitionTime": "1",
                        "images": [self.path("web/%s.png" % name)
                                   for name in ("forest", "lake", "tiny")],
                        "pageTitle": "Holiday", "headingColor": "#000000",
                        "buttonTextColor": "#000000", "buttonBackgroundColor": "#EEEEEE",
                        "listItemColor": "#000000"}, 100)

    def check_web_images(self, page):
        from selenium.webdriver.common.by import By
        r, b = self.results, self.browser
        self.visit(self.file_url(page.file))
        self.standards_mode(page)
        fetched = []

        def fetched_names():
            fetched.extend(os.path.basename(urllib.parse.unquote(address))
                           for address in self.requested())
            return fetched
        images = "Array.from(document.querySelectorAll('[data-slideshow=picture] img'))"

        def slides():
            """Per slide: the file loaded, its natural and stated sizes, the box
            it takes."""
            return b.js("return %s.map(i => { const box = i.getBoundingClientRect();"
                        " return [i.complete ? i.currentSrc.split('/').pop() : '',"
                        " [i.naturalWidth, i.naturalHeight],"
                        " [+i.getAttribute('width'), +i.getAttribute('height')],"
                        " [box.width, box.height]]; });" % images)
        first = wait_for(lambda: slides()[0][0] and slides(), 3) or slides()
        r.check(page.name, "the first slide: the WebP, loaded at once at its stated size",
                first[0][0] == "beach-100.webp" and first[0][1] == first[0][2] == first[0][3],
                str(first[0]))
        ahead = wait_for(lambda: "forest-100.webp" in fetched_names(), 3)
        r.check(page.name, "the next slide is fetched ahead, the others wait",
                ahead and not any(name.startswith(("lake", "tiny")) or name.endswith(".jpg")
                                  for name in fetched), str(fetched))
        wrong = []
        for shown, name in ((1, "forest-100.webp"), (2, "lake-100.webp"), (3, "tiny.png"),
                            (0, "beach-100.webp")):
            b.driver.find_element(By.CSS_SELECTOR, "button[data-slideshow=next]").click()
            state = wait_for(lambda: (lambda all: all[shown][0] == name and all)(slides()), 3)
            visible = [index for index, slide in enumerate(state or slides()) if slide[3][0] > 0]
            if not state or visible != [shown] or not \
                    state[shown][1] == state[shown][2] == state[shown][3]:
                wrong.append((shown, state and state[shown], visible))
        r.check(page.name, "each step shows one slide at its stated size (no shift)", not wrong,
                str(wrong))
        following = wait_for(lambda: {"lake-100.webp", "tiny.png"} <= set(fetched_names()), 3)
        r.check(page.name, "stepping fetches the slide after, never a fallback JPEG",
                following and not any(name.endswith(".jpg") for name in fetched), str(fetched))
        self.finish(page.name)

    def carousel_state(self):
        return self.browser.js(
            "const root = document.querySelector('[data-slideshow]');"
            "const focusable = root.querySelectorAll('button, select, a[href]:not([hidden]),"
            " audio[controls], [tabindex]');"
            "return {role: root.getAttribute('role'),"
            " kind: root.getAttribute('aria-roledescription'), name: root.getAttribute('aria-label'),"
            " slide: root.querySelector('[data-slideshow=slide]').getAttribute('aria-label'),"
            " live: root.querySelector('[data-slideshow=slides]').getAttribute('aria-live'),"
            " first: focusable[0].getAttribute('data-slideshow'),"
            " toggle: root.querySelector('[data-slideshow=toggle]').textContent};")

    def check_carousel(self, page, count):
        """Semantics: a labelled carousel region, the slide "n of N", Start/Stop
        first in the tab order and a polite live region while stopped."""
        from selenium.webdriver.common.by import By
        r, b = self.results, self.browser
        b.driver.find_element(By.CSS_SELECTOR, "button[data-slideshow=last]").click()
        state = self.carousel_state()
        expected = {"role": "region", "kind": "carousel", "name": "Slideshow",
                    "slide": "%d of %d" % (count, count), "live": "polite", "first": "toggle",
                    "toggle": "Start"}
        r.check(page.name, "carousel: labelled region, slide n of N, Start/Stop first, "
                "polite while stopped", state == expected, str(state))

    def check_pausing(self, page):
        """Rotation pauses under the pointer, resumes when it leaves, and
        stops for good when focus moves into the show."""
        from selenium.webdriver.common.by import By
        r, b = self.results, self.browser
        toggle = b.driver.find_element(By.CSS_SELECTOR, "button[data-slideshow=toggle]")
        toggle.click()
        r.check(page.name, "rotating: the live region is off",
                self.carousel_state()["live"] == "off")
        b.hover(b.driver.find_element(By.CSS_SELECTOR, "[data-slideshow=image]"))
        _, steps = self.advances()
        time.sleep(2.3)
        r.check(page.name, "the pointer over the show pauses it", not steps(), str(steps()))
        b.park_pointer()
        r.check(page.name, "and it goes on when the pointer leaves",
                wait_for(steps, 1.6), str(steps()))
        b.js("clearInterval(window.__watch);")
        b.js("document.querySelector('[data-slideshow=next]').focus();")
        _, steps = self.advances()
        time.sleep(0.2)
        stopped = self.carousel_state()
        b.js("document.activeElement.blur();")
        time.sleep(2.2)
        r.check(page.name, "focus inside stops it, and it does not start again by itself",
                stopped["toggle"] == "Start" and stopped["live"] == "polite" and
                len(steps()) == 0, "%s, %s" % (stopped, steps()))
        b.js("clearInterval(window.__watch);")

    def check_reduced_motion(self, page, url):
        """With less motion asked for: nothing moves by itself or animates;
        Start is there and starts the show when the visitor asks."""
        from selenium.webdriver.common.by import By
        r, b = self.results, self.browser
        b.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-reduced-motion", "value": "reduce"}]})
        try:
            b.load(url)
            _, steps = self.advances()
            time.sleep(1.5)
            still = b.js("const i = document.querySelector('[data-slideshow=image]');"
                         "return [matchMedia('(prefers-reduced-motion: reduce)').matches,"
                         " document.getAnimations().length,"
                         " getComputedStyle(i).transitionDuration];")
            r.check(page.name, "reduced motion: no start by itself, nothing animated",
                    still == [True, 0, "0s"] and not steps(), "%s, %s" % (still, steps()))
            toggle = b.driver.find_element(By.CSS_SELECTOR, "button[data-slideshow=toggle]")
            visible = toggle.is_displayed() and toggle.size["width"] >= 24
            toggle.click()
            r.check(page.name, "reduced motion: a visible Start starts it anyway",
                    visible and wait_for(lambda: len(steps()) >= 2, 2.5), str(steps()))
            toggle.click()
            b.js("clearInterval(window.__watch);")
        finally:
            b.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})

    def check_sound(self, page, sound_file):
        from selenium.webdriver.common.action_chains import ActionChains
        r, b = self.results, self.browser
        audio = b.js("const a = document.querySelector('audio');"
                     "return a && [new URL(a.getAttribute('src'), document.baseURI).href,"
                     " a.loop, a.controls, a.paused];")
        r.check(page.name, "sound: a looping <audio> with its play/pause control",
                audio is not None and self.same_file(audio[0], sound_file) and
                audio[1:3] == [True, True], str(audio))
        if not audio:
            return
        visible = ("const e = document.querySelector('%s');"
                   "return !e.hidden && e.getBoundingClientRect().width > 0;")
        if sound_file.lower().endswith(".mid"):
            offered = wait_for(lambda: not b.js(visible % "audio") and
                               b.js(visible % "audio + a"), 3)
            link = b.js("return document.querySelector('audio + a').href")
            r.check(page.name, "a sound no browser plays (MIDI) is offered as a link",
                    offered and self.same_file(link, sound_file), link)
            return
        r.check(page.name, "the control shows, no link", b.js(visible % "audio") and
                not b.js(visible % "audio + a"))
        r.check(page.name, "sound waits while autoplay is blocked", audio[3])
        ActionChains(b.driver).send_keys("a").perform()
        playing = wait_for(lambda: b.js("return !document.querySelector('audio').paused"), 2)
        r.check(page.name, "sound starts on the first interaction", playing)

    def shown_entry(self):
        return self.browser.js("const i = document.querySelector('[data-slideshow=image]');"
                               "return [document.querySelector('select').selectedIndex,"
                               " i.complete ? i.naturalWidth : 0];")

    def check_stepping(self, page, widths):
        from selenium.webdriver.common.by import By
        from selenium.webdriver.support.ui import Select
        r, b = self.results, self.browser
        last = len(widths) - 1
        r.check(page.name, "initial image",
                self.loaded_width("document.querySelector('[data-slideshow=image]')") ==
                widths[0])

        def press(step, expected):
            b.driver.find_element(By.CSS_SELECTOR, "button[data-slideshow=%s]" % step).click()
            return wait_for(lambda: self.shown_entry() == [expected, widths[expected]], 2)
        steps = [("next", 1), ("last", last), ("next", 0), ("previous", last),
                 ("previous", last - 1), ("first", 0)]
        wrong = [(step, expected, self.shown_entry()) for step, expected in steps
                 if not press(step, expected)]
        r.check(page.name, "buttons step and wrap around", not wrong, str(wrong))
        Select(b.driver.find_element(By.CSS_SELECTOR, "select")).select_by_index(2)
        r.check(page.name, "choosing in the list shows the image",
                wait_for(lambda: self.shown_entry() == [2, widths[2]], 2),
                str(self.shown_entry()))

    def check_keys(self, page, widths):
        from selenium.webdriver.common.action_chains import ActionChains
        from selenium.webdriver.common.keys import Keys
        r, b = self.results, self.browser
        b.js("document.querySelector('[data-slideshow=toggle]').focus();")
        last = len(widths) - 1
        wrong = []
        for key, expected in ((Keys.HOME, 0), (Keys.ARROW_RIGHT, 1), (Keys.ARROW_RIGHT, 2),
                              (Keys.ARROW_LEFT, 1), (Keys.END, last), (Keys.ARROW_RIGHT, 0)):
            ActionChains(b.driver).send_keys(key).perform()
            if not wait_for(lambda: self.shown_entry() == [expected, widths[expected]], 2):
                wrong.append((expected, self.shown_entry()))
        r.check(page.name, "arrow, Home and End keys step", not wrong, str(wrong))

    def advances(self):
        """Records the selector's changes; returns the delay in ms and a
        function giving the change times, in delays since now."""
        b = self.browser
        # Times count from the first click after now, if one comes before
        # any change, so a slow round trip to the browser does not count.
        b.js("window.__steps = []; let start = performance.now();"
             "document.addEventListener('click', () => { if (!window.__steps.length)"
             " start = performance.now(); }, {capture: true, once: true});"
             "const list = document.querySelector('select'); let last = list.selectedIndex;"
             "window.__watch = setInterval(() => { if (list.selectedIndex != last) {"
             " window.__steps.push((performance.now() - start) / 1000);"
             " last = list.selectedIndex; } }, 10);")
        return 1000, lambda: b.js("return window.__steps")

    def check_rotation(self, page):
        from selenium.webdriver.common.by import By
        r, b = self.results, self.browser
        toggle = b.driver.find_element(By.CSS_SELECTOR, "button[data-slideshow=toggle]")
        b.driver.find_element(By.CSS_SELECTOR, "button[data-slideshow=first]").click()
        delay, steps = self.advances()
        seconds = delay / 1000
        toggle.click()
        r.check(page.name, "Start shows Stop", toggle.text == "Stop", toggle.text)
        time.sleep(2.6 * seconds)
        seen = steps()
        gaps = [later - earlier for earlier, later in zip(seen, seen[1:])]
        r.check(page.name, "Start: at once, then two advances in 2.6 delays",
                len(seen) == 3 and seen[0] < 0.3 and all(0.85 < gap < 1.35 for gap in gaps),
                "advances at %s delays" % [round(t, 2) for t in seen])
        toggle.click()
        stopped = len(steps())
        r.check(page.name, "Stop shows Start", toggle.text == "Start", toggle.text)
        time.sleep(1.3 * seconds)
        r.check(page.name, "no advance after Stop", len(steps()) == stopped,
                "%d advances after Stop" % (len(steps()) - stopped))
        # Start, then Stop and Start again within one delay: one timer.
        b.js("clearInterval(window.__watch);")
        delay, steps = self.advances()
        toggle.click()
        time.sleep(0.3 * seconds)
        toggle.click()
        toggle.click()
        time.sleep(2.6 * seconds)
        seen = steps()
        toggle.click()
        b.js("clearInterval(window.__watch);")
        gaps = [later - earlier for earlier, later in zip(seen[1:], seen[2:])]
        r.check(page.name, "quick Stop and Start: one timer, the same pace",
                len(seen) == 4 and all(0.85 < gap < 1.35 for gap in gaps),
                "advances at %s delays" % [round(t, 2) for t in seen])

    def check_right_click(self, page, message):
        from selenium.webdriver.common.action_chains import ActionChains
        r, b = self.results, self.browser
        heading = b.driver.find_element("css selector", "td")
        ActionChains(b.driver).context_click(heading).perform()
        texts = []
        for _ in range(3):
            alert = wait_for(self.alert, 1)
            if not alert:
                break
            texts.append(alert.text)
            alert.accept()
        r.check(page.name, "one right click: the message, once, as typed", texts == [message],
                str(texts))
        b.js("window.__alerts = []; window.alert = m => window.__alerts.push(m);"
             "document.addEventListener('contextmenu', e => window.__menu = !e.defaultPrevented);")
        ActionChains(b.driver).context_click(heading).perform()
        wait_for(lambda: b.js("return window.__menu !== undefined"), 1)
        r.check(page.name, "the context menu is suppressed", b.js("return window.__menu") is False)
        r.check(page.name, "the handler runs once per right click",
                b.js("return window.__alerts.length") == 1)

    # ------------------------------------------------------------- running

    def run(self):
        self.make_fixtures()
        dropdowns = self.dropdown_pages()
        popups = self.popup_pages()
        mouseovers = self.mouseover_pages()
        slideshows = self.slideshow_pages()
        web_images = self.web_images_page()
        self.write_pages(dropdowns + popups + mouseovers + slideshows + [web_images])
        absent = standards.missing()
        if absent:
            raise RuntimeError(absent)
        self.check_markup(dropdowns + popups + mouseovers + slideshows + [web_images])
        self.axe = standards.Axe()
        self.guard = harness.NetworkGuard()
        self.http = harness.PlainHttpServer(self.site)
        self.browser = harness.Browser(
            os.path.join(self.root, "profile"), self.guard.port, popup_blocker=True,
            arguments=["--autoplay-policy=document-user-activation-required"])
        self.results.version = self.browser.version
        for page in dropdowns:
            if page.settings.get("fullPage"):
                self.check_dropdown(page, self.file_url(page.file))
            else:
                self.check_two_menus(page)
        for page in popups:
            self.check_popup(page, self.file_url(page.file))
        for page in mouseovers:
            self.check_mouseover(page, self.file_url(page.file))
        for page in slideshows:
            self.check_slideshow(page, self.file_url(page.file))
        published = slideshows[2]
        self.check_slideshow(Page(published.name + " (http)", published.maker, published.file,
                                  published.settings), self.http.url(published.file), http=True)
        self.check_web_images(web_images)
        slowest = sorted(self.times.items(), key=lambda item: -item[1])[:4]
        self.results.record("suite", "time in pages", harness.INFO, "%.1f s; slowest: %s" % (
            sum(self.times.values()), ", ".join("%s %.1f s" % item for item in slowest)))


def main():
    return browser_suite.run_main(ModernSuite, "modern", 300)


if __name__ == "__main__":
    sys.exit(main())
