#pragma once

#include "core/project_file.h"
#include "makers/popup/popup_form.h"
#include "makers/popup/popup_page.h"
#include "widgets/field_binding.h"
#include "widgets/tab_context.h"
#include "widgets/tab_page.h"

#include <QWidget>

class OutputCommands;

// The "Popup Maker" tab: window features, URL and status text, launch event
// and medium, and the page that opens the popup.
class PopupTab final : public TabPage {
    Q_OBJECT
public:
    explicit PopupTab(const TabContext& context, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(PopupTab)

    // Saved-page memory: "Yes" once the page was saved as HTML (back to "No"
    // on New), and the file it was saved to.
    const QString& savedFlag() const;
    const QString& savedPagePath() const;

    // The settings as the controls hold them now, spin edits committed, and
    // the way back: the controls then show `settings`, enabled as its launch
    // event, medium and ticks would have them.
    PopupSettings settings();
    void applySettings(const PopupSettings& settings);
    // The settings with the code pane as the user left it, and the way back.
    PopupProject project();
    void applyProject(const PopupProject& project);

    QString livePage() override;

public slots:
    void eventChosen(int index);
    void mediumChosen(int index);
    void urlChanged(const QString& text);
    void newDocument();
    void makeCode();

private:
    // The settings with each spin edit's text as `text` gives it.
    PopupSettings readSettings(NumberText number) const;
    void buildControls() override;
    // What the chosen event and medium leave open to the user.
    void enableForLaunch();

    TabContext context;
    PopupForm ui;
    OutputCommands* output;
};
