#include "widgets/tab_page.h"

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
