#include "window_walk.h"

#include "app/application_windows.h"
#include "app/main_window_controls.h"
#include "editor/reserved_words_controls.h"
#include "editor/tag_palette_controls.h"
#include "guidance/tip_window_controls.h"
#include "guidance/wizard_window_controls.h"
#include "support/fake_desktop.h"
#include "support/test_files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QTabWidget>
#include <QTest>
#include <cmath>

namespace {

QWidget* ownChild(QWidget* window, const QString& name) {
    for (QWidget* child : window->findChildren<QWidget*>(name))
        if (child->window() == window || child->isWindow())
            return child;
    qFatal("No \"%s\" in \"%s\"", qPrintable(name), qPrintable(window->objectName()));
}

void settle(QWidget* window) {
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QApplication::processEvents();
}

// Each page in turn, and each page of a tab widget inside one.
void visitPages(const QString& where, QWidget* window, QTabWidget* pages,
                const std::function<void(const QString&, QWidget*)>& visit) {
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        // A page chosen may widen the window; as the user sees it once settled.
        if (QLayout* layout = window->layout())
            layout->activate();
        QApplication::processEvents();
        const QString here = QStringLiteral("%1, %2").arg(where, pages->tabText(page));
        if (auto* inner = pages->widget(page)->findChild<QTabWidget*>())
            visitPages(here, window, inner, visit);
        else
            visit(here, window);
    }
}

} // namespace

void walkWindows(const std::function<void(const QString& where, QWidget* window)>& visit) {
    ProgramFolder folder;
    FakeDesktop fake;
    ApplicationWindows windows;
    QWidget* main = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String(main_window::controls::Window))
            main = top;
    QVERIFY(main);
    settle(main);
    visitPages(QString(main_window::controls::Window), main,
               qobject_cast<QTabWidget*>(ownChild(main, main_window::controls::Tabs)), visit);

    for (const char* name :
         {tag_palette::controls::Window, reserved_words::controls::Window,
          tip_window::controls::Window, wizard_window::controls::Window, "AboutBox"}) {
        QWidget* window = ownChild(main, QLatin1String(name));
        settle(window);
        if (auto* pages = window->findChild<QTabWidget*>())
            visitPages(QLatin1String(name), window, pages, visit);
        else
            visit(QLatin1String(name), window);
        window->hide();
    }
}

QList<QWidget*> visibleWidgets(QWidget* window) {
    QList<QWidget*> seen;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->window() == window && child->isVisible())
            seen << child;
    return seen;
}

QString describe(const QWidget* widget) {
    if (!widget->objectName().isEmpty())
        return widget->objectName();
    QString caption;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        caption = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        caption = button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        caption = group->title();
    QString parent;
    for (const QWidget* up = widget->parentWidget(); up && parent.isEmpty();
         up = up->parentWidget())
        parent = up->objectName();
    return QStringLiteral("%1 \"%2\" in %3")
        .arg(QLatin1String(widget->metaObject()->className()), caption, parent);
}

QPalette darkFusionPalette() {
    QPalette dark;
    const QColor window(53, 53, 53);
    const QColor disabled(127, 127, 127);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    dark.setColor(QPalette::ToolTipBase, Qt::white);
    dark.setColor(QPalette::ToolTipText, window);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    dark.setColor(QPalette::LinkVisited, QColor(130, 100, 218));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::PlaceholderText, disabled);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, disabled);
    dark.setColor(QPalette::Disabled, QPalette::HighlightedText, disabled);
    return dark;
}

bool Findings::clean() {
    lines.removeDuplicates();
    for (const QString& line : std::as_const(lines))
        qWarning().noquote() << line;
    return lines.isEmpty();
}
