#include "widgets/plugin_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <memory>
#include <vector>

QStringList pluginPlaces(const QString& overridePath, const QString& fileName,
                         const QString& installedPath) {
    if (!overridePath.isEmpty())
        return {overridePath};
    const QDir executable(QCoreApplication::applicationDirPath());
    return {executable.filePath(fileName), QDir::cleanPath(executable.filePath(installedPath))};
}

QFunctionPointer resolvePluginSymbol(const QString& overridePath, const QString& fileName,
                                     const QString& installedPath, const char* symbol,
                                     QString* reasons) {
    // Never unloaded: what the plugins made lives until the program ends.
    static std::vector<std::unique_ptr<QLibrary>> loaded;
    QStringList problems;
    for (const QString& path : pluginPlaces(overridePath, fileName, installedPath)) {
        if (!QFileInfo::exists(path)) {
            problems << QStringLiteral("%1: not found").arg(path);
            continue;
        }
        auto library = std::make_unique<QLibrary>(path);
        if (const QFunctionPointer function = library->resolve(symbol)) {
            loaded.push_back(std::move(library));
            return function;
        }
        problems << library->errorString();
    }
    *reasons = problems.join(QStringLiteral("; "));
    return nullptr;
}
