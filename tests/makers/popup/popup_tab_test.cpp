#include "makers/popup/popup_controls.h"
#include "makers/popup/popup_fields.h"
#include "makers/popup/popup_tab.h"
#include "support/find_control.h"
#include "support/keyboard_access.h"
#include "support/tab_fixture.h"
#include "support/test_files.h"

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

using namespace popup::controls;
using namespace popup::fields;

namespace {

enum EventIndex { OnClick, OnLoad, OnMouseOut, OnMouseOver, OnUnload, AfterDelay };
enum MediumIndex { TextLink, ImageLink, Other };

const QString NotSaved = QStringLiteral("Please save in HTML format first before previewing!");
const QString OtherRefused = QStringLiteral(
    "This option may not be selected. It is used when onMouse, etc. events are not used.");

} // namespace

class PopupTabTest final : public QObject {
    Q_OBJECT

    std::unique_ptr<TabFixture<PopupTab>> f;
    int aboutShown = 0;

    QCheckBox* box(const char* name) const { return findControl<QCheckBox>(f->tab, name); }
    QSpinBox* spin(const char* name) const { return findControl<QSpinBox>(f->tab, name); }
    QLineEdit* edit(const char* name) const { return findControl<QLineEdit>(f->tab, name); }
    QComboBox* combo(const char* name) const { return findControl<QComboBox>(f->tab, name); }
    QPlainTextEdit* pane() const { return findControl<QPlainTextEdit>(f->tab, Code); }
    QPushButton* makeCode() const { return findControl<QPushButton>(f->tab, MakeCode); }

    // The label showing `caption`; the enabling rules reach labels too.
    QLabel* label(const QString& caption) const {
        for (QLabel* candidate : f->tab.findChildren<QLabel*>())
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

    void triggerMenuItem(const char* name) { findControl<QAction>(f->tab, name)->trigger(); }

    void makePage(const QString& url = QStringLiteral("http://example.com/pop.html")) {
        edit(Url)->clear();
        typeInto(edit(Url), url);
        click(makeCode());
    }

private slots:
    void init() {
        aboutShown = 0;
        f = std::make_unique<TabFixture<PopupTab>>(TabOutput::Classic, [this] { ++aboutShown; });
        f->tab.resize(606, 341);
        f->tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f->tab));
    }

    void cleanup() { f.reset(); }

    void startsWithTheDefaults() {
        QStringList titles;
        for (const QGroupBox* group : f->tab.findChildren<QGroupBox*>())
            titles << group->title();
        QCOMPARE(titles, (QStringList{"Popup Window Features", "URL && Status", "Window Launch"}));

        const struct {
            const char* name;
            int minimum, maximum, value;
            bool enabled;
        } spins[] = {{Height, 1, 1000, 240, true},     {Width, 1, 1000, 320, true},
                     {Left, 1, 1000, 25, true},        {Top, 1, 1000, 25, true},
                     {CloseSeconds, 1, 999, 1, false}, {DelaySeconds, 1, 999, 1, false}};
        for (const auto& s : spins) {
            QCOMPARE(spin(s.name)->minimum(), s.minimum);
            QCOMPARE(spin(s.name)->maximum(), s.maximum);
            QCOMPARE(spin(s.name)->value(), s.value);
            QCOMPARE(spin(s.name)->isEnabled(), s.enabled);
        }
        for (const char* name : {Directories, Location, Menubar, Resizable, Scrollbars, Statusbar,
                                 Toolbar, CloseAfterTime, FullScreen}) {
            QVERIFY(!box(name)->isChecked());
            QVERIFY(box(name)->isEnabled());
        }
        QCOMPARE(combo(LaunchEvent)->currentText(), QStringLiteral("onClick"));
        QCOMPARE(combo(LaunchEvent)->count(), 6);
        QCOMPARE(combo(LaunchEvent)->itemText(AfterDelay), QStringLiteral("Popup After x Seconds"));
        QCOMPARE(combo(LaunchMedium)->currentText(), QStringLiteral("Text Link"));
        QCOMPARE(combo(LaunchMedium)->itemText(Other), QStringLiteral("Other"));
        QVERIFY(!combo(LaunchEvent)->isEditable());
        QVERIFY(!combo(LaunchMedium)->isEditable());

        for (const char* caption :
             {"After ", "second(s)", "Path To Image:", "Seconds Before Popup:"})
            QVERIFY2(!label(caption)->isEnabled(), caption);
        for (const char* caption : {"Window Height:", "Window Width:", "Win Pos Left:",
                                    "Win Pos Top:", "Launch Medium:", "Statusbar Message:"})
            QVERIFY2(label(caption)->isEnabled(), caption);
        QVERIFY(!edit(ImagePath)->isEnabled());
        QVERIFY(!makeCode()->isEnabled());
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("No"));
        QVERIFY(f->tab.savedPagePath().isEmpty());
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
        f->tab.applySettings(s);
        QCOMPARE(f->tab.settings(), s);
        for (const char* open : {CloseSeconds, DelaySeconds, MakeCode})
            QVERIFY2(findControl<QWidget>(f->tab, open)->isEnabled(), open);
        for (const char* shut : {Height, Directories, LaunchMedium, StatusText, ImagePath})
            QVERIFY2(!findControl<QWidget>(f->tab, shut)->isEnabled(), shut);

        f->tab.applySettings(PopupSettings());
        QCOMPARE(f->tab.settings(), PopupSettings());
        QVERIFY(!spin(CloseSeconds)->isEnabled());
        QVERIFY(combo(LaunchMedium)->isEnabled());
        QVERIFY(!makeCode()->isEnabled());
    }

    void everyControlIsNamedAndOnTheTabChain() {
        const QList<std::pair<QString, QString>> named = {
            {Directories, "Directories"},
            {Location, "Location"},
            {Menubar, "Menubar"},
            {Resizable, "Resizable"},
            {Scrollbars, "Scrollbars"},
            {Statusbar, "Statusbar"},
            {Toolbar, "Toolbar"},
            {FullScreen, "Fullscreen Window"},
            {Height, "Window Height:"},
            {Width, "Window Width:"},
            {Left, "Win Pos Left:"},
            {Top, "Win Pos Top:"},
            {CloseAfterTime, "Close Window After A Predefined Time"},
            {CloseSeconds, "Seconds before the popup closes"},
            {Url, "Window URL:"},
            {StatusText, "Statusbar Message:"},
            {LaunchEvent, "Launch event"},
            {LaunchMedium, "Launch medium"},
            {ImagePath, "Path To Image:"},
            {DelaySeconds, "Seconds Before Popup:"},
            {Code, "Generated code"},
            {MakeCode, "Make Code"},
            {CopyCode, "Copy To Clipboard"},
            {ClearCode, "Clear Code"},
        };
        QStringList names;
        for (const auto& [name, spoken] : named) {
            QCOMPARE(spokenName(findControl<QWidget>(f->tab, name)), spoken);
            names << name;
        }
        QCOMPARE(tabSequence(&f->tab, names), names);
    }

    void makeCodeNeedsAUrl() {
        typeInto(edit(Url), QStringLiteral("a"));
        QVERIFY(makeCode()->isEnabled());
        QTest::keyClick(edit(Url), Qt::Key_Backspace);
        QVERIFY(!makeCode()->isEnabled());
        click(makeCode());
        QVERIFY(pane()->toPlainText().isEmpty());
    }

    void closeTimeFieldFollowsItsBox() {
        QWidget* field[] = {label("After "), spin(CloseSeconds), label("second(s)")};
        click(box(CloseAfterTime));
        for (QWidget* w : field)
            QVERIFY(w->isEnabled());
        spin(CloseSeconds)->setValue(15);
        click(box(CloseAfterTime));
        for (QWidget* w : field)
            QVERIFY(!w->isEnabled());
        QCOMPARE(spin(CloseSeconds)->value(), 15);

        click(box(CloseAfterTime));
        makePage();
        QCOMPARE(paneLines().at(4), QStringLiteral("closetime=15;"));
    }

    void fullScreenKeepsTheFeatures() {
        click(box(Toolbar));
        spin(Width)->setValue(500);
        click(box(CloseAfterTime));
        click(box(FullScreen));

        const QList<QWidget*> features{box(Directories),
                                       box(Location),
                                       box(Menubar),
                                       box(Resizable),
                                       box(Scrollbars),
                                       box(Statusbar),
                                       box(Toolbar),
                                       label("Window Height:"),
                                       label("Window Width:"),
                                       label("Win Pos Left:"),
                                       label("Win Pos Top:"),
                                       spin(Height),
                                       spin(Width),
                                       spin(Left),
                                       spin(Top)};
        for (QWidget* w : features)
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(box(Toolbar)->isChecked());
        QVERIFY(box(CloseAfterTime)->isEnabled());
        QVERIFY(spin(CloseSeconds)->isEnabled());
        makePage();
        QCOMPARE(paneLines().at(7), QStringLiteral("windowprops=\"fullscreen=yes\";"));

        click(box(FullScreen));
        for (QWidget* w : features)
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(box(Toolbar)->isChecked());
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

        click(box(CloseAfterTime));
        choose(combo(LaunchMedium), ImageLink);
        QVERIFY(edit(ImagePath)->isEnabled());
        choose(combo(LaunchEvent), event);

        QCOMPARE(combo(LaunchMedium)->currentIndex(), medium);
        for (QWidget* w : {static_cast<QWidget*>(label("Launch Medium:")),
                           static_cast<QWidget*>(combo(LaunchMedium)),
                           static_cast<QWidget*>(label("Statusbar Message:")),
                           static_cast<QWidget*>(edit(StatusText))})
            QCOMPARE(w->isEnabled(), linkControls);
        QVERIFY(!label("Path To Image:")->isEnabled());
        QVERIFY(!edit(ImagePath)->isEnabled());
        QCOMPARE(label("Seconds Before Popup:")->isEnabled(), delayControls);
        QCOMPARE(spin(DelaySeconds)->isEnabled(), delayControls);
        QCOMPARE(box(CloseAfterTime)->isEnabled(), closeBox);
        QCOMPARE(box(CloseAfterTime)->isChecked(), closeBox);
        QCOMPARE(spin(CloseSeconds)->isEnabled(), closeBox);
        QCOMPARE(label("After ")->isEnabled(), closeBox);
        QVERIFY(f->fake.notices.isEmpty());
    }

    void clickingThroughTheEvents() {
        // Back from "onUnload" the close box is usable again but stays unticked.
        click(box(CloseAfterTime));
        choose(combo(LaunchEvent), OnUnload);
        click(box(CloseAfterTime));
        QVERIFY(!box(CloseAfterTime)->isChecked());
        choose(combo(LaunchEvent), OnClick);
        QVERIFY(box(CloseAfterTime)->isEnabled());
        QVERIFY(!box(CloseAfterTime)->isChecked());
        QVERIFY(!spin(CloseSeconds)->isEnabled());

        // The delay field belongs to its own event only.
        choose(combo(LaunchEvent), AfterDelay);
        QVERIFY(spin(DelaySeconds)->isEnabled());
        choose(combo(LaunchEvent), OnLoad);
        QVERIFY(!spin(DelaySeconds)->isEnabled());
        QVERIFY(!label("Seconds Before Popup:")->isEnabled());

        // An image link chosen for one link event is reset by the next one.
        choose(combo(LaunchEvent), OnMouseOut);
        choose(combo(LaunchMedium), ImageLink);
        QVERIFY(label("Path To Image:")->isEnabled());
        choose(combo(LaunchEvent), OnMouseOver);
        QCOMPARE(combo(LaunchMedium)->currentText(), QStringLiteral("Text Link"));
        QVERIFY(!label("Path To Image:")->isEnabled());
        choose(combo(LaunchMedium), ImageLink);
        choose(combo(LaunchMedium), TextLink);
        QVERIFY(!edit(ImagePath)->isEnabled());
    }

    void otherMediumIsRefused() {
        for (int before : {TextLink, ImageLink}) {
            f->fake.notices.clear();
            choose(combo(LaunchMedium), before);
            choose(combo(LaunchMedium), Other);
            QCOMPARE(f->fake.notices.size(), 1);
            QCOMPARE(f->fake.notices[0].kind, NoticeKind::Information);
            QCOMPARE(f->fake.notices[0].text, OtherRefused);
            QCOMPARE(combo(LaunchMedium)->currentText(), QStringLiteral("Text Link"));
            QVERIFY(!edit(ImagePath)->isEnabled());
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
        typeInto(edit(StatusText), QStringLiteral("Hello"));
        choose(combo(LaunchEvent), OnLoad);
        click(makeCode());
        QCOMPARE(paneLines().size(), 25);
        QCOMPARE(paneLines().at(16), QStringLiteral("window.status=\"Hello\";"));
        QCOMPARE(paneLines().at(22), QStringLiteral("<body onLoad=\"popupWin();\">"));

        choose(combo(LaunchEvent), AfterDelay);
        spin(DelaySeconds)->setValue(5);
        click(makeCode());
        QCOMPARE(paneLines().at(14), QStringLiteral("delay=5;"));

        choose(combo(LaunchEvent), OnUnload);
        click(makeCode());
        QCOMPARE(paneLines().size(), 15);
        QCOMPARE(paneLines().at(12), QStringLiteral("<body onUnload=\"popupWin();\">"));

        choose(combo(LaunchEvent), OnMouseOver);
        choose(combo(LaunchMedium), ImageLink);
        typeInto(edit(ImagePath), QStringLiteral("go.gif"));
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
        QSpinBox* width = spin(Width);
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("1000"));
        // Still in the field, not yet committed: Make Code takes it as shown.
        typeInto(edit(Url), QStringLiteral("x"));
        makeCode()->click();
        QVERIFY2(paneLines().at(7).contains(QStringLiteral(",width=1000,")),
                 qPrintable(paneLines().at(7)));

        // A field left empty is committed to a number before it is written,
        // never to an empty value.
        QSpinBox* height = spin(Height);
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
        const char* const boxes[] = {Directories, Location,  Menubar, Resizable,
                                     Scrollbars,  Statusbar, Toolbar};
        const char* const words[] = {"directories", "location", "menubar", "resizable",
                                     "scrollbars",  "status",   "toolbar"};
        typeInto(edit(Url), QStringLiteral("x"));
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
        typeInto(edit(StatusText), QStringLiteral("it's \"done\" <now>"));
        makePage(url);
        QCOMPARE(paneLines().size(), 28);
        QCOMPARE(paneLines().at(13), QStringLiteral("url=\"") + url + QStringLiteral("\""));
        QCOMPARE(paneLines().at(16), QStringLiteral("window.status=\"it's \"done\" <now>\";"));

        // Line breaks pasted into a single-line field never split a page line.
        QApplication::clipboard()->setText(QStringLiteral("http://exa\nmple.com/\r\npop.html"));
        edit(Url)->clear();
        edit(Url)->setFocus();
        QTest::keySequence(edit(Url), QKeySequence::Paste);
        QCOMPARE(edit(Url)->text(), QStringLiteral("http://example.com/pop.html"));
        QCOMPARE(edit(Url)->cursorPosition(), edit(Url)->text().size());
        click(makeCode());
        QCOMPARE(paneLines().size(), 28);
    }

    void newAsksThenResetsTheFields() {
        for (const char* name : {Directories, Resizable, Toolbar, CloseAfterTime})
            click(box(name));
        for (const char* name : {Height, Width, Left, CloseSeconds})
            spin(name)->setValue(7);
        typeInto(edit(StatusText), QStringLiteral("status"));
        choose(combo(LaunchEvent), AfterDelay);
        spin(DelaySeconds)->setValue(9);
        makePage();
        const QString page = pane()->toPlainText();
        f->fake.saveAnswers << f->folder.file(QStringLiteral("saved.html"));
        click(findControl<QToolButton>(f->tab, SaveButton));
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("Yes"));
        // A number typed but not committed, where the value itself is still
        // the start value.
        spin(Top)->setFocus();
        QTest::keyClick(spin(Top), Qt::Key_End);
        QTest::keyClick(spin(Top), Qt::Key_9);
        click(box(FullScreen));

        f->fake.confirmAnswers << false;
        click(findControl<QToolButton>(f->tab, NewButton));
        QCOMPARE(
            f->fake.confirmations,
            QStringList{"Are you sure you want to erase all fields and start a new document?"});
        QVERIFY(box(FullScreen)->isChecked());
        QCOMPARE(spin(DelaySeconds)->value(), 9);
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("Yes"));
        QCOMPARE(spin(Top)->text(), QStringLiteral("259"));

        click(findControl<QToolButton>(f->tab, NewButton));
        QCOMPARE(spin(Top)->text(), QStringLiteral("25"));
        for (const char* name : {Directories, Resizable, Toolbar, CloseAfterTime, FullScreen})
            QVERIFY2(!box(name)->isChecked(), name);
        QVERIFY(box(Directories)->isEnabled());
        QVERIFY(spin(Height)->isEnabled());
        QVERIFY(!spin(CloseSeconds)->isEnabled());
        for (const char* name : {Url, StatusText, ImagePath})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        QVERIFY(!makeCode()->isEnabled());
        const std::pair<const char*, int> defaults[] = {{Height, 240},     {Width, 320},
                                                        {Left, 25},        {Top, 25},
                                                        {CloseSeconds, 1}, {DelaySeconds, 1}};
        for (const auto& [name, value] : defaults)
            QCOMPARE(spin(name)->value(), value);
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("No"));

        // Kept: the launch choice with its enabling, the saved file name, the page.
        QCOMPARE(combo(LaunchEvent)->currentIndex(), int(AfterDelay));
        QCOMPARE(combo(LaunchMedium)->currentIndex(), int(Other));
        QVERIFY(spin(DelaySeconds)->isEnabled());
        QCOMPARE(f->tab.savedPagePath(), f->folder.file(QStringLiteral("saved.html")));
        QCOMPARE(pane()->toPlainText(), page);
    }

    void previewOpensTheSavedPage() {
        click(findControl<QToolButton>(f->tab, OptionsButton));
        QCOMPARE(f->fake.noticeTexts(), QStringList{NotSaved});
        QCOMPARE(f->fake.notices[0].kind, NoticeKind::Information);
        QVERIFY(f->fake.opened.isEmpty());

        makePage();
        const QString path = f->folder.file(QStringLiteral("page.html"));
        f->fake.saveAnswers << f->folder.file(QStringLiteral("page"));
        click(findControl<QToolButton>(f->tab, SaveButton));
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("Yes"));
        QCOMPARE(f->tab.savedPagePath(), path);
        QCOMPARE(readBytes(path), pane()->toPlainText().replace("\n", "\r\n").toUtf8());

        // Changes after the save show only after the next save.
        pane()->appendPlainText(QStringLiteral("later"));
        triggerMenuItem(Preview);
        click(findControl<QToolButton>(f->tab, OptionsButton));
        QCOMPARE(f->fake.opened,
                 (QList<QUrl>{QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)}));
        QVERIFY(!readBytes(path).contains("later"));

        f->fake.confirmAnswers << true;
        click(findControl<QToolButton>(f->tab, NewButton));
        click(findControl<QToolButton>(f->tab, OptionsButton));
        QCOMPARE(f->fake.lastNotice(), NotSaved);
        QCOMPARE(f->fake.opened.size(), 2);
    }

    void savesUseThisTabsDialogs() {
        makePage();
        // Cancelled or failed HTML saves record nothing.
        triggerMenuItem(SaveAsHtml);
        f->fake.saveAnswers << f->folder.file(QStringLiteral("missing/folder/page.html"));
        triggerMenuItem(SaveAsHtml);
        QCOMPARE(f->fake.notices.size(), 1);
        QCOMPARE(f->fake.notices[0].kind, NoticeKind::Error);
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("No"));
        const FileDialogSpec html = f->fake.fileQuestions.at(0).request;
        QCOMPARE(html.name, QString(HtmlSaveDialog));
        QCOMPARE(html.title, QStringLiteral("Save as HTML"));
        QCOMPARE(html.filters, QStringList{"HTML File (*.html)"});
        QCOMPARE(html.defaultSuffix, QStringLiteral("html"));
        QVERIFY(html.confirmOverwrite);

        // The text dialog replaces an existing file without asking and does
        // not count as a save for Preview.
        const QString text = f->folder.file(QStringLiteral("old.txt"));
        writeBytes(text, QByteArrayLiteral("an older and much longer text that must go away"));
        f->fake.saveAnswers << text;
        triggerMenuItem(SaveAsText);
        const FileDialogSpec textSpec = f->fake.fileQuestions.last().request;
        QCOMPARE(textSpec.name, QString(TextSaveDialog));
        QCOMPARE(textSpec.title, QStringLiteral("Save as TeXT"));
        QCOMPARE(textSpec.filters, QStringList{"Text Files (*.txt)"});
        QCOMPARE(textSpec.defaultSuffix, QStringLiteral("txt"));
        QVERIFY(!textSpec.confirmOverwrite);
        QCOMPARE(readBytes(text), pane()->toPlainText().replace("\n", "\r\n").toUtf8());
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("No"));
        QVERIFY(f->tab.savedPagePath().isEmpty());
    }

    void paneCommandsAndTools() {
        makePage();
        const QString page = pane()->toPlainText();
        click(findControl<QPushButton>(f->tab, CopyCode));
        QCOMPARE(QApplication::clipboard()->text(), page);
        QCOMPARE(pane()->textCursor().selectedText().size(), page.size());

        click(findControl<QToolButton>(f->tab, PrintButton));
        QCOMPARE(f->fake.printed, QStringList{page});

        click(findControl<QPushButton>(f->tab, ClearCode));
        QVERIFY(pane()->toPlainText().isEmpty());
        QVERIFY(f->fake.confirmations.isEmpty());

        auto* bar = findControl<QToolBar>(f->tab, ToolBar);
        QVERIFY(bar->isVisible());
        triggerMenuItem(HelpEntry);
        QCOMPARE(f->fake.opened.last(), QUrl::fromLocalFile(f->folder.file("help/con2.html")));
        triggerMenuItem(AboutEntry);
        QCOMPARE(aboutShown, 1);
        // The shared edit actions are on this tool bar as well.
        int editButtons = 0;
        for (const QToolButton* button : bar->findChildren<QToolButton*>())
            editButtons += button->defaultAction() == f->actions.cut ||
                           button->defaultAction() == f->actions.paste;
        QCOMPARE(editButtons, 2);
    }
};

QTEST_MAIN(PopupTabTest)
#include "popup_tab_test.moc"
