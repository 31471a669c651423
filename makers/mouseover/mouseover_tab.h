#pragma once

#include "app/tab_context.h"

#include <QWidget>

// The "MouseOver Button Maker" tab.
class MouseOverTab final : public QWidget {
    Q_OBJECT
public:
    explicit MouseOverTab(const TabContext& context, QWidget* parent = nullptr);

private:
    TabContext context;
};
