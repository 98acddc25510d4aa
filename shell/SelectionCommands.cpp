#include "shell/SelectionCommands.h"

#include "content/SelectionFile.h"
#include "platform/MainFrame.h"
#include "platform/UserPrompts.h"
#include "resources/ContentMessages.h"
#include "shell/ArrayWindow.h"

namespace vellicor {

namespace {

using CellOperation = void (*)(Automaton&, Selection&);

struct RectangleCommand {
    int command;
    CellOperation operation;
};

constexpr RectangleCommand kRectangleCommands[] = {
    {kCommandZeroState, ZeroStateSelection},         {kCommandIncrement, IncrementSelection},
    {kCommandDecrement, DecrementSelection},         {kCommandVerticalSymmetry, VerticalSymmetry},
    {kCommandHorizontalSymmetry, HorizontalSymmetry}, {kCommandCentralSymmetry, CentralSymmetry},
};

} // namespace

SelectionCommands::SelectionCommands(Model& model, Selection& selection, UserPrompts& prompts, MainFrame& frame,
                                     ArrayWindow& arrayWindow)
    : model_(model), selection_(selection), prompts_(prompts), frame_(frame), arrayWindow_(arrayWindow)
{
}

bool SelectionCommands::RunCommand(int command)
{
    switch (command) {
    case kCommandSelectionLoad: Load(); return true;
    case kCommandSelectionSave: Save(); return true;
    case kCommandCopy: Copy(); return true;
    case kCommandPaste: Paste(); return true;
    default: break;
    }
    for (const RectangleCommand& entry : kRectangleCommands) {
        if (entry.command == command) {
            entry.operation(model_.automaton, selection_);
            frame_.InvalidateClient();
            return true;
        }
    }
    return false;
}

void SelectionCommands::ShowMessage(const BilingualText& text)
{
    prompts_.ShowMessage(text, model_.settings.iLanguage, MessageStyle::OkExclamation);
}

std::optional<std::string> SelectionCommands::ChooseSelectionFile(FileDialogRequest::Kind kind)
{
    // One name for Load and Save: the last one chosen by either is proposed again.
    std::optional<std::string> path =
        prompts_.ChooseFile({kind, kSelectionFileFilters, kSelectionFileExtension, szSelFileName_});
    if (path)
        szSelFileName_ = *path;
    return path;
}

void SelectionCommands::Copy()
{
    if (CopySelection(model_.automaton, selection_) == EditOutcome::kObjectOverlaps) {
        ShowMessage(kObjectOverlapsMessage);
        return;
    }
    arrayWindow_.ShowSelectionEvent(SelectionEvent::kCopied);
    arrayWindow_.Repaint();
}

void SelectionCommands::Paste()
{
    if (PasteSelection(model_.automaton, selection_) == EditOutcome::kObjectOverlaps)
        ShowMessage(kObjectOverlapsMessage);
    else
        frame_.InvalidateClient();
}

void SelectionCommands::Load()
{
    const std::optional<std::string> path = ChooseSelectionFile(FileDialogRequest::Kind::Open);
    if (!path) {
        selection_.bCellHighlight = 0; // a cancelled Load takes the point's highlight off
        arrayWindow_.Repaint();
        return;
    }
    const LoadResult result = LoadSelectionFile(model_.automaton, selection_, *path);
    if (!result.bLoaded) {
        ShowMessage(kLoadErrorMessage);
        return;
    }
    // Once each, however many fields were refused, rather than one message per bad field: a
    // damaged file of many fields would otherwise hold the person in a long row of boxes, and
    // the rest of the file is in the array either way.
    if (result.bDataError)
        ShowMessage(kDataErrorMessage);
    if (result.bOutsideArray)
        ShowMessage(kObjectOverlapsMessage);
    frame_.InvalidateClient();
}

void SelectionCommands::Save()
{
    const std::optional<std::string> path = ChooseSelectionFile(FileDialogRequest::Kind::Save);
    if (!path) {
        selection_.bRectHighlight = 0; // a cancelled Save takes the rectangle's highlight off
        arrayWindow_.Repaint();
        return;
    }
    if (SaveSelection(model_.automaton, selection_, *path) == SaveResult::kWriteError) {
        ShowMessage(kWriteErrorMessage);
        return;
    }
    arrayWindow_.Repaint(); // the rectangle's highlight is off
}

} // namespace vellicor
