#include "editor/editor_tab.h"

#include "editor/reserved_words.h"
#include "editor/tag_inspector.h"

EditorTab::EditorTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), context(tabContext) {
    setObjectName("TabSheet5");
}

void EditorTab::attachCompanions(TForm2* tagInspector, TForm3* reservedWords) {
    Form2 = tagInspector;
    Form3 = reservedWords;
}

void EditorTab::followTabChange(bool editorActive) {
    if (!Form2 || !Form3)
        return;
    if (editorActive) {
        Form2->show();
        Form3->show();
    } else {
        Form2->close();
        Form3->close();
    }
}
