#pragma once

#include "app/application_windows.h"
#include "app/main_window.h"
#include "support/fake_desktop.h"
#include "support/test_files.h"

#include <QString>
#include <memory>

// The whole program as a user starts it: a fresh program folder made
// current, the desktop faked, every window created. One per test function;
// the main window's controls are reached by objectName.
class WindowFixture final {
public:
    // AsStarted: the hidden tabs wait to be built, as after start-up.
    enum class Tabs { Built, AsStarted };

    explicit WindowFixture(Tabs tabs = Tabs::Built);
    WindowFixture(const WindowFixture&) = delete;
    WindowFixture& operator=(const WindowFixture&) = delete;

    MainWindow* window() const { return windows->mainWindow.get(); }
    void click(const char* button) const;
    void trigger(const char* action) const;
    void type(const char* field, const QString& text) const;
    QString pane(const char* name) const;
    // Every window closed and made afresh over the same folder, as after a restart.
    void reopen(Tabs tabs = Tabs::Built);

    ProgramFolder folder;
    FakeDesktop fake;
    std::unique_ptr<ApplicationWindows> windows;
};
