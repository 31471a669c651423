#include "core/page_text.h"
#include "core/text_file.h"
#include "dropdown_fixture.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/dropdown/dropdown_page.h"
#include "widgets/output_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QToolButton>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace dropdown::controls;
using namespace dropdown::fields;

namespace {

// Runs `body` as an ordinary user when the tests run as root, whose powers
// would let it write into read-only files and folders.
void asOrdinaryUser(const std::function<void()>& body) {
    const bool root = geteuid() == 0;
    if (root)
        QVERIFY(setresuid(65534, 65534, 0) == 0);
    body();
    if (root)
        QVERIFY(setresuid(0, 0, 0) == 0);
}

void setMode(const QString& path, mode_t mode) {
    QVERIFY2(::chmod(QFile::encodeName(path).constData(), mode) == 0, qPrintable(path));
}

// The pane's lines as a saved file holds them.
QByteArray crlfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QStringList workedExample(DropdownFixture& f) {
    f.add("Home", "index.html");
    f.add("About", "about.html");
    findControl<QPushButton>(f.tab, MakeCode)->click();
    DropdownSettings settings;
    settings.entries = {"Home [index.html]", "About [about.html]"};
    return dropdownPage(settings);
}

} // namespace

class DropdownOutputTest final : public QObject {
    Q_OBJECT
private slots:
    void savesThePaneAsHtmlAndAsText() {
        DropdownFixture f;
        const QStringList lines = workedExample(f);
        const QString html = f.folder.file("menu.html");
        const QString text = f.folder.file("menu");

        f.fake.saveAnswers = {html, text};
        findControl<QToolButton>(f.tab, SaveButton)->click();
        findControl<QAction>(f.tab, SaveAsText)->trigger();
        QCOMPARE(readBytes(html), crlfLines(lines));
        QCOMPARE(readBytes(text + ".txt"), crlfLines(lines));

        QCOMPARE(f.fake.fileQuestions.size(), 2);
        const FileDialogSpec& htmlSpec = f.fake.fileQuestions.at(0).request;
        QCOMPARE(htmlSpec.name, HtmlSaveDialog);
        QCOMPARE(htmlSpec.title, "Save as HTML");
        QCOMPARE(htmlSpec.filters, QStringList{"HTML Files (*.html)"});
        QCOMPARE(htmlSpec.defaultSuffix, "html");
        QVERIFY(htmlSpec.confirmOverwrite);
        const FileDialogSpec& textSpec = f.fake.fileQuestions.at(1).request;
        QCOMPARE(textSpec.name, TextSaveDialog);
        QCOMPARE(textSpec.title, "Save as TeXT");
        QCOMPARE(textSpec.filters, QStringList{"Text Files (*.txt)"});
        QCOMPARE(textSpec.defaultSuffix, "txt");
        QVERIFY(textSpec.confirmOverwrite);

        // The menu item saves as the button does; each dialog shows its own
        // last name, and hand edits in the pane are what gets saved.
        findControl<QPlainTextEdit>(f.tab, Code)->setPlainText("edited\nby hand");
        f.fake.saveAnswers = {html};
        findControl<QAction>(f.tab, SaveAsHtml)->trigger();
        QCOMPARE(f.fake.fileQuestions.at(2).current, html);
        QCOMPARE(readBytes(html), QByteArray("edited\r\nby hand\r\n"));
        QVERIFY(f.fake.notices.isEmpty());
    }

    void cancelWritesNothing() {
        DropdownFixture f;
        workedExample(f);
        const QString earlier = f.folder.file("menu.html");
        writeBytes(earlier, "earlier page\r\n");
        f.fake.saveAnswers = {earlier};
        findControl<QToolButton>(f.tab, SaveButton)->click();
        findControl<QPlainTextEdit>(f.tab, Code)->setPlainText("changed");

        const QStringList before = QDir(f.folder.path()).entryList(QDir::Files);
        findControl<QToolButton>(f.tab, SaveButton)->click();
        findControl<QAction>(f.tab, SaveAsText)->trigger();
        QCOMPARE(f.fake.fileQuestions.size(), 3);
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), before);
        QVERIFY(readBytes(earlier).startsWith("<script"));
        QVERIFY(f.fake.notices.isEmpty());
    }

    void failedSavesKeepTheEarlierFile() {
        DropdownFixture f;
        workedExample(f);
        const QByteArray earlierBytes = "earlier page\r\n";
        setMode(f.folder.path(), 0777);
        const QString locked = f.folder.file("locked.html");
        writeBytes(locked, earlierBytes);
        setMode(locked, 0444);
        QDir(f.folder.path()).mkdir("shut");
        const QString inShut = f.folder.file("shut/page.txt");
        writeBytes(inShut, earlierBytes);
        // The file itself may be written; its folder takes no new file.
        setMode(inShut, 0666);
        setMode(f.folder.file("shut"), 0555);
        const QString full = f.folder.file("full.html");
        writeBytes(full, earlierBytes);
        const QStringList files = QDir(f.folder.path()).entryList(QDir::Files);

        asOrdinaryUser([&] {
            f.fake.saveAnswers = {locked, inShut};
            findControl<QToolButton>(f.tab, SaveButton)->click();
            findControl<QAction>(f.tab, SaveAsText)->trigger();
        });
        withFileSizeLimit(64, [&] {
            f.fake.saveAnswers = {full};
            findControl<QToolButton>(f.tab, SaveButton)->click();
        });
        setMode(f.folder.file("shut"), 0755);

        QCOMPARE(readBytes(locked), earlierBytes);
        QCOMPARE(readBytes(inShut), earlierBytes);
        QCOMPARE(readBytes(full), earlierBytes);
        QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), files);
        QCOMPARE(QDir(f.folder.file("shut")).entryList(QDir::Files), QStringList{"page.txt"});
        QCOMPARE(f.fake.notices.size(), 3);
        for (const auto& notice : f.fake.notices)
            QCOMPARE(notice.kind, NoticeKind::Error);
        QVERIFY(f.fake.notices.at(0).text.contains(locked));
        QVERIFY(f.fake.notices.at(1).text.contains(inShut));
        QVERIFY(f.fake.notices.at(2).text.contains(full));
    }

    void previewWritesTempHtmlAndOpensIt() {
        DropdownFixture f;
        const QString temp = QDir(f.folder.path()).filePath("temp.html");
        auto* preview = findControl<QAction>(f.tab, Preview);

        // Before any code: the pane's single empty line.
        preview->trigger();
        QCOMPARE(readBytes(temp), QByteArray("\r\n"));
        QCOMPARE(f.fake.opened, QList<QUrl>{QUrl::fromLocalFile(temp)});

        const QStringList lines = workedExample(f);
        preview->trigger();
        QCOMPARE(readBytes(temp), crlfLines(lines));
        QCOMPARE(f.fake.opened.size(), 2);
        QCOMPARE(f.fake.opened.last(), QUrl::fromLocalFile(temp));

        // An empty pane gives an empty file, and the face of Options does nothing.
        findControl<QPushButton>(f.tab, ClearCode)->click();
        preview->trigger();
        QCOMPARE(readBytes(temp), QByteArray());
        findControl<QToolButton>(f.tab, OptionsButton)->click();
        QCOMPARE(f.fake.opened.size(), 3);
        QVERIFY(f.fake.notices.isEmpty());
        QVERIFY(f.fake.fileQuestions.isEmpty());
    }

    // A link in place of temp.html is replaced, never written through.
    void previewReplacesALinkedTempHtml() {
        DropdownFixture f;
        const QString temp = QDir(f.folder.path()).filePath("temp.html");
        const QString target = f.folder.file("someone.html");
        writeBytes(target, "someone's page\r\n");
        QVERIFY(QFile::link(target, temp));
        findControl<QAction>(f.tab, Preview)->trigger();
        QCOMPARE(readBytes(target), QByteArray("someone's page\r\n"));
        QVERIFY(!QFileInfo(temp).isSymLink());
        QCOMPARE(readBytes(temp), QByteArray("\r\n"));
        QCOMPARE(f.fake.opened, QList<QUrl>{QUrl::fromLocalFile(temp)});
    }

    void htmlFilesWithNonAsciiTextStartWithAByteOrderMark() {
        DropdownFixture f;
        f.add(QString::fromUtf8("\u00c9t\u00e9 \U0001F600"),
              QString::fromUtf8("\u00e9t\u00e9.html"));
        findControl<QPushButton>(f.tab, MakeCode)->click();
        const QByteArray utf8 =
            paneFileBytes(OutputCommands::paneText(*findControl<QPlainTextEdit>(f.tab, Code)));
        const QByteArray marked = "\xEF\xBB\xBF" + utf8;
        const QString html = f.folder.file("menu.html");
        const QString text = f.folder.file("menu.txt");

        f.fake.saveAnswers = {html, text};
        findControl<QToolButton>(f.tab, SaveButton)->click();
        findControl<QAction>(f.tab, SaveAsText)->trigger();
        findControl<QAction>(f.tab, Preview)->trigger();
        QCOMPARE(readBytes(html), marked);
        QCOMPARE(readBytes(text), utf8);
        QCOMPARE(readBytes(QDir(f.folder.path()).filePath("temp.html")), marked);
    }

    void failedPreviewIsReportedAndOpensNothing() {
        DropdownFixture f;
        const QString temp = QDir(f.folder.path()).filePath("temp.html");
        writeBytes(temp, "earlier preview\r\n");
        workedExample(f);
        setMode(f.folder.path(), 0555);
        setMode(temp, 0444);
        asOrdinaryUser([&] { findControl<QAction>(f.tab, Preview)->trigger(); });
        setMode(f.folder.path(), 0755);

        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Error);
        QVERIFY(f.fake.lastNotice().contains(temp));
        QVERIFY(f.fake.opened.isEmpty());
        QCOMPARE(readBytes(temp), QByteArray("earlier preview\r\n"));
    }

    void copyClearAndPrint() {
        DropdownFixture f;
        const QStringList lines = workedExample(f);
        auto* pane = findControl<QPlainTextEdit>(f.tab, Code);
        const QString text = pageText(lines);

        findControl<QPushButton>(f.tab, CopyCode)->click();
        QCOMPARE(QApplication::clipboard()->text(), text);
        QCOMPARE(pane->textCursor().selectedText().size(), text.size());

        findControl<QToolButton>(f.tab, PrintButton)->click();
        QCOMPARE(f.fake.printed, QStringList{text});
        f.fake.printError = "There is no default printer currently selected";
        findControl<QToolButton>(f.tab, PrintButton)->click();
        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), f.fake.printError);

        findControl<QPushButton>(f.tab, ClearCode)->click();
        QCOMPARE(pane->toPlainText(), "");
        QVERIFY(f.fake.confirmations.isEmpty());
        QCOMPARE(f.entries().size(), 2);
    }
};

QTEST_MAIN(DropdownOutputTest)
#include "dropdown_output_test.moc"
