#pragma once

#include <vector>

class TStrings;
class TVezCustomMemoStyler;
class TVezMemoStrings;

// Code folding keeps no region objects. A region is its first line, the node, marked HasChildren; the lines
// after the node up to and including its end line are marked HasParent, and the end line counts in
// LastChildOfParents the regions that end there. These walk those marks, and find the regions of a text.

// The end line of the region that starts at node line start: the first line after it where the regions
// ending outnumber the nodes opened since (ending regions count before a node on the same line); -1 when no
// line closes it.
int RegionEndLine(const TVezMemoStrings& lines, int start);

// The line of the row below line's row: past the hidden lines of a collapsed node, its end line included
// (one past the line count when the region never closes).
int NextShownLine(const TVezMemoStrings& lines, int line);

// A row of the view to its line, and a line to the row that shows it (a hidden line to the row of the
// outermost collapsed node that hides it). A row past the last shown row maps past the last line, and an
// index the walk never meets (a negative one) maps to itself.
int ShownRowToLine(const TVezMemoStrings& lines, int row);
int LineToShownRow(const TVezMemoStrings& lines, int line);

struct TFoldRegion
{
    int Start;
    int End;
};

// The regions the styler's region rules find in lines, in the order they are to be added: those of closed
// rules, then those of open rules, then those of file rules. A region may be empty or inverted; the memo
// refuses those when it adds them.
std::vector<TFoldRegion> FindFoldRegions(const TStrings& lines, const TVezCustomMemoStyler& styler);
