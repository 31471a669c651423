#include "app/command_line.h"

#include <QDir>
#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void argumentsDecideWhetherTheWindowOpens_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("run");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // the start of what is printed
        QTest::addColumn<QString>("file");
        const QString cwd = QDir::currentPath();
        QTest::newRow("nothing") << QStringList{} << true << 0 << ""
                                 << "";
        QTest::newRow("--help") << QStringList{"--help"} << false << 0
                                << "Usage: quillmint [options] [file]"
                                << "";
        QTest::newRow("-h") << QStringList{"-h"} << false << 0 << "Usage: quillmint"
                            << "";
        QTest::newRow("--version") << QStringList{"--version"} << false << 0 << "Quillmint 1.0\n"
                                   << "";
        QTest::newRow("-v") << QStringList{"-v"} << false << 0 << "Quillmint 1.0\n"
                            << "";
        QTest::newRow("unknown") << QStringList{"--colour"} << false << 2
                                 << "quillmint: Unknown option 'colour'."
                                 << "";
        QTest::newRow("two files")
            << QStringList{"a.js", "b.js"} << false << 2 << "quillmint: Only one file"
            << "";
        QTest::newRow("relative file")
            << QStringList{"pages/menu.html"} << true << 0 << "" << cwd + "/pages/menu.html";
        QTest::newRow("absolute file") << QStringList{"/srv/a b.js"} << true << 0 << ""
                                       << "/srv/a b.js";
        QTest::newRow("toolkit options pass")
            << QStringList{"-platform", "offscreen", "-style", "fusion", "x.js"} << true << 0 << ""
            << cwd + "/x.js";
    }
    void argumentsDecideWhetherTheWindowOpens() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, run);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFETCH(QString, file);
        const CommandLine command = parseCommandLine(QStringList{"/usr/bin/quillmint"} + arguments);
        QCOMPARE(command.run, run);
        QCOMPARE(command.exitCode, exitCode);
        if (!message.isEmpty())
            QVERIFY2(command.message.startsWith(message), qPrintable(command.message));
        QCOMPARE(command.message.isEmpty(), run);
        QCOMPARE(command.file, file);
    }

    void projectCommandsNeedNoWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("message"); // the start of a usage error
        const int build = int(CommandLine::Action::Build);
        const int publish = int(CommandLine::Action::Publish);
        QTest::newRow("build") << QStringList{"build", "p.quillmint"} << build << "";
        QTest::newRow("build one tool")
            << QStringList{"build", "p.quillmint", "--tool", "popup", "--modern", "-o", "x.html"}
            << build << "";
        QTest::newRow("publish") << QStringList{"publish", "p.quillmint", "site"} << publish << "";
        QTest::newRow("unknown tool")
            << QStringList{"build", "p.quillmint", "--tool", "menu"} << 0
            << "quillmint: --tool takes one of dropdown, popup, mouseover, slideshow.";
        QTest::newRow("both modes") << QStringList{"build", "p.quillmint", "--classic", "--modern"}
                                    << 0 << "quillmint: --classic and --modern exclude each other.";
        QTest::newRow("no project") << QStringList{"build"} << 0 << "quillmint: build takes one";
        QTest::newRow("no folder")
            << QStringList{"publish", "p.quillmint"} << 0 << "quillmint: publish takes";
        QTest::newRow("publish optimised")
            << QStringList{"publish",           "p.quillmint",  "site",
                           "--optimise-images", "--image-size", "1280"}
            << publish << "";
        QTest::newRow("image size alone")
            << QStringList{"publish", "p.quillmint", "site", "--image-size", "1280"} << 0
            << "quillmint: --image-size goes with --optimise-images.";
        QTest::newRow("optimised classic")
            << QStringList{"publish", "p.quillmint", "site", "--optimise-images", "--classic"} << 0
            << "quillmint: --optimise-images needs the modern output.";
        QTest::newRow("image size too small")
            << QStringList{"publish",           "p.quillmint",  "site",
                           "--optimise-images", "--image-size", "20"}
            << 0 << "quillmint: --image-size takes a number of pixels from 100 to 8192.";
        QTest::newRow("optimise with build")
            << QStringList{"build", "p.quillmint", "--optimise-images"} << 0
            << "quillmint: build: Unknown option 'optimise-images'.";
        QTest::newRow("-o with publish") << QStringList{"publish", "p.quillmint", "site", "-o", "x"}
                                         << 0 << "quillmint: publish: Unknown option 'o'.";
    }
    void projectCommandsNeedNoWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, message);
        const CommandLine command = parseCommandLine(QStringList{"quillmint"} + arguments);
        QVERIFY(!command.run);
        QCOMPARE(int(command.action), action);
        QCOMPARE(command.exitCode, message.isEmpty() ? 0 : 2);
        QVERIFY2(message.isEmpty() ? command.message.isEmpty()
                                   : command.message.startsWith(message),
                 qPrintable(command.message));
        if (action == int(CommandLine::Action::Build) && arguments.contains("--tool")) {
            QCOMPARE(command.tool, "popup");
            QCOMPARE(command.modern, true);
            QCOMPARE(command.output, QDir::current().absoluteFilePath("x.html"));
        }
        if (action == int(CommandLine::Action::Publish)) {
            QCOMPARE(command.folder, QDir::current().absoluteFilePath("site"));
            QCOMPARE(command.webImageEdge, arguments.contains("--optimise-images") ? 1280 : 0);
        }
    }

    void usageErrorsPointToTheHelp() {
        const CommandLine command = parseCommandLine({"quillmint", "--bogus"});
        QVERIFY(command.message.endsWith("Try 'quillmint --help' for more information.\n"));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
