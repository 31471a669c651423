#pragma once

#include "app/tab_context.h"

#include <QWidget>

// The "Slideshow Maker" tab.
class SlideshowTab final : public QWidget {
    Q_OBJECT
public:
    explicit SlideshowTab(const TabContext& context, QWidget* parent = nullptr);

private:
    TabContext context;
};
