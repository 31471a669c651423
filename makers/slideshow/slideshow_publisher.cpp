#include "makers/slideshow/slideshow_publisher.h"

#include "core/text_file.h"
#include "makers/slideshow/slideshow_page.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What one in-kernel copy call moves: large, since each call has its own
// setting-up cost, and small enough for the progress to move smoothly.
constexpr qint64 KernelCopyChunk = 8 * 1024 * 1024;

// A file as the system knows it, whatever path leads to it.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};

size_t qHash(const FileIdentity& identity, size_t seed = 0) {
    return qHashMulti(seed, identity.device, identity.inode);
}

std::optional<FileIdentity> identityOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

// The errors by which copy_file_range says it cannot copy between these two files.
bool kernelCopyUnavailable(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP ||
           error == EBADF;
}

QString unreadableSource(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return cannotOpenMessage(path) + QStringLiteral(": File not found");
    return cannotOpenMessage(path) + QStringLiteral(": Not a regular file");
}

} // namespace

SlideshowPublisher::SlideshowPublisher(QString page, QByteArray bytes, QStringList files)
    : pagePath(std::move(page)), pageBytes(std::move(bytes)), sources(std::move(files)) {}

bool SlideshowPublisher::checkSources() {
    const QString pageName = QFileInfo(pagePath).fileName();
    for (const QString& source : sources) {
        const QFileInfo info(source);
        // Only regular files: a FIFO would hang the copy, a folder cannot be one.
        if (!info.isFile()) {
            failure = unreadableSource(source);
            return false;
        }
        if (bareFileName(source) == pageName) {
            failure = QStringLiteral("The page %1 would replace the slideshow file %2. Please "
                                     "publish the page under another name.")
                          .arg(pagePath, source);
            return false;
        }
        total += info.size();
    }
    return true;
}

SlideshowPublisher::Outcome SlideshowPublisher::run(const Progress& progress) {
    failure.clear();
    total = 0;
    done = 0;
    // Every source is checked before anything is copied, so a vanished file
    // stops the publication before it touched the target folder.
    if (!checkSources())
        return Outcome::Failed;

    QSet<FileIdentity> used;
    for (const QString& source : sources)
        if (const auto identity = identityOf(source))
            used.insert(*identity);

    const QString folder = QFileInfo(pagePath).absolutePath();
    QHash<QString, std::optional<FileIdentity>> copied; // target -> the file copied there
    QByteArray block(BlockSize, Qt::Uninitialized);
    for (const QString& source : sources) {
        const QString target = folder + QLatin1Char('/') + bareFileName(source);
        const auto identity = identityOf(source);
        // A file already in the folder under that name is one the slideshow
        // itself uses (possibly the source itself): copying over it would
        // destroy it, so it stays as it is. A list entry repeated needs no
        // second copy.
        const auto existing = identityOf(target);
        const bool inPlace = existing && used.contains(*existing);
        const bool repeated = copied.contains(target) && copied.value(target) == identity;
        if (inPlace || repeated) {
            done += QFileInfo(source).size();
            if (progress && !progress(done, total))
                return Outcome::Cancelled;
            continue;
        }
        const Outcome outcome = copy(source, target, block, progress);
        if (outcome != Outcome::Complete)
            return outcome;
        copied.insert(target, identity);
    }
    if (!writeFileAtomically(pagePath, pageBytes, &failure))
        return Outcome::Failed;
    return Outcome::Complete;
}

SlideshowPublisher::Outcome SlideshowPublisher::copy(const QString& source, const QString& target,
                                                     QByteArray& block, const Progress& progress) {
    if (!QFileInfo(source).isFile()) {
        failure = unreadableSource(source);
        return Outcome::Failed;
    }
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        failure = cannotOpenMessage(source) + QStringLiteral(": ") + input.errorString();
        return Outcome::Failed;
    }
    // Written aside in the target's folder and renamed over the target only
    // when every byte is in; until then the temporary file removes itself.
    // Like cp, the copy is left to the system to flush: waiting for the disk
    // after every file would make publishing several times slower.
    const QFileInfo targetInfo(target);
    QTemporaryFile output(targetInfo.path() + QStringLiteral("/.") + targetInfo.fileName() +
                          QStringLiteral(".XXXXXX"));
    if (!output.open()) {
        failure = cannotCreateMessage(target) + QStringLiteral(": ") + output.errorString();
        return Outcome::Failed;
    }
    // The kernel copies without the bytes passing through this process where
    // the file systems allow it; otherwise they stream through the block.
    bool inKernel = true;
    qint64 copied = 0;
    for (;;) {
        qint64 got = 0;
        if (inKernel) {
            got = ::copy_file_range(input.handle(), nullptr, output.handle(), nullptr,
                                    size_t(KernelCopyChunk), 0);
            if (got < 0 && copied == 0 && kernelCopyUnavailable(errno)) {
                inKernel = false;
                continue;
            }
            if (got < 0) {
                failure = QStringLiteral("Cannot write file %1: %2")
                              .arg(target, QString::fromLocal8Bit(std::strerror(errno)));
                return Outcome::Failed;
            }
        } else {
            got = input.read(block.data(), block.size());
            if (got < 0) {
                failure =
                    QStringLiteral("Cannot read file %1: %2").arg(source, input.errorString());
                return Outcome::Failed;
            }
            if (got > 0 && (!writeAll(output, QByteArray::fromRawData(block.constData(), got)) ||
                            !output.flush())) {
                failure =
                    QStringLiteral("Cannot write file %1: %2").arg(target, output.errorString());
                return Outcome::Failed;
            }
        }
        if (got == 0)
            break;
        copied += got;
        done += got;
        if (progress && !progress(done, total))
            return Outcome::Cancelled;
    }
    // The copy gets the source's permission bits, as from cp.
    struct stat status {};
    if (::fstat(input.handle(), &status) == 0)
        ::fchmod(output.handle(), status.st_mode & 0777);
    output.close();
    if (::rename(QFile::encodeName(output.fileName()).constData(),
                 QFile::encodeName(target).constData()) != 0) {
        failure = cannotCreateMessage(target) + QStringLiteral(": ") +
                  QString::fromLocal8Bit(std::strerror(errno));
        return Outcome::Failed;
    }
    output.setAutoRemove(false);
    return Outcome::Complete;
}
