#include "widgets/form_parts.h"

#include "widgets/hint.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

QPlainTextEdit* makeCodePane(const QString& objectName, QWidget* parent) {
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(objectName);
    styleCodePane(pane);
    return pane;
}

void styleCodePane(QPlainTextEdit* pane) {
    QFont code = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    code.setPointSize(pane->font().pointSize());
    pane->setFont(code);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setTabChangesFocus(false);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QPushButton* makeButton(const QString& objectName, const QString& caption, const QString& hint,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    setHint(button, hint);
    return button;
}

QLineEdit* lineEditOf(QWidget* control) {
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return line;
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->lineEdit();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(control))
        return spin->findChild<QLineEdit*>();
    return nullptr;
}
