#include "makers/dropdown/dropdown_tab.h"

DropdownTab::DropdownTab(const TabContext& tabContext, QWidget* parent)
    : QWidget(parent), context(tabContext) {
    setObjectName("TabSheet1");
}
