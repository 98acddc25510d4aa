#include "shell/ChildWindows.h"

#include "resources/Messages.h"
#include "shell/CommandIds.h"
#include "shell/ShellState.h"
#include "views/BitmapView.h"
#include "views/IconBarView.h"
#include "views/InfoView.h"
#include "views/MosaicView.h"
#include "views/MultiBitmapView.h"
#include "views/ZoomView.h"

namespace vellicor {

namespace {

constexpr int kZoomFactorCommands[] = {command::kZoomX2, command::kZoomX3, command::kZoomX4, command::kZoomX5};

ChildWindowOptions Options(const BilingualText& title, int x, int y, int width, int height)
{
    ChildWindowOptions options;
    options.title = std::string(PickText(title, 1));
    options.rect = {x, y, width, height};
    return options;
}

// Sizes of the Zoom window come from the array and the factor; 64 bits keep a hostile size
// from wrapping.
int ZoomSide(int32_t cells, int32_t factor)
{
    return static_cast<int>(std::clamp<int64_t>(int64_t{cells} * factor, 0, 1 << 16));
}

} // namespace

ChildWindows::ChildWindows(Model& model, ShellState& state, MainFrame& frame)
    : model_(model), state_(state), frame_(frame)
{
}

int ChildWindows::IconBarHeight() const { return kIconBarWindowHeight * state_.bIconBarOn; }

void ChildWindows::CreateIconBar()
{
    auto* view = new IconBarView([this](int id) { frame_.SendCommand(id); });
    if (iconBarMenu_)
        AttachContextMenu(*view, iconBarMenu_);
    iconBar_ = frame_.CreateBareWindow(view, {0, 0, frame_.ClientSize().width(), kIconBarWindowHeight});
    state_.bIconBarOn = 1;
    QObject::connect(view, &QObject::destroyed, [this] { state_.bIconBarOn = 0; });
    // The bar spans the client, whatever width the client takes later.
    frame_.SetClientResizeHandler([this](int width, int /*height*/) {
        if (iconBar_)
            iconBar_->resize(width, kIconBarWindowHeight);
    });
}

void ChildWindows::CreateBitmapWindow()
{
    ChildWindowOptions options = Options(kBitmapWindowTitle, 0, IconBarHeight(), 130, 144);
    options.systemMenu = false; // it cannot be closed
    auto* view = new BitmapView(model_.automaton, model_.settings.crStateColor,
                                [this] { frame_.SendCommand(command::kNext); });
    bitmap_ = frame_.CreateChildWindow(options, view);
    state_.bBitmapOpen = 1;
    frame_.EnableMenuItem(command::kCopyBitmap, true);
    bitmap_->SetDestroyedHandler([this] {
        state_.bBitmapOpen = 0;
        frame_.EnableMenuItem(command::kCopyBitmap, false);
    });
}

void ChildWindows::CreateInfoWindow()
{
    // At start-up the layout of the moment; later the same formula on the current height.
    DefaultLayout now;
    ComputeDefaultLayout(now, frame_.ClientSize().height(), state_.bIconBarOn);
    const LayoutRect& r = now.info;
    auto* view = new InfoView(model_.automaton, model_.settings.iLanguage,
                              [this] { frame_.SendCommand(command::kNext); });
    info_ = frame_.CreateChildWindow(Options(kInfoWindowTitle, r.x, r.y, r.width, r.height), view);
    state_.bInfoOpen = 1;
    frame_.CheckMenuItem(command::kWindowInfo, true);
    info_->SetDestroyedHandler([this] {
        state_.bInfoOpen = 0;
        frame_.CheckMenuItem(command::kWindowInfo, false);
    });
}

void ChildWindows::CreateMosaicWindow(OpenedBy by)
{
    Settings& settings = model_.settings;
    const BilingualText& titles = by == OpenedBy::WindowMenu ? kMosaicMenuWindowTitle : kMosaicWindowTitle;
    const int32_t titleLanguage = by == OpenedBy::Reinitialise || settings.iLanguage == 0 ? 0 : 1;
    ChildWindowOptions options = Options(titles, settings.iMosaicX, settings.iMosaicY, settings.iMosaicWidth,
                                         settings.iMosaicHeight);
    options.title = std::string(PickText(titles, titleLanguage));
    auto* view = new MosaicView(model_.automaton, settings.crStateColor, state_.iMosaicMode,
                                [this] { frame_.SendCommand(command::kNext); });
    mosaic_ = frame_.CreateChildWindow(options, view);
    settings.bMosaicWindowOn = 1;
    state_.bMosaicOpen = 1;
    frame_.CheckMenuItem(command::kWindowMosaic, true);
    frame_.EnableMenuItem(command::kCopyMosaic, true);
    mosaic_->SetDestroyedHandler([this] {
        model_.settings.bMosaicWindowOn = 0;
        state_.bMosaicOpen = 0;
        frame_.CheckMenuItem(command::kWindowMosaic, false);
        frame_.EnableMenuItem(command::kCopyMosaic, false);
    });
}

void ChildWindows::CreateMultiBitmapWindow()
{
    Settings& settings = model_.settings;
    Automaton& a = model_.automaton;
    // The tile layout follows the client: pitches, and how many tiles a row and a column hold.
    auto layout = [&a](int width, int height) {
        a.iMBitmapClientWidth = width;
        a.iMBitmapClientHeight = height;
        ComputeTileGeometry(a);
    };
    auto* view = new MultiBitmapView(a, settings.crStateColor, layout, [this] { frame_.SendCommand(command::kNext); });
    multiBitmap_ = frame_.CreateChildWindow(Options(kMultiBitmapWindowTitle, settings.iMultiBitmapX,
                                                    settings.iMultiBitmapY, settings.iMultiBitmapWidth,
                                                    settings.iMultiBitmapHeight),
                                            view);
    multiBitmapView_ = view;
    settings.bMultiBitmapWindowOn = 1;
    state_.bMultiBitmapOpen = 1;
    frame_.CheckMenuItem(command::kWindowMultiBitmap, true);
    frame_.EnableMenuItem(command::kCopyMultiBitmap, true);
    multiBitmap_->SetDestroyedHandler([this] {
        multiBitmapView_ = nullptr;
        model_.settings.bMultiBitmapWindowOn = 0;
        state_.bMultiBitmapOpen = 0;
        frame_.CheckMenuItem(command::kWindowMultiBitmap, false);
        frame_.EnableMenuItem(command::kCopyMultiBitmap, false);
    });
    view->TakeTile(); // what its first paint showed: the generation of the moment, where the step left it
}

void ChildWindows::TakeMultiBitmapTile()
{
    if (multiBitmapView_ != nullptr)
        multiBitmapView_->TakeTile();
}

void ChildWindows::CreateZoomWindow()
{
    const Automaton& a = model_.automaton;
    const int32_t f = state_.iZoomFactor;
    auto* view = new ZoomView(a, model_.settings.crStateColor);
    zoom_ = frame_.CreateChildWindow(
        Options(kZoomWindowTitle, 530, IconBarHeight(), ZoomSide(a.wMaxHor, f), ZoomSide(a.wMaxVer, f) + 4), view);
    state_.iZoomFactor = 3;
    state_.bZoomOpen = 1;
    frame_.CheckMenuItem(command::kWindowZoom, true);
    zoom_->SetDestroyedHandler([this] {
        state_.bZoomOpen = 0;
        frame_.CheckMenuItem(command::kWindowZoom, false);
    });
}

void ChildWindows::SetZoomFactor(int command)
{
    const Automaton& a = model_.automaton;
    state_.iZoomFactor = command == command::kZoomX5 ? 5 : command - command::kZoomX2 + 2;
    if (zoom_ != nullptr) {
        const int32_t f = state_.iZoomFactor;
        zoom_->setGeometry(frame_.ClientSize().width() - 400, IconBarHeight(), ZoomSide(a.wMaxHor, f),
                           ZoomSide(a.wMaxVer, f));
    }
    for (int id : kZoomFactorCommands)
        frame_.CheckMenuItem(id, id == command);
    frame_.InvalidateClient();
}

bool ChildWindows::RunCommand(int command)
{
    switch (command) {
    case command::kWindowInfo:
        if (state_.bInfoOpen == 0) {
            CreateInfoWindow();
            info_->showNormal();
        }
        return true;
    case command::kWindowZoom:
        if (state_.bZoomOpen == 0)
            CreateZoomWindow();
        return true;
    case command::kZoomX2:
    case command::kZoomX3:
    case command::kZoomX4:
    case command::kZoomX5: SetZoomFactor(command); return true;
    case command::kWindowMosaic:
        if (state_.bMosaicOpen == 0)
            CreateMosaicWindow(OpenedBy::WindowMenu);
        return true;
    case command::kWindowMultiBitmap:
        if (state_.bMultiBitmapOpen == 0) {
            CreateMultiBitmapWindow();
            multiBitmap_->showNormal();
        }
        return true;
    default: return false;
    }
}

} // namespace vellicor
