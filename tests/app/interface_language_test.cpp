#include "app/interface_language.h"

#include <QCoreApplication>
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

    // Any English variant reads nothing; any German one does.
    void englishVariants() {
        QVERIFY(speaksEnglish(QLocale(QStringLiteral("en_GB"))));
        QVERIFY(!speaksEnglish(QLocale(QStringLiteral("de_CH"))));
    }
};

QTEST_GUILESS_MAIN(InterfaceLanguageTest)
#include "interface_language_test.moc"
