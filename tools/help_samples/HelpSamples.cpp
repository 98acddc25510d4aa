// Renders the pictures of the help's sample pages: for each sample rule set, the Standard figure
// on a 40 x 40 array and the generations it becomes, one PNG per level, four screen pixels per
// cell inside a thin frame (state 0 is white, like the page behind it).
//
//   help_samples OUTPUT_FOLDER
//
// The output depends on nothing but the engine, the preset tables and the default palette: no
// time, no random numbers, no fonts. Run twice, it writes the same bytes.

#include "engine/Automaton.h"
#include "engine/Rules.h"
#include "engine/Step.h"
#include "views/ArrayImage.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <array>
#include <cstdio>

namespace {

using vellicor::Automaton;
using vellicor::kStateCount;

struct Sample {
    const char* name; // file name stem, the same as the help page's
    int command;      // the Automata preset it shows
};

// The three rule sets of the Help menu's sample commands.
constexpr std::array<Sample, 3> kSamples = {{
    {"samples-2", 197}, // 337-0-128-4-2-0-0-40
    {"samples-3", 193}, // 289-64-0-128-16-4-0-10
    {"samples-4", 191}, // 387-8-0-4-0-0-0-112
}};

constexpr std::array<int, 5> kLevels = {1, 5, 10, 20, 40};
constexpr int kLiveCells = 40;
constexpr int kScale = 4;
constexpr QRgb kFrame = 0xFFC0C0C0; // not a palette colour, so the frame never reads as cells

// The palette of a fresh program, as the settings build it: red | green << 8 | blue << 16.
constexpr uint32_t kDefaultPalette[kStateCount] = {
    0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0x000000,
    0x800000, 0x008000, 0x000080, 0x80FFFF, 0xFF80FF, 0xFFFF80, 0xFF8000, 0x808080,
};

// A fresh automaton of 40 x 40 live cells holding the Standard figure: a row of three with one
// cell under its middle, at the centre (wMaxHor / 2, wMaxVer / 2), as Initialize / Standard
// and the start of the program place it. Plane geometry: the ring stays 0.
void StartSample(Automaton& a, int command)
{
    a.wMaxHor = kLiveCells + 1;
    a.wMaxVer = kLiveCells + 1;
    vellicor::ApplyAutomatonPreset(a, command);
    const int cx = a.wMaxHor / 2;
    const int cy = a.wMaxVer / 2;
    a.byArray[cx - 1][cy] = 1;
    a.byArray[cx][cy] = 1;
    a.byArray[cx + 1][cy] = 1;
    a.byArray[cx][cy + 1] = 1;
}

// What the Info window shows as "Count:", so the pages can tell the reader what to expect.
int CountLiveNonZero(const Automaton& a)
{
    int count = 0;
    for (int x = 1; x < a.wMaxHor; ++x)
        for (int y = 1; y < a.wMaxVer; ++y)
            count += a.byArray[x][y] != 0 ? 1 : 0;
    return count;
}

QImage Enlarged(const QImage& cells)
{
    QImage picture(cells.width() * kScale + 2, cells.height() * kScale + 2, QImage::Format_RGB32);
    picture.fill(kFrame);
    for (int y = 0; y < cells.height() * kScale; ++y)
        for (int x = 0; x < cells.width() * kScale; ++x)
            picture.setPixel(x + 1, y + 1, cells.pixel(x / kScale, y / kScale));
    return picture;
}

bool RenderSample(const Sample& sample, const QDir& folder)
{
    Automaton a;
    StartSample(a, sample.command);
    for (int level : kLevels) {
        while (a.iLevel < level)
            if (vellicor::ComputeNextGeneration(a) == 0)
                return false; // the limit of a fresh automaton is far above 40
        const QString file = folder.filePath(QString("%1-level-%2.png").arg(sample.name).arg(level));
        if (!Enlarged(vellicor::RenderArrayImage(a, kDefaultPalette)).save(file, "PNG")) {
            std::fprintf(stderr, "help_samples: cannot write %s\n", qPrintable(file));
            return false;
        }
        std::printf("%s  level %d  count %d\n", qPrintable(file), level, CountLiveNonZero(a));
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: help_samples OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "help_samples: no folder %s\n", argv[1]);
        return 2;
    }
    for (const Sample& sample : kSamples)
        if (!RenderSample(sample, folder))
            return 1;
    return 0;
}
