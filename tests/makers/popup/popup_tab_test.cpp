#include "makers/popup/popup_tab.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/keyboard_access.h"
#include "support/test_files.h"
#include "widgets/edit_actions.h"
#include "widgets/tab_context.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

namespace {

enum EventIndex { OnClick, OnLoad, OnMouseOut, OnMouseOver, OnUnload, AfterDelay };
enum MediumIndex { TextLink, ImageLink, Other };

const QString NotSaved = QStringLiteral("Please save in HTML format first before previewing!");
const QString OtherRefused = QStringLiteral(
    "This option may not be selected. It is used when onMouse, etc. events are not used.");

} // namespace

class PopupTabTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<FakeDesktop> fake;
    std::unique_ptr<EditActions> actions;
    std::unique_ptr<PopupTab> tab;
    int aboutShown = 0;

    QCheckBox* box(const char* name) const { return findControl<QCheckBox>(*tab, name); }
    QSpinBox* spin(const char* name) const { return findControl<QSpinBox>(*tab, name); }
    QLineEdit* edit(const char* name) const { return findControl<QLineEdit>(*tab, name); }
    QComboBox* combo(const char* name) const { return findControl<QComboBox>(*tab, name); }
    QPlainTextEdit* pane() const { return findControl<QPlainTextEdit>(*tab, "Memo4"); }
    QPushButton* makeCode() const { return findControl<QPushButton>(*tab, "BitBtn10"); }

    // The label showing `caption`; the enabling rules reach labels too.
    QLabel* label(const QString& caption) const {
        for (QLabel* candidate : tab->findChildren<QLabel*>())
            if (candidate->text() == caption)
                return candidate;
        qFatal("no label %s", qPrintable(caption));
    }

    // A mouse click, which a disabled control ignores.
    static void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }

    // Picks an entry from the open list, as the user does.
    static void choose(QComboBox* list, int row) {
        list->showPopup();
        QAbstractItemView* view = list->view();
        view->setCurrentIndex(list->model()->index(row, 0));
        QTest::keyClick(view, Qt::Key_Return);
    }

    // Types character by character, also outside Latin-1.
    static void typeInto(QWidget* field, const QString& text) {
        field->setFocus();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    QStringList paneLines() const {
        QString text = pane()->toPlainText();
        if (!text.endsWith(QLatin1Char('\n')))
            return {QStringLiteral("<pane does not end with a line break>")};
        text.chop(1);
        return text.split(QLatin1Char('\n'));
    }

    void triggerMenuItem(const char* name) { findControl<QAction>(*tab, name)->trigger(); }

    void makePage(const QString& url = QStringLiteral("http://example.com/pop.html")) {
        edit("Edit6")->clear();
        typeInto(edit("Edit6"), url);
        click(makeCode());
    }

private slots:
    void init() {
        folder = std::make_unique<ProgramFolder>();
        fake = std::make_unique<FakeDesktop>();
        actions = std::make_unique<EditActions>(nullptr);
        TabContext context;
        context.folders = ProgramFolders::portable(folder->path());
        context.editActions = actions.get();
        context.showAbout = [this] { ++aboutShown; };
        aboutShown = 0;
        tab = std::make_unique<PopupTab>(context);
        tab->resize(606, 341);
        tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(tab.get()));
    }

    void cleanup() {
        tab.reset();
        actions.reset();
        fake.reset();
        folder.reset();
    }

    void startsWithTheDefaults() {
        QStringList titles;
        for (const QGroupBox* group : tab->findChildren<QGroupBox*>())
            titles << group->title();
        QCOMPARE(titles, (QStringList{"Popup Window Features", "URL && Status", "Window Launch"}));

        const struct {
            const char* name;
            int minimum, maximum, value;
            bool enabled;
        } spins[] = {{"SpinEdit1", 1, 1000, 240, true}, {"SpinEdit2", 1, 1000, 320, true},
                     {"SpinEdit3", 1, 1000, 25, true},  {"SpinEdit4", 1, 1000, 25, true},
                     {"SpinEdit5", 1, 999, 1, false},   {"SpinEdit6", 1, 999, 1, false}};
        for (const auto& s : spins) {
            QCOMPARE(spin(s.name)->minimum(), s.minimum);
            QCOMPARE(spin(s.name)->maximum(), s.maximum);
            QCOMPARE(spin(s.name)->value(), s.value);
            QCOMPARE(spin(s.name)->isEnabled(), s.enabled);
        }
        for (const char* name : {"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6",
                                 "CheckBox7", "CheckBox8", "CheckBox9", "CheckBox10"}) {
            QVERIFY(!box(name)->isChecked());
            QVERIFY(box(name)->isEnabled());
        }
        QCOMPARE(combo("ComboBox4")->currentText(), QStringLiteral("onClick"));
        QCOMPARE(combo("ComboBox4")->count(), 6);
        QCOMPARE(combo("ComboBox4")->itemText(AfterDelay), QStringLiteral("Popup After x Seconds"));
        QCOMPARE(combo("ComboBox5")->currentText(), QStringLiteral("Text Link"));
        QCOMPARE(combo("ComboBox5")->itemText(Other), QStringLiteral("Other"));
        QVERIFY(!combo("ComboBox4")->isEditable());
        QVERIFY(!combo("ComboBox5")->isEditable());

        for (const char* caption :
             {"After ", "second(s)", "Path To Image:", "Seconds Before Popup:"})
            QVERIFY2(!label(caption)->isEnabled(), caption);
        for (const char* caption : {"Window Height:", "Window Width:", "Win Pos Left:",
                                    "Win Pos Top:", "Launch Medium:", "Statusbar Message:"})
            QVERIFY2(label(caption)->isEnabled(), caption);
        QVERIFY(!edit("Edit8")->isEnabled());
        QVERIFY(!makeCode()->isEnabled());
        QCOMPARE(tab->savedFlag(), QStringLiteral("No"));
        QVERIFY(tab->savedPagePath().isEmpty());
    }

    void settingsComeBackAsAppliedWithTheirEnabling() {
        PopupSettings s;
        s.directories = s.location = s.menubar = s.resizable = true;
        s.scrollbars = s.statusbar = s.toolbar = true;
        s.height = "1000";
        s.width = "2";
        s.left = "3";
        s.top = "4";
        s.closeAfterTime = true;
        s.closeSeconds = "999";
        s.fullScreen = true;
        s.url = "u.html";
        s.statusText = "status";
        s.event = PopupSettings::LaunchEvent::AfterDelay;
        s.medium = PopupSettings::LaunchMedium::Other;
        s.imagePath = "i.png";
        s.delaySeconds = "7";
        tab->applySettings(s);
        QCOMPARE(tab->settings(), s);
        for (const char* open : {"SpinEdit5", "SpinEdit6", "BitBtn10"})
            QVERIFY2(findControl<QWidget>(*tab, open)->isEnabled(), open);
        for (const char* shut : {"SpinEdit1", "CheckBox2", "ComboBox5", "Edit7", "Edit8"})
            QVERIFY2(!findControl<QWidget>(*tab, shut)->isEnabled(), shut);

        tab->applySettings(PopupSettings());
        QCOMPARE(tab->settings(), PopupSettings());
        QVERIFY(!spin("SpinEdit5")->isEnabled());
        QVERIFY(combo("ComboBox5")->isEnabled());
        QVERIFY(!makeCode()->isEnabled());
    }

    void everyControlIsNamedAndOnTheTabChain() {
        const QList<std::pair<QString, QString>> controls = {
            {"CheckBox2", "Directories"},
            {"CheckBox3", "Location"},
            {"CheckBox4", "Menubar"},
            {"CheckBox5", "Resizable"},
            {"CheckBox6", "Scrollbars"},
            {"CheckBox7", "Statusbar"},
            {"CheckBox8", "Toolbar"},
            {"CheckBox10", "Fullscreen Window"},
            {"SpinEdit1", "Window Height:"},
            {"SpinEdit2", "Window Width:"},
            {"SpinEdit3", "Win Pos Left:"},
            {"SpinEdit4", "Win Pos Top:"},
            {"CheckBox9", "Close Window After A Predefined Time"},
            {"SpinEdit5", "Seconds before the popup closes"},
            {"Edit6", "Window URL:"},
            {"Edit7", "Statusbar Message:"},
            {"ComboBox4", "Launch event"},
            {"ComboBox5", "Launch medium"},
            {"Edit8", "Path To Image:"},
            {"SpinEdit6", "Seconds Before Popup:"},
            {"Memo4", "Generated code"},
            {"BitBtn10", "Make Code"},
            {"BitBtn4", "Copy To Clipboard"},
            {"BitBtn9", "Clear Code"},
        };
        QStringList names;
        for (const auto& [name, spoken] : controls) {
            QCOMPARE(spokenName(findControl<QWidget>(*tab, name)), spoken);
            names << name;
        }
        QCOMPARE(tabSequence(tab.get(), names), names);
    }

    void makeCodeNeedsAUrl() {
        typeInto(edit("Edit6"), QStringLiteral("a"));
        QVERIFY(makeCode()->isEnabled());
        QTest::keyClick(edit("Edit6"), Qt::Key_Backspace);
        QVERIFY(!makeCode()->isEnabled());
        click(makeCode());
        QVERIFY(pane()->toPlainText().isEmpty());
    }

    void closeTimeFieldFollowsItsBox() {
        QWidget* field[] = {label("After "), spin("SpinEdit5"), label("second(s)")};
        click(box("CheckBox9"));
        for (QWidget* w : field)
            QVERIFY(w->isEnabled());
        spin("SpinEdit5")->setValue(15);
        click(box("CheckBox9"));
        for (QWidget* w : field)
            QVERIFY(!w->isEnabled());
        QCOMPARE(spin("SpinEdit5")->value(), 15);

        click(box("CheckBox9"));
        makePage();
        QCOMPARE(paneLines().at(4), QStringLiteral("closetime=15;"));
    }

    void fullScreenKeepsTheFeatures() {
        click(box("CheckBox8"));
        spin("SpinEdit2")->setValue(500);
        click(box("CheckBox9"));
        click(box("CheckBox10"));

        const QList<QWidget*> features{
            box("CheckBox2"),       box("CheckBox3"),        box("CheckBox4"),
            box("CheckBox5"),       box("CheckBox6"),        box("CheckBox7"),
            box("CheckBox8"),       label("Window Height:"), label("Window Width:"),
            label("Win Pos Left:"), label("Win Pos Top:"),   spin("SpinEdit1"),
            spin("SpinEdit2"),      spin("SpinEdit3"),       spin("SpinEdit4")};
        for (QWidget* w : features)
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(box("CheckBox8")->isChecked());
        QVERIFY(box("CheckBox9")->isEnabled());
        QVERIFY(spin("SpinEdit5")->isEnabled());
        makePage();
        QCOMPARE(paneLines().at(7), QStringLiteral("windowprops=\"fullscreen=yes\";"));

        click(box("CheckBox10"));
        for (QWidget* w : features)
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(box("CheckBox8")->isChecked());
        click(makeCode());
        const QString features7 = paneLines().at(7);
        QVERIFY2(features7.contains(QStringLiteral(",toolbar=yes,width=500,height=240,")),
                 qPrintable(features7));
    }

    void launchEventSetsTheLaunchGroup_data() {
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("medium");
        QTest::addColumn<bool>("linkControls");
        QTest::addColumn<bool>("delayControls");
        QTest::addColumn<bool>("closeBox");

        QTest::newRow("onClick") << int(OnClick) << int(TextLink) << true << false << true;
        QTest::newRow("onLoad") << int(OnLoad) << int(Other) << false << false << true;
        QTest::newRow("onMouseOut") << int(OnMouseOut) << int(TextLink) << true << false << true;
        QTest::newRow("onMouseOver") << int(OnMouseOver) << int(TextLink) << true << false << true;
        QTest::newRow("onUnload") << int(OnUnload) << int(Other) << false << false << false;
        QTest::newRow("after delay") << int(AfterDelay) << int(Other) << false << true << true;
    }

    void launchEventSetsTheLaunchGroup() {
        QFETCH(int, event);
        QFETCH(int, medium);
        QFETCH(bool, linkControls);
        QFETCH(bool, delayControls);
        QFETCH(bool, closeBox);

        click(box("CheckBox9"));
        choose(combo("ComboBox5"), ImageLink);
        QVERIFY(edit("Edit8")->isEnabled());
        choose(combo("ComboBox4"), event);

        QCOMPARE(combo("ComboBox5")->currentIndex(), medium);
        for (QWidget* w : {static_cast<QWidget*>(label("Launch Medium:")),
                           static_cast<QWidget*>(combo("ComboBox5")),
                           static_cast<QWidget*>(label("Statusbar Message:")),
                           static_cast<QWidget*>(edit("Edit7"))})
            QCOMPARE(w->isEnabled(), linkControls);
        QVERIFY(!label("Path To Image:")->isEnabled());
        QVERIFY(!edit("Edit8")->isEnabled());
        QCOMPARE(label("Seconds Before Popup:")->isEnabled(), delayControls);
        QCOMPARE(spin("SpinEdit6")->isEnabled(), delayControls);
        QCOMPARE(box("CheckBox9")->isEnabled(), closeBox);
        QCOMPARE(box("CheckBox9")->isChecked(), closeBox);
        QCOMPARE(spin("SpinEdit5")->isEnabled(), closeBox);
        QCOMPARE(label("After ")->isEnabled(), closeBox);
        QVERIFY(fake->notices.isEmpty());
    }

    void clickingThroughTheEvents() {
        // Back from "onUnload" the close box is usable again but stays unticked.
        click(box("CheckBox9"));
        choose(combo("ComboBox4"), OnUnload);
        click(box("CheckBox9"));
        QVERIFY(!box("CheckBox9")->isChecked());
        choose(combo("ComboBox4"), OnClick);
        QVERIFY(box("CheckBox9")->isEnabled());
        QVERIFY(!box("CheckBox9")->isChecked());
        QVERIFY(!spin("SpinEdit5")->isEnabled());

        // The delay field belongs to its own event only.
        choose(combo("ComboBox4"), AfterDelay);
        QVERIFY(spin("SpinEdit6")->isEnabled());
        choose(combo("ComboBox4"), OnLoad);
        QVERIFY(!spin("SpinEdit6")->isEnabled());
        QVERIFY(!label("Seconds Before Popup:")->isEnabled());

        // An image link chosen for one link event is reset by the next one.
        choose(combo("ComboBox4"), OnMouseOut);
        choose(combo("ComboBox5"), ImageLink);
        QVERIFY(label("Path To Image:")->isEnabled());
        choose(combo("ComboBox4"), OnMouseOver);
        QCOMPARE(combo("ComboBox5")->currentText(), QStringLiteral("Text Link"));
        QVERIFY(!label("Path To Image:")->isEnabled());
        choose(combo("ComboBox5"), ImageLink);
        choose(combo("ComboBox5"), TextLink);
        QVERIFY(!edit("Edit8")->isEnabled());
    }

    void otherMediumIsRefused() {
        for (int before : {TextLink, ImageLink}) {
            fake->notices.clear();
            choose(combo("ComboBox5"), before);
            choose(combo("ComboBox5"), Other);
            QCOMPARE(fake->notices.size(), 1);
            QCOMPARE(fake->notices[0].kind, NoticeKind::Information);
            QCOMPARE(fake->notices[0].text, OtherRefused);
            QCOMPARE(combo("ComboBox5")->currentText(), QStringLiteral("Text Link"));
            QVERIFY(!edit("Edit8")->isEnabled());
            QVERIFY(!label("Path To Image:")->isEnabled());
        }
        makePage();
        QCOMPARE(paneLines().at(24), QStringLiteral("Click Here"));
    }

    void makeCodeWritesThePageOfTheChosenEvent() {
        makePage(QStringLiteral("pop.html"));
        QCOMPARE(paneLines().size(), 28);
        QCOMPARE(paneLines().at(13), QStringLiteral("url=\"pop.html\""));

        // The status text of a disabled field is still written.
        typeInto(edit("Edit7"), QStringLiteral("Hello"));
        choose(combo("ComboBox4"), OnLoad);
        click(makeCode());
        QCOMPARE(paneLines().size(), 25);
        QCOMPARE(paneLines().at(16), QStringLiteral("window.status=\"Hello\";"));
        QCOMPARE(paneLines().at(22), QStringLiteral("<body onLoad=\"popupWin();\">"));

        choose(combo("ComboBox4"), AfterDelay);
        spin("SpinEdit6")->setValue(5);
        click(makeCode());
        QCOMPARE(paneLines().at(14), QStringLiteral("delay=5;"));

        choose(combo("ComboBox4"), OnUnload);
        click(makeCode());
        QCOMPARE(paneLines().size(), 15);
        QCOMPARE(paneLines().at(12), QStringLiteral("<body onUnload=\"popupWin();\">"));

        choose(combo("ComboBox4"), OnMouseOver);
        choose(combo("ComboBox5"), ImageLink);
        typeInto(edit("Edit8"), QStringLiteral("go.gif"));
        click(makeCode());
        QCOMPARE(paneLines().mid(23, 3),
                 (QStringList{"<a href=\"\" onMouseOver=\"javascript:popupWin();\">",
                              "<img src=\"go.gif\" border=\"0\" alt=\"Image\">", "</a>"}));

        // Hand edits are replaced by the next page.
        pane()->appendPlainText(QStringLiteral("edited"));
        click(makeCode());
        QCOMPARE(paneLines().size(), 28);
    }

    void makeCodeTakesNumbersAsTyped() {
        QSpinBox* width = spin("SpinEdit2");
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("1000"));
        // Still in the field, not yet committed: Make Code takes it as shown.
        typeInto(edit("Edit6"), QStringLiteral("x"));
        makeCode()->click();
        QVERIFY2(paneLines().at(7).contains(QStringLiteral(",width=1000,")),
                 qPrintable(paneLines().at(7)));

        // A field left empty is committed to a number before it is written,
        // never to an empty value.
        QSpinBox* height = spin("SpinEdit1");
        height->setFocus();
        height->selectAll();
        QTest::keyClick(height, Qt::Key_Backspace);
        makeCode()->click();
        QVERIFY(!height->text().isEmpty());
        QVERIFY2(paneLines().at(7).contains(QStringLiteral(",height=") + height->text() +
                                            QStringLiteral(",left=")),
                 qPrintable(paneLines().at(7)));
    }

    void eachFeatureBoxFeedsItsWord() {
        const char* const boxes[] = {"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5",
                                     "CheckBox6", "CheckBox7", "CheckBox8"};
        const char* const words[] = {"directories", "location", "menubar", "resizable",
                                     "scrollbars",  "status",   "toolbar"};
        typeInto(edit("Edit6"), QStringLiteral("x"));
        for (int ticked = 0; ticked < 7; ++ticked) {
            click(box(boxes[ticked]));
            click(makeCode());
            const QString line = paneLines().at(7);
            for (int i = 0; i < 7; ++i) {
                const QString word =
                    QLatin1String(words[i]) + QLatin1String(i == ticked ? "=yes," : "=no,");
                QVERIFY2(line.contains(word), qPrintable(line + " lacks " + word));
            }
            click(box(boxes[ticked]));
        }
    }

    void typedTextReachesThePageAsTyped() {
        const QString url = QStringLiteral("a.html?q=\"x\"&y='<b>' Grüße €");
        typeInto(edit("Edit7"), QStringLiteral("it's \"done\" <now>"));
        makePage(url);
        QCOMPARE(paneLines().size(), 28);
        QCOMPARE(paneLines().at(13), QStringLiteral("url=\"") + url + QStringLiteral("\""));
        QCOMPARE(paneLines().at(16), QStringLiteral("window.status=\"it's \"done\" <now>\";"));

        // Line breaks pasted into a single-line field never split a page line.
        QApplication::clipboard()->setText(QStringLiteral("http://exa\nmple.com/\r\npop.html"));
        edit("Edit6")->clear();
        edit("Edit6")->setFocus();
        QTest::keySequence(edit("Edit6"), QKeySequence::Paste);
        QCOMPARE(edit("Edit6")->text(), QStringLiteral("http://example.com/pop.html"));
        QCOMPARE(edit("Edit6")->cursorPosition(), edit("Edit6")->text().size());
        click(makeCode());
        QCOMPARE(paneLines().size(), 28);
    }

    void newAsksThenResetsTheFields() {
        for (const char* name : {"CheckBox2", "CheckBox5", "CheckBox8", "CheckBox9"})
            click(box(name));
        for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit5"})
            spin(name)->setValue(7);
        typeInto(edit("Edit7"), QStringLiteral("status"));
        choose(combo("ComboBox4"), AfterDelay);
        spin("SpinEdit6")->setValue(9);
        makePage();
        const QString page = pane()->toPlainText();
        fake->saveAnswers << folder->file(QStringLiteral("saved.html"));
        click(findControl<QToolButton>(*tab, "ToolButton19"));
        QCOMPARE(tab->savedFlag(), QStringLiteral("Yes"));
        // A number typed but not committed, where the value itself is still
        // the start value.
        spin("SpinEdit4")->setFocus();
        QTest::keyClick(spin("SpinEdit4"), Qt::Key_End);
        QTest::keyClick(spin("SpinEdit4"), Qt::Key_9);
        click(box("CheckBox10"));

        fake->confirmAnswers << false;
        click(findControl<QToolButton>(*tab, "ToolButton18"));
        QCOMPARE(
            fake->confirmations,
            QStringList{"Are you sure you want to erase all fields and start a new document?"});
        QVERIFY(box("CheckBox10")->isChecked());
        QCOMPARE(spin("SpinEdit6")->value(), 9);
        QCOMPARE(tab->savedFlag(), QStringLiteral("Yes"));
        QCOMPARE(spin("SpinEdit4")->text(), QStringLiteral("259"));

        click(findControl<QToolButton>(*tab, "ToolButton18"));
        QCOMPARE(spin("SpinEdit4")->text(), QStringLiteral("25"));
        for (const char* name : {"CheckBox2", "CheckBox5", "CheckBox8", "CheckBox9", "CheckBox10"})
            QVERIFY2(!box(name)->isChecked(), name);
        QVERIFY(box("CheckBox2")->isEnabled());
        QVERIFY(spin("SpinEdit1")->isEnabled());
        QVERIFY(!spin("SpinEdit5")->isEnabled());
        for (const char* name : {"Edit6", "Edit7", "Edit8"})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        QVERIFY(!makeCode()->isEnabled());
        const int values[] = {240, 320, 25, 25, 1, 1};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(spin(qPrintable(QStringLiteral("SpinEdit%1").arg(i + 1)))->value(), values[i]);
        QCOMPARE(tab->savedFlag(), QStringLiteral("No"));

        // Kept: the launch choice with its enabling, the saved file name, the page.
        QCOMPARE(combo("ComboBox4")->currentIndex(), int(AfterDelay));
        QCOMPARE(combo("ComboBox5")->currentIndex(), int(Other));
        QVERIFY(spin("SpinEdit6")->isEnabled());
        QCOMPARE(tab->savedPagePath(), folder->file(QStringLiteral("saved.html")));
        QCOMPARE(pane()->toPlainText(), page);
    }

    void previewOpensTheSavedPage() {
        click(findControl<QToolButton>(*tab, "ToolButton30"));
        QCOMPARE(fake->noticeTexts(), QStringList{NotSaved});
        QCOMPARE(fake->notices[0].kind, NoticeKind::Information);
        QVERIFY(fake->opened.isEmpty());

        makePage();
        const QString path = folder->file(QStringLiteral("page.html"));
        fake->saveAnswers << folder->file(QStringLiteral("page"));
        click(findControl<QToolButton>(*tab, "ToolButton19"));
        QCOMPARE(tab->savedFlag(), QStringLiteral("Yes"));
        QCOMPARE(tab->savedPagePath(), path);
        QCOMPARE(readBytes(path), pane()->toPlainText().replace("\n", "\r\n").toUtf8());

        // Changes after the save show only after the next save.
        pane()->appendPlainText(QStringLiteral("later"));
        triggerMenuItem("Preview1");
        click(findControl<QToolButton>(*tab, "ToolButton30"));
        QCOMPARE(fake->opened, (QList<QUrl>{QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)}));
        QVERIFY(!readBytes(path).contains("later"));

        fake->confirmAnswers << true;
        click(findControl<QToolButton>(*tab, "ToolButton18"));
        click(findControl<QToolButton>(*tab, "ToolButton30"));
        QCOMPARE(fake->lastNotice(), NotSaved);
        QCOMPARE(fake->opened.size(), 2);
    }

    void savesUseThisTabsDialogs() {
        makePage();
        // Cancelled or failed HTML saves record nothing.
        triggerMenuItem("AsHTML2");
        fake->saveAnswers << folder->file(QStringLiteral("missing/folder/page.html"));
        triggerMenuItem("AsHTML2");
        QCOMPARE(fake->notices.size(), 1);
        QCOMPARE(fake->notices[0].kind, NoticeKind::Error);
        QCOMPARE(tab->savedFlag(), QStringLiteral("No"));
        const FileDialogSpec html = fake->fileQuestions.at(0).request;
        QCOMPARE(html.name, QStringLiteral("SaveDialog2"));
        QCOMPARE(html.title, QStringLiteral("Save as HTML"));
        QCOMPARE(html.filters, QStringList{"HTML File (*.html)"});
        QCOMPARE(html.defaultSuffix, QStringLiteral("html"));
        QVERIFY(html.confirmOverwrite);

        // The text dialog replaces an existing file without asking and does
        // not count as a save for Preview.
        const QString text = folder->file(QStringLiteral("old.txt"));
        writeBytes(text, QByteArrayLiteral("an older and much longer text that must go away"));
        fake->saveAnswers << text;
        triggerMenuItem("AsText2");
        const FileDialogSpec textSpec = fake->fileQuestions.last().request;
        QCOMPARE(textSpec.name, QStringLiteral("SaveDialog4"));
        QCOMPARE(textSpec.title, QStringLiteral("Save as TeXT"));
        QCOMPARE(textSpec.filters, QStringList{"Text Files (*.txt)"});
        QCOMPARE(textSpec.defaultSuffix, QStringLiteral("txt"));
        QVERIFY(!textSpec.confirmOverwrite);
        QCOMPARE(readBytes(text), pane()->toPlainText().replace("\n", "\r\n").toUtf8());
        QCOMPARE(tab->savedFlag(), QStringLiteral("No"));
        QVERIFY(tab->savedPagePath().isEmpty());
    }

    void paneCommandsAndTools() {
        makePage();
        const QString page = pane()->toPlainText();
        click(findControl<QPushButton>(*tab, "BitBtn4"));
        QCOMPARE(QApplication::clipboard()->text(), page);
        QCOMPARE(pane()->textCursor().selectedText().size(), page.size());

        click(findControl<QToolButton>(*tab, "ToolButton28"));
        QCOMPARE(fake->printed, QStringList{page});

        click(findControl<QPushButton>(*tab, "BitBtn9"));
        QVERIFY(pane()->toPlainText().isEmpty());
        QVERIFY(fake->confirmations.isEmpty());

        auto* bar = findControl<QToolBar>(*tab, "ToolBar3");
        QVERIFY(bar->isVisible());
        triggerMenuItem("Help4");
        QCOMPARE(fake->opened.last(), QUrl::fromLocalFile(folder->file("help/con2.html")));
        triggerMenuItem("About3");
        QCOMPARE(aboutShown, 1);
        // The shared edit actions are on this tool bar as well.
        int editButtons = 0;
        for (const QToolButton* button : bar->findChildren<QToolButton*>())
            editButtons += button->defaultAction() == actions->cut ||
                           button->defaultAction() == actions->paste;
        QCOMPARE(editButtons, 2);
    }
};

QTEST_MAIN(PopupTabTest)
#include "popup_tab_test.moc"
