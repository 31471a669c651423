#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QWidget;

// The standard edit commands, made once and shared by the main menu, the
// context menu and every tool bar. They act on the text control that has the
// keyboard focus and are enabled only when they apply to it.
class EditActions final : public QObject {
    Q_OBJECT
public:
    explicit EditActions(QObject* parent);

    QAction* EditUndo1;
    QAction* EditCut1;
    QAction* EditCopy1;
    QAction* EditPaste1;
    QAction* EditDelete1;
    QAction* EditSelectAll1;
    QAction* SearchFind1;

    // The focused text control (line edit, editable combo, spin box or text
    // pane), or nothing.
    QWidget* target() const { return focused; }

    void updateEnabling();

private:
    void follow(QWidget* widget);

    QPointer<QWidget> focused;
    QList<QMetaObject::Connection> watches;
};
