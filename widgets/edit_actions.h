#pragma once

#include <QObject>
#include <QPointer>

class FindDialog;
class QAction;
class QWidget;

// The standard edit commands, made once and shared by the main menu, the
// context menu and every tool bar. They act on the text control that has the
// keyboard focus and are enabled only when they apply to it.
class EditActions final : public QObject {
    Q_OBJECT
public:
    explicit EditActions(QObject* parent);
    ~EditActions() override;
    Q_DISABLE_COPY_MOVE(EditActions)

    QAction* undo;
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* deleteSelection;
    QAction* selectAll;
    QAction* find;

    // The focused text control (line edit, editable combo, spin box or text
    // pane), or nothing.
    QWidget* target() const { return focused; }

    void updateEnabling();

private:
    void follow(QWidget* widget);
    // The one Find dialog, made on first use, opened on `textControl`.
    void showFind(QWidget* textControl);

    QPointer<QWidget> focused;
    QList<QMetaObject::Connection> watches;
    QPointer<FindDialog> findDialog;
};
