#!/usr/bin/python3
"""Feeds hostile text into every field of the four Modern HTML5 Output
generators and reads each page in one headless Chromium: the page must
keep its benign twin's elements and script shapes, every inline script
must compile, no address may run script or be a data: address nobody
typed, and every typed text must be shown as typed (lone surrogates and
stray controls as U+FFFD).

Usage: modern_page_fuzz.py --cases <modern_page_cases> [--seed S] [--count N]
                           [--makers m,...] [--report FILE]
Exit status: 0 all pages sound, 1 a page failed, 77 Chromium, its driver or
python3-selenium is not installed."""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "browser"))
import harness  # noqa: E402

CHECKS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "modern_page_checks.js")
SHOWN_FAILURES = 20

RUN_BATCH = """
const [address, done] = arguments;
window.batchDone = function (result) {
  script.remove();
  done(result);
};
const script = document.createElement("script");
script.src = address;
script.onerror = function () {
  done({maker: "?", checked: 0, refused: 0,
        failures: [{index: -1, problems: ["cannot load " + address]}]});
};
document.head.append(script);
"""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cases", required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=20000)
    parser.add_argument("--makers", default="")
    parser.add_argument("--report")
    args = parser.parse_args()
    try:
        import selenium  # noqa: F401
    except ImportError:
        print("python3-selenium is not installed")
        return 77
    if not (os.path.exists(harness.CHROMIUM) and os.path.exists(harness.CHROMEDRIVER)):
        print("chromium or chromium-driver is not installed")
        return 77

    started = time.monotonic()
    root = tempfile.mkdtemp(prefix="quillmint-fuzz-")
    guard = browser = cases = None
    totals = {}
    failures = []
    try:
        checker = os.path.join(root, "checker.html")
        with open(checker, "w", encoding="utf-8") as page:
            page.write("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>checker</title>"
                       "<script src=\"file://%s\"></script></head><body></body></html>" % CHECKS)
        guard = harness.NetworkGuard()
        browser = harness.Browser(os.path.join(root, "profile"), guard.port, popup_blocker=False)
        browser.driver.set_script_timeout(300)
        browser.driver.get("file://" + checker)
        command = [args.cases, "--seed", str(args.seed), "--count", str(args.count),
                   "--dir", root]
        if args.makers:
            command += ["--makers", args.makers]
        cases = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                 text=True)
        while True:
            line = cases.stdout.readline().strip()
            if not line or line == "done":
                break
            # The next batch is made while the browser reads this one.
            cases.stdin.write("\n")
            cases.stdin.flush()
            result = browser.driver.execute_async_script(RUN_BATCH, "file://" + line)
            os.remove(line)
            total = totals.setdefault(result["maker"], [0, 0])
            total[0] += result["checked"]
            total[1] += result["refused"]
            for failure in result["failures"]:
                failures.append((result["maker"], failure["index"], failure["problems"]))
            if len(failures) >= SHOWN_FAILURES:
                break
        cases.stdin.close()
        if cases.wait(timeout=60) != 0 and len(failures) < SHOWN_FAILURES:
            failures.append(("?", -1, ["the case writer failed"]))
    finally:
        if cases and cases.poll() is None:
            cases.kill()
            cases.wait()
        if browser:
            browser.close()
        if guard:
            guard.close()
        shutil.rmtree(root, ignore_errors=True)

    seconds = time.monotonic() - started
    lines = ["seed %d, %d cases per maker, %.1f s" % (args.seed, args.count, seconds)]
    for maker, (checked, refused) in totals.items():
        lines.append("%-10s %7d pages read, %5d refused by the maker" % (maker, checked, refused))
    for maker, index, problems in failures[:SHOWN_FAILURES]:
        lines.append("FAIL %s case %d (modern_page_cases --seed %d --show %s:%d):"
                     % (maker, index, args.seed, maker, index))
        lines += ["  " + problem for problem in problems]
    if not totals:
        lines.append("FAIL no page was read")
    report = "\n".join(lines) + "\n"
    sys.stdout.write(report)
    if args.report:
        with open(args.report, "w", encoding="utf-8") as out:
            out.write(report)
    return 1 if failures or not totals else 0


if __name__ == "__main__":
    sys.exit(main())
