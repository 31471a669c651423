// Not a test: writes every control of every window, as the walking tests see
// it, to one text file: class, objectName, parent, geometry in the window,
// visibility, enabled state, text and spoken name. Run it before and after a
// change to the way forms are built and compare:
//   xvfb-run -a -s "-screen 0 1920x1200x24" control_dump /tmp/before.txt
//   diff /tmp/before.txt /tmp/after.txt
#include "window_walk.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextStream>

namespace {

QString textOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text() +
               (label->buddy() ? QLatin1String(" buddy=") + describe(label->buddy()) : QString());
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->currentText() +
               QStringLiteral(" #%1/%2").arg(combo->currentIndex()).arg(combo->count());
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(widget))
        return spin->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    if (const auto* pane = qobject_cast<const QPlainTextEdit*>(widget))
        return QStringLiteral("%1 lines").arg(pane->blockCount());
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFile file(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("controls.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return 1;
    QTextStream out(&file);
    walkWindows([&out](const QString& where, QWidget* window) {
        out << "== " << where << ' ' << window->width() << 'x' << window->height() << '\n';
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->window() != window)
                continue;
            const QRect box(widget->mapTo(window, QPoint(0, 0)), widget->size());
            out << widget->metaObject()->className() << " '" << widget->objectName() << "' in '"
                << (widget->parentWidget() ? describe(widget->parentWidget()) : QString()) << "' "
                << box.x() << ',' << box.y() << ' ' << box.width() << 'x' << box.height() << ' '
                << (widget->isVisible() ? "shown" : "hidden") << ' '
                << (widget->isEnabled() ? "enabled" : "disabled") << " text='" << textOf(widget)
                << "' name='" << widget->accessibleName() << "'\n";
        }
    });
    return 0;
}
