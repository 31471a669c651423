#include "makers/dropdown/dropdown_tab.h"

#include "core/page_text.h"
#include "core/project_file.h"
#include "makers/dropdown/dropdown_controls.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/dropdown/dropdown_modern_page.h"
#include "makers/dropdown/dropdown_page.h"
#include "widgets/colour_setting.h"
#include "widgets/default_button.h"
#include "widgets/desktop.h"
#include "widgets/field_binding.h"
#include "widgets/file_requests.h"
#include "widgets/font_box.h"
#include "widgets/list_values.h"
#include "widgets/output_commands.h"
#include "widgets/pane_text.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

using namespace dropdown;

DropdownTab::DropdownTab(const TabContext& tabContext, QWidget* parent)
    : TabPage(parent), context(tabContext) {
    setObjectName(QLatin1String(controls::Tab));
    if (!context.buildLater)
        build();
}

void DropdownTab::buildControls() {
    ui.setupUi(this, context);

    OutputSetup setup;
    setup.modernOutput = context.modernOutput;
    setup.pane = ui.codePane;
    setup.htmlDialog = htmlSaveRequest(controls::HtmlSaveDialog);
    setup.textDialog = textSaveRequest(controls::TextSaveDialog);
    setup.preview = OutputSetup::Preview::TemporaryFile;
    setup.recordsHtmlSave = false;
    output = new OutputCommands(std::move(setup), context.folders.userCache, this);
    ui.frame.connectTo(output);

    connect(ui.frame.newButton, &QToolButton::clicked, this, &DropdownTab::newDocument);
    // Both fields run the same rule.
    connect(ui.nameField, &QLineEdit::textChanged, this, &DropdownTab::updateAddEntry);
    connect(ui.urlField, &QLineEdit::textChanged, this, &DropdownTab::updateAddEntry);
    connect(ui.addEntryButton, &QPushButton::clicked, this, &DropdownTab::addEntry);
    connect(ui.entryList, &QListWidget::itemSelectionChanged, this, [this] {
        if (!changingList)
            rememberSelection();
    });
    connect(ui.deleteButton, &QPushButton::clicked, this, &DropdownTab::deleteEntry);
    connect(ui.sortButton, &QPushButton::clicked, this, &DropdownTab::sortList);
    connect(ui.clearAllButton, &QPushButton::clicked, this, &DropdownTab::clearAll);
    connect(ui.makeCodeButton, &QPushButton::clicked, this, &DropdownTab::makeCode);
    installDefaultButton(this, ui.addEntryButton);

    applySettings(DropdownSettings());
    updateAddEntry();
}

void DropdownTab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ui.fontSample->move(width() - ui.fontSample->width() - 6,
                        ui.frame.bar->geometry().bottom() + 2);
}

template <typename Change> void DropdownTab::changeList(Change change) {
    changingList = true;
    change();
    changingList = false;
}

void DropdownTab::forgetSelection() {
    changeList([this] {
        ui.entryList->clearSelection();
        ui.entryList->setCurrentRow(-1);
    });
    ui.deleteButton->setEnabled(false);
}

DropdownSettings DropdownTab::settings() const {
    DropdownSettings s;
    readFields(this, dropdown::fields::table(), s);
    return s;
}

void DropdownTab::applySettings(const DropdownSettings& s) {
    showFields(this, dropdown::fields::table(), s);
    changeList([&] {
        ui.entryList->clear();
        ui.entryList->addItems(s.entries);
    });
    forgetSelection();
}

DropdownProject DropdownTab::project() const {
    return {settings(), OutputCommands::paneText(*ui.codePane)};
}

void DropdownTab::applyProject(const DropdownProject& project) {
    applySettings(project.settings);
    replacePaneText(*ui.codePane, project.code);
}

void DropdownTab::updateAddEntry() {
    ui.addEntryButton->setEnabled(!ui.nameField->text().isEmpty() &&
                                  !ui.urlField->text().isEmpty());
}

void DropdownTab::addEntry() {
    const QString name = ui.nameField->text();
    const QString url = ui.urlField->text();
    if (name.isEmpty() || url.isEmpty())
        return;
    // The GO! text is checked too: a quote there would break the button line.
    if (hasForbiddenCharacters(url) || hasForbiddenCharacters(name) ||
        hasForbiddenCharacters(ui.goTextField->text())) {
        desktop().notice(
            NoticeKind::Error,
            QCoreApplication::translate(
                "Dropdown",
                "The item name or URL may not contain quotation marks or square brackets!"));
        return;
    }
    if (!rememberedRow)
        rememberedRow = 0;
    int row = 0;
    if (ui.insertAtCurrent->isChecked()) {
        // The remembered entry may have gone since it was selected.
        if (*rememberedRow < 0 || *rememberedRow > ui.entryList->count()) {
            desktop().notice(NoticeKind::Error,
                             QCoreApplication::translate("Dropdown", "Unable to insert a line."));
            return;
        }
        row = *rememberedRow;
    } else if (ui.insertAtEnd->isChecked()) {
        row = ui.entryList->count();
    }
    changeList([&] { ui.entryList->insertItem(row, entryText(name, url)); });
    forgetSelection();
    ui.nameField->clear();
    ui.urlField->clear();
    ui.nameField->setFocus();
}

int DropdownTab::selectedRow() const {
    const QList<QListWidgetItem*> selected = ui.entryList->selectedItems();
    return selected.isEmpty() ? -1 : ui.entryList->row(selected.first());
}

void DropdownTab::rememberSelection() {
    const int row = selectedRow();
    if (row < 0)
        return;
    rememberedRow = row;
    ui.deleteButton->setEnabled(true);
}

void DropdownTab::deleteEntry() {
    if (!desktop().confirm(QCoreApplication::translate(
            "Dropdown", "Are you sure you want to delete the selected item?")))
        return;
    if (rememberedRow && *rememberedRow == selectedRow())
        changeList([this] { delete ui.entryList->takeItem(*rememberedRow); });
    forgetSelection();
}

void DropdownTab::sortList() {
    QStringList entries = listTexts(ui.entryList);
    sortEntries(entries);
    // The selection stays at its position, whichever entry now stands there.
    const int selected = selectedRow();
    changeList([&] {
        ui.entryList->clear();
        ui.entryList->addItems(entries);
        if (selected >= 0)
            ui.entryList->setCurrentRow(selected);
    });
}

void DropdownTab::clearAll() {
    if (!desktop().confirm(QCoreApplication::translate(
            "Dropdown", "Are you sure you want to erase ALL menu items?")))
        return;
    changeList([this] { ui.entryList->clear(); });
    forgetSelection();
}

void DropdownTab::makeCode() {
    if (ui.entryList->count() == 0)
        desktop().notice(NoticeKind::Warning,
                         QCoreApplication::translate(
                             "Dropdown", "This is just a message to inform you that there are no "
                                         "items in your list. The code will be generated anyway."));
    if (ui.goTextField->text().isEmpty())
        ui.goTextField->setText(DropdownSettings().goText);
    const DropdownSettings now = settings();
    const QStringList lines = context.modern() ? modernDropdownPage(now) : dropdownPage(now);
    replacePaneText(*ui.codePane, pageText(lines));
}

QString DropdownTab::livePage() {
    DropdownSettings now = settings();
    // As Make Code: an empty button caption makes the default one.
    if (now.goText.isEmpty())
        now.goText = DropdownSettings().goText;
    return pageText(context.modern() ? modernDropdownPage(now) : dropdownPage(now), LastLine::Open);
}

void DropdownTab::newDocument() {
    if (!desktop().confirm(QCoreApplication::translate(
            "Dropdown", "Are you sure you want to erase all fields and start a new document?")))
        return;
    output->clearCode();
    // The invert box, the page choice and the remembered position outlast New.
    DropdownSettings fresh;
    fresh.invertButton = ui.invertColours->isChecked();
    fresh.fullPage = ui.wholePage->isChecked();
    applySettings(fresh);
}
