#pragma once

#include <QSpinBox>

// A spin edit with up/down buttons. The value is clamped to the range when
// the user leaves the field.
class SpinEdit final : public QSpinBox {
    Q_OBJECT
public:
    SpinEdit(const QString& objectName, int minimum, int maximum, int value,
             QWidget* parent = nullptr);

    // Commits what the user typed (as leaving the field would) and returns the
    // text the spin edit then shows, which is what the pages insert.
    QString committedText();
    // The text committedText() would return, with the field left as typed.
    QString shownText() const;
};
