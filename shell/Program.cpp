#include "shell/Program.h"

#include "content/Initialisation.h"
#include "content/Patterns.h"
#include "engine/Rules.h"
#include "explore/CandidateRun.h"
#include "platform/Clipboard.h"
#include "platform/HelpViewer.h"
#include "platform/UserPrompts.h"
#include "resources/ContentMessages.h"
#include "resources/DialogTemplates.h"
#include "resources/MenuTables.h"
#include "resources/Messages.h"
#include "resources/ParameterDialogTemplates.h"
#include "shell/ArrayDialogs.h"
#include "shell/AutomatonDialogs.h"
#include "shell/CommandIds.h"
#include "shell/PictureCommands.h"
#include "shell/Canvas.h"
#include "shell/Explorer.h"
#include "shell/PreferencesDialog.h"
#include "shell/settings/SettingsFile.h"
#include "views/ArrayImage.h"
#include "views/ColorsDialog.h"
#include "views/InfoView.h"
#include "views/MouseToCell.h"
#include "views/PictureView.h"

#include <QLayout>
#include <QMenu>

#include <ctime>

namespace vellicor {

Program::Program(int32_t quorrelEdition, std::string settingsPath, UserPrompts& prompts)
    : model_(quorrelEdition), settingsPath_(std::move(settingsPath)), prompts_(prompts)
{
    // First of all, so that the language decides which menu bar the main window shows.
    LoadSettings(model_, settingsPath_);
    CreateMainWindow();
}

Program::~Program()
{
    // The windows' destroyed handlers touch this object: let them run while it is whole.
    frame_.reset();
}

void Program::CreateMainWindow()
{
    Settings& settings = model_.settings;
    const MenuTable& englishBar = settings.bQuorrelEdition != 0 ? MENU_QRL_US : MENU_VLR;
    frame_ = std::make_unique<MainFrame>(englishBar, MENU_VLR_FR, MenuLanguageFor(settings.iLanguage));
    frame_->setWindowTitle(QString::fromUtf8(kMainWindowTitle.data(), static_cast<qsizetype>(kMainWindowTitle.size())));
    frame_->SetCommandHandler([this](int id) { WndProc(id); });
    frame_->AddKey(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { Undo(); });
    frame_->AddKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { Redo(); });
    frame_->AddKey(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { Redo(); });
    frame_->SetClientMouseHandler([this](ClientMouse kind, int x, int y) { OnClientMouse(kind, x, y); });
    // The help viewer is a window of its own: it would outlive the main window and keep the
    // program running.
    frame_->SetCloseHandler([this] {
        if (state_.bHelpUsed == 1 && helpViewer_)
            helpViewer_->Quit();
        if (canvas_)
            canvas_->Close();
    });
    // Every repaint of the views leaves the generation of the moment on the Multi-bitmap sheet.
    frame_->SetClientRepaintHandler([this] {
        if (windows_)
            windows_->TakeMultiBitmapTile();
    });
    processing_ = std::make_unique<ProcessingCommands>(model_, prompts_, *frame_);
    windows_ = std::make_unique<ChildWindows>(model_, state_, *frame_);
    arrayWindow_ = std::make_unique<ArrayWindow>(model_, selection_, state_, *frame_, *processing_,
                                                 [this](const std::function<void()>& edit) { RunAsOneStep(edit); });
    selectionCommands_ = std::make_unique<SelectionCommands>(model_, selection_, prompts_, *frame_, *arrayWindow_);
    pictures_ = std::make_unique<PictureCommands>(*this, model_, prompts_, *frame_, *processing_);
    explorer_ = std::make_unique<Explorer>(model_, *frame_, [this](const RuleSet& numAuto, const Automaton* picture) {
        RunAsOneStep([&] { AdoptRuleSet(numAuto, picture); });
    });
    canvas_ = std::make_unique<Canvas>(model_, prompts_, *pictures_);
    frame_->AddKey(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { OpenExplorer(); });
    frame_->AddKey(QKeySequence(Qt::CTRL | Qt::Key_K), [this] { OpenCanvas(); });
    const MenuFiller explorerItem = [this](QMenu& menu) { explorer_->AppendAction(menu); };
    const MenuFiller canvasItem = [this](QMenu& menu) { canvas_->AppendAction(menu); };
    windows_->SetIconBarMenu([explorerItem, canvasItem](QMenu& menu) {
        explorerItem(menu);
        canvasItem(menu);
    });
    pictures_->AddMenuItems({ViewKind::Info}, explorerItem);
    pictures_->AddMenuItems({ViewKind::Info, ViewKind::Bitmap, ViewKind::Mosaic}, canvasItem);

    state_.bZoomOpen = 0;
    state_.bIconBarOn = 1;
    model_.automaton.iMBitmapHor = model_.automaton.iMBitmapVer = 5;
    state_.iZoomFactor = 3;
    state_.iMosaicMode = 1;
    SetInitialMarks();
    state_.bHelpUsed = 0;
    BuildStateBrushes(brushes_, settings.crStateColor);

    // The default layout needs the client's real height, so the window takes its place first.
    frame_->PlaceOnScreen();
    if (frame_->layout() != nullptr)
        frame_->layout()->activate();
    ComputeDefaultLayout(settings.layout, frame_->ClientSize().height(), state_.bIconBarOn);
    LoadSettings(model_, settingsPath_); // now with the layout as the rectangles' defaults
    InitStandard(model_.automaton);
    ResetAutomaton(model_);

    windows_->CreateIconBar();
    windows_->CreateBitmapWindow();
    windows_->CreateInfoWindow();
    if (settings.bMatrixWindowOn != 0)
        arrayWindow_->Create(OpenedBy::StartUp);
    if (settings.bMosaicWindowOn != 0)
        windows_->CreateMosaicWindow(OpenedBy::StartUp);
    if (settings.bMultiBitmapWindowOn != 0)
        windows_->CreateMultiBitmapWindow();
    state_.bMatrixOpen = settings.bMatrixWindowOn;
    state_.bMosaicOpen = settings.bMosaicWindowOn;
    state_.bMultiBitmapOpen = settings.bMultiBitmapWindowOn;
}

void Program::SetInitialMarks()
{
    for (int id : {command::kWindowZoom, command::kWindowMosaic, command::kWindowMultiBitmap})
        frame_->CheckMenuItem(id, false);
    for (int id : {command::kZoomX2, command::kMosaicWhole, command::kFirstPreset})
        frame_->CheckMenuItem(id, true);
    for (int id : {command::kCopyMosaic, command::kCopyArray, command::kCopyMultiBitmap})
        frame_->EnableMenuItem(id, false);
    // Nothing is selected yet: without this a Life pattern could be stamped at the record's
    // point (0, 0), partly into the border ring, before the Array window was ever opened.
    arrayWindow_->ShowSelectionEvent(SelectionEvent::kArrayWindowCreated);
    const bool english = IsEnglish(model_.settings.iLanguage);
    frame_->CheckMenuItem(command::kEnglish, english);
    frame_->CheckMenuItem(command::kFrench, !english);
}

void Program::Show() { frame_->show(); }

void Program::ShowMessage(const BilingualText& text)
{
    prompts_.ShowMessage(text, model_.settings.iLanguage, MessageStyle::OkExclamation);
}

void Program::WndProc(int command)
{
    RunAsOneStep([this, command] { Dispatch(command); });
}

void Program::RunAsOneStep(const std::function<void()>& command)
{
    // A command that sends another (the Retry of Next sends Next) is still one step.
    if (commandDepth_ > 0) {
        command();
        return;
    }
    UndoState before = CurrentUndoState();
    ++commandDepth_;
    command();
    --commandDepth_;
    // A command that changed nothing (a cancelled dialog, a selection) costs no step.
    if (!(CurrentUndoState() == before))
        undoHistory_.Record(std::move(before));
    if (canvas_)
        canvas_->Follow();
}

UndoState Program::CurrentUndoState() const
{
    int32_t checkedPreset = 0;
    for (int id = command::kFirstPreset; id <= command::kLastPreset; ++id)
        if (IsMenuItemChecked(frame_->GetMenuState(), id))
            checkedPreset = id;
    return TakeUndoState(model_.automaton, checkedPreset);
}

void Program::Undo()
{
    if (commandDepth_ == 0 && undoHistory_.UndoSteps() > 0)
        RestoreStep(undoHistory_.Undo(CurrentUndoState()));
}

void Program::Redo()
{
    if (commandDepth_ == 0 && undoHistory_.RedoSteps() > 0)
        RestoreStep(undoHistory_.Redo(CurrentUndoState()));
}

void Program::RestoreStep(std::optional<UndoState> state)
{
    if (!state)
        return;
    Automaton& a = model_.automaton;
    // The Random counts always add up to the live cells: a size change resets them, and so does
    // taking one back.
    const int32_t wMaxHor = a.wMaxHor;
    const int32_t wMaxVer = a.wMaxVer;
    RestoreUndoState(a, *state);
    if (a.wMaxHor != wMaxHor || a.wMaxVer != wMaxVer)
        ResetRandomCounts(model_.content, a);
    ComputeCellSize(model_.cells, a);
    for (int id = command::kFirstPreset; id <= command::kLastPreset; ++id)
        frame_->CheckMenuItem(id, id == state->iCheckedPreset);
    frame_->InvalidateClient();
    if (canvas_)
        canvas_->Follow();
}

void Program::Dispatch(int command)
{
    if (RunFileCommand(command) || RunEditCommand(command) || RunInitializeCommand(command) ||
        RunOptionsCommand(command) || RunParameterDialog(command) || RunHelpCommand(command) ||
        windows_->RunCommand(command) ||
        arrayWindow_->RunCommand(command) || selectionCommands_->RunCommand(command))
        return;
    switch (command) {
    case command::kNext: processing_->Next(); break;
    case command::kLevel: processing_->Level(); break;
    case command::kUntilStable: processing_->UntilStable(); break;
    case command::kContinuous: processing_->Continuous(); break;
    case command::kContinuousUntil: processing_->ContinuousUntil(); break;
    case command::kAbout: About(); break;
    case command::kWindowInitialise: ReinitialiseWindows(); break;
    default: break;
    }
}

bool Program::RunFileCommand(int command)
{
    switch (command) {
    case command::kNew:
        model_.automaton.bIncrementalPaint = 0;
        LoadSettings(model_, settingsPath_);
        ResetAutomaton(model_);
        InitStandard(model_.automaton);
        frame_->InvalidateClient();
        return true;
    case command::kSaveSettings: SaveSettingsFile(); return true;
    case command::kQuit: frame_->close(); return true;
    default: return false;
    }
}

bool Program::RunEditCommand(int command)
{
    const Automaton& a = model_.automaton;
    switch (command) {
    case command::kCopyInfo: SetClipboardText(InfoView::InfoText(a)); return true;
    case command::kCopyBitmap: SetClipboardImage(RenderArrayTile(a, model_.settings.crStateColor)); return true;
    case command::kCopyMosaic: CopyWindow(windows_->Mosaic()); return true;
    case command::kCopyArray: CopyWindow(arrayWindow_->Frame()); return true;
    case command::kCopyMultiBitmap: CopyWindow(windows_->MultiBitmap()); return true;
    default: return false;
    }
}

void Program::CopyWindow(const ChildFrame* window)
{
    // Rendered from the model, not taken from the screen: a covered window copies whole.
    if (auto* view = window != nullptr ? dynamic_cast<PictureView*>(window->View()) : nullptr)
        SetClipboardImage(view->Picture());
}

void Program::ReinitialiseWindows()
{
    for (ChildFrame* window : {arrayWindow_->Frame(), windows_->Mosaic(), windows_->MultiBitmap()})
        if (window != nullptr)
            window->Destroy();
    Settings& s = model_.settings;
    const auto place = [](const LayoutRect& r, int32_t& x, int32_t& y, int32_t& width, int32_t& height) {
        x = r.x;
        y = r.y;
        width = r.width;
        height = r.height;
    };
    place(s.layout.matrix, s.iMatrixX, s.iMatrixY, s.iMatrixWidth, s.iMatrixHeight);
    place(s.layout.mosaic, s.iMosaicX, s.iMosaicY, s.iMosaicWidth, s.iMosaicHeight);
    place(s.layout.multiBitmap, s.iMultiBitmapX, s.iMultiBitmapY, s.iMultiBitmapWidth, s.iMultiBitmapHeight);
    arrayWindow_->Create(OpenedBy::Reinitialise);
    windows_->CreateMosaicWindow(OpenedBy::Reinitialise);
    windows_->CreateMultiBitmapWindow();
}

bool Program::RunInitializeCommand(int command)
{
    Automaton& a = model_.automaton;
    auto restart = [&](auto&& initialise) {
        a.bIncrementalPaint = 0;
        ResetAutomaton(model_);
        initialise();
        frame_->InvalidateClient();
        return true;
    };
    switch (command) {
    case command::kNull: return restart([&] { InitNull(a); });
    case command::kStandard: return restart([&] { InitStandard(a); });
    case command::kRandom:
        return restart([&] { InitRandom(a, model_.content, static_cast<uint32_t>(std::time(nullptr))); });
    default: break;
    }
    if (const SpecialPattern* pattern = FindSpecialPattern(command)) {
        if (PlaceSpecialPattern(a, *pattern, [this] { ResetAutomaton(model_); }) == EditOutcome::kFigureTooLarge)
            ShowMessage(kFigureTooLargeMessage);
        else
            frame_->InvalidateClient();
        return true;
    }
    if (const LifePattern* pattern = FindLifePattern(command)) {
        if (PlaceLifePattern(a, selection_, *pattern) == EditOutcome::kObjectOverlaps)
            ShowMessage(kObjectOverlapsMessage);
        frame_->InvalidateClient();
        return true;
    }
    return false;
}

bool Program::RunOptionsCommand(int command)
{
    if (command >= command::kFirstPreset && command <= command::kLastPreset) {
        ChoosePreset(command);
        return true;
    }
    switch (command) {
    case command::kStep: processing_->Step(); return true;
    case command::kMosaicBrush:
    case command::kMosaicWhole:
        state_.iMosaicMode = command == command::kMosaicWhole ? 1 : 0;
        frame_->CheckMenuItem(command::kMosaicBrush, command == command::kMosaicBrush);
        frame_->CheckMenuItem(command::kMosaicWhole, command == command::kMosaicWhole);
        frame_->InvalidateClient();
        return true;
    case command::kColors:
        RunColorsDialog(prompts_, model_.settings.iLanguage, model_.settings.crStateColor, brushes_);
        return true;
    case command::kEnglish:
    case command::kFrench: ChooseLanguage(command); return true;
    default: return false;
    }
}

bool Program::RunParameterDialog(int command)
{
    Automaton& a = model_.automaton;
    const int32_t iLanguage = model_.settings.iLanguage;
    // Every one of them but Array fill leaves the views to repaint everything.
    auto run = [&](const DialogTemplate& dialog, DialogProcedure&& procedure, bool fullRepaint = true) {
        prompts_.RunDialog(dialog, iLanguage, procedure);
        if (fullRepaint)
            a.bIncrementalPaint = 0;
        frame_->InvalidateClient();
        return true;
    };
    switch (command) {
    case command::kArrayParameters:
        return run(DIALOG_ARRAY, ProcArray(model_, [this] { ResetAutomaton(model_); }));
    case command::kTransitionRules: return run(DIALOG_RULES, ProcParam(a, model_.settings));
    case command::kPreferences: return run(DIALOG_PREFERENCES, ProcPrefer(model_));
    case command::kArrayFill: return run(DIALOG_ARRAYFILL, ProcArrayFill(a, model_.content, iLanguage), false);
    case command::kRandomOptions: return run(DIALOG_RANDOM, ProcRandom(a, model_.content, model_.settings));
    case command::kStatistics: return run(DIALOG_STAT, ProcStat(a));
    case command::kNeighbourhood: return run(DIALOG_NEIGHBOURS, ProcNeighbours(a, iLanguage));
    default: return false;
    }
}

void Program::ChoosePreset(int command)
{
    ApplyAutomatonPreset(model_.automaton, command);
    for (int id = command::kFirstPreset; id <= command::kLastPreset; ++id)
        frame_->CheckMenuItem(id, id == command);
    frame_->InvalidateClient();
}

void Program::ChooseLanguage(int command)
{
    const bool english = command == command::kEnglish;
    model_.settings.iLanguage = english ? 1 : 0;
    ChooseHelpFile(model_.settings);
    frame_->SetMenu(english ? MenuLanguage::English : MenuLanguage::French);
    frame_->CheckMenuItem(command::kEnglish, english);
    frame_->CheckMenuItem(command::kFrench, !english);
    explorer_->Retranslate();
    canvas_->Retranslate();
}

void Program::OpenExplorer() { explorer_->Open(); }

void Program::OpenCanvas() { canvas_->Open(); }

void Program::AdoptRuleSet(const RuleSet& numAuto, const Automaton* picture)
{
    AdoptCandidate(model_.automaton, numAuto, picture);
    frame_->InvalidateClient();
}

bool Program::RunHelpCommand(int command)
{
    // The keys are the same in every set; szHelpFile chooses the set.
    struct HelpKey {
        int id;
        const char* key;
    };
    constexpr HelpKey kHelpKeys[] = {
        {command::kHelpCommands, "commands"},
        {command::kHelpSamples2, "échantillons-2"},
        {command::kHelpSamples3, "échantillons-3"},
        {command::kHelpSamples4, "échantillons-4"},
    };
    const char* key = nullptr;
    for (const HelpKey& entry : kHelpKeys)
        if (entry.id == command)
            key = entry.key;
    if (key == nullptr && command != command::kHelpIndex)
        return false;
    state_.bHelpUsed = 1;
    if (!helpViewer_)
        helpViewer_ = std::make_unique<HelpViewer>();
    if (key == nullptr)
        helpViewer_->ShowIndex(model_.settings.szHelpFile);
    else
        helpViewer_->ShowKey(model_.settings.szHelpFile, key);
    return true;
}

void Program::SaveSettingsFile()
{
    const auto placed = [](const ChildFrame* window, int32_t open) -> std::optional<LayoutRect> {
        if (window == nullptr || open == 0)
            return std::nullopt;
        const WindowRect r = window->Rect();
        return LayoutRect{r.x, r.y, r.width, r.height};
    };
    WindowPlacement windows;
    windows.matrix = placed(arrayWindow_->Frame(), state_.bMatrixOpen);
    windows.mosaic = placed(windows_->Mosaic(), state_.bMosaicOpen);
    windows.multiBitmap = placed(windows_->MultiBitmap(), state_.bMultiBitmapOpen);
    if (SaveSettings(model_, windows, settingsPath_) != SaveOutcome::Saved)
        ShowMessage(kWriteErrorMessage); // never a silent loss of what the person meant to keep
}

void Program::About()
{
    CallbackProcedure procAbout;
    procAbout.command = [](DialogControls& dialog, int id, int) {
        if (id == kIdOk)
            dialog.EndDialog(1);
        else if (id == kIdCancel)
            dialog.EndDialog(0);
    };
    prompts_.RunDialog(model_.settings.bQuorrelEdition != 0 ? ABOUT_QRL : DIALOG_ABOUT, model_.settings.iLanguage,
                       procAbout);
}

void Program::OnClientMouse(ClientMouse kind, int x, int y)
{
    // The second press of a double click is at the place of the first release; taking it from
    // the double click itself does not depend on the release having been seen.
    state_.iLastClickX = x;
    state_.iLastClickY = y;
    if (kind == ClientMouse::LeftButtonUp)
        return;
    RunAsOneStep([this] {
        Automaton& a = model_.automaton;
        model_.settings.bArrayMode = 0;
        const int32_t cellX = MouseToCell(state_.iLastClickX, 1, a.wMaxHor);
        const int32_t cellY = MouseToCell(state_.iLastClickY, 1, a.wMaxVer);
        if (cellX != 0 && cellY != 0) {
            a.bIncrementalPaint = 0;
            a.iChanges += 1;
            a.byArray[cellX][cellY] = static_cast<uint8_t>((a.byArray[cellX][cellY] + 1) % kStateCount);
            ApplyGeometry(a);
        } else {
            processing_->StepsFromClick();
            RemoveHighlight(selection_);
        }
        frame_->InvalidateClient();
    });
}

} // namespace vellicor
