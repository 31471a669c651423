#include "core/prefs_file.h"

#include "core/text_file.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor final {
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    Q_DISABLE_COPY_MOVE(Descriptor)
    const int fd;
};

// What keeps a path from being a file we can use, or nothing: a folder or a
// FIFO must be named as such, not by the error of a failed open.
std::optional<QString> kindProblem(const struct stat& status) {
    if (S_ISDIR(status.st_mode))
        return QCoreApplication::translate("Files", "it is a folder");
    if (!S_ISREG(status.st_mode))
        return QCoreApplication::translate("Files", "it is not a regular file");
    return std::nullopt;
}

// What went wrong: "Cannot read file <path>: <reason>", or written.
constexpr const char* ReadFailure = QT_TRANSLATE_NOOP("Files", "Cannot read file %1: %2");
constexpr const char* WriteFailure = QT_TRANSLATE_NOOP("Files", "Cannot write file %1: %2");

QString failure(const char* action, const QString& path, const QString& reason) {
    return QCoreApplication::translate("Files", action).arg(path, reason);
}

// The message for an open that failed with `openErrno`.
QString openFailure(const char* action, const QString& path, int openErrno) {
    if (openErrno == ENOENT)
        return QCoreApplication::translate("Files", "File not found: %1").arg(path);
    struct stat status = {};
    std::optional<QString> problem;
    if (::stat(QFile::encodeName(path).constData(), &status) == 0)
        problem = kindProblem(status);
    return failure(action, path, problem.value_or(errnoReason(openErrno)));
}

// Reads record 0 from an open descriptor of a regular file.
std::optional<TPrefsRecord> readRecord(int fd, const QString& path, QString* error) {
    char bytes[TPrefsRecord::Size];
    qsizetype got = 0;
    while (got < TPrefsRecord::Size) {
        const ssize_t n = ::pread(fd, bytes + got, size_t(TPrefsRecord::Size - got), got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = failure(ReadFailure, path, errnoReason(errno));
            return std::nullopt;
        }
        if (n == 0) {
            *error = QCoreApplication::translate("Files", "Read beyond end of file: %1").arg(path);
            return std::nullopt;
        }
        got += n;
    }
    TPrefsRecord record;
    std::copy(bytes, bytes + record.reserved.size(), record.reserved.begin());
    record.ShowTips = static_cast<quint8>(bytes[83]);
    return record;
}

// Checks that the open descriptor is a regular file.
bool isRegularFile(int fd, const QString& path, const char* action, QString* error) {
    struct stat status = {};
    if (::fstat(fd, &status) != 0) {
        *error = failure(action, path, errnoReason(errno));
        return false;
    }
    if (const std::optional<QString> problem = kindProblem(status)) {
        *error = failure(action, path, *problem);
        return false;
    }
    return true;
}

QByteArray recordBytes(const TPrefsRecord& record) {
    QByteArray bytes(record.reserved.data(), qsizetype(record.reserved.size()));
    bytes.append(char(record.ShowTips));
    return bytes;
}

} // namespace

std::optional<TPrefsRecord> readPrefs(const QString& path, QString* error) {
    // Read-only: a prefs.cfg the user may read but not write still counts.
    // Non-blocking, so that a FIFO in its place cannot hang the start.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0) {
        *error = openFailure(ReadFailure, path, errno);
        return std::nullopt;
    }
    if (!isRegularFile(file.fd, path, ReadFailure, error))
        return std::nullopt;
    return readRecord(file.fd, path, error);
}

bool storeShowTipsValue(const QString& path, quint8 value, QString* error) {
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0 && errno == ELOOP) {
        // A symbolic link where prefs.cfg belongs (settings kept in another
        // folder): its target gets the new record, written beside it and
        // renamed into place, so the link stays and nothing is half written.
        std::optional<TPrefsRecord> record = readPrefs(path, error);
        if (!record)
            return false;
        record->ShowTips = value;
        return writeFileAtomically(path, recordBytes(*record), error);
    }
    if (file.fd < 0) {
        *error = openFailure(WriteFailure, path, errno);
        return false;
    }
    if (!isRegularFile(file.fd, path, WriteFailure, error))
        return false;
    if (!readRecord(file.fd, path, error))
        return false;
    // In place: only byte 83 changes, then the file is cut to one record, so
    // no failure can leave it empty.
    const char byte = static_cast<char>(value);
    if (::pwrite(file.fd, &byte, 1, 83) != 1 || ::ftruncate(file.fd, TPrefsRecord::Size) != 0) {
        *error = failure(WriteFailure, path, errnoReason(errno));
        return false;
    }
    return true;
}
