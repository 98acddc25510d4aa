#pragma once
// The Mosaic window: the array's tile (RenderArrayTile, wMaxHor x wMaxVer pixels) repeated over
// the whole client area from its top-left corner. iMosaicMode 1 repeats the whole tile, edge to
// edge; 0 repeats an 8 x 8 brush, the tile's top-left 8 x 8 pixels. A tile narrower or lower than
// 8 pixels (fewer than 7 interior cells that way) is repeated inside the brush until it is full,
// so the brush picture still repeats every 8 pixels, whatever the array size.
// The picture is made anew from the cells at every paint.

#include "engine/Automaton.h"
#include "views/PictureView.h"

#include <cstdint>
#include <functional>

namespace vellicor {

inline constexpr int kMosaicBrushSide = 8;

// The pattern repeated over the window: the tile itself, or the 8 x 8 brush made from it. Null
// when the array has no live cell.
QImage MosaicPattern(const QImage& tile, int32_t iMosaicMode);

class MosaicView : public PictureView {
public:
    MosaicView(const Automaton& automaton, const uint32_t* crStateColor, const int32_t& iMosaicMode,
               std::function<void()> onDoubleClick, QWidget* parent = nullptr);

    QImage Picture() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QImage& Render();

    const Automaton& automaton_;
    const uint32_t* crStateColor_;
    const int32_t& iMosaicMode_;
    std::function<void()> onDoubleClick_;
    QImage picture_;
};

} // namespace vellicor
