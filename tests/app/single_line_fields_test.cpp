#include "app/main_window.h"
#include "core/text_file.h"
#include "makers/dropdown/dropdown_fields.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"
#include "widgets/find_dialog.h"
#include "widgets/single_line_fields.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace {

// What a field shows: its objectName, or that of the combo or spin box
// it belongs to.
QString nameOf(const QLineEdit* field) {
    return field->objectName().isEmpty() ? field->parent()->objectName() : field->objectName();
}

} // namespace

class SingleLineFieldsTest final : public QObject {
    Q_OBJECT

private slots:
    // Every single-line field of every window takes a long paste in full and
    // drops its line breaks; a spin box refuses text that is not a number.
    void everyFieldTakesALongPasteInFullWithoutLineBreaks() {
        WindowFixture app;
        FindDialog find;
        QList<QLineEdit*> fields = app.window()->findChildren<QLineEdit*>();
        fields += find.findChildren<QLineEdit*>();
        QVERIFY(fields.size() > 20);

        const QString half(50000, QLatin1Char('x'));
        QApplication::clipboard()->setText(half + QStringLiteral("\r\n") + half + "\n");
        int spinBoxes = 0;
        for (QLineEdit* field : std::as_const(fields)) {
            const bool spinBox = qobject_cast<QAbstractSpinBox*>(field->parent());
            spinBoxes += spinBox;
            field->selectAll();
            const QString before = field->text();
            field->paste();
            QCOMPARE(field->text().size(), spinBox ? before.size() : 100000);
            QVERIFY2(spinBox || field->text() == half + half, qPrintable(nameOf(field)));
        }
        QVERIFY(spinBoxes > 0);
        QVERIFY(app.fake.notices.isEmpty());
    }

    // Beyond the longest line a text control takes, the paste is refused
    // with a notice that names the limit; the field keeps its text.
    void aPasteBeyondTheLimitIsRefusedWithANotice() {
        WindowFixture app(WindowFixture::Tabs::AsStarted);
        for (const char* name : {dropdown::fields::ItemName, dropdown::fields::Font}) {
            QLineEdit* field = lineEditOf(findControl<QWidget>(app.window(), name));
            field->setText(QStringLiteral("kept"));
            field->setCursorPosition(2);
            QApplication::clipboard()->setText(QString(MaxLineLength, QLatin1Char('y')));
            field->paste();
            QCOMPARE(field->text(), QStringLiteral("kept"));
        }
        QTRY_COMPARE(app.fake.noticeTexts(),
                     QStringList(2, QStringLiteral("The text is too long for this field "
                                                   "(262148 characters; at most 262144).")));
        QCOMPARE(app.fake.notices.first().kind, NoticeKind::Warning);
    }
};

QTEST_MAIN(SingleLineFieldsTest)
#include "single_line_fields_test.moc"
