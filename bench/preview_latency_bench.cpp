// The live preview's latency: from a change of a setting to the new page
// loaded in the pane (the pane's pause for more changes included), on each
// maker with 10 and with 1,000 entries (menu entries, buttons, images,
// editor lines; the Popup Maker has no list). Prints the median and the 95th
// percentile of each, and checks once per row that the page shows the change.
//
//   preview_latency_bench [changes per row]
//
// The platform is QT_QPA_PLATFORM (offscreen when unset).
#include "app/application_windows.h"
#include "app/main_window.h"
#include "editor/editor_tab.h"
#include "makers/dropdown/dropdown_page.h"
#include "makers/dropdown/dropdown_tab.h"
#include "makers/mouseover/mouseover_tab.h"
#include "makers/slideshow/slideshow_page.h"
#include "makers/slideshow/slideshow_tab.h"
#include "widgets/live_preview.h"
#include "widgets/preview_engine.h"
#include "widgets/qt_desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

namespace {

// Runs the event loop until `done` or `seconds` have passed.
bool waitFor(const std::function<bool()>& done, int seconds = 30) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > seconds * 1000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

QString evaluate(LivePreview* preview, const QString& script) {
    std::optional<QVariant> answer;
    preview->engine()->runScript(script, [&answer](const QVariant& value) { answer = value; });
    waitFor([&] { return answer.has_value(); });
    return answer.value_or(QVariant()).toString();
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(share * double(values.size() - 1) + 0.5);
    return values[index];
}

struct Row {
    const char* maker;
    int tab;
    int entries;                         // 0: the maker has no list
    std::function<void(int)> fill;       // puts `entries` entries in
    std::function<void(int)> change;     // the n-th change of a setting
    std::function<QString(int)> visible; // text the page shows after it
};

template <typename T> T* control(QWidget* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

} // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    QApplication app(argc, argv);
    const int changes = argc > 1 ? std::max(3, std::atoi(argv[1])) : 21;
    LivePreview::setPluginFile(QStringLiteral(QUILLMINT_PREVIEW_PLUGIN_FILE));
    QtDesktop services;
    installDesktop(&services);

    // The shipped files of the build (tips, help); what the program writes
    // goes to the temporary folder.
    ProgramFolders folders = ProgramFolders::portable(home.path());
    folders.shippedData = QStringLiteral(QUILLMINT_DATA_DIR);
    ApplicationWindows windows(folders);
    MainWindow* window = windows.mainWindow.get();
    window->show();
    LivePreview* preview = window->livePreview();
    auto* tabs = control<QTabWidget>(window, "PageControl1");
    auto* dropdown = window->findChild<DropdownTab*>();
    auto* slideshow = window->findChild<SlideshowTab*>();
    bool shown = false;
    QObject::connect(preview, &LivePreview::pageShown, [&shown] { shown = true; });
    preview->action()->trigger();
    if (!preview->engine() || !waitFor([&] { return shown; })) {
        std::fprintf(stderr, "The live preview does not open.\n");
        return 1;
    }

    const auto field = [window](const char* name) { return control<QLineEdit>(window, name); };
    // Real pictures, as a user's pages name: a missing file costs the
    // engine a failed request each.
    QStringList pictures;
    for (const char* name : {"off.png", "on.png"}) {
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        pictures << home.filePath(QLatin1String(name));
        picture.save(pictures.last());
    }
    const Row rows[] = {
        {"Dropdown", 0, 10,
         [&](int count) {
             DropdownSettings settings;
             for (int n = 0; n < count; ++n)
                 settings.entries << entryText(QStringLiteral("Page %1").arg(n),
                                               QStringLiteral("page%1.html").arg(n));
             dropdown->applySettings(settings);
         },
         [&](int n) { field("Edit2")->setText(QStringLiteral("Go %1").arg(n)); },
         [](int n) { return QStringLiteral("Go %1").arg(n); }},
        {"Popup", 1, 0, [](int) {},
         [&](int n) { field("Edit6")->setText(QStringLiteral("popup%1.html").arg(n)); },
         [](int n) { return QStringLiteral("popup%1.html").arg(n); }},
        {"MouseOver", 2, 10,
         [&](int count) {
             for (int n = 0; n < count; ++n) {
                 field("Edit10")->setText(pictures.at(0));
                 field("Edit11")->setText(pictures.at(1));
                 control<QAbstractButton>(window, "BitBtn14")->click();
             }
         },
         [&](int n) {
             field("Edit11")->setText(pictures.at(1));
             field("Edit10")->setText(pictures.at(0));
             field("Edit12")->setText(QStringLiteral("Pending %1").arg(n));
         },
         [](int n) { return QStringLiteral("Pending %1").arg(n); }},
        {"Slideshow", 3, 10,
         [&](int count) {
             SlideshowSettings settings;
             for (int n = 0; n < count; ++n)
                 settings.images << pictures.at(n % 2);
             settings.initialImage = pictures.at(0);
             slideshow->applySettings(settings);
         },
         [&](int n) { field("Edit18")->setText(QStringLiteral("Holiday %1").arg(n)); },
         [](int n) { return QStringLiteral("Holiday %1").arg(n); }},
        {"JS Editor", 4, 10,
         [&](int count) {
             QString text;
             for (int n = 0; n < count; ++n)
                 text += QStringLiteral("<p>Line %1</p>\n").arg(n);
             window->editor()
                 ->findChild<QPlainTextEdit*>(QStringLiteral("Memo21"))
                 ->setPlainText(text);
         },
         [&](int n) {
             window->editor()
                 ->findChild<QPlainTextEdit*>(QStringLiteral("Memo21"))
                 ->appendPlainText(QStringLiteral("<p>Typed %1</p>").arg(n));
         },
         [](int n) { return QStringLiteral("Typed %1").arg(n); }},
    };

    std::printf(
        "%d changes per row, platform %s, pause before showing %d ms\n", changes,
        qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen")).toUtf8().data(),
        LivePreview::SettleMilliseconds);
    std::printf("| maker | entries | median | 95th percentile | page shows the change |\n"
                "|---|---|---|---|---|\n");
    int serial = 0;
    for (const Row& row : rows) {
        for (const int entries : {10, 1000}) {
            if (row.entries == 0 && entries != 10)
                continue;
            tabs->setCurrentIndex(row.tab);
            row.fill(row.entries == 0 ? 0 : entries);
            shown = false;
            preview->showNow();
            waitFor([&] { return shown; });
            std::vector<double> latencies;
            for (int round = 0; round < changes; ++round) {
                // Apart from the one before, as a user's changes come.
                QTimer pause;
                pause.setSingleShot(true);
                pause.start(150);
                waitFor([&] { return !pause.isActive(); });
                shown = false;
                QElapsedTimer clock;
                clock.start();
                row.change(++serial);
                if (!waitFor([&] { return shown; })) {
                    std::fprintf(stderr, "%s: no page after a change\n", row.maker);
                    return 1;
                }
                latencies.push_back(double(clock.nsecsElapsed()) / 1e6);
            }
            const bool showsChange =
                evaluate(preview, QStringLiteral("document.documentElement.outerHTML"))
                    .contains(row.visible(serial));
            std::printf("| %s | %s | %.0f ms | %.0f ms | %s |\n", row.maker,
                        row.entries == 0 ? "(no list)" : QByteArray::number(entries).data(),
                        percentile(latencies, 0.5), percentile(latencies, 0.95),
                        showsChange ? "yes" : "NO");
        }
    }
    return 0;
}
