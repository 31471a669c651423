#include "widgets/code_pane.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QPlainTextEdit>

QPlainTextEdit* makeCodePane(const QString& objectName, QWidget* parent) {
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(objectName);
    styleCodePane(pane);
    return pane;
}

void styleCodePane(QPlainTextEdit* pane, TabKey tab) {
    QFont code = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    code.setPointSizeF(pane->font().pointSizeF());
    pane->setFont(code);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setTabChangesFocus(tab == TabKey::MovesFocus);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

namespace {

// Follows the application's palette: navy on white where it is light, the
// palette's own colours where it is dark.
class NavyText final : public QObject {
public:
    explicit NavyText(QPlainTextEdit* pane) : QObject(pane), pane(pane) {
        // Only the application hears of a new palette when the pane's own
        // colours hide the change.
        QCoreApplication::instance()->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange &&
            watched == QCoreApplication::instance())
            follow();
        return false;
    }

private:
    void follow() {
        QPalette palette; // nothing of its own: the desktop's colours
        if (QApplication::palette(pane).color(QPalette::Base).lightness() >= 128) {
            palette.setColor(QPalette::Text, QColor(0, 0, 128));
            palette.setColor(QPalette::Base, Qt::white);
        }
        pane->setPalette(palette);
    }

    QPlainTextEdit* pane;
};

} // namespace

void showNavyText(QPlainTextEdit* pane) {
    new NavyText(pane);
}
