#pragma once
// The Zoom window: the array image stretched over the whole client area. The zoom factor sets only
// the window's outer size.

#include "engine/Automaton.h"
#include "views/PictureView.h"

#include <cstdint>

namespace vellicor {

class ZoomView : public PictureView {
public:
    ZoomView(const Automaton& automaton, const uint32_t* crStateColor, QWidget* parent = nullptr);

    // The stretched image at the client's size, as painted.
    QImage Picture() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Automaton& automaton_;
    const uint32_t* crStateColor_;
};

} // namespace vellicor
