#include "pictures/GifAnimation.h"

#include "content/AtomicFile.h"
#include "pictures/StateImage.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace vellicor {

namespace {

int AppendToString(GifFileType* file, const GifByteType* bytes, int length)
{
    static_cast<std::string*>(file->UserData)->append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(length));
    return length;
}

// The state whose colour a pixel has: the first of equal colours, the nearest for a colour that
// no state has. Pictures hold few colours, so the last answer is kept for the next pixel.
class StateOfColour {
public:
    explicit StateOfColour(const QRgb (&rgb)[kStateCount]) : rgb_(rgb) {}

    uint8_t operator()(QRgb colour)
    {
        colour |= 0xFF000000u;
        if (colour == lastColour_)
            return lastState_;
        int best = 0;
        int bestDistance = INT32_MAX;
        for (int s = 0; s < kStateCount && bestDistance > 0; ++s) {
            const int dr = qRed(colour) - qRed(rgb_[s]);
            const int dg = qGreen(colour) - qGreen(rgb_[s]);
            const int db = qBlue(colour) - qBlue(rgb_[s]);
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                best = s;
                bestDistance = distance;
            }
        }
        lastColour_ = colour;
        lastState_ = static_cast<uint8_t>(best);
        return lastState_;
    }

private:
    const QRgb (&rgb_)[kStateCount];
    QRgb lastColour_ = 0; // never a real colour: those have an opaque alpha
    uint8_t lastState_ = 0;
};

} // namespace

GifAnimation::GifAnimation(const uint32_t crStateColor[kStateCount], int delayMilliseconds)
    : delay_(std::clamp((std::max(delayMilliseconds, 0) + 5) / 10, 0, 65535))
{
    for (int s = 0; s < kStateCount; ++s) {
        palette_[s] = crStateColor[s];
        rgb_[s] = RgbOfStateEntry(crStateColor[s]);
    }
}

GifAnimation::~GifAnimation() { Close(); }

void GifAnimation::Close()
{
    if (file_ != nullptr) {
        int error = 0;
        if (EGifCloseFile(file_, &error) == GIF_ERROR)
            failed_ = true;
        file_ = nullptr;
    }
}

bool GifAnimation::Start(int width, int height)
{
    int error = 0;
    file_ = EGifOpen(&bytes_, AppendToString, &error);
    if (file_ == nullptr)
        return false;
    GifColorType colours[kStateCount];
    for (int s = 0; s < kStateCount; ++s)
        colours[s] = {static_cast<GifByteType>(palette_[s] & 0xFF), static_cast<GifByteType>((palette_[s] >> 8) & 0xFF),
                      static_cast<GifByteType>((palette_[s] >> 16) & 0xFF)};
    ColorMapObject* map = GifMakeMapObject(kStateCount, colours);
    if (map == nullptr)
        return false;
    EGifSetGifVersion(file_, true);
    const bool described = EGifPutScreenDesc(file_, width, height, 8, 0, map) != GIF_ERROR;
    GifFreeMapObject(map);
    // The application extension by which every viewer knows to loop: a count of 0 is for ever.
    static const GifByteType kLoopForEver[] = {1, 0, 0};
    const bool looping = described && EGifPutExtensionLeader(file_, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
                         EGifPutExtensionBlock(file_, 11, "NETSCAPE2.0") != GIF_ERROR &&
                         EGifPutExtensionBlock(file_, 3, kLoopForEver) != GIF_ERROR &&
                         EGifPutExtensionTrailer(file_) != GIF_ERROR;
    width_ = width;
    height_ = height;
    return looping;
}

bool GifAnimation::AddFrame(const QImage& frame)
{
    if (failed_ || frame.isNull() || (file_ == nullptr && frames_ > 0)) {
        failed_ = true;
        return false;
    }
    if (file_ == nullptr && !Start(frame.width(), frame.height())) {
        failed_ = true;
        return false;
    }
    QList<QRgb> table(std::begin(rgb_), std::end(rgb_));
    const bool indexed = frame.format() == QImage::Format_Indexed8 && frame.colorTable() == table;
    const QImage source = indexed ? frame : frame.convertToFormat(QImage::Format_RGB32);
    StateOfColour stateOf(rgb_);
    std::vector<GifPixelType> line(static_cast<size_t>(width_), 0);

    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, delay_, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    const size_t extensionLength = EGifGCBToExtension(&control, extension);
    bool written = EGifPutExtension(file_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extensionLength), extension) !=
                       GIF_ERROR &&
                   EGifPutImageDesc(file_, 0, 0, width_, height_, false, nullptr) != GIF_ERROR;
    const int width = std::min(width_, source.width());
    for (int y = 0; written && y < height_; ++y) {
        std::fill(line.begin(), line.end(), stateOf(0));
        if (y < source.height()) {
            if (indexed) {
                const uchar* from = source.constScanLine(y);
                for (int x = 0; x < width; ++x)
                    line[static_cast<size_t>(x)] = from[x] & 15;
            } else {
                const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
                for (int x = 0; x < width; ++x)
                    line[static_cast<size_t>(x)] = stateOf(from[x]);
            }
        }
        written = EGifPutLine(file_, line.data(), width_) != GIF_ERROR;
    }
    if (!written) {
        failed_ = true;
        return false;
    }
    ++frames_;
    return true;
}

std::optional<std::string> GifAnimation::Finish()
{
    Close();
    if (failed_ || frames_ == 0)
        return std::nullopt;
    return std::move(bytes_);
}

bool GifRecording::Save()
{
    const std::optional<std::string> bytes = animation_.Finish();
    return bytes && WriteFileAtomically(path_, *bytes);
}

} // namespace vellicor
