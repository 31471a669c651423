#pragma once

#include <functional>

class QTabWidget;
class QToolButton;
class QWidget;
struct Snippet;

// The "Tag Inspector" window's widgets: the page control, and its ten pages
// of snippet buttons. setupUi makes only the empty page control, so that
// start-up does not wait for the 97 buttons; buildPages makes them when the
// window needs them.
struct TagInspectorForm final {
    void setupUi(QWidget* window);
    // Makes the pages and their buttons once, handing each button with its
    // snippet to `wire`; later calls do nothing.
    void buildPages(const std::function<void(QToolButton*, const Snippet&)>& wire);

    QTabWidget* pages = nullptr;
};
