// Make Code on the popup tab with typed texts from ordinary to absurd
// lengths: the page is a fixed frame around the texts, so the cost should
// follow their length and stay far below what a user notices.
#include "bench/support.h"
#include "makers/popup/popup_page.h"
#include "makers/popup/popup_tab.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

QString textOf(qsizetype length) {
    return QStringLiteral("http://example.com/").leftJustified(length, QLatin1Char('a'));
}

void pageFunction(benchmark::State& state) {
    PopupSettings settings;
    settings.url = textOf(state.range(0));
    settings.statusText = textOf(state.range(0));
    settings.medium = PopupSettings::LaunchMedium::ImageLink;
    settings.imagePath = textOf(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(popupPage(settings));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(pageFunction)
    ->Arg(100)
    ->Arg(10000)
    ->Arg(1000000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

// The whole command as a click runs it: read the controls, build the page,
// replace the pane. A line edit holds at most 32767 characters.
void makeCode(benchmark::State& state) {
    PopupTab tab(TabContext{});
    tab.findChild<QLineEdit*>(QStringLiteral("Edit6"))->setText(textOf(state.range(0)));
    tab.findChild<QLineEdit*>(QStringLiteral("Edit7"))->setText(textOf(state.range(0)));
    auto* button = tab.findChild<QPushButton*>(QStringLiteral("BitBtn10"));
    const auto* pane = tab.findChild<QPlainTextEdit*>(QStringLiteral("Memo4"));
    for (auto _ : state) {
        button->click();
        benchmark::DoNotOptimize(pane->document()->characterCount());
    }
}
BENCHMARK(makeCode)->Arg(100)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
