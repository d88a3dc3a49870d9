// The contrast of two colours as the accessibility guidelines define it: relative luminance of linear sRGB, and
// (lighter + 0.05) / (darker + 0.05); normal text needs 4.5 : 1.
#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

namespace quillon::testing {

inline constexpr double kMinimumTextContrast = 4.5;

inline double RelativeLuminance(const QColor& colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

inline double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace quillon::testing
