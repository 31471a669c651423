#include "widgets/single_line_fields.h"

#include "core/text_file.h"
#include "widgets/desktop.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QValidator>
#include <limits>

namespace {

// Qt's default maximum length, which cuts longer text without a word.
constexpr int QtDefaultMaxLength = 32767;

// Runs on every change before it is taken: drops line breaks, refuses text
// beyond the limit (the field then keeps what it held).
class SingleLineValidator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
        if (input.contains(lineBreaks)) {
            position -= int(input.left(position).count(lineBreaks));
            input.remove(lineBreaks);
        }
        if (input.size() > MaxLineLength) {
            refusedLength = input.size();
            return Invalid;
        }
        return Acceptable;
    }

    mutable qsizetype refusedLength = 0;
};

} // namespace

void keepSingleLine(QLineEdit* field) {
    if (field->validator())
        return;
    auto* validator = new SingleLineValidator(field);
    field->setValidator(validator);
    if (field->maxLength() == QtDefaultMaxLength)
        field->setMaxLength(std::numeric_limits<int>::max());
    QObject::connect(field, &QLineEdit::inputRejected, validator, [validator] {
        const qsizetype length = validator->refusedLength;
        if (length == 0)
            return;
        validator->refusedLength = 0;
        // After the key or paste has been handled, not inside the field's
        // own editing.
        QMetaObject::invokeMethod(
            validator,
            [length] {
                desktop().notice(
                    NoticeKind::Warning,
                    QStringLiteral(
                        "The text is too long for this field (%1 characters; at most %2).")
                        .arg(length)
                        .arg(MaxLineLength));
            },
            Qt::QueuedConnection);
    });
}

void keepFieldsSingleLine(QWidget* window) {
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        keepSingleLine(field);
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

#include "single_line_fields.moc"
