#pragma once
// A field of live cells of any size (up to 16384 a side), run by the automaton's rule arithmetic:
// the same cells the 100 x 100 step gives whenever the field fits in the array.
//
// Layout. Two buffers, this generation and the one before, each row-major: row y is a line of
// consecutive bytes, cell (x, y) at (y + 1) * Stride + x + 1. Around the live cells lies a ring
// of one cell (row 0, row Height + 1, and the bytes before and after each row's cells) that
// feeds the sums of the edge cells: zeros in plane geometry, a copy of the opposite edges in
// torus geometry, refreshed before every step. Each line has room for the 63 bytes the kernels'
// vectors may write past its last cell, so the bands of rows that threads compute never share a
// byte. A step reads one buffer and writes the other, then they trade places.
//
// Threads. The rows are split into as many bands as threads, each computed by the fast step's
// kernels on its own thread of a pool made once; a cell depends only on the previous generation,
// so the cells never depend on the number of threads.

#include "engine/Automaton.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace vellicor {

inline constexpr int kMaxFieldSide = 16384;
inline constexpr int64_t kMaxFieldCells = int64_t{1} << 28;
inline constexpr int kMaxFieldThreads = 256;

// 1..kMaxFieldSide each, and at most kMaxFieldCells in all.
bool FieldSizeAllowed(int64_t width, int64_t height);

class WorkerPool;
struct FastStepPlan;
enum class FastStepIsa; // engine/FastStep.h

class CellField {
public:
    // Precondition: FieldSizeAllowed(width, height). Every cell 0, level 1, the rules of a new
    // automaton.
    CellField(int width, int height);
    ~CellField();
    CellField(CellField&&) noexcept;
    CellField& operator=(CellField&&) noexcept;
    CellField(const CellField&) = delete;
    CellField& operator=(const CellField&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int64_t Level() const { return level_; }
    void SetLevel(int64_t level) { level_ = level; }

    // 0 <= x < Width, 0 <= y < Height; states 0..15.
    uint8_t Cell(int x, int y) const { return current_[Index(x, y)]; }
    void SetCell(int x, int y, uint8_t state) { current_[Index(x, y)] = state & 15; }
    // Width() states of row y, left to right.
    void ReadRow(int y, uint8_t* out) const;
    // Row y's Width() states in place, valid until the next Step or SetCell.
    const uint8_t* Row(int y) const { return current_ + Index(0, y); }

    // The automaton's rule arithmetic, weights, homogeneous mode, modulo divisor and geometry
    // (iGeometryMode 0 plane: every cell outside is 0; anything else torus: the field wraps),
    // copied; they hold from the next Step. Between Steps only.
    void SetRules(const Automaton& a);

    // 0: every core; at most kMaxFieldThreads. The cells never depend on it. Between Steps only.
    void SetThreads(int threads);
    // The number of threads Step runs on.
    int Threads() const;

    // The kernels' instruction set, Best unless a test asks for another.
    void SetInstructionSet(FastStepIsa isa);

    // One generation on the set number of threads; the level goes up by 1.
    void Step();

    // The bytes both buffers take.
    size_t MemoryBytes() const { return 2 * bufferBytes_; }

private:
    size_t Index(int x, int y) const { return (static_cast<size_t>(y) + 1) * stride_ + static_cast<size_t>(x) + 1; }
    void PrepareRing();

    int width_ = 0;
    int height_ = 0;
    size_t stride_ = 0;
    size_t bufferBytes_ = 0;
    int64_t level_ = 1;
    std::unique_ptr<uint8_t[]> storage_; // both buffers
    uint8_t* current_ = nullptr;         // first byte (the ring's corner) of this generation
    uint8_t* previous_ = nullptr;
    int32_t geometry_ = 0;
    std::unique_ptr<FastStepPlan> plan_;
    FastStepIsa isa_;
    int threads_ = 0;
    std::unique_ptr<WorkerPool> pool_;
};

} // namespace vellicor
