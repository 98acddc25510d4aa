#pragma once
// The Multi-bitmap window: a sheet on which each generation shown leaves its array image, one
// pixel per cell, at the tile position the step keeps (iTileX, iTileY). Earlier tiles stay until
// a later one is put over them.
//
// The sheet is an image of its own, not the screen: covering the window, an erasing repaint of
// the main window or a resize loses no tile. It starts white, grows with the client and never
// shrinks, so a window made smaller and then larger again shows its old tiles. A tile lying
// partly or wholly beyond the sheet (a window narrower than one pitch puts every later tile
// further right) keeps only the part on the sheet.

#include "engine/Automaton.h"
#include "views/PictureView.h"

#include <cstdint>
#include <functional>

namespace vellicor {

class MultiBitmapView : public PictureView {
public:
    // onResize is told the client size, which the tile layout follows.
    MultiBitmapView(const Automaton& automaton, const uint32_t* crStateColor,
                    std::function<void(int width, int height)> onResize, std::function<void()> onDoubleClick,
                    QWidget* parent = nullptr);

    // Puts the generation now in the array on the sheet, at the current tile position. Called for
    // every repaint the program asks for, whether or not the window is seen.
    void TakeTile();

    // The sheet, cut to the client area.
    QImage Picture() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void CoverClient();

    const Automaton& automaton_;
    const uint32_t* crStateColor_;
    std::function<void(int, int)> onResize_;
    std::function<void()> onDoubleClick_;
    QImage sheet_;
};

} // namespace vellicor
