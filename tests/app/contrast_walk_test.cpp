#include "window_walk.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

namespace {

constexpr double LeastContrast = 4.5;

QPalette::ColorGroup groupOf(const QWidget* widget) {
    if (!widget->isEnabled())
        return QPalette::Disabled;
    return widget->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

QColor colour(const QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(groupOf(widget), role);
}

// What is painted behind a widget that fills no background of its own.
QColor paintedBehind(const QWidget* widget) {
    for (const QWidget* up = widget; up; up = up->parentWidget())
        if (up->autoFillBackground() || up->isWindow())
            return colour(up, up->backgroundRole());
    return colour(widget, QPalette::Window);
}

struct Text {
    QColor foreground;
    QColor background;
};

bool showsText(const QAbstractButton* button) {
    if (button->text().isEmpty())
        return false;
    const auto* tool = qobject_cast<const QToolButton*>(button);
    return !tool || tool->toolButtonStyle() != Qt::ToolButtonIconOnly || tool->icon().isNull();
}

// The texts a widget draws, each with the colours it is drawn in. Disabled
// controls are left out (they are not read as content); a disabled pane is not.
QList<Text> textsOf(const QWidget* widget) {
    const bool pane =
        qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget);
    if (!widget->isEnabled() && !pane)
        return {};
    if (pane || qobject_cast<const QLineEdit*>(widget) ||
        qobject_cast<const QAbstractSpinBox*>(widget) ||
        qobject_cast<const QAbstractItemView*>(widget))
        return {{colour(widget, QPalette::Text), colour(widget, QPalette::Base)}};
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        if (combo->isEditable())
            return {{colour(widget, QPalette::Text), colour(widget, QPalette::Base)}};
        return {{colour(widget, QPalette::ButtonText), colour(widget, QPalette::Button)}};
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty())
            return {};
        QList<Text> texts{{colour(widget, label->foregroundRole()), paintedBehind(widget)}};
        if (label->text().contains(QLatin1String("<a ")))
            texts.append({colour(widget, QPalette::Link), paintedBehind(widget)});
        return texts;
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (!showsText(button))
            return {};
        const QColor behind = widget->parentWidget() ? paintedBehind(widget->parentWidget())
                                                     : colour(widget, QPalette::Window);
        if (qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget))
            return {{colour(widget, QPalette::WindowText), behind}};
        const auto* push = qobject_cast<const QPushButton*>(widget);
        const auto* tool = qobject_cast<const QToolButton*>(widget);
        const bool bare = (push && push->isFlat()) || (tool && tool->autoRaise());
        return {{colour(widget, QPalette::ButtonText),
                 bare ? behind : colour(widget, QPalette::Button)}};
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget);
        group && !group->title().isEmpty())
        return {{colour(widget, QPalette::WindowText), paintedBehind(widget)}};
    if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
        QList<Text> texts;
        for (int tab = 0; tab < bar->count(); ++tab) {
            const QColor own = bar->tabTextColor(tab);
            texts.append({own.isValid() ? own : colour(widget, QPalette::WindowText),
                          paintedBehind(widget)});
        }
        return texts;
    }
    return {};
}

} // namespace

// Every text in every window can be read under a light and a dark desktop.
class ContrastWalkTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextReachesTheLeastContrast_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << false;
        QTest::newRow("dark palette") << true;
    }

    void everyTextReachesTheLeastContrast() {
        QFETCH(bool, dark);
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(dark ? darkFusionPalette()
                                      : QApplication::style()->standardPalette());
        Findings findings;
        walkWindows([&findings](const QString& where, QWidget* window) {
            for (QWidget* widget : visibleWidgets(window))
                for (const Text& text : textsOf(widget)) {
                    const double ratio = contrastRatio(text.foreground, text.background);
                    if (ratio < LeastContrast)
                        findings.add(where, widget,
                                     QStringLiteral("%1:1, %2 on %3")
                                         .arg(ratio, 0, 'f', 2)
                                         .arg(text.foreground.name(), text.background.name()));
                }
        });
        QVERIFY2(findings.clean(), "the controls listed above");
    }
};

QTEST_MAIN(ContrastWalkTest)
#include "contrast_walk_test.moc"
