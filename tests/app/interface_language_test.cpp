#include "app/interface_language.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

// The catalogue follows the desktop's language; English reads nothing.
class InterfaceLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void followsTheDesktop_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("newShown");
        QTest::newRow("English") << "en_US"
                                 << ""
                                 << "&New";
        QTest::newRow("C") << "C"
                           << ""
                           << "&New";
        QTest::newRow("German") << "de_DE"
                                << "de_DE"
                                << "&Neu";
        QTest::newRow("Austrian German") << "de_AT"
                                         << "de_DE"
                                         << "&Neu";
        QTest::newRow("no catalogue") << "fr_FR"
                                      << ""
                                      << "&New";
    }

    void followsTheDesktop() {
        QFETCH(QString, locale);
        QFETCH(QString, loaded);
        QFETCH(QString, newShown);
        const InterfaceLanguage language(QStringLiteral(QUILLMINT_CATALOGUES), QLocale(locale));
        QCOMPARE(language.language(), loaded);
        QCOMPARE(QCoreApplication::translate("MainWindow", "&New"), newShown);
    }

    // The real program reads its catalogue before its arguments: help and
    // usage errors in German, the usage line still naming it as called, and
    // English exactly as it always was.
    void commandLineFollowsTheDesktop_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("printed"); // its start
        QTest::newRow("German help") << "de_DE.UTF-8" << QStringList{"--help"}
                                     << "Aufruf: quillmint [Optionen] [Datei]\nSchreibt HTML";
        QTest::newRow("English help")
            << "C" << QStringList{"--help"} << "Usage: quillmint [options] [file]\nWrites the HTML";
        QTest::newRow("German error")
            << "de_DE.UTF-8" << QStringList{"a.js", "b.js"} << "quillmint: Es kann nur eine Datei";
        QTest::newRow("German build") << "de_DE.UTF-8" << QStringList{"build"}
                                      << "quillmint: build nimmt eine Projektdatei.\n"
                                         "»quillmint --help«";
    }
    void commandLineFollowsTheDesktop() {
        QFETCH(QString, lang);
        QFETCH(QStringList, arguments);
        QFETCH(QString, printed);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("LANG"), lang);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(QUILLMINT_BIN_DIR "/quillmint"), arguments);
        QVERIFY(program.waitForFinished(60000));
        const QString output =
            QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        QVERIFY2(output.startsWith(printed), qPrintable(output));
    }

    // Any English variant reads nothing; any German one does.
    void englishVariants() {
        QVERIFY(speaksEnglish(QLocale(QStringLiteral("en_GB"))));
        QVERIFY(!speaksEnglish(QLocale(QStringLiteral("de_CH"))));
    }
};

QTEST_GUILESS_MAIN(InterfaceLanguageTest)
#include "interface_language_test.moc"
