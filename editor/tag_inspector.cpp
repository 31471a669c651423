#include "editor/tag_inspector.h"

#include "app/main_window.h"

TForm2::TForm2(TForm1* mainWindow) : ToolWindow(mainWindow, "Form2", "Tag Inspector"), Form1(mainWindow) {
    setFixedSize(538, 57);
    move(198, 46);
}
