// Shows each tool tab (and each page of the Slideshow tab) and saves a
// screenshot of it, plus one text file listing every control of the tabs:
// class, objectName, geometry, texts, hints, state, and the focus chain. Run
// it before and after a change to the way the tabs are built and compare:
//   xvfb-run -a -s "-screen 0 1280x1024x24" tab_screenshots /tmp/shots
//   diff /tmp/before/controls.txt /tmp/shots/controls.txt
#include "app/application_windows.h"
#include "app/main_window.h"
#include "app/main_window_controls.h"
#include "makers/slideshow/slideshow_controls.h"
#include "support/fake_desktop.h"
#include "support/find_control.h"
#include "support/test_files.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>

namespace {

QString textOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText() + QStringLiteral(" #%1").arg(combo->currentIndex());
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    return {};
}

void listControls(QTextStream& out, QWidget* tab) {
    out << "== " << tab->objectName() << '\n';
    for (QWidget* widget : tab->findChildren<QWidget*>()) {
        const QRect box(widget->mapTo(tab, QPoint(0, 0)), widget->size());
        out << widget->metaObject()->className() << " '" << widget->objectName() << "' " << box.x()
            << ',' << box.y() << ' ' << box.width() << 'x' << box.height() << " text='"
            << textOf(widget) << "' tip='" << widget->toolTip() << "' status='"
            << widget->statusTip() << "' " << (widget->isEnabled() ? "" : "disabled ")
            << (widget->isVisibleTo(tab) ? "" : "hidden ") << "focus=" << widget->focusPolicy()
            << '\n';
    }
    for (QAction* action : tab->findChildren<QAction*>())
        out << "action '" << action->objectName() << "' text='" << action->text() << "' tip='"
            << action->toolTip() << "' status='" << action->statusTip() << "' "
            << (action->isCheckable() ? (action->isChecked() ? "checked " : "unchecked ") : "")
            << "keys=" << action->shortcut().toString() << '\n';
    out << "focus chain:";
    QWidget* next = tab;
    do {
        next = next->nextInFocusChain();
        if (tab->isAncestorOf(next) && next->focusPolicy() & Qt::TabFocus)
            out << ' ' << next->metaObject()->className() << ":'" << next->objectName() << '\'';
    } while (next != tab);
    out << '\n';
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QDir().mkpath(out.path());
    FakeDesktop desktop;
    ProgramFolder folder;
    ApplicationWindows windows;
    QWidget* main = windows.mainWindow.get();
    main->show();
    const auto shoot = [&out](const QString& name) {
        QTest::qWait(300);
        QGuiApplication::primaryScreen()->grabWindow(0).save(out.filePath(name));
    };
    QFile file(out.filePath(QStringLiteral("controls.txt")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream list(&file);
    auto* tabs = findControl<QTabWidget>(main, main_window::controls::Tabs);
    for (int tab = 0; tab < 5; ++tab) {
        tabs->setCurrentIndex(tab);
        shoot(QStringLiteral("tab-%1.png").arg(tab + 1));
        listControls(list, tabs->widget(tab));
    }
    tabs->setCurrentIndex(3);
    auto* pages = findControl<QTabWidget>(main, slideshow::controls::SubPages);
    for (int page = 1; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        shoot(QStringLiteral("slideshow-%1.png").arg(page + 1));
    }
    return 0;
}
