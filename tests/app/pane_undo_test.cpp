#include "app/main_window.h"
#include "editor/editor_controls.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/mouseover/mouseover_controls.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/popup/popup_controls.h"
#include "makers/popup/popup_fields.h"
#include "makers/slideshow/slideshow_controls.h"
#include "makers/slideshow/slideshow_fields.h"
#include "support/find_control.h"
#include "support/window_fixture.h"

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
            {"dropdown make code", dropdown::controls::Tab, dropdown::fields::Code,
             dropdown::controls::MakeCode},
            {"dropdown clear code", dropdown::controls::Tab, dropdown::fields::Code,
             dropdown::controls::ClearCode},
            {"dropdown new", dropdown::controls::Tab, dropdown::fields::Code,
             dropdown::controls::NewButton},
            {"popup make code", popup::controls::Tab, popup::fields::Code,
             popup::controls::MakeCode, popup::fields::Url, "page.html"},
            {"popup clear code", popup::controls::Tab, popup::fields::Code,
             popup::controls::ClearCode},
            {"mouseover clear code", mouseover::controls::Tab, mouseover::fields::BodyPane,
             mouseover::controls::ClearCode},
            {"mouseover end code", mouseover::controls::Tab, mouseover::fields::BodyPane,
             mouseover::controls::EndCode},
            {"mouseover new, body", mouseover::controls::Tab, mouseover::fields::BodyPane,
             mouseover::controls::NewButton},
            {"mouseover new, head", mouseover::controls::Tab, mouseover::fields::HeadPane,
             mouseover::controls::NewButton},
            {"slideshow make code", slideshow::controls::Tab, slideshow::fields::Code,
             slideshow::controls::MakeCode, slideshow::fields::InitialImage, "a.jpg"},
            {"slideshow clear code", slideshow::controls::Tab, slideshow::fields::Code,
             slideshow::controls::ClearCode},
            {"slideshow new", slideshow::controls::Tab, slideshow::fields::Code,
             slideshow::controls::NewButton},
            {"editor new", editor::controls::Tab, editor::controls::Editor,
             editor::controls::NewButton},
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

        WindowFixture app;
        app.fake.openAnswers << QStringList{QStringLiteral("/pics/a.jpg")};
        QWidget* tab = findControl<QWidget>(app.window(), sheet);
        if (sheet == QLatin1String(slideshow::controls::Tab))
            findControl<QAbstractButton>(tab, slideshow::controls::AddImages)->click();
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
