// Shows the JS Editor tab with its companion windows and saves screenshots,
// one per Tag Inspector page, into the folder given as the argument. Run it
// under a virtual X server to look at the layout:
//   xvfb-run -a -s "-screen 0 1280x1024x24" editor_screenshots /tmp/shots
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "editor/editor_controls.h"
#include "editor/reserved_words_controls.h"
#include "editor/tag_palette_controls.h"
#include "support/find_control.h"
#include "support/window_fixture.h"
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
    const WindowFixture app(WindowFixture::Tabs::AsStarted);
    QWidget* mainWindow = app.window();
    mainWindow->show();
    findControl<QTabWidget>(mainWindow, main_window::controls::Tabs)->setCurrentIndex(4);
    const auto shoot = [&out](const QString& name) {
        QTest::qWait(300);
        QGuiApplication::primaryScreen()->grabWindow(0).save(out.filePath(name));
    };
    QTabWidget* pages = findControl<QTabWidget>(
        findControl(mainWindow, tag_palette::controls::Window), tag_palette::controls::Pages);
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        shoot(QStringLiteral("editor-%1.png").arg(page + 1));
    }
    findControl<QListWidget>(findControl(mainWindow, reserved_words::controls::Window),
                             reserved_words::controls::Words)
        ->setCurrentRow(3);
    FindDialog find(mainWindow);
    find.move(700, 500);
    find.startOn(findControl<QPlainTextEdit>(mainWindow, editor::controls::Editor));
    findControl<QLineEdit>(find, "FindWhat")->setText(QStringLiteral("script"));
    shoot(QStringLiteral("editor-find.png"));
    return 0;
}
