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

// The reading state of one load. Fields are collected rather than written at once, so that a
// read that fails halfway changes nothing; every field has its own position and only live cells
// are kept, so there are never more than the live area holds.
class FieldReader {
public:
    FieldReader(const Automaton& a, const Selection& s) : automaton_(a), pointX_(s.iPointX), pointY_(s.iPointY) {}

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

    void Apply(Automaton& a) const
    {
        for (const CellWrite& write : writes_) {
            a.byArray[write.x][write.y] = write.state;
            a.byOldArray[write.x][write.y] = write.state;
        }
    }

    LoadResult Result() const { return result_; }

private:
    void StoreField()
    {
        if (digits_ > kMaxFieldDigits || value_ >= kStateCount) {
            if (!result_.bDataError)
                result_.iFirstDataErrorRow = row_;
            result_.bDataError = true;
        } else {
            const int64_t x = pointX_ + column_;
            const int64_t y = pointY_ + row_;
            if (InLiveArea(automaton_, x, y)) {
                writes_.push_back({static_cast<int>(x), static_cast<int>(y), static_cast<uint8_t>(value_)});
            } else if (!result_.bOutsideArray) {
                result_.bOutsideArray = true;
                result_.iFirstOutsideRow = row_;
                result_.iFirstOutsideColumn = column_;
            }
        }
        value_ = 0;
        digits_ = 0;
    }

    const Automaton& automaton_;
    int64_t pointX_;
    int64_t pointY_;
    int64_t column_ = 0; // 64-bit: a line may hold any number of TABs
    int64_t row_ = 0;
    int32_t value_ = 0;
    int64_t digits_ = 0;
    LoadResult result_{true};
    std::vector<CellWrite> writes_;
};

LoadResult Commit(Automaton& a, Selection& s, const FieldReader& reader)
{
    reader.Apply(a);
    ApplyGeometry(a);
    s.bCellHighlight = 0;
    return reader.Result();
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

SaveResult SaveSelection(const Automaton& a, Selection& s, const std::string& path)
{
    if (!WriteFileAtomically(path, SelectionFileBytes(a, s)))
        return SaveResult::kWriteError;
    s.bRectHighlight = 0;
    return SaveResult::kSaved;
}

LoadResult LoadSelection(Automaton& a, Selection& s, std::string_view bytes)
{
    FieldReader reader(a, s);
    reader.Feed(bytes);
    reader.Finish();
    return Commit(a, s, reader);
}

LoadResult LoadSelectionFile(Automaton& a, Selection& s, const std::string& path)
{
    if (!IsRegularFile(path))
        return {};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    FieldReader reader(a, s);
    std::vector<char> buffer(64 * 1024);
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        reader.Feed(std::string_view(buffer.data(), static_cast<size_t>(in.gcount())));
    }
    if (in.bad())
        return {};
    reader.Finish();
    return Commit(a, s, reader);
}

} // namespace vellicor
