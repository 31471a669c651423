#include "app/application_windows.h"
#include "app/main_window.h"
#include "app/shutdown_signals.h"
#include "widgets/qt_desktop.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmint"));
    // The program finds its files in its own folder, wherever it is started.
    QDir::setCurrent(QApplication::applicationDirPath());
    // A session logout or `kill` ends the program as File > Exit does, so
    // every window is torn down normally; Publish may stop on its signal.
    ShutdownSignals shutdown;

    QtDesktop services;
    installDesktop(&services);

    int status = 0;
    {
        ApplicationWindows windows;
        if (!shutdown.requested()) {
            windows.Form1->show();
            windows.applyPreferences();
        }
        // Nothing runs the event loop between this check and exec(), so a
        // signal arrives either before it (no main loop at all) or inside
        // exec(), which it then ends.
        if (!shutdown.requested())
            status = QApplication::exec();
    }
    installDesktop(nullptr);
    return status;
}
