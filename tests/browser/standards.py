"""The standards checkers the modern suite runs: axe-core inside the page the
browser shows, and the Nu Html Checker over the written pages, both from the
npm packages that package-lock.json pins (scripts/test installs them)."""

import json
import os
import subprocess
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
AXE = os.path.join(HERE, "node_modules", "axe-core", "axe.min.js")
VNU = os.path.join(HERE, "node_modules", "vnu-jar", "build", "dist", "vnu.jar")
JAVA = "/usr/bin/java"
AXE_TAGS = ["wcag2a", "wcag2aa", "wcag21aa", "wcag22aa", "best-practice"]
# Why axe may leave a text's contrast undecided that no colour choice explains:
# the text stands over a picture the user chose.
OVER_PICTURES = ["bgImage", "bgGradient", "imgNode"]


def missing():
    """What the checkers need and is not installed, as a sentence, or None."""
    absent = [path for path in (AXE, VNU, JAVA) if not os.path.exists(path)]
    return ("not installed: %s (scripts/test installs them)" % ", ".join(absent)
            if absent else None)


class Axe:
    """axe-core in the page the driver shows; injected once per document."""

    def __init__(self):
        with open(AXE, encoding="utf-8") as source:
            self.source = source.read()

    def violations(self, driver, context="document"):
        """The rules the page breaks, as "rule: target" texts; text whose
        contrast axe could not decide counts too (unless it stands over a
        picture), so colours that hide their text cannot pass unseen."""
        if not driver.execute_script("return !!window.axe"):
            driver.execute_script(self.source)
        found = driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "const undecided = v => v.id === 'color-contrast' &&"
            " (v.nodes = v.nodes.filter(n => !n.any.some(c => c.data &&"
            " arguments[1].includes(c.data.messageKey)))).length;"
            "axe.run(%s, {runOnly: {type: 'tag', values: arguments[0]}})"
            ".then(r => done(r.violations.concat(r.incomplete.filter(undecided))"
            ".map(v => v.id + ': ' + v.nodes.map(n => n.target.join(' ')).join(', '))),"
            " e => done(['axe failed: ' + e]));" % context, AXE_TAGS, OVER_PICTURES)
        return found


def nu_messages(files):
    """Every error and warning the Nu Html Checker reports on files, one
    Java process for all of them, as (path, "line: message") pairs."""
    done = subprocess.run([JAVA, "-Xss4m", "-jar", VNU, "--format", "json", "--stdout"] + files,
                          capture_output=True, text=True, timeout=120)
    try:
        messages = json.loads(done.stdout)["messages"]
    except (ValueError, KeyError):
        return [("", "the checker gave no report (exit %d): %s" % (done.returncode,
                                                                   done.stderr[-300:]))]
    return [(urllib.parse.unquote(urllib.parse.urlsplit(m.get("url", "")).path),
             "%s: %s %s" % (m.get("lastLine", "?"), m.get("subType", m.get("type")),
                            m.get("message")))
            for m in messages if m.get("type") in ("error", "non-document-error") or
            m.get("subType") == "warning"]
