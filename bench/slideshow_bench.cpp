// Make Code with many images against one setPlainText of the same text
// (Publish is measured by publish_bench).

#include "bench/support.h"
#include "core/page_text.h"
#include "makers/slideshow/slideshow_page.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>
#include <memory>

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

// What Make Code does after reading the controls: build the page and fill the pane.
void BM_MakeCode(benchmark::State& state) {
    const SlideshowSettings settings = slideshowOf(state.range(0));
    const auto pane = codePane();
    for (auto _ : state) {
        const SlideshowPage page = slideshowPage(settings);
        pane->setPlainText(pageText(page.lines));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MakeCode)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// The floor: one setPlainText of the same text.
void BM_SetPlainText(benchmark::State& state) {
    const QString text = pageText(slideshowPage(slideshowOf(state.range(0))).lines);
    const auto pane = codePane();
    for (auto _ : state)
        pane->setPlainText(text);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SetPlainText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
