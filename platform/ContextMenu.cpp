#include "platform/ContextMenu.h"

#include <QMenu>

namespace vellicor {

void AttachContextMenu(QWidget& view, MenuFiller fill)
{
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&view, &QWidget::customContextMenuRequested, &view,
                     [&view, fill = std::move(fill)](const QPoint& at) {
                         QMenu menu(&view);
                         fill(menu);
                         if (!menu.isEmpty())
                             menu.exec(view.mapToGlobal(at));
                     });
}

} // namespace vellicor
