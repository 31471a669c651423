#pragma once

#include "widgets/tool_window.h"

class TForm1;

// The "Reserved Words" window.
class TForm3 final : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm3(TForm1* mainWindow);

private:
    TForm1* Form1;
};
