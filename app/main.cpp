#include "app/application_windows.h"
#include "app/main_window.h"
#include "widgets/qt_desktop.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmint"));
    // The program finds its files in its own folder, wherever it is started.
    QDir::setCurrent(QApplication::applicationDirPath());

    QtDesktop services;
    installDesktop(&services);

    ApplicationWindows windows;
    windows.Form1->show();
    windows.applyPreferences();
    const int status = QApplication::exec();
    installDesktop(nullptr);
    return status;
}
