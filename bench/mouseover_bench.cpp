// The MouseOver document grows one button at a time: adding a button must
// cost the same however long the page already is, and assembling it must
// stay quick with thousands of buttons.

#include "bench/support.h"
#include "makers/mouseover/mouseover_tab.h"
#include "widgets/edit_actions.h"
#include "widgets/tab_context.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Document {
    EditActions actions{nullptr};
    std::unique_ptr<MouseOverTab> tab;
    QList<QLineEdit*> fields;
    QPlainTextEdit* body = nullptr;
    QPlainTextEdit* page = nullptr;
    QPushButton* addImage = nullptr;
    QPushButton* copy = nullptr;

    explicit Document(int buttons) {
        TabContext context;
        context.editActions = &actions;
        tab = std::make_unique<MouseOverTab>(context);
        tab->resize(610, 360);
        tab->show();
        for (const char* name : {"Edit10", "Edit11", "Edit12", "Edit13", "Edit14"})
            fields.append(tab->findChild<QLineEdit*>(QLatin1String(name)));
        body = tab->findChild<QPlainTextEdit*>(QStringLiteral("Memo8"));
        page = tab->findChild<QPlainTextEdit*>(QStringLiteral("Memo9"));
        addImage = tab->findChild<QPushButton*>(QStringLiteral("BitBtn14"));
        copy = tab->findChild<QPushButton*>(QStringLiteral("BitBtn12"));
        for (int n = 0; n < buttons; ++n)
            addButton();
    }

    void addButton() {
        fields[0]->setText(QStringLiteral("images/buttons/home_normal.gif"));
        fields[1]->setText(QStringLiteral("images/buttons/home_highlighted.gif"));
        fields[2]->setText(QStringLiteral("Back to the home page"));
        fields[3]->setText(QStringLiteral("Home"));
        fields[4]->setText(QStringLiteral("https://example.org/index.html"));
        addImage->click();
    }
};

// One more button on a page that already holds `range(0)` buttons.
void addOneButton(benchmark::State& state) {
    Document document(static_cast<int>(state.range(0)));
    for (auto _ : state)
        document.addButton();
    benchmark::DoNotOptimize(document.body->blockCount());
}
BENCHMARK(addOneButton)->Arg(0)->Arg(1000)->Arg(5000)->Unit(benchmark::kMicrosecond);

// A whole document of `range(0)` buttons, typed in from a new page.
void buildDocument(benchmark::State& state) {
    for (auto _ : state) {
        Document document(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(document.body->blockCount());
    }
}
BENCHMARK(buildDocument)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

// Copy To Clipboard: assemble the three panes into the page pane and copy it.
void copyPage(benchmark::State& state) {
    Document document(static_cast<int>(state.range(0)));
    for (auto _ : state)
        document.copy->click();
    benchmark::DoNotOptimize(document.page->blockCount());
}
BENCHMARK(copyPage)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
