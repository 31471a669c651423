#include "makers/popup/popup_tab.h"

PopupTab::PopupTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), context(tabContext) {
    setObjectName("TabSheet2");
}
