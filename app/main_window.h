#pragma once

#include "core/program_folders.h"

#include <QMainWindow>

class DropdownTab;
class EditActions;
class EditorTab;
class MouseOverTab;
class PopupTab;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTabWidget;
class SlideshowTab;
class TAboutBox;
class TagInspector;
class ReservedWordsWindow;
class TForm5;
class TForm6;

// The main window: five tool tabs, the main and context menus, the status bar.
class TForm1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const ProgramFolders& folders);

    // Start-up hands over the windows created after this one.
    void attachWindows(TagInspector* tagInspector, ReservedWordsWindow* reservedWords,
                       TAboutBox* aboutBox, TForm5* tipWindow, TForm6* wizard);

    // Where the shipped data is read and the user state written, fixed for
    // the whole run.
    const ProgramFolders folders;

    // Stores the "Show Startup Tips" choice in prefs.cfg; an error is shown.
    void storeShowTips(bool show);
    QString prefsPath() const;

    void showAboutBox();

    // Opens a page or script in the JS Editor tab and makes that tab active.
    void openInEditor(const QString& path);

    QTabWidget* PageControl1;
    DropdownTab* TabSheet1;
    PopupTab* TabSheet2;
    MouseOverTab* TabSheet3;
    SlideshowTab* TabSheet4;
    EditorTab* TabSheet5;
    QStatusBar* StatusBar1;
    QMenuBar* MainMenu1;
    QMenu* PopupMenu4;
    EditActions* ActionList1;

    QAction* Exit1;
    QAction* Undo1;
    QAction* Cut1;
    QAction* Copy1;
    QAction* Paste1;
    QAction* Delete1;
    QAction* SelectAll1;
    QAction* DropdownMenuMaker1;
    QAction* PopupMaker1;
    QAction* MouseOverButtonMaker1;
    QAction* CollapseMenuMaker1;
    QAction* JSEditor1;
    QAction* DropdownMenuMaker2;
    QAction* PopupMaker2;
    QAction* MouseOverButtonMaker2;
    QAction* SlideshowMaker1;
    QAction* JSEditor2;
    QAction* Help3;
    QAction* Readme1;
    QAction* ShowStartupTips1;
    QMenu* OnTheWeb1;
    QAction* Website1;
    QAction* CheckForUpdate1;
    QAction* SupportEmail1;
    QAction* SupportForum1;
    QAction* About2;

    TagInspector* Form2 = nullptr;
    ReservedWordsWindow* Form3 = nullptr;
    TAboutBox* AboutBox = nullptr;
    TForm5* Form5 = nullptr;
    TForm6* Form6 = nullptr;

public slots:
    // The user selected another tab on the tab strip.
    void PageControl1Change(int index);
    // Makes a tab active without the tab-change rule (View menu).
    void viewTab(int index);
    void ShowStartupTips1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildMenus();
    void buildStatusBar();

    QLabel* helpPanel;
    QLabel* emptyPanel;
    bool settingTab = false;
};
