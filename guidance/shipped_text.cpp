#include "guidance/shipped_text.h"

#include "core/text_file.h"

#include <QDir>
#include <QStringList>

std::optional<QString> readShippedText(const QString& shippedData, const QString& relativeName,
                                       QString* error) {
    const std::optional<QString> text =
        readTextFile(QDir(shippedData).filePath(relativeName), error);
    if (!text)
        return std::nullopt;
    return shortenedForDisplay(splitLines(*text)).join(QLatin1Char('\n'));
}
