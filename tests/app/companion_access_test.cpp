#include "app/main_window.h"
#include "editor/reserved_words_controls.h"
#include "editor/tag_palette_controls.h"
#include "guidance/tip_window_controls.h"
#include "guidance/wizard_window_controls.h"
#include "support/find_control.h"
#include "support/test_files.h"
#include "support/window_fixture.h"
#include "widgets/contrast.h"

#include <QAccessible>
#include <QApplication>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>

namespace {

namespace tip = tip_window::controls;
namespace wizard = wizard_window::controls;

// A dark desktop theme: light text on dark grey, a mid-blue link.
QPalette darkPalette() {
    QPalette dark;
    const QColor grey(53, 53, 53);
    for (const auto role : {QPalette::Window, QPalette::Button})
        dark.setColor(role, grey);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    return dark;
}

QString accessibleName(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// The controls of the tip window, the wizard and the About box, in Tab order.
const struct {
    const char* window;
    QStringList controls;
} Chains[] = {
    {tip::Window, {tip::Tip, tip::ShowAtStartup, tip::NextTip, tip::Close}},
    {wizard::Window, {wizard::Text, wizard::Previous, wizard::Next, wizard::Close}},
    {"AboutBox", {"AboutLink", "AboutCloseButton"}},
};

} // namespace

class CompanionAccessTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> app;
    QPalette lightPalette;

    QWidget* window(const char* name) { return findControl<QWidget>(app->window(), name); }

private slots:
    void initTestCase() { lightPalette = QApplication::palette(); }
    void init() { app = std::make_unique<WindowFixture>(WindowFixture::Tabs::AsStarted); }
    void cleanup() {
        app.reset();
        QApplication::setPalette(lightPalette);
    }

    void controlsHaveDistinctNamesInTabOrder() {
        for (const auto& chain : Chains) {
            QWidget* owner = window(chain.window);
            QStringList names;
            QList<QWidget*> order;
            for (const QString& name : chain.controls) {
                QWidget* control = findControl<QWidget>(owner, name);
                const QString spoken = accessibleName(control);
                QVERIFY2(spoken.size() > 1 && !names.contains(spoken), qPrintable(name));
                names << spoken;
                QVERIFY2(control->focusPolicy() & Qt::TabFocus, qPrintable(name));
                order << control;
            }
            // Each control follows the one before it in the focus chain.
            for (qsizetype i = 1; i < order.size(); ++i) {
                QWidget* next = order[i - 1]->nextInFocusChain();
                while (next != order[i] && next != order[i - 1] && !next->isWindow() &&
                       !(next->focusPolicy() & Qt::TabFocus))
                    next = next->nextInFocusChain();
                QVERIFY2(next == order[i],
                         qPrintable(QLatin1String(chain.window) + ": " + chain.controls[i]));
            }
        }
    }

    // Read-only texts read as text, and the step label and the link stay
    // readable, in the default palette and in a dark one.
    void textsReadInLightAndDarkPalettes() {
        for (const QPalette& palette : {lightPalette, darkPalette()}) {
            QApplication::setPalette(palette);
            for (const auto& [owner, name] :
                 {std::pair{tip::Window, tip::Tip}, std::pair{wizard::Window, wizard::Text}}) {
                auto* text = findControl<QPlainTextEdit>(window(owner), name);
                QVERIFY(text->isEnabled() && text->isReadOnly());
                const QPalette colours = text->palette();
                QVERIFY(contrastRatio(colours.color(QPalette::Text),
                                      colours.color(QPalette::Base)) >= 4.5);
            }
            QWidget* step = findControl<QWidget>(window(wizard::Window), wizard::Step);
            QVERIFY(contrastRatio(step->palette().color(step->foregroundRole()),
                                  step->palette().color(step->backgroundRole())) >= 4.5);
            QWidget* link = findControl<QWidget>(window("AboutBox"), "AboutLink");
            const QColor linkColour = link->palette().color(QPalette::ButtonText);
            QVERIFY(contrastRatio(linkColour, link->palette().color(QPalette::Window)) >= 4.5);
            // Still a link's colour: blue over red and green.
            QVERIFY(linkColour.blue() > linkColour.red() &&
                    linkColour.blue() >= linkColour.green());
        }
    }

    // Wherever a companion window was left, it shows wholly on the main window's screen.
    void companionsShowWhollyOnTheMainWindowsScreen() {
        const QRect area = app->windows->mainWindow->screen()->availableGeometry();
        for (const QPoint away : {QPoint(-900, 40), QPoint(40, -900), QPoint(area.right() - 20, 40),
                                  QPoint(40, area.bottom() - 20)}) {
            for (const char* name :
                 {tag_palette::controls::Window, reserved_words::controls::Window, tip::Window,
                  wizard::Window}) {
                QWidget* companion = window(name);
                companion->move(away);
                companion->show();
                QVERIFY2(area.contains(companion->frameGeometry()), name);
                companion->hide();
            }
            QWidget* about = window("AboutBox");
            about->move(away);
            QRect shown;
            QTimer::singleShot(0, about, [&] {
                shown = about->frameGeometry();
                about->close();
            });
            app->windows->mainWindow->showAboutBox();
            QVERIFY(area.contains(shown));
            QVERIFY((shown.center() - area.center()).manhattanLength() <= 2);
        }
    }
};

QTEST_MAIN(CompanionAccessTest)
#include "companion_access_test.moc"
