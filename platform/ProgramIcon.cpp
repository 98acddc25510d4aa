#include "platform/ProgramIcon.h"

#include "resources/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace vellicor {
namespace {

QColor CellColor(char cell)
{
    for (const IconColor& color : kIcon0Colors) {
        if (color.cell == cell) {
            return QColor(color.red, color.green, color.blue);
        }
    }
    return Qt::white; // a character without a colour is an empty cell
}

QPixmap Draw(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::darkGray);
    QPainter painter(&pixmap);
    const int rows = static_cast<int>(kIcon0Cells.size());
    for (int y = 0; y < rows; ++y) {
        const std::string_view row = kIcon0Cells[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            // Cell edges are computed from the size, so every cell gets its share and the grid
            // lines stay one pixel wide at any size.
            const int left = x * size / rows;
            const int top = y * size / rows;
            const int right = (x + 1) * size / rows;
            const int bottom = (y + 1) * size / rows;
            painter.fillRect(QRect(left + 1, top + 1, right - left - 1, bottom - top - 1),
                             CellColor(row[static_cast<std::size_t>(x)]));
        }
    }
    return pixmap;
}

} // namespace

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addPixmap(Draw(size));
    }
    return icon;
}

} // namespace vellicor
