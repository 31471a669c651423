#include "makers/mouseover/mouseover_tab.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/keyboard_access.h"
#include "support/test_files.h"
#include "widgets/background_save.h"
#include "widgets/edit_actions.h"
#include "widgets/output_commands.h"
#include "widgets/tab_context.h"

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
    std::unique_ptr<FakeDesktop> fake;
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<EditActions> actions;
    std::unique_ptr<MouseOverTab> tab;

    QLineEdit* field(const char* name) { return findControl<QLineEdit>(*tab, name); }
    QPushButton* button(const char* name) { return findControl<QPushButton>(*tab, name); }
    QString pane(const char* name) {
        return OutputCommands::paneText(*findControl<QPlainTextEdit>(*tab, name));
    }

    // Types the fields of button `n` the way a user would and presses Add Image.
    void addButton(int n) {
        QTest::keyClicks(field("Edit10"), QStringLiteral("a%1.gif").arg(n));
        QTest::keyClicks(field("Edit11"), QStringLiteral("b%1.gif").arg(n));
        QTest::keyClicks(field("Edit12"), QStringLiteral("Status %1").arg(n));
        QTest::keyClicks(field("Edit13"), QStringLiteral("Alt %1").arg(n));
        QTest::keyClicks(field("Edit14"), QStringLiteral("page%1.html").arg(n));
        QVERIFY(button("BitBtn14")->isEnabled());
        QTest::mouseClick(button("BitBtn14"), Qt::LeftButton);
    }

    QString copiedPage() {
        QTest::mouseClick(button("BitBtn12"), Qt::LeftButton);
        return QApplication::clipboard()->text();
    }

    void showTab() {
        tab->show();
        QVERIFY(QTest::qWaitForWindowActive(tab.get()));
    }

    void setPreload(bool on) { findControl<QCheckBox>(*tab, "CheckBox11")->setChecked(on); }

private slots:
    void init() {
        fake = std::make_unique<FakeDesktop>();
        folder = std::make_unique<ProgramFolder>();
        actions = std::make_unique<EditActions>(nullptr);
        TabContext context;
        context.folders = ProgramFolders::portable(folder->path());
        context.editActions = actions.get();
        tab = std::make_unique<MouseOverTab>(context);
        tab->resize(610, 360);
    }

    void cleanup() {
        tab.reset();
        actions.reset();
        folder.reset();
        fake.reset();
    }

    void startsAsAnEmptyEighteenLinePage() {
        QCOMPARE(pane("Memo6"), HeadLines);
        QVERIFY(findControl<QPlainTextEdit>(*tab, "Memo7")->isReadOnly());
        QCOMPARE(pane("Memo8"), QString());
        QCOMPARE(pane("Memo9"), QString());

        QCOMPARE(copiedPage(), EmptyPage);
        QCOMPARE(pane("Memo9"), EmptyPage);
        QCOMPARE(EmptyPage.count('\n'), 18);

        QVERIFY(findControl<QCheckBox>(*tab, "CheckBox11")->isChecked());
        QVERIFY(!findControl<QCheckBox>(*tab, "CheckBox12")->isChecked());
        QCOMPARE(findControl<QLabel>(*tab, "Label29")->text(), QString("#FFFFFF"));
        QCOMPARE(findControl<QComboBox>(*tab, "ComboBox6")->currentText(), QString("Solid"));
        QCOMPARE(findControl<QComboBox>(*tab, "ComboBox6")->count(), 8);
        QCOMPARE(findControl<QComboBox>(*tab, "ComboBox7")->currentText(), QString("0"));
        QCOMPARE(findControl<QComboBox>(*tab, "ComboBox7")->itemText(25), QString("25"));
        QCOMPARE(findControl<QComboBox>(*tab, "ComboBox7")->count(), 26);
        QVERIFY(findControl<QRadioButton>(*tab, "RadioButton4")->isChecked());
        QVERIFY(!button("BitBtn14")->isEnabled());
        QVERIFY(fake->notices.isEmpty());
    }

    void oneVerticalButtonAndEndCodeMakeTheWholePage() {
        showTab();
        findControl<QRadioButton>(*tab, "RadioButton5")->setChecked(true);
        addButton(1);

        // The fields are ready for the next button.
        for (const char* name : {"Edit10", "Edit11", "Edit12", "Edit13", "Edit14"})
            QVERIFY2(field(name)->text().isEmpty(), name);
        QVERIFY(!button("BitBtn14")->isEnabled());
        QVERIFY(field("Edit10")->hasFocus());

        QTest::mouseClick(button("BitBtn16"), Qt::LeftButton);
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
        findControl<QRadioButton>(*tab, "RadioButton5")->setChecked(true);
        addButton(4);

        QCOMPARE(fake->noticeTexts(), QStringList{PreloadWarning});
        QCOMPARE(fake->notices.first().kind, NoticeKind::Warning);
        QCOMPARE(pane("Memo6"),
                 HeadLines + preloadLines(1, 1) + preloadLines(3, 3) + preloadLines(5, 4));
        QCOMPARE(pane("Memo8"), linkLine(1) + '\n' + linkLine(2) + '\n' + linkLine(3) + '\n' +
                                    linkLine(4) + "\n<br>\n");
    }

    void clearCodeEmptiesOnlyTheBody() {
        addButton(1);
        addButton(2);
        addButton(3);
        const QString head = pane("Memo6");
        copiedPage();
        const QString assembled = pane("Memo9");

        fake->confirmAnswers = {false};
        QTest::mouseClick(button("BitBtn13"), Qt::LeftButton);
        QCOMPARE(pane("Memo8").count('\n'), 3);

        QTest::mouseClick(button("BitBtn13"), Qt::LeftButton);
        QCOMPARE(fake->confirmations.value(1),
                 QString("This will delete all your mouseover images code but not the preload "
                         "code. Are you sure you want to continue?"));
        QCOMPARE(pane("Memo8"), QString());
        QCOMPARE(pane("Memo6"), head);
        QCOMPARE(pane("Memo9"), assembled);

        addButton(4);
        QCOMPARE(pane("Memo6"), head + preloadLines(7, 4));
        QCOMPARE(pane("Memo8"), linkLine(4) + '\n');
    }

    void endCodeAppendsTheClosingLinesEveryTime() {
        fake->confirmAnswers = {false};
        QTest::mouseClick(button("BitBtn16"), Qt::LeftButton);
        QCOMPARE(pane("Memo8"), QString());
        QCOMPARE(fake->confirmations.value(0),
                 QString("This will insert the closing BODY and HTML tags. Only click OK if you "
                         "have added all your needed MouseOver buttons. Continue?"));

        addButton(1);
        QTest::mouseClick(button("BitBtn16"), Qt::LeftButton);
        QTest::mouseClick(button("BitBtn16"), Qt::LeftButton);
        addButton(2);
        QCOMPARE(pane("Memo8"),
                 linkLine(1) + "\n</body>\n</html>\n</body>\n</html>\n" + linkLine(2) + '\n');
    }

    void newStartsAFreshDocumentButKeepsTheSavedPage() {
        const QString saved = folder->file("buttons.html");
        fake->saveAnswers = {saved};
        fake->colourAnswers = {QColor(10, 171, 205)};
        findControl<QCheckBox>(*tab, "CheckBox12")->setChecked(true);
        QTest::mouseClick(button("BitBtn11"), Qt::LeftButton);
        findControl<QComboBox>(*tab, "ComboBox6")->setCurrentIndex(3);
        findControl<QComboBox>(*tab, "ComboBox7")->setCurrentIndex(12);
        findControl<QRadioButton>(*tab, "RadioButton5")->setChecked(true);
        addButton(1);
        setPreload(false);
        addButton(2);
        QTest::keyClicks(field("Edit10"), "left over");
        findControl<QToolButton>(*tab, "ToolButton33")->click();
        QCOMPARE(tab->savedFlag(), QString("Yes"));
        const QStringList beforeNew = {pane("Memo6"), pane("Memo8"), pane("Memo9")};

        fake->confirmAnswers = {false};
        findControl<QToolButton>(*tab, "ToolButton32")->click();
        QCOMPARE((QStringList{pane("Memo6"), pane("Memo8"), pane("Memo9")}), beforeNew);
        QCOMPARE(field("Edit10")->text(), QString("left over"));

        findControl<QToolButton>(*tab, "ToolButton32")->click();
        QCOMPARE(fake->confirmations.last(),
                 QString("Are you sure you want to erase all fields and start a new document?"));
        QCOMPARE(pane("Memo6"), HeadLines);
        QCOMPARE(pane("Memo7"), EmptyPage.mid(HeadLines.size()));
        QCOMPARE(pane("Memo8"), QString());
        QCOMPARE(pane("Memo9"), QString());
        QVERIFY(findControl<QCheckBox>(*tab, "CheckBox11")->isChecked());
        QCOMPARE(fake->notices.size(), 1); // only the warning of switching preloading off
        QVERIFY(!findControl<QCheckBox>(*tab, "CheckBox12")->isChecked());
        QVERIFY(!findControl<QComboBox>(*tab, "ComboBox6")->isEnabled());
        QCOMPARE(findControl<QLabel>(*tab, "Label29")->text(), QString("#FFFFFF"));
        QCOMPARE(findControl<QComboBox>(*tab, "ComboBox6")->currentText(), QString("Solid"));
        QCOMPARE(findControl<QComboBox>(*tab, "ComboBox7")->currentText(), QString("0"));
        QVERIFY(findControl<QRadioButton>(*tab, "RadioButton4")->isChecked());
        QVERIFY(field("Edit10")->text().isEmpty());
        QVERIFY(!button("BitBtn14")->isEnabled());

        addButton(1);
        QCOMPARE(pane("Memo6"), HeadLines + preloadLines(1, 1));
        QCOMPARE(pane("Memo8"), linkLine(1) + '\n');

        // The saved page outlives New; the colour dialog opens on the restored colour.
        QCOMPARE(tab->savedFlag(), QString("Yes"));
        QCOMPARE(tab->savedPagePath(), saved);
        findControl<QToolButton>(*tab, "ToolButton44")->click();
        QCOMPARE(fake->opened.value(0), QUrl::fromLocalFile(saved));
        findControl<QCheckBox>(*tab, "CheckBox12")->setChecked(true);
        QTest::mouseClick(button("BitBtn11"), Qt::LeftButton);
        QCOMPARE(fake->colourStarts.last(), QColor(Qt::white));
        QCOMPARE(findControl<QLabel>(*tab, "Label29")->text(), QString("#FFFFFF"));
    }

    void addImageNeedsThreeCharactersInBothImageFields() {
        showTab();
        QPushButton* add = button("BitBtn14");
        QTest::keyClicks(field("Edit10"), "ab");
        QTest::keyClicks(field("Edit11"), "abc");
        QVERIFY(!add->isEnabled());
        field("Edit11")->setFocus();
        QTest::keyClick(field("Edit11"), Qt::Key_Return);
        QCOMPARE(pane("Memo8"), QString());

        QTest::keyClicks(field("Edit10"), "c");
        QVERIFY(add->isEnabled());
        QTest::keyClick(field("Edit11"), Qt::Key_Backspace);
        QVERIFY(!add->isEnabled());
        QTest::keyClicks(field("Edit11"), "d");
        QVERIFY(add->isEnabled());

        // Enter in a field presses the tab's default button.
        field("Edit13")->setFocus();
        QTest::keyClick(field("Edit13"), Qt::Key_Return);
        QCOMPARE(pane("Memo8").count("name=\"mouse1\""), 1);
        QVERIFY(!add->isEnabled());

        QTest::keyClicks(field("Edit10"), "one");
        QTest::keyClicks(field("Edit11"), "two");
        QTest::keyClicks(field("Edit14"), "url");
        QTest::mouseClick(button("BitBtn15"), Qt::LeftButton);
        for (const char* name : {"Edit10", "Edit11", "Edit12", "Edit13", "Edit14"})
            QVERIFY2(field(name)->text().isEmpty(), name);
        QVERIFY(!add->isEnabled());
        QCOMPARE(pane("Memo8").count('\n'), 1);
    }

    void borderControlsFollowImageBorder() {
        QList<QWidget*> border = {findControl<QLabel>(*tab, "Label29"), button("BitBtn11"),
                                  findControl<QComboBox>(*tab, "ComboBox6"),
                                  findControl<QComboBox>(*tab, "ComboBox7")};
        for (QLabel* label : tab->findChildren<QLabel*>())
            if (QStringList{"Border Color:", "Border Type:", "Size:"}.contains(label->text()))
                border << label;
        QCOMPARE(border.size(), 7);
        QWidget* swatch = findControl<QWidget>(*tab, "Memo5");

        for (QWidget* widget : border)
            QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
        findControl<QCheckBox>(*tab, "CheckBox12")->setChecked(true);
        for (QWidget* widget : border)
            QVERIFY2(widget->isEnabled(), qPrintable(widget->objectName()));
        QVERIFY(!swatch->isEnabled());

        // Cancel leaves the colour as it was.
        QTest::mouseClick(button("BitBtn11"), Qt::LeftButton);
        QCOMPARE(findControl<QLabel>(*tab, "Label29")->text(), QString("#FFFFFF"));
        fake->colourAnswers = {QColor(0xab, 0x0c, 0xde)};
        QTest::mouseClick(button("BitBtn11"), Qt::LeftButton);
        QCOMPARE(swatch->palette().color(QPalette::Window), QColor(0xab, 0x0c, 0xde));
        findControl<QComboBox>(*tab, "ComboBox6")->setCurrentIndex(7);
        findControl<QComboBox>(*tab, "ComboBox7")->setCurrentIndex(25);
        addButton(1);
        QVERIFY(pane("Memo8").endsWith(
            "alt=\"Alt 1\" style=\"border-color:#AB0CDE;border-style:Outset;border-width:25px\">"
            "</a>\n"));

        findControl<QCheckBox>(*tab, "CheckBox12")->setChecked(false);
        for (QWidget* widget : border)
            QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
        QCOMPARE(findControl<QLabel>(*tab, "Label29")->text(), QString("#AB0CDE"));
        QCOMPARE(findControl<QComboBox>(*tab, "ComboBox6")->currentText(), QString("Outset"));
    }

    // A pane's last line stays a line of its own, whether or not the user
    // ended it; lines are only ever appended whole.
    void panesWithoutAFinalLineBreak() {
        auto* head = findControl<QPlainTextEdit>(*tab, "Memo6");
        auto* body = findControl<QPlainTextEdit>(*tab, "Memo8");
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
        findControl<QPlainTextEdit>(*tab, "Memo8")->setPlainText("typed\u00A0by hand\n");
        QToolButton* saveAs = findControl<QToolButton>(*tab, "ToolButton33");
        QToolButton* options = findControl<QToolButton>(*tab, "ToolButton44");

        options->click();
        QCOMPARE(fake->lastNotice(),
                 QString("Please save in HTML format first before previewing!"));

        // A cancelled dialog still leaves the page assembled.
        saveAs->click();
        QCOMPARE(pane("Memo9"), EmptyPage + "typed\u00A0by hand\n");
        QCOMPARE(fake->fileQuestions.value(0).request.title, QString("Save as HTML"));
        QCOMPARE(tab->savedFlag(), QString("No"));

        const QString text = folder->file("page.txt");
        fake->saveAnswers = {text};
        findControl<QPlainTextEdit>(*tab, "Memo8")->setPlainText("typed\u00A0by hand\nmore\n");
        findControl<QAction>(*tab, "AsText3")->trigger();
        QByteArray expected = (EmptyPage + "typed\u00A0by hand\nmore\n").toUtf8();
        expected.replace("\n", "\r\n");
        QCOMPARE(readBytes(text), expected);
        QCOMPARE(fake->fileQuestions.value(1).request.title, QString("Save as TeXT"));
        QCOMPARE(tab->savedFlag(), QString("No"));

        const QString html = folder->file("page.html");
        fake->saveAnswers = {html};
        findControl<QAction>(*tab, "AsHTML3")->trigger();
        // The non-breaking space makes the page non-ASCII: it is marked as UTF-8.
        QCOMPARE(readBytes(html), "\xEF\xBB\xBF" + expected);
        QCOMPARE(tab->savedPagePath(), html);
        findControl<QAction>(*tab, "Preview2")->trigger();
        QCOMPARE(fake->opened, QList<QUrl>{QUrl::fromLocalFile(html)});

        findControl<QPlainTextEdit>(*tab, "Memo6")->setPlainText("<html>\n");
        findControl<QToolButton>(*tab, "ToolButton42")->click();
        QCOMPARE(fake->printed, QStringList{"<html>\n" + EmptyPage.mid(HeadLines.size()) +
                                            "typed\u00A0by hand\nmore\n"});
    }

    // A page too large to fill a pane at once goes from the three panes to
    // the save thread and the clipboard, byte for byte as a small one does.
    void aLargePageIsTakenFromThePanes() {
        const QString body = QStringLiteral("<p>caf\u00e9\u00A0au lait</p>\n")
                                 .repeated(BackgroundSaveChars / 20 + 1);
        findControl<QPlainTextEdit>(*tab, "Memo8")->setPlainText(body);
        const QString html = folder->file("large.html");
        fake->saveAnswers = {html};
        findControl<QAction>(*tab, "AsHTML3")->trigger();
        QCOMPARE(tab->savedFlag(), QString("No"));
        finishSaves();
        QCOMPARE(readBytes(html), htmlFileBytes(EmptyPage + body));
        QCOMPARE(tab->savedFlag(), QString("Yes"));
        QCOMPARE(pane("Memo9"), QString());
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
        tab->applySettings(changed);
        QVERIFY(tab->settings() == changed);
        QVERIFY(findControl<QComboBox>(*tab, "ComboBox6")->isEnabled());
        QVERIFY(button("BitBtn14")->isEnabled());
        QCOMPARE(fake->noticeTexts(), QStringList{PreloadWarning});
        tab->applySettings(MouseOverSettings());
        QVERIFY(tab->settings() == MouseOverSettings());
        QVERIFY(!findControl<QComboBox>(*tab, "ComboBox6")->isEnabled());
    }

    // Each control a screen reader meets says what it is, and Tab follows
    // the reading order: settings, then panes and their buttons.
    void controlsAreNamedAndInReadingOrder() {
        const QStringList order = {"CheckBox11", "CheckBox12",   "BitBtn11",     "ComboBox6",
                                   "ComboBox7",  "RadioButton4", "RadioButton5", "Edit10",
                                   "Edit11",     "Edit12",       "Edit13",       "Edit14",
                                   "BitBtn14",   "BitBtn15",     "Memo6",        "Memo7",
                                   "Memo8",      "BitBtn12",     "BitBtn13",     "BitBtn16"};
        QStringList names;
        for (const QString& name : order) {
            names << spokenName(findControl<QWidget>(*tab, name));
            QVERIFY2(names.last().size() > 3, qPrintable(name));
        }
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        for (qsizetype i = 1; i < order.size(); ++i) {
            QWidget* next = findControl<QWidget>(*tab, order.at(i - 1))->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus)
                next = next->nextInFocusChain();
            QCOMPARE(next->objectName(), order.at(i));
        }
    }

    // Thousands of buttons keep exact numbering (speed: bench/mouseover_bench).
    void manyButtonsAreNumberedInOrder() {
        const int count = 1500;
        for (int n = 1; n <= count; ++n) {
            field("Edit10")->setText(QStringLiteral("a%1.gif").arg(n));
            field("Edit11")->setText(QStringLiteral("b%1.gif").arg(n));
            field("Edit12")->setText(QStringLiteral("Status %1").arg(n));
            field("Edit13")->setText(QStringLiteral("Alt %1").arg(n));
            field("Edit14")->setText(QStringLiteral("page%1.html").arg(n));
            button("BitBtn14")->click();
        }
        const QStringList head = pane("Memo6").split('\n');
        const QStringList body = pane("Memo8").split('\n');
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
