#include "widgets/remembered_choice.h"

#include "core/text_file.h"
#include "widgets/desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

bool rememberedChoiceIs(const QString& file, const QString& word) {
    QString ignored;
    const std::optional<QString> stored =
        QFileInfo(file).isFile() ? readTextFile(file, &ignored) : std::nullopt;
    return stored && stored->trimmed() == word;
}

void rememberChoice(const QString& file, const QString& word) {
    QString error;
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        error = cannotCreateMessage(file);
    else
        replaceFileAtomically(file, paneFileBytes(word), &error);
    if (!error.isEmpty())
        desktop().notice(NoticeKind::Error, error);
}

QString choiceFileNamed(const QString& name) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quillmint/") + name;
}
