#include "shell/ArrayWindow.h"

#include "platform/MainFrame.h"
#include "resources/Messages.h"
#include "shell/CommandIds.h"
#include "shell/ProcessingCommands.h"
#include "shell/ShellState.h"
#include "views/ArrayView.h"

namespace vellicor {

ArrayWindow::ArrayWindow(Model& model, Selection& selection, ShellState& state, MainFrame& frame,
                         ProcessingCommands& processing, CommandRunner runCommand)
    : model_(model), selection_(selection), state_(state), frame_(frame), processing_(processing),
      runCommand_(std::move(runCommand))
{
}

void ArrayWindow::Create(OpenedBy by)
{
    Settings& settings = model_.settings;
    ChildWindowOptions options;
    const int32_t titleLanguage = by == OpenedBy::Reinitialise ? 0
                                  : by == OpenedBy::WindowMenu || settings.iLanguage == 0 ? settings.iLanguage
                                                                                           : 1;
    options.title = std::string(PickText(kArrayWindowTitle, titleLanguage));
    options.rect = {settings.iMatrixX, settings.iMatrixY, settings.iMatrixWidth, settings.iMatrixHeight};
    const ArraySources sources{model_.automaton,   model_.cells,          settings.bDrawGrid,
                               settings.bRectangle, settings.crStateColor, selection_};
    ArrayMouse mouse;
    mouse.leftPress = [this](int32_t x, int32_t y) { LeftPress(x, y); };
    mouse.leftRelease = [this](int32_t x, int32_t y, bool pressedHere) {
        runCommand_([&] { LeftRelease(x, y, pressedHere); });
    };
    mouse.rightRelease = [this](int32_t x, int32_t y) { runCommand_([&] { RightRelease(x, y); }); };
    window_ = frame_.CreateChildWindow(options, new ArrayView(sources, std::move(mouse)));

    settings.bMatrixWindowOn = 1;
    state_.bMatrixOpen = 1;
    frame_.CheckMenuItem(command::kWindowArray, true);
    frame_.EnableMenuItem(command::kCopyArray, true);
    ShowSelectionEvent(SelectionEvent::kArrayWindowCreated);
    window_->SetDestroyedHandler([this] {
        model_.settings.bMatrixWindowOn = 0;
        state_.bMatrixOpen = 0;
        frame_.CheckMenuItem(command::kWindowArray, false);
        frame_.EnableMenuItem(command::kCopyArray, false);
        ShowSelectionEvent(SelectionEvent::kArrayWindowDestroyed);
    });
    if (by != OpenedBy::StartUp)
        window_->showNormal();
}

bool ArrayWindow::RunCommand(int command)
{
    if (command != command::kWindowArray)
        return false;
    if (state_.bMatrixOpen == 0)
        Create(OpenedBy::WindowMenu);
    return true;
}

void ArrayWindow::Repaint()
{
    if (window_ != nullptr && window_->View() != nullptr)
        window_->View()->update();
}

void ArrayWindow::ShowSelectionEvent(SelectionEvent event)
{
    for (const CommandAvailability& change : SelectionCommandChanges(event))
        frame_.EnableMenuItem(change.iCommand, change.bEnabled);
}

void ArrayWindow::LeftPress(int32_t x, int32_t y)
{
    model_.settings.bArrayMode = 1;
    PressOnCell(selection_, x, y);
}

void ArrayWindow::LeftRelease(int32_t x, int32_t y, bool pressedHere)
{
    model_.settings.bArrayMode = 1;
    if (x == 0 || y == 0) {
        processing_.StepsFromClick();
        RemoveHighlight(selection_);
        frame_.InvalidateClient(); // every view, or the Info window would show the level before
        return;
    }
    model_.automaton.bIncrementalPaint = 0;
    if (const std::optional<SelectionEvent> event = ReleaseOnCell(selection_, x, y, pressedHere, model_.cells))
        ShowSelectionEvent(*event);
    Repaint();
}

void ArrayWindow::RightRelease(int32_t x, int32_t y)
{
    model_.settings.bArrayMode = 1;
    if (x == 0 || y == 0)
        return;
    Automaton& a = model_.automaton;
    a.iChanges += 1;
    a.byArray[x][y] = static_cast<uint8_t>((a.byArray[x][y] + 1) % kStateCount);
    ApplyGeometry(a);
    a.bIncrementalPaint = 0;
    frame_.InvalidateClient(); // the change counter and the picture views show it at once
}

} // namespace vellicor
