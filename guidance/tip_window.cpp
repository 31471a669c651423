#include "guidance/tip_window.h"

#include "core/text_file.h"
#include "guidance/shipped_text.h"
#include "widgets/desktop.h"
#include "widgets/jpeg_image.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <chrono>

namespace {

constexpr QSize WindowSize(329, 241);

std::mt19937 clockSeededGenerator() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return std::mt19937(static_cast<std::mt19937::result_type>(now));
}

} // namespace

TForm5::TForm5(QWidget* mainWindow, const QString& shippedData)
    : ToolWindow(mainWindow, "Form5", "Startup Tip"), shippedData(shippedData),
      randomTips(clockSeededGenerator()) {
    buildControls();
    resize(WindowSize);
    if (const QScreen* desk = screen()) {
        QRect frame(QPoint(), WindowSize);
        frame.moveCenter(desk->availableGeometry().center());
        move(frame.topLeft());
    }
    // The tip shown at start-up is chosen now, before the main window appears.
    showRandomTip();
}

void TForm5::buildControls() {
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    QString error;
    const QImage picture = loadJpeg(QStringLiteral(":/pictures/tip.jpg"), &error);
    if (!picture.isNull())
        Image1->setPixmap(QPixmap::fromImage(picture));

    Label1 = new QLabel(QStringLiteral("Did You Know?"), this);
    Label1->setObjectName("Label1");
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    // Disabled: the tip takes no focus and reads in the disabled-text colour.
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    CheckBox1 = new QCheckBox(QStringLiteral("Show Tips At Startup"), this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setChecked(true);
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm5::CheckBox1Click);

    Button1 = new QPushButton(QStringLiteral("&Next Tip >>"), this);
    Button1->setObjectName("Button1");
    connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);

    Button2 = new QPushButton(QStringLiteral("&Close"), this);
    Button2->setObjectName("Button2");
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    // Enter presses the focused button, as in a dialog.
    Button1->setAutoDefault(true);
    Button2->setAutoDefault(true);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(Label1);
    text->addWidget(Memo1, 1);

    auto* tip = new QHBoxLayout;
    tip->setSpacing(8);
    tip->addWidget(Image1, 0, Qt::AlignTop);
    tip->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(CheckBox1);
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(tip, 1);
    layout->addLayout(buttons);
    Button1->setFocus();
}

void TForm5::Button1Click() {
    showRandomTip();
}

void TForm5::CheckBox1Click(bool checked) {
    emit showTipsChanged(checked);
}

void TForm5::showRandomTip() {
    std::uniform_int_distribution<int> tipNumbers(1, TipCount);
    const int TipNumber = tipNumbers(randomTips);
    const QString relativeName = QStringLiteral("tips/%1.txt").arg(TipNumber);
    // Read under the shipped-data folder, so a file dialog that moved the current
    // directory cannot break the tips; the message keeps the short name.
    QString error;
    const std::optional<QString> tip = readShippedText(shippedData, relativeName, &error);
    if (!tip) {
        desktop().notice(NoticeKind::Error, cannotOpenMessage(relativeName));
        return;
    }
    Memo1->setPlainText(*tip);
}
