#include "makers/slideshow/slideshow_publisher.h"

#include "core/text_file.h"
#include "makers/slideshow/slideshow_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// What one in-kernel copy call moves: large, since each call has its own
// setting-up cost, and small enough for Cancel to be heard within a moment
// on a slow medium.
constexpr qint64 KernelCopyChunk = 4 * 1024 * 1024;

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

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString unreadableSource(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return cannotOpenMessage(path, QCoreApplication::translate("Slideshow", "File not found"));
    return cannotOpenMessage(path, QCoreApplication::translate("Slideshow", "Not a regular file"));
}

// A descriptor closed when it goes out of scope.
class Descriptor final {
public:
    explicit Descriptor(int descriptor = -1) : fd(descriptor) {}
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    Q_DISABLE_COPY_MOVE(Descriptor)

    int get() const { return fd; }
    void reset(int descriptor) {
        if (fd >= 0)
            ::close(fd);
        fd = descriptor;
    }
    // Closes now; false when the system reports a late write error.
    bool close() { return ::close(std::exchange(fd, -1)) == 0; }

private:
    int fd;
};

// The file a copy is written into. Where the file system allows, it has no
// name while it is written, so a run killed then leaves nothing behind; it
// gets its hidden name only just before the rename over the target. It is
// held locked, so that no other run takes it for a leftover, and is removed
// unless renamed.
class TemporaryCopy final {
public:
    explicit TemporaryCopy(const QString& target) : targetInfo(target) {
        file.reset(::open(QFile::encodeName(targetInfo.path()).constData(),
                          O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        if (file.get() < 0)
            createNamed([this](const QByteArray& name) {
                file.reset(::open(name.constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
                return file.get() >= 0;
            });
        if (file.get() >= 0)
            ::flock(file.get(), LOCK_EX);
    }
    ~TemporaryCopy() {
        if (!path.isEmpty())
            ::unlink(path.constData());
    }
    Q_DISABLE_COPY_MOVE(TemporaryCopy)

    int fd() const { return file.get(); }
    bool close() { return file.close(); }
    bool renameTo(const QString& target) {
        if (path.isEmpty()) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.get());
            const bool linked = createNamed([&self](const QByteArray& name) {
                return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(),
                                AT_SYMLINK_FOLLOW) == 0;
            });
            if (!linked)
                return false;
        }
        if (::rename(path.constData(), QFile::encodeName(target).constData()) != 0)
            return false;
        path.clear();
        return true;
    }

private:
    // Gives the file its hidden name through `make`, retried while the name is taken.
    bool createNamed(const std::function<bool(const QByteArray&)>& make) {
        // Short enough to stay within the longest name a folder takes.
        const QString name = targetInfo.path() + QStringLiteral("/.") +
                             targetInfo.fileName().left(64) +
                             QLatin1String(SlideshowPublisher::TemporaryMarker);
        for (int attempt = 0; attempt < 16; ++attempt) {
            const QByteArray candidate =
                QFile::encodeName(name + QString::number(QRandomGenerator::global()->generate(), 16)
                                             .rightJustified(8, u'0'));
            if (make(candidate)) {
                path = candidate;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    const QFileInfo targetInfo;
    QByteArray path; // the hidden name, while there is one
    Descriptor file;
};

// Removes the hidden copies that a run killed before it renamed them left in
// `folder`: only names of our making, only regular files of this user, and
// only those no running publication holds locked.
void removeLeftovers(const QString& folder) {
    static const QRegularExpression leftover(
        QStringLiteral("^\\..+%1[0-9a-f]{8}$")
            .arg(QRegularExpression::escape(QLatin1String(SlideshowPublisher::TemporaryMarker))));
    const QStringList names =
        QDir(folder).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!leftover.match(name).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
        const Descriptor file(
            ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        struct stat status {};
        if (file.get() >= 0 && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid() && ::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
    }
}

// Images are written one per core, as many at once as the memory budget
// allows at their size; the cores left over work inside each image.
struct Workers {
    int images;
    int threadsPerImage;
};

Workers imageWorkers(int longEdge, qsizetype jobs) {
    const int cores = qMax(1, QThread::idealThreadCount());
    const qint64 largest = qint64(2 * longEdge) * (2 * longEdge) * 3 / 4;
    const qint64 fit = WebImageMemoryBudget / qMax<qint64>(1, largest * WebImageBytesPerPixel);
    const int images = int(qBound<qint64>(1, qMin<qint64>(cores, fit), qMax<qsizetype>(1, jobs)));
    return {images, qMax(1, cores / images)};
}

// A web image's name: the original's without its extension, then the long
// edge it is made for.
QString webImageName(const QString& original, int edge, const char* extension) {
    const qsizetype dot = original.lastIndexOf(u'.');
    return (dot > 0 ? original.left(dot) : original) + QLatin1Char('-') + QString::number(edge) +
           QLatin1String(extension);
}

} // namespace

// One slide image written for the web, by one worker.
struct SlideshowPublisher::ImageJob {
    QString source;
    QStringList slides; // the slides shown by it: its own, and earlier ones of its name
    WebImage image;     // the names, and once written the size
};

SlideshowPublisher::SlideshowPublisher(QString page, QByteArray bytes, QStringList files)
    : pagePath(std::move(page)), pageBytes(std::move(bytes)), sources(std::move(files)) {
    const QStringList pace = qEnvironmentVariable("QUILLMINT_TEST_PUBLISH_PACE").split(u':');
    if (pace.size() == 2)
        setPace(pace[0].toLongLong(), pace[1].toInt());
}

void SlideshowPublisher::setPace(qint64 step, int pauseMs) {
    paceStep = qMax<qint64>(0, step);
    pausePerStep = qMax(0, pauseMs);
}

void SlideshowPublisher::optimiseImages(QStringList slideImages, int edge, PageMaker makePage) {
    slides = std::move(slideImages);
    longEdge = qMax(1, edge);
    pageMaker = std::move(makePage);
}

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
            failure = QCoreApplication::translate(
                          "Slideshow", "The page %1 would replace the slideshow file %2. Please "
                                       "publish the page under another name.")
                          .arg(pagePath, source);
            return false;
        }
        total += info.size();
    }
    return true;
}

bool SlideshowPublisher::stopped(const Progress& progress) const {
    return cancelled || (progress && !progress(done, total));
}

void SlideshowPublisher::addCompanion(QString path, QByteArray bytes) {
    companions.append({std::move(path), std::move(bytes)});
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
    published.clear();
    QList<ImageJob> jobs;
    QSet<QString> encoded; // slides written for the web rather than copied
    WebImageEngine* engine = nullptr;
    if (pageMaker) {
        engine = webImageEngine(&failure);
        if (!engine || !planImages(*engine, jobs))
            return Outcome::Failed;
        for (const ImageJob& job : jobs) {
            for (const QString& name :
                 {job.image.webp, job.image.fallback, job.image.webp2x, job.image.fallback2x}) {
                const auto existing = identityOf(folder + QLatin1Char('/') + name);
                if (!name.isEmpty() && existing && used.contains(*existing)) {
                    failure = QCoreApplication::translate(
                                  "Slideshow", "The web image %1 would replace a file of the "
                                               "slideshow. Please publish into another folder.")
                                  .arg(folder + QLatin1Char('/') + name);
                    return Outcome::Failed;
                }
            }
        }
        for (const ImageJob& job : jobs)
            encoded.unite(QSet<QString>(job.slides.begin(), job.slides.end()));
        total = jobs.size();
        for (const QString& source : sources)
            total += encoded.contains(source) ? 0 : 1;
    }
    removeLeftovers(folder);
    QHash<QString, std::optional<FileIdentity>> copied; // target -> the file copied there
    QByteArray block(BlockSize, Qt::Uninitialized);
    for (const QString& source : sources) {
        if (encoded.contains(source))
            continue;
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
            done += countsFiles() ? 1 : QFileInfo(source).size();
            if (stopped(progress))
                return Outcome::Cancelled;
            continue;
        }
        const Outcome outcome = copy(source, target, block, progress);
        if (outcome != Outcome::Complete)
            return outcome;
        copied.insert(target, identity);
        if (countsFiles()) {
            ++done;
            if (stopped(progress))
                return Outcome::Cancelled;
        }
    }
    if (!jobs.isEmpty()) {
        const Outcome outcome = writeImages(*engine, jobs, progress);
        if (outcome != Outcome::Complete)
            return outcome;
    }
    if (pageMaker) {
        for (const ImageJob& job : jobs)
            for (const QString& slide : job.slides)
                published.insert(slide, job.image);
        MadePage made = pageMaker(published);
        pageBytes = std::move(made.bytes);
        companions = std::move(made.companions);
    }
    if (!makeDurable(folder, !copied.isEmpty() || !jobs.isEmpty()))
        return Outcome::Failed;
    return Outcome::Complete;
}

// Reads every slide image's header before anything is written, so an image
// that cannot be published stops the run with the target folder untouched.
// Images smaller than the show and free of metadata, and animations, go out
// as they are; of several slides with the same name the last wins, as with
// copies.
bool SlideshowPublisher::planImages(WebImageEngine& engine, QList<ImageJob>& jobs) {
    QHash<QString, qsizetype> jobByName;
    // Only what Publish copies is published; a slide it leaves out (an
    // initial image of three characters or fewer) stays out.
    const QSet<QString> copied(sources.begin(), sources.end());
    QSet<QString> seen;
    for (const QString& slide : slides) {
        if (!copied.contains(slide) || seen.contains(slide))
            continue;
        seen.insert(slide);
        WebImageHeader header;
        const WebImageFailure failed = engine.inspect(slide, &header);
        if (failed != WebImageFailure::None) {
            failure = webImageProblem(failed, slide);
            return false;
        }
        const int edge = qMax(header.width, header.height);
        if (header.copyAsIs || (edge <= longEdge && !header.metadata)) {
            published.insert(slide, {bareFileName(slide), {}, {}, {}, header.width, header.height});
            continue;
        }
        const QString name = bareFileName(slide);
        const char* fallback = header.transparent ? ".png" : ".jpg";
        ImageJob job{slide,
                     {slide},
                     {webImageName(name, longEdge, fallback),
                      webImageName(name, longEdge, ".webp"),
                      {},
                      {},
                      0,
                      0}};
        if (edge >= 2 * longEdge) {
            job.image.fallback2x = webImageName(name, 2 * longEdge, fallback);
            job.image.webp2x = webImageName(name, 2 * longEdge, ".webp");
        }
        const QString key = job.image.webp;
        if (jobByName.contains(key)) {
            ImageJob& earlier = jobs[jobByName.value(key)];
            job.slides = earlier.slides + job.slides;
            earlier = job;
        } else {
            jobByName.insert(key, jobs.size());
            jobs << job;
        }
    }
    return true;
}

// The copies reach the disk together, in one sync of the target's file system
// (a sync per file would make publishing several times slower); the page
// follows, so a page on disk always has its files beside it, and last the
// folder entry of the page.
bool SlideshowPublisher::makeDurable(const QString& folder, bool copiesWritten) {
    const Descriptor directory(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0 || (copiesWritten && ::syncfs(directory.get()) != 0)) {
        failure =
            QCoreApplication::translate("Slideshow", "Cannot write the published files to %1: %2")
                .arg(folder, systemError());
        return false;
    }
    for (const auto& [path, bytes] : companions)
        if (!writeFileAtomically(path, bytes, &failure))
            return false;
    if (!writeFileAtomically(pagePath, pageBytes, &failure))
        return false;
    if (::fsync(directory.get()) != 0) {
        failure = QCoreApplication::translate("Slideshow", "Cannot write file %1: %2")
                      .arg(pagePath, systemError());
        return false;
    }
    return true;
}

SlideshowPublisher::Outcome SlideshowPublisher::copy(const QString& source, const QString& target,
                                                     QByteArray& block, const Progress& progress) {
    if (!QFileInfo(source).isFile()) {
        failure = unreadableSource(source);
        return Outcome::Failed;
    }
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        failure = cannotOpenMessage(source, input.errorString());
        return Outcome::Failed;
    }
    // Written aside in the target's folder and renamed over the target only
    // when every byte is in; until then the hidden copy removes itself.
    TemporaryCopy output(target);
    if (output.fd() < 0) {
        failure = cannotCreateMessage(target) + QStringLiteral(": ") + systemError();
        return Outcome::Failed;
    }
    const qint64 step = paceStep > 0 ? qMin(paceStep, BlockSize) : BlockSize;
    // The kernel copies without the bytes passing through this process where
    // the file systems allow it; otherwise they stream through the block.
    bool inKernel = paceStep == 0;
    qint64 copied = 0;
    for (;;) {
        qint64 got = 0;
        if (inKernel) {
            got = ::copy_file_range(input.handle(), nullptr, output.fd(), nullptr,
                                    size_t(KernelCopyChunk), 0);
            if (got < 0 && copied == 0 && kernelCopyUnavailable(errno)) {
                inKernel = false;
                continue;
            }
            if (got < 0) {
                failure = QCoreApplication::translate("Slideshow", "Cannot write file %1: %2")
                              .arg(target, systemError());
                return Outcome::Failed;
            }
        } else {
            got = input.read(block.data(), step);
            if (got < 0) {
                failure = QCoreApplication::translate("Slideshow", "Cannot read file %1: %2")
                              .arg(source, input.errorString());
                return Outcome::Failed;
            }
            for (qint64 written = 0; written < got;) {
                const ssize_t wrote =
                    ::write(output.fd(), block.constData() + written, size_t(got - written));
                if (wrote <= 0) {
                    // A full disk can also show as a write that stores nothing.
                    if (wrote == 0)
                        errno = ENOSPC;
                    failure = QCoreApplication::translate("Slideshow", "Cannot write file %1: %2")
                                  .arg(target, systemError());
                    return Outcome::Failed;
                }
                written += wrote;
            }
        }
        if (got == 0)
            break;
        copied += got;
        if (!countsFiles())
            done += got;
        if (pausePerStep > 0)
            QThread::msleep(ulong(pausePerStep));
        if (stopped(progress))
            return Outcome::Cancelled;
    }
    // The copy gets the source's permission bits, as from cp.
    struct stat status {};
    if (::fstat(input.handle(), &status) == 0)
        ::fchmod(output.fd(), status.st_mode & 0777);
    // Renamed while still locked, so that no other run takes it for a leftover.
    if (!output.renameTo(target)) {
        failure = cannotCreateMessage(target) + QStringLiteral(": ") + systemError();
        return Outcome::Failed;
    }
    if (!output.close()) {
        failure = QCoreApplication::translate("Slideshow", "Cannot write file %1: %2")
                      .arg(target, systemError());
        return Outcome::Failed;
    }
    return Outcome::Complete;
}

// Each worker takes the next image until none is left; this thread tells the
// progress meanwhile. After a failure or Cancel the workers finish the image
// in hand (its files are complete) and take no other.
SlideshowPublisher::Outcome SlideshowPublisher::writeImages(WebImageEngine& engine,
                                                            QList<ImageJob>& jobs,
                                                            const Progress& progress) {
    std::mutex lock;
    std::condition_variable changed;
    ImageJob* const queue = jobs.data();
    const qsizetype count = jobs.size();
    qsizetype next = 0;
    qsizetype finished = 0;
    QString problem;
    bool halt = false;
    const Workers share = imageWorkers(longEdge, count);
    engine.setThreadsPerImage(share.threadsPerImage);
    const int workers = share.images;
    int running = workers;
    const auto work = [&] {
        std::unique_lock guard(lock);
        while (!halt && !cancelled && next < count) {
            ImageJob& job = queue[next++];
            guard.unlock();
            const QString failed = writeImage(engine, job);
            guard.lock();
            if (failed.isEmpty())
                ++finished;
            else if (!std::exchange(halt, true))
                problem = failed;
            changed.notify_all();
        }
        --running;
        changed.notify_all();
    };
    const qint64 before = done;
    bool stop = false;
    {
        std::vector<std::jthread> threads;
        threads.reserve(size_t(workers));
        for (int worker = 0; worker < workers; ++worker)
            threads.emplace_back(work);
        std::unique_lock guard(lock);
        while (running > 0) {
            changed.wait_for(guard, std::chrono::milliseconds(50));
            done = before + finished;
            if (halt || stop)
                continue;
            guard.unlock();
            stop = stopped(progress);
            guard.lock();
            halt = stop;
        }
    }
    done = before + finished;
    if (!problem.isEmpty()) {
        failure = problem;
        return Outcome::Failed;
    }
    return stop || cancelled ? Outcome::Cancelled : Outcome::Complete;
}

// The variants are written aside and renamed into place together once all
// are complete.
QString SlideshowPublisher::writeImage(WebImageEngine& engine, ImageJob& job) {
    const QString folder = QFileInfo(pagePath).absolutePath() + QLatin1Char('/');
    const std::array<QString, 4> names = {job.image.webp, job.image.fallback, job.image.webp2x,
                                          job.image.fallback2x};
    std::array<std::unique_ptr<TemporaryCopy>, 4> outputs;
    std::array<int, 4> descriptors = {-1, -1, -1, -1};
    for (size_t variant = 0; variant < names.size(); ++variant) {
        if (names[variant].isEmpty())
            continue;
        outputs[variant] = std::make_unique<TemporaryCopy>(folder + names[variant]);
        descriptors[variant] = outputs[variant]->fd();
        if (descriptors[variant] < 0)
            return cannotCreateMessage(folder + names[variant]) + QStringLiteral(": ") +
                   systemError();
    }
    const WebImageFailure failed = engine.write(
        job.source, longEdge, {descriptors[0], descriptors[1], descriptors[2], descriptors[3]},
        &job.image.width, &job.image.height);
    if (failed != WebImageFailure::None)
        return webImageProblem(failed, job.source);
    for (size_t variant = 0; variant < names.size(); ++variant) {
        if (!outputs[variant])
            continue;
        const QString target = folder + names[variant];
        // Made for a web server to read.
        ::fchmod(descriptors[variant], 0644);
        if (!outputs[variant]->renameTo(target))
            return cannotCreateMessage(target) + QStringLiteral(": ") + systemError();
        if (!outputs[variant]->close())
            return QCoreApplication::translate("Slideshow", "Cannot write file %1: %2")
                .arg(target, systemError());
    }
    return {};
}
