#!/usr/bin/env python3
"""Fails when an interface text bypasses the translation system or a
catalogue is out of step with the sources.

1. A string literal that reads as words, handed straight to a call that
   shows it (setText, setToolTip, addAction, notice, makeButton ...), is
   reported with its file and line: it must go through tr(),
   QCoreApplication::translate() or QT_TRANSLATE_NOOP.
2. lupdate runs over the sources into a copy of each catalogue; an entry it
   leaves unfinished (a new or changed text) or marks vanished or obsolete (a
   text the sources no longer have) is reported.

Usage: catalogue_check.py SOURCE_DIR LUPDATE [scan|catalogues|all]
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# The folders whose texts the user reads; generated pages are never translated.
FOLDERS = ["app", "widgets", "editor", "guidance", "makers", "core"]
PAGE_FILE = re.compile(r"(_page|_modern_page|_fields)\.(cpp|h)$|^core/")
SHOWING_CALLS = (
    "setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|setTitle|"
    "setAccessibleName|setAccessibleDescription|addAction|addMenu|addTab|insertTab|"
    "setTabText|setTabToolTip|notice|question|confirm|askToSave|setHint|showMessage|"
    "setLabelText|makeButton|makeCheckBox|makeLabel|makeGroupBox|makeChooserButton|"
    "makeStyleToggle|makeComboBox|addItem|addItems|insertItem|captionFor|addColour|addRow|addColourRow|ToolWindow|showStatus|"
    "statusNote|tell|complain|usageError|QCommandLineOption|addPositionalArgument|setApplicationDescription|acceptFileDrops|acceptFileDropsOnWindow|QLabel|QPushButton|QCheckBox|"
    "QRadioButton|QGroupBox|QAction|QMenu")
CALL = re.compile(r"\b(" + SHOWING_CALLS + r")\s*\(")
LITERAL = re.compile(r'(?:QStringLiteral|QLatin1String|QLatin1StringView|QString)?\(?\s*"((?:[^"\\]|\\.)*)"')
TRANSLATED = re.compile(r"(\btr|translate|QT_TRANSLATE_NOOP|QT_TR_NOOP)\(\s*(\"[^\"]*\",\s*)?$")
# The program's name and the texts that are not words.
NOT_WORDS = re.compile(r"^(Quillmint( v[0-9.]+)?|[^A-Za-z]*|#[0-9A-Fa-f]{6}|[a-z]+(-[a-z]+)*|"
                       r"[A-Za-z_]+[0-9]+|([A-Z][a-z]+){2,}|\.\.\.)$")


def reads_as_words(text):
    return not NOT_WORDS.match(text)


def call_spans(code):
    """The argument text of each showing call in `code`, to its closing
    parenthesis."""
    for match in CALL.finditer(code):
        depth, end = 1, match.end()
        while end < len(code) and depth:
            depth += {"(": 1, ")": -1}.get(code[end], 0)
            end += 1
        yield match.end(), end


def without_comments(text):
    """`text` with its comments blanked (line breaks kept for line numbers)."""
    text = re.sub(r"(?m)^[ \t]*//.*$", "", text)
    return re.sub(r"(?m)[ \t]//[ \t].*$", "", text)


def scan(source_dir):
    faults = []
    for folder in FOLDERS:
        for path in sorted((source_dir / folder).rglob("*.cpp")):
            relative = path.relative_to(source_dir).as_posix()
            if PAGE_FILE.search(relative):
                continue
            code = without_comments(path.read_text(encoding="utf-8"))
            for start, end in call_spans(code):
                for literal in LITERAL.finditer(code, start, end):
                    before = code[start: literal.start(1) - 1]
                    if TRANSLATED.search(before.rstrip()) or TRANSLATED.search(before):
                        continue
                    # The rest of a text split over several lines.
                    if re.search(r'"\s*$', before):
                        continue
                    if reads_as_words(literal.group(1)):
                        line = code.count("\n", 0, literal.start()) + 1
                        faults.append(f"{relative}:{line}: \"{literal.group(1)}\" is not translated")
    return sorted(set(faults))


def catalogues(source_dir, lupdate):
    faults = []
    sources = [str(source_dir / folder) for folder in FOLDERS]
    for catalogue in sorted((source_dir / "translations").glob("*.ts")):
        with tempfile.TemporaryDirectory() as scratch:
            copy = pathlib.Path(scratch) / catalogue.name
            shutil.copy(catalogue, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h",
                            *sources, "-ts", str(copy)], check=True)
            for context in ET.parse(copy).getroot().iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    kind = message.find("translation").get("type")
                    if kind in ("unfinished", "vanished", "obsolete"):
                        faults.append(f"{catalogue.name}: {name}: \"{message.findtext('source')}\" "
                                      f"is {kind}")
    return faults


def main():
    source_dir = pathlib.Path(sys.argv[1])
    what = sys.argv[3] if len(sys.argv) > 3 else "all"
    faults = []
    if what in ("scan", "all"):
        faults += scan(source_dir)
    if what in ("catalogues", "all"):
        faults += catalogues(source_dir, sys.argv[2])
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
