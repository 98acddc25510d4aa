#pragma once
// The video formats and the limits of a recording, without the encoder: the renderer's command
// line checks its options against them before anything runs.

namespace vellicor {

enum class VideoFormat { Mp4, WebM };

inline constexpr int kMinFramesPerSecond = 1;
inline constexpr int kMaxFramesPerSecond = 120;
inline constexpr int kDefaultFramesPerSecond = 25;
// What the common decoders (the hardware ones of phones and graphics cards among them) accept.
inline constexpr int kMaxVideoSide = 8192;

} // namespace vellicor
