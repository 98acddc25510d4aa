#include "tools/make_icons/IconPictures.h"

#include "content/Initialisation.h"
#include "engine/Automaton.h"
#include "engine/Rules.h"
#include "engine/Step.h"
#include "resources/ProgramIcon.h"
#include "shell/settings/Settings.h"
#include "views/ArrayImage.h"

namespace vellicor {
namespace {

// Chosen by eye: each preset at a size and an age where its picture is unlike the others.
constexpr std::array<IconPicture, kIconBarIconCount> kPictures = {{
    {"ICON_2", 190, 15, 11},
    {"ICON_3", 191, 15, 11},
    {"ICON_4", 192, 15, 9},
    {"ICON_5", 193, 15, 7},
    {"ICON_6", 194, 15, 5},
    {"ICON_0", 0, 10, 1},
    {"ICON_8", 196, 15, 9},
    {"ICON_9", 197, 15, 7},
    {"ICON_10", 198, 15, 9},
    {"ICON_11", 199, 5, 2},
}};

// A figure never needs more generations than this; the bound keeps a mistyped table entry from
// running on.
constexpr int kMaxLevel = 200;

void DefaultPalette(uint32_t (&palette)[kStateCount])
{
    for (int s = 0; s < kStateCount; ++s)
        palette[s] = static_cast<uint32_t>(kDefaultRed[s]) | static_cast<uint32_t>(kDefaultGreen[s]) << 8 |
                     static_cast<uint32_t>(kDefaultBlue[s]) << 16;
}

// The glider and block centred on the array; a picture larger than the array is cut.
void PlaceProgramPicture(Automaton& a)
{
    const int size = static_cast<int>(kIcon0Cells.size());
    const int offset = 1 + (a.wMaxHor - 1 - size) / 2;
    for (int y = 0; y < size; ++y) {
        const std::string_view row = kIcon0Cells[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            const int cellX = offset + x;
            const int cellY = offset + y;
            const char c = row[static_cast<std::size_t>(x)];
            if (cellX >= 1 && cellX < a.wMaxHor && cellY >= 1 && cellY < a.wMaxVer && c >= '0' && c <= '9')
                a.byArray[cellX][cellY] = static_cast<uint8_t>(c - '0');
        }
    }
}

QImage Framed(const QImage& cells, int scale)
{
    QImage icon(kIconBarIconSize, kIconBarIconSize, QImage::Format_RGB32);
    icon.fill(kIconFrame);
    for (int y = 0; y < kIconFramedArea; ++y)
        for (int x = 0; x < kIconFramedArea; ++x)
            icon.setPixel(x + 1, y + 1, cells.pixel(x / scale, y / scale));
    return icon;
}

} // namespace

const std::array<IconPicture, kIconBarIconCount>& IconPictures() { return kPictures; }

QImage RenderIconPicture(const IconPicture& picture)
{
    if (picture.liveCells < 1 || picture.liveCells >= kMaxDimension || kIconFramedArea % picture.liveCells != 0 ||
        picture.level < 1 || picture.level > kMaxLevel)
        return {};
    Automaton a;
    a.wMaxHor = a.wMaxVer = picture.liveCells + 1;
    if (picture.command == 0) {
        PlaceProgramPicture(a);
    } else {
        if (!ApplyAutomatonPreset(a, picture.command))
            return {};
        InitStandard(a);
        while (a.iLevel < picture.level)
            if (ComputeNextGeneration(a) == 0)
                return {};
    }
    uint32_t palette[kStateCount];
    DefaultPalette(palette);
    return Framed(RenderArrayImage(a, palette), kIconFramedArea / picture.liveCells);
}

} // namespace vellicor
