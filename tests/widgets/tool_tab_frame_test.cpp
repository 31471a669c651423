#include "support/fake_desktop.h"
#include "widgets/edit_actions.h"
#include "widgets/file_requests.h"
#include "widgets/output_commands.h"
#include "widgets/tab_context.h"
#include "widgets/tool_tab_frame.h"

#include <QAction>
#include <QDir>
#include <QLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

ToolBarRow barRow(bool saveOnPlainClick, bool optionsOnPlainClick) {
    return {.bar = "Bar",
            .newButton = "New",
            .saveButton = "Save",
            .saveAs = {saveAsHtmlEntry("AsHTML"), saveAsTextEntry("AsText")},
            .saveOnPlainClick = saveOnPlainClick,
            .printButton = "Print",
            .optionsButton = "Options",
            .options = {previewEntry("Preview", "temp.html")},
            .optionsOnPlainClick = optionsOnPlainClick,
            .helpButton = "Help",
            .helpEntry = "HelpEntry",
            .aboutEntry = "AboutEntry",
            .helpPage = 1};
}

const CodeAreaRow CodeRow = {.pane = "Pane",
                             .buttons = {{"Make", "&Make Code", "Generate HTML Code"},
                                         copyCodeButton("Copy", "C&opy to Clipboard"),
                                         clearCodeButton("Clear")}};

// A tab with the frame built from the rows and connected to its commands.
struct FramedTab {
    FramedTab(const ToolBarRow& row, EditActions* editActions = nullptr) {
        frame.buildToolBar(
            row, TabContext{ProgramFolders::portable(QDir::tempPath()), editActions, {}}, &tab);
        auto* layout = new QVBoxLayout(&tab);
        layout->addWidget(frame.bar);
        layout->addWidget(frame.buildCodeArea(CodeRow, &tab));
        OutputSetup setup;
        setup.pane = frame.pane;
        setup.htmlDialog = htmlSaveRequest(QStringLiteral("HtmlDialog"));
        setup.textDialog = textSaveRequest(QStringLiteral("TextDialog"));
        output = new OutputCommands(std::move(setup), QDir::tempPath(), &tab);
        frame.connectTo(output);
        frame.pane->setPlainText(QStringLiteral("<p>page</p>\n"));
    }

    QWidget tab;
    ToolTabFrame frame;
    OutputCommands* output;
};

} // namespace

class ToolTabFrameTest final : public QObject {
    Q_OBJECT
private slots:
    void plainClicksRunTheFirstEntryOnlyWhenTheRowSaysSo_data() {
        QTest::addColumn<bool>("saveOnPlainClick");
        QTest::addColumn<bool>("optionsOnPlainClick");
        QTest::newRow("neither") << false << false;
        QTest::newRow("save") << true << false;
        QTest::newRow("options") << false << true;
    }

    void plainClicksRunTheFirstEntryOnlyWhenTheRowSaysSo() {
        QFETCH(bool, saveOnPlainClick);
        QFETCH(bool, optionsOnPlainClick);
        FakeDesktop fake;
        FramedTab framed(barRow(saveOnPlainClick, optionsOnPlainClick));

        framed.frame.saveButton->click();
        QCOMPARE(fake.fileQuestions.size(), saveOnPlainClick ? 1 : 0);
        framed.frame.optionsButton->click();
        QCOMPARE(fake.notices.size(), optionsOnPlainClick ? 1 : 0);

        // The menu entries always run their commands.
        framed.frame.saveAs.at(1)->trigger();
        QCOMPARE(fake.fileQuestions.last().request.name, QStringLiteral("TextDialog"));
        framed.frame.options.at(0)->trigger();
        QCOMPARE(fake.notices.size(), optionsOnPlainClick ? 2 : 1);
        QCOMPARE(framed.frame.options.at(0)->statusTip(), QStringLiteral("temp.html"));
    }

    void codeButtonsActOnThePaneByTheirCommand() {
        FakeDesktop fake;
        FramedTab framed(barRow(false, false));
        QCOMPARE(framed.frame.pane->objectName(), QStringLiteral("Pane"));
        QCOMPARE(framed.frame.codeButtons.size(), 3);

        framed.frame.printButton->click();
        QCOMPARE(fake.printed, QStringList{QStringLiteral("<p>page</p>\n")});
        // A button without a command is the tab's to connect.
        framed.frame.codeButtons.at(0)->click();
        QCOMPARE(framed.frame.pane->toPlainText(), QStringLiteral("<p>page</p>\n"));
        QCOMPARE(framed.frame.codeButtons.at(0)->toolTip(), QStringLiteral("Generate HTML Code"));
        framed.frame.codeButtons.at(2)->click();
        QVERIFY(framed.frame.pane->toPlainText().isEmpty());
    }

    void editButtonsAndTogglesFollowTheRow() {
        FakeDesktop fake;
        ToolBarRow row = barRow(false, false);
        row.editButtonNames = {"Cut", "Copy", "Paste", "Undo", "Delete"};
        row.toggles = {{"Tags", "Tags", "Toggle Tag Inspector"}};
        row.helpMenu = "HelpMenu";
        row.flush = true;
        {
            // Without the shared edit actions there are no edit buttons.
            FramedTab bare(row);
            QVERIFY(bare.frame.editButtons.isEmpty());
        }
        QObject owner;
        EditActions actions(&owner);
        FramedTab framed(row, &actions);
        const QList<QToolButton*>& edits = framed.frame.editButtons;
        QCOMPARE(edits.size(), 5);
        QCOMPARE(edits.at(0)->objectName(), QStringLiteral("Cut"));
        QCOMPARE(edits.at(0)->defaultAction(), actions.cut);
        QCOMPARE(edits.at(4)->defaultAction(), actions.deleteSelection);
        QCOMPARE(edits.at(4)->objectName(), QStringLiteral("Delete"));
        QVERIFY(framed.frame.toggles.at(0)->isChecked());
        QCOMPARE(framed.frame.helpButton->menu()->objectName(), QStringLiteral("HelpMenu"));
        QCOMPARE(framed.frame.bar->layout()->spacing(), 0);
    }
};

QTEST_MAIN(ToolTabFrameTest)
#include "tool_tab_frame_test.moc"
