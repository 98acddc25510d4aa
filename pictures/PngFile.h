#pragma once
// A still picture as PNG, written by Qt's own image writer. The file is made whole in memory and
// saved with WriteFileAtomically: a failure leaves no file, or the one that was there as it was.

#include <QImage>

#include <optional>
#include <string>

namespace vellicor {

// The PNG file's bytes, or nothing when the image is null or cannot be encoded.
std::optional<std::string> PngBytes(const QImage& image);

// PngBytes saved to path; false when nothing could be written.
bool SavePng(const QImage& image, const std::string& path);

} // namespace vellicor
