#include "core/plugin_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

QStringList pluginCandidates(const QString& fileName, const QString& installedFromBin,
                             const QString& override) {
    if (!override.isEmpty())
        return {override};
    const QDir executable(QCoreApplication::applicationDirPath());
    return {executable.filePath(fileName), QDir::cleanPath(executable.filePath(installedFromBin))};
}

QFunctionPointer resolvePluginSymbol(const QStringList& candidates, const char* symbol,
                                     QString* reasons) {
    QStringList problems;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) {
            problems << QStringLiteral("%1: not found").arg(path);
            continue;
        }
        // Never unloaded: what it made may live until the program ends.
        QLibrary library(path);
        if (const QFunctionPointer function = library.resolve(symbol))
            return function;
        problems << library.errorString();
    }
    *reasons = problems.join(QStringLiteral("; "));
    return nullptr;
}
