#include "makers/mouseover/mouseover_controls.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/mouseover/mouseover_tab.h"
#include "support/find_control.h"
#include "support/keyboard_access.h"
#include "support/tab_fixture.h"
#include "support/test_files.h"
#include "widgets/background_save.h"
#include "widgets/output_commands.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace mouseover::controls;
using namespace mouseover::fields;

namespace {

const QString EmptyPage = QStringLiteral("<html>\n"
                                         "<head><title></title>\n"
                                         "<script type=\"text/javascript\">\n"
                                         "<!--\n"
                                         "function MouseOver(image,status,mous){\n"
                                         " document.images[mous].src=image;\n"
                                         " window.status=status;\n"
                                         "}\n"
                                         "\n"
                                         "function MouseOut(image,status,mous){\n"
                                         " document.images[mous].src=image;\n"
                                         " window.status=status;\n"
                                         "}\n"
                                         "\n"
                                         "//-->\n"
                                         "</script>\n"
                                         "</head>\n"
                                         "<body>\n");

const QString HeadLines = QStringLiteral("<html>\n"
                                         "<head><title></title>\n"
                                         "<script type=\"text/javascript\">\n"
                                         "<!--\n");

const QString PreloadWarning = QStringLiteral("It is recommended that you preload your images. "
                                              "Failure to do so may lead to a delay in the "
                                              "mouseover effect.");

// The link line of button `n` whose images are `a<n>.gif` and `b<n>.gif`,
// as addButton() below fills the fields.
QString linkLine(int n) {
    const QString a = QStringLiteral("a%1.gif").arg(n);
    const QString b = QStringLiteral("b%1.gif").arg(n);
    const QString name = QStringLiteral("mouse%1").arg(n);
    return QStringLiteral("<a href=\"page%1.html\" onMouseOver=\"MouseOver('%2','Status %1','%4'); "
                          "return true;\" onMouseOut=\"MouseOut('%3','','%4'); return true;\">"
                          "<img src=\"%3\" name=\"%4\" alt=\"Alt %1\"></a>")
        .arg(n)
        .arg(b, a, name);
}

QString preloadLines(int firstObject, int button) {
    return QStringLiteral("Image%1=new Image();\nImage%1.src=\"a%3.gif\";\n"
                          "Image%2=new Image();\nImage%2.src=\"b%3.gif\";\n")
        .arg(firstObject)
        .arg(firstObject + 1)
        .arg(button);
}

} // namespace

class MouseOverTabTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TabFixture<MouseOverTab>> f;

    QLineEdit* field(const char* name) { return findControl<QLineEdit>(f->tab, name); }
    QPushButton* button(const char* name) { return findControl<QPushButton>(f->tab, name); }
    QString pane(const char* name) {
        return OutputCommands::paneText(*findControl<QPlainTextEdit>(f->tab, name));
    }

    // Types the fields of button `n` the way a user would and presses Add Image.
    void addButton(int n) {
        QTest::keyClicks(field(InitialImage), QStringLiteral("a%1.gif").arg(n));
        QTest::keyClicks(field(MouseOverImage), QStringLiteral("b%1.gif").arg(n));
        QTest::keyClicks(field(StatusText), QStringLiteral("Status %1").arg(n));
        QTest::keyClicks(field(AlternateText), QStringLiteral("Alt %1").arg(n));
        QTest::keyClicks(field(Url), QStringLiteral("page%1.html").arg(n));
        QVERIFY(button(AddImage)->isEnabled());
        QTest::mouseClick(button(AddImage), Qt::LeftButton);
    }

    QString copiedPage() {
        QTest::mouseClick(button(CopyCode), Qt::LeftButton);
        return QApplication::clipboard()->text();
    }

    void showTab() {
        f->tab.show();
        QVERIFY(QTest::qWaitForWindowActive(&f->tab));
    }

    void setPreload(bool on) { findControl<QCheckBox>(f->tab, PreloadImages)->setChecked(on); }

private slots:
    void init() {
        f = std::make_unique<TabFixture<MouseOverTab>>();
        f->tab.resize(610, 360);
    }

    void cleanup() { f.reset(); }

    void startsAsAnEmptyEighteenLinePage() {
        QCOMPARE(pane(HeadPane), HeadLines);
        QVERIFY(findControl<QPlainTextEdit>(f->tab, ScriptPane)->isReadOnly());
        QCOMPARE(pane(BodyPane), QString());
        QCOMPARE(pane(PagePane), QString());

        QCOMPARE(copiedPage(), EmptyPage);
        QCOMPARE(pane(PagePane), EmptyPage);
        QCOMPARE(EmptyPage.count('\n'), 18);

        QVERIFY(findControl<QCheckBox>(f->tab, PreloadImages)->isChecked());
        QVERIFY(!findControl<QCheckBox>(f->tab, ImageBorder)->isChecked());
        QCOMPARE(findControl<QLabel>(f->tab, BorderColourLabel)->text(), QString("#FFFFFF"));
        QCOMPARE(findControl<QComboBox>(f->tab, BorderType)->currentText(), QString("Solid"));
        QCOMPARE(findControl<QComboBox>(f->tab, BorderType)->count(), 8);
        QCOMPARE(findControl<QComboBox>(f->tab, BorderSize)->currentText(), QString("0"));
        QCOMPARE(findControl<QComboBox>(f->tab, BorderSize)->itemText(25), QString("25"));
        QCOMPARE(findControl<QComboBox>(f->tab, BorderSize)->count(), 26);
        QVERIFY(findControl<QRadioButton>(f->tab, Horizontal)->isChecked());
        QVERIFY(!button(AddImage)->isEnabled());
        QVERIFY(f->fake.notices.isEmpty());
    }

    void oneVerticalButtonAndEndCodeMakeTheWholePage() {
        showTab();
        findControl<QRadioButton>(f->tab, Vertical)->setChecked(true);
        addButton(1);

        // The fields are ready for the next button.
        for (const char* name : {InitialImage, MouseOverImage, StatusText, AlternateText, Url})
            QVERIFY2(field(name)->text().isEmpty(), name);
        QVERIFY(!button(AddImage)->isEnabled());
        QVERIFY(field(InitialImage)->hasFocus());

        QTest::mouseClick(button(EndCode), Qt::LeftButton);
        const QString page = copiedPage();
        QCOMPARE(page, HeadLines + preloadLines(1, 1) + EmptyPage.mid(HeadLines.size()) +
                           linkLine(1) + "\n<br>\n</body>\n</html>\n");
        QCOMPARE(page.count('\n'), 26);
    }

    void preloadingOnAndOffKeepsBothCounters() {
        addButton(1);
        setPreload(false);
        addButton(2);
        setPreload(true);
        addButton(3);
        findControl<QRadioButton>(f->tab, Vertical)->setChecked(true);
        addButton(4);

        QCOMPARE(f->fake.noticeTexts(), QStringList{PreloadWarning});
        QCOMPARE(f->fake.notices.first().kind, NoticeKind::Warning);
        QCOMPARE(pane(HeadPane),
                 HeadLines + preloadLines(1, 1) + preloadLines(3, 3) + preloadLines(5, 4));
        QCOMPARE(pane(BodyPane), linkLine(1) + '\n' + linkLine(2) + '\n' + linkLine(3) + '\n' +
                                     linkLine(4) + "\n<br>\n");
    }

    void clearCodeEmptiesOnlyTheBody() {
        addButton(1);
        addButton(2);
        addButton(3);
        const QString head = pane(HeadPane);
        copiedPage();
        const QString assembled = pane(PagePane);

        f->fake.confirmAnswers = {false};
        QTest::mouseClick(button(ClearCode), Qt::LeftButton);
        QCOMPARE(pane(BodyPane).count('\n'), 3);

        QTest::mouseClick(button(ClearCode), Qt::LeftButton);
        QCOMPARE(f->fake.confirmations.value(1),
                 QString("This will delete all your mouseover images code but not the preload "
                         "code. Are you sure you want to continue?"));
        QCOMPARE(pane(BodyPane), QString());
        QCOMPARE(pane(HeadPane), head);
        QCOMPARE(pane(PagePane), assembled);

        addButton(4);
        QCOMPARE(pane(HeadPane), head + preloadLines(7, 4));
        QCOMPARE(pane(BodyPane), linkLine(4) + '\n');
    }

    void endCodeAppendsTheClosingLinesEveryTime() {
        f->fake.confirmAnswers = {false};
        QTest::mouseClick(button(EndCode), Qt::LeftButton);
        QCOMPARE(pane(BodyPane), QString());
        QCOMPARE(f->fake.confirmations.value(0),
                 QString("This will insert the closing BODY and HTML tags. Only click OK if you "
                         "have added all your needed MouseOver buttons. Continue?"));

        addButton(1);
        QTest::mouseClick(button(EndCode), Qt::LeftButton);
        QTest::mouseClick(button(EndCode), Qt::LeftButton);
        addButton(2);
        QCOMPARE(pane(BodyPane),
                 linkLine(1) + "\n</body>\n</html>\n</body>\n</html>\n" + linkLine(2) + '\n');
    }

    void newStartsAFreshDocumentButKeepsTheSavedPage() {
        const QString saved = f->folder.file("buttons.html");
        f->fake.saveAnswers = {saved};
        f->fake.colourAnswers = {QColor(10, 171, 205)};
        findControl<QCheckBox>(f->tab, ImageBorder)->setChecked(true);
        QTest::mouseClick(button(BorderColourButton), Qt::LeftButton);
        findControl<QComboBox>(f->tab, BorderType)->setCurrentIndex(3);
        findControl<QComboBox>(f->tab, BorderSize)->setCurrentIndex(12);
        findControl<QRadioButton>(f->tab, Vertical)->setChecked(true);
        addButton(1);
        setPreload(false);
        addButton(2);
        QTest::keyClicks(field(InitialImage), "left over");
        findControl<QToolButton>(f->tab, SaveButton)->click();
        QCOMPARE(f->tab.savedFlag(), QString("Yes"));
        const QStringList beforeNew = {pane(HeadPane), pane(BodyPane), pane(PagePane)};

        f->fake.confirmAnswers = {false};
        findControl<QToolButton>(f->tab, NewButton)->click();
        QCOMPARE((QStringList{pane(HeadPane), pane(BodyPane), pane(PagePane)}), beforeNew);
        QCOMPARE(field(InitialImage)->text(), QString("left over"));

        findControl<QToolButton>(f->tab, NewButton)->click();
        QCOMPARE(f->fake.confirmations.last(),
                 QString("Are you sure you want to erase all fields and start a new document?"));
        QCOMPARE(pane(HeadPane), HeadLines);
        QCOMPARE(pane(ScriptPane), EmptyPage.mid(HeadLines.size()));
        QCOMPARE(pane(BodyPane), QString());
        QCOMPARE(pane(PagePane), QString());
        QVERIFY(findControl<QCheckBox>(f->tab, PreloadImages)->isChecked());
        QCOMPARE(f->fake.notices.size(), 1); // only the warning of switching preloading off
        QVERIFY(!findControl<QCheckBox>(f->tab, ImageBorder)->isChecked());
        QVERIFY(!findControl<QComboBox>(f->tab, BorderType)->isEnabled());
        QCOMPARE(findControl<QLabel>(f->tab, BorderColourLabel)->text(), QString("#FFFFFF"));
        QCOMPARE(findControl<QComboBox>(f->tab, BorderType)->currentText(), QString("Solid"));
        QCOMPARE(findControl<QComboBox>(f->tab, BorderSize)->currentText(), QString("0"));
        QVERIFY(findControl<QRadioButton>(f->tab, Horizontal)->isChecked());
        QVERIFY(field(InitialImage)->text().isEmpty());
        QVERIFY(!button(AddImage)->isEnabled());

        addButton(1);
        QCOMPARE(pane(HeadPane), HeadLines + preloadLines(1, 1));
        QCOMPARE(pane(BodyPane), linkLine(1) + '\n');

        // The saved page outlives New; the colour dialog opens on the restored colour.
        QCOMPARE(f->tab.savedFlag(), QString("Yes"));
        QCOMPARE(f->tab.savedPagePath(), saved);
        findControl<QToolButton>(f->tab, OptionsButton)->click();
        QCOMPARE(f->fake.opened.value(0), QUrl::fromLocalFile(saved));
        findControl<QCheckBox>(f->tab, ImageBorder)->setChecked(true);
        QTest::mouseClick(button(BorderColourButton), Qt::LeftButton);
        QCOMPARE(f->fake.colourStarts.last(), QColor(Qt::white));
        QCOMPARE(findControl<QLabel>(f->tab, BorderColourLabel)->text(), QString("#FFFFFF"));
    }

    void addImageNeedsThreeCharactersInBothImageFields() {
        showTab();
        QPushButton* add = button(AddImage);
        QTest::keyClicks(field(InitialImage), "ab");
        QTest::keyClicks(field(MouseOverImage), "abc");
        QVERIFY(!add->isEnabled());
        field(MouseOverImage)->setFocus();
        QTest::keyClick(field(MouseOverImage), Qt::Key_Return);
        QCOMPARE(pane(BodyPane), QString());

        QTest::keyClicks(field(InitialImage), "c");
        QVERIFY(add->isEnabled());
        QTest::keyClick(field(MouseOverImage), Qt::Key_Backspace);
        QVERIFY(!add->isEnabled());
        QTest::keyClicks(field(MouseOverImage), "d");
        QVERIFY(add->isEnabled());

        // Enter in a field presses the tab's default button.
        field(AlternateText)->setFocus();
        QTest::keyClick(field(AlternateText), Qt::Key_Return);
        QCOMPARE(pane(BodyPane).count("name=\"mouse1\""), 1);
        QVERIFY(!add->isEnabled());

        QTest::keyClicks(field(InitialImage), "one");
        QTest::keyClicks(field(MouseOverImage), "two");
        QTest::keyClicks(field(Url), "url");
        QTest::mouseClick(button(Reset), Qt::LeftButton);
        for (const char* name : {InitialImage, MouseOverImage, StatusText, AlternateText, Url})
            QVERIFY2(field(name)->text().isEmpty(), name);
        QVERIFY(!add->isEnabled());
        QCOMPARE(pane(BodyPane).count('\n'), 1);
    }

    void borderControlsFollowImageBorder() {
        QList<QWidget*> border = {
            findControl<QLabel>(f->tab, BorderColourLabel), button(BorderColourButton),
            findControl<QComboBox>(f->tab, BorderType), findControl<QComboBox>(f->tab, BorderSize)};
        for (QLabel* label : f->tab.findChildren<QLabel*>())
            if (QStringList{"Border Color:", "Border Type:", "Size:"}.contains(label->text()))
                border << label;
        QCOMPARE(border.size(), 7);
        QWidget* swatch = findControl<QWidget>(f->tab, BorderSwatch);

        for (QWidget* widget : border)
            QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
        findControl<QCheckBox>(f->tab, ImageBorder)->setChecked(true);
        for (QWidget* widget : border)
            QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
        QVERIFY(!swatch->isEnabled());

        // Cancel leaves the colour as it was.
        QTest::mouseClick(button(BorderColourButton), Qt::LeftButton);
        QCOMPARE(findControl<QLabel>(f->tab, BorderColourLabel)->text(), QString("#FFFFFF"));
        f->fake.colourAnswers = {QColor(0xab, 0x0c, 0xde)};
        QTest::mouseClick(button(BorderColourButton), Qt::LeftButton);
        QCOMPARE(swatch->palette().color(QPalette::Window), QColor(0xab, 0x0c, 0xde));
        findControl<QComboBox>(f->tab, BorderType)->setCurrentIndex(7);
        findControl<QComboBox>(f->tab, BorderSize)->setCurrentIndex(25);
        addButton(1);
        QVERIFY(pane(BodyPane).endsWith(
            "alt=\"Alt 1\" "
            "style=\"border-color:#AB0CDE;border-style:Outset;border-width:25px\">"
            "</a>\n"));

        findControl<QCheckBox>(f->tab, ImageBorder)->setChecked(false);
        for (QWidget* widget : border)
            QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
        QCOMPARE(findControl<QLabel>(f->tab, BorderColourLabel)->text(), QString("#AB0CDE"));
        QCOMPARE(findControl<QComboBox>(f->tab, BorderType)->currentText(), QString("Outset"));
    }

    // A pane's last line stays a line of its own, whether or not the user
    // ended it; lines are only ever appended whole.
    void panesWithoutAFinalLineBreak() {
        auto* head = findControl<QPlainTextEdit>(f->tab, HeadPane);
        auto* body = findControl<QPlainTextEdit>(f->tab, BodyPane);
        head->setPlainText("<html><head>");
        body->setPlainText("<p>intro</p>");
        QCOMPARE(copiedPage(),
                 "<html><head>\n" + EmptyPage.mid(HeadLines.size()) + "<p>intro</p>\n");

        addButton(1);
        QCOMPARE(head->toPlainText(), "<html><head>\n" + preloadLines(1, 1));
        QCOMPARE(body->toPlainText(), "<p>intro</p>\n" + linkLine(1) + '\n');
    }

    // Non-breaking spaces and all reach the file and the printer unchanged.
    void savePrintAndPreviewUseTheAssembledPage() {
        findControl<QPlainTextEdit>(f->tab, BodyPane)->setPlainText("typed\u00A0by hand\n");
        QToolButton* saveAs = findControl<QToolButton>(f->tab, SaveButton);
        QToolButton* options = findControl<QToolButton>(f->tab, OptionsButton);

        options->click();
        QCOMPARE(f->fake.lastNotice(),
                 QString("Please save in HTML format first before previewing!"));

        // A cancelled dialog still leaves the page assembled.
        saveAs->click();
        QCOMPARE(pane(PagePane), EmptyPage + "typed\u00A0by hand\n");
        QCOMPARE(f->fake.fileQuestions.value(0).request.title, QString("Save as HTML"));
        QCOMPARE(f->tab.savedFlag(), QString("No"));

        const QString text = f->folder.file("page.txt");
        f->fake.saveAnswers = {text};
        findControl<QPlainTextEdit>(f->tab, BodyPane)->setPlainText("typed\u00A0by hand\nmore\n");
        findControl<QAction>(f->tab, SaveAsText)->trigger();
        QByteArray expected = (EmptyPage + "typed\u00A0by hand\nmore\n").toUtf8();
        expected.replace("\n", "\r\n");
        QCOMPARE(readBytes(text), expected);
        QCOMPARE(f->fake.fileQuestions.value(1).request.title, QString("Save as TeXT"));
        QCOMPARE(f->tab.savedFlag(), QString("No"));

        const QString html = f->folder.file("page.html");
        f->fake.saveAnswers = {html};
        findControl<QAction>(f->tab, SaveAsHtml)->trigger();
        // The non-breaking space makes the page non-ASCII: it is marked as UTF-8.
        QCOMPARE(readBytes(html), "\xEF\xBB\xBF" + expected);
        QCOMPARE(f->tab.savedPagePath(), html);
        findControl<QAction>(f->tab, Preview)->trigger();
        QCOMPARE(f->fake.opened, QList<QUrl>{QUrl::fromLocalFile(html)});

        findControl<QPlainTextEdit>(f->tab, HeadPane)->setPlainText("<html>\n");
        findControl<QToolButton>(f->tab, PrintButton)->click();
        QCOMPARE(f->fake.printed, QStringList{"<html>\n" + EmptyPage.mid(HeadLines.size()) +
                                              "typed\u00A0by hand\nmore\n"});
    }

    // A page too large to fill a pane at once goes from the three panes to
    // the save thread and the clipboard, byte for byte as a small one does.
    void aLargePageIsTakenFromThePanes() {
        const QString body = QStringLiteral("<p>caf\u00e9\u00A0au lait</p>\n")
                                 .repeated(BackgroundSaveChars / 20 + 1);
        findControl<QPlainTextEdit>(f->tab, BodyPane)->setPlainText(body);
        const QString html = f->folder.file("large.html");
        f->fake.saveAnswers = {html};
        findControl<QAction>(f->tab, SaveAsHtml)->trigger();
        QCOMPARE(f->tab.savedFlag(), QString("No"));
        finishSaves();
        QCOMPARE(readBytes(html), htmlFileBytes(EmptyPage + body));
        QCOMPARE(f->tab.savedFlag(), QString("Yes"));
        QCOMPARE(pane(PagePane), QString());
        QCOMPARE(copiedPage(), EmptyPage + body);
    }

    // Every setting comes back as applied, and the enabling rules follow.
    void appliedSettingsReadBack() {
        MouseOverSettings changed;
        changed.preloadImages = false;
        changed.imageBorder = true;
        changed.borderColour = "#0AABCD";
        changed.borderType = "Groove";
        changed.borderSize = "7";
        changed.vertical = true;
        changed.initialImage = "in.gif";
        changed.mouseOverImage = "over.gif";
        changed.statusText = "status";
        changed.alternateText = "alt";
        changed.url = "page.html";
        f->tab.applySettings(changed);
        QVERIFY(f->tab.settings() == changed);
        QVERIFY(findControl<QComboBox>(f->tab, BorderType)->isEnabled());
        QVERIFY(button(AddImage)->isEnabled());
        QCOMPARE(f->fake.noticeTexts(), QStringList{PreloadWarning});
        f->tab.applySettings(MouseOverSettings());
        QVERIFY(f->tab.settings() == MouseOverSettings());
        QVERIFY(!findControl<QComboBox>(f->tab, BorderType)->isEnabled());
    }

    // Each control a screen reader meets says what it is, and Tab follows
    // the reading order: settings, then panes and their buttons.
    void controlsAreNamedAndInReadingOrder() {
        const QStringList order = {PreloadImages,  ImageBorder, BorderColourButton, BorderType,
                                   BorderSize,     Horizontal,  Vertical,           InitialImage,
                                   MouseOverImage, StatusText,  AlternateText,      Url,
                                   AddImage,       Reset,       HeadPane,           ScriptPane,
                                   BodyPane,       CopyCode,    ClearCode,          EndCode};
        QStringList names;
        for (const QString& name : order) {
            names << spokenName(findControl<QWidget>(f->tab, name));
            QVERIFY2(names.last().size() > 3, qPrintable(name));
        }
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        for (qsizetype i = 1; i < order.size(); ++i) {
            QWidget* next = findControl<QWidget>(f->tab, order.at(i - 1))->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus)
                next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), order.at(i));
        }
    }

    // Thousands of buttons keep exact numbering (speed: bench/mouseover_bench).
    void manyButtonsAreNumberedInOrder() {
        const int count = 1500;
        for (int n = 1; n <= count; ++n) {
            field(InitialImage)->setText(QStringLiteral("a%1.gif").arg(n));
            field(MouseOverImage)->setText(QStringLiteral("b%1.gif").arg(n));
            field(StatusText)->setText(QStringLiteral("Status %1").arg(n));
            field(AlternateText)->setText(QStringLiteral("Alt %1").arg(n));
            field(Url)->setText(QStringLiteral("page%1.html").arg(n));
            button(AddImage)->click();
        }
        const QStringList head = pane(HeadPane).split('\n');
        const QStringList body = pane(BodyPane).split('\n');
        QCOMPARE(head.size(), 4 + 4 * count + 1);
        QCOMPARE(body.size(), count + 1);
        for (int n = 1; n <= count; n += 499) {
            QCOMPARE(body.at(n - 1), linkLine(n));
            QCOMPARE(head.mid(4 * n, 4).join('\n') + '\n', preloadLines(2 * n - 1, n));
        }
        QCOMPARE(body.at(count - 1), linkLine(count));
    }
};

QTEST_MAIN(MouseOverTabTest)
#include "mouseover_tab_test.moc"
