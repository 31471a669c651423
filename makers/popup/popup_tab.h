#pragma once

#include "app/tab_context.h"

#include <QWidget>

// The "Popup Maker" tab.
class PopupTab final : public QWidget {
    Q_OBJECT
public:
    explicit PopupTab(const TabContext& context, QWidget* parent = nullptr);

private:
    TabContext context;
};
