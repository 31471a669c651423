#include "core/field_json.h"

#include "core/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

QStringList numberTexts(int first, int last) {
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

QStringList borderStyles() {
    QStringList styles;
    for (const char* style : BorderStyleNames)
        styles << QLatin1String(style);
    return styles;
}

namespace {

// What a one-line control refuses: a line break, or more than it takes.
QString lineProblem(const QString& text, const QString& where) {
    if (text.size() > MaxLineLength)
        return QCoreApplication::translate("ProjectFile", "\"%1\" is longer than %2 characters")
            .arg(where)
            .arg(MaxLineLength);
    if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
        return QCoreApplication::translate("ProjectFile",
                                           "\"%1\" holds a line break where one line belongs")
            .arg(where);
    return {};
}

QString typeName(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QCoreApplication::translate("ProjectFile", "true or false");
    case QJsonValue::Double:
        return QCoreApplication::translate("ProjectFile", "a number");
    case QJsonValue::String:
        return QCoreApplication::translate("ProjectFile", "text");
    case QJsonValue::Array:
        return QCoreApplication::translate("ProjectFile", "a list");
    case QJsonValue::Object:
        return QCoreApplication::translate("ProjectFile", "an object");
    case QJsonValue::Undefined:
        break;
    }
    return QCoreApplication::translate("ProjectFile", "nothing");
}

QString wrongType(const QJsonValue& value, const QString& where, const char* expected) {
    return QCoreApplication::translate("ProjectFile", "\"%1\" should be %2 but is %3")
        .arg(where, QCoreApplication::translate("ProjectFile", expected), typeName(value));
}

} // namespace

std::optional<QString> lineFromJson(const QJsonValue& value, const QString& where,
                                    QString* problem) {
    if (!value.isString()) {
        *problem = wrongType(value, where, QT_TRANSLATE_NOOP("ProjectFile", "text"));
        return {};
    }
    QString text = value.toString();
    *problem = lineProblem(text, where);
    if (!problem->isEmpty())
        return {};
    return text;
}

std::optional<QStringList> linesFromJson(const QJsonValue& value, const QString& where,
                                         QString* problem) {
    if (!value.isArray()) {
        *problem = wrongType(value, where, QT_TRANSLATE_NOOP("ProjectFile", "a list of texts"));
        return {};
    }
    const QJsonArray array = value.toArray();
    QStringList lines;
    lines.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonValue item = array.at(i);
        if (item.isString()) {
            QString text = item.toString();
            if (lineProblem(text, {}).isEmpty()) {
                lines.append(std::move(text));
                continue;
            }
        }
        // Only a bad line pays for naming its place: a list may be 100,000 long.
        lineFromJson(item, QStringLiteral("%1[%2]").arg(where).arg(i), problem);
        return {};
    }
    return lines;
}

std::optional<int> numberFromJson(const QJsonValue& value, int minimum, int maximum,
                                  const QString& where, QString* problem) {
    if (!value.isDouble()) {
        *problem = wrongType(value, where, QT_TRANSLATE_NOOP("ProjectFile", "a whole number"));
        return {};
    }
    const double number = value.toDouble();
    if (!(number >= minimum && number <= maximum)) {
        *problem = QCoreApplication::translate("ProjectFile", "\"%1\" is %2, outside %3 to %4")
                       .arg(where, QString::number(number))
                       .arg(minimum)
                       .arg(maximum);
        return {};
    }
    if (number != static_cast<int>(number)) {
        *problem = QCoreApplication::translate("ProjectFile", "\"%1\" is %2, not a whole number")
                       .arg(where, QString::number(number));
        return {};
    }
    return static_cast<int>(number);
}

std::optional<bool> flagFromJson(const QJsonValue& value, const QString& where, QString* problem) {
    if (!value.isBool()) {
        *problem = wrongType(value, where, QT_TRANSLATE_NOOP("ProjectFile", "true or false"));
        return {};
    }
    return value.toBool();
}

bool isHtmlColour(const QString& text) {
    if (text.size() != 7 || text.front() != QLatin1Char('#'))
        return false;
    return std::all_of(text.cbegin() + 1, text.cend(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    });
}

std::optional<QString> relativeBelow(const QString& folder, const QString& path) {
    if (folder.isEmpty() || path.isEmpty() || !QFileInfo(path).isAbsolute())
        return {};
    const QString relative = QDir(folder).relativeFilePath(QDir::cleanPath(path));
    if (relative.startsWith(QLatin1String("../")) || relative == QLatin1String("..") ||
        QFileInfo(relative).isAbsolute())
        return {};
    return relative;
}

QString resolvedPath(const QString& typed, const QString& relative, const QString& folder) {
    if (relative.isEmpty() || folder.isEmpty() || QFileInfo::exists(typed) ||
        !lineProblem(relative, {}).isEmpty())
        return typed;
    const QString moved = QDir(folder).filePath(relative);
    return QFileInfo::exists(moved) ? QDir::cleanPath(moved) : typed;
}
