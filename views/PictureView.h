#pragma once
// A view whose whole client area is a picture rendered from the model. Picture() gives the very
// pixels the view paints, at the client's size: the Edit menu copies it, so a window that is
// covered, or partly off the main window, still copies everything it holds.

#include <QImage>
#include <QWidget>

namespace vellicor {

class PictureView : public QWidget {
public:
    using QWidget::QWidget;

    virtual QImage Picture() = 0;
};

} // namespace vellicor
