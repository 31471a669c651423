#pragma once

#include "support/find_control.h"

#include <QAccessible>
#include <QStringList>
#include <QWidget>

// What a screen reader announces as the control's name: its own name, else
// what Qt derives (a caption, a buddy label). A list box on Linux reports its
// current text there, so it needs a name of its own.
inline QString spokenName(QWidget* control) {
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

// The controls named in `names` in the order Tab reaches them inside
// `window`, starting from the first; a control Tab skips is missing.
inline QStringList tabSequence(QWidget* window, const QStringList& names) {
    QWidget* const first = findControl<QWidget>(window, names.first());
    QStringList reached;
    QWidget* control = first;
    do {
        const QString name = control->objectName();
        if (names.contains(name) && !reached.contains(name) && window->isAncestorOf(control) &&
            (control->focusPolicy() & Qt::TabFocus))
            reached << name;
        control = control->nextInFocusChain();
    } while (control != first);
    return reached;
}
