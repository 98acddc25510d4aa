#pragma once
// Every frame of a video file as the players see it, decoded by the same FFmpeg libraries and
// turned back into RGB with the colours the file is tagged with.

#include <QImage>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <string>
#include <vector>

namespace vellicor::test {

struct DecodedVideo {
    std::vector<QImage> frames; // Format_RGB32
    std::string codec;          // "h264", "vp9"
    AVPixelFormat pixelFormat = AV_PIX_FMT_NONE;
    AVRational frameRate{0, 1};
};

inline DecodedVideo DecodeVideo(const std::string& path)
{
    DecodedVideo video;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0)
        return video;
    const AVCodec* decoder = nullptr;
    const int index = avformat_find_stream_info(format, nullptr) >= 0
                          ? av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0)
                          : -1;
    AVCodecContext* codec = index >= 0 ? avcodec_alloc_context3(decoder) : nullptr;
    if (codec != nullptr && avcodec_parameters_to_context(codec, format->streams[index]->codecpar) >= 0 &&
        avcodec_open2(codec, decoder, nullptr) >= 0) {
        video.codec = decoder->name;
        video.frameRate = format->streams[index]->avg_frame_rate;
        AVPacket* packet = av_packet_alloc();
        AVFrame* frame = av_frame_alloc();
        SwsContext* converter = nullptr;
        const auto receive = [&] {
            while (avcodec_receive_frame(codec, frame) >= 0) {
                video.pixelFormat = static_cast<AVPixelFormat>(frame->format);
                QImage rgb(frame->width, frame->height, QImage::Format_RGB32);
                converter = sws_getCachedContext(converter, frame->width, frame->height, video.pixelFormat,
                                                 frame->width, frame->height, AV_PIX_FMT_BGRA,
                                                 SWS_BILINEAR | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr,
                                                 nullptr, nullptr);
                const int* coefficients = sws_getCoefficients(frame->colorspace == AVCOL_SPC_BT709 ? SWS_CS_ITU709
                                                                                                    : SWS_CS_DEFAULT);
                sws_setColorspaceDetails(converter, coefficients, frame->color_range == AVCOL_RANGE_JPEG,
                                         coefficients, 1, 0, 1 << 16, 1 << 16);
                uint8_t* planes[4] = {rgb.bits(), nullptr, nullptr, nullptr};
                const int strides[4] = {static_cast<int>(rgb.bytesPerLine()), 0, 0, 0};
                sws_scale(converter, frame->data, frame->linesize, 0, frame->height, planes, strides);
                video.frames.push_back(rgb);
            }
        };
        while (av_read_frame(format, packet) >= 0) {
            if (packet->stream_index == index)
                avcodec_send_packet(codec, packet);
            av_packet_unref(packet);
            receive();
        }
        avcodec_send_packet(codec, nullptr);
        receive();
        sws_freeContext(converter);
        av_frame_free(&frame);
        av_packet_free(&packet);
    }
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    return video;
}

// The largest difference on red, green or blue between the centre pixel of each scale x scale
// cell of a decoded frame and the colour of that cell in the program's own picture.
inline int CentreDifference(const QImage& decoded, const QImage& cells, int scale)
{
    int worst = 0;
    for (int y = 0; y < cells.height(); ++y)
        for (int x = 0; x < cells.width(); ++x) {
            const QRgb want = cells.pixel(x, y);
            const QRgb got = decoded.pixel(x * scale + scale / 2, y * scale + scale / 2);
            worst = std::max({worst, std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                              std::abs(qBlue(want) - qBlue(got))});
        }
    return worst;
}

} // namespace vellicor::test
