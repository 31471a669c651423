#include "widgets/background_save.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <memory>

namespace {

// After this long a running save shows that the program is busy.
constexpr int BusyAfterMs = 200;

// The save thread, owned by the application object: destroying it waits for
// the saves that have begun.
class SaveQueue final : public QObject {
public:
    explicit SaveQueue(QObject* parent) : QObject(parent) {
        pool.setMaxThreadCount(1);
        pool.setExpiryTimeout(-1);
    }
    ~SaveQueue() override { pool.waitForDone(); }
    Q_DISABLE_COPY_MOVE(SaveQueue)

    QThreadPool pool;
    int running = 0;
    bool busyShown = false;
};

SaveQueue& saveQueue() {
    static QPointer<SaveQueue> queue;
    if (!queue)
        queue = new SaveQueue(QCoreApplication::instance());
    return *queue;
}

void showBusy(SaveQueue& queue) {
    if (queue.running == 0 || queue.busyShown)
        return;
    queue.busyShown = true;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setOverrideCursor(Qt::BusyCursor);
}

void endOne(SaveQueue& queue) {
    if (--queue.running > 0 || !queue.busyShown)
        return;
    queue.busyShown = false;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::restoreOverrideCursor();
}

} // namespace

void runSave(QObject* context, qsizetype size, SaveWork work,
             std::function<void(const QString& error)> done, std::function<void()> slow) {
    if (size < BackgroundSaveChars) {
        done(work());
        return;
    }
    SaveQueue& queue = saveQueue();
    ++queue.running;
    const QPointer<QObject> guard(context);
    // Read and written on the GUI thread only.
    const auto ended = std::make_shared<bool>(false);
    QTimer::singleShot(BusyAfterMs, &queue, [&queue, guard, slow, ended] {
        if (*ended)
            return;
        showBusy(queue);
        if (guard && slow)
            slow();
    });
    queue.pool.start([&queue, guard, ended, work = std::move(work), done = std::move(done)] {
        const QString error = work();
        // Back on the GUI thread; the queue outlives every task it runs.
        QMetaObject::invokeMethod(
            &queue,
            [&queue, guard, ended, done, error] {
                *ended = true;
                endOne(queue);
                if (guard)
                    done(error);
            },
            Qt::QueuedConnection);
    });
}

void finishSaves() {
    SaveQueue& queue = saveQueue();
    queue.pool.waitForDone();
    // The results are queued to this thread: deliver them.
    while (queue.running > 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
