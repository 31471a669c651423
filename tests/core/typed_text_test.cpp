#include "core/page_text.h"
#include "core/typed_text.h"
#include "core/web_escape.h"
#include "makers/dropdown/dropdown_modern_page.h"
#include "makers/mouseover/mouseover_modern_page.h"
#include "makers/popup/popup_modern_page.h"
#include "makers/slideshow/slideshow_modern_page.h"
#include "support/modern_page_checks.h"

#include <QTest>
#include <functional>

namespace {

using web::PageKind;

const QChar High(0xD800);
const QChar Low(0xDC00);
const QChar Replacement(QChar::ReplacementCharacter);
// A regular expression matches nothing in text that holds a lone surrogate,
// so this address once passed for a file name.
const QString ScriptAddress = QStringLiteral("javascript:alert(1)//") + High;

// The classic and the modern page, with `address` typed where the page's
// addresses go and `text` where its shown texts go.
using PageOf =
    std::function<std::pair<QStringList, QStringList>(const QString& address, const QString& text)>;

const QList<std::pair<const char*, PageOf>> Pages = {
    {"dropdown",
     [](const QString& address, const QString& text) {
         DropdownSettings s;
         s.fullPage = true;
         s.goText = text;
         s.entries = {text + QStringLiteral(" [") + address + QLatin1Char(']')};
         return std::pair(dropdownPage(s), modernDropdownPage(s));
     }},
    {"popup",
     [](const QString& address, const QString& text) {
         PopupSettings s;
         s.url = address;
         s.statusText = text;
         s.medium = PopupSettings::LaunchMedium::ImageLink;
         s.imagePath = address;
         return std::pair(popupPage(s), modernPopupPage(s));
     }},
    {"mouseover",
     [](const QString& address, const QString& text) {
         MouseOverSettings s;
         s.url = address;
         s.initialImage = s.mouseOverImage = address;
         s.statusText = s.alternateText = text;
         const MouseOverButtonLines classic = mouseOverButton(s, {});
         const MouseOverButtonLines modern = modernMouseOverButton(s, {});
         return std::pair(classic.headLines + classic.bodyLines,
                          modernMouseOverHeadLines() + modern.headLines +
                              modernMouseOverScriptLines() + modern.bodyLines +
                              modernMouseOverClosingLines());
     }},
    {"slideshow",
     [](const QString& address, const QString& text) {
         SlideshowSettings s;
         s.images = {address};
         s.initialImage = s.backgroundImage = s.sound = address;
         s.playSound = s.rightClickDisable = true;
         s.pageTitle = s.headingText = s.rightClickMessage = text;
         return std::pair(slideshowPage(s).lines, modernSlideshowPage(s).lines);
     }},
};

} // namespace

Q_DECLARE_METATYPE(PageOf)

class TypedTextTest final : public QObject {
    Q_OBJECT

private slots:
    void refusedCharactersBecomeReplacements_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("classic");
        QTest::addColumn<QString>("modern");
        const QString pair = QString(High) + Low;
        QTest::newRow("valid text untouched")
            << QStringLiteral("été 😀\t\r\n") << QStringLiteral("été 😀\t\r\n")
            << QStringLiteral("été 😀\t\r\n");
        QTest::newRow("lone high, lone low, reversed pair")
            << QString(High) + "a" + Low + Low + High + pair + High
            << QString(Replacement) + "a" + Replacement + Replacement + Replacement + pair +
                   Replacement
            << QString(Replacement) + "a" + Replacement + Replacement + Replacement + pair +
                   Replacement;
        QTest::newRow("controls only in a modern page")
            << QStringLiteral("a\x01\x1F\x7F") << QStringLiteral("a\x01\x1F\x7F")
            << QString("a") + Replacement + Replacement + Replacement;
    }

    void refusedCharactersBecomeReplacements() {
        QFETCH(QString, typed);
        QFETCH(QString, classic);
        QFETCH(QString, modern);
        QCOMPARE(web::validText(typed, PageKind::Classic), classic);
        QCOMPARE(web::validText(typed, PageKind::Modern), modern);
    }

    void schemeSurvivesALoneSurrogate() {
        QCOMPARE(web::url(ScriptAddress), QStringLiteral("javascript%3Aalert(1)//%3F"));
    }

    // A menu entry from a file need not end in "]": its last character may
    // be a pair, which the split must not cut in half.
    void splittingAnEntryKeepsPairsWhole() {
        const MenuEntry parts = splitEntry(QStringLiteral("a😀[b😀"));
        QCOMPARE(parts.name, QStringLiteral("a"));
        QCOMPARE(parts.url, QStringLiteral("b"));
    }

    void everyPagePassesTheGate_data() {
        QTest::addColumn<PageOf>("pages");
        for (const auto& [name, pages] : Pages)
            QTest::newRow(name) << pages;
    }

    // No page holds a lone surrogate or runs a typed script address; a
    // modern page holds no stray control and reads as sound markup.
    void everyPagePassesTheGate() {
        QFETCH(PageOf, pages);
        const QString text = QStringLiteral("a\x01") + High + HostileText + Low;
        const auto [classicLines, modernLines] = pages(ScriptAddress, text);
        const QString classic = pageText(classicLines, LastLine::Open);
        const QString modern = pageText(modernLines, LastLine::Open);
        QCOMPARE(web::validText(classic, PageKind::Classic), classic);
        QCOMPARE(web::validText(modern, PageKind::Modern), modern);
        QVERIFY(modern.contains(QStringLiteral("a\uFFFD\uFFFD")));
        const PageReading reading = readModernPage(modernLines, true);
        QVERIFY2(reading.problems.isEmpty(), qPrintable(reading.problems.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TypedTextTest)
#include "typed_text_test.moc"
