#pragma once

#include "makers/dropdown/dropdown_form.h"
#include "widgets/tab_context.h"
#include "widgets/tab_page.h"

#include <QWidget>
#include <optional>

class OutputCommands;
struct DropdownProject;
struct DropdownSettings;

// The "Dropdown Menu Maker" tab: a list of menu entries, the style of the
// select box and its button, and the generated page.
class DropdownTab final : public TabPage {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DropdownTab)
public:
    explicit DropdownTab(const TabContext& context, QWidget* parent = nullptr);

    // The settings the page is made of, as the controls hold them now, and
    // the way back: the controls then show `settings`.
    DropdownSettings settings() const;
    void applySettings(const DropdownSettings& settings);
    // The settings with the code pane as the user left it, and the way back.
    DropdownProject project() const;
    void applyProject(const DropdownProject& project);

    QString livePage() override;

public slots:
    void addEntry();
    void deleteEntry();
    void sortList();
    void clearAll();
    void makeCode();
    void newDocument();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls() override;
    // Add Item is there while both the name and the address hold something.
    void updateAddEntry();
    // The user selected an entry: remember its position.
    void rememberSelection();
    // Changes the list without treating it as the user's selection.
    template <typename Change> void changeList(Change change);
    void forgetSelection();
    // The row of the selected entry, or -1.
    int selectedRow() const;

    TabContext context;
    DropdownForm ui;
    OutputCommands* output;
    bool changingList = false;
    // The position of the entry last selected in the list; nothing until the
    // first selection or insertion. Delete, Sort, Clear All and New keep it.
    std::optional<int> rememberedRow;
};
