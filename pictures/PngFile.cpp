#include "pictures/PngFile.h"

#include "content/AtomicFile.h"

#include <QBuffer>
#include <QImageWriter>

namespace vellicor {

std::optional<std::string> PngBytes(const QImage& image)
{
    if (image.isNull())
        return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return std::nullopt;
    return bytes.toStdString();
}

bool SavePng(const QImage& image, const std::string& path)
{
    const std::optional<std::string> bytes = PngBytes(image);
    return bytes && WriteFileAtomically(path, *bytes);
}

} // namespace vellicor
