#include "app/application_windows.h"
#include "app/command_line.h"
#include "app/interface_language.h"
#include "app/main_window.h"
#include "app/project_commands.h"
#include "app/project_session.h"
#include "app/shutdown_signals.h"
#include "core/program_folders.h"
#include "core/text_file.h"
#include "widgets/icons.h"
#include "widgets/qt_desktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

QString shippedCatalogues() {
    return ProgramFolders::forExecutable(QCoreApplication::applicationDirPath())
        .shippedFile(QStringLiteral("translations"));
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << fileNameFromNative(argv[i]); // a file name may not be valid UTF-8
    CommandLine command;
    {
        // Help, usage errors and the project commands speak the desktop's
        // language, so its catalogue comes before the arguments are read;
        // building pages needs no display and no window. The core
        // application tells where the program lies, so its catalogues and
        // image plugin are found.
        const QCoreApplication core(argc, argv);
        const InterfaceLanguage language(shippedCatalogues());
        command = parseCommandLine(arguments);
        if (command.action != CommandLine::Action::Start)
            return runProjectCommand(command);
        if (!command.run) {
            std::fputs(command.message.toLocal8Bit().constData(),
                       command.exitCode ? stderr : stdout);
            return command.exitCode;
        }
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmint"));
    QGuiApplication::setDesktopFileName(applicationId());
    skipUnchosenIconTheme();
    QApplication::setWindowIcon(applicationIcon());
    ProgramFolders folders = ProgramFolders::forExecutable(QApplication::applicationDirPath());
    // Before any text is made: every window takes its captions when built.
    const InterfaceLanguage language(shippedCatalogues());
    const QString userStateProblem = prepareUserState(folders);
    // File dialogs start in the current folder.
    QDir::setCurrent(folders.startFolder());
    // A session logout or `kill` ends the program as File > Exit does, so
    // every window is torn down normally; Publish may stop on its signal.
    ShutdownSignals shutdown;

    QtDesktop services;
    installDesktop(&services);

    int status = 0;
    {
        ApplicationWindows windows(folders);
        if (!shutdown.requested()) {
            windows.mainWindow->show();
            if (!userStateProblem.isEmpty())
                desktop().notice(NoticeKind::Warning, userStateProblem);
            // The file first: a box saying it cannot be opened is answered
            // before the tip comes up, never hidden behind it.
            if (!command.file.isEmpty())
                windows.mainWindow->afterFirstFrame(
                    [main = windows.mainWindow.get(), file = command.file] {
                        if (file.endsWith(QLatin1Char('.') + QLatin1String(ProjectSuffix)))
                            main->projects()->openProjectFile(file);
                        else
                            main->openInEditor(file);
                    });
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
