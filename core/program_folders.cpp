#include "core/program_folders.h"

#include "core/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#ifndef QUILLMINT_DATA_FROM_BIN
#error "QUILLMINT_DATA_FROM_BIN must give the shipped data folder relative to the executable's"
#endif

namespace {

constexpr char FolderName[] = "quillmint";

QString userFolder(QStandardPaths::StandardLocation location) {
    return QDir(QStandardPaths::writableLocation(location)).filePath(QLatin1String(FolderName));
}

// Empty when the folder exists or was made, else why not.
QString makeFolder(const QString& path) {
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(path).toStdString(), error);
    if (error)
        return QCoreApplication::translate("Files", "Cannot create folder %1: %2")
            .arg(path, QString::fromLocal8Bit(error.message()));
    if (!QFileInfo(path).isWritable())
        return QCoreApplication::translate("Files", "Cannot write in folder %1").arg(path);
    return {};
}

} // namespace

ProgramFolders ProgramFolders::portable(const QString& folder) {
    return {folder, folder, folder};
}

ProgramFolders ProgramFolders::forExecutable(const QString& executableFolder) {
    const QDir beside(executableFolder);
    // Decided by the marker and the folder's name alone, never by the data
    // files: a missing or damaged data file is reported when it is read and
    // moves nothing.
    const QFileInfo marker(beside.filePath(QLatin1String(PortableMarker)));
    const bool dataBeside =
        beside.dirName() != QLatin1String("bin") || marker.exists() || marker.isSymLink();
    if (dataBeside && QFileInfo(executableFolder).isWritable())
        return portable(executableFolder);
    ProgramFolders folders;
    folders.shippedData =
        dataBeside ? executableFolder
                   : QDir::cleanPath(beside.filePath(QStringLiteral(QUILLMINT_DATA_FROM_BIN)));
    folders.userConfig = userFolder(QStandardPaths::GenericConfigLocation);
    folders.userCache = userFolder(QStandardPaths::GenericCacheLocation);
    return folders;
}

QString ProgramFolders::startFolder() const {
    if (isPortable())
        return shippedData;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

QString ProgramFolders::shippedFile(const QString& relativeName) const {
    return QDir(shippedData).filePath(relativeName);
}

QString ProgramFolders::prefsPath() const {
    return QDir(userConfig).filePath(QStringLiteral("prefs.cfg"));
}

QString ProgramFolders::cacheFile(const QString& name) const {
    return QDir(userCache).filePath(name);
}

QString prepareUserState(ProgramFolders& folders) {
    if (folders.isPortable())
        return {};
    QStringList problems;
    QString problem = makeFolder(folders.userConfig);
    if (problem.isEmpty() && !QFileInfo::exists(folders.prefsPath())) {
        QFile shipped(folders.shippedFile(QStringLiteral("prefs.cfg")));
        if (shipped.open(QIODevice::ReadOnly))
            replaceFileAtomically(folders.prefsPath(), shipped.readAll(), &problem);
    }
    if (!problem.isEmpty()) {
        problems << problem
                 << QStringLiteral("Quillmint goes on with its shipped settings and cannot "
                                   "store changes to them.");
        folders.userConfig = folders.shippedData;
    }
    problem = makeFolder(folders.userCache);
    if (!problem.isEmpty())
        problems << problem;
    return problems.join(QLatin1Char('\n'));
}
