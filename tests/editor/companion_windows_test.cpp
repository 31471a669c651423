#include "app/main_window_controls.h"
#include "editor/editor_controls.h"
#include "editor/reserved_words.h"
#include "editor/tag_palette.h"
#include "editor/tag_palette_controls.h"
#include "editor_fixture.h"
#include "support/find_control.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// Selects a tab the way a user does, on the tab strip.
void clickTab(EditorFixture& f, int index) {
    QTabBar* bar = findControl<QTabWidget>(f.mainWindow, main_window::controls::Tabs)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCOMPARE(findControl<QTabWidget>(f.mainWindow, main_window::controls::Tabs)->currentIndex(),
             index);
}

// Which companions are visible and which toggles are pressed.
QString state(const EditorFixture& f) {
    return QStringLiteral("inspector %1 %2, words %3 %4")
        .arg(f.inspector->isVisible() ? "shown" : "hidden",
             findControl<QToolButton>(f.tab, editor::controls::TagInspectorToggle)->isChecked()
                 ? "pressed"
                 : "released",
             f.words->isVisible() ? "shown" : "hidden",
             findControl<QToolButton>(f.tab, editor::controls::ReservedWordsToggle)->isChecked()
                 ? "pressed"
                 : "released");
}

const QString BothShown = QStringLiteral("inspector shown pressed, words shown pressed");
const QString BothClosed = QStringLiteral("inspector hidden released, words hidden released");

} // namespace

class CompanionWindowsTest final : public QObject {
    Q_OBJECT
private slots:
    void tabStripShowsAndClosesBoth();
    void togglesWorkOneWindowEach();
    void closeBoxesReleaseTheirToggles();
    void viewKeysFollowTheTabRule();
    void companionsAreToolWindowsAtTheirPlaces();
};

void CompanionWindowsTest::tabStripShowsAndClosesBoth() {
    EditorFixture f;
    QVERIFY(!f.inspector->isVisible() && !f.words->isVisible());
    clickTab(f, 4);
    QCOMPARE(state(f), BothShown);
    clickTab(f, 1);
    QCOMPARE(state(f), BothClosed);
    clickTab(f, 2);
    QCOMPARE(state(f), BothClosed);
    clickTab(f, 4);
    QCOMPARE(state(f), BothShown);
    // The tab change presses a toggle the user had released.
    findControl<QToolButton>(f.tab, editor::controls::TagInspectorToggle)->click();
    clickTab(f, 0);
    clickTab(f, 4);
    QCOMPARE(state(f), BothShown);
}

void CompanionWindowsTest::togglesWorkOneWindowEach() {
    EditorFixture f;
    clickTab(f, 4);
    findControl<QTabWidget>(f.inspector, tag_palette::controls::Pages)->setCurrentIndex(5);
    findControl<QToolButton>(f.tab, editor::controls::TagInspectorToggle)->click();
    QCOMPARE(state(f), QStringLiteral("inspector hidden released, words shown pressed"));
    findControl<QToolButton>(f.tab, editor::controls::ReservedWordsToggle)->click();
    QCOMPARE(state(f), BothClosed);
    findControl<QToolButton>(f.tab, editor::controls::TagInspectorToggle)->click();
    QCOMPARE(state(f), QStringLiteral("inspector shown pressed, words hidden released"));
    // Hiding keeps the page the user was on.
    QCOMPARE(findControl<QTabWidget>(f.inspector, tag_palette::controls::Pages)->currentIndex(), 5);
}

void CompanionWindowsTest::closeBoxesReleaseTheirToggles() {
    EditorFixture f;
    clickTab(f, 4);
    f.inspector->close();
    QCOMPARE(state(f), QStringLiteral("inspector hidden released, words shown pressed"));
    f.words->close();
    QCOMPARE(state(f), BothClosed);
    findControl<QToolButton>(f.tab, editor::controls::ReservedWordsToggle)->click();
    QCOMPARE(state(f), QStringLiteral("inspector hidden released, words shown pressed"));
}

// A View key is a tab change like any other: the editor comes with its
// companions, another tab closes them.
void CompanionWindowsTest::viewKeysFollowTheTabRule() {
    EditorFixture f;
    f.mainWindow->activateWindow();
    QTest::keyClick(f.mainWindow, Qt::Key_F6);
    QCOMPARE(findControl<QTabWidget>(f.mainWindow, main_window::controls::Tabs)->currentIndex(), 4);
    QCOMPARE(state(f), BothShown);
    findControl<QToolButton>(f.tab, editor::controls::ReservedWordsToggle)->click();
    QCOMPARE(state(f), QStringLiteral("inspector shown pressed, words hidden released"));

    QTest::keyClick(f.mainWindow, Qt::Key_F2);
    QCOMPARE(findControl<QTabWidget>(f.mainWindow, main_window::controls::Tabs)->currentIndex(), 0);
    QCOMPARE(state(f), BothClosed);
}

void CompanionWindowsTest::companionsAreToolWindowsAtTheirPlaces() {
    EditorFixture f;
    const struct {
        QWidget* window;
        const char* caption;
        QSize size;
        QPoint position;
    } expected[] = {{f.inspector, "Tag Inspector", QSize(538, 57), QPoint(198, 46)},
                    {f.words, "Reserved Words", QSize(160, 201), QPoint(406, 170)}};
    for (const auto& window : expected) {
        QCOMPARE(window.window->windowTitle(), QLatin1String(window.caption));
        QCOMPARE(window.window->size(), window.size);
        QCOMPARE(window.window->pos(), window.position);
        QCOMPARE(window.window->windowType(), Qt::Tool);
        QCOMPARE(window.window->parentWidget(), f.mainWindow);
    }
}

QTEST_MAIN(CompanionWindowsTest)
#include "companion_windows_test.moc"
