#pragma once

#include <QMargins>

class QLayout;

// A layout's margins and spacing; a grid takes the two spacings apart.
struct Density {
    QMargins margins;
    int horizontal;
    int vertical;
};
void applyDensity(QLayout* layout, const Density& density);
template <class Layout> Layout* compact(Layout* layout, const Density& density) {
    applyDensity(layout, density);
    return layout;
}
