#pragma once
// A run as a video, encoded by FFmpeg's libraries (libavcodec, libavformat, libswscale): each
// frame is one picture of the run, shown for 1/fps of a second. The file is written as it is
// encoded, into a temporary file beside the target that takes the target's place only when Save
// succeeds, so a long run never needs the whole video in memory and a stopped or failed one
// leaves no file.
//
// The formats, chosen by the file name:
// - .mp4: H.264 (High profile) in 4:2:0, the one pixel format every player and every site reads.
//   4:2:0 keeps one colour for each 2 x 2 block of pixels, and players blend neighbouring blocks
//   as they enlarge the colours again, so a cell drawn one or two pixels wide takes some of its
//   neighbours' colours; from 4 x 4 pixels the centre of every cell keeps its own. Both sides must
//   be even: an odd side is padded with a copy of its last row or column.
// - .webm: VP9 in 4:4:4 (profile 1), which the browsers play: every pixel keeps its own colour, so
//   even single-pixel cells stay crisp; the frame keeps its exact size.
// Both are BT.709, limited range, and tagged so; the moov index of an MP4 comes first, so that a
// browser can start playing before the file has arrived.

#include "pictures/FrameRecorder.h"
#include "pictures/VideoLimits.h"

#include <QSize>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vellicor {

// The format of a file name's extension (.mp4 or .webm, in any case); nothing for any other name.
std::optional<VideoFormat> VideoFormatOfName(std::string_view path);

// Whether frames of this size can be recorded: 1 to kMaxVideoSide pixels a side.
bool VideoSizeAllowed(int64_t width, int64_t height);

// The size of the encoded frames for frames of the given size: padded to even sides for MP4.
QSize EncodedVideoSize(QSize frame, VideoFormat format);

class VideoRecording : public FrameRecorder {
public:
    // framesPerSecond outside 1..120 is taken as the nearest of them.
    VideoRecording(const std::string& path, VideoFormat format, int framesPerSecond);
    ~VideoRecording() override;
    VideoRecording(const VideoRecording&) = delete;
    VideoRecording& operator=(const VideoRecording&) = delete;

    // The first frame sets the video's size; a later frame of another size is cut or padded to
    // it from its top-left corner. False (and the recording is spoilt) for a null frame, a size
    // VideoSizeAllowed refuses, a file that cannot be made or an encoding failure.
    bool AddFrame(const QImage& frame) override;
    bool Save() override;

private:
    struct Encoder;
    std::string path_;
    VideoFormat format_;
    int framesPerSecond_;
    std::unique_ptr<Encoder> encoder_; // from the first frame on
    bool failed_ = false;
};

} // namespace vellicor
