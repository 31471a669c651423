#include "widgets/spin_edit.h"

SpinEdit::SpinEdit(const QString& name, int minimum, int maximum, int value, QWidget* parent)
    : QSpinBox(parent) {
    setObjectName(name);
    setRange(minimum, maximum);
    setValue(value);
    setKeyboardTracking(false);
}

QString SpinEdit::committedText() {
    interpretText();
    if (text().isEmpty())
        setValue(value());
    return text();
}
