#include "core/page_text.h"
#include "dropdown_fixture.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/dropdown/dropdown_page.h"
#include "support/keyboard_access.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

using namespace dropdown::controls;
using namespace dropdown::fields;

namespace {

const QString forbiddenNotice =
    "The item name or URL may not contain quotation marks or square brackets!";
const QString emptyListNotice = "This is just a message to inform you that there are no items in "
                                "your list. The code will be generated anyway.";

// What a tab holds at start and after New.
void checkNewDocument(DropdownFixture& f) {
    QVERIFY(f.entries().isEmpty());
    QVERIFY(!findControl<QPushButton>(f.tab, DeleteEntry)->isEnabled());
    QVERIFY(!findControl<QPushButton>(f.tab, AddEntry)->isEnabled());
    QVERIFY(findControl<QRadioButton>(f.tab, InsertAtStart)->isChecked());
    QCOMPARE(findControl<QLineEdit>(f.tab, ItemName)->text(), "");
    QCOMPARE(findControl<QLineEdit>(f.tab, ItemUrl)->text(), "");
    QCOMPARE(findControl<QLineEdit>(f.tab, GoText)->text(), "Go!");
    QCOMPARE(findControl<QComboBox>(f.tab, FontSize)->currentText(), "10");
    QCOMPARE(findControl<QComboBox>(f.tab, Font)->currentText(), "Times New Roman");
    for (const char* toggle : {Bold, Italic, Underline})
        QVERIFY(!findControl<QToolButton>(f.tab, toggle)->isChecked());
    QCOMPARE(findControl<QLabel>(f.tab, BackgroundLabel)->text(), "#FFFFFF");
    QCOMPARE(findControl<QLabel>(f.tab, ItemColourLabel)->text(), "#000000");
    QCOMPARE(findControl<QWidget>(f.tab, BackgroundSwatch)->palette().color(QPalette::Window),
             QColor(Qt::white));
    QCOMPARE(findControl<QWidget>(f.tab, ItemColourSwatch)->palette().color(QPalette::Window),
             QColor(Qt::black));
    QCOMPARE(findControl<QComboBox>(f.tab, BorderStyle)->currentText(), "Solid");
    QCOMPARE(findControl<QComboBox>(f.tab, BorderWidth)->currentText(), "1");
}

} // namespace

class DropdownTabTest final : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheDocumentedDefaults() {
        DropdownFixture f;
        checkNewDocument(f);
        QCOMPARE(findControl<QComboBox>(f.tab, FontSize)->count(), 72);
        QCOMPARE(findControl<QComboBox>(f.tab, BorderWidth)->count(), 25);
        QVERIFY(findControl<QComboBox>(f.tab, FontSize)->isEditable());
        QVERIFY(!findControl<QComboBox>(f.tab, BorderStyle)->isEditable());
        QVERIFY(!findControl<QCheckBox>(f.tab, InvertButton)->isChecked());
        QVERIFY(findControl<QAction>(f.tab, RelevantCodeOnly)->isChecked());
        QVERIFY(!findControl<QAction>(f.tab, WholePage)->isChecked());
        QCOMPARE(findControl<QPlainTextEdit>(f.tab, Code)->toPlainText(), "\n");
        QCOMPARE(findControl<QPlainTextEdit>(f.tab, Code)->lineWrapMode(), QPlainTextEdit::NoWrap);
        QVERIFY(findControl<QLabel>(f.tab, FontSample)->isHidden());
    }

    void addItemNeedsBothFields() {
        DropdownFixture f;
        auto* add = findControl<QPushButton>(f.tab, AddEntry);
        findControl<QLineEdit>(f.tab, ItemName)->setText("Home");
        QVERIFY(!add->isEnabled());
        findControl<QLineEdit>(f.tab, ItemUrl)->setText("index.html");
        QVERIFY(add->isEnabled());
        findControl<QLineEdit>(f.tab, ItemName)->clear();
        QVERIFY(!add->isEnabled());
        findControl<QLineEdit>(f.tab, ItemName)->setText(" ");
        QVERIFY(add->isEnabled());
        findControl<QLineEdit>(f.tab, ItemUrl)->clear();
        QVERIFY(!add->isEnabled());
    }

    void insertPositions() {
        DropdownFixture f;
        // Current Pos before any selection inserts at the top.
        f.add("A", "a.html", InsertAtCurrent);
        f.add("B", "b.html", InsertAtEnd);
        f.add("Z", "z.html", InsertAtStart);
        QCOMPARE(f.entries(), (QStringList{"Z [z.html]", "A [a.html]", "B [b.html]"}));

        // Current Pos goes before the entry last selected...
        f.select(2);
        QVERIFY(findControl<QPushButton>(f.tab, DeleteEntry)->isEnabled());
        f.add("C", "c.html", InsertAtCurrent);
        QCOMPARE(f.entries(),
                 (QStringList{"Z [z.html]", "A [a.html]", "C [c.html]", "B [b.html]"}));
        // ...and adding ends the selection.
        QVERIFY(!findControl<QPushButton>(f.tab, DeleteEntry)->isEnabled());
        QVERIFY(findControl<QListWidget>(f.tab, Entries)->selectedItems().isEmpty());
        QCOMPARE(findControl<QLineEdit>(f.tab, ItemName)->text(), "");
        QCOMPARE(findControl<QLineEdit>(f.tab, ItemUrl)->text(), "");
        QVERIFY(!findControl<QPushButton>(f.tab, AddEntry)->isEnabled());

        // Name and address are kept exactly as typed.
        f.add("  My page ", " x y.html ", InsertAtEnd);
        QCOMPARE(f.entries().last(), "  My page  [ x y.html ]");
        QVERIFY(f.fake.notices.isEmpty());
    }

    void currentPosAtTheEndAndPastIt() {
        DropdownFixture f;
        f.add("A", "a");
        f.add("B", "b");
        f.add("C", "c");
        f.select(2);
        findControl<QPushButton>(f.tab, DeleteEntry)->click();
        QCOMPARE(f.entries(), (QStringList{"A [a]", "B [b]"}));
        // The remembered position now equals the count: the entry goes last.
        f.add("D", "d", InsertAtCurrent);
        QCOMPARE(f.entries(), (QStringList{"A [a]", "B [b]", "D [d]"}));

        findControl<QPushButton>(f.tab, ClearAll)->click();
        QVERIFY(f.entries().isEmpty());
        f.add("E", "e.html", InsertAtCurrent);
        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), "Unable to insert a line.");
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(findControl<QLineEdit>(f.tab, ItemName)->text(), "E");
        QCOMPARE(findControl<QLineEdit>(f.tab, ItemUrl)->text(), "e.html");
        // Start and End still work.
        findControl<QPushButton>(f.tab, AddEntry)->click();
        QVERIFY(f.entries().isEmpty());
        f.add("E", "e.html", InsertAtStart);
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
        findControl<QLineEdit>(f.tab, GoText)->setText(goText);
        f.add(name, url, InsertAtStart);
        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), forbiddenNotice);
        QCOMPARE(f.entries(), QStringList{"Home [index.html]"});
        QCOMPARE(findControl<QLineEdit>(f.tab, ItemName)->text(), name);
        QCOMPARE(findControl<QLineEdit>(f.tab, ItemUrl)->text(), url);
        QCOMPARE(findControl<QLineEdit>(f.tab, GoText)->text(), goText);
        QVERIFY(findControl<QPushButton>(f.tab, AddEntry)->isEnabled());
    }

    void enterAddsAnywhereButInTheCodePane() {
        DropdownFixture f;
        f.tab.show();
        f.tab.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.tab));
        auto* url = findControl<QLineEdit>(f.tab, ItemUrl);
        findControl<QLineEdit>(f.tab, ItemName)->setText("Home");
        url->setText("index.html");
        url->setFocus();
        QTest::keyClick(url, Qt::Key_Return);
        QCOMPARE(f.entries(), QStringList{"Home [index.html]"});
        QCOMPARE(QApplication::focusWidget(), findControl<QLineEdit>(f.tab, ItemName));

        // An editable list passes Enter on and keeps its text.
        findControl<QLineEdit>(f.tab, ItemName)->setText("About");
        url->setText("about.html");
        auto* size = findControl<QComboBox>(f.tab, FontSize);
        size->setFocus();
        size->setEditText("12px");
        QTest::keyClick(size->lineEdit(), Qt::Key_Enter);
        QCOMPARE(f.entries(), (QStringList{"About [about.html]", "Home [index.html]"}));
        QCOMPARE(size->currentText(), "12px");
        QCOMPARE(size->count(), 72);

        // A disabled Add Item ignores Enter; the code pane takes it as a line break.
        QTest::keyClick(findControl<QLineEdit>(f.tab, ItemName), Qt::Key_Return);
        findControl<QLineEdit>(f.tab, ItemName)->setText("Contact");
        url->setText("contact.html");
        auto* pane = findControl<QPlainTextEdit>(f.tab, Code);
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
        auto* remove = findControl<QPushButton>(f.tab, DeleteEntry);
        // Chosen with the mouse, as a user would.
        f.tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.tab));
        auto* list = findControl<QListWidget>(f.tab, Entries);
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
        QVERIFY(findControl<QListWidget>(f.tab, Entries)->selectedItems().isEmpty());
    }

    void sortOnceThenDeleteAtTheKeptPosition() {
        DropdownFixture f;
        f.add("b", "2");
        f.add("A", "1");
        f.add("a", "3");
        f.select(0); // "b [2]"
        findControl<QPushButton>(f.tab, SortEntries)->click();
        QCOMPARE(f.entries(), (QStringList{"A [1]", "a [3]", "b [2]"}));
        QVERIFY(findControl<QPushButton>(f.tab, DeleteEntry)->isEnabled());
        QCOMPARE(findControl<QListWidget>(f.tab, Entries)->selectedItems().size(), 1);

        // The selection stayed at the first position, now "A [1]".
        findControl<QPushButton>(f.tab, DeleteEntry)->click();
        QCOMPARE(f.entries(), (QStringList{"a [3]", "b [2]"}));

        // The list does not stay sorted.
        f.add("0", "0", InsertAtEnd);
        QCOMPARE(f.entries().last(), "0 [0]");
    }

    void clearAllAsksFirst() {
        DropdownFixture f;
        f.add("A", "a");
        f.select(0);
        f.fake.confirmAnswers = {false, true};
        findControl<QPushButton>(f.tab, ClearAll)->click();
        QCOMPARE(f.entries().size(), 1);
        QVERIFY(findControl<QPushButton>(f.tab, DeleteEntry)->isEnabled());
        findControl<QPushButton>(f.tab, ClearAll)->click();
        QVERIFY(f.entries().isEmpty());
        QVERIFY(!findControl<QPushButton>(f.tab, DeleteEntry)->isEnabled());
        QCOMPARE(f.fake.confirmations,
                 QStringList(2, "Are you sure you want to erase ALL menu items?"));
    }

    void makeCodeWritesTheWorkedExample() {
        DropdownFixture f;
        f.add("Home", "index.html");
        f.add("About", "about.html");
        findControl<QPushButton>(f.tab, MakeCode)->click();
        QVERIFY(f.fake.notices.isEmpty());
        const QStringList lines =
            findControl<QPlainTextEdit>(f.tab, Code)->toPlainText().split('\n');
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
        findControl<QPushButton>(f.tab, BackgroundButton)->click();
        findControl<QPushButton>(f.tab, ItemColourButton)->click();
        findControl<QComboBox>(f.tab, Font)->setEditText("Comic Sans MS");
        findControl<QComboBox>(f.tab, FontSize)->setEditText("12px");
        findControl<QToolButton>(f.tab, Bold)->click();
        findControl<QToolButton>(f.tab, Underline)->click();
        findControl<QLineEdit>(f.tab, GoText)->setText("Jump");
        findControl<QCheckBox>(f.tab, InvertButton)->click();
        findControl<QComboBox>(f.tab, BorderStyle)->setCurrentIndex(4);
        findControl<QComboBox>(f.tab, BorderWidth)->setCurrentIndex(24);
        findControl<QAction>(f.tab, WholePage)->trigger();
        findControl<QPushButton>(f.tab, MakeCode)->click();

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
        QCOMPARE(findControl<QPlainTextEdit>(f.tab, Code)->toPlainText(),
                 pageText(dropdownPage(expected)));
    }

    void emptyListWarnsAndRestoresTheGoText() {
        DropdownFixture f;
        auto* pane = findControl<QPlainTextEdit>(f.tab, Code);
        pane->setPlainText("old text\n");
        findControl<QLineEdit>(f.tab, GoText)->clear();
        findControl<QPushButton>(f.tab, MakeCode)->click();
        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Warning);
        QCOMPARE(f.fake.lastNotice(), emptyListNotice);
        QCOMPARE(findControl<QLineEdit>(f.tab, GoText)->text(), "Go!");
        QCOMPARE(pane->toPlainText(), pageText(dropdownPage(DropdownSettings())));
        QVERIFY(!pane->toPlainText().contains("old text"));
    }

    void makeChoicesAreExclusive() {
        DropdownFixture f;
        auto* relevant = findControl<QAction>(f.tab, RelevantCodeOnly);
        auto* all = findControl<QAction>(f.tab, WholePage);
        all->trigger();
        all->trigger();
        QVERIFY(all->isChecked());
        QVERIFY(!relevant->isChecked());
        relevant->trigger();
        relevant->trigger();
        QVERIFY(relevant->isChecked());
        QVERIFY(!all->isChecked());
        QCOMPARE(findControl<QAction>(f.tab, Preview)->statusTip(), "temp.html");
    }

    void colourButtonsFollowTheirDialogs() {
        DropdownFixture f;
        // The dialog opens on the setting's colour; Cancel changes nothing.
        f.fake.colourAnswers = {QColor()};
        findControl<QPushButton>(f.tab, BackgroundButton)->click();
        QCOMPARE(findControl<QLabel>(f.tab, BackgroundLabel)->text(), "#FFFFFF");
        QCOMPARE(findControl<QWidget>(f.tab, BackgroundSwatch)->palette().color(QPalette::Window),
                 QColor(Qt::white));

        f.fake.colourAnswers = {QColor(255, 0, 0), QColor()};
        findControl<QPushButton>(f.tab, ItemColourButton)->click();
        findControl<QPushButton>(f.tab, ItemColourButton)->click();
        QCOMPARE(findControl<QLabel>(f.tab, ItemColourLabel)->text(), "#FF0000");
        QCOMPARE(findControl<QWidget>(f.tab, ItemColourSwatch)->palette().color(QPalette::Window),
                 QColor(Qt::red));
        QCOMPARE(f.fake.colourStarts, (QList<QColor>{Qt::white, Qt::black, QColor(255, 0, 0)}));
    }

    void newRestoresDefaultsAndKeepsTheRest() {
        DropdownFixture f;
        f.add("A", "a");
        f.add("B", "b");
        f.select(1);
        f.fake.colourAnswers = {QColor(1, 2, 3), QColor(4, 5, 6)};
        findControl<QPushButton>(f.tab, BackgroundButton)->click();
        findControl<QPushButton>(f.tab, ItemColourButton)->click();
        findControl<QPushButton>(f.tab, MakeCode)->click();
        findControl<QRadioButton>(f.tab, InsertAtEnd)->setChecked(true);
        findControl<QLineEdit>(f.tab, ItemName)->setText("typed");
        findControl<QLineEdit>(f.tab, ItemUrl)->setText("typed.html");
        findControl<QLineEdit>(f.tab, GoText)->setText("Jump");
        findControl<QComboBox>(f.tab, FontSize)->setEditText("14pt");
        findControl<QComboBox>(f.tab, Font)->setEditText("Arial");
        for (const char* toggle : {Bold, Italic, Underline})
            findControl<QToolButton>(f.tab, toggle)->click();
        findControl<QComboBox>(f.tab, BorderStyle)->setCurrentIndex(3);
        findControl<QComboBox>(f.tab, BorderWidth)->setCurrentIndex(7);
        findControl<QCheckBox>(f.tab, InvertButton)->setChecked(true);
        findControl<QAction>(f.tab, WholePage)->trigger();

        f.fake.confirmAnswers = {false};
        findControl<QToolButton>(f.tab, NewButton)->click();
        QCOMPARE(f.entries().size(), 2);
        QCOMPARE(findControl<QLineEdit>(f.tab, ItemName)->text(), "typed");

        findControl<QToolButton>(f.tab, NewButton)->click();
        QCOMPARE(f.fake.confirmations.last(),
                 "Are you sure you want to erase all fields and start a new document?");
        QCOMPARE(findControl<QPlainTextEdit>(f.tab, Code)->toPlainText(), "");
        QVERIFY(!findControl<QRadioButton>(f.tab, InsertAtEnd)->isChecked());
        checkNewDocument(f);

        // Kept: the invert box, the page choice; the dialog opens on the restored colour...
        QVERIFY(findControl<QCheckBox>(f.tab, InvertButton)->isChecked());
        QVERIFY(findControl<QAction>(f.tab, WholePage)->isChecked());
        findControl<QPushButton>(f.tab, BackgroundButton)->click();
        QCOMPARE(f.fake.colourStarts.last(), QColor(Qt::white));
        // ...and the remembered position, which now lies past the empty list.
        f.add("C", "c", InsertAtCurrent);
        QCOMPARE(f.fake.lastNotice(), "Unable to insert a line.");
    }

    void fontPreviewShowsTheHighlightedFamily() {
        DropdownFixture f;
        f.tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.tab));
        auto* fonts = findControl<QComboBox>(f.tab, Font);
        auto* panel = findControl<QLabel>(f.tab, FontSample);
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

    void settingsComeBackAsApplied() {
        DropdownFixture f;
        DropdownSettings s;
        s.background = "#12AB0C";
        s.itemColour = "#0000FF";
        s.font = "Comic Sans MS";
        s.size = "12px";
        s.bold = s.italic = s.underline = true;
        s.goText = "Jump";
        s.border = "Groove";
        s.borderWidth = "25";
        s.invertButton = true;
        s.fullPage = true;
        s.entries = {"B [b.html]", "A [a.html]"};
        f.tab.applySettings(s);
        QCOMPARE(f.tab.settings(), s);
        QCOMPARE(findControl<QWidget>(f.tab, BackgroundSwatch)->palette().color(QPalette::Window),
                 QColor(0x12, 0xab, 0x0c));
        QVERIFY(!findControl<QAction>(f.tab, RelevantCodeOnly)->isChecked());
        f.tab.applySettings(DropdownSettings());
        QCOMPARE(f.tab.settings(), DropdownSettings());
    }

    void everyControlIsNamedAndOnTheTabChain() {
        DropdownFixture f;
        const QList<std::pair<QString, QString>> named = {
            {ItemName, "Menu Item Name:"},
            {ItemUrl, "URL:"},
            {InsertAtStart, "Start"},
            {InsertAtCurrent, "Current Pos"},
            {InsertAtEnd, "End"},
            {AddEntry, "Add Item"},
            {Entries, "Menu items"},
            {DeleteEntry, "Delete"},
            {SortEntries, "Sort"},
            {ClearAll, "Clear All"},
            {MakeCode, "Make Code"},
            {BackgroundButton, "Choose menu background colour"},
            {ItemColourButton, "Choose menu item colour"},
            {Font, "Font"},
            {Bold, "Bold"},
            {Italic, "Italic"},
            {Underline, "Underline"},
            {FontSize, "Font size"},
            {GoText, "GO! Button Text:"},
            {InvertButton, "Invert Button Colors"},
            {BorderStyle, "Border style"},
            {BorderWidth, "Border width"},
            {Code, "Generated code"},
            {CopyCode, "Copy to Clipboard"},
            {ClearCode, "Clear Code"},
        };
        QStringList names;
        for (const auto& [name, spoken] : named) {
            QCOMPARE(spokenName(findControl<QWidget>(f.tab, name)), spoken);
            names << name;
        }
        QCOMPARE(tabSequence(&f.tab, names), names);
    }

    void largeListsStayWhole() {
        DropdownFixture f;
        QStringList entries;
        for (int n = 10000; n > 0; --n)
            entries << entryText("Page " + QString::number(n), QString::number(n) + ".html");
        findControl<QListWidget>(f.tab, Entries)->addItems(entries);
        f.add("New", "new.html", InsertAtStart);
        findControl<QPushButton>(f.tab, SortEntries)->click();
        findControl<QPushButton>(f.tab, MakeCode)->click();
        const QStringList lines =
            findControl<QPlainTextEdit>(f.tab, Code)->toPlainText().split('\n');
        QCOMPARE(lines.size(), 10001 + 13 + 1);
        QCOMPARE(lines.at(10), "<option value=\"new.html\">New");
        QCOMPARE(lines.at(11), "<option value=\"1.html\">Page 1");
        QCOMPARE(lines.at(12), "<option value=\"10.html\">Page 10");
    }
};

QTEST_MAIN(DropdownTabTest)
#include "dropdown_tab_test.moc"
