#pragma once

#include <QList>

class QWidget;

// Tab moves through `controls` in the order given.
void setTabChain(const QList<QWidget*>& controls);
