#pragma once
// The system clipboard, as the Edit menu fills it: each call replaces whatever the clipboard held
// with one text or one picture. Other programs get the text as plain text and the picture as an
// image (PNG among the formats offered).

#include <QImage>

#include <string_view>

namespace vellicor {

void SetClipboardText(std::string_view utf8);
void SetClipboardImage(const QImage& image);

} // namespace vellicor
