#pragma once

#include "app/main_window.h"
#include "editor/editor_tab.h"
#include "editor/reserved_words.h"
#include "editor/tag_palette.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"

#include <QPlainTextEdit>
#include <QStringList>

// The program's windows in a fresh ProgramDirectory with a scripted desktop,
// the main window shown with its JS Editor at hand.
struct EditorFixture {
    EditorFixture();

    // The editor's lines as they would be saved.
    QStringList lines() const;
    // Puts `text` into the editor with the caret or selection marked: "|" is
    // the caret, "[" and "]" the ends of a selection made left to right.
    void setMarkedText(QString text);
    // The editor's text with the caret marked by "|" (selection dropped).
    QString markedText() const;
    // Brings the JS Editor page up through the View menu, with its
    // companion windows as the tab strip brings them.
    void viewEditor();

    WindowFixture app;
    QWidget* mainWindow;
    EditorTab* tab;
    QPlainTextEdit* memo = nullptr;
    TagInspector* inspector;
    ReservedWordsWindow* words;
};
