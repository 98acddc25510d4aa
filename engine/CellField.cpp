#include "engine/CellField.h"

#include "engine/FastStep.h"
#include "engine/WorkerPool.h"

#include <algorithm>
#include <cstring>
#include <thread>
#include <utility>

namespace vellicor {

namespace {

// Room past a line's last cell for the kernels' widest write, and past the last line for the
// loads of the cells around it.
constexpr size_t kPastLine = fast::OutsideMask::kPast;
constexpr size_t kLineAlignment = 32;
constexpr size_t kTailSlack = 64;

size_t LineStride(int width)
{
    // The left ring cell, the cells, then the room past them (the right ring cell among it).
    const size_t bytes = 1 + static_cast<size_t>(width) + kPastLine - 1;
    return (bytes + kLineAlignment - 1) / kLineAlignment * kLineAlignment;
}

} // namespace

bool FieldSizeAllowed(int64_t width, int64_t height)
{
    return width >= 1 && height >= 1 && width <= kMaxFieldSide && height <= kMaxFieldSide &&
           width * height <= kMaxFieldCells;
}

CellField::CellField(int width, int height)
    : width_(std::clamp(width, 1, kMaxFieldSide)), height_(std::clamp(height, 1, kMaxFieldSide)),
      stride_(LineStride(width_)), plan_(std::make_unique<FastStepPlan>()), isa_(FastStepIsa::Best)
{
    bufferBytes_ = stride_ * (static_cast<size_t>(height_) + 2) + kTailSlack;
    storage_ = std::make_unique<uint8_t[]>(2 * bufferBytes_); // zeroed
    current_ = storage_.get();
    previous_ = storage_.get() + bufferBytes_;
    SetRules(Automaton{});
}

CellField::~CellField() = default;
CellField::CellField(CellField&&) noexcept = default;
CellField& CellField::operator=(CellField&&) noexcept = default;

void CellField::ReadRow(int y, uint8_t* out) const { std::memcpy(out, Row(y), static_cast<size_t>(width_)); }

void CellField::SetRules(const Automaton& a)
{
    geometry_ = a.iGeometryMode != 0 ? 1 : 0;
    // Cells are always 0..15 here, so 16-entry tables cover every sum.
    *plan_ = PlanFastStep(StepRulesOf(a), static_cast<ptrdiff_t>(stride_), false, true);
}

void CellField::SetThreads(int threads) { threads_ = std::clamp(threads, 0, kMaxFieldThreads); }

int CellField::Threads() const
{
    if (threads_ > 0)
        return threads_;
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxFieldThreads);
}

void CellField::PrepareRing()
{
    const size_t w = static_cast<size_t>(width_);
    const size_t h = static_cast<size_t>(height_);
    uint8_t* top = current_;
    uint8_t* bottom = current_ + (h + 1) * stride_;
    if (geometry_ == 0) {
        // A step in torus geometry, or the writes past a line, may have left bytes here.
        std::memset(top, 0, w + 2);
        std::memset(bottom, 0, w + 2);
        for (size_t y = 1; y <= h; ++y)
            current_[y * stride_] = current_[y * stride_ + w + 1] = 0;
        return;
    }
    for (size_t y = 1; y <= h; ++y) {
        uint8_t* line = current_ + y * stride_;
        line[0] = line[w];
        line[w + 1] = line[1];
    }
    std::memcpy(top, current_ + h * stride_, w + 2);
    std::memcpy(bottom, current_ + stride_, w + 2);
}

void CellField::SetInstructionSet(FastStepIsa isa) { isa_ = isa; }

void CellField::Step()
{
    PrepareRing();
    CellLines cells;
    cells.source = cells.keep = current_ + stride_ + 1;
    cells.target = previous_ + stride_ + 1;
    cells.stride = static_cast<ptrdiff_t>(stride_);
    cells.lines = height_;
    cells.length = width_;
    cells.linesAreColumns = false;
    const int threads = Threads();
    if (!pool_ || pool_->Threads() != threads)
        pool_ = std::make_unique<WorkerPool>(threads);
    pool_->Run([&](int band) {
        const int first = static_cast<int>(int64_t{height_} * band / threads);
        const int last = static_cast<int>(int64_t{height_} * (band + 1) / threads);
        ComputeCells(LineRange(cells, first, last - first), *plan_, isa_);
    });
    std::swap(current_, previous_);
    level_ += 1;
}

} // namespace vellicor
