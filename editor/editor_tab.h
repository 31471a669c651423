#pragma once

#include "editor/editor_page.h"
#include "widgets/desktop.h"
#include "widgets/tab_context.h"
#include "widgets/tool_tab_frame.h"

#include <QWidget>

class OutputCommands;
class QAction;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QToolButton;
class TForm2;
class TForm3;

// The "JS Editor" tab: one hand-written script in Memo21, with the Tag
// Inspector and Reserved Words windows as companions that insert into it.
class EditorTab final : public QWidget {
    Q_OBJECT
public:
    explicit EditorTab(const TabContext& context, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(EditorTab)

    // Called once at start-up, after the Tag Inspector and Reserved Words
    // windows exist.
    void attachCompanions(TForm2* tagInspector, TForm3* reservedWords);
    // The tab-change rule: the user made the editor tab active (true) or
    // another tab (false).
    void followTabChange(bool editorActive);

    // Puts a snippet into Memo21 and hands the keyboard focus back to it.
    void insertSnippet(const QStringList& lines, SnippetInsertMode mode);

    // The document as it stands, with LF line breaks and every character
    // kept (non-breaking spaces included).
    QString editorText() const;

    // Replaces the document with a file's text; a file that cannot be read
    // or edited is reported and leaves the document as it was.
    void openFile(const QString& path);

    QToolBar* ToolBar7;
    QToolButton* ToolButton63;
    QToolButton* ToolButton77;
    QToolButton* ToolButton64;
    QToolButton* ToolButton66 = nullptr;
    QToolButton* ToolButton67 = nullptr;
    QToolButton* ToolButton68 = nullptr;
    QToolButton* ToolButton70 = nullptr;
    QToolButton* ToolButton71 = nullptr;
    QToolButton* ToolButton73;
    QToolButton* ToolButton78;
    QToolButton* ToolButton79;
    QToolButton* ToolButton75;
    QToolButton* ToolButton76;
    QMenu* PopupMenu14;
    QMenu* PopupMenu15;
    QAction* AsJS1;
    QAction* AsHTML5;
    QAction* StripHTML1;
    QPlainTextEdit* Memo21;

    FileDialog OpenDialog4;
    FileDialog SaveDialog10;
    OutputCommands* output; // Save > As HTML (SaveDialog11) and Print

public slots:
    void ToolButton63Click(); // New
    void ToolButton77Click(); // Open
    void AsJS1Click();
    void ToolButton78Click(); // Toggle Tag Inspector
    void ToolButton79Click(); // Toggle Predefined Words
    void StripHTML1Click();

private:
    QToolBar* buildToolBar();
    // Writes the unfiltered text to temp.tmp, then drops the wrapper lines.
    // False (with the error shown and the document untouched) when the
    // scratch file cannot be written.
    bool stripWrapperLines();
    // Replaces the whole text, the caret at the start.
    void replaceDocument(const QString& text);

    TabContext context;
    ToolTabFrame frame;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
};
