#include "widgets/control_factory.h"

#include "widgets/hint.h"
#include "widgets/single_line_fields.h"
#include "widgets/spoken_list.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

// A push button that a crowded layout may narrow to its caption, below the
// style's usual width for dialog buttons, or one of a fixed width that its
// caption may widen. Measured when a layout asks, not when it is made.
class CaptionButton final : public QPushButton {
public:
    CaptionButton(const QString& caption, int fixedWidth, QWidget* parent)
        : QPushButton(caption, parent), fixedWidth(fixedWidth) {
        QSizePolicy policy = sizePolicy();
        policy.setHorizontalPolicy(fixedWidth > 0 ? QSizePolicy::Fixed : QSizePolicy::Preferred);
        setSizePolicy(policy);
    }

    QSize sizeHint() const override {
        const QSize natural = QPushButton::sizeHint();
        if (fixedWidth == 0)
            return natural;
        return {text().isEmpty() ? fixedWidth : qMax(fixedWidth, captionWidth(this)),
                natural.height()};
    }

    QSize minimumSizeHint() const override {
        if (fixedWidth > 0)
            return sizeHint();
        return {captionWidth(this), QPushButton::sizeHint().height()};
    }

private:
    const int fixedWidth;
};

QPushButton* makeCaptionButton(const QString& objectName, const QString& caption,
                               const QString& hint, int fixedWidth, QWidget* parent) {
    auto* button = new CaptionButton(caption, fixedWidth, parent);
    button->setObjectName(objectName);
    setHint(button, hint);
    return button;
}

} // namespace

QPushButton* makeButton(const QString& objectName, const QString& caption, const QString& hint,
                        QWidget* parent) {
    return makeCaptionButton(objectName, caption, hint, 0, parent);
}

int captionWidth(const QPushButton* button) {
    // As QPushButton::sizeHint() measures, but without a caption in the style
    // option: that is what makes the style keep dialog buttons 80 pixels wide.
    QStyleOptionButton option;
    option.initFrom(button);
    if (button->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button->isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    int width = option.icon.isNull() ? 0 : option.iconSize.width() + 4;
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (!button->text().isEmpty() || width == 0)
        width += text.width();
    const int height = qMax(option.icon.isNull() ? 0 : option.iconSize.height(), text.height());
    option.rect.setSize(QSize(width, height));
    return button->style()
        ->sizeFromContents(QStyle::CT_PushButton, &option, QSize(width, height), button)
        .width();
}

QPushButton* makeChooserButton(const QString& objectName, const QString& caption,
                               const QString& hint, QWidget* parent, int width) {
    return makeCaptionButton(objectName, caption, hint, width, parent);
}

QToolButton* makeStyleToggle(const QString& objectName, const QString& letter, const QString& hint,
                             void (QFont::*style)(bool), ToggleFrame frame, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(letter);
    QFont look = button->font();
    (look.*style)(true);
    button->setFont(look);
    button->setCheckable(true);
    button->setAutoRaise(frame == ToggleFrame::Flat);
    const int side = qMax(22, button->sizeHint().height());
    button->setFixedSize(side, side);
    setHint(button, hint);
    return button;
}

QCheckBox* makeCheckBox(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(objectName);
    return box;
}

QLabel* makeLabel(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    return label;
}

QLineEdit* makeLineEdit(const QString& objectName, QWidget* parent, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(objectName);
    keepSingleLine(edit);
    return edit;
}

void makeEditable(QComboBox* box) {
    box->setLineEdit(new QLineEdit(box));
    // As setEditable does: the box takes its size now, before it has items,
    // and keeps that size hint when they come; the layouts count on it.
    if (!box->testAttribute(Qt::WA_Resized))
        box->adjustSize();
}

QComboBox* makeComboBox(const QString& objectName, const QStringList& items, const QString& current,
                        QWidget* parent, Typing typing) {
    auto* combo = new SpokenList(parent);
    combo->setObjectName(objectName);
    if (typing == Typing::Editable) {
        makeEditable(combo);
        combo->setInsertPolicy(QComboBox::NoInsert);
        keepSingleLine(combo->lineEdit());
    }
    for (const QString& item : items)
        combo->addItem(item, item);
    if (!current.isEmpty())
        combo->setCurrentIndex(combo->findText(current));
    return combo;
}

QComboBox* makeChoiceBox(const QString& objectName, const char* context,
                         std::span<const char* const> items, QWidget* parent) {
    QComboBox* combo = makeComboBox(objectName, {}, {}, parent);
    for (const char* item : items)
        combo->addItem(QCoreApplication::translate(context, item), QLatin1String(item));
    return combo;
}

QGroupBox* makeGroupBox(const QString& objectName, const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(objectName);
    return group;
}

namespace {

// The style that draws, beneath any proxies of a platform theme: a tab is
// measured through our proxy, and its caption must be placed through it too,
// which only a style that is no proxy's base yet does.
QString drawingStyleName() {
    const QStyle* style = QApplication::style();
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
        style = proxy->baseStyle();
    return style->name();
}

// The application's style with half its room on either side of a tab's caption.
class NarrowTabs final : public QProxyStyle {
public:
    NarrowTabs() : QProxyStyle(drawingStyleName()) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? value / 2 : value;
    }
};

} // namespace

void showEveryTab(QTabWidget* tabs) {
    QTabBar* bar = tabs->tabBar();
    auto* style = new NarrowTabs;
    style->setParent(bar);
    bar->setStyle(style);
    bar->setUsesScrollButtons(false);
    bar->setElideMode(Qt::ElideNone);
}
