#include "window_walk.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

namespace {

// A name says something when it holds a word of two letters or more.
bool saysSomething(const QString& name) {
    static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
    return word.match(name).hasMatch();
}

bool isInput(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           (qobject_cast<const QAbstractSlider*>(widget) &&
            !qobject_cast<const QScrollBar*>(widget));
}

// The parts of a compound control (a spin box's field, a tab bar's arrows)
// are named with it.
bool isPartOfAnother(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return qobject_cast<const QAbstractSpinBox*>(parent) ||
           qobject_cast<const QComboBox*>(parent) || qobject_cast<const QTabBar*>(parent) ||
           widget->objectName().startsWith(QLatin1String("qt_"));
}

// Why a screen reader would not know what the control is, or nothing.
QString unnamed(const QWidget* control, const QList<QWidget*>& seen) {
    const QString name = control->accessibleName();
    if (!name.isEmpty())
        return saysSomething(name) ? QString()
                                   : QStringLiteral("name \"%1\" says nothing").arg(name);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        const QString caption = QString(button->text()).remove(QLatin1Char('&')).trimmed();
        if (saysSomething(caption) && caption != QLatin1String("OK"))
            return {};
        return QStringLiteral("button \"%1\" has no name").arg(caption);
    }
    for (const QWidget* widget : seen)
        if (const auto* label = qobject_cast<const QLabel*>(widget);
            label && label->buddy() == control)
            return {};
    return QStringLiteral("no name and no label");
}

} // namespace

// Every control a screen reader meets says what it is.
class AccessibleNamesTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasAName() {
        Findings findings;
        walkWindows([&findings](const QString& where, QWidget* window) {
            const QList<QWidget*> seen = visibleWidgets(window);
            for (QWidget* widget : seen) {
                if (isPartOfAnother(widget) ||
                    !(qobject_cast<QAbstractButton*>(widget) || isInput(widget)))
                    continue;
                if (const QString fault = unnamed(widget, seen); !fault.isEmpty())
                    findings.add(where, widget, fault);
            }
        });
        QVERIFY2(findings.clean(), "the controls listed above");
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
