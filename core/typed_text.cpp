#include "core/typed_text.h"

namespace web {

namespace {

// The length of the first character at `at` that the kind of page refuses,
// searching from `at`; -1 when there is none.
qsizetype firstRefused(const QString& text, qsizetype at, PageKind kind) {
    const qsizetype size = text.size();
    for (; at < size; ++at) {
        const char16_t u = text.at(at).unicode();
        if (QChar::isHighSurrogate(u) && at + 1 < size &&
            QChar::isLowSurrogate(text.at(at + 1).unicode())) {
            ++at;
            continue;
        }
        if (QChar::isSurrogate(u) || (kind == PageKind::Modern && isStrayControl(u)))
            return at;
    }
    return -1;
}

} // namespace

bool isStrayControl(char16_t u) {
    return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0x7F;
}

QString validText(const QString& text, PageKind kind) {
    QString valid = text;
    makeValid(kind, valid);
    return valid;
}

void makeValid(PageKind kind, QString& text) {
    for (qsizetype at = firstRefused(text, 0, kind); at >= 0; at = firstRefused(text, at + 1, kind))
        text[at] = QChar::ReplacementCharacter;
}

void makeValid(PageKind kind, QStringList& texts) {
    for (qsizetype i = 0; i < texts.size(); ++i)
        if (firstRefused(texts.at(i), 0, kind) >= 0)
            makeValid(kind, texts[i]);
}

} // namespace web
