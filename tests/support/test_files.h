#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>

// A temporary ProgramDirectory holding copies of the shipped data files,
// made current for the lifetime of the object (the previous current
// directory comes back afterwards). The user's configuration folder is an
// empty "config" inside it meanwhile, so no choice the person running the
// tests made reaches them.
class ProgramFolder final {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    QString path() const { return dir.path(); }
    QString file(const QString& relativeName) const;

private:
    QTemporaryDir dir;
    QString previous;
    QByteArray previousConfig;
};

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// Runs `body` with the file size limit set to `bytes` (RLIMIT_FSIZE), which
// makes every larger write fail as on a full disk.
void withFileSizeLimit(qint64 bytes, const std::function<void()>& body);

// Runs `body` with the permission bits of files applying to this process
// even when it runs as root (which otherwise reads and writes any file), so
// that unreadable and read-only files are real in every test run.
void withFilePermissionsEnforced(const std::function<void()>& body);
