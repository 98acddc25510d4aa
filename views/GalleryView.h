#pragma once
// A gallery of pictures of automata: a grid of places in reading order, each showing one picture
// and its caption under it. The rule explorer's shows the last generation of a candidate rule set
// in the palette's colours and its name ("499-8"), after "dull:" or "noise:" in grey when every
// candidate of the place was dull; the collection's shows each file's thumbnail in the file's own
// colours and its title. Places fill in as their runs finish; a click selects one (Ctrl or Shift
// adds a second, for Cross), a double click or Enter activates it, and the arrow keys move the
// choice.
//
// The explorer's grid has 4 x 4 places and grows, up to 8 x 8, as the window gets room for
// another column or row of places of 100 x 100 pixels; when there is less room the pictures
// shrink instead. With a place count (the collection) the places keep 100 x 100 pixels, as many
// columns as the width holds, and the gallery asks for the height of all its rows, for a scroll
// area. A picture is the array enlarged by the largest whole factor its place allows, keeping
// its proportions.

#include "explore/Exploration.h"
#include "resources/BilingualText.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vellicor {

inline constexpr int kGalleryMinSide = 4;
inline constexpr int kGalleryMaxSide = 8;

using GalleryPalette = std::array<uint32_t, kStateCount>;

struct GallerySlot {
    bool ready = false;
    RuleSet rules{};
    SlotMark mark = SlotMark::None;
    std::shared_ptr<const Automaton> last; // the cells the picture shows
    QImage picture;                        // of last, in the palette the gallery last painted with
    QString caption;                       // under the picture
    QString tip;                           // more, for the tool tip; empty: the caption
    std::optional<GalleryPalette> palette;        // its own colours; none: the program's
};

class GalleryView : public QWidget {
public:
    GalleryView(const uint32_t* crStateColor, const int32_t& iLanguage, QWidget* parent = nullptr);

    // Empties every place for a new gallery of pictures of columns x rows cells.
    void Reset(int pictureColumns, int pictureRows);
    void SetResult(int slot, const RuleSet& rules, SlotMark mark, std::shared_ptr<const Automaton> last);
    // A picture in colours of its own, with its caption and tip.
    void SetPicture(int slot, QString caption, QString tip, std::shared_ptr<const Automaton> last,
                    const GalleryPalette& palette);
    // That many places (0 or more) in rows of places of 100 x 100 pixels, instead of the
    // explorer's grid of 4 x 4 to 8 x 8. Empties every place.
    void SetPlaceCount(int count);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int SlotCount() const { return placeCount_ >= 0 ? placeCount_ : columns_ * rows_; } // the places shown
    int ReadyCount() const;
    const GallerySlot& Slot(int slot) const;
    // The place's picture at one pixel a cell, in the palette of the moment; null until ready.
    const QImage& Picture(int slot);
    QRect SlotRect(int slot) const; // the picture's rectangle

    // The selected places, the current one last; -1 for no current one.
    const std::vector<int>& Selected() const { return selected_; }
    int Current() const { return selected_.empty() ? -1 : selected_.back(); }
    // Selects the place alone, makes it the current one and scrolls it into view.
    void Choose(int slot);

    void SetGridHandler(std::function<void(int slotCount)> handler) { onGrid_ = std::move(handler); }
    void SetSelectionHandler(std::function<void()> handler) { onSelection_ = std::move(handler); }
    void SetActivateHandler(std::function<void(int slot)> handler) { onActivate_ = std::move(handler); }
    // The tip away from the pictures: how to choose (the explorer's unless set).
    void SetHint(const BilingualText& hint) { hint_ = &hint; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override; // tool tips

private:
    void Layout();
    void FollowPalette();
    int SlotAt(QPoint point) const;

    const uint32_t* crStateColor_;
    const int32_t& iLanguage_;
    const BilingualText* hint_;
    int pictureColumns_ = 100;
    int pictureRows_ = 100;
    int placeCount_ = -1; // the explorer's grid
    int columns_ = kGalleryMinSide;
    int rows_ = kGalleryMinSide;
    QSize cell_;    // one place: picture, name and the gaps
    QPoint origin_; // of the first place
    QSize picture_; // the largest picture a place holds
    std::vector<GallerySlot> slots_;
    std::array<uint32_t, kStateCount> palette_{}; // what the pictures were made with
    std::vector<int> selected_;
    std::function<void(int)> onGrid_;
    std::function<void()> onSelection_;
    std::function<void(int)> onActivate_;
};

} // namespace vellicor
