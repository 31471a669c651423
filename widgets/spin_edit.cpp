#include "widgets/spin_edit.h"

SpinEdit::SpinEdit(const QString& name, int minimum, int maximum, int value, QWidget* parent)
    : QSpinBox(parent) {
    setObjectName(name);
    setRange(minimum, maximum);
    setValue(value);
    setKeyboardTracking(false);
}

QString SpinEdit::shownText() const {
    QString typed = text();
    int position = 0;
    return validate(typed, position) == QValidator::Acceptable ? textFromValue(valueFromText(typed))
                                                               : textFromValue(value());
}

QString SpinEdit::committedText() {
    interpretText();
    if (text().isEmpty())
        setValue(value());
    return text();
}
