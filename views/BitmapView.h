#pragma once
// The Bitmap window: the array at one pixel per cell, live cell (x, y) at pixel (10 + x, 10 + y).

#include "engine/Automaton.h"

#include <QWidget>

#include <cstdint>
#include <functional>

namespace vellicor {

class BitmapView : public QWidget {
public:
    BitmapView(const Automaton& automaton, const uint32_t* crStateColor, std::function<void()> onDoubleClick,
               QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const Automaton& automaton_;
    const uint32_t* crStateColor_;
    std::function<void()> onDoubleClick_;
};

} // namespace vellicor
