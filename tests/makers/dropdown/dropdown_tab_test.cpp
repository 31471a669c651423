#include "dropdown_fixture.h"
#include "makers/dropdown/dropdown_page.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

const QString forbiddenNotice =
    "The item name or URL may not contain quotation marks or square brackets!";
const QString emptyListNotice = "This is just a message to inform you that there are no items in "
                                "your list. The code will be generated anyway.";

QString paneText(const QStringList& lines) {
    return lines.join('\n') + '\n';
}

// What a tab holds at start and after New.
void checkNewDocument(DropdownFixture& f) {
    QVERIFY(f.entries().isEmpty());
    QVERIFY(!f.get<QPushButton>("button1")->isEnabled());
    QVERIFY(!f.get<QPushButton>("button2")->isEnabled());
    QVERIFY(f.get<QRadioButton>("RadioButton1")->isChecked());
    QCOMPARE(f.get<QLineEdit>("Edit3")->text(), "");
    QCOMPARE(f.get<QLineEdit>("Edit4")->text(), "");
    QCOMPARE(f.get<QLineEdit>("Edit2")->text(), "Go!");
    QCOMPARE(f.get<QComboBox>("ComboBox1")->currentText(), "10");
    QCOMPARE(f.get<QComboBox>("FontList")->currentText(), "Times New Roman");
    for (const char* toggle : {"ToolButton1", "ToolButton2", "ToolButton3"})
        QVERIFY(!f.get<QToolButton>(toggle)->isChecked());
    QCOMPARE(f.get<QLabel>("Label5")->text(), "#FFFFFF");
    QCOMPARE(f.get<QLabel>("Label4")->text(), "#000000");
    QCOMPARE(f.get<QWidget>("Memo1")->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(f.get<QWidget>("Memo2")->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(f.get<QComboBox>("ComboBox2")->currentText(), "Solid");
    QCOMPARE(f.get<QComboBox>("ComboBox3")->currentText(), "1");
}

} // namespace

class DropdownTabTest final : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheDocumentedDefaults() {
        DropdownFixture f;
        checkNewDocument(f);
        QCOMPARE(f.get<QComboBox>("ComboBox1")->count(), 72);
        QCOMPARE(f.get<QComboBox>("ComboBox3")->count(), 25);
        QVERIFY(f.get<QComboBox>("ComboBox1")->isEditable());
        QVERIFY(!f.get<QComboBox>("ComboBox2")->isEditable());
        QVERIFY(!f.get<QCheckBox>("CheckBox1")->isChecked());
        QVERIFY(f.get<QAction>("MakeRelevantCodeOnly1")->isChecked());
        QVERIFY(!f.get<QAction>("MakeAllHTMLCode1")->isChecked());
        QCOMPARE(f.get<QPlainTextEdit>("Memo3")->toPlainText(), "\n");
        QCOMPARE(f.get<QPlainTextEdit>("Memo3")->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(f.get<QLabel>("Panel1")->isHidden());
    }

    void addItemNeedsBothFields() {
        DropdownFixture f;
        auto* add = f.get<QPushButton>("button2");
        f.get<QLineEdit>("Edit3")->setText("Home");
        QVERIFY(!add->isEnabled());
        f.get<QLineEdit>("Edit4")->setText("index.html");
        QVERIFY(add->isEnabled());
        f.get<QLineEdit>("Edit3")->clear();
        QVERIFY(!add->isEnabled());
        f.get<QLineEdit>("Edit3")->setText(" ");
        QVERIFY(add->isEnabled());
        f.get<QLineEdit>("Edit4")->clear();
        QVERIFY(!add->isEnabled());
    }

    void insertPositions() {
        DropdownFixture f;
        // Current Pos before any selection inserts at the top.
        f.add("A", "a.html", "RadioButton2");
        f.add("B", "b.html", "RadioButton3");
        f.add("Z", "z.html", "RadioButton1");
        QCOMPARE(f.entries(), (QStringList{"Z [z.html]", "A [a.html]", "B [b.html]"}));

        // Current Pos goes before the entry last selected...
        f.select(2);
        QVERIFY(f.get<QPushButton>("button1")->isEnabled());
        f.add("C", "c.html", "RadioButton2");
        QCOMPARE(f.entries(),
                 (QStringList{"Z [z.html]", "A [a.html]", "C [c.html]", "B [b.html]"}));
        // ...and adding ends the selection.
        QVERIFY(!f.get<QPushButton>("button1")->isEnabled());
        QVERIFY(f.get<QListWidget>("ListBox1")->selectedItems().isEmpty());
        QCOMPARE(f.get<QLineEdit>("Edit3")->text(), "");
        QCOMPARE(f.get<QLineEdit>("Edit4")->text(), "");
        QVERIFY(!f.get<QPushButton>("button2")->isEnabled());

        // Name and address are kept exactly as typed.
        f.add("  My page ", " x y.html ", "RadioButton3");
        QCOMPARE(f.entries().last(), "  My page  [ x y.html ]");
        QVERIFY(f.fake.notices.isEmpty());
    }

    void currentPosAtTheEndAndPastIt() {
        DropdownFixture f;
        f.add("A", "a");
        f.add("B", "b");
        f.add("C", "c");
        f.select(2);
        f.get<QPushButton>("button1")->click();
        QCOMPARE(f.entries(), (QStringList{"A [a]", "B [b]"}));
        // The remembered position now equals the count: the entry goes last.
        f.add("D", "d", "RadioButton2");
        QCOMPARE(f.entries(), (QStringList{"A [a]", "B [b]", "D [d]"}));

        f.get<QPushButton>("BitBtn6")->click();
        QVERIFY(f.entries().isEmpty());
        f.add("E", "e.html", "RadioButton2");
        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), "Unable to insert a line.");
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(f.get<QLineEdit>("Edit3")->text(), "E");
        QCOMPARE(f.get<QLineEdit>("Edit4")->text(), "e.html");
        // Start and End still work.
        f.get<QPushButton>("button2")->click();
        QVERIFY(f.entries().isEmpty());
        f.add("E", "e.html", "RadioButton1");
        QCOMPARE(f.entries(), QStringList{"E [e.html]"});
    }

    void forbiddenCharactersAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("goText");
        QTest::newRow("apostrophe in name") << "Joe's page"
                                            << "joe.html"
                                            << "Go!";
        QTest::newRow("quote in url") << "Joe"
                                      << "a\"b.html"
                                      << "Go!";
        QTest::newRow("bracket in name") << "[Joe"
                                         << "joe.html"
                                         << "Go!";
        QTest::newRow("bracket in url") << "Joe"
                                        << "joe.html]"
                                        << "Go!";
        QTest::newRow("quote in go text") << "Joe"
                                          << "joe.html"
                                          << "Go \"on\"";
    }
    void forbiddenCharactersAreRefused() {
        QFETCH(QString, name);
        QFETCH(QString, url);
        QFETCH(QString, goText);
        DropdownFixture f;
        f.add("Home", "index.html");
        f.get<QLineEdit>("Edit2")->setText(goText);
        f.add(name, url, "RadioButton1");
        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), forbiddenNotice);
        QCOMPARE(f.entries(), QStringList{"Home [index.html]"});
        QCOMPARE(f.get<QLineEdit>("Edit3")->text(), name);
        QCOMPARE(f.get<QLineEdit>("Edit4")->text(), url);
        QCOMPARE(f.get<QLineEdit>("Edit2")->text(), goText);
        QVERIFY(f.get<QPushButton>("button2")->isEnabled());
    }

    void enterAddsAnywhereButInTheCodePane() {
        DropdownFixture f;
        f.tab.show();
        f.tab.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.tab));
        auto* url = f.get<QLineEdit>("Edit4");
        f.get<QLineEdit>("Edit3")->setText("Home");
        url->setText("index.html");
        url->setFocus();
        QTest::keyClick(url, Qt::Key_Return);
        QCOMPARE(f.entries(), QStringList{"Home [index.html]"});
        QCOMPARE(QApplication::focusWidget(), f.get<QLineEdit>("Edit3"));

        // An editable list passes Enter on and keeps its text.
        f.get<QLineEdit>("Edit3")->setText("About");
        url->setText("about.html");
        auto* size = f.get<QComboBox>("ComboBox1");
        size->setFocus();
        size->setEditText("12px");
        QTest::keyClick(size->lineEdit(), Qt::Key_Enter);
        QCOMPARE(f.entries(), (QStringList{"About [about.html]", "Home [index.html]"}));
        QCOMPARE(size->currentText(), "12px");
        QCOMPARE(size->count(), 72);

        // A disabled Add Item ignores Enter; the code pane takes it as a line break.
        QTest::keyClick(f.get<QLineEdit>("Edit3"), Qt::Key_Return);
        f.get<QLineEdit>("Edit3")->setText("Contact");
        url->setText("contact.html");
        auto* pane = f.get<QPlainTextEdit>("Memo3");
        pane->setFocus();
        QTest::keyClick(pane, Qt::Key_Return);
        QCOMPARE(f.entries().size(), 2);
        QCOMPARE(pane->toPlainText(), "\n\n");
    }

    void deleteAsksAndRemovesTheSelectedEntry() {
        DropdownFixture f;
        f.add("A", "a");
        f.add("B", "b");
        f.add("C", "c");
        auto* remove = f.get<QPushButton>("button1");
        // Chosen with the mouse, as a user would.
        f.tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.tab));
        auto* list = f.get<QListWidget>("ListBox1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QVERIFY(remove->isEnabled());
        f.fake.confirmAnswers = {false};
        remove->click();
        QCOMPARE(f.fake.confirmations,
                 QStringList{"Are you sure you want to delete the selected item?"});
        QCOMPARE(f.entries().size(), 3);
        QVERIFY(remove->isEnabled());

        remove->click();
        QCOMPARE(f.entries(), (QStringList{"A [a]", "C [c]"}));
        QVERIFY(!remove->isEnabled());
        QVERIFY(f.get<QListWidget>("ListBox1")->selectedItems().isEmpty());
    }

    void sortOnceThenDeleteAtTheKeptPosition() {
        DropdownFixture f;
        f.add("b", "2");
        f.add("A", "1");
        f.add("a", "3");
        f.select(0); // "b [2]"
        f.get<QPushButton>("BitBtn5")->click();
        QCOMPARE(f.entries(), (QStringList{"A [1]", "a [3]", "b [2]"}));
        QVERIFY(f.get<QPushButton>("button1")->isEnabled());
        QCOMPARE(f.get<QListWidget>("ListBox1")->selectedItems().size(), 1);

        // The selection stayed at the first position, now "A [1]".
        f.get<QPushButton>("button1")->click();
        QCOMPARE(f.entries(), (QStringList{"a [3]", "b [2]"}));

        // The list does not stay sorted.
        f.add("0", "0", "RadioButton3");
        QCOMPARE(f.entries().last(), "0 [0]");
    }

    void clearAllAsksFirst() {
        DropdownFixture f;
        f.add("A", "a");
        f.select(0);
        f.fake.confirmAnswers = {false, true};
        f.get<QPushButton>("BitBtn6")->click();
        QCOMPARE(f.entries().size(), 1);
        QVERIFY(f.get<QPushButton>("button1")->isEnabled());
        f.get<QPushButton>("BitBtn6")->click();
        QVERIFY(f.entries().isEmpty());
        QVERIFY(!f.get<QPushButton>("button1")->isEnabled());
        QCOMPARE(f.fake.confirmations,
                 QStringList(2, "Are you sure you want to erase ALL menu items?"));
    }

    void makeCodeWritesTheWorkedExample() {
        DropdownFixture f;
        f.add("Home", "index.html");
        f.add("About", "about.html");
        f.get<QPushButton>("BitBtn7")->click();
        QVERIFY(f.fake.notices.isEmpty());
        const QStringList lines = f.get<QPlainTextEdit>("Memo3")->toPlainText().split('\n');
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines.first(), "<script type=\"text/javascript\">");
        QCOMPARE(lines.mid(8),
                 (QStringList{
                     "<form name=\"form\">",
                     "<select name=\"site\" size=\"1\" style=\"background-color:#FFFFFF;"
                     "color:#000000;font-family:Times New Roman;font-size:10;font-weight:none;"
                     "font-style:none;text-decoration:none\">",
                     "<option value=\"index.html\">Home",
                     "<option value=\"about.html\">About",
                     "</select>",
                     "<input type=\"button\" value=\"Go!\" onClick=\"javascript:goMenu(this)\" "
                     "style=\"background-color:#FFFFFF;color:#000000;font-family:Times New Roman;"
                     "font-size:10;border-style:Solid;border-width:1\">",
                     "</form>",
                     "",
                 }));
    }

    void makeCodeReadsEveryControl() {
        DropdownFixture f;
        f.add("Home", "index.html");
        f.add(QString(120, 'n'), "long.html");
        f.fake.colourAnswers = {QColor(0x12, 0xab, 0x0c), QColor(0, 0, 255)};
        f.get<QPushButton>("BitBtn1")->click();
        f.get<QPushButton>("BitBtn2")->click();
        f.get<QComboBox>("FontList")->setEditText("Comic Sans MS");
        f.get<QComboBox>("ComboBox1")->setEditText("12px");
        f.get<QToolButton>("ToolButton1")->click();
        f.get<QToolButton>("ToolButton3")->click();
        f.get<QLineEdit>("Edit2")->setText("Jump");
        f.get<QCheckBox>("CheckBox1")->click();
        f.get<QComboBox>("ComboBox2")->setCurrentIndex(4);
        f.get<QComboBox>("ComboBox3")->setCurrentIndex(24);
        f.get<QAction>("MakeAllHTMLCode1")->trigger();
        f.get<QPushButton>("BitBtn7")->click();

        DropdownSettings expected;
        expected.background = "#12AB0C";
        expected.itemColour = "#0000FF";
        expected.font = "Comic Sans MS";
        expected.size = "12px";
        expected.bold = true;
        expected.underline = true;
        expected.goText = "Jump";
        expected.invertButton = true;
        expected.border = "Groove";
        expected.borderWidth = "25";
        expected.fullPage = true;
        expected.entries = {"Home [index.html]", QString(120, 'n') + " [long.html]"};
        QCOMPARE(f.get<QPlainTextEdit>("Memo3")->toPlainText(), paneText(dropdownPage(expected)));
    }

    void emptyListWarnsAndRestoresTheGoText() {
        DropdownFixture f;
        auto* pane = f.get<QPlainTextEdit>("Memo3");
        pane->setPlainText("old text\n");
        f.get<QLineEdit>("Edit2")->clear();
        f.get<QPushButton>("BitBtn7")->click();
        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Warning);
        QCOMPARE(f.fake.lastNotice(), emptyListNotice);
        QCOMPARE(f.get<QLineEdit>("Edit2")->text(), "Go!");
        QCOMPARE(pane->toPlainText(), paneText(dropdownPage(DropdownSettings())));
        QVERIFY(!pane->toPlainText().contains("old text"));
    }

    void makeChoicesAreExclusive() {
        DropdownFixture f;
        auto* relevant = f.get<QAction>("MakeRelevantCodeOnly1");
        auto* all = f.get<QAction>("MakeAllHTMLCode1");
        all->trigger();
        all->trigger();
        QVERIFY(all->isChecked());
        QVERIFY(!relevant->isChecked());
        relevant->trigger();
        relevant->trigger();
        QVERIFY(relevant->isChecked());
        QVERIFY(!all->isChecked());
        QCOMPARE(f.get<QAction>("PreviewinBrowser1")->statusTip(), "temp.html");
    }

    void colourButtonsFollowTheirDialogs() {
        DropdownFixture f;
        // Cancel before any choice applies the dialog's black.
        f.fake.colourAnswers = {QColor()};
        f.get<QPushButton>("BitBtn1")->click();
        QCOMPARE(f.get<QLabel>("Label5")->text(), "#000000");
        QCOMPARE(f.get<QWidget>("Memo1")->palette().color(QPalette::Window), QColor(Qt::black));

        f.fake.colourAnswers = {QColor(255, 0, 0), QColor()};
        f.get<QPushButton>("BitBtn2")->click();
        f.get<QPushButton>("BitBtn2")->click();
        QCOMPARE(f.get<QLabel>("Label4")->text(), "#FF0000");
        QCOMPARE(f.get<QWidget>("Memo2")->palette().color(QPalette::Window), QColor(Qt::red));
        QCOMPARE(f.fake.colourStarts, (QList<QColor>{Qt::black, Qt::black, QColor(255, 0, 0)}));
    }

    void newRestoresDefaultsAndKeepsTheRest() {
        DropdownFixture f;
        f.add("A", "a");
        f.add("B", "b");
        f.select(1);
        f.fake.colourAnswers = {QColor(1, 2, 3), QColor(4, 5, 6)};
        f.get<QPushButton>("BitBtn1")->click();
        f.get<QPushButton>("BitBtn2")->click();
        f.get<QPushButton>("BitBtn7")->click();
        f.get<QRadioButton>("RadioButton3")->setChecked(true);
        f.get<QLineEdit>("Edit3")->setText("typed");
        f.get<QLineEdit>("Edit4")->setText("typed.html");
        f.get<QLineEdit>("Edit2")->setText("Jump");
        f.get<QComboBox>("ComboBox1")->setEditText("14pt");
        f.get<QComboBox>("FontList")->setEditText("Arial");
        for (const char* toggle : {"ToolButton1", "ToolButton2", "ToolButton3"})
            f.get<QToolButton>(toggle)->click();
        f.get<QComboBox>("ComboBox2")->setCurrentIndex(3);
        f.get<QComboBox>("ComboBox3")->setCurrentIndex(7);
        f.get<QCheckBox>("CheckBox1")->setChecked(true);
        f.get<QAction>("MakeAllHTMLCode1")->trigger();

        f.fake.confirmAnswers = {false};
        f.get<QToolButton>("ToolButton4")->click();
        QCOMPARE(f.entries().size(), 2);
        QCOMPARE(f.get<QLineEdit>("Edit3")->text(), "typed");

        f.get<QToolButton>("ToolButton4")->click();
        QCOMPARE(f.fake.confirmations.last(),
                 "Are you sure you want to erase all fields and start a new document?");
        QCOMPARE(f.get<QPlainTextEdit>("Memo3")->toPlainText(), "");
        QVERIFY(!f.get<QRadioButton>("RadioButton3")->isChecked());
        checkNewDocument(f);

        // Kept: the invert box, the page choice, the dialogs' colours...
        QVERIFY(f.get<QCheckBox>("CheckBox1")->isChecked());
        QVERIFY(f.get<QAction>("MakeAllHTMLCode1")->isChecked());
        f.get<QPushButton>("BitBtn1")->click();
        QCOMPARE(f.fake.colourStarts.last(), QColor(1, 2, 3));
        // ...and the remembered position, which now lies past the empty list.
        f.add("C", "c", "RadioButton2");
        QCOMPARE(f.fake.lastNotice(), "Unable to insert a line.");
    }

    void fontPreviewShowsTheHighlightedFamily() {
        DropdownFixture f;
        f.tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.tab));
        auto* fonts = f.get<QComboBox>("FontList");
        auto* panel = f.get<QLabel>("Panel1");
        fonts->showPopup();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->text(), "AaBbCc");
        const int last = fonts->count() - 1;
        emit fonts->highlighted(last);
        QCOMPARE(panel->font().pixelSize(), 16);
        if (QFontDatabase::hasFamily(fonts->itemText(last)))
            QCOMPARE(panel->font().family(), fonts->itemText(last));
        fonts->hidePopup();
        QVERIFY(panel->isHidden());
        QCOMPARE(fonts->currentText(), "Times New Roman");
    }

    void largeListsStayWhole() {
        DropdownFixture f;
        QStringList entries;
        for (int n = 10000; n > 0; --n)
            entries << entryText("Page " + QString::number(n), QString::number(n) + ".html");
        f.get<QListWidget>("ListBox1")->addItems(entries);
        f.add("New", "new.html", "RadioButton1");
        f.get<QPushButton>("BitBtn5")->click();
        f.get<QPushButton>("BitBtn7")->click();
        const QStringList lines = f.get<QPlainTextEdit>("Memo3")->toPlainText().split('\n');
        QCOMPARE(lines.size(), 10001 + 13 + 1);
        QCOMPARE(lines.at(10), "<option value=\"new.html\">New");
        QCOMPARE(lines.at(11), "<option value=\"1.html\">Page 1");
        QCOMPARE(lines.at(12), "<option value=\"10.html\">Page 10");
    }
};

QTEST_MAIN(DropdownTabTest)
#include "dropdown_tab_test.moc"
