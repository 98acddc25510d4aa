#include "platform/ProgramIcon.h"

#include <QPixmap>

namespace vellicor {

QIcon ProgramIcon()
{
    // One 32 x 32 picture: a desktop that wants it smaller gets it scaled down by QIcon.
    return QIcon(QPixmap(QStringLiteral(":/icons/ICON_0.png")));
}

} // namespace vellicor
