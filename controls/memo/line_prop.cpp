#include "controls/memo/line_prop.h"

bool TStyle::SameStyle(const TStyle& other) const
{
    return isComment == other.isComment && isBracket == other.isBracket && isnumber == other.isnumber &&
           iskeyWord == other.iskeyWord && isdelimiter == other.isdelimiter && isURL == other.isURL &&
           isHighlight == other.isHighlight && EndBracket == other.EndBracket &&
           StartBracket == other.StartBracket && index == other.index && ctype == other.ctype;
}

void TStyle::ClearTokenFlags()
{
    isnumber = iskeyWord = isdelimiter = isURL = isHighlight = false;
}

void TStyle::DecCommentDepth()
{
    if (isComment > 0)
        --isComment;
}

void TLineProp::SetLastChildOfParents(int32_t value)
{
    if (value >= 0)
        FLastChildOfParents = value;
}
