#include "shell/CanvasRunner.h"

#include "content/FieldStarts.h"
#include "pictures/StateImage.h"

#include <algorithm>

namespace vellicor {

namespace {

constexpr int kMaxGenerationsPerFrame = 64;

} // namespace

CanvasRunner::CanvasRunner(std::function<void()> frameReady)
    : frameReady_(std::move(frameReady)), worker_([this] { Work(); })
{
}

CanvasRunner::~CanvasRunner()
{
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        cancelRecording_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

void CanvasRunner::Restart(int width, int height, const CanvasStart& start, const Automaton& a, const Palette& colors)
{
    {
        std::lock_guard lock(mutex_);
        start_ = Start{width, height, start, std::make_shared<const Automaton>(a)};
        rules_ = start_->automaton;
        colors_ = colors;
        running_ = false;
        stepsWanted_ = 0;
    }
    wake_.notify_all();
}

void CanvasRunner::SetRunning(bool running)
{
    {
        std::lock_guard lock(mutex_);
        running_ = running;
    }
    wake_.notify_all();
}

bool CanvasRunner::Running() const
{
    std::lock_guard lock(mutex_);
    return running_;
}

void CanvasRunner::StepOnce()
{
    {
        std::lock_guard lock(mutex_);
        stepsWanted_ = 1;
    }
    wake_.notify_all();
}

void CanvasRunner::SetGenerationsPerFrame(int generations)
{
    std::lock_guard lock(mutex_);
    generationsPerFrame_ = std::clamp(generations, 1, kMaxGenerationsPerFrame);
}

int CanvasRunner::GenerationsPerFrame() const
{
    std::lock_guard lock(mutex_);
    return generationsPerFrame_;
}

void CanvasRunner::SetFrameInterval(std::chrono::microseconds interval)
{
    {
        std::lock_guard lock(mutex_);
        frameInterval_ = std::max(interval, std::chrono::microseconds(0));
    }
    wake_.notify_all();
}

void CanvasRunner::SetRules(const Automaton& a)
{
    auto rules = std::make_shared<const Automaton>(a); // copied outside the lock
    std::lock_guard lock(mutex_);
    rules_ = std::move(rules);
}

void CanvasRunner::SetColors(const Palette& colors)
{
    std::lock_guard lock(mutex_);
    colors_ = colors;
}

CanvasFrame CanvasRunner::TakeFrame()
{
    CanvasFrame frame;
    {
        std::lock_guard lock(mutex_);
        frame = std::move(frame_);
        frame_ = CanvasFrame();
        frameTaken_ = true;
    }
    wake_.notify_all();
    return frame;
}

void CanvasRunner::StartRecording(std::unique_ptr<FrameRecorder> recorder, int generations, int scale)
{
    {
        std::lock_guard lock(mutex_);
        recording_ = RecordJob{std::move(recorder), std::max(generations, 0), std::max(scale, 1), false};
        cancelRecording_ = false;
        running_ = false;
        recorded_ = 0;
    }
    wake_.notify_all();
}

void CanvasRunner::CancelRecording()
{
    std::lock_guard lock(mutex_);
    cancelRecording_ = true;
}

bool CanvasRunner::Recording() const
{
    std::lock_guard lock(mutex_);
    return recording_.has_value() || recordingActive_;
}

std::unique_ptr<FrameRecorder> CanvasRunner::TakeFinishedRecording(bool& complete)
{
    std::lock_guard lock(mutex_);
    if (!finished_)
        return nullptr;
    complete = finished_->complete;
    std::unique_ptr<FrameRecorder> recorder = std::move(finished_->recorder);
    finished_.reset();
    return recorder;
}

QImage CanvasRunner::Picture(const Palette& colors) const { return StateImage(*field_, colors.data()); }

void CanvasRunner::ApplyRules()
{
    if (rules_ && field_) {
        field_->SetRules(*rules_);
        rules_.reset();
    }
}

void CanvasRunner::Publish(std::unique_lock<std::mutex>& lock, QImage picture, int64_t level)
{
    frame_ = CanvasFrame{std::move(picture), level};
    frameTaken_ = false;
    lock.unlock();
    frameReady_();
    lock.lock();
}

void CanvasRunner::MakeField(const Start& start)
{
    field_ = std::make_unique<CellField>(start.width, start.height);
    const Automaton& a = *start.automaton;
    switch (start.start.kind) {
    case CanvasStart::Kind::Random: FillFieldRandom(*field_, start.start.states, start.start.seed); break;
    case CanvasStart::Kind::Tile: TileFieldFromArray(*field_, a); break;
    case CanvasStart::Kind::Centre: CentreArrayInField(*field_, a); break;
    case CanvasStart::Kind::Blank: break; // a new field is blank
    }
}

void CanvasRunner::Work()
{
    std::unique_lock lock(mutex_);
    auto nextFrame = std::chrono::steady_clock::now();
    while (!stop_) {
        if (start_) {
            const Start start = std::move(*start_);
            start_.reset();
            const Palette colors = colors_;
            lock.unlock();
            field_.reset(); // the old field's memory goes before the new one's comes
            MakeField(start);
            QImage picture = Picture(colors);
            lock.lock();
            ApplyRules();
            Publish(lock, std::move(picture), field_->Level());
            continue;
        }
        if (recording_ && field_) {
            Record(lock);
            continue;
        }
        const bool wanted = field_ && frameTaken_ && (stepsWanted_ > 0 || running_);
        if (!wanted) {
            wake_.wait(lock);
            continue;
        }
        const auto now = std::chrono::steady_clock::now();
        if (stepsWanted_ == 0 && now < nextFrame) {
            wake_.wait_until(lock, nextFrame);
            continue;
        }
        const int generations = stepsWanted_ > 0 ? stepsWanted_ : generationsPerFrame_;
        stepsWanted_ = 0;
        nextFrame = std::max(nextFrame + frameInterval_, now);
        ApplyRules();
        const Palette colors = colors_;
        lock.unlock();
        for (int i = 0; i < generations; ++i) {
            field_->Step();
            ++computed_;
        }
        QImage picture = Picture(colors);
        lock.lock();
        Publish(lock, std::move(picture), field_->Level());
    }
}

void CanvasRunner::Record(std::unique_lock<std::mutex>& lock)
{
    RecordJob recording = std::move(*recording_);
    recording_.reset();
    recordingActive_ = true;
    bool framed = true;
    bool cancelled = false;
    for (int done = 0; framed && done <= recording.generations; ++done) {
        if (cancelRecording_ || stop_ || start_) {
            cancelled = true;
            break;
        }
        ApplyRules();
        const Palette colors = colors_;
        lock.unlock();
        if (done > 0) { // the first frame is the generation shown as the recording starts
            field_->Step();
            ++computed_;
        }
        QImage picture = Picture(colors);
        framed = recording.recorder->AddFrame(ScaledPicture(picture, recording.scale));
        ++recorded_;
        lock.lock();
        Publish(lock, std::move(picture), field_->Level());
    }
    recording.complete = framed && !cancelled;
    recordingActive_ = false;
    finished_ = std::move(recording);
    lock.unlock();
    frameReady_();
    lock.lock();
}

} // namespace vellicor
