#include "app/application_windows.h"

#include "app/about_box.h"
#include "app/main_window.h"
#include "core/prefs_file.h"
#include "editor/reserved_words.h"
#include "editor/tag_palette.h"
#include "guidance/tip_window.h"
#include "guidance/wizard_window.h"
#include "makers/slideshow/publication.h"
#include "widgets/single_line_fields.h"
#include "widgets/spoken_list.h"
#include "widgets/tab_page.h"

#include <QAction>

ApplicationWindows::ApplicationWindows(const ProgramFolders& folders)
    : mainWindow(std::make_unique<MainWindow>(folders)) {
    // The other windows belong to the main window and die with it.
    MainWindow* main = mainWindow.get();
    tagInspector = new TagInspector(main, main->editor());
    reservedWords = new ReservedWordsWindow(main, main->editor(), main->folders.shippedData);
    aboutBox = new AboutBox(main, main->folders.shippedData);
    tipWindow = new TipWindow(main, main->folders.shippedData);
    wizardWindow = new WizardWindow(main, main->folders.shippedData);
    mainWindow->attachWindows(tagInspector, reservedWords, aboutBox, tipWindow, wizardWindow);
    publishOnTestRequest(mainWindow.get());
    // Every window is the main window's child; this reaches also the fields
    // that no form factory made, such as the font lists. A tab built later
    // gets the same as its controls come.
    keepFieldsSingleLine(main);
    nameListFields(main);
    for (TabPage* page : main->findChildren<TabPage*>())
        QObject::connect(page, &TabPage::built, page, [page] {
            keepFieldsSingleLine(page);
            nameListFields(page);
        });
}

ApplicationWindows::~ApplicationWindows() = default;

void ApplicationWindows::applyPreferences() {
    QString error;
    const std::optional<TPrefsRecord> record = readPrefs(mainWindow->prefsPath(), &error);
    const bool showTips = !record || record->ShowTips == 1;
    mainWindow->setShowTipsChecked(showTips);
    // The tip comes up over the main window once that is on the screen.
    if (showTips)
        mainWindow->afterFirstFrame([tips = tipWindow] { tips->present(); });
}
