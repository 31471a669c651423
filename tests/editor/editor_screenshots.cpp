// Shows the JS Editor tab with its companion windows and saves screenshots,
// one per Tag Inspector page, into the folder given as the argument. Run it
// under a virtual X server to look at the layout:
//   xvfb-run -a -s "-screen 0 1280x1024x24" editor_screenshots /tmp/shots
#include "app/application_windows.h"
#include "app/main_window.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "widgets/find_dialog.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QDir().mkpath(out.path());
    FakeDesktop desktop;
    ProgramFolder folder;
    ApplicationWindows windows;
    QWidget* mainWindow = windows.mainWindow.get();
    mainWindow->show();
    findControl<QTabWidget>(mainWindow, "PageControl1")->setCurrentIndex(4);
    const auto shoot = [&out](const QString& name) {
        QTest::qWait(300);
        QGuiApplication::primaryScreen()->grabWindow(0).save(out.filePath(name));
    };
    QTabWidget* pages = findControl<QTabWidget>(findControl(mainWindow, "Form2"), "PageControl1");
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        shoot(QStringLiteral("editor-%1.png").arg(page + 1));
    }
    findControl<QListWidget>(findControl(mainWindow, "Form3"), "ListBox1")->setCurrentRow(3);
    FindDialog find(mainWindow);
    find.move(700, 500);
    find.startOn(findControl<QPlainTextEdit>(mainWindow, "Memo21"));
    findControl<QLineEdit>(find, "FindWhat")->setText(QStringLiteral("script"));
    shoot(QStringLiteral("editor-find.png"));
    return 0;
}
