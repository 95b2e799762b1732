#include "controls/memo/line_lengths.h"

void TLineLengths::Count(int32_t length, int delta)
{
    const int now = (counts_[length] += delta);
    if (now == 0)
        counts_.erase(length);
}

void TLineLengths::Clear()
{
    lengths_.Clear();
    counts_.clear();
    NoteChanged(0);
}

int TLineLengths::Add(int32_t length)
{
    Count(length, +1);
    NoteChanged(lengths_.Count());
    return lengths_.Add(length);
}

void TLineLengths::Insert(int index, int32_t length)
{
    lengths_.Insert(index, length);
    Count(length, +1);
    NoteChanged(index);
}

void TLineLengths::Delete(int index)
{
    const int32_t length = lengths_.GetInteger(index);
    lengths_.Delete(index);
    Count(length, -1);
    NoteChanged(index);
}

void TLineLengths::SetInteger(int index, int32_t length)
{
    const int32_t old = lengths_.GetInteger(index);
    lengths_.SetInteger(index, length);
    Count(old, -1);
    Count(length, +1);
    NoteChanged(index);
}
