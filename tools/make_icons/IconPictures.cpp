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

constexpr std::array<ProgramIconLayout, kProgramIconSizes.size()> kProgramIconLayouts = {{
    {16, 8, 2, 0}, // a frame would leave room for seven cells and cut the block
    {24, 10, 2, 1},
    {32, 10, 3, 1},
    {48, 10, 4, 1},
    {64, 10, 6, 2},
    {128, 10, 12, 4},
    {256, 10, 24, 8},
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

// The cells at `scale` pixels each, centred inside the frame on the ground colour.
QImage Framed(const QImage& cells, int size, int scale, int frame, QRgb ground)
{
    QImage icon(size, size, QImage::Format_RGB32);
    icon.fill(kIconFrame);
    const int inside = size - 2 * frame;
    const int margin = (inside - cells.width() * scale) / 2;
    for (int y = 0; y < inside; ++y) {
        for (int x = 0; x < inside; ++x) {
            const int cellX = (x - margin) / scale;
            const int cellY = (y - margin) / scale;
            const bool onCells = x >= margin && y >= margin && cellX < cells.width() && cellY < cells.height();
            icon.setPixel(x + frame, y + frame, onCells ? cells.pixel(cellX, cellY) : ground);
        }
    }
    return icon;
}

QImage ProgramPicture(int liveCells, int scale, int size, int frame)
{
    Automaton a;
    a.wMaxHor = a.wMaxVer = liveCells + 1;
    PlaceProgramPicture(a);
    uint32_t palette[kStateCount];
    DefaultPalette(palette);
    return Framed(RenderArrayImage(a, palette), size, scale, frame, ColorOfStateEntry(palette[0]).rgb());
}

} // namespace

const std::array<IconPicture, kIconBarIconCount>& IconPictures() { return kPictures; }

QImage RenderIconPicture(const IconPicture& picture)
{
    if (picture.liveCells < 1 || picture.liveCells >= kMaxDimension || kIconFramedArea % picture.liveCells != 0 ||
        picture.level < 1 || picture.level > kMaxLevel)
        return {};
    const int scale = kIconFramedArea / picture.liveCells;
    if (picture.command == 0)
        return ProgramPicture(picture.liveCells, scale, kIconBarIconSize, 1);
    Automaton a;
    a.wMaxHor = a.wMaxVer = picture.liveCells + 1;
    if (!ApplyAutomatonPreset(a, picture.command))
        return {};
    InitStandard(a);
    while (a.iLevel < picture.level)
        if (ComputeNextGeneration(a) == 0)
            return {};
    uint32_t palette[kStateCount];
    DefaultPalette(palette);
    const QImage cells = RenderArrayImage(a, palette);
    return Framed(cells, kIconBarIconSize, scale, 1, ColorOfStateEntry(palette[0]).rgb());
}

const std::array<ProgramIconLayout, kProgramIconSizes.size()>& ProgramIconLayouts() { return kProgramIconLayouts; }

QImage RenderProgramIcon(const ProgramIconLayout& layout)
{
    const int inside = layout.size - 2 * layout.frame;
    const int cells = layout.liveCells * layout.pixelsPerCell;
    if (layout.liveCells < 1 || layout.liveCells >= kMaxDimension || layout.pixelsPerCell < 1 || layout.frame < 0 ||
        cells > inside || (inside - cells) % 2 != 0)
        return {};
    return ProgramPicture(layout.liveCells, layout.pixelsPerCell, layout.size, layout.frame);
}

} // namespace vellicor
