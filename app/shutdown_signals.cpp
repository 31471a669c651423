#include "app/shutdown_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

constexpr int TerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

} // namespace

ShutdownSignals::ShutdownSignals() {
    // Only async-signal-safe work in the handler: one byte down a socket,
    // read back by the event loop.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        onSignal();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : TerminationSignals)
        sigaction(signal, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals() {
    // A signal during the teardown that follows is no longer needed.
    for (const int signal : TerminationSignals)
        std::signal(signal, SIG_IGN);
}

void ShutdownSignals::onSignal() {
    if (!arrived) {
        arrived = true;
        emit shutdownRequested();
    }
    // Ends every running loop, a message box's included; loops started
    // afterwards return at once, until exec() forgets it. main() checks
    // requested() before exec() for that reason.
    QCoreApplication::exit(0);
}
