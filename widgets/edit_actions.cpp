#include "widgets/edit_actions.h"

#include "widgets/desktop.h"
#include "widgets/edit_actions_controls.h"
#include "widgets/find_dialog.h"
#include "widgets/hint.h"
#include "widgets/icons.h"
#include "widgets/single_line_fields.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>

using namespace edit_actions;

namespace {

bool clipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}

QAction* makeAction(QObject* parent, const char* name, const QString& text, const QString& hint,
                    const char* icon = nullptr) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    setHint(action, hint);
    if (icon)
        action->setIcon(themedIcon(QLatin1String(icon)));
    return action;
}

} // namespace

EditActions::EditActions(QObject* parent) : QObject(parent) {
    setObjectName(controls::ActionList);
    undo = makeAction(this, controls::Undo, QCoreApplication::translate("EditActions", "&Undo"),
                      QCoreApplication::translate("EditActions", "Undo|Reverts the last action"),
                      "edit-undo");
    cut = makeAction(this, controls::Cut, QCoreApplication::translate("EditActions", "Cu&t"),
                     QCoreApplication::translate(
                         "EditActions", "Cut|Cuts the selection and puts it on the Clipboard"),
                     "edit-cut");
    copy = makeAction(this, controls::Copy, QCoreApplication::translate("EditActions", "&Copy"),
                      QCoreApplication::translate(
                          "EditActions", "Copy|Copies the selection and puts it on the Clipboard"),
                      "edit-copy");
    paste =
        makeAction(this, controls::Paste, QCoreApplication::translate("EditActions", "&Paste"),
                   QCoreApplication::translate("EditActions", "Paste|Inserts Clipboard contents"),
                   "edit-paste");
    deleteSelection = makeAction(
        this, controls::Delete, QCoreApplication::translate("EditActions", "&Delete"),
        QCoreApplication::translate("EditActions", "Delete|Erases the selection"), "edit-delete");
    selectAll = makeAction(
        this, controls::SelectAll, QCoreApplication::translate("EditActions", "Select &All"),
        QCoreApplication::translate("EditActions", "Select All|Selects the entire document"),
        "edit-select-all");
    find = makeAction(this, controls::Find, QCoreApplication::translate("EditActions", "&Find..."),
                      QCoreApplication::translate("EditActions", "Find|Finds the specified text"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    find->setShortcutContext(Qt::WindowShortcut);

    connect(undo, &QAction::triggered, this, [this] {
        if (auto* pane = qobject_cast<QPlainTextEdit*>(focused.data()))
            pane->undo();
        else if (QLineEdit* line = lineEditOf(focused))
            line->undo();
    });
    connect(cut, &QAction::triggered, this, [this] {
        if (auto* pane = qobject_cast<QPlainTextEdit*>(focused.data()))
            pane->cut();
        else if (QLineEdit* line = lineEditOf(focused))
            line->cut();
    });
    connect(copy, &QAction::triggered, this, [this] {
        if (auto* pane = qobject_cast<QPlainTextEdit*>(focused.data()))
            pane->copy();
        else if (QLineEdit* line = lineEditOf(focused))
            line->copy();
    });
    connect(paste, &QAction::triggered, this, [this] {
        if (auto* pane = qobject_cast<QPlainTextEdit*>(focused.data()))
            pane->paste();
        else if (QLineEdit* line = lineEditOf(focused))
            line->paste();
    });
    connect(deleteSelection, &QAction::triggered, this, [this] {
        if (auto* pane = qobject_cast<QPlainTextEdit*>(focused.data()))
            pane->textCursor().removeSelectedText();
        else if (QLineEdit* line = lineEditOf(focused))
            line->del();
    });
    connect(selectAll, &QAction::triggered, this, [this] {
        if (auto* pane = qobject_cast<QPlainTextEdit*>(focused.data()))
            pane->selectAll();
        else if (QLineEdit* line = lineEditOf(focused))
            line->selectAll();
    });
    connect(find, &QAction::triggered, this, [this] {
        if (focused)
            showFind(focused);
    });

    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &EditActions::updateEnabling);
    follow(QApplication::focusWidget());
}

EditActions::~EditActions() {
    delete findDialog;
}

void EditActions::showFind(QWidget* textControl) {
    if (!findDialog) {
        findDialog = new FindDialog(textControl->window());
        connect(findDialog, &FindDialog::notFound, findDialog,
                [](const QString& message) { desktop().notice(NoticeKind::Information, message); });
    }
    findDialog->startOn(textControl);
}

void EditActions::follow(QWidget* widget) {
    // A spin box or combo box gives the focus to its inner line edit.
    QWidget* control = widget;
    if (control && qobject_cast<QLineEdit*>(control) && control->parentWidget() &&
        (qobject_cast<QComboBox*>(control->parentWidget()) ||
         qobject_cast<QAbstractSpinBox*>(control->parentWidget())))
        control = control->parentWidget();
    const bool isText = control && (qobject_cast<QPlainTextEdit*>(control) || lineEditOf(control));
    if (!isText)
        control = nullptr;
    if (control == focused && control)
        return updateEnabling();
    for (const auto& watch : std::as_const(watches))
        disconnect(watch);
    watches.clear();
    focused = control;
    if (auto* pane = qobject_cast<QPlainTextEdit*>(control)) {
        watches << connect(pane, &QPlainTextEdit::selectionChanged, this,
                           &EditActions::updateEnabling)
                << connect(pane, &QPlainTextEdit::undoAvailable, this, &EditActions::updateEnabling)
                << connect(pane, &QPlainTextEdit::textChanged, this, &EditActions::updateEnabling);
    } else if (QLineEdit* line = lineEditOf(control)) {
        watches << connect(line, &QLineEdit::selectionChanged, this, &EditActions::updateEnabling)
                << connect(line, &QLineEdit::textChanged, this, &EditActions::updateEnabling);
    }
    updateEnabling();
}

void EditActions::updateEnabling() {
    bool selection = false, writable = false, undoable = false, hasText = false;
    if (auto* pane = qobject_cast<QPlainTextEdit*>(focused.data())) {
        selection = pane->textCursor().hasSelection();
        writable = !pane->isReadOnly();
        undoable = pane->document()->isUndoAvailable();
        hasText = !pane->document()->isEmpty();
    } else if (QLineEdit* line = lineEditOf(focused)) {
        selection = line->hasSelectedText();
        writable = !line->isReadOnly();
        undoable = line->isUndoAvailable();
        hasText = !line->text().isEmpty();
    }
    const bool present = focused != nullptr;
    undo->setEnabled(present && writable && undoable);
    cut->setEnabled(present && writable && selection);
    copy->setEnabled(present && selection);
    deleteSelection->setEnabled(present && writable && selection);
    paste->setEnabled(present && writable && clipboardHasText());
    selectAll->setEnabled(present && hasText);
    find->setEnabled(present && hasText);
}
