#include "platform/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>

namespace vellicor {
namespace {

int Scale(int units, int base, int divisor)
{
    // Rounded like the old MulDiv, in 64 bits so no template value can overflow.
    const long long scaled = (static_cast<long long>(units) * base * 2 + divisor) / (2LL * divisor);
    return static_cast<int>(std::clamp<long long>(scaled, -1'000'000, 1'000'000));
}

} // namespace

DialogBaseUnits MeasureBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int average = (letters / 26 + 1) / 2;
    DialogBaseUnits units;
    units.x = std::max(1, average + (average + 4) / 8);
    units.y = std::max(1, metrics.height());
    return units;
}

QRect ToPixels(const DialogRect& rect, DialogBaseUnits units)
{
    return {Scale(rect.x, units.x, 4), Scale(rect.y, units.y, 8), Scale(rect.width, units.x, 4),
            Scale(rect.height, units.y, 8)};
}

QSize ToPixels(const DialogSize& size, DialogBaseUnits units)
{
    return {Scale(size.width, units.x, 4), Scale(size.height, units.y, 8)};
}

} // namespace vellicor
