#include "app/main_window_controls.h"
#include "core/text_file.h"
#include "editor/editor_controls.h"
#include "editor_fixture.h"
#include "support/find_control.h"
#include "widgets/edit_actions.h"
#include "widgets/edit_actions_controls.h"
#include "widgets/find_dialog.h"
#include "widgets/output_commands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <sys/stat.h>
#include <utility>

using namespace editor;

namespace {

const QByteArray SkeletonBytes =
    "<script type=\"text/javascript\">\r\n<!--\r\n\r\n\r\n\r\n//-->\r\n"
    "</script>\r\n";

QAction* actionNamed(const QMenu* menu, const QString& name) {
    for (QAction* action : menu->actions()) {
        if (action->objectName() == name)
            return action;
        if (action->menu())
            if (QAction* inner = actionNamed(action->menu(), name))
                return inner;
    }
    return nullptr;
}

} // namespace

class EditorTabTest final : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheSkeletonInAPlainScriptPane();
    void newAsksBeforeRestoringTheSkeleton();
    void toolBarHoldsEveryCommand();
    void stripDropsWrapperLinesAndKeepsTheUnfilteredScratch_data();
    void stripDropsWrapperLinesAndKeepsTheUnfilteredScratch();
    void unwritableScratchLeavesTheDocument();
    void aLinkedScratchFileIsReplaced();
    void saveAsJsFiltersThenSaves();
    void cancelledDialogsChangeNothing();
    void saveAsJsToAnUncreatableFileKeepsTheFilteredText();
    void saveAsHtmlAndPrintTakeTheEditorText();
    void openReplacesTheDocument_data();
    void openReplacesTheDocument();
    void openRefusesWhatIsNotARegularFile();
    void savesKeepTheEncodingTheFileWasReadIn_data();
    void savesKeepTheEncodingTheFileWasReadIn();
    void openRefusesWhatCannotBeEditedComfortably();
    void findOpensOnTheFocusedTextControl();
};

void EditorTabTest::startsWithTheSkeletonInAPlainScriptPane() {
    EditorFixture f;
    QCOMPARE(f.lines(), ScriptSkeleton);
    QCOMPARE(f.memo->fontMetrics().horizontalAdvance("iiii"),
             f.memo->fontMetrics().horizontalAdvance("WWWW"));
    QCOMPARE(f.memo->font().pointSizeF(), QApplication::font().pointSizeF());
    QCOMPARE(f.memo->palette().color(QPalette::Text), QColor(0, 0, 128));
    QCOMPARE(f.memo->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(f.memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    // Tab types a tab character instead of moving on.
    f.viewEditor();
    f.memo->setFocus();
    f.setMarkedText(QStringLiteral("a|b"));
    QTest::keyClick(f.memo, Qt::Key_Tab);
    QCOMPARE(f.memo->toPlainText(), QStringLiteral("a\tb"));
    QCOMPARE(QApplication::focusWidget(), f.memo);
}

void EditorTabTest::newAsksBeforeRestoringTheSkeleton() {
    EditorFixture f;
    f.memo->setPlainText(QStringLiteral("alert(1);"));
    f.app.fake.confirmAnswers = {false, true};
    findControl<QToolButton>(f.tab, controls::NewButton)->click();
    QCOMPARE(f.memo->toPlainText(), QStringLiteral("alert(1);"));
    findControl<QToolButton>(f.tab, controls::NewButton)->click();
    QCOMPARE(f.lines(), ScriptSkeleton);
    QCOMPARE(f.app.fake.confirmations,
             QStringList(2, QStringLiteral("Are you sure you want to start a new document?")));
}

void EditorTabTest::toolBarHoldsEveryCommand() {
    EditorFixture f;
    EditorTab* tab = f.tab;
    const struct {
        QToolButton* button;
        const char* hint;
    } hints[] = {{findControl<QToolButton>(tab, controls::NewButton), "New"},
                 {findControl<QToolButton>(tab, controls::OpenButton), "Open"},
                 {findControl<QToolButton>(tab, controls::SaveButton), "Save As"},
                 {findControl<QToolButton>(tab, controls::PrintButton), "Print"},
                 {findControl<QToolButton>(tab, controls::TagInspectorToggle),
                  "Toggle Tag Inspector (Ctrl+Shift+T goes to it)"},
                 {findControl<QToolButton>(tab, controls::ReservedWordsToggle),
                  "Toggle Predefined Words (Ctrl+Shift+W goes to them)"},
                 {findControl<QToolButton>(tab, controls::OptionsButton), "Options"},
                 {findControl<QToolButton>(tab, controls::HelpButton), "Help"}};
    for (const auto& expected : hints) {
        QVERIFY(expected.button);
        QCOMPARE(expected.button->toolTip(), QLatin1String(expected.hint));
        QCOMPARE(tab->findChild<QToolButton*>(expected.button->objectName()), expected.button);
    }
    for (QToolButton* toggle : {findControl<QToolButton>(tab, controls::TagInspectorToggle),
                                findControl<QToolButton>(tab, controls::ReservedWordsToggle)})
        QVERIFY(toggle->isCheckable() && toggle->isChecked());

    const EditActions& actions =
        *findControl<EditActions>(f.mainWindow, edit_actions::controls::ActionList);
    QCOMPARE(findControl<QToolButton>(tab, controls::CutButton)->defaultAction(), actions.cut);
    QCOMPARE(findControl<QToolButton>(tab, controls::CopyButton)->defaultAction(), actions.copy);
    QCOMPARE(findControl<QToolButton>(tab, controls::PasteButton)->defaultAction(), actions.paste);
    QCOMPARE(findControl<QToolButton>(tab, controls::UndoButton)->defaultAction(), actions.undo);
    QCOMPARE(findControl<QToolButton>(tab, controls::DeleteButton)->defaultAction(),
             actions.deleteSelection);

    QCOMPARE(actionNamed(findControl<QToolButton>(tab, controls::SaveButton)->menu(),
                         controls::SaveAsJs),
             findControl<QAction>(tab, controls::SaveAsJs));
    QCOMPARE(actionNamed(findControl<QToolButton>(tab, controls::SaveButton)->menu(),
                         controls::SaveAsHtml),
             findControl<QAction>(tab, controls::SaveAsHtml));
    QCOMPARE(findControl<QAction>(tab, controls::SaveAsJs)->text(), QStringLiteral("As JS"));
    QCOMPARE(findControl<QToolButton>(tab, controls::OptionsButton)->menu()->objectName(),
             QString(controls::OptionsMenu));
    QCOMPARE(actionNamed(findControl<QToolButton>(tab, controls::OptionsButton)->menu(),
                         controls::StripHtml)
                 ->statusTip(),
             QStringLiteral("Remove <script> And Comment Tags"));
    QCOMPARE(findControl<QToolButton>(tab, controls::HelpButton)->menu()->objectName(),
             QString(controls::HelpMenu));
    QVERIFY(actionNamed(findControl<QToolButton>(tab, controls::HelpButton)->menu(),
                        controls::HelpEntry));
    QVERIFY(actionNamed(findControl<QToolButton>(tab, controls::HelpButton)->menu(),
                        controls::AboutEntry));
}

void EditorTabTest::stripDropsWrapperLinesAndKeepsTheUnfilteredScratch_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QByteArray>("scratch");
    QTest::newRow("skeleton") << documentText(ScriptSkeleton) << QStringList(3, QString())
                              << SkeletonBytes;
    QTest::newRow("look-alikes stay")
        << QStringLiteral("  <!--\n</SCRIPT>\n//--> \n<!-- hide\nx();\n//-->\n//-->")
        << QStringList{"  <!--", "</SCRIPT>", "//--> ", "<!-- hide", "x();"}
        << QByteArray("  <!--\r\n</SCRIPT>\r\n//--> \r\n<!-- hide\r\nx();\r\n//-->\r\n//-->\r\n");
    QTest::newRow("empty document") << QString() << QStringList{QString()} << QByteArray();
}

void EditorTabTest::stripDropsWrapperLinesAndKeepsTheUnfilteredScratch() {
    QFETCH(QString, document);
    QFETCH(QStringList, kept);
    QFETCH(QByteArray, scratch);
    EditorFixture f;
    // The tool button's face and the menu entry run the same filter.
    for (const bool fromMenu : {false, true}) {
        f.memo->setPlainText(document);
        if (fromMenu)
            findControl<QAction>(f.tab, controls::StripHtml)->trigger();
        else
            findControl<QToolButton>(f.tab, controls::OptionsButton)->click();
        QCOMPARE(f.lines(), kept);
        QCOMPARE(readBytes(f.app.folder.file("temp.tmp")), scratch);
    }
    QVERIFY(f.app.fake.notices.isEmpty());
    // Undo brings the unfiltered text back.
    f.memo->undo();
    QCOMPARE(f.tab->editorText(), document);
}

void EditorTabTest::unwritableScratchLeavesTheDocument() {
    EditorFixture f;
    // A directory in the way of temp.tmp makes it uncreatable, also for root.
    QVERIFY(QDir(f.app.folder.path()).mkdir("temp.tmp"));
    const QString document = documentText(ScriptSkeleton);
    const QString target = f.app.folder.file("out.js");
    f.app.fake.saveAnswers = {target};
    findControl<QToolButton>(f.tab, controls::OptionsButton)->click();
    findControl<QAction>(f.tab, controls::SaveAsJs)->trigger();
    QCOMPARE(f.memo->toPlainText(), document);
    QVERIFY(!QFile::exists(target));
    QCOMPARE(f.app.fake.noticeTexts(),
             QStringList(2, cannotCreateMessage(f.app.folder.file("temp.tmp"))));
    QCOMPARE(f.app.fake.notices.first().kind, NoticeKind::Error);
}

// A link in place of temp.tmp is replaced, never written through.
void EditorTabTest::aLinkedScratchFileIsReplaced() {
    EditorFixture f;
    const QString target = f.app.folder.file("someone.txt");
    writeBytes(target, "someone's text");
    QVERIFY(QFile::link(target, f.app.folder.file("temp.tmp")));
    findControl<QToolButton>(f.tab, controls::OptionsButton)->click();
    QCOMPARE(readBytes(target), QByteArray("someone's text"));
    QVERIFY(!QFileInfo(f.app.folder.file("temp.tmp")).isSymLink());
    QCOMPARE(readBytes(f.app.folder.file("temp.tmp")), SkeletonBytes);
}

void EditorTabTest::saveAsJsFiltersThenSaves() {
    EditorFixture f;
    const QString target = f.app.folder.file("script");
    f.app.fake.saveAnswers = {target};
    findControl<QAction>(f.tab, controls::SaveAsJs)->trigger();
    const FakeDesktop::FileQuestion& asked = f.app.fake.fileQuestions.first();
    QCOMPARE(asked.request.title, QStringLiteral("Save as JS"));
    QCOMPARE(asked.request.filters, QStringList{QStringLiteral("JS Files (*.js)")});
    QVERIFY(asked.request.confirmOverwrite);
    QCOMPARE(readBytes(target + ".js"), QByteArray("\r\n\r\n\r\n"));
    QCOMPARE(f.lines(), QStringList(3, QString()));
    QCOMPARE(readBytes(f.app.folder.file("temp.tmp")), SkeletonBytes);
    // A later Save > As HTML saves the filtered text.
    f.app.fake.saveAnswers = {f.app.folder.file("page.html")};
    findControl<QAction>(f.tab, controls::SaveAsHtml)->trigger();
    QCOMPARE(readBytes(f.app.folder.file("page.html")), QByteArray("\r\n\r\n\r\n"));
}

void EditorTabTest::cancelledDialogsChangeNothing() {
    EditorFixture f;
    const QString script = f.app.folder.file("a.js");
    writeBytes(script, "var a;\r\n");
    f.app.fake.openAnswers = {{script}};
    findControl<QToolButton>(f.tab, controls::OpenButton)->click();
    f.app.fake.saveAnswers = {f.app.folder.file("b.js")};
    findControl<QAction>(f.tab, controls::SaveAsJs)->trigger();
    const QByteArray scratch = readBytes(f.app.folder.file("temp.tmp"));
    const QByteArray saved = readBytes(f.app.folder.file("b.js"));
    f.memo->setPlainText(documentText(ScriptSkeleton));

    findControl<QToolButton>(f.tab, controls::OpenButton)->click(); // cancelled: no answer queued
    findControl<QAction>(f.tab, controls::SaveAsJs)->trigger();
    QCOMPARE(f.lines(), ScriptSkeleton);
    QCOMPARE(readBytes(f.app.folder.file("temp.tmp")), scratch);
    QCOMPARE(readBytes(f.app.folder.file("b.js")), saved);
    // The dialogs offer the names chosen before.
    QCOMPARE(f.app.fake.fileQuestions.at(2).current, script);
    QCOMPARE(f.app.fake.fileQuestions.at(3).current, f.app.folder.file("b.js"));
}

void EditorTabTest::saveAsJsToAnUncreatableFileKeepsTheFilteredText() {
    EditorFixture f;
    const QString target = f.app.folder.file("missing/folder/x.js");
    f.app.fake.saveAnswers = {target};
    findControl<QAction>(f.tab, controls::SaveAsJs)->trigger();
    QCOMPARE(f.app.fake.noticeTexts(), QStringList{cannotCreateMessage(target)});
    QCOMPARE(f.lines(), QStringList(3, QString()));
}

void EditorTabTest::saveAsHtmlAndPrintTakeTheEditorText() {
    EditorFixture f;
    // A non-breaking space survives the round trip.
    f.memo->setPlainText(QStringLiteral("a\u00A0b\n\tc"));
    f.app.fake.saveAnswers = {f.app.folder.file("page")};
    findControl<QAction>(f.tab, controls::SaveAsHtml)->trigger();
    const FileDialogSpec& request = f.app.fake.fileQuestions.first().request;
    QCOMPARE(request.title, QStringLiteral("Save as HTML"));
    QCOMPARE(request.filters, QStringList{QStringLiteral("HTML File (*.html)")});
    // Not pure ASCII, so marked as UTF-8.
    QCOMPARE(readBytes(f.app.folder.file("page.html")), QByteArray("\xEF\xBB\xBF"
                                                                   "a\xC2\xA0"
                                                                   "b\r\n\tc\r\n"));
    findControl<QToolButton>(f.tab, controls::PrintButton)->click();
    QCOMPARE(f.app.fake.printed, QStringList{QStringLiteral("a\u00A0b\n\tc")});
}

void EditorTabTest::openReplacesTheDocument_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("CR LF") << QByteArray("a\r\n\r\nb\r\n") << QStringLiteral("a\n\nb\n");
    QTest::newRow("CR only") << QByteArray("a\rb\r") << QStringLiteral("a\nb\n");
    QTest::newRow("UTF-8 with BOM")
        << QByteArray("\xEF\xBB\xBFx = \"\xC3\xA9\";") << QStringLiteral("x = \"\u00E9\";");
    QTest::newRow("Windows-1252") << QByteArray("caf\xE9 \xA0\x80\n")
                                  << QStringLiteral("caf\u00E9 \u00A0\u20AC\n");
    QTest::newRow("bytes Windows-1252 leaves undefined")
        << QByteArray("\x81\x8D\x8F\x90\x9D\xE9")
        << QStringLiteral("\u0081\u008D\u008F\u0090\u009D\u00E9");
    QTest::newRow("binary") << QByteArray("\x00\x01\xFF\xFE\x00z", 6)
                            << QString::fromLatin1("\x00\x01\xFF\xFE\x00z", 6);
}

void EditorTabTest::openReplacesTheDocument() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    EditorFixture f;
    const QString path = f.app.folder.file("in.js");
    writeBytes(path, bytes);
    f.app.fake.openAnswers = {{path}};
    findControl<QToolButton>(f.tab, controls::OpenButton)->click();
    const FileDialogSpec& request = f.app.fake.fileQuestions.first().request;
    QCOMPARE(request.title, QStringLiteral("Open"));
    QCOMPARE(request.filters.size(), 3);
    QCOMPARE(request.filters.at(request.selectedFilter), QStringLiteral("All Files (*)"));
    QCOMPARE(f.tab->editorText(), text);
    QVERIFY(f.app.fake.notices.isEmpty());
}

void EditorTabTest::openRefusesWhatIsNotARegularFile() {
    EditorFixture f;
    const QString fifo = f.app.folder.file("pipe");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Each refusal says why.
    const std::pair<QString, QString> refused[] = {
        {fifo, "Not a regular file"},
        {f.app.folder.path(), "Is a directory"},
        {f.app.folder.file("missing.js"), "No such file or directory"},
        {"/dev/zero", "Not a regular file"}};
    for (const auto& [path, reason] : refused) {
        f.app.fake.openAnswers = {{path}};
        findControl<QToolButton>(f.tab, controls::OpenButton)->click();
        QCOMPARE(f.app.fake.lastNotice(), cannotOpenMessage(path, reason));
    }
    QCOMPARE(f.lines(), ScriptSkeleton);
}

void EditorTabTest::savesKeepTheEncodingTheFileWasReadIn_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFEx\0=\0\xe9\0\r\0\n\0", 12) << "UTF-16 LE";
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0x\0=\0\xe9\0\r\0\n", 12) << "UTF-16 BE";
    QTest::newRow("UTF-8 with mark")
        << QByteArray("\xEF\xBB\xBFx=\xc3\xa9\r\n") << "UTF-8 with byte-order mark";
}

// Open, then Save As JS and Save > As HTML write the file's own encoding.
void EditorTabTest::savesKeepTheEncodingTheFileWasReadIn() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    EditorFixture f;
    const QString script = f.app.folder.file("in.js");
    writeBytes(script, bytes);
    f.app.fake.openAnswers = {{script}};
    findControl<QToolButton>(f.tab, controls::OpenButton)->click();
    QCOMPARE(f.tab->editorText(), QStringLiteral("x=\u00e9\n"));
    QCOMPARE(
        findControl<QStatusBar>(f.mainWindow, main_window::controls::StatusBar)->currentMessage(),
        QString("Opened in.js (%1); saves keep this encoding").arg(encoding));
    f.app.fake.saveAnswers = {f.app.folder.file("out.js"), f.app.folder.file("out.html")};
    findControl<QAction>(f.tab, controls::SaveAsJs)->trigger();
    findControl<QAction>(f.tab, controls::SaveAsHtml)->trigger();
    QCOMPARE(readBytes(f.app.folder.file("out.js")), bytes);
    QCOMPARE(readBytes(f.app.folder.file("out.html")), bytes);
    // A new document is written as UTF-8 again.
    f.app.fake.confirmAnswers = {true};
    findControl<QToolButton>(f.tab, controls::NewButton)->click();
    f.app.fake.saveAnswers = {f.app.folder.file("new.js")};
    findControl<QAction>(f.tab, controls::SaveAsJs)->trigger();
    QCOMPARE(readBytes(f.app.folder.file("new.js")), QByteArray("\r\n\r\n\r\n"));
    QVERIFY(f.app.fake.notices.isEmpty());
}

void EditorTabTest::openRefusesWhatCannotBeEditedComfortably() {
    EditorFixture f;
    const QString huge = f.app.folder.file("huge.js");
    QFile file(huge);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(50 * 1024 * 1024));
    file.close();
    const QString minified = f.app.folder.file("min.js");
    writeBytes(minified, "a\n" + QByteArray(300 * 1024, 'x') + "\n");
    f.app.fake.openAnswers = {{huge}, {minified}};
    findControl<QToolButton>(f.tab, controls::OpenButton)->click();
    findControl<QToolButton>(f.tab, controls::OpenButton)->click();
    QCOMPARE(f.app.fake.notices.size(), 2);
    QVERIFY(f.app.fake.noticeTexts().at(0).startsWith("The file " + huge + " is too large"));
    QVERIFY(
        f.app.fake.noticeTexts().at(1).startsWith("The file " + minified + " has lines longer"));
    QCOMPARE(f.lines(), ScriptSkeleton);
    // A long line that still fits is opened.
    writeBytes(minified, QByteArray(100 * 1024, 'x'));
    f.app.fake.openAnswers = {{minified}};
    findControl<QToolButton>(f.tab, controls::OpenButton)->click();
    QCOMPARE(f.memo->toPlainText().size(), 100 * 1024);
}

void EditorTabTest::findOpensOnTheFocusedTextControl() {
    EditorFixture f;
    f.viewEditor();
    f.mainWindow->activateWindow();
    f.memo->setFocus();
    f.setMarkedText("alert(1);\n[alert]\n");
    QTest::keyClick(f.memo, Qt::Key_F, Qt::ControlModifier);
    auto* find = f.mainWindow->findChild<FindDialog*>();
    QVERIFY(find && find->isVisible());
    // It searches the editor for the selected word: from the top, the first one.
    f.memo->moveCursor(QTextCursor::Start);
    QVERIFY(find->findNext());
    QCOMPARE(f.memo->textCursor().selectionStart(), 0);
    QCOMPARE(f.memo->textCursor().selectedText(), QStringLiteral("alert"));
    // Nothing to search in an empty editor.
    find->hide();
    f.memo->clear();
    f.mainWindow->activateWindow();
    f.memo->setFocus();
    QTRY_COMPARE(QApplication::activeWindow(), f.mainWindow);
    QTest::keyClick(f.memo, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(!find->isVisible());
}

QTEST_MAIN(EditorTabTest)
#include "editor_tab_test.moc"
