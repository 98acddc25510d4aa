#pragma once
// The Canvas's run, on a worker thread of its own that owns the cell field. The window asks (run,
// pause, one step, a new start, new rules, a recording) and takes finished pictures; the worker
// computes between its requests and never waits for the window while holding the field, so the
// interface thread never waits for a generation.
//
// A running canvas makes a frame of generations-per-frame generations, puts its picture out and
// computes the next frame only once the window has taken that picture and the frame interval has
// passed: the window always shows the newest finished generation, and a window that paints slowly
// slows the run rather than piling pictures up. The rules, the colours and a start asked for while
// a frame is being computed apply from the next one.
//
// A recording is the frame source of a FrameRecorder: the generation shown when it starts, then
// one frame per generation, each enlarged by the recording's scale, handed to the recorder on the
// worker. The run is paused meanwhile; the pictures still come out for the window to show.

#include "engine/Automaton.h"
#include "engine/CellField.h"
#include "pictures/FrameRecorder.h"

#include <QImage>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace vellicor {

struct CanvasStart {
    enum class Kind { Random, Tile, Centre, Blank };
    Kind kind = Kind::Tile;
    int states = 2;     // Random: states 0 .. states - 1
    uint32_t seed = 1;  // Random
};

struct CanvasFrame {
    QImage picture; // indexed, one pixel per cell; null when no new picture waits
    int64_t level = 0;
};

using Palette = std::array<uint32_t, kStateCount>;

class CanvasRunner {
public:
    // frameReady runs on the worker whenever a picture waits (or a recording ended): it must only
    // post to the window.
    explicit CanvasRunner(std::function<void()> frameReady);
    // Stops the work and joins the worker: no thread is left.
    ~CanvasRunner();
    CanvasRunner(const CanvasRunner&) = delete;
    CanvasRunner& operator=(const CanvasRunner&) = delete;

    // A new field at level 1 with this start (Tile and Centre from `a`'s array) under `a`'s rules.
    // Precondition: FieldSizeAllowed(width, height).
    void Restart(int width, int height, const CanvasStart& start, const Automaton& a, const Palette& colors);
    void SetRunning(bool running);
    bool Running() const;
    void StepOnce(); // one generation, whether running or not
    void SetGenerationsPerFrame(int generations); // 1 .. 64
    int GenerationsPerFrame() const;
    void SetFrameInterval(std::chrono::microseconds interval); // 0: as fast as the window takes them
    void SetRules(const Automaton& a);
    void SetColors(const Palette& colors);

    // The newest finished picture, once; taking it lets the worker make the next frame.
    CanvasFrame TakeFrame();
    // Generations computed since the runner began, for a rate.
    int64_t GenerationsComputed() const { return computed_.load(); }

    // Records the generation of the moment and `generations` more, each frame enlarged by scale.
    void StartRecording(std::unique_ptr<FrameRecorder> recorder, int generations, int scale);
    void CancelRecording();
    bool Recording() const;
    int FramesRecorded() const { return recorded_.load(); }
    // Once a recording has ended: its recorder, and whether every frame was taken (not cancelled).
    std::unique_ptr<FrameRecorder> TakeFinishedRecording(bool& complete);

private:
    struct Start {
        int width;
        int height;
        CanvasStart start;
        std::shared_ptr<const Automaton> automaton;
    };
    struct RecordJob {
        std::unique_ptr<FrameRecorder> recorder;
        int generations = 0;
        int scale = 1;
        bool complete = false;
    };

    void Work();
    void MakeField(const Start& start);
    void Record(std::unique_lock<std::mutex>& lock);
    // Outside the lock: the field's picture in the colours of the moment.
    QImage Picture(const Palette& colors) const;
    void Publish(std::unique_lock<std::mutex>& lock, QImage picture, int64_t level);
    void ApplyRules(); // under the lock

    std::function<void()> frameReady_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    // Shared with the window, under mutex_.
    bool stop_ = false;
    bool running_ = false;
    int stepsWanted_ = 0;
    int generationsPerFrame_ = 1;
    std::chrono::microseconds frameInterval_{16667};
    std::optional<Start> start_;
    std::shared_ptr<const Automaton> rules_; // new rules not yet applied
    Palette colors_{};
    CanvasFrame frame_;
    bool frameTaken_ = true;
    std::optional<RecordJob> recording_;  // asked for, not started
    std::optional<RecordJob> finished_;   // ended, for the window
    bool recordingActive_ = false;
    bool cancelRecording_ = false;
    // The worker's own.
    std::unique_ptr<CellField> field_;
    std::atomic<int64_t> computed_{0};
    std::atomic<int> recorded_{0};
    std::thread worker_; // last: it starts once everything above exists
};

} // namespace vellicor
