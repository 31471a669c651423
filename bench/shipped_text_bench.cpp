// How long the windows wait on damaged shipped files and long field text: a
// 5 MB line or a million words in tags.txt, a 5 MB line in every tip, and
// long pastes into a single-line field.
#include "app/application_windows.h"
#include "app/main_window.h"
#include "bench/support.h"
#include "core/text_file.h"
#include "editor/reserved_words.h"
#include "guidance/tip_window.h"
#include "widgets/single_line_fields.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QString error;
    writeFileAtomically(path, bytes, &error);
}

// A program folder whose tags.txt and tips are damaged as `tags` and `tip`
// say, with every window created in it.
struct Program {
    Program(const QByteArray& tags, const QByteArray& tip) {
        installDesktop(&desktop);
        write(folder.filePath("prefs.cfg"), QByteArray(84, '\0'));
        write(folder.filePath("tags.txt"), tags);
        for (int n = 1; n <= TipCount; ++n)
            write(folder.filePath(QStringLiteral("tips/%1.txt").arg(n)), tip);
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        windows = std::make_unique<ApplicationWindows>();
        windows->mainWindow->show();
    }
    ~Program() {
        windows.reset();
        QDir::setCurrent(previous);
        installDesktop(nullptr);
    }

    BenchDesktop desktop;
    QTemporaryDir folder;
    QString previous;
    std::unique_ptr<ApplicationWindows> windows;
};

const QByteArray FiveMegabyteLine(5 * 1024 * 1024, 'w');

QByteArray millionWords() {
    QByteArray words;
    for (int i = 0; i < 1000 * 1000; ++i)
        words += "document\r\n";
    return words;
}

// Showing the Reserved Words window: 0 = one 5 MB line, 1 = a million words.
void BM_ShowReservedWords(benchmark::State& state) {
    Program program(state.range(0) == 0 ? "if\r\n" + FiveMegabyteLine : millionWords(), "tip");
    for (auto _ : state) {
        program.windows->reservedWords->hide();
        program.windows->reservedWords->show();
        QApplication::processEvents();
    }
}

// "Next Tip >>" with a 5 MB line in every tip, the window shown.
void BM_NextTip(benchmark::State& state) {
    Program program("if", "Did you know\r\n" + FiveMegabyteLine);
    program.windows->tipWindow->show();
    for (auto _ : state) {
        program.windows->tipWindow->findChild<QPushButton*>("Button1")->click();
        QApplication::processEvents();
    }
}

// Pasting `range(0)` characters into a shown single-line field.
void BM_PasteIntoField(benchmark::State& state) {
    QLineEdit field;
    keepSingleLine(&field);
    field.show();
    QApplication::clipboard()->setText(QString(state.range(0), QLatin1Char('x')));
    for (auto _ : state) {
        field.clear();
        field.paste();
        QApplication::processEvents();
    }
}

// One key typed into a field that then holds `range(0)` characters.
void BM_TypeIntoLongField(benchmark::State& state) {
    BenchDesktop desktop;
    installDesktop(&desktop);
    QLineEdit field;
    keepSingleLine(&field);
    field.show();
    field.setText(QString(state.range(0) - 1, QLatin1Char('x')));
    for (auto _ : state) {
        field.insert(QStringLiteral("y"));
        field.backspace();
        QApplication::processEvents();
    }
    if (!desktop.notices.isEmpty())
        state.SkipWithError(qPrintable(desktop.notices.first()));
    installDesktop(nullptr);
}

} // namespace

BENCHMARK(BM_ShowReservedWords)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_NextTip)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PasteIntoField)->Arg(100000)->Arg(MaxLineLength)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeIntoLongField)->Arg(100000)->Arg(MaxLineLength)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
