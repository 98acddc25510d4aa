#include "views/ColorsDialog.h"

#include "platform/UserPrompts.h"
#include "resources/DialogTemplates.h"
#include "views/ArrayImage.h"

#include <algorithm>
#include <array>

namespace vellicor {

namespace {

constexpr int kComponentCount = 3;
constexpr int kComponentMax = 255;
constexpr int kLineStep = 1;
constexpr int kPageStep = 16; // 15 and the line step, as the bars always moved
static_assert(kCustomColorCount == kStateCount, "the chooser's custom colours are the states' colours");

int Component(uint32_t color, int i) { return static_cast<int>((color >> (8 * i)) & 0xFF); }

class ProcColors : public DialogProcedure {
public:
    ProcColors(UserPrompts& prompts, uint32_t crStateColor[kStateCount], StateBrushes& brushes)
        : prompts_(prompts), palette_(crStateColor), brushes_(brushes)
    {
        std::copy(palette_, palette_ + kStateCount, opened_.begin());
    }

    bool OnInitDialog(DialogControls& dialog) override
    {
        LoadComponents(0);
        for (int i = 0; i < kComponentCount; ++i) {
            dialog.SetScrollRange(kColorsRedBar + i, 0, kComponentMax);
            dialog.SetScrollPos(kColorsRedBar + i, rgb_[i]);
            dialog.SetDlgItemInt(kColorsRedValue + i, rgb_[i], false);
        }
        dialog.CheckDlgButton(kColorsFirstButton, 1);
        selected_ = 0;
        PaintSwatches(dialog);
        return true;
    }

    void OnCommand(DialogControls& dialog, int id, int /*notification*/) override
    {
        if (id >= kColorsFirstButton && id < kColorsFirstButton + kStateCount) {
            selected_ = id - kColorsFirstButton;
            LoadComponents(selected_);
            dialog.CheckRadioButton(kColorsFirstButton, kColorsFirstButton + kStateCount - 1, id);
            for (int i = 0; i < kComponentCount; ++i) {
                dialog.SetDlgItemInt(kColorsRedValue + i, rgb_[i], false);
                dialog.SetScrollPos(kColorsRedBar + i, rgb_[i]);
            }
            Refresh(dialog, kColorsPreview);
        } else if (id == kColorsDefine) {
            prompts_.EditCustomColors(std::span<uint32_t, kCustomColorCount>(palette_, kCustomColorCount));
            BuildStateBrushes(brushes_, palette_);
            PaintSwatches(dialog); // the selected state takes its bars' colour back here
        } else if (id == kIdOk) {
            dialog.EndDialog(1);
        } else if (id == kIdCancel) {
            std::copy(opened_.begin(), opened_.end(), palette_);
            BuildStateBrushes(brushes_, palette_);
            dialog.EndDialog(0);
        }
    }

    void OnScroll(DialogControls& dialog, int id, ScrollCode code, int position) override
    {
        const int i = id - kColorsRedBar;
        if (i < 0 || i >= kComponentCount)
            return;
        int value = rgb_[i];
        switch (code) {
        case ScrollCode::LineLeft: value -= kLineStep; break;
        case ScrollCode::LineRight: value += kLineStep; break;
        case ScrollCode::PageLeft: value -= kPageStep; break;
        case ScrollCode::PageRight: value += kPageStep; break;
        case ScrollCode::ThumbPosition:
        case ScrollCode::ThumbTrack: value = position; break;
        case ScrollCode::Left: value = 0; break;
        case ScrollCode::Right: value = kComponentMax; break;
        case ScrollCode::EndScroll: return;
        }
        rgb_[i] = std::clamp(value, 0, kComponentMax);
        dialog.SetScrollPos(id, rgb_[i]);
        dialog.SetDlgItemInt(kColorsRedValue + i, rgb_[i], false);
        Refresh(dialog, kColorsPreview);
        Refresh(dialog, kColorsFirstSwatch + selected_);
    }

private:
    void LoadComponents(int state)
    {
        for (int i = 0; i < kComponentCount; ++i)
            rgb_[i] = Component(palette_[state], i);
    }

    void PaintSwatches(DialogControls& dialog)
    {
        for (int s = 0; s < kStateCount; ++s)
            Swatch(dialog, kColorsFirstSwatch + s, palette_[s]);
        Refresh(dialog, kColorsPreview);
    }

    // The preview, or a swatch, in the colour being edited, which becomes the selected state's
    // palette entry and brush.
    void Refresh(DialogControls& dialog, int control)
    {
        palette_[selected_] = static_cast<uint32_t>(rgb_[0]) | static_cast<uint32_t>(rgb_[1]) << 8 |
                              static_cast<uint32_t>(rgb_[2]) << 16;
        brushes_.hStateBrush[selected_] = QBrush(ColorOfStateEntry(palette_[selected_]));
        Swatch(dialog, control, palette_[selected_]);
    }

    static void Swatch(DialogControls& dialog, int control, uint32_t color)
    {
        dialog.SetSwatchColor(control, Component(color, 0), Component(color, 1), Component(color, 2));
    }

    UserPrompts& prompts_;
    uint32_t* palette_;
    StateBrushes& brushes_;
    std::array<uint32_t, kStateCount> opened_{};
    int selected_ = 0;
    int rgb_[kComponentCount] = {};
};

} // namespace

int RunColorsDialog(UserPrompts& prompts, int32_t iLanguage, uint32_t crStateColor[kStateCount],
                    StateBrushes& brushes)
{
    ProcColors procColors(prompts, crStateColor, brushes);
    return prompts.RunDialog(DIALOG_COLORS, iLanguage, procColors);
}

} // namespace vellicor
