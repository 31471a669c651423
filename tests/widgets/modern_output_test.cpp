#include "support/fake_desktop.h"
#include "support/test_files.h"
#include "widgets/modern_output.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class ModernOutputTest final : public QObject {
    Q_OBJECT

private slots:
    void offUntilCheckedThenRemembered() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("config/quillmint/output.cfg"));
        FakeDesktop fake;
        {
            ModernOutput choice(file, nullptr);
            QAction* action = choice.action();
            QCOMPARE(action->objectName(), QStringLiteral("ModernOutput"));
            QCOMPARE(action->text(), QStringLiteral("Modern HTML5 Output"));
            QCOMPARE(action->toolTip(), QStringLiteral("Modern HTML5 Output"));
            QCOMPARE(action->statusTip(),
                     QStringLiteral("Generate standards-mode HTML5 pages that work in today's "
                                    "browsers"));
            QVERIFY(action->isCheckable());
            QVERIFY(!choice.isOn());

            QSignalSpy switched(&choice, &ModernOutput::switched);
            action->trigger();
            QCOMPARE(switched.size(), 1);
            QCOMPARE(switched.first().first().toBool(), true);
            QCOMPARE(readBytes(file), QByteArray("modern\r\n"));
        }
        QVERIFY(ModernOutput(file, nullptr).isOn());
        {
            ModernOutput choice(file, nullptr);
            choice.action()->trigger();
        }
        QVERIFY(!ModernOutput(file, nullptr).isOn());
        QVERIFY(fake.notices.isEmpty());

        writeBytes(file, "Modern? yes\r\n");
        QVERIFY(!ModernOutput(file, nullptr).isOn());
    }

    void separateFilesOnlyWithModernOutput() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("output.cfg"));
        FakeDesktop fake;
        {
            ModernOutput choice(file, nullptr);
            QAction* separate = choice.separateFilesAction();
            QCOMPARE(separate->objectName(), QStringLiteral("SeparateFiles"));
            QCOMPARE(separate->text(), QStringLiteral("Separate CSS and JavaScript files"));
            QVERIFY(separate->isCheckable() && !separate->isChecked() && !separate->isEnabled());
            choice.action()->trigger();
            separate->trigger();
            QVERIFY(choice.separateFiles());
            QCOMPARE(readBytes(file), QByteArray("modern\r\nseparate files\r\n"));
            choice.action()->trigger();
            QVERIFY(!choice.separateFiles() && !separate->isEnabled());
        }
        ModernOutput again(file, nullptr);
        QVERIFY(!again.isOn() && again.separateFilesAction()->isChecked());
        again.action()->trigger();
        QVERIFY(again.separateFiles());
    }

    // A link in place of the choice file is replaced, never written through.
    void aLinkedChoiceFileIsReplaced() {
        QTemporaryDir folder;
        const QString target = folder.filePath(QStringLiteral("someone.txt"));
        const QString file = folder.filePath(QStringLiteral("output.cfg"));
        writeBytes(target, "someone's text");
        QVERIFY(QFile::link(target, file));
        FakeDesktop fake;
        ModernOutput(file, nullptr).action()->trigger();
        QCOMPARE(readBytes(target), QByteArray("someone's text"));
        QVERIFY(!QFileInfo(file).isSymLink());
        QCOMPARE(readBytes(file), QByteArray("modern\r\n"));
    }

    void choiceThatCannotBeKeptStillHoldsForTheRun() {
        QTemporaryDir folder;
        writeBytes(folder.filePath(QStringLiteral("quillmint")), "a file, not a folder");
        const QString file = folder.filePath(QStringLiteral("quillmint/output.cfg"));
        FakeDesktop fake;
        ModernOutput choice(file, nullptr);
        choice.action()->trigger();
        QVERIFY(choice.isOn());
        QCOMPARE(fake.notices.size(), 1);
        QCOMPARE(fake.notices.first().kind, NoticeKind::Error);
        QVERIFY(fake.notices.first().text.contains(file));
    }

    void keptInTheUsersConfigurationFolder() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(ModernOutput::defaultChoiceFile().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/"));
        QVERIFY(ModernOutput::defaultChoiceFile().endsWith("/quillmint/output.cfg"));
    }
};

QTEST_MAIN(ModernOutputTest)
#include "modern_output_test.moc"
