#pragma once
// Pictures out of the program, through the views' context menus: "Save picture as..." on every
// view (the Informations window saves its line of text), and "Record run as animated GIF..." and
// "Record run as video..." on the Bitmap, Zoom and Mosaic windows. The right button opens the
// menu, except in the Array window, where it cycles a cell's state: there the keyboard's menu key
// and Shift+F10 open it (they do in every view). The labels follow iLanguage.
//
// What is saved is what the view paints, rendered from the cells: the Bitmap window's image,
// enlarged without smoothing by the scale chosen in its menu (1 to 8), and the other views'
// client areas. A recording runs as Continuous until does, frame by frame: the generation shown
// at the start, then one frame per generation. The folder of the last file chosen is proposed
// again until the program ends. Files are written whole or not at all.

#include "platform/ContextMenu.h"
#include "shell/RecordDialog.h"
#include "shell/settings/Settings.h"

#include <QImage>
#include <QObject>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QMenu;

namespace vellicor {

class ChildFrame;
class FrameRecorder;
struct DialogTemplate;
class MainFrame;
class ProcessingCommands;
class Program;
class UserPrompts;
struct FileFilter;

enum class ViewKind { Bitmap, Zoom, Mosaic, MultiBitmap, Info, Array };

class PictureCommands : public QObject {
public:
    // Watches every view of the program for its context menu from now on.
    PictureCommands(Program& program, Model& model, UserPrompts& prompts, MainFrame& frame,
                    ProcessingCommands& processing);

    // The context menu of the view at a place on the screen; null when that view is not open.
    QMenu* ShowMenu(ViewKind kind, const QPoint& globalPosition);

    // Items of other pieces at the end of these views' menus, in the order given.
    void AddMenuItems(std::initializer_list<ViewKind> kinds, const MenuFiller& fill);

    void SavePicture(ViewKind kind);
    void RecordRun(ViewKind kind);   // Bitmap, Zoom and Mosaic: an animated GIF
    void RecordVideo(ViewKind kind); // the same as MP4 or WebM, by the name of the file

    // What Save picture as writes for a view (not the Informations window): what it paints; for
    // the Bitmap window at the scale of its menu.
    QImage Picture(ViewKind kind) const;
    int Scale(ViewKind kind) const { return records_[ScaleSlot(kind)].scale; }

    // A file to save (picture, animation, video or text), proposed as `name` in the folder of the
    // last one chosen.
    std::optional<std::string> ChooseFile(std::span<const FileFilter> filters, std::string_view extension,
                                          std::string_view name);
    void ShowWriteError();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static int ScaleSlot(ViewKind kind) { return kind == ViewKind::Bitmap ? 0 : kind == ViewKind::Zoom ? 1 : 2; }
    ChildFrame* Window(ViewKind kind) const;
    // The view a widget belongs to; with the frame, also its caption and borders.
    std::optional<ViewKind> ViewOf(QObject* watched, bool frameToo) const;
    QImage Frame(ViewKind kind, int scale) const;
    // The run itself, whatever the file: the shown generation, then one frame per generation.
    void Record(ViewKind kind, FrameRecorder& recorder, const RecordChoice& choice, const DialogTemplate& dialog);

    Program& program_;
    Model& model_;
    UserPrompts& prompts_;
    MainFrame& frame_;
    ProcessingCommands& processing_;
    std::string lastFolder_;
    RecordChoice records_[3]; // Bitmap, Zoom, Mosaic: the scale of each, the last generations and delay
    std::vector<std::pair<ViewKind, MenuFiller>> moreItems_;
};

} // namespace vellicor
