#include "widgets/density.h"

#include <QGridLayout>
#include <QLayout>

void applyDensity(QLayout* layout, const Density& density) {
    layout->setContentsMargins(density.margins);
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        grid->setHorizontalSpacing(density.horizontal);
        grid->setVerticalSpacing(density.vertical);
    } else {
        layout->setSpacing(density.horizontal);
    }
}
