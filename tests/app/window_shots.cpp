// Not a test: saves a picture of every window as the walking tests see it, to
// look at how the program reads under a dark palette, at a scale or a font:
//   xvfb-run -a -s "-screen 0 1920x1200x24" window_shots /tmp/shots [dark] [points]
//   QT_SCALE_FACTOR=2 xvfb-run -a ... window_shots /tmp/shots-2x
//   QUILLMINT_TEST_LANGUAGE=de_DE QUILLMINT_TEST_CATALOGUES=bin/translations xvfb-run -a ...
#include "window_walk.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QRegularExpression>
#include <QStyle>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QDir out(arguments.value(1, QDir::currentPath()));
    QDir().mkpath(out.path());
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (arguments.contains(QLatin1String("dark")))
        QApplication::setPalette(darkFusionPalette());
    if (const int points = arguments.constLast().toInt(); points > 0) {
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    int shot = 0;
    walkWindows([&out, &shot](const QString& where, QWidget* window) {
        QString name = where;
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
        window->grab().save(out.filePath(
            QStringLiteral("%1-%2.png").arg(++shot, 2, 10, QLatin1Char('0')).arg(name)));
    });
    return 0;
}
