#pragma once
// The Canvas as the program offers it: Ctrl+K and the context menus of the icon bar and of the
// Bitmap, Mosaic and Informations windows open its window (or bring it forward). The window is a
// top-level window of its own; closing the main window closes it too.

#include "shell/CanvasWindow.h"

#include <QPointer>

class QMenu;

namespace vellicor {

class Canvas {
public:
    Canvas(const Model& model, UserPrompts& prompts, PictureCommands& files);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void Open();
    void Close();
    // The context menus' item, in the language of the moment.
    void AppendAction(QMenu& menu);
    // What every command of the person's may have changed: the rules, the geometry, the colours.
    void Follow();
    void Retranslate();

    CanvasWindow* Window() const { return window_; }

private:
    const Model& model_;
    UserPrompts& prompts_;
    PictureCommands& files_;
    QPointer<CanvasWindow> window_;
};

} // namespace vellicor
