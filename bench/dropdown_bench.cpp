// The dropdown page and its pane with large menus: the page function should
// grow linearly, and filling the pane should cost little more than one
// setPlainText of the same text.
#include "bench/support.h"
#include "core/page_text.h"
#include "makers/dropdown/dropdown_page.h"
#include "makers/dropdown/dropdown_tab.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

DropdownSettings menuOf(int count) {
    DropdownSettings settings;
    settings.fullPage = true;
    settings.entries.reserve(count);
    for (int n = 0; n < count; ++n)
        settings.entries << entryText(QStringLiteral("Page number %1").arg(n),
                                      QStringLiteral("pages/page%1.html").arg(n));
    return settings;
}

void pageFunction(benchmark::State& state) {
    const DropdownSettings settings = menuOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(dropdownPage(settings));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(pageFunction)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void entrySort(benchmark::State& state) {
    const DropdownSettings settings = menuOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QStringList entries = settings.entries;
        std::reverse(entries.begin(), entries.end());
        sortEntries(entries);
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(entrySort)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// What Make Code does after reading the controls: the page, joined, into the pane.
void paneFill(benchmark::State& state) {
    const DropdownSettings settings = menuOf(static_cast<int>(state.range(0)));
    QPlainTextEdit pane;
    for (auto _ : state) {
        const QStringList lines = dropdownPage(settings);
        pane.setPlainText(pageText(lines));
    }
}
BENCHMARK(paneFill)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The yardstick: one setPlainText of the finished text.
void setPlainTextOnly(benchmark::State& state) {
    const DropdownSettings settings = menuOf(static_cast<int>(state.range(0)));
    const QString text = pageText(dropdownPage(settings));
    QPlainTextEdit pane;
    for (auto _ : state)
        pane.setPlainText(text);
}
BENCHMARK(setPlainTextOnly)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The tab's own commands on a long list, as the user meets them.
struct LongListTab {
    explicit LongListTab(int count) : tab(TabContext{}) { list->addItems(menuOf(count).entries); }
    template <typename T> T* control(const char* name) {
        return tab.findChild<T*>(QLatin1String(name));
    }
    DropdownTab tab;
    QListWidget* list = control<QListWidget>("ListBox1");
};

void tabAddItemAtStart(benchmark::State& state) {
    LongListTab fixture(static_cast<int>(state.range(0)));
    fixture.control<QRadioButton>("RadioButton1")->setChecked(true);
    auto* name = fixture.control<QLineEdit>("Edit3");
    auto* url = fixture.control<QLineEdit>("Edit4");
    auto* add = fixture.control<QPushButton>("button2");
    for (auto _ : state) {
        name->setText(QStringLiteral("New page"));
        url->setText(QStringLiteral("new.html"));
        add->click();
        state.PauseTiming();
        delete fixture.list->takeItem(0);
        state.ResumeTiming();
    }
}
BENCHMARK(tabAddItemAtStart)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void tabSort(benchmark::State& state) {
    LongListTab fixture(static_cast<int>(state.range(0)));
    auto* sort = fixture.control<QPushButton>("BitBtn5");
    for (auto _ : state)
        sort->click();
}
BENCHMARK(tabSort)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void tabMakeCode(benchmark::State& state) {
    LongListTab fixture(static_cast<int>(state.range(0)));
    auto* make = fixture.control<QPushButton>("BitBtn7");
    for (auto _ : state)
        make->click();
}
BENCHMARK(tabMakeCode)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
