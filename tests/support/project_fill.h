#pragma once

#include "core/field_table.h"
#include "core/project_file.h"

#include <QDir>
#include <variant>

// Every setting of a field table changed from its default, to a value its
// control can hold: the last choice (or the first, when the last is the
// default), the far end of a number's range, flipped flags, and texts and
// paths of its own for each key (paths below `folder`).
template <class S> S filledSettings(const FieldTable<S>& table, const QString& folder) {
    S settings;
    const S defaults;
    for (const Field<S>& field : table) {
        const QString key = QLatin1String(field.key);
        const QString path = QDir(folder).filePath(QStringLiteral("pictures/%1 ü.png").arg(key));
        if (const auto* text = std::get_if<QString S::*>(&field.member)) {
            QString& value = settings.*(*text);
            const QString& start = defaults.*(*text);
            switch (field.kind) {
            case FieldKind::Number:
                value =
                    QString::number(start.toInt() == field.maximum ? field.minimum : field.maximum);
                break;
            case FieldKind::Choice:
            case FieldKind::Radio:
                value =
                    start == field.choices.last() ? field.choices.first() : field.choices.last();
                break;
            case FieldKind::Colour:
                value = QStringLiteral("#12AB0C");
                break;
            case FieldKind::Path:
                value = path;
                break;
            default:
                value = QStringLiteral("%1 \u00e9\u00a0<&>").arg(key);
            }
        } else if (const auto* flag = std::get_if<bool S::*>(&field.member)) {
            settings.*(*flag) = !(defaults.*(*flag));
        } else if (const auto* lines = std::get_if<QStringList S::*>(&field.member)) {
            settings.*(*lines) = field.kind == FieldKind::PathList
                                     ? QStringList{path + QLatin1Char('1'), path + QLatin1Char('2'),
                                                   QStringLiteral("/elsewhere/%1.gif").arg(key)}
                                     : QStringList{QStringLiteral("Home [index.html]"),
                                                   QStringLiteral("Caf\u00e9 [caf\u00e9.html]")};
        } else {
            const auto& index = std::get<typename Field<S>::Index>(field.member);
            index.set(settings, index.get(defaults) == field.choices.size() - 1
                                    ? 0
                                    : int(field.choices.size() - 1));
        }
    }
    return settings;
}

// A project whose every setting, pane and counter differs from a new one's.
Project filledProject(const QString& folder);
