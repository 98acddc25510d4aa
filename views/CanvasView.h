#pragma once
// The Canvas's picture on the screen: an indexed picture of the whole canvas, one pixel per cell,
// shown at a zoom of 1 to 16 logical pixels per cell without smoothing (DrawPixels), at any
// screen scale. A canvas smaller than the view sits in its middle on a dark ground; a larger one
// is dragged with the left button, and the mouse wheel zooms around the cell under the pointer.
// The view only shows: the picture is handed to it whole, and it keeps no other state of the run.

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace vellicor {

inline constexpr int kMinCanvasZoom = 1;
inline constexpr int kMaxCanvasZoom = 16;
// The zooms that ZoomIn and ZoomOut step through.
inline constexpr int kCanvasZoomSteps[] = {1, 2, 3, 4, 6, 8, 12, 16};

class CanvasView : public QWidget {
public:
    explicit CanvasView(QWidget* parent = nullptr);

    // The canvas as it is now; a picture of another size keeps the cell at the middle of the view
    // where it is as far as it can.
    void SetPicture(QImage picture);
    const QImage& Picture() const { return picture_; }

    int Zoom() const { return zoom_; }
    // The cell under `anchor` (a point of the view) stays under it.
    void SetZoom(int zoom, QPointF anchor);
    void SetZoom(int zoom) { SetZoom(zoom, Middle()); }
    // To the next of kCanvasZoomSteps, or the one before, around `anchor` or the view's middle.
    void ZoomIn(QPointF anchor);
    void ZoomOut(QPointF anchor);
    void ZoomIn() { ZoomIn(Middle()); }
    void ZoomOut() { ZoomOut(Middle()); }

    // The point of the zoomed canvas at the view's top-left corner (0, 0 while it fits).
    QPoint Scroll() const { return scroll_; }
    void SetScroll(QPoint scroll);
    // Where the zoomed canvas's top-left corner is drawn in the view.
    QPoint Origin() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize ZoomedSize() const { return picture_.size() * zoom_; }
    QPointF Middle() const { return QPointF(width() / 2.0, height() / 2.0); }
    void UpdateCursor();

    QImage picture_;
    int zoom_ = 1;
    QPoint scroll_;
    QPoint dragFrom_;
    bool dragging_ = false;
    int wheelTurn_ = 0; // eighths of a degree not yet spent on a zoom step
};

} // namespace vellicor
