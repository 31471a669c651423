#pragma once

#include "widgets/tool_window.h"

class TForm1;

// The "Wizard" window.
class TForm6 final : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm6(TForm1* mainWindow);

    // Wizards menu: start the five-step guide of tool 1..5 beside the main window.
    void startGuide(int toolNumber);

private:
    TForm1* Form1;
};
