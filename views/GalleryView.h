#pragma once
// The rule explorer's gallery: a grid of places in reading order, each showing the last generation
// of one candidate rule set in the palette's colours and its name ("499-8") under it, after
// "dull:" or "noise:" in grey when every candidate of the place was dull. Places
// fill in as their runs finish; a click selects one (Ctrl or Shift adds a second, for Cross), a
// double click activates it.
//
// The grid has 4 x 4 places and grows, up to 8 x 8, as the window gets room for another column
// or row of places of 100 x 100 pixels; when there is less room the pictures shrink instead.
// A picture is the array enlarged by the largest whole factor its place allows.

#include "explore/Exploration.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace vellicor {

inline constexpr int kGalleryMinSide = 4;
inline constexpr int kGalleryMaxSide = 8;

struct GallerySlot {
    bool ready = false;
    RuleSet rules{};
    SlotMark mark = SlotMark::None;
    std::shared_ptr<const Automaton> last; // the cells the picture shows
    QImage picture;                        // of last, in the palette the gallery last painted with
};

class GalleryView : public QWidget {
public:
    GalleryView(const uint32_t* crStateColor, const int32_t& iLanguage, QWidget* parent = nullptr);

    // Empties every place for a new gallery of pictures of columns x rows cells.
    void Reset(int pictureColumns, int pictureRows);
    void SetResult(int slot, const RuleSet& rules, SlotMark mark, std::shared_ptr<const Automaton> last);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    int SlotCount() const { return columns_ * rows_; } // the places shown
    int ReadyCount() const;
    const GallerySlot& Slot(int slot) const;
    // The place's picture at one pixel a cell, in the palette of the moment; null until ready.
    const QImage& Picture(int slot);
    QRect SlotRect(int slot) const; // the picture's rectangle

    // The selected places, the current one last; -1 for no current one.
    const std::vector<int>& Selected() const { return selected_; }
    int Current() const { return selected_.empty() ? -1 : selected_.back(); }

    void SetGridHandler(std::function<void(int slotCount)> handler) { onGrid_ = std::move(handler); }
    void SetSelectionHandler(std::function<void()> handler) { onSelection_ = std::move(handler); }
    void SetActivateHandler(std::function<void(int slot)> handler) { onActivate_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override; // tool tips

private:
    void Layout();
    void FollowPalette();
    int SlotAt(QPoint point) const;

    const uint32_t* crStateColor_;
    const int32_t& iLanguage_;
    int pictureColumns_ = 100;
    int pictureRows_ = 100;
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
