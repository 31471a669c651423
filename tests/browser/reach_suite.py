#!/usr/bin/python3
"""The modern pages as visitors without a mouse reach them: a phone (390 x 844
CSS pixels, touch, then a 320-pixel-wide window) and the keyboard alone. Each
widget is driven to its outcome; axe-core runs at the phone's size.

Usage: reach_suite.py --writer <page_writer> [--report <file>]
Exit status as browser_suite.py."""

import os
import re
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser_suite  # noqa: E402
import harness  # noqa: E402
import modern_suite  # noqa: E402
import standards  # noqa: E402
from harness import wait_for  # noqa: E402

PHONE = {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True}
STRICT = {"Content-Security-Policy": "default-src 'self'"}
INLINE = re.compile(r"<script(?![^>]*\bsrc=)[^>]*>|<style|\sstyle=|\son[a-z]+=", re.I)


class SeparatePage(browser_suite.Page):
    """A page saved with "Separate CSS and JavaScript files"."""

    def request(self, site):
        return dict(super().request(site), files="separate")


class ReachSuite(modern_suite.ModernSuite):

    # ------------------------------------------------------------- phone

    def phone(self, width=390):
        self.browser.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                            dict(PHONE, width=width))
        self.browser.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                            {"enabled": True, "maxTouchPoints": 5})

    def tap(self, selector):
        """A finger on the middle of the element, as the touch screen sends it."""
        box = self.browser.js("const r = document.querySelector(arguments[0])"
                              ".getBoundingClientRect();"
                              "return [r.left + r.width / 2, r.top + r.height / 2];", selector)
        for kind, points in (("touchStart", [{"x": box[0], "y": box[1]}]), ("touchEnd", [])):
            self.browser.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                                {"type": kind, "touchPoints": points})

    def check_fit(self, page):
        """At 320 CSS pixels: no sideways scrolling, images within the
        window, every control at least 24 x 24 or with room around it."""
        r, b = self.results, self.browser
        self.phone(320)
        fit = b.js("const e = document.documentElement;"
                   "const wide = Array.from(document.images).filter(i => i.getBoundingClientRect()"
                   ".right > e.clientWidth + 0.5).length;"
                   "return [e.scrollWidth, e.clientWidth, wide];")
        r.check(page.name, "320 px: no sideways scrolling, images fit",
                fit[0] <= fit[1] and fit[2] == 0, str(fit))
        small = b.js("return Array.from(document.querySelectorAll("
                     "'button, select, a[href], input')).filter(c => {"
                     " const r = c.getBoundingClientRect();"
                     " return r.width > 0 && (r.width < 24 || r.height < 24);"
                     "}).map(c => c.outerHTML.slice(0, 60));")
        r.check(page.name, "320 px: every control at least 24 x 24", not small, str(small))
        self.check_axe(page.name, " at 320 px")
        self.phone()

    def tap_dropdown(self, page, url):
        from selenium.webdriver.support.ui import Select
        b = self.browser
        target = page.settings["entries"][1][1]
        Select(b.driver.find_element("css selector", "select")).select_by_index(1)
        self.tap("form button")
        arrived = wait_for(lambda: not self.same_file(b.driver.current_url, page.file), 5)
        self.results.check(page.name, "phone: tapping Go goes",
                           arrived and self.same_address(b.driver.current_url, target),
                           b.driver.current_url)

    def tap_popup(self, page, url):
        b = self.browser
        self.tap("a")
        if page.settings["event"] == 0:
            self.results.check(page.name, "phone: tapping the link opens the window",
                               wait_for(b.popups, 3))
            return
        self.results.check(page.name, "phone: tapping the link shows the page in the dialog",
                           wait_for(self.overlay_open, 2))
        self.tap("dialog button")
        self.results.check(page.name, "phone: tapping Close closes it",
                           wait_for(lambda: not self.overlay_open(), 2))

    def tap_slideshow(self, page, url):
        r, b = self.results, self.browser
        self.tap("button[data-slideshow=next]")
        r.check(page.name, "phone: tapping Next steps",
                wait_for(lambda: self.shown_entry()[0] == 1, 2), str(self.shown_entry()))
        self.tap("button[data-slideshow=toggle]")
        _, steps = self.advances()
        r.check(page.name, "phone: tapping Start rotates", wait_for(lambda: steps(), 2.5) and
                self.carousel_state()["toggle"] == "Stop", str(steps()))
        self.tap("button[data-slideshow=toggle]")
        r.check(page.name, "phone: tapping Stop stops",
                self.carousel_state()["toggle"] == "Start")
        b.js("clearInterval(window.__watch);")

    def tap_mouseover(self, page, url):
        b = self.browser
        self.tap("a img")
        target = page.buttons[0]["url"]
        arrived = wait_for(lambda: not self.same_file(b.driver.current_url, page.file), 5)
        self.results.check(page.name, "phone: tapping a button follows its link",
                           arrived and self.same_address(b.driver.current_url, target),
                           b.driver.current_url)

    def phone_pass(self, pages):
        taps = {"dropdown": self.tap_dropdown, "popup": self.tap_popup,
                "slideshow": self.tap_slideshow, "mouseover": self.tap_mouseover}
        self.phone()
        try:
            for page in pages:
                name = page.name
                page.name = "phone: " + name
                url = self.file_url(page.file)
                self.visit(url)
                self.check_fit(page)
                taps[page.maker.split("-")[0]](page, url)
                self.finish(page.name)
                page.name = name
        finally:
            self.browser.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
            self.browser.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                                {"enabled": False})

    # ---------------------------------------------------------- keyboard

    def keys(self, *keys):
        from selenium.webdriver.common.action_chains import ActionChains
        chain = ActionChains(self.browser.driver)
        for key in keys:
            chain.send_keys(key)
        chain.perform()

    def focused(self):
        return self.browser.js("const e = document.activeElement;"
                               "return e.getAttribute('data-slideshow') || e.tagName;")

    def keyboard_popup(self, page, url):
        """Tab to the link, Enter: the dialog opens with focus inside, Tab
        stays in it, Escape closes it and focus goes back to the link."""
        from selenium.webdriver.common.keys import Keys
        r, b = self.results, self.browser
        self.keys(Keys.TAB, Keys.ENTER)
        opened = wait_for(self.overlay_open, 2)
        inside = []
        for _ in range(4):
            self.keys(Keys.TAB)
            inside.append(b.js("return document.querySelector('dialog')"
                               ".contains(document.activeElement)"))
        self.keys(Keys.SHIFT + Keys.TAB)
        inside.append(b.js("return document.querySelector('dialog')"
                           ".contains(document.activeElement)"))
        r.check(page.name, "keyboard: Enter opens the dialog, Tab stays inside",
                opened and all(inside), str(inside))
        # Inside the shown page, that page has the keys; Escape belongs to
        # the dialog's own controls.
        for _ in range(3):
            if self.focused() == "BUTTON":
                break
            self.keys(Keys.TAB)
        self.keys(Keys.ESCAPE)
        closed = wait_for(lambda: not self.overlay_open(), 2)
        r.check(page.name, "keyboard: Escape closes it, focus back on the link",
                closed and self.focused() == "A", self.focused())

    def keyboard_leave(self, page, url):
        """Leaving without a pointer: the page losing focus shows the
        dialog for the visitor's return."""
        b = self.browser
        b.js("window.dispatchEvent(new Event('blur'));")
        self.results.check(page.name, "keyboard: leaving the page shows the dialog",
                           wait_for(self.overlay_open, 2))

    def keyboard_mouseover(self, page, url):
        from selenium.webdriver.common.keys import Keys
        r, b = self.results, self.browser
        self.keys(Keys.TAB)
        tip = "document.querySelector('[role=tooltip]')"
        over = page.buttons[0]["mouseOverImage"]
        state = b.js("const t = %s; return [!t.hidden, getComputedStyle(document.activeElement)"
                     ".outlineStyle];" % tip)
        r.check(page.name, "keyboard: focus shows the over image, the message and a ring",
                self.showing("document.images[0]", over) and state == [True, "solid"], str(state))
        self.keys(Keys.ESCAPE)
        r.check(page.name, "keyboard: Escape dismisses the message, focus stays",
                b.js("return %s.hidden" % tip) and self.focused() == "A" and
                self.showing("document.images[0]", over))

    def keyboard_slideshow(self, page, url):
        from selenium.webdriver.common.keys import Keys
        r, b = self.results, self.browser
        self.keys(Keys.TAB)
        first = self.focused()
        self.keys(Keys.ENTER)
        _, steps = self.advances()
        started = wait_for(lambda: steps(), 1.5) and self.carousel_state()["toggle"] == "Stop"
        r.check(page.name, "keyboard: the first Tab reaches Start/Stop, Enter starts",
                first == "toggle" and started, "%s %s" % (first, steps()))
        self.keys(Keys.TAB)
        stopped = self.carousel_state()["toggle"] == "Start"
        self.keys(Keys.ENTER)
        r.check(page.name, "keyboard: Tab onward stops it, Enter on |<< shows the first",
                stopped and wait_for(lambda: self.shown_entry()[0] == 0, 2),
                str(self.shown_entry()))
        self.keys(Keys.ARROW_RIGHT, Keys.ARROW_RIGHT)
        r.check(page.name, "keyboard: arrows step",
                wait_for(lambda: self.shown_entry()[0] == 2, 2), str(self.shown_entry()))
        b.js("clearInterval(window.__watch);")

    def keyboard_pass(self, pages):
        drive = {"popup": self.keyboard_popup, "slideshow": self.keyboard_slideshow,
                 "mouseover": self.keyboard_mouseover}
        for page in pages:
            name = page.name
            page.name = "keyboard: " + name
            url = self.file_url(page.file)
            self.visit(url)
            b = self.browser
            b.js("document.activeElement.blur();")
            if page.maker.startswith("popup") and page.settings["event"] == 4:
                self.keyboard_leave(page, url)
            else:
                drive[page.maker.split("-")[0]](page, url)
            self.finish(page.name)
            page.name = name

    # ------------------------------------------------------- strict CSP

    def separate_pages(self, pages):
        """The same pages saved as separate files, beside their images."""
        chosen = {"mod-menu.html": "csp-menu.html", "mp-over.html": "csp-over.html",
                  "mp-click.html": "csp-click.html", "mm-row.html": "csp-buttons.html",
                  "pub/mod été show.html": "pub-csp/csp show.html"}
        return [SeparatePage("csp: " + page.name, page.maker, chosen[page.file], page.settings,
                             page.buttons) for page in pages if page.file in chosen]

    def strict_pass(self, pages, inline):
        """Served with default-src 'self': nothing inline left, no violation in
        the console, every behaviour as without the policy."""
        r = self.results
        server = harness.PlainHttpServer(self.site, STRICT)
        try:
            for page in pages:
                with open(self.path(page.file), encoding="utf-8-sig") as html:
                    found = INLINE.findall(html.read())
                folder = os.path.dirname(self.path(page.file))
                base = os.path.splitext(os.path.basename(page.file))[0]
                r.check(page.name, "no inline script, style or handler; .css and .js beside it",
                        not found and all(os.path.isfile(os.path.join(folder, base + ext))
                                          for ext in (".css", ".js")), str(found[:3]))
                url = server.url(page.file)
                kind = page.maker.split("-")[0]
                if kind == "slideshow":
                    self.check_slideshow(page, url, http=True, timing=True)
                else:
                    getattr(self, "check_" + kind)(page, url)
            # The policy bites: the same page with its script inline is refused.
            self.visit(server.url(inline.file))
            refused = [e for e in self.browser.console_errors() if "Content Security Policy" in e]
            r.check("csp: inline page", "the policy refuses what is inline", refused,
                    str(len(refused)))
            self.browser.page_requests()
            self.guard.taken()
        finally:
            server.close()

    # ------------------------------------------------------------- running

    def run(self):
        self.make_fixtures()
        dropdowns = self.dropdown_pages()
        popups = self.popup_pages()
        mouseovers = self.mouseover_pages()
        slideshows = self.slideshow_pages()
        strict = self.separate_pages(dropdowns + popups + mouseovers + slideshows)
        os.makedirs(self.path("pub-csp"))
        self.write_pages(dropdowns + popups + mouseovers + slideshows + strict)
        absent = standards.missing()
        if absent:
            raise RuntimeError(absent)
        self.axe = standards.Axe()
        self.guard = harness.NetworkGuard()
        self.http = harness.PlainHttpServer(self.site)
        self.browser = harness.Browser(
            os.path.join(self.root, "profile"), self.guard.port, popup_blocker=True,
            arguments=["--autoplay-policy=document-user-activation-required"])
        self.results.version = self.browser.version
        by_file = {page.file: page for page in dropdowns + popups + mouseovers + slideshows}
        self.phone_pass([by_file[f] for f in (
            "mod-menu.html", "mod-edge menu.html", "mod-many.html", "mp-over.html",
            "mp-edge.html", "mm-row.html", "mm-edge.html", "ms-show.html", "ms-edge.html",
            "pub/mod été show.html")])
        self.keyboard_pass([by_file[f] for f in (
            "mp-over.html", "mp-out.html", "mp-leave.html", "mm-row.html",
            "ms-show.html")])
        self.strict_pass(strict, by_file["mp-over.html"])
        self.results.record("suite", "time in pages", harness.INFO,
                            "%.1f s" % sum(self.times.values()))


def main():
    return browser_suite.run_main(ReachSuite, "reach", 200)


if __name__ == "__main__":
    sys.exit(main())
