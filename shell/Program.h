#pragma once
// The application object: it owns the model, the selection record, the main window and its
// child windows, runs the start-up sequence, and is the main window's procedure: every menu
// item, accelerator, icon-bar click and double click arrives at WndProc as one command id.
//
// Each command of the person's, however it arrives (WndProc, an edit with the mouse), runs as one
// undo step: the state before it is kept when the command changed it, so that no view or dialog
// needs to know about undo. Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo. After each such step, and
// after an undo or a redo, the Canvas takes the rules and colours of the moment.

#include "content/Selection.h"
#include "explore/RuleCandidates.h"
#include "resources/BilingualText.h"
#include "platform/MainFrame.h"
#include "shell/ArrayWindow.h"
#include "shell/ChildWindows.h"
#include "shell/ProcessingCommands.h"
#include "shell/SelectionCommands.h"
#include "shell/ShellState.h"
#include "shell/UndoHistory.h"
#include "shell/settings/Settings.h"
#include "views/StateBrushes.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vellicor {

class Canvas;
class Explorer;
class HelpViewer;
class PictureCommands;
class UserPrompts;

class Program {
public:
    // settingsPath: the VLR.INI to read and write (empty: none, every setting at its default).
    Program(int32_t quorrelEdition, std::string settingsPath, UserPrompts& prompts);
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void Show();
    void WndProc(int command);

    // The rule explorer's adoption, one command of the person's: the rules in both forms, as the
    // Transition rules dialog's OK sets them, and with a picture (a candidate's last generation,
    // of the array's size) its cells too; then every view repaints.
    void AdoptRuleSet(const RuleSet& numAuto, const Automaton* picture);
    void OpenExplorer();
    void OpenCanvas();
    // A command that does not arrive as an id: whatever it runs, nested commands included, is at
    // most one step.
    void RunAsOneStep(const std::function<void()>& command);
    // Nothing while a command runs (a continuous run, a dialog of a command).
    void Undo();
    void Redo();

    MainFrame& Frame() { return *frame_; }
    Model& GetModel() { return model_; }
    Selection& GetSelection() { return selection_; }
    const ShellState& State() const { return state_; }
    const StateBrushes& Brushes() const { return brushes_; }
    ChildFrame* InfoWindow() const { return windows_->Info(); }
    ChildFrame* BitmapWindow() const { return windows_->Bitmap(); }
    ChildFrame* ZoomWindow() const { return windows_->Zoom(); }
    ChildFrame* ArrayWindowFrame() const { return arrayWindow_->Frame(); }
    ChildFrame* MosaicWindow() const { return windows_->Mosaic(); }
    ChildFrame* MultiBitmapWindow() const { return windows_->MultiBitmap(); }
    HelpViewer* HelpWindow() const { return helpViewer_.get(); } // null until the first Help command
    PictureCommands& Pictures() { return *pictures_; }
    Explorer& GetExplorer() { return *explorer_; }
    Canvas& GetCanvas() { return *canvas_; }

private:
    void CreateMainWindow();
    void Dispatch(int command);
    UndoState CurrentUndoState() const;
    void RestoreStep(std::optional<UndoState> state);
    void SetInitialMarks();

    bool RunFileCommand(int command);
    bool RunInitializeCommand(int command);
    bool RunEditCommand(int command);
    bool RunOptionsCommand(int command);
    bool RunHelpCommand(int command);
    bool RunParameterDialog(int command);
    void ChoosePreset(int command);
    void ChooseLanguage(int command);
    void CopyWindow(const ChildFrame* window);
    void ReinitialiseWindows();
    void SaveSettingsFile();
    void About();
    void OnClientMouse(ClientMouse kind, int x, int y);
    void ShowMessage(const BilingualText& text);

    Model model_;
    Selection selection_;
    ShellState state_;
    StateBrushes brushes_;
    const std::string settingsPath_;
    UserPrompts& prompts_;
    std::unique_ptr<MainFrame> frame_;
    std::unique_ptr<ProcessingCommands> processing_;
    std::unique_ptr<ChildWindows> windows_;
    std::unique_ptr<ArrayWindow> arrayWindow_;
    std::unique_ptr<SelectionCommands> selectionCommands_;
    std::unique_ptr<HelpViewer> helpViewer_;
    std::unique_ptr<PictureCommands> pictures_; // the views' context menus
    std::unique_ptr<Explorer> explorer_;
    std::unique_ptr<Canvas> canvas_; // before pictures_ goes: its window saves through it
    UndoHistory undoHistory_;
    int32_t commandDepth_ = 0; // commands running, nested ones included
};

} // namespace vellicor
