#include "app/application_windows.h"
#include "app/main_window.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

// Every command that clears or regenerates a pane leaves one undo step:
// Ctrl+Z in the pane brings back exactly the text the user had.
class PaneUndoTest : public QObject {
    Q_OBJECT
private slots:
    void commandsThatReplaceAPaneCanBeUndone_data() {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("fieldText");

        const struct {
            const char* row;
            const char* sheet;
            const char* pane;
            const char* command;
            const char* field = "";
            const char* fieldText = "";
        } rows[] = {
            {"dropdown make code", "TabSheet1", "Memo3", "BitBtn7"},
            {"dropdown clear code", "TabSheet1", "Memo3", "BitBtn8"},
            {"dropdown new", "TabSheet1", "Memo3", "ToolButton4"},
            {"popup make code", "TabSheet2", "Memo4", "BitBtn10", "Edit6", "page.html"},
            {"popup clear code", "TabSheet2", "Memo4", "BitBtn9"},
            {"mouseover clear code", "TabSheet3", "Memo8", "BitBtn13"},
            {"mouseover end code", "TabSheet3", "Memo8", "BitBtn16"},
            {"mouseover new, body", "TabSheet3", "Memo8", "ToolButton32"},
            {"mouseover new, head", "TabSheet3", "Memo6", "ToolButton32"},
            {"slideshow make code", "TabSheet4", "Memo19", "BitBtn32", "Edit23", "a.jpg"},
            {"slideshow clear code", "TabSheet4", "Memo19", "BitBtn28"},
            {"slideshow new", "TabSheet4", "Memo19", "ToolButton49"},
            {"editor new", "TabSheet5", "Memo21", "ToolButton63"},
        };
        for (const auto& r : rows)
            QTest::newRow(r.row) << r.sheet << r.pane << r.command << r.field << r.fieldText;
    }

    void commandsThatReplaceAPaneCanBeUndone() {
        QFETCH(QString, sheet);
        QFETCH(QString, pane);
        QFETCH(QString, command);
        QFETCH(QString, field);
        QFETCH(QString, fieldText);

        ProgramFolder folder;
        FakeDesktop fake;
        fake.openAnswers << QStringList{QStringLiteral("/pics/a.jpg")};
        ApplicationWindows windows;
        windows.mainWindow->buildEveryTab();
        QWidget* tab = findControl<QWidget>(windows.mainWindow.get(), sheet);
        if (sheet == QLatin1String("TabSheet4"))
            findControl<QAbstractButton>(tab, QStringLiteral("BitBtn33"))->click();
        if (!field.isEmpty())
            findControl<QLineEdit>(tab, field)->setText(fieldText);
        auto* memo = findControl<QPlainTextEdit>(tab, pane);

        // The user's own code, typed into the pane after what was there.
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, QStringLiteral("// kept by hand"));
        const QString typed = memo->toPlainText();
        QVERIFY(typed.contains(QLatin1String("// kept by hand")));

        findControl<QAbstractButton>(tab, command)->click();
        QVERIFY2(memo->toPlainText() != typed, "the command left the pane as it was");
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(memo->toPlainText(), typed);
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(memo->toPlainText() != typed);
    }
};

QTEST_MAIN(PaneUndoTest)
#include "pane_undo_test.moc"
