#include "pictures/VideoRecording.h"

#include "content/AtomicFile.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace vellicor {

namespace {

// Where FFmpeg's writer (and, when the MP4 muxer moves its index to the front, its reader) is in
// the temporary file. Each reader or writer has its own, and reads and writes at it, so they never
// disturb each other.
struct FileCursor {
    int fd = -1;
    int64_t position = 0;
};

int WritePacket(void* opaque, uint8_t* bytes, int size)
{
    auto* cursor = static_cast<FileCursor*>(opaque);
    for (int done = 0; done < size;) {
        const ssize_t written = pwrite(cursor->fd, bytes + done, static_cast<size_t>(size - done), cursor->position);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return AVERROR(EIO);
        done += static_cast<int>(written);
        cursor->position += written;
    }
    return size;
}

int ReadPacket(void* opaque, uint8_t* bytes, int size)
{
    auto* cursor = static_cast<FileCursor*>(opaque);
    ssize_t read = 0;
    do
        read = pread(cursor->fd, bytes, static_cast<size_t>(size), cursor->position);
    while (read < 0 && errno == EINTR);
    if (read < 0)
        return AVERROR(EIO);
    if (read == 0)
        return AVERROR_EOF;
    cursor->position += read;
    return static_cast<int>(read);
}

int64_t Seek(void* opaque, int64_t offset, int whence)
{
    auto* cursor = static_cast<FileCursor*>(opaque);
    struct stat info {};
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE || whence == SEEK_END)
        if (fstat(cursor->fd, &info) != 0)
            return AVERROR(EIO);
    if (whence == AVSEEK_SIZE)
        return info.st_size;
    const int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? cursor->position : info.st_size;
    if (whence != SEEK_SET && whence != SEEK_CUR && whence != SEEK_END)
        return AVERROR(EINVAL);
    if (offset < -base)
        return AVERROR(EINVAL);
    cursor->position = base + offset;
    return cursor->position;
}

AVIOContext* OpenFileIo(FileCursor* cursor, bool writing)
{
    constexpr int kBufferSize = 1 << 16;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferSize));
    if (buffer == nullptr)
        return nullptr;
    AVIOContext* io = avio_alloc_context(buffer, kBufferSize, writing ? 1 : 0, cursor, writing ? nullptr : ReadPacket,
                                         writing ? WritePacket : nullptr, Seek);
    if (io == nullptr)
        av_free(buffer);
    return io;
}

void CloseFileIo(AVIOContext*& io)
{
    if (io == nullptr)
        return;
    av_freep(&io->buffer);
    avio_context_free(&io);
}

// The MP4 muxer reads back what it wrote to move its index to the front ("faststart"): it opens
// "the file" again, which here is the temporary file the writer writes.
int OpenForReading(AVFormatContext* format, AVIOContext** io, const char*, int flags, AVDictionary**)
{
    if ((flags & AVIO_FLAG_WRITE) != 0)
        return AVERROR(EPERM);
    auto* cursor = new FileCursor{static_cast<FileCursor*>(format->opaque)->fd, 0};
    *io = OpenFileIo(cursor, false);
    if (*io != nullptr)
        return 0;
    delete cursor;
    return AVERROR(ENOMEM);
}

int CloseReading(AVFormatContext*, AVIOContext* io)
{
    delete static_cast<FileCursor*>(io->opaque);
    CloseFileIo(io);
    return 0;
}

} // namespace

std::optional<VideoFormat> VideoFormatOfName(std::string_view path)
{
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return std::nullopt;
    std::string extension(path.substr(dot));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".mp4")
        return VideoFormat::Mp4;
    if (extension == ".webm")
        return VideoFormat::WebM;
    return std::nullopt;
}

bool VideoSizeAllowed(int64_t width, int64_t height)
{
    return width >= 1 && height >= 1 && width <= kMaxVideoSide && height <= kMaxVideoSide;
}

QSize EncodedVideoSize(QSize frame, VideoFormat format)
{
    if (format == VideoFormat::WebM)
        return frame;
    return {frame.width() + frame.width() % 2, frame.height() + frame.height() % 2};
}

struct VideoRecording::Encoder {
    // Declared first, so that it is destroyed last: the temporary file goes once nothing of
    // FFmpeg can write to it any more.
    AtomicFileWriter file;
    FileCursor cursor;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* picture = nullptr;
    AVPacket* packet = nullptr;
    QSize frameSize;
    QSize encodedSize;
    int64_t frames = 0;

    explicit Encoder(const std::string& path) : file(path) {}

    ~Encoder()
    {
        sws_freeContext(scaler);
        av_frame_free(&picture);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_free_context(format);
        CloseFileIo(io);
    }

    bool Start(VideoFormat kind, int framesPerSecond, QSize size);
    bool Encode(const QImage& frame);
    bool Drain();
    bool Finish();
};

bool VideoRecording::Encoder::Start(VideoFormat kind, int framesPerSecond, QSize size)
{
    // The libraries' own notes (x264's statistics at the end of every video) would fill the
    // renderer's error output; their errors still show.
    av_log_set_level(AV_LOG_ERROR);
    frameSize = size;
    encodedSize = EncodedVideoSize(size, kind);
    cursor.fd = file.Descriptor();
    const bool mp4 = kind == VideoFormat::Mp4;
    if (cursor.fd < 0 || avformat_alloc_output_context2(&format, nullptr, mp4 ? "mp4" : "webm", nullptr) < 0)
        return false;
    const AVCodec* encoder = avcodec_find_encoder_by_name(mp4 ? "libx264" : "libvpx-vp9");
    if (encoder == nullptr)
        encoder = avcodec_find_encoder(mp4 ? AV_CODEC_ID_H264 : AV_CODEC_ID_VP9);
    stream = encoder != nullptr ? avformat_new_stream(format, nullptr) : nullptr;
    codec = stream != nullptr ? avcodec_alloc_context3(encoder) : nullptr;
    picture = av_frame_alloc();
    packet = av_packet_alloc();
    if (codec == nullptr || picture == nullptr || packet == nullptr)
        return false;

    codec->width = encodedSize.width();
    codec->height = encodedSize.height();
    codec->pix_fmt = mp4 ? AV_PIX_FMT_YUV420P : AV_PIX_FMT_YUV444P;
    codec->time_base = {1, framesPerSecond};
    codec->framerate = {framesPerSecond, 1};
    codec->color_range = AVCOL_RANGE_MPEG;
    codec->colorspace = AVCOL_SPC_BT709;
    codec->color_primaries = AVCOL_PRI_BT709;
    codec->color_trc = AVCOL_TRC_BT709;
    codec->thread_count = 0; // every core
    if ((format->oformat->flags & AVFMT_GLOBALHEADER) != 0)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    // The qualities at which, on a soup of random cells, the centre of every cell of 4 x 4 pixels
    // stays within 26 (MP4) and 23 (WebM) of its colour on each of red, green and blue. x264's
    // "animation" tuning suits flat areas with hard edges; VP9's real-time mode is several times
    // faster than its "good" one at these qualities.
    if (mp4) {
        av_dict_set(&options, "preset", "veryfast", 0);
        av_dict_set(&options, "tune", "animation", 0);
        av_dict_set(&options, "crf", "16", 0);
    } else {
        codec->bit_rate = 0; // constant quality
        av_dict_set(&options, "crf", "20", 0);
        av_dict_set(&options, "deadline", "realtime", 0);
        av_dict_set(&options, "cpu-used", "7", 0);
        av_dict_set(&options, "row-mt", "1", 0);
    }
    const int opened = avcodec_open2(codec, encoder, &options);
    av_dict_free(&options);
    if (opened < 0 || avcodec_parameters_from_context(stream->codecpar, codec) < 0)
        return false;
    stream->time_base = codec->time_base;
    stream->avg_frame_rate = codec->framerate;

    picture->format = codec->pix_fmt;
    picture->width = codec->width;
    picture->height = codec->height;
    if (av_frame_get_buffer(picture, 0) < 0)
        return false;

    io = OpenFileIo(&cursor, true);
    if (io == nullptr)
        return false;
    format->pb = io;
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    format->opaque = &cursor;
    format->io_open = OpenForReading;
    format->io_close2 = CloseReading;
    AVDictionary* muxing = nullptr;
    if (mp4)
        av_dict_set(&muxing, "movflags", "+faststart", 0);
    const int header = avformat_write_header(format, &muxing);
    av_dict_free(&muxing);
    return header >= 0;
}

bool VideoRecording::Encoder::Encode(const QImage& frame)
{
    // Always from 32-bit RGB: the converter's own palette route does not take the colour space
    // set below.
    QImage source = frame.convertToFormat(QImage::Format_RGB32);
    if (source.size() != encodedSize) {
        // Cut or padded from the top-left corner; the padding of an odd side repeats the last
        // row or column, so that the block of colour it shares keeps the cell's colour.
        source = source.copy(0, 0, encodedSize.width(), encodedSize.height());
        if (encodedSize.width() > frameSize.width())
            for (int y = 0; y < source.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
                line[frameSize.width()] = line[frameSize.width() - 1];
            }
        if (encodedSize.height() > frameSize.height())
            std::memcpy(source.scanLine(frameSize.height()), source.constScanLine(frameSize.height() - 1),
                        static_cast<size_t>(source.bytesPerLine()));
    }
    // Point sampling: each colour sample of 4:2:0 is the colour of one pixel, never a blend of two
    // cells, so every cell of 2 x 2 pixels or more keeps a sample of its own colour.
    if (scaler == nullptr) {
        scaler = sws_getContext(source.width(), source.height(), AV_PIX_FMT_BGRA, codec->width, codec->height,
                                codec->pix_fmt, SWS_POINT | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
        if (scaler == nullptr)
            return false;
        // sRGB pictures into BT.709 limited range, as the stream is tagged.
        const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(scaler, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    }
    const uint8_t* planes[4] = {source.constBits(), nullptr, nullptr, nullptr}; // QRgb in memory is BGRA
    const int strides[4] = {static_cast<int>(source.bytesPerLine()), 0, 0, 0};
    if (av_frame_make_writable(picture) < 0 ||
        sws_scale(scaler, planes, strides, 0, source.height(), picture->data, picture->linesize) <= 0)
        return false;
    picture->pts = frames++;
    return avcodec_send_frame(codec, picture) >= 0 && Drain();
}

bool VideoRecording::Encoder::Drain()
{
    for (;;) {
        const int received = avcodec_receive_packet(codec, packet);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return true;
        if (received < 0)
            return false;
        if (packet->duration == 0)
            packet->duration = 1; // one frame, so that the last frame lasts as long as the others
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        if (av_interleaved_write_frame(format, packet) < 0)
            return false;
    }
}

bool VideoRecording::Encoder::Finish()
{
    if (avcodec_send_frame(codec, nullptr) < 0 || !Drain() || av_write_trailer(format) < 0)
        return false;
    avio_flush(io);
    return io->error == 0 && file.Commit();
}

VideoRecording::VideoRecording(const std::string& path, VideoFormat format, int framesPerSecond)
    : path_(path), format_(format), framesPerSecond_(std::clamp(framesPerSecond, kMinFramesPerSecond, kMaxFramesPerSecond))
{
}

VideoRecording::~VideoRecording() = default;

bool VideoRecording::AddFrame(const QImage& frame)
{
    if (!failed_ && encoder_ == nullptr && !frame.isNull() && VideoSizeAllowed(frame.width(), frame.height())) {
        encoder_ = std::make_unique<Encoder>(path_);
        failed_ = !encoder_->Start(format_, framesPerSecond_, frame.size());
    }
    failed_ = failed_ || encoder_ == nullptr || frame.isNull() || !encoder_->Encode(frame);
    if (failed_)
        encoder_.reset(); // the temporary file goes at once
    return !failed_;
}

bool VideoRecording::Save()
{
    const bool saved = !failed_ && encoder_ != nullptr && encoder_->Finish();
    encoder_.reset();
    failed_ = true; // saved once
    return saved;
}

} // namespace vellicor
