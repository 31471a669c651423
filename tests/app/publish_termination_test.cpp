#include "support/test_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real program, publishing slowly through its test hook, is sent SIGTERM.
class PublishTerminationTest : public QObject {
    Q_OBJECT
private slots:
    void aTerminationSignalStopsPublishAsCancelDoesAndEndsTheProgram() {
        QTemporaryDir dir;
        const QString site = dir.filePath(QStringLiteral("site"));
        QVERIFY(QDir().mkpath(site));
        QByteArray list = QFile::encodeName(site + QStringLiteral("/show.html")) + '\n';
        QStringList names;
        for (int n = 0; n < 8; ++n) {
            names << QStringLiteral("picture %1.jpg").arg(n);
            const QString source = dir.filePath(names.last());
            writeBytes(source, QByteArray(256 * 1024, char('a' + n)));
            list += QFile::encodeName(source) + '\n';
        }
        writeBytes(dir.filePath(QStringLiteral("publish.txt")), list);

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QUILLMINT_TEST_PUBLISH", dir.filePath(QStringLiteral("publish.txt")));
        // A third of a second per file: about 2.6 s for all of them.
        environment.insert("QUILLMINT_TEST_PUBLISH_PACE", "16384:20");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(QUILLMINT_BIN_DIR "/quillmint"), {});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(site + u'/' + names.first()), 60000);

        QElapsedTimer sinceSignal;
        sinceSignal.start();
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QVERIFY2(sinceSignal.elapsed() < 1000, qPrintable(QString::number(sinceSignal.elapsed())));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        // Complete copies only, no hidden partial one and no page.
        const QStringList left = QDir(site).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QVERIFY2(!left.isEmpty() && left.size() < names.size(), qPrintable(left.join(u'|')));
        for (const QString& name : left) {
            QVERIFY2(names.contains(name), qPrintable(name));
            QCOMPARE(readBytes(site + u'/' + name),
                     QByteArray(256 * 1024, char('a' + names.indexOf(name))));
        }
    }
};

QTEST_GUILESS_MAIN(PublishTerminationTest)
#include "publish_termination_test.moc"
