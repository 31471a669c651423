#pragma once

#include "widgets/tool_window.h"

class TForm1;

// The "Tag Inspector" window.
class TForm2 final : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm2(TForm1* mainWindow);

private:
    TForm1* Form1;
};
