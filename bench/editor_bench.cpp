// How the JS Editor copes with large scripts: opening, stripping the wrapper
// lines and inserting a snippet.
#include "bench/support.h"
#include "core/text_file.h"
#include "editor/editor_page.h"
#include "editor/editor_tab.h"
#include "widgets/tab_context.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QToolButton>
#include <benchmark/benchmark.h>

namespace {

// A script of about `kilobytes` KB in lines of ordinary length.
QString largeScript(int kilobytes) {
    const QString line =
        QStringLiteral("    total = total + values[index] * factor; // running sum\n");
    const qsizetype lines = qsizetype(kilobytes) * 1024 / line.size();
    QString text;
    text.reserve(lines * line.size() + 64);
    text += documentText({ScriptSkeleton.first(), ScriptSkeleton.at(1)});
    for (qsizetype i = 0; i < lines; ++i)
        text += line;
    return text + documentText({ScriptSkeleton.at(5), ScriptSkeleton.last()});
}

struct Editor {
    Editor() {
        installDesktop(&desktop);
        context.folders = ProgramFolders::portable(folder.path());
        tab = std::make_unique<EditorTab>(context);
        tab->resize(600, 340);
        tab->show();
        memo = tab->findChild<QPlainTextEdit*>(QStringLiteral("Memo21"));
        open = tab->findChild<QToolButton*>(QStringLiteral("ToolButton77"));
        strip = tab->findChild<QAction*>(QStringLiteral("StripHTML1"));
    }
    ~Editor() { installDesktop(nullptr); }

    BenchDesktop desktop;
    QTemporaryDir folder;
    TabContext context;
    std::unique_ptr<EditorTab> tab;
    QPlainTextEdit* memo;
    QToolButton* open;
    QAction* strip;
};

void BM_OpenScript(benchmark::State& state) {
    Editor editor;
    const QString path = QDir(editor.folder.path()).filePath(QStringLiteral("big.js"));
    QString error;
    writeFileAtomically(path, paneFileBytes(largeScript(int(state.range(0)))), &error);
    editor.desktop.openPath = path;
    for (auto _ : state) {
        editor.open->click();
        QApplication::processEvents();
    }
    if (!editor.desktop.notices.isEmpty())
        state.SkipWithError(qPrintable(editor.desktop.notices.first()));
}

// Minified or binary files: the whole text on one line.
void BM_OpenOneLongLine(benchmark::State& state) {
    Editor editor;
    const QString path = QDir(editor.folder.path()).filePath(QStringLiteral("min.js"));
    QString error;
    const QByteArray line(qsizetype(state.range(0)) * 1024, 'x');
    writeFileAtomically(path, line, &error);
    editor.desktop.openPath = path;
    for (auto _ : state) {
        editor.open->click();
        QApplication::processEvents();
    }
    if (!editor.desktop.notices.isEmpty())
        state.SkipWithError(qPrintable(editor.desktop.notices.first()));
}

void BM_StripWrapperLines(benchmark::State& state) {
    Editor editor;
    const QString script = largeScript(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        editor.memo->setPlainText(script);
        state.ResumeTiming();
        editor.strip->trigger();
        QApplication::processEvents();
    }
}

void BM_InsertSnippet(benchmark::State& state) {
    Editor editor;
    editor.memo->setPlainText(largeScript(int(state.range(0))));
    editor.memo->moveCursor(QTextCursor::Start);
    for (auto _ : state) {
        editor.tab->insertSnippet({QStringLiteral("var")}, SnippetInsertMode::ReplaceSelection);
        QApplication::processEvents();
    }
}

} // namespace

// Sizes in KB, up to the largest file the editor opens.
BENCHMARK(BM_OpenScript)->Arg(1024)->Arg(3900)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenOneLongLine)->Arg(256)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StripWrapperLines)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_InsertSnippet)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return runBenchmarks(argc, argv);
}
