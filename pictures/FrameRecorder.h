#pragma once
// What a recorded run is written through, whatever the file: frames added one by one, then the
// file saved whole. A recorder destroyed before Save leaves no file behind, so a run that is
// stopped or fails simply drops its recorder.

#include <QImage>

namespace vellicor {

class FrameRecorder {
public:
    virtual ~FrameRecorder() = default;
    // False once a frame could not be taken; the recording is spoilt then and Save fails.
    virtual bool AddFrame(const QImage& frame) = 0;
    // The file in place, whole; false when nothing could be written (any file of that name is
    // then as it was).
    virtual bool Save() = 0;
};

} // namespace vellicor
