#include "window_walk.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
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

// The access keys of `captions` (owner, caption) that more than one of them
// claims.
QStringList clashes(const QList<std::pair<QString, QString>>& captions) {
    QMultiMap<QString, QString> byKey;
    for (const auto& [owner, caption] : captions)
        if (const QKeySequence key = QKeySequence::mnemonic(caption); !key.isEmpty())
            byKey.insert(key.toString(), owner + QLatin1String(" \"") + caption + '"');
    QStringList found;
    for (const QString& key : byKey.uniqueKeys()) {
        QStringList owners = byKey.values(key);
        owners.sort();
        if (owners.size() > 1)
            found << key + QLatin1String(" is the key of ") + owners.join(QLatin1String(", "));
    }
    return found;
}

// What Alt and a letter reach among the controls of a window as it is shown:
// buttons, labelled controls, group boxes and tabs. Menu titles are checked
// as a menu of their own: their keys win over a control's.
QList<std::pair<QString, QString>> windowCaptions(const QList<QWidget*>& seen) {
    QList<std::pair<QString, QString>> captions;
    for (const QWidget* widget : seen) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            captions.append({describe(widget), button->text()});
        else if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy())
            captions.append({describe(widget), label->text()});
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            captions.append({describe(widget), group->title()});
        else if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                captions.append({describe(widget), tabs->tabText(tab)});
    }
    return captions;
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

    // An access key reaches one control of a window, and one item of a menu,
    // in every language.
    void accessKeysDoNotClash() {
        Findings findings;
        QSet<const QWidget*> menusSeen;
        walkWindows([&findings, &menusSeen](const QString& where, QWidget* window) {
            for (const QString& clash : clashes(windowCaptions(visibleWidgets(window))))
                findings.add(where, window, clash);
            for (const QWidget* menu : window->findChildren<QWidget*>()) {
                if (!(qobject_cast<const QMenu*>(menu) || qobject_cast<const QMenuBar*>(menu)) ||
                    menusSeen.contains(menu))
                    continue;
                menusSeen.insert(menu);
                QList<std::pair<QString, QString>> items;
                for (const QAction* item : menu->actions())
                    if (item->isVisible())
                        items.append({item->objectName(), item->text()});
                for (const QString& clash : clashes(items))
                    findings.add(where, menu, clash);
            }
        });
        QVERIFY2(findings.clean(), "the access keys listed above");
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
