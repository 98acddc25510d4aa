#include "views/ArrayPicture.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vellicor {

namespace {

constexpr QRgb kGround = 0xFFFFFFFF;
constexpr QRgb kGridLine = 0xFF000000;

// Pixels are computed in 64 bits: a pitch of up to 1000 pixels over 101 cells leaves the image
// far behind, and only the part inside it is drawn.
void FillRow(QImage& image, int64_t y, int64_t from, int64_t to, QRgb color)
{
    from = std::max<int64_t>(from, 0);
    to = std::min<int64_t>(to, image.width());
    if (y < 0 || y >= image.height() || from >= to)
        return;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
    std::fill(line + from, line + to, color);
}

} // namespace

void ArrayPicture::Update(const Automaton& a, QSize size, const ArrayLook& look, bool incremental)
{
    const int maxHor = EffectiveMaxHor(a);
    const int maxVer = EffectiveMaxVer(a);
    if (!incremental || image_.size() != size || !(look == look_) || maxHor != maxHor_ || maxVer != maxVer_) {
        if (image_.size() != size)
            image_ = QImage(size, QImage::Format_RGB32);
        const bool pitchChanged = look.iCellWidth != look_.iCellWidth || ellipseSpans_.empty();
        look_ = look;
        if (pitchChanged)
            MakeEllipse();
        maxHor_ = maxHor;
        maxVer_ = maxVer;
        DrawAll(a);
        return;
    }
    for (int x = 1; x < maxHor_; ++x) {
        const uint8_t* column = a.byArray[x];
        uint8_t* shown = shown_[static_cast<size_t>(x)].data();
        if (std::memcmp(column + 1, shown + 1, static_cast<size_t>(maxVer_ - 1)) == 0)
            continue;
        for (int y = 1; y < maxVer_; ++y) {
            if (column[y] != shown[y]) {
                shown[y] = column[y];
                DrawCell(x, y, column[y]);
            }
        }
    }
}

void ArrayPicture::DrawAll(const Automaton& a)
{
    image_.fill(kGround);
    if (look_.iCellWidth >= 1 && look_.bDrawGrid)
        DrawGrid();
    for (int x = 1; x < maxHor_; ++x) {
        for (int y = 1; y < maxVer_; ++y) {
            shown_[static_cast<size_t>(x)][static_cast<size_t>(y)] = a.byArray[x][y];
            DrawCell(x, y, a.byArray[x][y]);
        }
    }
}

void ArrayPicture::DrawGrid()
{
    const int64_t c = look_.iCellWidth;
    const int64_t first = kCellOrigin + c;
    const int64_t right = kCellOrigin + maxHor_ * c; // the last vertical line
    const int64_t bottom = kCellOrigin + maxVer_ * c;
    for (int i = 1; i <= maxVer_; ++i)
        FillRow(image_, kCellOrigin + i * c, first, right, kGridLine);
    for (int i = 1; i <= maxHor_; ++i) {
        const int64_t x = kCellOrigin + i * c;
        if (x < 0 || x >= image_.width())
            continue;
        for (int64_t y = std::max<int64_t>(first, 0); y <= bottom && y < image_.height(); ++y)
            reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(y)))[x] = kGridLine;
    }
}

void ArrayPicture::MakeEllipse()
{
    // The ellipse of a cell spans the pixels 2 .. c - 2 of it: d = c - 3 pixels, one pixel clear
    // of each grid line. A pixel belongs to it when its centre lies inside the circle.
    ellipseSpans_.clear();
    const int d = std::clamp(look_.iCellWidth - 3, 0, 2000);
    const double r = d / 2.0;
    for (int row = 0; row < d; ++row) {
        const double dy = row + 0.5 - r;
        const double half = std::sqrt(std::max(0.0, r * r - dy * dy));
        const int from = std::clamp(static_cast<int>(std::ceil(r - 0.5 - half)), 0, d);
        const int to = std::clamp(static_cast<int>(std::floor(r - 0.5 + half)) + 1, from, d);
        ellipseSpans_.emplace_back(from, to);
    }
    if (ellipseSpans_.empty())
        ellipseSpans_.emplace_back(0, 0); // made, and empty
}

void ArrayPicture::DrawCell(int x, int y, uint8_t state)
{
    const int64_t c = look_.iCellWidth;
    if (c < 1)
        return;
    const int64_t left = kCellOrigin + x * c;
    const int64_t top = kCellOrigin + y * c;
    if (left + 1 >= image_.width() || top + 1 >= image_.height())
        return;
    const QRgb color = look_.colors[state & (kStateCount - 1)];
    if (look_.bRectangle) {
        for (int64_t row = top + 1; row < top + c; ++row)
            FillRow(image_, row, left + 1, left + c, color);
        return;
    }
    // The ellipse's corners keep what the picture showed there.
    for (size_t row = 0; row < ellipseSpans_.size(); ++row) {
        const auto [from, to] = ellipseSpans_[row];
        FillRow(image_, top + 2 + static_cast<int64_t>(row), left + 2 + from, left + 2 + to, color);
    }
}

} // namespace vellicor
