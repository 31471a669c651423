#pragma once

#include "core/web_images.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

// Publishes a slideshow: copies its files into the page's folder, then writes
// the page. Every copy and the page are written aside and renamed into place,
// so a failure never leaves a truncated file; a file that already is its own
// target (or that the slideshow uses under the target's name) is left alone.
// A complete run has every copy, the page and the folder's entries on disk.
// Nothing is held in memory beyond one fixed block.
//
// Optimised, the slide images are written for the web instead, on every core
// at once; every image is checked before anything is written, and the page is
// made once their sizes are known.
class SlideshowPublisher final {
public:
    enum class Outcome { Complete, Failed, Cancelled };

    // Told the bytes handled so far and the total between copied blocks;
    // returning false cancels.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    // The fixed block a copy streams through where the kernel cannot copy
    // between the two files by itself.
    static constexpr qint64 BlockSize = 256 * 1024;

    // Marks the hidden name a copy has until it is complete, so that one left
    // behind by a killed run is known as ours ("." + name + marker + 8 hex digits).
    static constexpr char TemporaryMarker[] = ".quillmint-";

    SlideshowPublisher(QString pagePath, QByteArray pageBytes, QStringList sources);
    Q_DISABLE_COPY_MOVE(SlideshowPublisher)

    // A file made for the page (its style sheet or script) that is written
    // beside it, after the copies and before the page.
    void addCompanion(QString path, QByteArray bytes);

    // A page as written, with the files made for it.
    struct MadePage {
        QByteArray bytes;
        QList<std::pair<QString, QByteArray>> companions;
    };
    // Makes the page from the slide images as published.
    using PageMaker = std::function<MadePage(const WebImages&)>;

    // Publishes the slide images among the sources (`slides`, as the settings
    // hold them) for the web, fitted into `longEdge` pixels, with a variant
    // twice as large where the original has the pixels; the page and its
    // companions come from `makePage`. Progress then counts files instead of
    // bytes.
    void optimiseImages(QStringList slides, int longEdge, PageMaker makePage);
    bool countsFiles() const { return bool(pageMaker); }

    // Runs on any one thread; progress is told on that thread.
    Outcome run(const Progress& progress = {});
    // From any thread: the run stops at its next step as after Cancel (copies
    // already complete stay, no partial copy and no page); later runs too.
    void cancel() { cancelled = true; }

    // After Failed: the message, naming the file that failed.
    const QString& error() const { return failure; }
    // The bytes of all sources (optimised: the files), known after run() started.
    qint64 totalBytes() const { return total; }

    // Copies move `step` bytes at a time with a pause after each, as on a slow
    // medium, so that tests can act in the middle of a run. The environment
    // sets it too: QUILLMINT_TEST_PUBLISH_PACE="<step bytes>:<pause ms>".
    void setPace(qint64 step, int pauseMs);

private:
    bool checkSources();
    bool stopped(const Progress& progress) const;
    Outcome copy(const QString& source, const QString& target, QByteArray& block,
                 const Progress& progress);
    bool makeDurable(const QString& folder, bool copiesWritten);
    struct ImageJob;
    bool planImages(WebImageEngine& engine, QList<ImageJob>& jobs);
    Outcome writeImages(WebImageEngine& engine, QList<ImageJob>& jobs, const Progress& progress);
    QString writeImage(WebImageEngine& engine, ImageJob& job);

    QString pagePath;
    QByteArray pageBytes;
    QStringList sources;
    QList<std::pair<QString, QByteArray>> companions;
    QString failure;
    qint64 total = 0;
    qint64 done = 0;
    qint64 paceStep = 0;
    int pausePerStep = 0;
    std::atomic<bool> cancelled = false;

    QStringList slides;
    int longEdge = DefaultWebImageEdge;
    PageMaker pageMaker;
    WebImages published;
};
