#include "makers/mouseover/mouseover_tab.h"

MouseOverTab::MouseOverTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), context(tabContext) {
    setObjectName("TabSheet3");
}
