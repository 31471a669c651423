// Opening and saving a project with a very long menu, against a floor that
// does only what cannot be avoided with the same file: Qt's JSON classes
// parse it, a bare list widget is filled with its entries, and the same JSON
// is written back to a file. Interleaved rounds, alternating which goes
// first; prints the medians and the median of the per-round ratios.
//
//   project_bench [entries] [rounds]

#include "app/main_window.h"
#include "app/project_session.h"
#include "core/project_file.h"
#include "makers/dropdown/dropdown_page.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double ourRun(MainWindow& window, const QString& path) {
    QElapsedTimer clock;
    clock.start();
    if (!window.projects()->openProjectFile(path) || !window.projects()->save())
        qFatal("the project did not open and save");
    return double(clock.nsecsElapsed()) / 1e6;
}

double floorRun(QListWidget& list, const QString& path, const QString& copy) {
    QElapsedTimer clock;
    clock.start();
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    const QJsonDocument document = QJsonDocument::fromJson(in.readAll());
    const QJsonArray entries =
        document.object().value(QStringLiteral("dropdown")).toObject().value("entries").toArray();
    QStringList texts;
    texts.reserve(entries.size());
    for (const QJsonValue& entry : entries)
        texts << entry.toString();
    list.clear();
    list.addItems(texts);
    QSaveFile out(copy);
    if (!out.open(QIODevice::WriteOnly) || out.write(document.toJson()) < 0 || !out.commit())
        qFatal("cannot write %s", qPrintable(copy));
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int count = arguments.value(1, QStringLiteral("100000")).toInt();
    const int rounds = arguments.value(2, QStringLiteral("9")).toInt();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("menu.quillmint"));
    Project project;
    for (int n = 0; n < count; ++n)
        project.dropdown.settings.entries << entryText(QStringLiteral("Page number %1").arg(n),
                                                       QStringLiteral("pages/page%1.html").arg(n));
    QString error;
    if (!writeProject(project, path, &error))
        qFatal("%s", qPrintable(error));

    MainWindow window(ProgramFolders::portable(dir.path()));
    QListWidget list;
    std::vector<double> ourTimes, floorTimes, ratios;
    for (int round = 0; round < rounds; ++round) {
        double a = 0, b = 0;
        if (round % 2) {
            b = floorRun(list, path, dir.filePath(QStringLiteral("copy.json")));
            a = ourRun(window, path);
        } else {
            a = ourRun(window, path);
            b = floorRun(list, path, dir.filePath(QStringLiteral("copy.json")));
        }
        ourTimes.push_back(a);
        floorTimes.push_back(b);
        ratios.push_back(a / b);
        std::printf("round %d: open+save %.0f ms, floor %.0f ms, ratio %.2f\n", round + 1, a, b,
                    a / b);
    }
    std::printf("%d entries, %d rounds, %.1f MB file: open+save %.0f ms, floor %.0f ms, median "
                "ratio %.2f (target at most 1.5)\n",
                count, rounds, double(QFile(path).size()) / 1e6, median(ourTimes),
                median(floorTimes), median(ratios));
    return 0;
}
