#pragma once
// The windows of the program's own tools (the rule explorer, the collection): child windows of the
// main window like the views, at the right of the client below the icon bar, where the default
// layout of the views leaves the most room. A key or a context-menu item opens one, or brings it
// forward when it is open.

#include "platform/ChildFrame.h"
#include "platform/MainFrame.h"
#include "resources/BilingualText.h"

namespace vellicor {

// Shows the window as it was and makes it the active one; false when there is none.
bool BringForward(MainFrame& mainFrame, ChildFrame* frame);

// The window holding the view (which it takes), made the active one.
ChildFrame* CreateSideWindow(MainFrame& mainFrame, const BilingualText& title, int32_t iLanguage, QWidget* view);

} // namespace vellicor
