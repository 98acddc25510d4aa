#pragma once
// A run as an animated GIF, encoded by giflib. The file is built in memory; the caller saves the
// finished bytes with WriteFileAtomically, so a cancelled or failed recording leaves no file.

#include "engine/Automaton.h"
#include "pictures/FrameRecorder.h"

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>

struct GifFileType; // giflib's encoder

namespace vellicor {

// An animated GIF built frame by frame, each frame encoded as it comes so that a long run holds
// only the compressed file in memory. The sixteen state colours are the global colour table;
// pixels of an indexed frame with that table are taken as they are, other pixels become the
// state of their colour (the nearest one for a colour no state has, such as the white ground of
// an empty view), never dithered. The animation loops for ever.
class GifAnimation {
public:
    // delayMilliseconds between frames, stored in hundredths of a second (rounded, at most
    // 655.35 s).
    GifAnimation(const uint32_t crStateColor[kStateCount], int delayMilliseconds);
    ~GifAnimation();
    GifAnimation(const GifAnimation&) = delete;
    GifAnimation& operator=(const GifAnimation&) = delete;

    // The first frame sets the picture's size; a later frame of another size is cut or padded
    // to it from its top-left corner. False (and the animation is spoilt) for a null frame or an
    // encoding failure.
    bool AddFrame(const QImage& frame);

    // The whole file; nothing when no frame was added or encoding failed. Ends the animation.
    std::optional<std::string> Finish();

private:
    bool Start(int width, int height);
    void Close();

    uint32_t palette_[kStateCount];
    QRgb rgb_[kStateCount];
    int delay_; // hundredths of a second
    GifFileType* file_ = nullptr; // while open
    std::string bytes_;
    int width_ = 0;
    int height_ = 0;
    int frames_ = 0;
    bool failed_ = false;
};

// A GifAnimation saved to a file with WriteFileAtomically.
class GifRecording : public FrameRecorder {
public:
    GifRecording(std::string path, const uint32_t crStateColor[kStateCount], int delayMilliseconds)
        : path_(std::move(path)), animation_(crStateColor, delayMilliseconds)
    {
    }
    bool AddFrame(const QImage& frame) override { return animation_.AddFrame(frame); }
    bool Save() override;

private:
    std::string path_;
    GifAnimation animation_;
};

} // namespace vellicor
