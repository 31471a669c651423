#include "editor/tag_palette.h"

#include "editor/editor_page.h"
#include "editor/editor_tab.h"
#include "editor/tag_palette_controls.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTabWidget>
#include <QToolButton>

using namespace tag_palette;

TagInspector::TagInspector(QWidget* mainWindow, EditorTab* editorTab)
    : ToolWindow(mainWindow, controls::Window,
                 QCoreApplication::translate("TagInspector", "Tag Inspector")),
      editor(editorTab) {
    setFixedSize(538, 57);
    move(198, 46);
    setToolTip(QCoreApplication::translate(
        "TagInspector",
        "Ctrl+Shift+T in the JS Editor comes here: arrows choose a button, Ctrl+Tab or "
        "Ctrl+PgDn/PgUp a page, Enter inserts, Esc goes back to the editor"));
    form.setupUi(this);
}

void TagInspector::setVisible(bool visible) {
    if (visible)
        buildPalette();
    ToolWindow::setVisible(visible);
}

void TagInspector::buildPalette() {
    form.buildPages([this](QToolButton* button, const Snippet& snippet) {
        button->installEventFilter(this);
        // The table lives as long as the program, so the snippet can be
        // referred to.
        connect(button, &QToolButton::clicked, this,
                [this, &snippet] { editor->insertSnippet(snippet.lines, snippet.mode); });
    });
}

QList<QToolButton*> TagInspector::buttonsOfPage(int page) const {
    return form.pages->widget(page)->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
}

void TagInspector::focusButton(int page, qsizetype index) {
    form.pages->setCurrentIndex(page);
    const QList<QToolButton*> buttons = buttonsOfPage(page);
    buttons.at((index + buttons.size()) % buttons.size())->setFocus(Qt::TabFocusReason);
}

void TagInspector::takeKeyboard() {
    buildPalette();
    activateWindow();
    raise();
    focusButton(form.pages->currentIndex(), 0);
}

bool TagInspector::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QToolButton*>(watched);
    if (!button || event->type() != QEvent::KeyPress)
        return ToolWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int page = form.pages->currentIndex();
    const qsizetype index = buttonsOfPage(page).indexOf(button);
    const bool control = key->modifiers() & Qt::ControlModifier;
    const int pageCount = form.pages->count();
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusButton(page, index - 1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusButton(page, index + 1);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_PageDown:
        if (!control)
            return false;
        focusButton((page + 1) % pageCount, 0);
        return true;
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
        if (!control)
            return false;
        focusButton((page + pageCount - 1) % pageCount, 0);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        button->click();
        return true;
    case Qt::Key_Escape:
        editor->returnFocus();
        return true;
    default:
        return false;
    }
}
