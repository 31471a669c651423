#include "guidance/wizard_window.h"

#include "app/main_window.h"

TForm6::TForm6(TForm1* mainWindow) : ToolWindow(mainWindow, "Form6", "Wizard"), Form1(mainWindow) {
    setFixedSize(193, 306);
}

void TForm6::startGuide(int toolNumber) {
    Q_UNUSED(toolNumber);
    show();
}
