#pragma once
// The Array window's view: the cells as a grid (ArrayPicture) with the selection's highlight, and
// the mouse, reported as cells. The view changes nothing itself: the shell decides what a press or
// a release does. Only the cell size is kept here, from the client size on every resize.
//
// The highlight (the marked point, or the selected rectangle) is the picture inverted over its
// cells, painted with the picture every time, so covering the window or repainting it never
// loses it or leaves a stale inversion behind. It is placed from the record's cells and the
// pitch of the moment, so it stays on its cells when the pitch changes; a rectangle dragged up or
// to the left has no cells and shows nothing.

#include "content/Content.h"
#include "content/Selection.h"
#include "views/ArrayPicture.h"
#include "views/PictureView.h"

#include <functional>

class QPainter;

namespace vellicor {

// What the view reads; all of it lives in the program's model.
struct ArraySources {
    const Automaton& automaton;
    CellGeometry& cells;
    const int32_t& bDrawGrid;
    const int32_t& bRectangle;
    const uint32_t* crStateColor;
    const Selection& selection;
};

// Cells under the mouse, 0 in a coordinate off the interior cells (margin, ring, beyond the last
// cell, outside the window while the button is held). pressedHere: the left button went down in
// this view, and this is its release.
struct ArrayMouse {
    std::function<void(int32_t x, int32_t y)> leftPress;
    std::function<void(int32_t x, int32_t y, bool pressedHere)> leftRelease;
    std::function<void(int32_t x, int32_t y)> rightRelease;
};

class ArrayView : public PictureView {
public:
    ArrayView(const ArraySources& sources, ArrayMouse mouse, QWidget* parent = nullptr);

    // The grid with the highlight, as painted.
    QImage Picture() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ArrayLook Look() const;
    // Brings the picture up to date and draws it over `area` of the painter, highlight included.
    void Draw(QPainter& painter, const QRect& area);
    // The highlighted area in view pixels; empty when nothing is highlighted.
    QRect HighlightRect() const;
    // A pitch below 1 gives the cells no place at all: every point is off the cells, so a left
    // click anywhere runs the next generations, as on the margin, and a right click does nothing.
    std::pair<int32_t, int32_t> CellAt(const QMouseEvent& event) const;

    ArraySources sources_;
    ArrayMouse mouse_;
    ArrayPicture picture_;
    bool pressed_ = false;
};

} // namespace vellicor
