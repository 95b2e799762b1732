#pragma once

#include "controls/memo/int_list.h"
#include "controls/memo/memo_strings.h"
#include "controls/memo/undo_list.h"

#include <memory>

class TVezCustomMemo;
class TVezCustomMemoStyler;

// The view of a memo as a document keeps it while no memo shows it: caret, scroll position and selection.
struct TVezMemoSavePos
{
    int CurX = 0;
    int CurY = 0;
    int LeftCol = 0;
    int TopLine = 0;
    int SelStartX = 0;
    int SelStartY = 0;
    int SelEndX = 0;
    int SelEndY = 0;
};

// A document apart from any memo: its lines, styler, undo history, read-only and modified state, the view
// and the bookmarks. A memo whose MemoSource is set shows and edits the source's document instead of its
// own, so one memo can switch between documents and a document outlives the memo that showed it. A source
// is attached to one memo at a time; attaching it to another saves the first memo's view into it.
class TVezMemoSource : public TComponent
{
public:
    explicit TVezMemoSource(TComponent* owner);
    ~TVezMemoSource() override;

    TVezCustomMemoStyler* SyntaxStyler() const { return FSyntaxStyler; }
    void SetSyntaxStyler(TVezCustomMemoStyler* value);
    TVezMemoStrings* Lines() const { return FLines.get(); }
    // The lines become a copy of value's.
    void SetLines(const TStrings* value);
    // The attached memo's, else the source's own.
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    // The attached memo's; otherwise whether the history holds a step (setting False empties it).
    bool Modified() const;
    void SetModified(bool value);
    TVezUndoList* UndoList() const { return FUndoList.get(); }
    // Takes over value's records: value is left empty, so that one list owns each record.
    void SetUndoList(TVezUndoList* value);
    // The memo the source is attached to; for the memo's own use.
    TVezCustomMemo* Memo() const { return FMemo; }
    void AttachMemo(TVezCustomMemo* memo);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Detach();
    void Attach(TVezCustomMemo& memo);
    // The links to the memo go without asking it anything (it is being destroyed).
    void DropMemoLinks();

    TVezCustomMemoStyler* FSyntaxStyler = nullptr;
    std::unique_ptr<TVezMemoStrings> FLines;
    std::unique_ptr<TVezUndoList> FUndoList;
    TVezCustomMemo* FMemo = nullptr;
    bool FReadOnly = false;                  // kept while no memo is attached
    TVezMemoSavePos FCaretInfo;              // the view saved at detaching
    std::unique_ptr<TIntList> FBookmarkList; // the ten bookmark lines saved at detaching
};
