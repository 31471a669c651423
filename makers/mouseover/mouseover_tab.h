#pragma once

#include "core/project_file.h"
#include "makers/mouseover/mouseover_form.h"
#include "makers/mouseover/mouseover_modern_page.h"
#include "widgets/tab_context.h"
#include "widgets/tab_page.h"

#include <QWidget>

class OutputCommands;
struct TakenText;

// The "MouseOver Button Maker" tab: a page under construction in a head, a
// script and a body pane. Add Image appends one button at a time; Copy, Save
// and Print first assemble the three panes into the hidden page pane.
class MouseOverTab final : public TabPage {
    Q_OBJECT
public:
    explicit MouseOverTab(const TabContext& context, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(MouseOverTab)

    // Saved-page memory for Preview: "No" until saved as HTML, then "Yes",
    // and the path of the file last saved as HTML. New leaves both alone.
    QString savedFlag() const;
    QString savedPagePath() const;

    // The settings as the controls hold them, and the inverse: the controls
    // set from `settings` (the enabling and warning rules run as for a user).
    MouseOverSettings settings() const;
    void applySettings(const MouseOverSettings& settings);
    // The document (panes, kind, counters) with the next button's settings,
    // and the way back, which raises no warning.
    MouseOverProject project() const;
    void applyProject(const MouseOverProject& project);

    // The page the three panes hold, with the button the image fields would
    // add when Add Image is open.
    QString livePage() override;

public slots:
    void warnIfPreloadOff();
    void enableAddImage();
    void resetImageFields();
    void clearCode();
    void endCode();
    void newDocument();
    void addImage();

private:
    void buildControls() override;
    // Fills the hidden page pane (Copy, Save and Print keep it in step).
    void assemble();
    // The three panes' texts, assembled into the page by `finish`.
    TakenText takePage() const;
    // Writes the head and script panes of a new document of the kind the
    // output choice now asks for.
    void startDocument();
    void followOutputChoice(bool modern);

    TabContext context;
    MouseOverDocument document;
    MouseOverForm ui;
    OutputCommands* outputs;

    // Buttons and preload objects added since the last New.
    qint64 buttonCount = 0;
    qint64 preloadCount = 0;
    // Set while a project is applied: its settings are no user's change.
    bool applyingProject = false;
};
