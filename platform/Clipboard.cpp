#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vellicor {

void SetClipboardText(std::string_view utf8)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void SetClipboardImage(const QImage& image)
{
    QGuiApplication::clipboard()->setImage(image);
}

} // namespace vellicor
