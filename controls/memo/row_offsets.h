#pragma once

#include <vector>

class TVezMemoStrings;

// Running counts over the stored rows: how many continuation rows (of word wrap) and how many characters
// of text (a line break counts 2, none between a row and its continuation) lie before each row. The counts
// are made when asked for and kept up to the first row a change touched since, so that an edit near the
// end of a long text costs as little as one near the start, and a position is found by halving instead of
// by a walk over every row.
class TRowOffsets
{
public:
    // A change at row (its text, its length, its continuation mark, a row inserted or removed there):
    // the counts of the rows after it are made again when next asked for.
    void ChangedFrom(int row);

    // Continuation rows among the rows before row (0 <= row <= the number of rows).
    int ContinuationsBefore(const TVezMemoStrings& lines, int row) const;
    // Characters of text before row (0 <= row <= the number of rows).
    int OffsetBefore(const TVezMemoStrings& lines, int row) const;
    // The first row whose text reaches past offset; the number of rows when none does.
    int RowAtOffset(const TVezMemoStrings& lines, int offset) const;
    // The row where author's line authorLine starts (a row that continues none; the first row always
    // starts one); the number of rows when the text has fewer lines.
    int RowOfAuthorLine(const TVezMemoStrings& lines, int authorLine) const;

private:
    void MakeUpTo(const TVezMemoStrings& lines, int row) const;

    // Entry i holds the counts of the rows before row i; entries below valid_ are up to date.
    mutable std::vector<int> continuations_{0};
    mutable std::vector<int> offsets_{0};
    mutable int valid_ = 1;
};
