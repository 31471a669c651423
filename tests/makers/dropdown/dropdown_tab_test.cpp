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

using namespace dropdown;

namespace {

const QString forbiddenNotice =
    "The item name or URL may not contain quotation marks or square brackets!";
const QString emptyListNotice = "This is just a message to inform you that there are no items in "
                                "your list. The code will be generated anyway.";

// What a tab holds at start and after New.
void checkNewDocument(DropdownFixture& f) {
    QVERIFY(f.entries().isEmpty());
    QVERIFY(!findControl<QPushButton>(f.tab, controls::DeleteEntry)->isEnabled());
    QVERIFY(!findControl<QPushButton>(f.tab, controls::AddEntry)->isEnabled());
    QVERIFY(findControl<QRadioButton>(f.tab, fields::InsertAtStart)->isChecked());
    QCOMPARE(findControl<QLineEdit>(f.tab, fields::ItemName)->text(), "");
    QCOMPARE(findControl<QLineEdit>(f.tab, fields::ItemUrl)->text(), "");
    QCOMPARE(findControl<QLineEdit>(f.tab, fields::GoText)->text(), "Go!");
    QCOMPARE(findControl<QComboBox>(f.tab, fields::FontSize)->currentText(), "10");
    QCOMPARE(findControl<QComboBox>(f.tab, fields::Font)->currentText(), "Times New Roman");
    for (const char* toggle : {fields::Bold, fields::Italic, fields::Underline})
        QVERIFY(!findControl<QToolButton>(f.tab, toggle)->isChecked());
    QCOMPARE(findControl<QLabel>(f.tab, controls::BackgroundLabel)->text(), "#FFFFFF");
    QCOMPARE(findControl<QLabel>(f.tab, controls::ItemColourLabel)->text(), "#000000");
    QCOMPARE(
        findControl<QWidget>(f.tab, controls::BackgroundSwatch)->palette().color(QPalette::Window),
        QColor(Qt::white));
    QCOMPARE(
        findControl<QWidget>(f.tab, controls::ItemColourSwatch)->palette().color(QPalette::Window),
        QColor(Qt::black));
    QCOMPARE(findControl<QComboBox>(f.tab, fields::BorderStyle)->currentText(), "Solid");
    QCOMPARE(findControl<QComboBox>(f.tab, fields::BorderWidth)->currentText(), "1");
}

} // namespace

class DropdownTabTest final : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheDocumentedDefaults() {
        DropdownFixture f;
        checkNewDocument(f);
        QCOMPARE(findControl<QComboBox>(f.tab, fields::FontSize)->count(), 72);
        QCOMPARE(findControl<QComboBox>(f.tab, fields::BorderWidth)->count(), 25);
        QVERIFY(findControl<QComboBox>(f.tab, fields::FontSize)->isEditable());
        QVERIFY(!findControl<QComboBox>(f.tab, fields::BorderStyle)->isEditable());
        QVERIFY(!findControl<QCheckBox>(f.tab, fields::InvertButton)->isChecked());
        QVERIFY(findControl<QAction>(f.tab, fields::RelevantCodeOnly)->isChecked());
        QVERIFY(!findControl<QAction>(f.tab, fields::WholePage)->isChecked());
        QCOMPARE(findControl<QPlainTextEdit>(f.tab, fields::Code)->toPlainText(), "\n");
        QCOMPARE(findControl<QPlainTextEdit>(f.tab, fields::Code)->lineWrapMode(),
                 QPlainTextEdit::NoWrap);
        QVERIFY(findControl<QLabel>(f.tab, controls::FontSample)->isHidden());
    }

    void addItemNeedsBothFields() {
        DropdownFixture f;
        auto* add = findControl<QPushButton>(f.tab, controls::AddEntry);
        findControl<QLineEdit>(f.tab, fields::ItemName)->setText("Home");
        QVERIFY(!add->isEnabled());
        findControl<QLineEdit>(f.tab, fields::ItemUrl)->setText("index.html");
        QVERIFY(add->isEnabled());
        findControl<QLineEdit>(f.tab, fields::ItemName)->clear();
        QVERIFY(!add->isEnabled());
        findControl<QLineEdit>(f.tab, fields::ItemName)->setText(" ");
        QVERIFY(add->isEnabled());
        findControl<QLineEdit>(f.tab, fields::ItemUrl)->clear();
        QVERIFY(!add->isEnabled());
    }

    void insertPositions() {
        DropdownFixture f;
        // Current Pos before any selection inserts at the top.
        f.add("A", "a.html", fields::InsertAtCurrent);
        f.add("B", "b.html", fields::InsertAtEnd);
        f.add("Z", "z.html", fields::InsertAtStart);
        QCOMPARE(f.entries(), (QStringList{"Z [z.html]", "A [a.html]", "B [b.html]"}));

        // Current Pos goes before the entry last selected...
        f.select(2);
        QVERIFY(findControl<QPushButton>(f.tab, controls::DeleteEntry)->isEnabled());
        f.add("C", "c.html", fields::InsertAtCurrent);
        QCOMPARE(f.entries(),
                 (QStringList{"Z [z.html]", "A [a.html]", "C [c.html]", "B [b.html]"}));
        // ...and adding ends the selection.
        QVERIFY(!findControl<QPushButton>(f.tab, controls::DeleteEntry)->isEnabled());
        QVERIFY(findControl<QListWidget>(f.tab, fields::Entries)->selectedItems().isEmpty());
        QCOMPARE(findControl<QLineEdit>(f.tab, fields::ItemName)->text(), "");
        QCOMPARE(findControl<QLineEdit>(f.tab, fields::ItemUrl)->text(), "");
        QVERIFY(!findControl<QPushButton>(f.tab, controls::AddEntry)->isEnabled());

        // Name and address are kept exactly as typed.
        f.add("  My page ", " x y.html ", fields::InsertAtEnd);
        QCOMPARE(f.entries().last(), "  My page  [ x y.html ]");
        QVERIFY(f.fake.notices.isEmpty());
    }

    void currentPosAtTheEndAndPastIt() {
        DropdownFixture f;
        f.add("A", "a");
        f.add("B", "b");
        f.add("C", "c");
        f.select(2);
        findControl<QPushButton>(f.tab, controls::DeleteEntry)->click();
        QCOMPARE(f.entries(), (QStringList{"A [a]", "B [b]"}));
        // The remembered position now equals the count: the entry goes last.
        f.add("D", "d", fields::InsertAtCurrent);
        QCOMPARE(f.entries(), (QStringList{"A [a]", "B [b]", "D [d]"}));

        findControl<QPushButton>(f.tab, controls::ClearAll)->click();
        QVERIFY(f.entries().isEmpty());
        f.add("E", "e.html", fields::InsertAtCurrent);
        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), "Unable to insert a line.");
        QVERIFY(f.entries().isEmpty());
        QCOMPARE(findControl<QLineEdit>(f.tab, fields::ItemName)->text(), "E");
        QCOMPARE(findControl<QLineEdit>(f.tab, fields::ItemUrl)->text(), "e.html");
        // Start and End still work.
        findControl<QPushButton>(f.tab, controls::AddEntry)->click();
        QVERIFY(f.entries().isEmpty());
        f.add("E", "e.html", fields::InsertAtStart);
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
        findControl<QLineEdit>(f.tab, fields::GoText)->setText(goText);
        f.add(name, url, fields::InsertAtStart);
        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Error);
        QCOMPARE(f.fake.lastNotice(), forbiddenNotice);
        QCOMPARE(f.entries(), QStringList{"Home [index.html]"});
        QCOMPARE(findControl<QLineEdit>(f.tab, fields::ItemName)->text(), name);
        QCOMPARE(findControl<QLineEdit>(f.tab, fields::ItemUrl)->text(), url);
        QCOMPARE(findControl<QLineEdit>(f.tab, fields::GoText)->text(), goText);
        QVERIFY(findControl<QPushButton>(f.tab, controls::AddEntry)->isEnabled());
    }

    void enterAddsAnywhereButInTheCodePane() {
        DropdownFixture f;
        f.tab.show();
        f.tab.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.tab));
        auto* url = findControl<QLineEdit>(f.tab, fields::ItemUrl);
        findControl<QLineEdit>(f.tab, fields::ItemName)->setText("Home");
        url->setText("index.html");
        url->setFocus();
        QTest::keyClick(url, Qt::Key_Return);
        QCOMPARE(f.entries(), QStringList{"Home [index.html]"});
        QCOMPARE(QApplication::focusWidget(), findControl<QLineEdit>(f.tab, fields::ItemName));

        // An editable list passes Enter on and keeps its text.
        findControl<QLineEdit>(f.tab, fields::ItemName)->setText("About");
        url->setText("about.html");
        auto* size = findControl<QComboBox>(f.tab, fields::FontSize);
        size->setFocus();
        size->setEditText("12px");
        QTest::keyClick(size->lineEdit(), Qt::Key_Enter);
        QCOMPARE(f.entries(), (QStringList{"About [about.html]", "Home [index.html]"}));
        QCOMPARE(size->currentText(), "12px");
        QCOMPARE(size->count(), 72);

        // A disabled Add Item ignores Enter; the code pane takes it as a line break.
        QTest::keyClick(findControl<QLineEdit>(f.tab, fields::ItemName), Qt::Key_Return);
        findControl<QLineEdit>(f.tab, fields::ItemName)->setText("Contact");
        url->setText("contact.html");
        auto* pane = findControl<QPlainTextEdit>(f.tab, fields::Code);
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
        auto* remove = findControl<QPushButton>(f.tab, controls::DeleteEntry);
        // Chosen with the mouse, as a user would.
        f.tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.tab));
        auto* list = findControl<QListWidget>(f.tab, fields::Entries);
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
        QVERIFY(findControl<QListWidget>(f.tab, fields::Entries)->selectedItems().isEmpty());
    }

    void sortOnceThenDeleteAtTheKeptPosition() {
        DropdownFixture f;
        f.add("b", "2");
        f.add("A", "1");
        f.add("a", "3");
        f.select(0); // "b [2]"
        findControl<QPushButton>(f.tab, controls::SortEntries)->click();
        QCOMPARE(f.entries(), (QStringList{"A [1]", "a [3]", "b [2]"}));
        QVERIFY(findControl<QPushButton>(f.tab, controls::DeleteEntry)->isEnabled());
        QCOMPARE(findControl<QListWidget>(f.tab, fields::Entries)->selectedItems().size(), 1);

        // The selection stayed at the first position, now "A [1]".
        findControl<QPushButton>(f.tab, controls::DeleteEntry)->click();
        QCOMPARE(f.entries(), (QStringList{"a [3]", "b [2]"}));

        // The list does not stay sorted.
        f.add("0", "0", fields::InsertAtEnd);
        QCOMPARE(f.entries().last(), "0 [0]");
    }

    void clearAllAsksFirst() {
        DropdownFixture f;
        f.add("A", "a");
        f.select(0);
        f.fake.confirmAnswers = {false, true};
        findControl<QPushButton>(f.tab, controls::ClearAll)->click();
        QCOMPARE(f.entries().size(), 1);
        QVERIFY(findControl<QPushButton>(f.tab, controls::DeleteEntry)->isEnabled());
        findControl<QPushButton>(f.tab, controls::ClearAll)->click();
        QVERIFY(f.entries().isEmpty());
        QVERIFY(!findControl<QPushButton>(f.tab, controls::DeleteEntry)->isEnabled());
        QCOMPARE(f.fake.confirmations,
                 QStringList(2, "Are you sure you want to erase ALL menu items?"));
    }

    void makeCodeWritesTheWorkedExample() {
        DropdownFixture f;
        f.add("Home", "index.html");
        f.add("About", "about.html");
        findControl<QPushButton>(f.tab, controls::MakeCode)->click();
        QVERIFY(f.fake.notices.isEmpty());
        const QStringList lines =
            findControl<QPlainTextEdit>(f.tab, fields::Code)->toPlainText().split('\n');
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
        findControl<QPushButton>(f.tab, controls::BackgroundButton)->click();
        findControl<QPushButton>(f.tab, controls::ItemColourButton)->click();
        findControl<QComboBox>(f.tab, fields::Font)->setEditText("Comic Sans MS");
        findControl<QComboBox>(f.tab, fields::FontSize)->setEditText("12px");
        findControl<QToolButton>(f.tab, fields::Bold)->click();
        findControl<QToolButton>(f.tab, fields::Underline)->click();
        findControl<QLineEdit>(f.tab, fields::GoText)->setText("Jump");
        findControl<QCheckBox>(f.tab, fields::InvertButton)->click();
        findControl<QComboBox>(f.tab, fields::BorderStyle)->setCurrentIndex(4);
        findControl<QComboBox>(f.tab, fields::BorderWidth)->setCurrentIndex(24);
        findControl<QAction>(f.tab, fields::WholePage)->trigger();
        findControl<QPushButton>(f.tab, controls::MakeCode)->click();

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
        QCOMPARE(findControl<QPlainTextEdit>(f.tab, fields::Code)->toPlainText(),
                 pageText(dropdownPage(expected)));
    }

    void emptyListWarnsAndRestoresTheGoText() {
        DropdownFixture f;
        auto* pane = findControl<QPlainTextEdit>(f.tab, fields::Code);
        pane->setPlainText("old text\n");
        findControl<QLineEdit>(f.tab, fields::GoText)->clear();
        findControl<QPushButton>(f.tab, controls::MakeCode)->click();
        QCOMPARE(f.fake.notices.size(), 1);
        QCOMPARE(f.fake.notices.first().kind, NoticeKind::Warning);
        QCOMPARE(f.fake.lastNotice(), emptyListNotice);
        QCOMPARE(findControl<QLineEdit>(f.tab, fields::GoText)->text(), "Go!");
        QCOMPARE(pane->toPlainText(), pageText(dropdownPage(DropdownSettings())));
        QVERIFY(!pane->toPlainText().contains("old text"));
    }

    void makeChoicesAreExclusive() {
        DropdownFixture f;
        auto* relevant = findControl<QAction>(f.tab, fields::RelevantCodeOnly);
        auto* all = findControl<QAction>(f.tab, fields::WholePage);
        all->trigger();
        all->trigger();
        QVERIFY(all->isChecked());
        QVERIFY(!relevant->isChecked());
        relevant->trigger();
        relevant->trigger();
        QVERIFY(relevant->isChecked());
        QVERIFY(!all->isChecked());
        QCOMPARE(findControl<QAction>(f.tab, controls::Preview)->statusTip(), "temp.html");
    }

    void colourButtonsFollowTheirDialogs() {
        DropdownFixture f;
        // The dialog opens on the setting's colour; Cancel changes nothing.
        f.fake.colourAnswers = {QColor()};
        findControl<QPushButton>(f.tab, controls::BackgroundButton)->click();
        QCOMPARE(findControl<QLabel>(f.tab, controls::BackgroundLabel)->text(), "#FFFFFF");
        QCOMPARE(findControl<QWidget>(f.tab, controls::BackgroundSwatch)
                     ->palette()
                     .color(QPalette::Window),
                 QColor(Qt::white));

        f.fake.colourAnswers = {QColor(255, 0, 0), QColor()};
        findControl<QPushButton>(f.tab, controls::ItemColourButton)->click();
        findControl<QPushButton>(f.tab, controls::ItemColourButton)->click();
        QCOMPARE(findControl<QLabel>(f.tab, controls::ItemColourLabel)->text(), "#FF0000");
        QCOMPARE(findControl<QWidget>(f.tab, controls::ItemColourSwatch)
                     ->palette()
                     .color(QPalette::Window),
                 QColor(Qt::red));
        QCOMPARE(f.fake.colourStarts, (QList<QColor>{Qt::white, Qt::black, QColor(255, 0, 0)}));
    }

    void newRestoresDefaultsAndKeepsTheRest() {
        DropdownFixture f;
        f.add("A", "a");
        f.add("B", "b");
        f.select(1);
        f.fake.colourAnswers = {QColor(1, 2, 3), QColor(4, 5, 6)};
        findControl<QPushButton>(f.tab, controls::BackgroundButton)->click();
        findControl<QPushButton>(f.tab, controls::ItemColourButton)->click();
        findControl<QPushButton>(f.tab, controls::MakeCode)->click();
        findControl<QRadioButton>(f.tab, fields::InsertAtEnd)->setChecked(true);
        findControl<QLineEdit>(f.tab, fields::ItemName)->setText("typed");
        findControl<QLineEdit>(f.tab, fields::ItemUrl)->setText("typed.html");
        findControl<QLineEdit>(f.tab, fields::GoText)->setText("Jump");
        findControl<QComboBox>(f.tab, fields::FontSize)->setEditText("14pt");
        findControl<QComboBox>(f.tab, fields::Font)->setEditText("Arial");
        for (const char* toggle : {fields::Bold, fields::Italic, fields::Underline})
            findControl<QToolButton>(f.tab, toggle)->click();
        findControl<QComboBox>(f.tab, fields::BorderStyle)->setCurrentIndex(3);
        findControl<QComboBox>(f.tab, fields::BorderWidth)->setCurrentIndex(7);
        findControl<QCheckBox>(f.tab, fields::InvertButton)->setChecked(true);
        findControl<QAction>(f.tab, fields::WholePage)->trigger();

        f.fake.confirmAnswers = {false};
        findControl<QToolButton>(f.tab, controls::NewButton)->click();
        QCOMPARE(f.entries().size(), 2);
        QCOMPARE(findControl<QLineEdit>(f.tab, fields::ItemName)->text(), "typed");

        findControl<QToolButton>(f.tab, controls::NewButton)->click();
        QCOMPARE(f.fake.confirmations.last(),
                 "Are you sure you want to erase all fields and start a new document?");
        QCOMPARE(findControl<QPlainTextEdit>(f.tab, fields::Code)->toPlainText(), "");
        QVERIFY(!findControl<QRadioButton>(f.tab, fields::InsertAtEnd)->isChecked());
        checkNewDocument(f);

        // Kept: the invert box, the page choice; the dialog opens on the restored colour...
        QVERIFY(findControl<QCheckBox>(f.tab, fields::InvertButton)->isChecked());
        QVERIFY(findControl<QAction>(f.tab, fields::WholePage)->isChecked());
        findControl<QPushButton>(f.tab, controls::BackgroundButton)->click();
        QCOMPARE(f.fake.colourStarts.last(), QColor(Qt::white));
        // ...and the remembered position, which now lies past the empty list.
        f.add("C", "c", fields::InsertAtCurrent);
        QCOMPARE(f.fake.lastNotice(), "Unable to insert a line.");
    }

    void fontPreviewShowsTheHighlightedFamily() {
        DropdownFixture f;
        f.tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.tab));
        auto* fonts = findControl<QComboBox>(f.tab, fields::Font);
        auto* panel = findControl<QLabel>(f.tab, controls::FontSample);
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
        QCOMPARE(findControl<QWidget>(f.tab, controls::BackgroundSwatch)
                     ->palette()
                     .color(QPalette::Window),
                 QColor(0x12, 0xab, 0x0c));
        QVERIFY(!findControl<QAction>(f.tab, fields::RelevantCodeOnly)->isChecked());
        f.tab.applySettings(DropdownSettings());
        QCOMPARE(f.tab.settings(), DropdownSettings());
    }

    void everyControlIsNamedAndOnTheTabChain() {
        DropdownFixture f;
        const QList<std::pair<QString, QString>> named = {
            {fields::ItemName, "Menu Item Name:"},
            {fields::ItemUrl, "URL:"},
            {fields::InsertAtStart, "Start"},
            {fields::InsertAtCurrent, "Current Pos"},
            {fields::InsertAtEnd, "End"},
            {controls::AddEntry, "Add Item"},
            {fields::Entries, "Menu items"},
            {controls::DeleteEntry, "Delete"},
            {controls::SortEntries, "Sort"},
            {controls::ClearAll, "Clear All"},
            {controls::MakeCode, "Make Code"},
            {controls::BackgroundButton, "Choose menu background colour"},
            {controls::ItemColourButton, "Choose menu item colour"},
            {fields::Font, "Font"},
            {fields::Bold, "Bold"},
            {fields::Italic, "Italic"},
            {fields::Underline, "Underline"},
            {fields::FontSize, "Font size"},
            {fields::GoText, "GO! Button Text:"},
            {fields::InvertButton, "Invert Button Colors"},
            {fields::BorderStyle, "Border style"},
            {fields::BorderWidth, "Border width"},
            {fields::Code, "Generated code"},
            {controls::CopyCode, "Copy to Clipboard"},
            {controls::ClearCode, "Clear Code"},
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
        findControl<QListWidget>(f.tab, fields::Entries)->addItems(entries);
        f.add("New", "new.html", fields::InsertAtStart);
        findControl<QPushButton>(f.tab, controls::SortEntries)->click();
        findControl<QPushButton>(f.tab, controls::MakeCode)->click();
        const QStringList lines =
            findControl<QPlainTextEdit>(f.tab, fields::Code)->toPlainText().split('\n');
        QCOMPARE(lines.size(), 10001 + 13 + 1);
        QCOMPARE(lines.at(10), "<option value=\"new.html\">New");
        QCOMPARE(lines.at(11), "<option value=\"1.html\">Page 1");
        QCOMPARE(lines.at(12), "<option value=\"10.html\">Page 10");
    }
};

QTEST_MAIN(DropdownTabTest)
#include "dropdown_tab_test.moc"
