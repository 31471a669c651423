#include "support/window_fixture.h"

#include "support/find_control.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

WindowFixture::WindowFixture(Tabs tabs) {
    reopen(tabs);
}

void WindowFixture::click(const char* button) const {
    findControl<QAbstractButton>(window(), QLatin1String(button))->click();
}

void WindowFixture::trigger(const char* action) const {
    findControl<QAction>(window(), QLatin1String(action))->trigger();
}

void WindowFixture::type(const char* field, const QString& text) const {
    findControl<QLineEdit>(window(), QLatin1String(field))->setText(text);
}

QString WindowFixture::pane(const char* name) const {
    return findControl<QPlainTextEdit>(window(), QLatin1String(name))->toPlainText();
}

void WindowFixture::reopen(Tabs tabs) {
    windows.reset();
    windows = std::make_unique<ApplicationWindows>();
    if (tabs == Tabs::Built)
        window()->buildEveryTab();
}
