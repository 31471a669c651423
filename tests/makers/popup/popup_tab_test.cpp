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

using namespace popup;

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
    QPlainTextEdit* pane() const { return findControl<QPlainTextEdit>(f->tab, fields::Code); }
    QPushButton* makeCode() const { return findControl<QPushButton>(f->tab, controls::MakeCode); }

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
        edit(fields::Url)->clear();
        typeInto(edit(fields::Url), url);
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
        } spins[] = {
            {fields::Height, 1, 1000, 240, true},     {fields::Width, 1, 1000, 320, true},
            {fields::Left, 1, 1000, 25, true},        {fields::Top, 1, 1000, 25, true},
            {fields::CloseSeconds, 1, 999, 1, false}, {fields::DelaySeconds, 1, 999, 1, false}};
        for (const auto& s : spins) {
            QCOMPARE(spin(s.name)->minimum(), s.minimum);
            QCOMPARE(spin(s.name)->maximum(), s.maximum);
            QCOMPARE(spin(s.name)->value(), s.value);
            QCOMPARE(spin(s.name)->isEnabled(), s.enabled);
        }
        for (const char* name : {fields::Directories, fields::Location, fields::Menubar,
                                 fields::Resizable, fields::Scrollbars, fields::Statusbar,
                                 fields::Toolbar, fields::CloseAfterTime, fields::FullScreen}) {
            QVERIFY(!box(name)->isChecked());
            QVERIFY(box(name)->isEnabled());
        }
        QCOMPARE(combo(fields::LaunchEvent)->currentText(), QStringLiteral("onClick"));
        QCOMPARE(combo(fields::LaunchEvent)->count(), 6);
        QCOMPARE(combo(fields::LaunchEvent)->itemText(AfterDelay),
                 QStringLiteral("Popup After x Seconds"));
        QCOMPARE(combo(fields::LaunchMedium)->currentText(), QStringLiteral("Text Link"));
        QCOMPARE(combo(fields::LaunchMedium)->itemText(Other), QStringLiteral("Other"));
        QVERIFY(!combo(fields::LaunchEvent)->isEditable());
        QVERIFY(!combo(fields::LaunchMedium)->isEditable());

        for (const char* caption :
             {"After ", "second(s)", "Path To Image:", "Seconds Before Popup:"})
            QVERIFY2(!label(caption)->isEnabled(), caption);
        for (const char* caption : {"Window Height:", "Window Width:", "Win Pos Left:",
                                    "Win Pos Top:", "Launch Medium:", "Statusbar Message:"})
            QVERIFY2(label(caption)->isEnabled(), caption);
        QVERIFY(!edit(fields::ImagePath)->isEnabled());
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
        for (const char* open : {fields::CloseSeconds, fields::DelaySeconds, controls::MakeCode})
            QVERIFY2(findControl<QWidget>(f->tab, open)->isEnabled(), open);
        for (const char* shut : {fields::Height, fields::Directories, fields::LaunchMedium,
                                 fields::StatusText, fields::ImagePath})
            QVERIFY2(!findControl<QWidget>(f->tab, shut)->isEnabled(), shut);

        f->tab.applySettings(PopupSettings());
        QCOMPARE(f->tab.settings(), PopupSettings());
        QVERIFY(!spin(fields::CloseSeconds)->isEnabled());
        QVERIFY(combo(fields::LaunchMedium)->isEnabled());
        QVERIFY(!makeCode()->isEnabled());
    }

    void everyControlIsNamedAndOnTheTabChain() {
        const QList<std::pair<QString, QString>> named = {
            {fields::Directories, "Directories"},
            {fields::Location, "Location"},
            {fields::Menubar, "Menubar"},
            {fields::Resizable, "Resizable"},
            {fields::Scrollbars, "Scrollbars"},
            {fields::Statusbar, "Statusbar"},
            {fields::Toolbar, "Toolbar"},
            {fields::FullScreen, "Fullscreen Window"},
            {fields::Height, "Window Height:"},
            {fields::Width, "Window Width:"},
            {fields::Left, "Win Pos Left:"},
            {fields::Top, "Win Pos Top:"},
            {fields::CloseAfterTime, "Close Window After A Predefined Time"},
            {fields::CloseSeconds, "Seconds before the popup closes"},
            {fields::Url, "Window URL:"},
            {fields::StatusText, "Statusbar Message:"},
            {fields::LaunchEvent, "Launch event"},
            {fields::LaunchMedium, "Launch medium"},
            {fields::ImagePath, "Path To Image:"},
            {fields::DelaySeconds, "Seconds Before Popup:"},
            {fields::Code, "Generated code"},
            {controls::MakeCode, "Make Code"},
            {controls::CopyCode, "Copy To Clipboard"},
            {controls::ClearCode, "Clear Code"},
        };
        QStringList names;
        for (const auto& [name, spoken] : named) {
            QCOMPARE(spokenName(findControl<QWidget>(f->tab, name)), spoken);
            names << name;
        }
        QCOMPARE(tabSequence(&f->tab, names), names);
    }

    void makeCodeNeedsAUrl() {
        typeInto(edit(fields::Url), QStringLiteral("a"));
        QVERIFY(makeCode()->isEnabled());
        QTest::keyClick(edit(fields::Url), Qt::Key_Backspace);
        QVERIFY(!makeCode()->isEnabled());
        click(makeCode());
        QVERIFY(pane()->toPlainText().isEmpty());
    }

    void closeTimeFieldFollowsItsBox() {
        QWidget* field[] = {label("After "), spin(fields::CloseSeconds), label("second(s)")};
        click(box(fields::CloseAfterTime));
        for (QWidget* w : field)
            QVERIFY(w->isEnabled());
        spin(fields::CloseSeconds)->setValue(15);
        click(box(fields::CloseAfterTime));
        for (QWidget* w : field)
            QVERIFY(!w->isEnabled());
        QCOMPARE(spin(fields::CloseSeconds)->value(), 15);

        click(box(fields::CloseAfterTime));
        makePage();
        QCOMPARE(paneLines().at(4), QStringLiteral("closetime=15;"));
    }

    void fullScreenKeepsTheFeatures() {
        click(box(fields::Toolbar));
        spin(fields::Width)->setValue(500);
        click(box(fields::CloseAfterTime));
        click(box(fields::FullScreen));

        const QList<QWidget*> features{
            box(fields::Directories), box(fields::Location),   box(fields::Menubar),
            box(fields::Resizable),   box(fields::Scrollbars), box(fields::Statusbar),
            box(fields::Toolbar),     label("Window Height:"), label("Window Width:"),
            label("Win Pos Left:"),   label("Win Pos Top:"),   spin(fields::Height),
            spin(fields::Width),      spin(fields::Left),      spin(fields::Top)};
        for (QWidget* w : features)
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(box(fields::Toolbar)->isChecked());
        QVERIFY(box(fields::CloseAfterTime)->isEnabled());
        QVERIFY(spin(fields::CloseSeconds)->isEnabled());
        makePage();
        QCOMPARE(paneLines().at(7), QStringLiteral("windowprops=\"fullscreen=yes\";"));

        click(box(fields::FullScreen));
        for (QWidget* w : features)
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(box(fields::Toolbar)->isChecked());
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

        click(box(fields::CloseAfterTime));
        choose(combo(fields::LaunchMedium), ImageLink);
        QVERIFY(edit(fields::ImagePath)->isEnabled());
        choose(combo(fields::LaunchEvent), event);

        QCOMPARE(combo(fields::LaunchMedium)->currentIndex(), medium);
        for (QWidget* w : {static_cast<QWidget*>(label("Launch Medium:")),
                           static_cast<QWidget*>(combo(fields::LaunchMedium)),
                           static_cast<QWidget*>(label("Statusbar Message:")),
                           static_cast<QWidget*>(edit(fields::StatusText))})
            QCOMPARE(w->isEnabled(), linkControls);
        QVERIFY(!label("Path To Image:")->isEnabled());
        QVERIFY(!edit(fields::ImagePath)->isEnabled());
        QCOMPARE(label("Seconds Before Popup:")->isEnabled(), delayControls);
        QCOMPARE(spin(fields::DelaySeconds)->isEnabled(), delayControls);
        QCOMPARE(box(fields::CloseAfterTime)->isEnabled(), closeBox);
        QCOMPARE(box(fields::CloseAfterTime)->isChecked(), closeBox);
        QCOMPARE(spin(fields::CloseSeconds)->isEnabled(), closeBox);
        QCOMPARE(label("After ")->isEnabled(), closeBox);
        QVERIFY(f->fake.notices.isEmpty());
    }

    void clickingThroughTheEvents() {
        // Back from "onUnload" the close box is usable again but stays unticked.
        click(box(fields::CloseAfterTime));
        choose(combo(fields::LaunchEvent), OnUnload);
        click(box(fields::CloseAfterTime));
        QVERIFY(!box(fields::CloseAfterTime)->isChecked());
        choose(combo(fields::LaunchEvent), OnClick);
        QVERIFY(box(fields::CloseAfterTime)->isEnabled());
        QVERIFY(!box(fields::CloseAfterTime)->isChecked());
        QVERIFY(!spin(fields::CloseSeconds)->isEnabled());

        // The delay field belongs to its own event only.
        choose(combo(fields::LaunchEvent), AfterDelay);
        QVERIFY(spin(fields::DelaySeconds)->isEnabled());
        choose(combo(fields::LaunchEvent), OnLoad);
        QVERIFY(!spin(fields::DelaySeconds)->isEnabled());
        QVERIFY(!label("Seconds Before Popup:")->isEnabled());

        // An image link chosen for one link event is reset by the next one.
        choose(combo(fields::LaunchEvent), OnMouseOut);
        choose(combo(fields::LaunchMedium), ImageLink);
        QVERIFY(label("Path To Image:")->isEnabled());
        choose(combo(fields::LaunchEvent), OnMouseOver);
        QCOMPARE(combo(fields::LaunchMedium)->currentText(), QStringLiteral("Text Link"));
        QVERIFY(!label("Path To Image:")->isEnabled());
        choose(combo(fields::LaunchMedium), ImageLink);
        choose(combo(fields::LaunchMedium), TextLink);
        QVERIFY(!edit(fields::ImagePath)->isEnabled());
    }

    void otherMediumIsRefused() {
        for (int before : {TextLink, ImageLink}) {
            f->fake.notices.clear();
            choose(combo(fields::LaunchMedium), before);
            choose(combo(fields::LaunchMedium), Other);
            QCOMPARE(f->fake.notices.size(), 1);
            QCOMPARE(f->fake.notices[0].kind, NoticeKind::Information);
            QCOMPARE(f->fake.notices[0].text, OtherRefused);
            QCOMPARE(combo(fields::LaunchMedium)->currentText(), QStringLiteral("Text Link"));
            QVERIFY(!edit(fields::ImagePath)->isEnabled());
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
        typeInto(edit(fields::StatusText), QStringLiteral("Hello"));
        choose(combo(fields::LaunchEvent), OnLoad);
        click(makeCode());
        QCOMPARE(paneLines().size(), 25);
        QCOMPARE(paneLines().at(16), QStringLiteral("window.status=\"Hello\";"));
        QCOMPARE(paneLines().at(22), QStringLiteral("<body onLoad=\"popupWin();\">"));

        choose(combo(fields::LaunchEvent), AfterDelay);
        spin(fields::DelaySeconds)->setValue(5);
        click(makeCode());
        QCOMPARE(paneLines().at(14), QStringLiteral("delay=5;"));

        choose(combo(fields::LaunchEvent), OnUnload);
        click(makeCode());
        QCOMPARE(paneLines().size(), 15);
        QCOMPARE(paneLines().at(12), QStringLiteral("<body onUnload=\"popupWin();\">"));

        choose(combo(fields::LaunchEvent), OnMouseOver);
        choose(combo(fields::LaunchMedium), ImageLink);
        typeInto(edit(fields::ImagePath), QStringLiteral("go.gif"));
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
        QSpinBox* width = spin(fields::Width);
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, QStringLiteral("1000"));
        // Still in the field, not yet committed: Make Code takes it as shown.
        typeInto(edit(fields::Url), QStringLiteral("x"));
        makeCode()->click();
        QVERIFY2(paneLines().at(7).contains(QStringLiteral(",width=1000,")),
                 qPrintable(paneLines().at(7)));

        // A field left empty is committed to a number before it is written,
        // never to an empty value.
        QSpinBox* height = spin(fields::Height);
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
        const char* const boxes[] = {fields::Directories, fields::Location,   fields::Menubar,
                                     fields::Resizable,   fields::Scrollbars, fields::Statusbar,
                                     fields::Toolbar};
        const char* const words[] = {"directories", "location", "menubar", "resizable",
                                     "scrollbars",  "status",   "toolbar"};
        typeInto(edit(fields::Url), QStringLiteral("x"));
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
        typeInto(edit(fields::StatusText), QStringLiteral("it's \"done\" <now>"));
        makePage(url);
        QCOMPARE(paneLines().size(), 28);
        QCOMPARE(paneLines().at(13), QStringLiteral("url=\"") + url + QStringLiteral("\""));
        QCOMPARE(paneLines().at(16), QStringLiteral("window.status=\"it's \"done\" <now>\";"));

        // Line breaks pasted into a single-line field never split a page line.
        QApplication::clipboard()->setText(QStringLiteral("http://exa\nmple.com/\r\npop.html"));
        edit(fields::Url)->clear();
        edit(fields::Url)->setFocus();
        QTest::keySequence(edit(fields::Url), QKeySequence::Paste);
        QCOMPARE(edit(fields::Url)->text(), QStringLiteral("http://example.com/pop.html"));
        QCOMPARE(edit(fields::Url)->cursorPosition(), edit(fields::Url)->text().size());
        click(makeCode());
        QCOMPARE(paneLines().size(), 28);
    }

    void newAsksThenResetsTheFields() {
        for (const char* name :
             {fields::Directories, fields::Resizable, fields::Toolbar, fields::CloseAfterTime})
            click(box(name));
        for (const char* name : {fields::Height, fields::Width, fields::Left, fields::CloseSeconds})
            spin(name)->setValue(7);
        typeInto(edit(fields::StatusText), QStringLiteral("status"));
        choose(combo(fields::LaunchEvent), AfterDelay);
        spin(fields::DelaySeconds)->setValue(9);
        makePage();
        const QString page = pane()->toPlainText();
        f->fake.saveAnswers << f->folder.file(QStringLiteral("saved.html"));
        click(findControl<QToolButton>(f->tab, controls::SaveButton));
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("Yes"));
        // A number typed but not committed, where the value itself is still
        // the start value.
        spin(fields::Top)->setFocus();
        QTest::keyClick(spin(fields::Top), Qt::Key_End);
        QTest::keyClick(spin(fields::Top), Qt::Key_9);
        click(box(fields::FullScreen));

        f->fake.confirmAnswers << false;
        click(findControl<QToolButton>(f->tab, controls::NewButton));
        QCOMPARE(
            f->fake.confirmations,
            QStringList{"Are you sure you want to erase all fields and start a new document?"});
        QVERIFY(box(fields::FullScreen)->isChecked());
        QCOMPARE(spin(fields::DelaySeconds)->value(), 9);
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("Yes"));
        QCOMPARE(spin(fields::Top)->text(), QStringLiteral("259"));

        click(findControl<QToolButton>(f->tab, controls::NewButton));
        QCOMPARE(spin(fields::Top)->text(), QStringLiteral("25"));
        for (const char* name : {fields::Directories, fields::Resizable, fields::Toolbar,
                                 fields::CloseAfterTime, fields::FullScreen})
            QVERIFY2(!box(name)->isChecked(), name);
        QVERIFY(box(fields::Directories)->isEnabled());
        QVERIFY(spin(fields::Height)->isEnabled());
        QVERIFY(!spin(fields::CloseSeconds)->isEnabled());
        for (const char* name : {fields::Url, fields::StatusText, fields::ImagePath})
            QVERIFY2(edit(name)->text().isEmpty(), name);
        QVERIFY(!makeCode()->isEnabled());
        const std::pair<const char*, int> defaults[] = {
            {fields::Height, 240}, {fields::Width, 320},      {fields::Left, 25},
            {fields::Top, 25},     {fields::CloseSeconds, 1}, {fields::DelaySeconds, 1}};
        for (const auto& [name, value] : defaults)
            QCOMPARE(spin(name)->value(), value);
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("No"));

        // Kept: the launch choice with its enabling, the saved file name, the page.
        QCOMPARE(combo(fields::LaunchEvent)->currentIndex(), int(AfterDelay));
        QCOMPARE(combo(fields::LaunchMedium)->currentIndex(), int(Other));
        QVERIFY(spin(fields::DelaySeconds)->isEnabled());
        QCOMPARE(f->tab.savedPagePath(), f->folder.file(QStringLiteral("saved.html")));
        QCOMPARE(pane()->toPlainText(), page);
    }

    void previewOpensTheSavedPage() {
        click(findControl<QToolButton>(f->tab, controls::OptionsButton));
        QCOMPARE(f->fake.noticeTexts(), QStringList{NotSaved});
        QCOMPARE(f->fake.notices[0].kind, NoticeKind::Information);
        QVERIFY(f->fake.opened.isEmpty());

        makePage();
        const QString path = f->folder.file(QStringLiteral("page.html"));
        f->fake.saveAnswers << f->folder.file(QStringLiteral("page"));
        click(findControl<QToolButton>(f->tab, controls::SaveButton));
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("Yes"));
        QCOMPARE(f->tab.savedPagePath(), path);
        QCOMPARE(readBytes(path), pane()->toPlainText().replace("\n", "\r\n").toUtf8());

        // Changes after the save show only after the next save.
        pane()->appendPlainText(QStringLiteral("later"));
        triggerMenuItem(controls::Preview);
        click(findControl<QToolButton>(f->tab, controls::OptionsButton));
        QCOMPARE(f->fake.opened,
                 (QList<QUrl>{QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)}));
        QVERIFY(!readBytes(path).contains("later"));

        f->fake.confirmAnswers << true;
        click(findControl<QToolButton>(f->tab, controls::NewButton));
        click(findControl<QToolButton>(f->tab, controls::OptionsButton));
        QCOMPARE(f->fake.lastNotice(), NotSaved);
        QCOMPARE(f->fake.opened.size(), 2);
    }

    void savesUseThisTabsDialogs() {
        makePage();
        // Cancelled or failed HTML saves record nothing.
        triggerMenuItem(controls::SaveAsHtml);
        f->fake.saveAnswers << f->folder.file(QStringLiteral("missing/folder/page.html"));
        triggerMenuItem(controls::SaveAsHtml);
        QCOMPARE(f->fake.notices.size(), 1);
        QCOMPARE(f->fake.notices[0].kind, NoticeKind::Error);
        QCOMPARE(f->tab.savedFlag(), QStringLiteral("No"));
        const FileDialogSpec html = f->fake.fileQuestions.at(0).request;
        QCOMPARE(html.name, QString(controls::HtmlSaveDialog));
        QCOMPARE(html.title, QStringLiteral("Save as HTML"));
        QCOMPARE(html.filters, QStringList{"HTML File (*.html)"});
        QCOMPARE(html.defaultSuffix, QStringLiteral("html"));
        QVERIFY(html.confirmOverwrite);

        // The text dialog replaces an existing file without asking and does
        // not count as a save for Preview.
        const QString text = f->folder.file(QStringLiteral("old.txt"));
        writeBytes(text, QByteArrayLiteral("an older and much longer text that must go away"));
        f->fake.saveAnswers << text;
        triggerMenuItem(controls::SaveAsText);
        const FileDialogSpec textSpec = f->fake.fileQuestions.last().request;
        QCOMPARE(textSpec.name, QString(controls::TextSaveDialog));
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
        click(findControl<QPushButton>(f->tab, controls::CopyCode));
        QCOMPARE(QApplication::clipboard()->text(), page);
        QCOMPARE(pane()->textCursor().selectedText().size(), page.size());

        click(findControl<QToolButton>(f->tab, controls::PrintButton));
        QCOMPARE(f->fake.printed, QStringList{page});

        click(findControl<QPushButton>(f->tab, controls::ClearCode));
        QVERIFY(pane()->toPlainText().isEmpty());
        QVERIFY(f->fake.confirmations.isEmpty());

        auto* bar = findControl<QToolBar>(f->tab, controls::ToolBar);
        QVERIFY(bar->isVisible());
        triggerMenuItem(controls::HelpEntry);
        QCOMPARE(f->fake.opened.last(), QUrl::fromLocalFile(f->folder.file("help/con2.html")));
        triggerMenuItem(controls::AboutEntry);
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
