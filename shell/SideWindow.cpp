#include "shell/SideWindow.h"

#include <QMdiArea>

#include <algorithm>
#include <string>

namespace vellicor {

namespace {

constexpr int kWindowWidth = 560;
constexpr int kWindowHeight = 640;
constexpr int kIconBarHeight = 32;

} // namespace

bool BringForward(MainFrame& mainFrame, ChildFrame* frame)
{
    if (frame == nullptr)
        return false;
    frame->showNormal();
    mainFrame.Client().setActiveSubWindow(frame);
    return true;
}

ChildFrame* CreateSideWindow(MainFrame& mainFrame, const BilingualText& title, int32_t iLanguage, QWidget* view)
{
    const QSize client = mainFrame.ClientSize();
    ChildWindowOptions options;
    options.title = std::string(PickText(title, iLanguage));
    const int height = std::min(kWindowHeight, std::max(client.height() - kIconBarHeight, 200));
    options.rect = {std::max(client.width() - kWindowWidth, 0), kIconBarHeight, kWindowWidth, height};
    ChildFrame* frame = mainFrame.CreateChildWindow(options, view);
    mainFrame.Client().setActiveSubWindow(frame);
    return frame;
}

} // namespace vellicor
