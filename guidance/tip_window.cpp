#include "guidance/tip_window.h"

#include "core/text_file.h"
#include "guidance/shipped_text.h"
#include "guidance/tip_window_controls.h"
#include "widgets/desktop.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <chrono>

using namespace tip_window;

namespace {

constexpr QSize WindowSize(329, 241);

std::mt19937 clockSeededGenerator() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return std::mt19937(static_cast<std::mt19937::result_type>(now));
}

} // namespace

TipWindow::TipWindow(QWidget* mainWindow, const QString& shippedData)
    : ToolWindow(mainWindow, controls::Window,
                 QCoreApplication::translate("TipWindow", "Startup Tip")),
      shippedData(shippedData), randomTips(clockSeededGenerator()) {
    form.setupUi(this);
    connect(form.showAtStartupBox, &QCheckBox::toggled, this, &TipWindow::showAtStartupClicked);
    connect(form.nextTipButton, &QPushButton::clicked, this, &TipWindow::showNextTip);
    connect(form.closeButton, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    // Centred on the desktop that holds the main window.
    resize(WindowSize);
    if (const QScreen* desk = mainWindow ? mainWindow->screen() : screen()) {
        QRect frame(QPoint(), WindowSize);
        frame.moveCenter(desk->availableGeometry().center());
        move(frame.topLeft());
    }
    // The tip shown at start-up is chosen now, before the main window appears.
    showRandomTip();
}

void TipWindow::present() {
    show();
    raise();
    activateWindow();
    form.nextTipButton->setFocus();
}

void TipWindow::showNextTip() {
    showRandomTip();
}

void TipWindow::showAtStartupClicked(bool checked) {
    emit showTipsChanged(checked);
}

void TipWindow::showRandomTip() {
    std::uniform_int_distribution<int> tipNumbers(1, TipCount);
    const int tipNumber = tipNumbers(randomTips);
    const QString relativeName = QStringLiteral("tips/%1.txt").arg(tipNumber);
    // Read under the shipped-data folder, so a file dialog that moved the current
    // directory cannot break the tips.
    QString error;
    const std::optional<QString> tip = readShippedText(shippedData, relativeName, &error);
    if (!tip) {
        desktop().notice(NoticeKind::Error, error);
        return;
    }
    form.tipText->setPlainText(*tip);
}
