#pragma once
// The picture of the Array window, kept between paints: a white ground, the grid lines that
// enclose exactly the interior cells, and each cell in its state's colour, filling the
// (c - 1) x (c - 1) pixels inside the lines or as an ellipse one pixel inside them. Live cell
// (x, y) with pitch c has its lines at 10 + x c and 10 + (x + 1) c, so the first interior cell
// starts at 10 + c and the border ring is never drawn.
//
// The picture remembers which state each cell shows. After a run it redraws only the cells whose
// state differs from what it shows, so no cell is left stale however many generations passed
// since the last paint (byOldArray holds only the one before the last), and the grid and the
// unchanged cells keep their pixels. Anything that moves or recolours the cells (size, pitch,
// array size, grid, shape, palette) redraws everything.

#include "engine/Automaton.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace vellicor {

struct ArrayLook {
    int32_t iCellWidth = 1; // below 1 no cell has a place: nothing but the ground is drawn
    bool bDrawGrid = true;
    bool bRectangle = true;
    std::array<QRgb, kStateCount> colors{};

    friend bool operator==(const ArrayLook&, const ArrayLook&) = default;
};

inline constexpr int kCellOrigin = 10;

class ArrayPicture {
public:
    // Brings the picture up to date with the cells; incremental allows drawing only the changed
    // cells (it is honoured only when nothing else changed).
    void Update(const Automaton& a, QSize size, const ArrayLook& look, bool incremental);

    const QImage& Image() const { return image_; }

private:
    void DrawAll(const Automaton& a);
    void DrawGrid();
    void DrawCell(int x, int y, uint8_t state);
    void MakeEllipse();

    QImage image_;
    ArrayLook look_;
    int maxHor_ = 0;
    int maxVer_ = 0;
    std::array<std::array<uint8_t, kArrayDim>, kArrayDim> shown_{}; // [x][y], as byArray
    // The ellipse of one cell: for each of its rows, the first and one past the last pixel.
    std::vector<std::pair<int, int>> ellipseSpans_;
};

} // namespace vellicor
