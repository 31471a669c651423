#pragma once

#include "app/main_window_form.h"
#include "core/program_folders.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

class AboutBox;
class ProjectSession;
class LivePreview;
class ModernOutput;
class TagInspector;
class ReservedWordsWindow;
class TipWindow;
class WizardWindow;

// The main window: five tool tabs, the main and context menus, the status bar.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const ProgramFolders& folders);
    ~MainWindow() override;
    Q_DISABLE_COPY_MOVE(MainWindow)

    // Start-up hands over the windows created after this one.
    void attachWindows(TagInspector* tagInspector, ReservedWordsWindow* reservedWords,
                       AboutBox* aboutBox, TipWindow* tipWindow, WizardWindow* wizard);

    // Where the shipped data is read and the user state written, fixed for
    // the whole run.
    const ProgramFolders folders;

    // The JS Editor tab, which the Tag Inspector and Reserved Words write into.
    EditorTab* editor() const { return form.editorTab; }

    // Start-up: the check mark of Help > "Show Startup Tips", without storing it.
    void setShowTipsChecked(bool show);
    QString prefsPath() const;

    void showAboutBox();

    // Runs `step` on the turn of the event loop after the window's first
    // frame, so the window is on the screen first; at once while the window
    // is hidden or once that turn has passed. The first input event brings
    // that turn forward: the user never meets start-up half done.
    void afterFirstFrame(std::function<void()> step);

    // Builds now the tabs that wait for the turn after the first frame, for
    // whatever needs every control at once (the tests of a fresh window).
    void buildEveryTab();

    // Opens a page or script in the JS Editor tab and makes that tab active.
    void openInEditor(const QString& path);

    // The project document of the maker tabs (File > New Project ...).
    ProjectSession* projects() const { return projectSession.get(); }
    // View > Live Preview and its pane.
    LivePreview* livePreview() const { return preview; }

public slots:
    // Another tab became active, however it was chosen: the JS Editor comes
    // with its companion windows, the other tabs without them.
    void followTabChange(int index);
    // Makes a tab active (View menu).
    void viewTab(int index);
    // Help > "Show Startup Tips": the item has flipped its mark; store it.
    void toggleShowTips();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void connectMenus();
    void connectPreview(ModernOutput* modernOutput);
    void holdHiddenTabHints();
    void releaseTabHints();
    void followFirstFrame();
    void runStepsAfterFirstFrame();
    // Stores the "Show Startup Tips" choice in prefs.cfg; an error is shown.
    void storeShowTips(bool show);
    // A tab wrote a file: the status bar says so, the title names it.
    void noteSaved(int tab, const QString& path);
    // Exit with unsaved editor text asks first; false when the user cancels.
    bool editorTextKept();
    // The File menu offers the commands the current tab's tool bar has.
    void offerTabCommands();
    // A key of the whole window that brings the JS Editor's tab to the front.
    QAction* addCompanionKey(QKeyCombination keys);
    // A button under `root` (the window, or a tab as it is built) whose
    // access key is a menu title's lets the menu bar have it.
    void yieldAccessKeysToMenus(QWidget* root);
    // Moves a companion window that would cover the menu bar or the tab
    // strip beside the window, or else below the strip.
    void keepStripsClear(QWidget* companion);

    // The title names the file the current tab last saved and the project,
    // and marks the project's unsaved changes.
    void showTitle();

    LivePreview* preview = nullptr;
    MainWindowForm form;
    // Goes before the tabs it watches, so no change of theirs reaches it then.
    std::unique_ptr<ProjectSession> projectSession;
    AboutBox* aboutBox = nullptr;
    WizardWindow* wizardWindow = nullptr;
    // The file each tab last wrote, by tab index.
    QStringList savedFiles = QStringList(TabCount);
    // The JS Editor's companion windows, placed clear of the strips.
    QList<QObject*> companions;
    bool tabHintsHeld = false;
    bool firstFrameDrawn = false;
    bool firstFrameFollowed = false;
    std::vector<std::function<void()>> stepsAfterFirstFrame;
};
