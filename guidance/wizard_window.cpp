#include "guidance/wizard_window.h"

#include "guidance/shipped_text.h"
#include "guidance/wizard_window_controls.h"
#include "widgets/desktop.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

using namespace wizard_window;

namespace {

constexpr int ClientWidth = 193;
constexpr int ClientHeight = 306;
constexpr quint8 StepCount = 5;
// The wizard stands right of the main window's 610-pixel client area.
constexpr int WizardLeft = 620;

} // namespace

WizardWindow::WizardWindow(QWidget* mainWindow, const QString& shippedData)
    : ToolWindow(mainWindow, controls::Window, QCoreApplication::translate("Wizard", "Wizard")),
      mainWindow(mainWindow), shippedData(shippedData) {
    form.setupUi(this, ClientWidth);
    connect(form.previousButton, &QPushButton::clicked, this, &WizardWindow::previousStep);
    connect(form.nextButton, &QPushButton::clicked, this, &WizardWindow::nextStep);
    connect(form.closeButton, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    setFixedSize(ClientWidth, ClientHeight);
}

// Measuring the captions loads the step label's small font, so it waits for
// the first show: a wizard never opened costs nothing at start-up. The tool
// window then grows to what the measured layout needs.
void WizardWindow::setVisible(bool visible) {
    if (visible && !fitted) {
        fitted = true;
        form.fitToFont(ClientWidth);
    }
    ToolWindow::setVisible(visible);
}

void WizardWindow::startGuide(int tool) {
    placeBesideMainWindow();
    // The guide changes only once its first step could be read, so a guide
    // that is open keeps reading its own steps after a failed switch.
    if (!loadStep(tool, 1))
        return;
    toolNumber = tool;
    WizardStep = 1;
    showStep();
    form.nextButton->setFocus();
    show();
    raise();
    activateWindow();
}

void WizardWindow::placeBesideMainWindow() {
    const QScreen* desk = mainWindow->screen();
    const int areaLeft = desk ? desk->availableGeometry().left() : 0;
    mainWindow->move(areaLeft + 1, mainWindow->y());
    // Linux frames can be wider than the ones the 620 was measured for.
    const int left = std::max(areaLeft + WizardLeft, mainWindow->frameGeometry().right() + 1);
    move(left, mainWindow->y());
    // A screen too narrow for both keeps the guide whole, over the main window's edge.
    keepOnScreenOf(this, mainWindow);
}

void WizardWindow::nextStep() {
    ++WizardStep;
    showStep();
    loadStep(toolNumber, WizardStep);
}

void WizardWindow::previousStep() {
    --WizardStep;
    showStep();
    loadStep(toolNumber, WizardStep);
}

void WizardWindow::showStep() {
    form.previousButton->setEnabled(WizardStep > 1);
    form.nextButton->setEnabled(WizardStep < StepCount);
    form.stepLabel->setText(
        QCoreApplication::translate("Wizard", "Step %1 / %2").arg(WizardStep).arg(StepCount));
}

bool WizardWindow::loadStep(int tool, quint8 step) {
    QString error;
    const std::optional<QString> text = readShippedText(
        shippedData, QStringLiteral("wizard/%1-%2.txt").arg(tool).arg(step), &error);
    if (!text) {
        desktop().notice(NoticeKind::Error, error);
        return false;
    }
    form.stepText->setPlainText(*text);
    return true;
}
