#include "platform/ProgramIcon.h"

#include <QPixmap>

// The icons live in this static library; a reference to their registration function keeps the
// linker from leaving them out. Registering twice is harmless. Q_INIT_RESOURCE must be called
// outside any namespace.
static void RegisterIconResources() { Q_INIT_RESOURCE(icons); }

namespace vellicor {

QImage LoadIconResource(const char* name)
{
    RegisterIconResources();
    return QImage(QStringLiteral(":/icons/%1.png").arg(QLatin1String(name)));
}

QIcon ProgramIcon()
{
    // One 32 x 32 picture: a desktop that wants it smaller gets it scaled down by QIcon.
    return QIcon(QPixmap::fromImage(LoadIconResource("ICON_0")));
}

} // namespace vellicor
