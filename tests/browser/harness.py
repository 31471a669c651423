"""The browser suite's tools: fixture files, a network guard, a plain HTTP
server, one headless Chromium session and the table of results.

Every wait is bounded; everything started here is stopped by close()."""

import http.server
import json
import os
import re
import socket
import socketserver
import struct
import threading
import time
import urllib.parse
import wave
import zlib

CHROMIUM = "/usr/lib/chromium/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"


# ---------------------------------------------------------------- fixtures

def png_bytes(width, height, rgb):
    """A real PNG of one colour; the width tells the images apart."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    row = b"\x00" + bytes(rgb) * width
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(row * height))
            + chunk(b"IEND", b""))


def gif_bytes(width, height, rgb):
    """A real GIF of one colour. Each pixel is a literal LZW code, with a
    clear code every two pixels so the code width stays at three bits."""
    clear, end = 4, 5
    codes = []
    pixels = width * height
    for start in range(0, pixels, 2):
        codes += [clear] + [0] * min(2, pixels - start)
    codes.append(end)
    bits = sum(code << (3 * i) for i, code in enumerate(codes))
    data = bits.to_bytes((3 * len(codes) + 7) // 8, "little")
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255]
                      for i in range(0, len(data), 255))
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0x81, 0, 0)
            + bytes(rgb) + b"\xff\xff\xff" + b"\x00" * 6
            + b"," + struct.pack("<HHHHB", 0, 0, width, height, 0)
            + b"\x02" + blocks + b"\x00;")


def write_wav(path):
    with wave.open(path, "wb") as sound:
        sound.setnchannels(1)
        sound.setsampwidth(1)
        sound.setframerate(8000)
        sound.writeframes(bytes(128 + (40 if (i // 10) % 2 else -40) for i in range(800)))


def midi_bytes():
    """One track, one middle C of a quarter note."""
    events = b"\x00\x90\x3c\x40\x60\x80\x3c\x40\x00\xff\x2f\x00"
    return (b"MThd" + struct.pack(">IHHH", 6, 0, 1, 96)
            + b"MTrk" + struct.pack(">I", len(events)) + events)


def target_page(title):
    return ("<html><head><title>%s</title></head><body><p id=\"part\">%s</p></body></html>\n"
            % (title, title)).encode("ascii", "xmlcharrefreplace")


def url_to_path(url, http_root=None):
    """The local file a file: URL (or a URL of the plain server) names."""
    parts = urllib.parse.urlsplit(url)
    path = urllib.parse.unquote(parts.path)
    if parts.scheme == "http" and http_root:
        path = os.path.join(http_root, path.lstrip("/"))
    return path


# ---------------------------------------------------------- network guard

# Hosts Chromium itself calls in the background (updates, sign-in, the
# default search engine); blocked like any other, but made by no page.
BROWSER_SERVICES = ("accounts.google.com", "update.googleapis.com", "clients2.google.com",
                    "start.duckduckgo.com")


def request_host(request_line):
    """The host of a proxy request line: "CONNECT host:443 ..." or
    "GET http://host/path ..."."""
    parts = request_line.split(" ")
    target = parts[1] if len(parts) > 1 else ""
    if "://" in target:
        return urllib.parse.urlsplit(target).hostname or ""
    return target.rsplit(":", 1)[0]


class NetworkGuard:
    """A proxy the browser must send every non-local request to. It answers
    none of them and records each, so a page that reaches out is caught."""

    def __init__(self):
        self.requests = []
        self.background = set()
        lock = threading.Lock()
        requests = self.requests

        class Refuse(socketserver.BaseRequestHandler):
            def handle(self):
                self.request.settimeout(2)
                try:
                    head = self.request.recv(4096).split(b"\r\n", 1)[0]
                    with lock:
                        requests.append(head.decode("latin-1"))
                    self.request.sendall(b"HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\n"
                                         b"Connection: close\r\n\r\n")
                except OSError:
                    pass

        socketserver.ThreadingTCPServer.daemon_threads = True
        self.server = socketserver.ThreadingTCPServer(("127.0.0.1", 0), Refuse)
        self.port = self.server.server_address[1]
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def taken(self):
        """Requests since the last call, less the browser's own, which
        are kept in `background`."""
        seen = list(self.requests)
        del self.requests[:len(seen)]
        own = {request for request in seen if request_host(request) in BROWSER_SERVICES}
        self.background.update(request_host(request) for request in own)
        return [request for request in seen if request not in own]

    def close(self):
        self.server.shutdown()
        self.server.server_close()
        self.thread.join(5)


class PlainHttpServer:
    """Serves a folder on 127.0.0.1 as a web server that names no charset,
    sending `headers` with every answer."""

    def __init__(self, root, headers=None):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def __init__(self, *args, **kwargs):
                super().__init__(*args, directory=root, **kwargs)

            def end_headers(self):
                for name, value in (headers or {}).items():
                    self.send_header(name, value)
                super().end_headers()

            def log_message(self, *args):
                pass

        http.server.ThreadingHTTPServer.daemon_threads = True
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Quiet)
        self.base = "http://127.0.0.1:%d/" % self.server.server_address[1]
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def url(self, relative):
        return self.base + urllib.parse.quote(relative)

    def content_type(self, relative):
        with socket.create_connection(self.server.server_address, timeout=5) as connection:
            connection.sendall(("HEAD /%s HTTP/1.0\r\n\r\n" % urllib.parse.quote(relative))
                               .encode("ascii"))
            head = b""
            while b"\r\n\r\n" not in head:
                more = connection.recv(4096)
                if not more:
                    break
                head += more
        for line in head.decode("latin-1").split("\r\n"):
            if line.lower().startswith("content-type:"):
                return line.split(":", 1)[1].strip()
        return ""

    def close(self):
        self.server.shutdown()
        self.server.server_close()
        self.thread.join(5)


# ----------------------------------------------------------------- browser

# Records what the page hands to window.open and alert before the browser
# acts on it, and when a dialog opens; the calls themselves go through
# unchanged.
RECORDER = """
window.__opens = [];
const openWindow = window.open;
window.open = function (...args) {
  const opened = openWindow.apply(this, args);
  window.__opens.push({args: args.map(String), opened: opened !== null});
  return opened;
};
window.__modalAt = [];
const showModal = HTMLDialogElement.prototype.showModal;
HTMLDialogElement.prototype.showModal = function (...args) {
  window.__modalAt.push(performance.now());
  return showModal.apply(this, args);
};
"""


def wait_for(condition, timeout, step=0.05):
    """Polls until condition() is true or timeout seconds passed; returns
    its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(step)


class Browser:
    """One headless Chromium through chromium-driver. Only file: and
    127.0.0.1 are reachable; everything else goes to the guard."""

    def __init__(self, profile, guard_port, popup_blocker, arguments=()):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service

        self.profile = profile
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync",
                         "--disable-dev-shm-usage", "--user-data-dir=" + profile,
                         "--proxy-server=http://127.0.0.1:%d" % guard_port,
                         "--host-resolver-rules=MAP * ~NOTFOUND , EXCLUDE 127.0.0.1",
                         "--screen-info={1600x1200}") + tuple(arguments):
            options.add_argument(argument)
        if popup_blocker:
            # The driver turns the blocker off unless told not to.
            options.add_experimental_option("excludeSwitches", ["disable-popup-blocking"])
        else:
            options.add_argument("--disable-popup-blocking")
        # The network part of the performance log names every request a
        # page makes, whichever host it goes to.
        options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
        options.add_experimental_option("perfLoggingPrefs",
                                        {"enableNetwork": True, "enablePage": False})
        options.set_capability("unhandledPromptBehavior", "ignore")
        self.service = Service(CHROMEDRIVER, log_path=os.devnull)
        self.driver = webdriver.Chrome(service=self.service, options=options)
        self.driver.set_page_load_timeout(15)
        self.driver.set_script_timeout(10)
        self.version = self.driver.capabilities.get("browserVersion", "?")
        self.main = self.driver.current_window_handle
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                    {"source": RECORDER})

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def load(self, url):
        """Opens url in the main window with the pointer parked away from
        where the pages put their links."""
        self.park_pointer()
        self.driver.get(url)
        wait_for(lambda: self.js("return document.readyState") == "complete", 10)

    def park_pointer(self):
        from selenium.webdriver.common.actions.action_builder import ActionBuilder
        try:
            actions = ActionBuilder(self.driver)
            actions.pointer_action.move_to_location(700, 700)
            actions.perform()
        except Exception:  # a page still loading has no viewport to move in
            pass

    def hover(self, element):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.driver).move_to_element(element).perform()

    def popups(self):
        return [handle for handle in self.driver.window_handles if handle != self.main]

    def in_window(self, handle, script):
        """Runs script in another window and comes back; None when the
        window is gone."""
        try:
            self.driver.switch_to.window(handle)
            return self.js(script)
        except Exception:
            return None
        finally:
            self.driver.switch_to.window(self.main)

    def close_popups(self):
        for handle in self.popups():
            try:
                self.driver.switch_to.window(handle)
                self.driver.close()
            except Exception:
                pass
        self.driver.switch_to.window(self.main)

    def page_requests(self):
        """Addresses pages asked for since the last call, other than files
        and the local server."""
        addresses = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                addresses.append(message["params"]["request"]["url"])
        return [address for address in addresses
                if not re.match(r"(file|data|blob|about):|http://127\.0\.0\.1[:/]", address)]

    def console_errors(self):
        """Page errors and console errors logged since the last call."""
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry.get("level") == "SEVERE"]

    def close(self):
        try:
            self.driver.quit()
        finally:
            self.service.stop()


def processes_using(marker):
    """Ids of processes whose command line holds marker."""
    found = []
    for pid in os.listdir("/proc"):
        if not pid.isdigit():
            continue
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as cmdline:
                if marker.encode() in cmdline.read():
                    found.append(int(pid))
        except OSError:
            pass
    return found


# ----------------------------------------------------------------- results

PASS, KNOWN, FAIL, INFO = "pass", "known limitation", "FAIL", "info"


class Results:
    def __init__(self, known_limitations):
        self.rows = []
        self.known_limitations = known_limitations
        self.version = "?"

    def record(self, page, check, status, detail=""):
        self.rows.append((page, check, status, detail))
        if status == FAIL:
            print("FAIL  %s: %s %s" % (page, check, detail), flush=True)

    def check(self, page, check, ok, detail="", known=None):
        """ok passes; otherwise the known limitation named by `known`
        explains it, or the check fails."""
        if ok:
            self.record(page, check, PASS, detail)
        elif known:
            self.limitation(page, check, known, detail)
        else:
            self.record(page, check, FAIL, detail)

    def limitation(self, page, check, known, detail=""):
        if known not in self.known_limitations:
            self.record(page, check, FAIL, "unlisted limitation %s: %s" % (known, detail))
            return
        self.record(page, check, KNOWN, "[%s, Chromium %s] %s" % (known, self.version, detail))

    def failed(self):
        return [row for row in self.rows if row[2] == FAIL]

    def table(self, seconds):
        width = max(len(row[0]) for row in self.rows)
        check_width = max(len(row[1]) for row in self.rows)
        lines = ["Browser suite: Chromium %s, %.1f s" % (self.version, seconds), ""]
        for page, check, status, detail in self.rows:
            lines.append("%-*s  %-*s  %-16s %s" % (width, page, check_width, check, status,
                                                   detail[:160]))
        lines += ["", "Per page: checks passed, known limitations met, failures"]
        pages = {}
        for page, _, status, detail in self.rows:
            summary = pages.setdefault(page, {PASS: 0, FAIL: 0, KNOWN: set()})
            if status == KNOWN:
                summary[KNOWN].add(self.limitation_key(detail))
            elif status in (PASS, FAIL):
                summary[status] += 1
        for page, summary in pages.items():
            lines.append("  %-*s  %3d pass  %s%s" % (
                width, page, summary[PASS], ", ".join(sorted(summary[KNOWN])) or "-",
                "  %d FAIL" % summary[FAIL] if summary[FAIL] else ""))
        counts = {}
        for row in self.rows:
            counts[row[2]] = counts.get(row[2], 0) + 1
        lines += ["", ", ".join("%d %s" % (counts[key], key) for key in sorted(counts))]
        used = sorted({self.limitation_key(row[3]) for row in self.rows if row[2] == KNOWN})
        lines += ["", "Known limitations met (docs/browsers.md):"]
        lines += ["  %s: %s" % (key, self.known_limitations[key]) for key in used]
        return "\n".join(lines)

    @staticmethod
    def limitation_key(detail):
        return detail.split(",")[0].lstrip("[")
