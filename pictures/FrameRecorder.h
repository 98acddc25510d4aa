#pragma once
// What a recording of a run writes its frames to: the frames one by one, then the finished file's
// bytes. The animated GIF is one; another file kind slots in beside it without the run knowing.

#include <QImage>

#include <optional>
#include <string>

namespace vellicor {

class FrameRecorder {
public:
    virtual ~FrameRecorder() = default;
    // False when the frame could not be taken; the recording is spoilt then.
    virtual bool AddFrame(const QImage& frame) = 0;
    // The whole file; nothing when no frame was added or a frame failed. Ends the recording.
    virtual std::optional<std::string> Finish() = 0;
};

} // namespace vellicor
