#pragma once

#include <QColor>
#include <QString>

// "#RRGGBB" with upper-case hexadecimal digits, the form every generator inserts.
QString HtmlColor(const QColor& colour);
