#include "support/fake_desktop.h"
#include "support/test_files.h"
#include "widgets/background_save.h"
#include "widgets/file_requests.h"
#include "widgets/output_commands.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>

namespace {

// `times` the size that goes to the save thread, in lines as pages have them.
QString largeText(char letter, int times = 2) {
    return QString(QStringLiteral("<p>%1</p>\n").arg(QString(70, QLatin1Char(letter))))
        .repeated(times * BackgroundSaveChars / 78);
}

// The child's text: its save takes a while, so a kill may fall into it.
QString childText(char letter) {
    return largeText(letter, 32);
}

// One tab's output commands on a pane holding `text`.
struct Outputs {
    explicit Outputs(const QString& text) : commands(setup(), QDir::tempPath(), nullptr) {
        pane.setPlainText(text);
    }
    OutputSetup setup() {
        OutputSetup setup;
        setup.pane = &pane;
        setup.htmlDialog =
            htmlSaveRequest(QStringLiteral("SaveDialog"), QStringLiteral("HTML (*.html)"));
        return setup;
    }
    QPlainTextEdit pane;
    OutputCommands commands;
};

// The program in a child process: saves a large pane as HTML over `path`,
// says so on its output, then either waits to be killed or quits at once.
int saveInChild(const QString& path, bool quit) {
    FakeDesktop fake;
    fake.saveAnswers = {path};
    Outputs outputs(childText('n'));
    outputs.commands.saveAsHtml();
    std::puts("saving");
    std::fflush(stdout);
    if (quit)
        return 0; // the application object goes now, and finishes the save first
    return QApplication::exec();
}

} // namespace

class BackgroundSaveTest final : public QObject {
    Q_OBJECT
private slots:
    // The saved-page memory and the completion signal follow the commit,
    // never the click.
    void theSavedFlagWaitsForTheCommit_data() {
        QTest::addColumn<bool>("writable");
        QTest::newRow("committed") << true;
        QTest::newRow("failed") << false;
    }
    void theSavedFlagWaitsForTheCommit() {
        QFETCH(bool, writable);
        QTemporaryDir folder;
        writeBytes(folder.filePath("in-the-way"), "a file, not a folder");
        const QString path = folder.filePath(writable ? "page.html" : "in-the-way/page.html");
        FakeDesktop fake;
        fake.saveAnswers = {path};
        Outputs outputs(largeText('n'));
        QSignalSpy saved(&outputs.commands, &OutputCommands::saved);
        outputs.commands.saveAsHtml();
        QCOMPARE(outputs.commands.savedFlag(), QStringLiteral("No"));
        finishSaves();
        QCOMPARE(outputs.commands.savedFlag(), QString(writable ? "Yes" : "No"));
        QCOMPARE(saved.size(), writable ? 1 : 0);
        QCOMPARE(fake.notices.size(), writable ? 0 : 1);
        if (writable)
            QCOMPARE(readBytes(path), htmlFileBytes(largeText('n')));
    }

    // Killed at any moment of a save, or quitting during one, the program
    // leaves the old file or the new one, complete.
    void aSaveEndsWithTheOldOrTheNewFile_data() {
        QTest::addColumn<int>("killAfterMs");
        for (int ms : {0, 5, 20, 60, 150})
            QTest::addRow("killed after %d ms", ms) << ms;
        QTest::newRow("quit") << -1;
    }
    void aSaveEndsWithTheOldOrTheNewFile() {
        QFETCH(int, killAfterMs);
        QTemporaryDir folder;
        const QString path = folder.filePath("page.html");
        const QByteArray old = htmlFileBytes(childText('o'));
        writeBytes(path, old);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {killAfterMs < 0 ? "--quit-while-saving" : "--save-until-killed", path});
        QVERIFY(child.waitForReadyRead(60000));
        if (killAfterMs >= 0) {
            QTest::qWait(killAfterMs);
            child.kill();
        }
        QVERIFY(child.waitForFinished(60000));
        const QByteArray now = readBytes(path);
        if (killAfterMs < 0)
            QCOMPARE(now, htmlFileBytes(childText('n')));
        else
            QVERIFY(now == old || now == htmlFileBytes(childText('n')));
    }
};

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments[1].startsWith("--"))
        return saveInChild(arguments[2], arguments[1] == "--quit-while-saving");
    BackgroundSaveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "background_save_test.moc"
