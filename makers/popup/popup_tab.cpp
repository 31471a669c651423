#include "makers/popup/popup_tab.h"

#include "core/page_text.h"
#include "makers/popup/popup_controls.h"
#include "makers/popup/popup_fields.h"
#include "makers/popup/popup_modern_page.h"
#include "widgets/desktop.h"
#include "widgets/enabling.h"
#include "widgets/field_binding.h"
#include "widgets/file_requests.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"
#include "widgets/spin_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

using namespace popup;

namespace {

using Event = PopupSettings::LaunchEvent;
using Medium = PopupSettings::LaunchMedium;

bool isLinkEvent(Event event) {
    return event == Event::OnClick || event == Event::OnMouseOut || event == Event::OnMouseOver;
}

} // namespace

PopupTab::PopupTab(const TabContext& tabContext, QWidget* parent)
    : TabPage(parent), context(tabContext) {
    setObjectName(QLatin1String(controls::Tab));
    if (!context.buildLater)
        build();
}

void PopupTab::buildControls() {
    ui.setupUi(this, context);

    OutputSetup setup;
    setup.modernOutput = context.modernOutput;
    setup.pane = ui.codePane;
    setup.htmlDialog = htmlSaveRequest(controls::HtmlSaveDialog,
                                       QCoreApplication::translate("Popup", "HTML File (*.html)"));
    // This one dialog replaces an existing text file without asking.
    setup.textDialog = textSaveRequest(controls::TextSaveDialog);
    setup.textDialog.confirmOverwrite = false;
    setup.preview = OutputSetup::Preview::SavedFile;
    output = new OutputCommands(std::move(setup), context.folders.userCache, this);
    ui.frame.connectTo(output);

    connect(ui.frame.newButton, &QToolButton::clicked, this, &PopupTab::newDocument);
    connect(ui.makeCodeButton, &QPushButton::clicked, this, &PopupTab::makeCode);
    enableWith(ui.closeAfterTimeBox, {ui.afterLabel, ui.closeSecondsSpin, ui.secondsLabel});
    // Ticks and numbers stay, so unticking brings the former features back.
    enableWith(ui.fullScreenBox,
               {ui.directoriesBox, ui.locationBox, ui.menubarBox, ui.resizableBox, ui.scrollbarsBox,
                ui.statusbarBox, ui.toolbarBox, ui.heightLabel, ui.widthLabel, ui.leftLabel,
                ui.topLabel, ui.heightSpin, ui.widthSpin, ui.leftSpin, ui.topSpin},
               While::Unchecked);
    connect(ui.eventList, &QComboBox::activated, this, &PopupTab::eventChosen);
    connect(ui.mediumList, &QComboBox::activated, this, &PopupTab::mediumChosen);
    connect(ui.urlField, &QLineEdit::textChanged, this, &PopupTab::urlChanged);

    applySettings(PopupSettings());
}

const QString& PopupTab::savedFlag() const {
    return output->savedFlag();
}

const QString& PopupTab::savedPagePath() const {
    return output->savedFileName();
}

PopupSettings PopupTab::settings() {
    return readSettings(NumberText::Committed);
}

QString PopupTab::livePage() {
    // The spin edits are read as they would commit, but left as typed.
    const PopupSettings now = readSettings(NumberText::Shown);
    return pageText(context.modern() ? modernPopupPage(now) : popupPage(now), LastLine::Open);
}

PopupSettings PopupTab::readSettings(NumberText number) const {
    PopupSettings s;
    readFields(this, popup::fields::table(), s, number);
    return s;
}

void PopupTab::applySettings(const PopupSettings& s) {
    showFields(this, popup::fields::table(), s);
    // A tick or text set to what it already held raises no rule.
    urlChanged(s.url);
    enableForLaunch();
}

PopupProject PopupTab::project() {
    return {settings(), OutputCommands::paneText(*ui.codePane)};
}

void PopupTab::applyProject(const PopupProject& project) {
    applySettings(project.settings);
    replacePaneText(*ui.codePane, project.code);
}

void PopupTab::enableForLaunch() {
    const auto event = static_cast<Event>(ui.eventList->currentIndex());
    const bool linkEvent = isLinkEvent(event);
    enableAll({ui.mediumLabel, ui.mediumList, ui.statusLabel, ui.statusField}, linkEvent);
    enableAll({ui.imagePathLabel, ui.imagePathField},
              linkEvent && static_cast<Medium>(ui.mediumList->currentIndex()) == Medium::ImageLink);
    enableAll({ui.delayLabel, ui.delaySpin}, event == Event::AfterDelay);
    ui.closeAfterTimeBox->setEnabled(event != Event::OnUnload);
}

void PopupTab::eventChosen(int index) {
    const auto event = static_cast<Event>(index);
    // A link event always starts from a text link; page events have no link.
    ui.mediumList->setCurrentIndex(
        static_cast<int>(isLinkEvent(event) ? Medium::TextLink : Medium::Other));
    if (event == Event::OnUnload)
        ui.closeAfterTimeBox->setChecked(false);
    enableForLaunch();
}

void PopupTab::mediumChosen(int index) {
    if (static_cast<Medium>(index) == Medium::Other) {
        desktop().notice(
            NoticeKind::Information,
            QCoreApplication::translate("Popup", "This option may not be selected. It is used when "
                                                 "onMouse, etc. events are not used."));
        ui.mediumList->setCurrentIndex(static_cast<int>(Medium::TextLink));
    }
    enableForLaunch();
}

void PopupTab::urlChanged(const QString& text) {
    ui.makeCodeButton->setEnabled(!text.isEmpty());
}

void PopupTab::newDocument() {
    if (!desktop().confirm(QCoreApplication::translate(
            "Popup", "Are you sure you want to erase all fields and start a new document?")))
        return;
    output->resetSavedFlag();
    // New leaves the launch event and medium as they are.
    PopupSettings fresh;
    fresh.event = static_cast<Event>(ui.eventList->currentIndex());
    fresh.medium = static_cast<Medium>(ui.mediumList->currentIndex());
    applySettings(fresh);
}

void PopupTab::makeCode() {
    // Make Code is disabled while the URL is empty; a stray call does nothing.
    if (ui.urlField->text().isEmpty())
        return;
    const PopupSettings now = settings();
    const QStringList page = context.modern() ? modernPopupPage(now) : popupPage(now);
    replacePaneText(*ui.codePane, pageText(page));
}
