// Saving a large pane on every tab: how long the window stops answering and
// how fast the bytes reach the disk. Each round fills the pane (30 MB by
// default), clicks the save command and turns the event loop until the file
// is in place and the tab is done with it. Reported per command, as medians:
// the longest gap between two turns of the event loop from the click to the
// end, and the save's throughput against `cp` + `sync` of the same bytes.
//
//   save_bench [MB] [rounds] [commands whose label holds this text]

#include "app/application_windows.h"
#include "app/main_window.h"
#include "bench/support.h"
#include "editor/editor_page.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

struct Command {
    int tab;
    const char* pane;
    const char* action;
    const char* label;
};

constexpr Command Commands[] = {
    {DropdownTabIndex, "Memo3", "AsHTML1", "Dropdown, As HTML"},
    {DropdownTabIndex, "Memo3", "AsText1", "Dropdown, As Text"},
    {PopupTabIndex, "Memo4", "AsHTML2", "Popup, As HTML"},
    {PopupTabIndex, "Memo4", "AsText2", "Popup, As Text"},
    {MouseOverTabIndex, "Memo8", "AsHTML3", "MouseOver, As HTML"},
    {MouseOverTabIndex, "Memo8", "AsText3", "MouseOver, As Text"},
    {SlideshowTabIndex, "Memo19", "AsHTML4", "Slideshow, As HTML"},
    {SlideshowTabIndex, "Memo19", "AsText4", "Slideshow, As Text"},
    {EditorTabIndex, "Memo21", "AsHTML5", "JS Editor, As HTML"},
    {EditorTabIndex, "Memo21", "AsJS1", "JS Editor, As JS"},
};

// About `megabytes` MB of script lines wrapped in the editor's skeleton, a
// few of them not ASCII.
QString largeText(int megabytes) {
    const QString line =
        QStringLiteral("    total = total + values[index] * factor; // r\u00e9sum\u00e9\n");
    const qsizetype lines = qsizetype(megabytes) * 1024 * 1024 / line.size();
    QString text = documentText({ScriptSkeleton.first(), ScriptSkeleton.at(1)});
    text.reserve(lines * line.size() + 64);
    for (qsizetype i = 0; i < lines; ++i)
        text += line;
    return text + documentText({ScriptSkeleton.at(5), ScriptSkeleton.last()});
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Seconds that `cp` and then `sync` take for `path`.
double copyAndSync(const QString& path, const QString& copy) {
    QFile::remove(copy);
    ::sync();
    QElapsedTimer clock;
    clock.start();
    QProcess::execute(QStringLiteral("cp"), {path, copy});
    ::sync();
    return double(clock.nsecsElapsed()) / 1e9;
}

struct Round {
    double longestGapMs;
    double seconds;
    qint64 bytes;
};

// One save of `command`'s pane into `target`.
Round saveOnce(MainWindow& window, BenchDesktop& desktop, const Command& command,
               const QString& text, const QString& target) {
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentIndex(command.tab);
    auto* pane = tabs->widget(command.tab)->findChild<QPlainTextEdit*>(QLatin1String(command.pane));
    auto* action = tabs->widget(command.tab)->findChild<QAction*>(QLatin1String(command.action));
    if (!pane || !action)
        qFatal("no %s or %s", command.pane, command.action);
    pane->setPlainText(text);
    QFile::remove(target);
    desktop.savePath = target;
    // What filling the pane set in motion (layout, painting) ends first.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1000)
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    ::sync();

    QElapsedTimer clock;
    QElapsedTimer sinceTurn;
    qint64 longestGap = 0;
    // A 1 ms timer fires once a turn while the loop is busy and lets it sleep
    // while it is idle (a zero timer would take a core from the save thread).
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(1);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTurn.nsecsElapsed());
        sinceTurn.start();
    });
    clock.start();
    sinceTurn.start();
    heartbeat.start();
    QTimer::singleShot(0, action, &QAction::trigger);
    double seconds = 0;
    // The file appears complete (it is renamed into place); the turns that
    // follow show the tab's own work after the save.
    while (true) {
        QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
        if (seconds == 0 && QFileInfo::exists(target))
            seconds = double(clock.nsecsElapsed()) / 1e9;
        if (seconds > 0 && clock.nsecsElapsed() / 1e9 > seconds + 0.5)
            break;
        if (clock.elapsed() > 120000)
            qFatal("%s: no file after two minutes", command.label);
    }
    heartbeat.stop();
    return {double(longestGap) / 1e6, seconds, QFileInfo(target).size()};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int megabytes = std::max(1, arguments.value(1).toInt() ? arguments.value(1).toInt() : 30);
    const int rounds = std::max(1, arguments.value(2).toInt() ? arguments.value(2).toInt() : 3);

    BenchDesktop desktop;
    installDesktop(&desktop);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    {
        ApplicationWindows windows(ProgramFolders::portable(folder.path()));
        windows.mainWindow->show();
        const QString text = largeText(megabytes);
        std::printf("%d MB panes, %d rounds; medians\n\n", megabytes, rounds);
        std::printf("| command | longest event-loop gap | save | cp + sync | throughput "
                    "against cp + sync |\n|---|---|---|---|---|\n");
        for (const Command& command : Commands) {
            if (!QLatin1String(command.label).contains(arguments.value(3)))
                continue;
            std::vector<double> gaps, saves, copies, ratios;
            const QString target =
                folder.filePath(QStringLiteral("saved-%1").arg(QLatin1String(command.action)));
            for (int round = 0; round < rounds; ++round) {
                const Round saved = saveOnce(*windows.mainWindow, desktop, command, text, target);
                const double copy = copyAndSync(target, target + QStringLiteral(".copy"));
                gaps.push_back(saved.longestGapMs);
                saves.push_back(saved.seconds);
                copies.push_back(copy);
                ratios.push_back(copy / saved.seconds);
            }
            std::printf("| %s | %.0f ms | %.2f s | %.2f s | %.2f× |\n", command.label, median(gaps),
                        median(saves), median(copies), median(ratios));
            std::fflush(stdout);
        }
    }
    for (const QString& notice : desktop.notices)
        if (!notice.contains(QLatin1String("tags.txt")))
            std::fprintf(stderr, "notice: %s\n", qPrintable(notice));
    installDesktop(nullptr);
    return 0;
}
