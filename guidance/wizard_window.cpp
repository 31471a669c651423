#include "guidance/wizard_window.h"

#include "guidance/shipped_text.h"
#include "widgets/desktop.h"
#include "widgets/jpeg_image.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

namespace {

constexpr int ClientWidth = 193;
constexpr int ClientHeight = 306;
constexpr int BannerHeight = 70;
constexpr quint8 StepCount = 5;
// The wizard stands right of the main window's 610-pixel client area.
constexpr int WizardLeft = 620;

} // namespace

TForm6::TForm6(QWidget* mainWindow, const QString& shippedData)
    : ToolWindow(mainWindow, "Form6", "Wizard"), mainWindow(mainWindow), shippedData(shippedData) {
    buildControls();
    setFixedSize(ClientWidth, ClientHeight);
}

void TForm6::buildControls() {
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(ClientWidth, BannerHeight);
    QString error;
    const QImage banner = loadJpeg(QStringLiteral(":/pictures/wizard.jpg"), &error);
    if (!banner.isNull())
        Image1->setPixmap(QPixmap::fromImage(banner));

    // The step label sits on the banner's free top strip, dark text on a
    // white patch, small enough to stay clear of the banner's own lettering.
    Label1 = new QLabel(QStringLiteral("Step 1 / 5"), Image1);
    Label1->setObjectName("Label1");
    Label1->setAutoFillBackground(true);
    QPalette labelColours = Label1->palette();
    labelColours.setColor(QPalette::Window, Qt::white);
    labelColours.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    Label1->setPalette(labelColours);
    QFont small = Label1->font();
    small.setPixelSize(11);
    Label1->setFont(small);
    Label1->setContentsMargins(3, 0, 3, 0);

    // Disabled: the step takes no focus and reads in the disabled-text colour.
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    Button1 = new QPushButton(QStringLiteral("< Previous"), this);
    Button1->setObjectName("Button1");
    Button1->setEnabled(false);
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
    Button2 = new QPushButton(QStringLiteral("Next >"), this);
    Button2->setObjectName("Button2");
    connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
    Button3 = new QPushButton(QStringLiteral("Close"), this);
    Button3->setObjectName("Button3");
    connect(Button3, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    // Three buttons share 193 pixels: widths follow the captions, not the style's minimum.
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(2, 3, 2, 3);
    buttons->setSpacing(2);
    const int captionShares[] = {6, 4, 4};
    int index = 0;
    for (QPushButton* button : {Button1, Button2, Button3}) {
        // Enter presses the focused button, as in a dialog.
        button->setAutoDefault(true);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        buttons->addWidget(button, captionShares[index++]);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Image1);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);

    // Every step label is equally wide, so the patch is sized once.
    Label1->setFixedSize(Label1->sizeHint());
    Label1->move(ClientWidth - Label1->width() - 2, 2);
}

void TForm6::startGuide(int toolNumber) {
    placeBesideMainWindow();
    // The guide changes only once its first step could be read, so a guide
    // that is open keeps reading its own steps after a failed switch.
    if (!loadStep(toolNumber, 1))
        return;
    Edit1 = toolNumber;
    WizardStep = 1;
    showStep();
    Button2->setFocus();
    show();
    raise();
    activateWindow();
}

void TForm6::placeBesideMainWindow() {
    const QScreen* desk = mainWindow->screen();
    const int areaLeft = desk ? desk->availableGeometry().left() : 0;
    mainWindow->move(areaLeft + 1, mainWindow->y());
    // Linux frames can be wider than the ones the 620 was measured for.
    const int left = std::max(areaLeft + WizardLeft, mainWindow->frameGeometry().right() + 1);
    move(left, mainWindow->y());
}

void TForm6::Button2Click() {
    ++WizardStep;
    showStep();
    loadStep(Edit1, WizardStep);
}

void TForm6::Button1Click() {
    --WizardStep;
    showStep();
    loadStep(Edit1, WizardStep);
}

void TForm6::showStep() {
    Button1->setEnabled(WizardStep > 1);
    Button2->setEnabled(WizardStep < StepCount);
    Label1->setText(QStringLiteral("Step %1 / %2").arg(WizardStep).arg(StepCount));
}

bool TForm6::loadStep(int toolNumber, quint8 step) {
    QString error;
    const std::optional<QString> text = readShippedText(
        shippedData, QStringLiteral("wizard/%1-%2.txt").arg(toolNumber).arg(step), &error);
    if (!text) {
        desktop().notice(NoticeKind::Error, error);
        return false;
    }
    Memo1->setPlainText(*text);
    return true;
}
