#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// Publishes a slideshow: copies its files into the page's folder, then writes
// the page. Every copy and the page are written aside and renamed into place,
// so a failure never leaves a truncated file; a file that already is its own
// target (or that the slideshow uses under the target's name) is left alone.
// Nothing is held in memory beyond one fixed block.
class SlideshowPublisher final {
public:
    enum class Outcome { Complete, Failed, Cancelled };

    // Told the bytes handled so far and the total between copied blocks;
    // returning false cancels.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    // The fixed block a copy streams through where the kernel cannot copy
    // between the two files by itself.
    static constexpr qint64 BlockSize = 256 * 1024;

    SlideshowPublisher(QString pagePath, QByteArray pageBytes, QStringList sources);
    Q_DISABLE_COPY_MOVE(SlideshowPublisher)

    Outcome run(const Progress& progress = {});
    // After Failed: the message, naming the file that failed.
    const QString& error() const { return failure; }
    // The bytes of all sources, known after run() started.
    qint64 totalBytes() const { return total; }

private:
    bool checkSources();
    Outcome copy(const QString& source, const QString& target, QByteArray& block,
                 const Progress& progress);

    QString pagePath;
    QByteArray pageBytes;
    QStringList sources;
    QString failure;
    qint64 total = 0;
    qint64 done = 0;
};
