#pragma once

#include "widgets/tool_window.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The "Wizard" window: a five-step text guide for one tool, docked beside
// the main window. It only shows text; it never touches a tool.
class TForm6 final : public ToolWindow {
    Q_OBJECT
public:
    // Steps are read from the shipped-data folder; the guide docks beside mainWindow.
    TForm6(QWidget* mainWindow, const QString& shippedData);

    // Wizards menu: start the five-step guide of tool 1..5 beside the main window.
    void startGuide(int toolNumber);

    QLabel* Image1;
    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

public slots:
    // "< Previous"
    void Button1Click();
    // "Next >"
    void Button2Click();

private:
    void buildControls();
    void placeBesideMainWindow();
    void showStep();
    // Shows the step file K-N.txt; false after reporting a file that cannot be read.
    bool loadStep(int toolNumber, quint8 step);

    QWidget* const mainWindow;
    const QString shippedData;
    // WizardToolNumber: the tool (1..5) whose guide is shown.
    int Edit1 = 1;
    quint8 WizardStep = 1;
};
