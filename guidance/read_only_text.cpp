#include "guidance/read_only_text.h"

#include <QPlainTextEdit>

QPlainTextEdit* makeReadOnlyText(const char* objectName, const QString& accessibleName,
                                 QWidget* parent) {
    auto* text = new QPlainTextEdit(parent);
    text->setObjectName(QLatin1String(objectName));
    text->setAccessibleName(accessibleName);
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setTabChangesFocus(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return text;
}
