#include "content/SelectionFile.h"

#include "content/AtomicFile.h"
#include "content/CellBounds.h"

#include <fstream>
#include <vector>

namespace vellicor {

namespace {

// Longest field read as a number; a longer run of digits is a data error like a value above 15.
constexpr int kMaxFieldDigits = 7;

struct CellWrite {
    int x;
    int y;
    uint8_t state;
};

// The fields of a load into the array, collected rather than written at once, so that a read
// that fails halfway changes nothing; only live cells are kept, so there are never more than
// the live area holds.
class ArrayWrites {
public:
    explicit ArrayWrites(const Automaton& a) : automaton_(a) {}

    // False for a field outside the live area, which is not kept.
    bool Add(int64_t x, int64_t y, uint8_t state)
    {
        if (!InLiveArea(automaton_, x, y))
            return false;
        writes_.push_back({static_cast<int>(x), static_cast<int>(y), state});
        return true;
    }

    void Apply(Automaton& a) const
    {
        for (const CellWrite& write : writes_) {
            a.byArray[write.x][write.y] = write.state;
            a.byOldArray[write.x][write.y] = write.state;
        }
    }

private:
    const Automaton& automaton_;
    std::vector<CellWrite> writes_;
};

// The same for a field, whose files can be as large as the field: one byte per cell (a list of
// writes would take six times that), made at the first field. Cells count from 1 as the array's.
class FieldWrites {
public:
    explicit FieldWrites(const CellField& f) : width_(f.Width()), height_(f.Height()) {}

    bool Add(int64_t x, int64_t y, uint8_t state)
    {
        if (x < 1 || y < 1 || x > width_ || y > height_)
            return false;
        if (states_.empty())
            states_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), kUnwritten);
        states_[static_cast<size_t>(y - 1) * static_cast<size_t>(width_) + static_cast<size_t>(x - 1)] = state;
        return true;
    }

    void Apply(CellField& f) const
    {
        if (states_.empty())
            return;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (const uint8_t state = states_[static_cast<size_t>(y) * width_ + x]; state != kUnwritten)
                    f.SetCell(x, y, state);
    }

private:
    static constexpr uint8_t kUnwritten = 0xFF;
    int width_;
    int height_;
    std::vector<uint8_t> states_;
};

// The reading state of one load; every field has its own position from the marked point.
template <class Writes>
class FieldReader {
public:
    FieldReader(Writes& writes, int64_t pointX, int64_t pointY) : writes_(writes), pointX_(pointX), pointY_(pointY) {}

    void Feed(std::string_view bytes)
    {
        for (const char byte : bytes) {
            if (byte >= '0' && byte <= '9') {
                if (digits_ < kMaxFieldDigits)
                    value_ = value_ * 10 + (byte - '0');
                ++digits_;
            } else if (byte == '\t') {
                StoreField();
                ++column_;
            } else if (byte == '\n') {
                StoreField();
                ++row_;
                column_ = 0;
            }
        }
    }

    // Digits pending at the end of the file make one more field: a file whose last line lacks
    // its LF (as text editors often leave it) keeps its last number instead of losing it
    // silently.
    void Finish()
    {
        if (digits_ > 0)
            StoreField();
    }

    LoadResult Result() const { return result_; }

private:
    void StoreField()
    {
        if (digits_ > kMaxFieldDigits || value_ >= kStateCount) {
            if (!result_.bDataError)
                result_.iFirstDataErrorRow = row_;
            result_.bDataError = true;
        } else if (!writes_.Add(pointX_ + column_, pointY_ + row_, static_cast<uint8_t>(value_)) &&
                   !result_.bOutsideArray) {
            result_.bOutsideArray = true;
            result_.iFirstOutsideRow = row_;
        }
        value_ = 0;
        digits_ = 0;
    }

    Writes& writes_;
    int64_t pointX_;
    int64_t pointY_;
    int64_t column_ = 0; // 64-bit: a line may hold any number of TABs
    int64_t row_ = 0;
    int32_t value_ = 0;
    int64_t digits_ = 0;
    LoadResult result_{true};
};

LoadResult Commit(Automaton& a, Selection& s, const ArrayWrites& writes, const FieldReader<ArrayWrites>& reader)
{
    writes.Apply(a);
    ApplyGeometry(a);
    s.bCellHighlight = 0;
    return reader.Result();
}

// The whole file through the reader, in pieces; false when it could not be opened or read.
template <class Writes>
bool ReadFile(const std::string& path, FieldReader<Writes>& reader)
{
    if (!IsRegularFile(path))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::vector<char> buffer(64 * 1024);
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        reader.Feed(std::string_view(buffer.data(), static_cast<size_t>(in.gcount())));
    }
    if (in.bad())
        return false;
    reader.Finish();
    return true;
}

} // namespace

std::string SelectionFileBytes(const Automaton& a, const Selection& s)
{
    std::string bytes;
    const CellRectangle r = LiveRectangle(a, s);
    for (int y = r.y0; y <= r.y1; ++y) {
        for (int x = r.x0; x <= r.x1; ++x) {
            bytes += std::to_string(a.byArray[x][y]);
            bytes += x == r.x1 ? '\n' : '\t';
        }
    }
    return bytes;
}

std::string SelectionFileBytes(const CellField& f)
{
    std::string bytes;
    std::vector<uint8_t> row(static_cast<size_t>(f.Width()));
    for (int y = 0; y < f.Height(); ++y) {
        f.ReadRow(y, row.data());
        for (int x = 0; x < f.Width(); ++x) {
            bytes += std::to_string(row[static_cast<size_t>(x)]);
            bytes += x == f.Width() - 1 ? '\n' : '\t';
        }
    }
    return bytes;
}

SaveResult SaveSelection(const Automaton& a, Selection& s, const std::string& path)
{
    if (!WriteFileAtomically(path, SelectionFileBytes(a, s)))
        return SaveResult::kWriteError;
    s.bRectHighlight = 0;
    return SaveResult::kSaved;
}

LoadResult LoadSelection(Automaton& a, Selection& s, std::string_view bytes)
{
    ArrayWrites writes(a);
    FieldReader reader(writes, s.iPointX, s.iPointY);
    reader.Feed(bytes);
    reader.Finish();
    return Commit(a, s, writes, reader);
}

LoadResult LoadSelectionFile(Automaton& a, Selection& s, const std::string& path)
{
    ArrayWrites writes(a);
    FieldReader reader(writes, s.iPointX, s.iPointY);
    if (!ReadFile(path, reader))
        return {};
    return Commit(a, s, writes, reader);
}

LoadResult LoadSelectionFile(CellField& f, int64_t pointX, int64_t pointY, const std::string& path)
{
    FieldWrites writes(f);
    FieldReader reader(writes, pointX, pointY);
    if (!ReadFile(path, reader))
        return {};
    writes.Apply(f);
    return reader.Result();
}

} // namespace vellicor
