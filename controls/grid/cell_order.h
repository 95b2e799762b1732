#pragma once

#include "controls/grid/column_types.h"

class TCell;
class TCells;

// Orders two cells by the rule of a sort type: negative when the first comes before the second, 0 when
// they are equal, positive after.
//   stAlphabetic         the texts by code points
//   stBoolean            False before True
//   stCaseInsensitive    the texts by code points with A-Z read as a-z
//   stCustom             the store's OnCompare (starting at 0: without a handler all cells are equal)
//   stNumeric            the floats; the texts by code points when either cell is no number
//   stDate               the date-times
//   stIP                 the texts as IP addresses, part by part
//   stUnicodeAlphabetic  the texts in the user's language
// Conversion errors propagate, except under stNumeric.
class TCellComparer
{
public:
    TCellComparer(TCells& cells, TSortType sortType) : cells_(cells), sortType_(sortType) {}

    int Compare(TCell& first, TCell& second) const;

private:
    TCells& cells_;
    TSortType sortType_;
};

// The four parts of an IP address: the digits between dots, other characters skipped; an empty text is
// 0.0.0.0. A part without digits, or a fifth part, raises EConvertError.
struct TIpAddress
{
    unsigned Parts[4] = {};
};
TIpAddress ReadIpAddress(std::string_view text);
