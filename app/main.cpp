#include "app/application_windows.h"
#include "app/main_window.h"
#include "widgets/qt_desktop.h"

#include <QApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// Ends the event loop; a signal that arrives while the windows are still
// being set up waits until the loop runs, or exec() would never return.
void endWhenRunning() {
    if (QThread::currentThread()->loopLevel() == 0)
        QTimer::singleShot(20, qApp, endWhenRunning);
    else
        QCoreApplication::exit(0);
}

// A session logout or `kill` ends the program as File > Exit does, so every
// window is torn down normally.
void quitOnTerminationSignals(QObject* owner) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        endWhenRunning();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmint"));
    // The program finds its files in its own folder, wherever it is started.
    QDir::setCurrent(QApplication::applicationDirPath());
    quitOnTerminationSignals(&application);

    QtDesktop services;
    installDesktop(&services);

    ApplicationWindows windows;
    windows.Form1->show();
    windows.applyPreferences();
    const int status = QApplication::exec();
    installDesktop(nullptr);
    return status;
}
