#pragma once

#include "app/tab_context.h"

#include <QWidget>

// The "Dropdown Menu Maker" tab.
class DropdownTab final : public QWidget {
    Q_OBJECT
public:
    explicit DropdownTab(const TabContext& context, QWidget* parent = nullptr);

private:
    TabContext context;
};
