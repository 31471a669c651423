#include "core/prefs_file.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString ioMessage(const QFile& file) {
    if (!QFileInfo::exists(file.fileName()))
        return QStringLiteral("File not found");
    return file.errorString();
}

// Opens prefs.cfg for reading and writing and reads its first record.
std::optional<TPrefsRecord> openAndRead(QFile& file, QString* error) {
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadWrite)) {
        *error = ioMessage(file);
        return std::nullopt;
    }
    char bytes[TPrefsRecord::Size];
    const qint64 got = file.read(bytes, TPrefsRecord::Size);
    if (got < 0) {
        *error = file.errorString();
        return std::nullopt;
    }
    if (got < TPrefsRecord::Size) {
        *error = QStringLiteral("Read beyond end of file");
        return std::nullopt;
    }
    TPrefsRecord record;
    std::copy(bytes, bytes + record.reserved.size(), record.reserved.begin());
    record.ShowTips = static_cast<quint8>(bytes[83]);
    return record;
}

} // namespace

std::optional<TPrefsRecord> readPrefs(const QString& path, QString* error) {
    QFile file(path);
    return openAndRead(file, error);
}

bool storeShowTipsValue(const QString& path, quint8 value, QString* error) {
    QFile file(path);
    if (!openAndRead(file, error))
        return false;
    const char byte = static_cast<char>(value);
    if (!file.seek(83) || file.write(&byte, 1) != 1 || !file.flush() ||
        !file.resize(TPrefsRecord::Size)) {
        *error = file.errorString();
        return false;
    }
    return true;
}
