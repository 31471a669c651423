// Make Code with many images against one setPlainText of the same text, and
// Publish against cp of the same files.
//
//   QUILLMINT_PUBLISH_MB   total size of the published files (default 1024)
//   QUILLMINT_PUBLISH_FILES  their number (default 200)

#include "core/text_file.h"
#include "makers/slideshow/slideshow_page.h"
#include "makers/slideshow/slideshow_publisher.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace {

SlideshowSettings slideshowOf(qsizetype images) {
    SlideshowSettings settings;
    settings.initialImage = QStringLiteral("/home/user/pictures/holiday/start.jpg");
    settings.images.reserve(images);
    for (qsizetype n = 0; n < images; ++n)
        settings.images << QStringLiteral("/home/user/pictures/holiday/picture %1.jpg").arg(n);
    return settings;
}

// A pane set up as the tab's code pane is.
std::unique_ptr<QPlainTextEdit> codePane() {
    auto pane = std::make_unique<QPlainTextEdit>();
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return pane;
}

QString paneText(const QStringList& lines) {
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// What Make Code does after reading the controls: build the page and fill the pane.
void BM_MakeCode(benchmark::State& state) {
    const SlideshowSettings settings = slideshowOf(state.range(0));
    const auto pane = codePane();
    for (auto _ : state) {
        const SlideshowPage page = makeSlideshowPage(settings);
        pane->setPlainText(paneText(page.lines));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MakeCode)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// The floor: one setPlainText of the same text.
void BM_SetPlainText(benchmark::State& state) {
    const QString text = paneText(makeSlideshowPage(slideshowOf(state.range(0))).lines);
    const auto pane = codePane();
    for (auto _ : state)
        pane->setPlainText(text);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SetPlainText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

qint64 environmentNumber(const char* name, qint64 fallback) {
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && value > 0 ? value : fallback;
}

// The files both copies start from, made once.
struct PublishSources {
    PublishSources() {
        const qint64 total = environmentNumber("QUILLMINT_PUBLISH_MB", 1024) * 1024 * 1024;
        const qint64 count = environmentNumber("QUILLMINT_PUBLISH_FILES", 200);
        QByteArray chunk(1024 * 1024, Qt::Uninitialized);
        for (qsizetype i = 0; i < chunk.size(); ++i)
            chunk[i] = char((i * 131 + 7) & 0xFF);
        QDir().mkpath(dir.filePath(QStringLiteral("pictures")));
        for (qint64 n = 0; n < count; ++n) {
            const QString path = dir.filePath(QStringLiteral("pictures/picture %1.jpg").arg(n));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly))
                qFatal("cannot create %s", qPrintable(path));
            for (qint64 left = total / count; left > 0; left -= chunk.size())
                writeAll(file, chunk.left(qMin<qint64>(left, chunk.size())));
            files << path;
            bytes += file.size();
        }
    }
    QString target() const { return dir.filePath(QStringLiteral("site")); }

    QTemporaryDir dir;
    QStringList files;
    qint64 bytes = 0;
};

PublishSources& sources() {
    static PublishSources made;
    return made;
}

long peakResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Every run starts from an empty folder and a disk with nothing left to write,
// so no run pays for the writing of the one before.
void freshTarget(const QString& target) {
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    ::sync();
}

void BM_Publish(benchmark::State& state) {
    PublishSources& from = sources();
    const QByteArray page = paneFileBytes(QStringLiteral("<html>\n</html>\n"));
    const long peakBefore = peakResidentKb();
    for (auto _ : state) {
        state.PauseTiming();
        freshTarget(from.target());
        state.ResumeTiming();
        SlideshowPublisher publisher(from.target() + QStringLiteral("/show.html"), page,
                                     from.files);
        if (publisher.run() != SlideshowPublisher::Outcome::Complete)
            state.SkipWithError(qPrintable(publisher.error()));
    }
    state.SetBytesProcessed(state.iterations() * from.bytes);
    state.counters["peak_rss_growth_kb"] = double(peakResidentKb() - peakBefore);
}
BENCHMARK(BM_Publish)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_Cp(benchmark::State& state) {
    PublishSources& from = sources();
    for (auto _ : state) {
        state.PauseTiming();
        freshTarget(from.target());
        state.ResumeTiming();
        if (QProcess::execute(QStringLiteral("cp"), QStringList(from.files) << from.target()) != 0)
            state.SkipWithError("cp failed");
    }
    state.SetBytesProcessed(state.iterations() * from.bytes);
}
BENCHMARK(BM_Cp)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// cp followed by sync: the same durability the publisher gives every file.
void BM_CpAndSync(benchmark::State& state) {
    PublishSources& from = sources();
    for (auto _ : state) {
        state.PauseTiming();
        freshTarget(from.target());
        state.ResumeTiming();
        if (QProcess::execute(QStringLiteral("cp"), QStringList(from.files) << from.target()) !=
                0 ||
            QProcess::execute(QStringLiteral("sync"), {}) != 0)
            state.SkipWithError("cp or sync failed");
    }
    state.SetBytesProcessed(state.iterations() * from.bytes);
}
BENCHMARK(BM_CpAndSync)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
