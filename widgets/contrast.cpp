#include "widgets/contrast.h"

#include <algorithm>
#include <cmath>

double relativeLuminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = relativeLuminance(a) + 0.05;
    const double second = relativeLuminance(b) + 0.05;
    return std::max(first, second) / std::min(first, second);
}
