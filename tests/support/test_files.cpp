#include "support/test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <csignal>
#include <functional>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#ifndef QUILLMINT_DATA_DIR
#error "QUILLMINT_DATA_DIR must name the source data folder"
#endif

ProgramFolder::ProgramFolder()
    : previous(QDir::currentPath()), previousConfig(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    const QDir source(QStringLiteral(QUILLMINT_DATA_DIR));
    QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = dir.filePath(source.relativeFilePath(from));
        QDir().mkpath(QFileInfo(to).path());
        QFile::copy(from, to);
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
    }
    QDir::setCurrent(dir.path());
}

ProgramFolder::~ProgramFolder() {
    QDir::setCurrent(previous);
    if (previousConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previousConfig);
}

QString ProgramFolder::file(const QString& relativeName) const {
    return dir.filePath(relativeName);
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

void withFileSizeLimit(qint64 bytes, const std::function<void()>& body) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = static_cast<rlim_t>(bytes);
    // A write past the limit raises SIGXFSZ; ignored, the write fails with EFBIG.
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    body();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
}

void withFilePermissionsEnforced(const std::function<void()>& body) {
    // Drops the overriding capabilities from the effective set of this thread
    // only, and takes them back afterwards (they stay permitted).
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2] = {};
    const bool dropped = syscall(SYS_capget, &header, saved) == 0 && [&] {
        __user_cap_data_struct reduced[2] = {saved[0], saved[1]};
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            reduced[capability / 32].effective &= ~(1u << (capability % 32));
        return syscall(SYS_capset, &header, reduced) == 0;
    }();
    body();
    if (dropped)
        syscall(SYS_capset, &header, saved);
}
