#pragma once
// The Array window: made at start-up when bMatrixWindowOn is set and by Window / Array (167), at
// the settings' rectangle. While it exists it keeps its flags, the check of 167 and the copy item
// 134; its making and its going both gray the Selection commands (no selection exists yet, or
// any more). Its mouse edits cells and marks the selection:
//   - a right click on a cell moves it to the next state (15 to 0) and counts as a change;
//   - a left press and release on one cell marks it as the point (Load, Paste and the Life
//     patterns become available), a drag from one cell to another selects the rectangle (Save,
//     Copy, 0-state, Increment, Decrement and the symmetries);
//   - a left release off the cells runs iStep generations, as Next does, and takes the highlight
//     off; the selection and the menus stay as they were.
// Each release is one command of the person's, run through the program's runner so that it is
// one undo step.

#include "content/Selection.h"
#include "shell/ChildWindows.h"
#include "shell/settings/Settings.h"

#include <QPointer>

#include <functional>

namespace vellicor {

class ChildFrame;
class MainFrame;
class ProcessingCommands;
struct ShellState;

// Runs one command given by other means than a command id.
using CommandRunner = std::function<void(const std::function<void()>&)>;

class ArrayWindow {
public:
    ArrayWindow(Model& model, Selection& selection, ShellState& state, MainFrame& frame,
                ProcessingCommands& processing, CommandRunner runCommand);

    // At the settings' rectangle, titled as `by` says (ChildWindows.h).
    void Create(OpenedBy by);
    // 167; false for any other command.
    bool RunCommand(int command);

    ChildFrame* Frame() const { return window_; }
    // Repaints the Array window alone, for a change of the highlight. A change of the cells
    // repaints every view instead, so that none shows an older array or an older count.
    void Repaint();
    // The Selection commands an event makes available or grays, on both bars.
    void ShowSelectionEvent(SelectionEvent event);

private:
    void LeftPress(int32_t x, int32_t y);
    void LeftRelease(int32_t x, int32_t y, bool pressedHere);
    void RightRelease(int32_t x, int32_t y);

    Model& model_;
    Selection& selection_;
    ShellState& state_;
    MainFrame& frame_;
    ProcessingCommands& processing_;
    CommandRunner runCommand_;
    QPointer<ChildFrame> window_;
};

} // namespace vellicor
