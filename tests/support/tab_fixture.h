#pragma once

#include "support/fake_desktop.h"
#include "support/test_files.h"
#include "widgets/edit_actions.h"
#include "widgets/modern_output.h"
#include "widgets/tab_context.h"

#include <QAction>
#include <functional>
#include <memory>
#include <utility>

// Which pages a tab makes: the classic ones, or with the "Modern HTML5
// Output" choice checked.
enum class TabOutput { Classic, Modern };

// One tool tab as the main window makes it, in a fresh program folder with
// the desktop faked; its controls are reached by objectName.
template <typename Tab> class TabFixture {
public:
    explicit TabFixture(TabOutput output = TabOutput::Classic, std::function<void()> showAbout = {})
        : modernOutput(output == TabOutput::Modern ? checkedModernOutput() : nullptr),
          context(madeContext(std::move(showAbout))), tab(context) {}
    TabFixture(const TabFixture&) = delete;
    TabFixture& operator=(const TabFixture&) = delete;

    ProgramFolder folder;
    FakeDesktop fake;
    EditActions actions{nullptr};
    std::unique_ptr<ModernOutput> modernOutput;
    TabContext context;
    Tab tab;

private:
    static std::unique_ptr<ModernOutput> checkedModernOutput() {
        auto output = std::make_unique<ModernOutput>(ModernOutput::defaultChoiceFile(), nullptr);
        output->action()->setChecked(true);
        return output;
    }
    TabContext madeContext(std::function<void()> showAbout) {
        TabContext made;
        made.folders = ProgramFolders::portable(folder.path());
        made.editActions = &actions;
        made.showAbout = std::move(showAbout);
        made.modernOutput = modernOutput.get();
        return made;
    }
};
