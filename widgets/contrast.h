#pragma once

#include <QColor>

// Relative luminance and contrast ratio as the accessibility guidelines define
// them; 4.5 is the least contrast for normal text.
double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& a, const QColor& b);
