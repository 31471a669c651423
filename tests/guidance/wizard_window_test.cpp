#include "app/application_windows.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "guidance/wizard_window.h"
#include "guidance/wizard_window_controls.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace wizard_window;

namespace {

// The text a step file shows: its lines, whatever their ends.
QString stepText(const ProgramFolder& folder, int tool, int step) {
    const QByteArray bytes =
        readBytes(folder.file(QStringLiteral("wizard/%1-%2.txt").arg(tool).arg(step)));
    QString text = QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QAction* guideItem(const ApplicationWindows& windows, int tool) {
    const char* const items[] = {
        main_window::controls::DropdownWizard, main_window::controls::PopupWizard,
        main_window::controls::MouseOverWizard, main_window::controls::SlideshowWizard,
        main_window::controls::EditorWizard};
    return findControl<QAction>(windows.mainWindow.get(), items[tool - 1]);
}

// Checks label, text and button states of one step.
void expectStep(const ApplicationWindows& windows, const ProgramFolder& folder, int tool,
                int step) {
    const QWidget& wizard = *windows.wizardWindow;
    QCOMPARE(findControl<QLabel>(wizard, controls::Step)->text(),
             QStringLiteral("Step %1 / 5").arg(step));
    QCOMPARE(findControl<QPlainTextEdit>(wizard, controls::Text)->toPlainText(),
             stepText(folder, tool, step));
    QCOMPARE(findControl<QPushButton>(wizard, controls::Previous)->isEnabled(), step > 1);
    QCOMPARE(findControl<QPushButton>(wizard, controls::Next)->isEnabled(), step < 5);
}

} // namespace

class WizardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyGuideWalksForwardAndBackThroughItsFiveSteps() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        windows.mainWindow->show();
        windows.mainWindow->viewTab(3);
        const QWidget& wizard = *windows.wizardWindow;
        QVERIFY(!wizard.isVisible());
        QCOMPARE(wizard.windowTitle(), QStringLiteral("Wizard"));
        QVERIFY(findControl<QPlainTextEdit>(wizard, controls::Text)->isEnabled());

        for (int tool = 1; tool <= 5; ++tool) {
            guideItem(windows, tool)->trigger();
            QVERIFY(wizard.isVisible());
            QCOMPARE(findControl<QLabel>(wizard, controls::Picture)->pixmap().size(),
                     QSize(193, 70));
            expectStep(windows, folder, tool, 1);
            for (int step = 2; step <= 5; ++step) {
                QTest::mouseClick(findControl<QPushButton>(wizard, controls::Next), Qt::LeftButton);
                expectStep(windows, folder, tool, step);
            }
            for (int step = 4; step >= 1; --step) {
                QTest::mouseClick(findControl<QPushButton>(wizard, controls::Previous),
                                  Qt::LeftButton);
                expectStep(windows, folder, tool, step);
            }
        }
        // The guide only shows text: the tab stays where the user left it.
        QCOMPARE(findControl<QTabWidget>(windows.mainWindow.get(), main_window::controls::Tabs)
                     ->currentIndex(),
                 3);
        QVERIFY(desk.notices.isEmpty());
    }

    void anotherGuideStartsAtItsFirstStep() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        guideItem(windows, 1)->trigger();
        QTest::mouseClick(findControl<QPushButton>(windows.wizardWindow, controls::Next),
                          Qt::LeftButton);
        QTest::mouseClick(findControl<QPushButton>(windows.wizardWindow, controls::Next),
                          Qt::LeftButton);
        expectStep(windows, folder, 1, 3);

        guideItem(windows, 2)->trigger();
        expectStep(windows, folder, 2, 1);
        // "Next >" has the focus, and Enter presses it.
        QCOMPARE(windows.wizardWindow->focusWidget(),
                 findControl<QPushButton>(windows.wizardWindow, controls::Next));
        QTest::keyClick(findControl<QPushButton>(windows.wizardWindow, controls::Next),
                        Qt::Key_Return);
        expectStep(windows, folder, 2, 2);
    }

    void menuKeysAreShiftF1ToShiftF5() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        windows.mainWindow->show();
        windows.mainWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(windows.mainWindow.get()));

        const Qt::Key keys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5};
        for (int tool = 5; tool >= 1; --tool) {
            windows.mainWindow->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(windows.mainWindow.get()));
            QTest::keyClick(windows.mainWindow.get(), keys[tool - 1], Qt::ShiftModifier);
            expectStep(windows, folder, tool, 1);
        }
    }

    void guideStandsBesideTheMainWindowMovedToTheLeftEdge() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        MainWindow& main = *windows.mainWindow;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QRect area = main.screen()->availableGeometry();
        const QSize guide(193, 306);

        // The guide stays whole on the screen: on one too narrow (or too
        // short) for it beside the main window, it covers the main window's
        // edge. Where the frame first shows it may shift by the frame's width.
        for (const QPoint start :
             {QPoint(480, 130), QPoint(-200, 40), QPoint(1, 75), QPoint(1, area.bottom() - 100)}) {
            main.move(start);
            guideItem(windows, 4)->trigger();
            QCOMPARE(main.pos(), QPoint(area.left() + 1, start.y()));
            const QWidget& wizard = *windows.wizardWindow;
            QCOMPARE(wizard.size(), guide);
            const QRect frame = wizard.frameGeometry();
            QVERIFY(area.contains(frame));
            const int besideLeft = std::max(area.left() + 620, main.frameGeometry().right() + 1);
            const QPoint expected(std::min(besideLeft, area.right() + 1 - frame.width()),
                                  std::min(start.y(), area.bottom() + 1 - frame.height()));
            const QPoint frameWidth = wizard.geometry().topLeft() - frame.topLeft();
            QVERIFY2((frame.topLeft() - expected).manhattanLength() <= frameWidth.manhattanLength(),
                     qPrintable(QStringLiteral("%1,%2").arg(frame.left()).arg(frame.top())));
        }
    }

    void stepFilesAreFoundAfterTheCurrentDirectoryMoved() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));

        guideItem(windows, 5)->trigger();
        QTest::mouseClick(findControl<QPushButton>(windows.wizardWindow, controls::Next),
                          Qt::LeftButton);
        expectStep(windows, folder, 5, 2);
        QVERIFY(desk.notices.isEmpty());
    }

    void missingFirstStepLeavesTheGuideAsItWas() {
        FakeDesktop desk;
        ProgramFolder folder;
        const QString missing = folder.file(QStringLiteral("wizard/3-1.txt"));
        QVERIFY(QFile::remove(missing));
        ApplicationWindows windows;
        windows.mainWindow->move(300, 90);

        guideItem(windows, 3)->trigger();
        QCOMPARE(desk.noticeTexts(),
                 QStringList{"Cannot open file " + missing + ": No such file or directory"});
        QCOMPARE(desk.notices.first().kind, NoticeKind::Error);
        QVERIFY(!windows.wizardWindow->isVisible());
        QCOMPARE(windows.mainWindow->x(),
                 windows.mainWindow->screen()->availableGeometry().left() + 1);

        // An open guide keeps its step and text, and goes on with its own steps.
        guideItem(windows, 1)->trigger();
        QTest::mouseClick(findControl<QPushButton>(windows.wizardWindow, controls::Next),
                          Qt::LeftButton);
        QTest::mouseClick(findControl<QPushButton>(windows.wizardWindow, controls::Next),
                          Qt::LeftButton);
        guideItem(windows, 3)->trigger();
        QCOMPARE(desk.notices.size(), 2);
        QVERIFY(windows.wizardWindow->isVisible());
        expectStep(windows, folder, 1, 3);
        QTest::mouseClick(findControl<QPushButton>(windows.wizardWindow, controls::Next),
                          Qt::LeftButton);
        expectStep(windows, folder, 1, 4);
    }

    void missingLaterStepKeepsThePreviousText() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        guideItem(windows, 4)->trigger();
        QTest::mouseClick(findControl<QPushButton>(windows.wizardWindow, controls::Next),
                          Qt::LeftButton);
        const QString missing = folder.file(QStringLiteral("wizard/4-3.txt"));
        QVERIFY(QFile::remove(missing));

        QTest::mouseClick(findControl<QPushButton>(windows.wizardWindow, controls::Next),
                          Qt::LeftButton);
        QCOMPARE(desk.noticeTexts(),
                 QStringList{"Cannot open file " + missing + ": No such file or directory"});
        QCOMPARE(findControl<QLabel>(windows.wizardWindow, controls::Step)->text(),
                 QStringLiteral("Step 3 / 5"));
        QCOMPARE(findControl<QPlainTextEdit>(windows.wizardWindow, controls::Text)->toPlainText(),
                 stepText(folder, 4, 2));
        QVERIFY(findControl<QPushButton>(windows.wizardWindow, controls::Previous)->isEnabled());
        QVERIFY(findControl<QPushButton>(windows.wizardWindow, controls::Next)->isEnabled());

        QTest::mouseClick(findControl<QPushButton>(windows.wizardWindow, controls::Next),
                          Qt::LeftButton);
        expectStep(windows, folder, 4, 4);
    }

    void closeHidesTheGuide() {
        FakeDesktop desk;
        ProgramFolder folder;
        ApplicationWindows windows;
        guideItem(windows, 2)->trigger();
        QTest::mouseClick(findControl<QPushButton>(windows.wizardWindow, controls::Close),
                          Qt::LeftButton);
        QVERIFY(!windows.wizardWindow->isVisible());
        guideItem(windows, 2)->trigger();
        QVERIFY(windows.wizardWindow->isVisible());
        expectStep(windows, folder, 2, 1);
    }
};

QTEST_MAIN(WizardWindowTest)
#include "wizard_window_test.moc"
