#pragma once

#include "core/field_table.h"
#include "core/json_lists.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <optional>

// Settings in a project file: one key per field of a tab's table, named for
// its meaning. Paths are kept as typed, and beside them ("<key>Relative")
// relative to the project's folder when they lie below it, so a project
// folder can be moved with its files.

// The checks every value passes on its way in; each gives nothing and sets
// `problem` (naming `where`) when the value does not fit its control.
std::optional<QString> lineFromJson(const QJsonValue& value, const QString& where,
                                    QString* problem);
std::optional<QStringList> linesFromJson(const QJsonValue& value, const QString& where,
                                         QString* problem);
std::optional<int> numberFromJson(const QJsonValue& value, int minimum, int maximum,
                                  const QString& where, QString* problem);
std::optional<bool> flagFromJson(const QJsonValue& value, const QString& where, QString* problem);
bool isHtmlColour(const QString& text);

// `path` relative to `folder` when it lies below it, else nothing.
std::optional<QString> relativeBelow(const QString& folder, const QString& path);
// The path as typed, unless it is gone and the stored relative one exists
// below `folder` (the project was moved with its files).
QString resolvedPath(const QString& typed, const QString& relative, const QString& folder);

// Writes every field of `settings` into `object`, keeping its other keys;
// lists go to `lists` when given.
template <class S>
void fieldsToJson(const FieldTable<S>& table, const S& settings, const QString& folder,
                  QJsonObject& object, JsonLists* lists = nullptr) {
    for (const Field<S>& field : table) {
        const QString key = QLatin1String(field.key);
        const QString relativeKey = key + QLatin1String("Relative");
        object.remove(relativeKey);
        if (const auto* text = std::get_if<QString S::*>(&field.member)) {
            const QString& value = settings.*(*text);
            if (field.kind == FieldKind::Number)
                object.insert(key, value.toInt());
            else
                object.insert(key, value);
            if (field.kind == FieldKind::Path)
                if (const auto relative = relativeBelow(folder, value))
                    object.insert(relativeKey, *relative);
        } else if (const auto* flag = std::get_if<bool S::*>(&field.member)) {
            object.insert(key, settings.*(*flag));
        } else if (const auto* list = std::get_if<QStringList S::*>(&field.member)) {
            const QStringList& entries = settings.*(*list);
            object.insert(key,
                          lists ? lists->standIn(entries) : QJsonArray::fromStringList(entries));
            if (field.kind == FieldKind::PathList) {
                QJsonArray relatives;
                bool any = false;
                for (const QString& entry : entries) {
                    const auto relative = relativeBelow(folder, entry);
                    any = any || relative;
                    relatives.append(relative ? QJsonValue(*relative) : QJsonValue());
                }
                if (any)
                    object.insert(relativeKey, relatives);
            }
        } else {
            const auto& index = std::get<typename Field<S>::Index>(field.member);
            object.insert(key, field.choices.value(index.get(settings)));
        }
    }
}

// Reads the fields of `object` into `settings`; a missing key keeps the
// default. False, with `problem` naming the key and what is wrong, when a
// value does not fit its control.
template <class S>
bool fieldsFromJson(const FieldTable<S>& table, const QJsonObject& object, const QString& folder,
                    const QString& section, S& settings, QString* problem) {
    for (const Field<S>& field : table) {
        const QString key = QLatin1String(field.key);
        if (!object.contains(key))
            continue;
        const QJsonValue value = object.value(key);
        const QJsonValue relative = object.value(key + QLatin1String("Relative"));
        const QString where = section + QLatin1Char('.') + key;
        if (const auto* text = std::get_if<QString S::*>(&field.member)) {
            QString read;
            if (field.kind == FieldKind::Number) {
                const auto number =
                    numberFromJson(value, field.minimum, field.maximum, where, problem);
                if (!number)
                    return false;
                read = QString::number(*number);
            } else {
                const auto line = lineFromJson(value, where, problem);
                if (!line)
                    return false;
                read = *line;
                if ((field.kind == FieldKind::Choice || field.kind == FieldKind::Radio) &&
                    !field.choices.contains(read)) {
                    *problem =
                        QCoreApplication::translate(
                            "ProjectFile", "\"%1\" is \"%2\", which is not one of its choices")
                            .arg(where, read.left(40));
                    return false;
                }
                if (field.kind == FieldKind::Colour && !isHtmlColour(read)) {
                    *problem = QCoreApplication::translate(
                                   "ProjectFile", "\"%1\" is \"%2\", not a colour written #RRGGBB")
                                   .arg(where, read.left(40));
                    return false;
                }
                if (field.kind == FieldKind::Path)
                    read = resolvedPath(read, relative.toString(), folder);
            }
            settings.*(*text) = read;
        } else if (const auto* flag = std::get_if<bool S::*>(&field.member)) {
            const auto read = flagFromJson(value, where, problem);
            if (!read)
                return false;
            settings.*(*flag) = *read;
        } else if (const auto* list = std::get_if<QStringList S::*>(&field.member)) {
            auto read = linesFromJson(value, where, problem);
            if (!read)
                return false;
            if (field.kind == FieldKind::PathList && relative.isArray()) {
                const QJsonArray relatives = relative.toArray();
                for (qsizetype i = 0; i < read->size() && i < relatives.size(); ++i)
                    (*read)[i] = resolvedPath(read->at(i), relatives.at(i).toString(), folder);
            }
            settings.*(*list) = std::move(*read);
        } else {
            const auto line = lineFromJson(value, where, problem);
            if (!line)
                return false;
            const int position = field.choices.indexOf(*line);
            if (position < 0) {
                *problem = QCoreApplication::translate(
                               "ProjectFile", "\"%1\" is \"%2\", which is not one of its choices")
                               .arg(where, line->left(40));
                return false;
            }
            std::get<typename Field<S>::Index>(field.member).set(settings, position);
        }
    }
    return true;
}
