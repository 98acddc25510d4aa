#pragma once
// The picture files: a still picture as PNG, written by Qt's own image writer, and a run as an
// animated GIF, encoded by giflib. Needs Qt Gui for QImage and nothing of the widgets, so the
// program and the headless renderer write exactly the same files. Every file is made whole in
// memory first and then saved with WriteFileAtomically: a failure leaves no file, or leaves the
// one that was there as it was.

#include "engine/Automaton.h"

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>

struct GifFileType; // giflib's encoder

namespace vellicor {

// A palette entry as a colour: red in bits 0-7, green in 8-15 and blue in 16-23.
QRgb RgbOfStateEntry(uint32_t entry);

// The live cells as an indexed picture, one pixel per cell, whose colour table is the palette
// (red in bits 0-7 of an entry, green 8-15, blue 16-23): pixel (x - 1, y - 1) holds the state of
// cell (x, y). A null image when the array has no live cell.
QImage StateImage(const Automaton& a, const uint32_t crStateColor[kStateCount]);

// Every pixel made a block of scale x scale pixels, without any smoothing; the format is kept.
// A scale below 1 counts as 1.
QImage ScaledPicture(const QImage& image, int scale);

// The PNG file's bytes, or nothing when the image is null or cannot be encoded.
std::optional<std::string> PngBytes(const QImage& image);

// PngBytes saved to path; false when nothing could be written.
bool SavePng(const QImage& image, const std::string& path);

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
    int FrameCount() const { return frames_; }

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

} // namespace vellicor
