#pragma once

#include "controls/memo/int_list.h"
#include "platform/gui/core/classes.h"

#include <memory>

// What the memo keeps for each stored line besides its text.

// The tokeniser's state carried from the end of one line to the start of the next.
struct TStyle
{
    int32_t isComment = 0; // comment depth
    bool isBracket = false;
    bool isnumber = false;
    bool iskeyWord = false;
    bool isdelimiter = false;
    bool isURL = false;
    bool isHighlight = false;
    char32_t EndBracket = 0;
    char32_t StartBracket = 0;
    int32_t index = 0; // element style that colours the token
    int32_t ctype = 0; // kind of the open multi-line comment

    bool SameStyle(const TStyle& other) const;
    void ClearTokenFlags();
    void DecCommentDepth();
};

// Change state of a line for the gutter's marks.
enum TLineModifiedState
{
    lmUnmodified,
    lmModified,
    lmSaved
};

// Nothing derives from it: the store tells its objects by their exact type.
class TLineProp final : public TObject
{
public:
    // The caller's object of the line (what the store's Objects answers).
    TObject* FObject = nullptr;
    // Error spans marked in the line; the lists exist only while spans were given.
    std::unique_ptr<TIntList> FErrStart;
    std::unique_ptr<TIntList> FErrLen;
    bool FExpanded = true;
    int32_t FLastChildOfParents = 0;
    bool FHasParent = false;
    bool FHasChildren = false;
    bool BreakPoint = false;
    bool Executable = false;
    TLineModifiedState Modified = lmUnmodified;
    int32_t ImageIndex = -1;
    bool Bookmark = false;
    int32_t BookmarkIndex = 0;
    TStyle Style;
    bool CachedStyle = false;
    // The line continues the line before it: word wrap split it off.
    bool Wrapped = false;

    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool value) { FExpanded = value; }
    int32_t LastChildOfParents() const { return FLastChildOfParents; }
    void SetLastChildOfParents(int32_t value);
    bool LastChild() const { return FLastChildOfParents > 0; }
    bool HasParent() const { return FHasParent; }
    void SetHasParent(bool value) { FHasParent = value; }
    bool HasChildren() const { return FHasChildren; }
    void SetHasChildren(bool value) { FHasChildren = value; }
    bool HasErrorInfo() const { return FErrStart != nullptr; }
    TIntList* ErrStart() const { return FErrStart.get(); }
};
