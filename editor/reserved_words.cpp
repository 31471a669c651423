#include "editor/reserved_words.h"

#include "app/main_window.h"

TForm3::TForm3(TForm1* mainWindow) : ToolWindow(mainWindow, "Form3", "Reserved Words"), Form1(mainWindow) {
    setFixedSize(160, 201);
    move(406, 170);
}
