#include "controls/memo/vez_custom_memo.h"

// The memo's questions about the marks of its lines: markers, bookmarks, breakpoints and executable lines.
// The flags live in the lines' properties; a line without one has no marks.

bool TVezCustomMemo::MarkerAtLine(int lineNo) const
{
    return FMarkerList->Markers()->MarkerAtLine(lineNo);
}

bool TVezCustomMemo::HasMarkers() const
{
    return FMarkerList->Markers()->HasMarkers();
}

int TVezCustomMemo::MarkerCount() const
{
    return FMarkerList->Markers()->MarkerCount();
}

bool TVezCustomMemo::GetBreakPoint(int index) const
{
    const TLineProp* prop = ActiveLines()->GetLineProp(index);
    return prop && prop->BreakPoint;
}

bool TVezCustomMemo::GetExecutable(int index) const
{
    const TLineProp* prop = ActiveLines()->GetLineProp(index);
    return prop && prop->Executable;
}

int TVezCustomMemo::BookmarkCount() const
{
    const TVezMemoStrings& lines = *ActiveLines();
    int count = 0;
    for (int i = 0; i < lines.Count(); ++i)
        if (const TLineProp* prop = lines.GetLineProp(i); prop && prop->Bookmark)
            ++count;
    return count;
}

bool TVezCustomMemo::GetBookmarkInfo(int line, int& index) const
{
    const TLineProp* prop = ActiveLines()->GetLineProp(line);
    const bool bookmark = prop && prop->Bookmark;
    index = bookmark ? prop->BookmarkIndex : -1;
    return bookmark;
}
