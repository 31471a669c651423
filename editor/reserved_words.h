#pragma once

#include "widgets/tool_window.h"

#include <optional>

class QListWidget;
class QPushButton;
class EditorTab;

// The "Reserved Words" window: the words of tags.txt, inserted into the
// script editor on request. The list is read again every time the window
// becomes visible, so edits to the file show up at the next opening.
class TForm3 final : public ToolWindow {
    Q_OBJECT
public:
    // Words are read from tags.txt in the shipped-data folder and go into editor.
    TForm3(QWidget* mainWindow, EditorTab* editor, const QString& shippedData);
    Q_DISABLE_COPY_MOVE(TForm3)

    void setVisible(bool visible) override;
    // The row the user last selected, if any; a reload does not forget it.
    std::optional<int> rememberedRow() const { return Edit1; }

    QListWidget* ListBox1;
    QPushButton* Button1;
    // The index of the item the user last selected; kept across reloads.
    std::optional<int> Edit1;

public slots:
    void FormShow();
    void ListBox1Click();
    void Button1Click();
    void ListBox1DblClick();

private:
    EditorTab* const editor;
    const QString shippedData;
    bool loading = false;
};
