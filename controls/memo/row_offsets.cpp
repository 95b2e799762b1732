#include "controls/memo/row_offsets.h"

#include "controls/memo/memo_strings.h"

#include <algorithm>

namespace {

bool IsContinuation(const TVezMemoStrings& lines, int row)
{
    const TLineProp* prop = lines.GetLineProp(row);
    return prop && prop->Wrapped;
}

} // namespace

void TRowOffsets::ChangedFrom(int row)
{
    // Entry row counts the break after row - 1, which depends on whether row continues it.
    valid_ = std::min(valid_, std::max(row, 1));
}

void TRowOffsets::MakeUpTo(const TVezMemoStrings& lines, int row) const
{
    valid_ = std::min(valid_, lines.Count() + 1); // rows removed at the end
    if (row < valid_)
        return;
    const size_t size = static_cast<size_t>(lines.Count()) + 1;
    continuations_.resize(size);
    offsets_.resize(size);
    bool continues = IsContinuation(lines, valid_ - 1);
    for (int i = valid_; i <= row; ++i) {
        const bool nextContinues = IsContinuation(lines, i);
        const size_t at = static_cast<size_t>(i);
        continuations_[at] = continuations_[at - 1] + (continues ? 1 : 0);
        offsets_[at] = offsets_[at - 1] + lines.ListLengths().GetInteger(i - 1) + (nextContinues ? 0 : 2);
        continues = nextContinues;
    }
    valid_ = row + 1;
}

int TRowOffsets::ContinuationsBefore(const TVezMemoStrings& lines, int row) const
{
    row = std::clamp(row, 0, lines.Count());
    MakeUpTo(lines, row);
    return continuations_[static_cast<size_t>(row)];
}

int TRowOffsets::OffsetBefore(const TVezMemoStrings& lines, int row) const
{
    row = std::clamp(row, 0, lines.Count());
    MakeUpTo(lines, row);
    return offsets_[static_cast<size_t>(row)];
}

int TRowOffsets::RowAtOffset(const TVezMemoStrings& lines, int offset) const
{
    const int count = lines.Count();
    MakeUpTo(lines, count);
    // Entry i + 1 is where row i ends: the first entry past offset names the row after the one sought.
    const auto end = offsets_.begin() + count + 1;
    const auto past = std::upper_bound(offsets_.begin() + 1, end, offset);
    return static_cast<int>(past - offsets_.begin()) - 1;
}

int TRowOffsets::RowOfAuthorLine(const TVezMemoStrings& lines, int authorLine) const
{
    const int count = lines.Count();
    if (authorLine < 0 || count == 0)
        return count;
    MakeUpTo(lines, count);
    // Author's lines begun by the rows up to row r: r + 1 rows less their continuations (the first row
    // begins one even when marked as a continuation).
    const int firstMarked = IsContinuation(lines, 0) ? 1 : 0;
    const auto begun = [&](int r) {
        return r + 1 - continuations_[static_cast<size_t>(r) + 1] + firstMarked;
    };
    int low = 0, high = count; // the first row r with begun(r) > authorLine
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (begun(middle) > authorLine)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}
