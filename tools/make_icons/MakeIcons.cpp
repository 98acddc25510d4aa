// Draws the icon bar's icons into a folder, one PNG per icon (ICON_2.png ...), with the
// program's own engine and default palette.
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
    for (const vellicor::IconPicture& picture : vellicor::IconPictures()) {
        const QImage icon = vellicor::RenderIconPicture(picture);
        const QString file = folder.filePath(QString("%1.png").arg(picture.name));
        if (icon.isNull()) {
            std::fprintf(stderr, "make_icons: %s cannot be drawn\n", picture.name);
            return 1;
        }
        if (!icon.save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
