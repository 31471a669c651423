#pragma once

#include "editor/reserved_words_form.h"
#include "widgets/tool_window.h"

#include <optional>

class EditorTab;

// The "Reserved Words" window: the words of tags.txt, inserted into the
// script editor on request. The list is read again every time the window
// becomes visible, so edits to the file show up at the next opening.
// From the keyboard: takeKeyboard() (the editor's Ctrl+Shift+W) moves into
// the list, Enter inserts the selected word, Esc returns to the editor.
class ReservedWordsWindow final : public ToolWindow {
    Q_OBJECT
public:
    // Words are read from tags.txt in the shipped-data folder and go into editor.
    ReservedWordsWindow(QWidget* mainWindow, EditorTab* editor, const QString& shippedData);
    Q_DISABLE_COPY_MOVE(ReservedWordsWindow)

    void setVisible(bool visible) override;
    // The row the user last selected, if any; a reload does not forget it.
    std::optional<int> rememberedRow() const { return lastSelectedRow; }
    // Activates the window with the keyboard in the list.
    void takeKeyboard();

public slots:
    void reloadWords();
    void rememberSelection();
    // Inserts the remembered word if it is still the selected one; either
    // way "Add Selected Tag" ends disabled.
    void insertRememberedWord();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ReservedWordsForm form;
    EditorTab* const editor;
    const QString shippedData;
    std::optional<int> lastSelectedRow;
    bool loading = false;
};
