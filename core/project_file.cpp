#include "core/project_file.h"

#include "core/field_json.h"
#include "core/page_text.h"
#include "core/text_file.h"
#include "makers/dropdown/dropdown_fields.h"
#include "makers/mouseover/mouseover_fields.h"
#include "makers/mouseover/mouseover_modern_page.h"
#include "makers/popup/popup_fields.h"
#include "makers/slideshow/slideshow_fields.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {

// Keys of the file.
const QString FormatKey = QStringLiteral("format");
const QString VersionKey = QStringLiteral("version");
const QString OutputKey = QStringLiteral("output");
const QString DropdownKey = QStringLiteral("dropdown");
const QString PopupKey = QStringLiteral("popup");
const QString MouseOverKey = QStringLiteral("mouseOver");
const QString SlideshowKey = QStringLiteral("slideshow");
const QString CodeKey = QStringLiteral("code");
const QString DocumentKey = QStringLiteral("document");
const QString HeadKey = QStringLiteral("headCode");
const QString ScriptKey = QStringLiteral("scriptCode");
const QString BodyKey = QStringLiteral("bodyCode");
const QString ButtonsKey = QStringLiteral("buttonsAdded");
const QString PreloadsKey = QStringLiteral("preloadsWritten");
const QString Classic = QStringLiteral("classic");
const QString Modern = QStringLiteral("modern");

// Counters beyond this could not have been reached by adding buttons, and
// stay exact as JSON numbers.
constexpr qint64 LargestCounter = qint64(1) << 40;

// A pane's text: any text whose lines a pane can show.
std::optional<QString> paneFromJson(const QJsonValue& value, const QString& where,
                                    QString* problem) {
    if (!value.isString()) {
        *problem = QCoreApplication::translate("ProjectFile", "\"%1\" should be text").arg(where);
        return {};
    }
    QString text = value.toString();
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text.at(i) != QLatin1Char('\n') && text.at(i) != QLatin1Char('\r'))
            continue;
        if (i - lineStart > MaxLineLength) {
            *problem = QCoreApplication::translate("ProjectFile",
                                                   "\"%1\" has a line longer than %2 characters")
                           .arg(where)
                           .arg(MaxLineLength);
            return {};
        }
        lineStart = i + 1;
    }
    return text;
}

std::optional<bool> kindFromJson(const QJsonValue& value, const QString& where, QString* problem) {
    if (value.isString() && (value.toString() == Classic || value.toString() == Modern))
        return value.toString() == Modern;
    *problem =
        QCoreApplication::translate("ProjectFile", "\"%1\" should be \"classic\" or \"modern\"")
            .arg(where);
    return {};
}

std::optional<qint64> counterFromJson(const QJsonValue& value, const QString& where,
                                      QString* problem) {
    const double number = value.toDouble(-1);
    if (!value.isDouble() || !(number >= 0 && number <= double(LargestCounter)) ||
        number != double(qint64(number))) {
        *problem = QCoreApplication::translate("ProjectFile",
                                               "\"%1\" should be a whole number from 0 to %2")
                       .arg(where)
                       .arg(LargestCounter);
        return {};
    }
    return qint64(number);
}

// A tool's section: an object, or absent (the tool keeps its defaults).
std::optional<QJsonObject> section(const QJsonObject& top, const QString& key, QString* problem) {
    const QJsonValue value = top.value(key);
    if (value.isUndefined())
        return QJsonObject();
    if (!value.isObject()) {
        *problem =
            QCoreApplication::translate("ProjectFile", "\"%1\" should be an object").arg(key);
        return {};
    }
    return value.toObject();
}

// The settings and the one code pane of the dropdown, popup and slideshow.
template <class Tool, class S>
bool readTool(const QJsonObject& top, const QString& key, const FieldTable<S>& table,
              const QString& folder, Tool& tool, QString* problem) {
    const auto object = section(top, key, problem);
    if (!object || !fieldsFromJson(table, *object, folder, key, tool.settings, problem))
        return false;
    if (object->contains(CodeKey)) {
        const auto code =
            paneFromJson(object->value(CodeKey), key + QLatin1String(".code"), problem);
        if (!code)
            return false;
        tool.code = *code;
    }
    return true;
}

template <class Tool, class S>
void writeTool(QJsonObject& top, const QString& key, const FieldTable<S>& table,
               const QString& folder, const Tool& tool, JsonLists* lists) {
    QJsonObject object = top.value(key).toObject();
    fieldsToJson(table, tool.settings, folder, object, lists);
    object.insert(CodeKey, tool.code);
    top.insert(key, object);
}

bool readMouseOver(const QJsonObject& top, const QString& folder, MouseOverProject& tool,
                   QString* problem) {
    const auto object = section(top, MouseOverKey, problem);
    if (!object || !fieldsFromJson(mouseover::fields::table(), *object, folder, MouseOverKey,
                                   tool.settings, problem))
        return false;
    const auto where = [](const QString& key) { return MouseOverKey + QLatin1Char('.') + key; };
    if (object->contains(DocumentKey)) {
        const auto modern = kindFromJson(object->value(DocumentKey), where(DocumentKey), problem);
        if (!modern)
            return false;
        const MouseOverSettings settings = tool.settings;
        tool = MouseOverProject::fresh(*modern);
        tool.settings = settings;
    }
    for (const auto& [key, pane] :
         {std::pair{HeadKey, &tool.head}, {ScriptKey, &tool.script}, {BodyKey, &tool.body}}) {
        if (!object->contains(key))
            continue;
        const auto text = paneFromJson(object->value(key), where(key), problem);
        if (!text)
            return false;
        *pane = *text;
    }
    for (const auto& [key, counter] : {std::pair{ButtonsKey, &tool.counters.buttons},
                                       std::pair{PreloadsKey, &tool.counters.preloads}}) {
        if (!object->contains(key))
            continue;
        const auto number = counterFromJson(object->value(key), where(key), problem);
        if (!number)
            return false;
        *counter = *number;
    }
    return true;
}

void writeMouseOver(QJsonObject& top, const QString& folder, const MouseOverProject& tool,
                    JsonLists* lists) {
    QJsonObject object = top.value(MouseOverKey).toObject();
    fieldsToJson(mouseover::fields::table(), tool.settings, folder, object, lists);
    object.insert(DocumentKey, tool.modern ? Modern : Classic);
    object.insert(HeadKey, tool.head);
    object.insert(ScriptKey, tool.script);
    object.insert(BodyKey, tool.body);
    object.insert(ButtonsKey, double(tool.counters.buttons));
    object.insert(PreloadsKey, double(tool.counters.preloads));
    top.insert(MouseOverKey, object);
}

QString parseErrorText(const QJsonParseError& error) {
    switch (error.error) {
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::UnterminatedString:
        return QCoreApplication::translate("ProjectFile",
                                           "the file ends too early (cut short?) at byte %1")
            .arg(error.offset);
    case QJsonParseError::IllegalUTF8String:
        return QCoreApplication::translate("ProjectFile", "it is not valid UTF-8 text (byte %1)")
            .arg(error.offset);
    case QJsonParseError::DeepNesting:
        return QCoreApplication::translate("ProjectFile", "it is nested too deeply");
    default:
        break;
    }
    return QCoreApplication::translate("ProjectFile", "it is not valid JSON (%1 at byte %2)")
        .arg(error.errorString())
        .arg(error.offset);
}

} // namespace

MouseOverProject MouseOverProject::fresh(bool modern) {
    MouseOverProject tool;
    tool.modern = modern;
    const MouseOverDocument document{modern};
    tool.head = pageText(document.headLines());
    tool.script = pageText(document.scriptLines());
    return tool;
}

std::optional<Project> parseProject(const QByteArray& bytes, const QString& folder,
                                    QString* problem) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        *problem = parseErrorText(error);
        return {};
    }
    if (!document.isObject()) {
        *problem = QCoreApplication::translate("ProjectFile", "it is not a Quillmint project");
        return {};
    }
    const QJsonObject top = document.object();
    if (top.value(FormatKey).toString() != QLatin1String(ProjectFormat)) {
        *problem = QCoreApplication::translate(
                       "ProjectFile", "it is not a Quillmint project (no \"format\": \"%1\")")
                       .arg(QLatin1String(ProjectFormat));
        return {};
    }
    const QJsonValue version = top.value(VersionKey);
    if (!version.isDouble() || version.toDouble() != ProjectVersion) {
        *problem =
            version.isDouble() && version.toDouble() > ProjectVersion
                ? QCoreApplication::translate("ProjectFile",
                                              "it was written by a newer Quillmint (format version "
                                              "%1; this one reads version %2)")
                      .arg(version.toDouble())
                      .arg(ProjectVersion)
                : QCoreApplication::translate("ProjectFile",
                                              "its format version is unknown (this Quillmint reads "
                                              "version %1)")
                      .arg(ProjectVersion);
        return {};
    }
    Project project;
    project.kept = top;
    if (top.contains(OutputKey)) {
        const auto modern = kindFromJson(top.value(OutputKey), OutputKey, problem);
        if (!modern)
            return {};
        project.modern = *modern;
    }
    if (!readTool(top, DropdownKey, dropdown::fields::table(), folder, project.dropdown, problem) ||
        !readTool(top, PopupKey, popup::fields::table(), folder, project.popup, problem) ||
        !readMouseOver(top, folder, project.mouseOver, problem) ||
        !readTool(top, SlideshowKey, slideshow::fields::table(), folder, project.slideshow,
                  problem))
        return {};
    return project;
}

std::optional<Project> readProject(const QString& path, QString* problem) {
    const QFileInfo info(path);
    QFile file(path);
    // Only a regular file: a FIFO or device would never end.
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = openProblem(path);
        *problem = cannotOpenMessage(path, reason.isEmpty() ? file.errorString() : reason);
        return {};
    }
    if (info.size() > MaxReadableTextFile) {
        *problem = QCoreApplication::translate(
                       "Files", "The project %1 cannot be opened: it is larger than %2 MB.")
                       .arg(path)
                       .arg(MaxReadableTextFile / (1024 * 1024));
        return {};
    }
    const QByteArray bytes = file.read(MaxReadableTextFile + 1);
    if (file.error() != QFileDevice::NoError) {
        *problem = QCoreApplication::translate("Files", "Cannot read file %1: %2")
                       .arg(path, file.errorString());
        return {};
    }
    QString reason;
    auto project = parseProject(bytes, info.absolutePath(), &reason);
    if (!project)
        *problem = QCoreApplication::translate("Files", "The project %1 cannot be opened: %2.")
                       .arg(path, reason);
    return project;
}

QByteArray projectBytes(const Project& project, const QString& folder) {
    const auto document = [&](JsonLists* lists) {
        QJsonObject top = project.kept;
        top.insert(FormatKey, QLatin1String(ProjectFormat));
        top.insert(VersionKey, ProjectVersion);
        top.insert(OutputKey, project.modern ? Modern : Classic);
        writeTool(top, DropdownKey, dropdown::fields::table(), folder, project.dropdown, lists);
        writeTool(top, PopupKey, popup::fields::table(), folder, project.popup, lists);
        writeMouseOver(top, folder, project.mouseOver, lists);
        writeTool(top, SlideshowKey, slideshow::fields::table(), folder, project.slideshow, lists);
        return top;
    };
    JsonLists lists;
    if (auto json = lists.indentedJson(document(&lists)))
        return *json;
    // A text of the project holds a stand-in's text.
    return QJsonDocument(document(nullptr)).toJson(QJsonDocument::Indented);
}

bool writeProject(const Project& project, const QString& path, QString* error) {
    return writeFileAtomically(path, projectBytes(project, QFileInfo(path).absolutePath()), error);
}
