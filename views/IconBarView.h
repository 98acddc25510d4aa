#pragma once
// The icon bar: a gray strip of ten 32 x 32 icons, one per automaton preset, 37 pixels apart. A
// press on an icon sends that preset's command; a double click anywhere on the bar sends Next.
// Since the first press of a double click has already chosen the preset, a double click on an
// icon chooses its preset and then runs one step of it.
//
// The icons are PNG files built into the program (resources/icons/, prefix /icons), made by
// tools/make_icons from the engine itself.

#include "platform/ProgramIcon.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>

namespace vellicor {

inline constexpr int kIconBarIconCount = 10;
inline constexpr int kIconBarIconSize = 32;
inline constexpr int kIconBarWindowHeight = 32; // the bar spans the main client, this high
inline constexpr int kIconBarPitch = 37;   // icon i starts at x = 37 i + 5
inline constexpr int kIconBarMargin = 5;
inline constexpr QRgb kIconBarGround = 0xFF808080; // the stock gray brush
inline constexpr int kIconBarFirstCommand = 190;   // the preset of the leftmost icon
inline constexpr int kIconBarDoubleClickCommand = 108; // Process / Next

// Resource names, left to right. The sixth place holds ICON_0, the program's own icon.
inline constexpr std::array<const char*, kIconBarIconCount> kIconBarIconNames = {
    "ICON_2", "ICON_3", "ICON_4", "ICON_5", "ICON_6", "ICON_0", "ICON_8", "ICON_9", "ICON_10", "ICON_11",
};

// The command of a press at x (client coordinates), or 0 for none. x is taken as unsigned, as
// the bar's coordinates always were: a negative x is a very large one, never a small index.
int IconBarCommandAt(int x);

class IconBarView : public QWidget {
public:
    explicit IconBarView(std::function<void(int)> sendCommand, QWidget* parent = nullptr);

    const QImage& Icon(int index) const { return icons_[static_cast<std::size_t>(index)]; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::function<void(int)> sendCommand_;
    std::array<QImage, kIconBarIconCount> icons_; // loaded once, when the bar is created
};

} // namespace vellicor
