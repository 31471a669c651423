#include "widgets/tab_page.h"

void TabPage::build() {
    if (builtOnce)
        return;
    builtOnce = true;
    buildControls();
    emit built();
}

void TabPage::setVisible(bool visible) {
    if (visible)
        build();
    QWidget::setVisible(visible);
}

QSize TabPage::sizeHint() const {
    return hintsHeld ? QSize() : QWidget::sizeHint();
}

QSize TabPage::minimumSizeHint() const {
    return hintsHeld ? QSize() : QWidget::minimumSizeHint();
}

void TabPage::holdSizeHints() {
    hintsHeld = true;
}

void TabPage::releaseSizeHints() {
    if (!hintsHeld)
        return;
    hintsHeld = false;
    updateGeometry();
}
