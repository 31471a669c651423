#pragma once

#include "guidance/wizard_window_form.h"
#include "widgets/tool_window.h"

// The "Wizard" window: a five-step text guide for one tool, docked beside
// the main window. It only shows text; it never touches a tool.
class WizardWindow final : public ToolWindow {
    Q_OBJECT
public:
    // Steps are read from the shipped-data folder; the guide docks beside mainWindow.
    WizardWindow(QWidget* mainWindow, const QString& shippedData);
    Q_DISABLE_COPY_MOVE(WizardWindow)

    // Wizards menu: start the five-step guide of tool 1..5 beside the main window.
    void startGuide(int toolNumber);

    // Sizes the window for its font the first time it is shown.
    void setVisible(bool visible) override;

public slots:
    // "< Previous"
    void previousStep();
    // "Next >"
    void nextStep();

private:
    void placeBesideMainWindow();
    void showStep();
    // Shows the step file K-N.txt; false after reporting a file that cannot be read.
    bool loadStep(int toolNumber, quint8 step);

    WizardWindowForm form;
    QWidget* const mainWindow;
    const QString shippedData;
    // WizardToolNumber: the tool (1..5) whose guide is shown.
    int toolNumber = 1;
    quint8 WizardStep = 1;
    bool fitted = false;
};
