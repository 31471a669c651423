#include "guidance/tip_window.h"

#include "app/main_window.h"

TForm5::TForm5(TForm1* mainWindow) : ToolWindow(mainWindow, "Form5", "Startup Tip"), Form1(mainWindow) {
    setFixedSize(329, 241);
}
