#include "engine/CellField.h"

#include "engine/Neighbourhood.h"

#include <algorithm>
#include <cstring>
#include <thread>
#include <utility>

namespace vellicor {

namespace {

// Room past a line's last cell for one 32-byte store, and past the last line for the loads of
// the cells around it.
constexpr size_t kVectorBytes = 32;
constexpr size_t kTailSlack = 64;

size_t LineStride(int width)
{
    const size_t bytes = static_cast<size_t>(width) + kVectorBytes; // the ring's two cells fit in it
    return (bytes + kVectorBytes - 1) / kVectorBytes * kVectorBytes;
}

} // namespace

bool FieldSizeAllowed(int64_t width, int64_t height)
{
    return width >= 1 && height >= 1 && width <= kMaxFieldSide && height <= kMaxFieldSide &&
           width * height <= kMaxFieldCells;
}

FieldRules FieldRulesOf(const Automaton& a)
{
    FieldRules rules;
    std::memcpy(rules.iRules, a.iRules, sizeof rules.iRules);
    std::memcpy(rules.iNeighbours, a.iNeighbours, sizeof rules.iNeighbours);
    rules.bHomogeneousMode = a.bHomogeneousMode;
    rules.divisor = ModuloDivisor(a);
    rules.iGeometryMode = a.iGeometryMode;
    return rules;
}

CellField::CellField(int width, int height)
    : width_(std::clamp(width, 1, kMaxFieldSide)), height_(std::clamp(height, 1, kMaxFieldSide)),
      stride_(LineStride(width_))
{
    const size_t bufferBytes = stride_ * (static_cast<size_t>(height_) + 2) + kTailSlack;
    storage_ = std::make_unique<uint8_t[]>(2 * bufferBytes); // zeroed
    current_ = storage_.get();
    previous_ = storage_.get() + bufferBytes;
    SetRules(Automaton{});
}

CellField::~CellField() = default;
CellField::CellField(CellField&&) noexcept = default;
CellField& CellField::operator=(CellField&&) noexcept = default;

void CellField::ReadRow(int y, uint8_t* out) const { std::memcpy(out, Row(y), static_cast<size_t>(width_)); }

void CellField::SetRules(const Automaton& a) { SetRules(FieldRulesOf(a)); }

void CellField::SetRules(const FieldRules& rules) { rules_ = rules; }

void CellField::SetThreads(int threads) { threads_ = std::max(threads, 0); }

void CellField::PrepareRing()
{
    const size_t w = static_cast<size_t>(width_);
    const size_t h = static_cast<size_t>(height_);
    uint8_t* top = current_;
    uint8_t* bottom = current_ + (h + 1) * stride_;
    if (rules_.iGeometryMode == 0) {
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

void CellField::Step()
{
    PrepareRing();
    // The rule entry of each reduced sum: the highest state whose rule holds it.
    int entries[kSumCount];
    std::fill(entries, entries + kSumCount, -1);
    for (int s = 0; s < kStateCount; ++s)
        for (int r = 0; r < kSumCount; ++r)
            if (rules_.iRules[s][r] == 1)
                entries[r] = s;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const size_t index = Index(x, y);
            uint32_t sum = 0;
            for (int i = 0; i <= 2; ++i) {
                for (int j = 0; j <= 2; ++j) {
                    const uint8_t c = current_[static_cast<ptrdiff_t>(index) + (j - 1) * static_cast<ptrdiff_t>(stride_) + i - 1];
                    const uint32_t contribution = rules_.bHomogeneousMode != 0 ? (c != 0 ? 1u : 0u) : c;
                    sum += contribution * static_cast<uint32_t>(rules_.iNeighbours[i][j]);
                }
            }
            const int32_t r = ReduceSum(static_cast<int32_t>(sum), rules_.divisor);
            const bool kept = r < 0 || r >= kSumCount || entries[r] < 0;
            previous_[index] = kept ? current_[index] : static_cast<uint8_t>(entries[r]);
        }
    }
    std::swap(current_, previous_);
    level_ += 1;
}

} // namespace vellicor
