#include "makers/slideshow/slideshow_tab.h"

SlideshowTab::SlideshowTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), context(tabContext) {
    setObjectName("TabSheet4");
}
