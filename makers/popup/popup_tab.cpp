#include "makers/popup/popup_tab.h"

#include "makers/popup/popup_modern_page.h"
#include "widgets/desktop.h"
#include "widgets/form_parts.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"
#include "widgets/spin_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

using Event = PopupSettings::LaunchEvent;
using Medium = PopupSettings::LaunchMedium;

bool isLinkEvent(Event event) {
    return event == Event::OnClick || event == Event::OnMouseOut || event == Event::OnMouseOver;
}

} // namespace

PopupTab::PopupTab(const TabContext& tabContext, QWidget* parent)
    : TabPage(parent), context(tabContext) {
    ui.setupUi(this, context);

    OutputSetup setup;
    setup.modernOutput = context.modernOutput;
    setup.pane = ui.codePane;
    setup.htmlDialog =
        htmlSaveRequest(QStringLiteral("SaveDialog2"), QStringLiteral("HTML File (*.html)"));
    // This one dialog replaces an existing text file without asking.
    setup.textDialog = textSaveRequest(QStringLiteral("SaveDialog4"));
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
    PopupSettings s;
    s.directories = ui.directoriesBox->isChecked();
    s.location = ui.locationBox->isChecked();
    s.menubar = ui.menubarBox->isChecked();
    s.resizable = ui.resizableBox->isChecked();
    s.scrollbars = ui.scrollbarsBox->isChecked();
    s.statusbar = ui.statusbarBox->isChecked();
    s.toolbar = ui.toolbarBox->isChecked();
    s.height = ui.heightSpin->committedText();
    s.width = ui.widthSpin->committedText();
    s.left = ui.leftSpin->committedText();
    s.top = ui.topSpin->committedText();
    s.closeAfterTime = ui.closeAfterTimeBox->isChecked();
    s.closeSeconds = ui.closeSecondsSpin->committedText();
    s.fullScreen = ui.fullScreenBox->isChecked();
    s.url = ui.urlField->text();
    s.statusText = ui.statusField->text();
    s.event = static_cast<Event>(ui.eventList->currentIndex());
    s.medium = static_cast<Medium>(ui.mediumList->currentIndex());
    s.imagePath = ui.imagePathField->text();
    s.delaySeconds = ui.delaySpin->committedText();
    return s;
}

void PopupTab::applySettings(const PopupSettings& s) {
    ui.directoriesBox->setChecked(s.directories);
    ui.locationBox->setChecked(s.location);
    ui.menubarBox->setChecked(s.menubar);
    ui.resizableBox->setChecked(s.resizable);
    ui.scrollbarsBox->setChecked(s.scrollbars);
    ui.statusbarBox->setChecked(s.statusbar);
    ui.toolbarBox->setChecked(s.toolbar);
    ui.closeAfterTimeBox->setChecked(s.closeAfterTime);
    ui.fullScreenBox->setChecked(s.fullScreen);
    ui.urlField->setText(s.url);
    ui.statusField->setText(s.statusText);
    ui.imagePathField->setText(s.imagePath);
    ui.heightSpin->setValue(s.height.toInt());
    ui.widthSpin->setValue(s.width.toInt());
    ui.leftSpin->setValue(s.left.toInt());
    ui.topSpin->setValue(s.top.toInt());
    ui.closeSecondsSpin->setValue(s.closeSeconds.toInt());
    ui.delaySpin->setValue(s.delaySeconds.toInt());
    ui.eventList->setCurrentIndex(static_cast<int>(s.event));
    ui.mediumList->setCurrentIndex(static_cast<int>(s.medium));
    // A tick or text set to what it already held raises no rule.
    urlChanged(s.url);
    enableForLaunch();
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
        desktop().notice(NoticeKind::Information,
                         QStringLiteral("This option may not be selected. It is used when "
                                        "onMouse, etc. events are not used."));
        ui.mediumList->setCurrentIndex(static_cast<int>(Medium::TextLink));
    }
    enableForLaunch();
}

void PopupTab::urlChanged(const QString& text) {
    ui.makeCodeButton->setEnabled(!text.isEmpty());
}

void PopupTab::newDocument() {
    if (!desktop().confirm(
            QStringLiteral("Are you sure you want to erase all fields and start a new document?")))
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
    replacePaneText(*ui.codePane, page.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
