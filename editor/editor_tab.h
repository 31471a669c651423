#pragma once

#include "app/tab_context.h"

#include <QWidget>

class TForm2;
class TForm3;

// The "JS Editor" tab.
class EditorTab final : public QWidget {
    Q_OBJECT
public:
    explicit EditorTab(const TabContext& context, QWidget* parent = nullptr);

    // Called once at start-up, after the Tag Inspector and Reserved Words
    // windows exist.
    void attachCompanions(TForm2* tagInspector, TForm3* reservedWords);
    // The tab-change rule: the user made the editor tab active (true) or
    // another tab (false).
    void followTabChange(bool editorActive);

private:
    TabContext context;
    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
};
