// Draws the icon bar's icons into a folder, one PNG per icon (ICON_2.png ...), and the program's
// icon at its other sizes (ICON_0_16.png ...), with the program's own engine and default palette.
//
//   make_icons OUTPUT_FOLDER
//
// Run twice, it writes the same bytes.

#include "tools/make_icons/IconPictures.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "make_icons: no folder %s\n", argv[1]);
        return 2;
    }
    const auto write = [&folder](const QImage& icon, const QString& name) {
        const QString file = folder.filePath(name + ".png");
        if (icon.isNull()) {
            std::fprintf(stderr, "make_icons: %s cannot be drawn\n", qPrintable(name));
            return false;
        }
        if (!icon.save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return false;
        }
        std::printf("%s\n", qPrintable(file));
        return true;
    };
    for (const vellicor::IconPicture& picture : vellicor::IconPictures())
        if (!write(vellicor::RenderIconPicture(picture), QString::fromLatin1(picture.name)))
            return 1;
    for (const vellicor::ProgramIconLayout& layout : vellicor::ProgramIconLayouts())
        if (layout.size != vellicor::kIconBarIconSize &&
            !write(vellicor::RenderProgramIcon(layout), vellicor::ProgramIconName(layout.size)))
            return 1;
    return 0;
}
