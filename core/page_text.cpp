#include "core/page_text.h"

QString pageText(const QStringList& lines, LastLine last) {
    QString text = lines.join(QLatin1Char('\n'));
    if (last == LastLine::Ended)
        text += QLatin1Char('\n');
    return text;
}
