#pragma once

#include "widgets/tool_window.h"

class QTabWidget;
class TForm1;

// The "Tag Inspector" window: a palette of snippet buttons in ten pages that
// insert into the script editor.
class TForm2 final : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm2(TForm1* mainWindow);
    Q_DISABLE_COPY_MOVE(TForm2)

    QTabWidget* PageControl1;

private:
    TForm1* Form1;
};
