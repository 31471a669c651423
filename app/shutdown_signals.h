#pragma once

#include <QObject>

// Turns SIGTERM, SIGINT and SIGHUP into an orderly end, whatever event loop
// runs when they arrive: a start-up message box's, a dialog's or the main
// loop, and also before the main loop starts. One per process.
class ShutdownSignals final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShutdownSignals)
public:
    // Needs the application object; installs the handlers.
    ShutdownSignals();
    ~ShutdownSignals() override;

    // True once a signal arrived; main() then skips (or leaves) exec().
    bool requested() const { return arrived; }

signals:
    // Sent once, before every running event loop is told to end: work that
    // keeps its own loop (a Publish in progress) stops here.
    void shutdownRequested();

private:
    void onSignal();

    bool arrived = false;
};
