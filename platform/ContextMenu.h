#pragma once
// A context menu on a view that has none of its own: each right click builds the menu afresh
// (so its texts follow the language of the moment) from the functions that fill it.

#include <QWidget>

#include <functional>

class QMenu;

namespace vellicor {

using MenuFiller = std::function<void(QMenu&)>;

void AttachContextMenu(QWidget& view, MenuFiller fill);

} // namespace vellicor
