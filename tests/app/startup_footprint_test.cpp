#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>

namespace {

// Whether the process has a handler for SIGTERM, i.e. main() is running.
bool catchesSigterm(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

} // namespace

// What the real program loads at start-up.
class StartupFootprintTest : public QObject {
    Q_OBJECT
private slots:
    // The sound libraries wait for the first audition, printing for the first
    // Print and the image library for the first optimising Publish; the tool-bar pictures are
    // bitmaps, so no drawing's icon engine is loaded either.
    void startsWithoutWhatTheFirstFrameDoesNotNeed() {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(QUILLMINT_BIN_DIR "/quillmint"), {});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(catchesSigterm(program.processId()), 60000);
        QTest::qWait(500);
        QFile maps(QStringLiteral("/proc/%1/maps").arg(program.processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray loaded = maps.readAll();
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QVERIFY(loaded.contains("libQt6Widgets"));
        for (const char* library :
             {"libQt6Multimedia", "libfluidsynth", "quillmint-sound", "libQt6PrintSupport",
              "quillmint-print", "libqsvgicon", "libvips", "quillmint-images"})
            QVERIFY2(!loaded.contains(library), library);
    }
};

QTEST_GUILESS_MAIN(StartupFootprintTest)
#include "startup_footprint_test.moc"
