#include "makers/slideshow/publication.h"

#include "core/text_file.h"
#include "makers/slideshow/slideshow_publisher.h"
#include "widgets/desktop.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <memory>

namespace {

// How often the worker reports: a few times a second is smooth enough.
constexpr qint64 ReportIntervalMs = 40;

} // namespace

bool runPublication(SlideshowPublisher& publisher, QWidget* window) {
    QProgressDialog progress(
        QCoreApplication::translate("Slideshow", "Publishing the slideshow..."),
        QCoreApplication::translate("Slideshow", "Cancel"), 0, 1000, window);
    progress.setWindowTitle(QCoreApplication::translate("Slideshow", "Publish"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    QObject::connect(&progress, &QProgressDialog::canceled, &progress,
                     [&publisher] { publisher.cancel(); });

    auto outcome = SlideshowPublisher::Outcome::Cancelled;
    const std::unique_ptr<QThread> worker(QThread::create([&publisher, &progress, &outcome] {
        QElapsedTimer sinceReport;
        sinceReport.start();
        const bool files = publisher.countsFiles();
        outcome = publisher.run([&](qint64 done, qint64 total) {
            if (sinceReport.elapsed() >= ReportIntervalMs) {
                sinceReport.restart();
                const int permille = total > 0 ? int(done * 1000 / total) : 0;
                QMetaObject::invokeMethod(
                    &progress,
                    [&progress, permille, files, done, total] {
                        progress.setValue(permille);
                        if (files)
                            progress.setLabelText(
                                QCoreApplication::translate(
                                    "Slideshow", "Publishing the slideshow... %1 of %2 files")
                                    .arg(done)
                                    .arg(total));
                    },
                    Qt::QueuedConnection);
            }
            return true;
        });
    }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    // The loop also ends when the application quits; the run then stops.
    if (!worker->isFinished())
        publisher.cancel();
    worker->wait();
    progress.close();
    if (outcome == SlideshowPublisher::Outcome::Failed)
        desktop().notice(NoticeKind::Error, publisher.error());
    return outcome == SlideshowPublisher::Outcome::Complete;
}

void publishOnTestRequest(QWidget* window) {
    const QString list = qEnvironmentVariable("QUILLMINT_TEST_PUBLISH");
    if (list.isEmpty())
        return;
    QTimer::singleShot(0, window, [window, list] {
        QString error;
        const std::optional<QString> text = readTextFile(list, &error);
        QStringList lines = text ? splitLines(*text) : QStringList();
        if (lines.isEmpty())
            return;
        const QString page = lines.takeFirst();
        SlideshowPublisher publisher(page, paneFileBytes(QStringLiteral("<html>\n</html>\n")),
                                     lines);
        if (runPublication(publisher, window))
            desktop().notice(NoticeKind::Information,
                             QCoreApplication::translate("Slideshow", "Publish complete!"));
    });
}
