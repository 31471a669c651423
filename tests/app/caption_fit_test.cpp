#include "app/main_window_controls.h"
#include "editor/tag_palette_controls.h"
#include "support/find_control.h"
#include "window_walk.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

// A caption as drawn: mnemonic marks dropped, its longest line.
QString drawn(const QString& caption) {
    QString text = caption;
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    QString longest;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.size() > longest.size())
            longest = line;
    return longest;
}

// The room a button leaves for its caption.
QRect captionRoom(const QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        element = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        element = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QToolButton*>(button)) {
        const int frame =
            button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
        return button->contentsRect().adjusted(frame, frame, -frame, -frame);
    }
    QRect room = button->style()->subElementRect(element, &option, button);
    if (!button->icon().isNull() && element == QStyle::SE_PushButtonContents)
        room.setLeft(room.left() + button->iconSize().width() + 4);
    return room;
}

// Why `widget`'s caption does not fit it, or nothing when it does.
// The ancestor that cuts `widget` off, if any: a caption that fits its control
// is still lost where the window is too small for the control.
const QWidget* cutOffBy(const QWidget* widget) {
    for (const QWidget* up = widget->parentWidget(); up && !widget->isWindow();
         up = up->parentWidget()) {
        if (!up->rect().contains(QRect(widget->mapTo(up, QPoint(0, 0)), widget->size())))
            return up;
        if (up->isWindow())
            break;
    }
    return nullptr;
}

QStringList clipped(const QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    const auto check = [&metrics, widget](const QString& caption, const QRect& room) {
        const QString text = drawn(caption);
        if (text.isEmpty())
            return QString();
        if (const QWidget* cutter = cutOffBy(widget))
            return QStringLiteral("\"%1\" is cut off by %2").arg(text, describe(cutter));
        const int width = metrics.horizontalAdvance(text);
        if (width <= room.width() && metrics.height() <= room.height())
            return QString();
        return QStringLiteral("\"%1\" needs %2 x %3, has %4 x %5")
            .arg(text)
            .arg(width)
            .arg(metrics.height())
            .arg(room.width())
            .arg(room.height());
    };
    QStringList faults;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
            return {};
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                faults << QStringLiteral("wrapped text needs %1 rows of pixels, has %2")
                              .arg(label->heightForWidth(label->width()))
                              .arg(label->height());
        } else {
            const int frame = label->margin() + qMax(label->indent(), 0);
            faults << check(label->text(), label->contentsRect().adjusted(frame, 0, -frame, 0));
        }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        const auto* tool = qobject_cast<const QToolButton*>(widget);
        if (!tool || tool->toolButtonStyle() != Qt::ToolButtonIconOnly || tool->icon().isNull())
            faults << check(button->text(), captionRoom(button));
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        faults << check(group->title(), group->rect().adjusted(6, 0, -6, 0));
    } else if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
        // Only the Tag Inspector's many pages are scrolled to; every other
        // bar shows each of its tabs whole.
        const bool scrolls =
            bar->window()->objectName() == QLatin1String(tag_palette::controls::Window);
        for (int tab = 0; tab < bar->count(); ++tab) {
            // Where the style draws the caption, which may differ from the
            // room it measured the tab with.
            QStyleOptionTab option;
            option.initFrom(bar);
            option.rect = bar->tabRect(tab);
            option.text = bar->tabText(tab);
            option.shape = bar->shape();
            const QRect room = bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar);
            if (bar->rect().contains(bar->tabRect(tab)))
                faults << check(bar->tabText(tab), room);
            else if (!scrolls)
                faults << QStringLiteral("tab \"%1\" lies outside the tab bar")
                              .arg(drawn(bar->tabText(tab)));
        }
    } else if (const auto* toolBar = qobject_cast<const QToolBar*>(widget)) {
        for (const QWidget* child : toolBar->findChildren<QWidget*>())
            if (child->objectName() == QLatin1String("qt_toolbar_ext_button") && child->isVisible())
                faults << QStringLiteral("tool bar items overflow into its menu");
    }
    faults.removeAll(QString());
    return faults;
}

// Companion windows that cover the main window's menu bar or tab strip,
// which the user must still reach.
QStringList covering(QWidget* main) {
    if (main->objectName() != QLatin1String(main_window::controls::Window))
        return {};
    const auto onScreen = [](const QWidget* strip) {
        return QRect(strip->mapToGlobal(QPoint()), strip->size());
    };
    const QWidget* strips[] = {
        main->findChild<QMenuBar*>(),
        findControl<QTabWidget>(main, main_window::controls::Tabs)->tabBar()};
    QStringList faults;
    for (QWidget* companion : main->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!companion->isWindow() || !companion->isVisible())
            continue;
        if (!QTest::qWaitForWindowExposed(companion))
            faults << QStringLiteral("%1 is never shown").arg(describe(companion));
        QApplication::processEvents();
        for (const QWidget* strip : strips)
            if (companion->frameGeometry().intersects(onScreen(strip)))
                faults << QStringLiteral("%1 covers the %2")
                              .arg(describe(companion),
                                   QLatin1String(strip->metaObject()->className()));
    }
    return faults;
}

} // namespace

// At the scale factor ctest starts it with, every window's captions fit, with
// the default font and with a larger one.
class CaptionFitTest : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionFits_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("default font") << 0;
        QTest::newRow("11-point font") << 11;
    }

    void everyCaptionFits() {
        QFETCH(int, points);
        const QFont original = QApplication::font();
        QFont font = original;
        if (points > 0)
            font.setPointSize(points);
        QApplication::setFont(font);
        Findings findings;
        walkWindows([&findings](const QString& where, QWidget* window) {
            for (QWidget* widget : visibleWidgets(window))
                for (const QString& fault : clipped(widget))
                    findings.add(where, widget, fault);
            for (const QString& fault : covering(window))
                findings.add(where, window, fault);
        });
        QApplication::setFont(original);
        QVERIFY2(findings.clean(), "the controls listed above");
    }
};

QTEST_MAIN(CaptionFitTest)
#include "caption_fit_test.moc"
