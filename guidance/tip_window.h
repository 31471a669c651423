#pragma once

#include "widgets/tool_window.h"

class TForm1;

// The "Startup Tip" window.
class TForm5 final : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm5(TForm1* mainWindow);

private:
    TForm1* Form1;
};
