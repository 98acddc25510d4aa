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

QString ProgramIconName(int size)
{
    return size == 32 ? QStringLiteral("ICON_0") : QStringLiteral("ICON_0_%1").arg(size);
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : kProgramIconSizes)
        icon.addPixmap(QPixmap::fromImage(LoadIconResource(ProgramIconName(size).toLatin1().constData())));
    return icon;
}

} // namespace vellicor
