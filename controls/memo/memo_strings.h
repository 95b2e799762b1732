#pragma once

#include "controls/memo/line_lengths.h"
#include "controls/memo/line_prop.h"
#include "controls/memo/row_offsets.h"
#include "platform/gui/core/pointer_list.h"
#include "platform/gui/core/strings.h"

#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TVezCustomMemo;

// The memo's lines: a string list that keeps, for each line, a property object (TLineProp) and the line's
// length in columns. With a memo attached it normalises incoming text (tabs expanded, line breaks split),
// routes deletion through the memo so that undo, markers and bookmarks follow, and keeps the memo's caret
// and cached styles consistent. Without one it behaves as a plain string list.
//
// Every change updates the lengths before the list reports it, so the memo's change handler always sees
// the lengths in step with the lines. The store also remembers which stored lines changed since the memo
// last wrapped them, so that word wrap re-wraps only those.
class TVezMemoStrings : public TStringList
{
public:
    TVezMemoStrings();
    ~TVezMemoStrings() override;

    TVezCustomMemo* Memo() const { return memo_; }
    void SetMemo(TVezCustomMemo* memo) { memo_ = memo; }

    // Appends one or more lines: a memo attached, tabs are expanded and every CR, LF or CR LF ends a line.
    // Answers the index of the last line added.
    int Add(const std::string& s) override;
    // Appends one line as it is, its object wrapped in a new TLineProp.
    int AddObject(const std::string& s, TObject* object) override;
    // Appends every line with its object (a memo attached only), then lets the memo refresh once.
    void AddStrings(const TStrings& strings) override;
    // Inserts one or more lines at index (split at CR, LF and CR LF); needs a memo.
    void Insert(int index, const std::string& s);
    // Inserts exactly one line, keeping lengths, bookmarks and the cached top style in step.
    void DoInsert(int index, const std::string& s);
    void InsertObject(int index, const std::string& s, TObject* object) override;
    // Removes one line (through the memo's DeleteLine when a memo is attached); outside the list: nothing.
    void Delete(int index) override;
    void Put(int index, const std::string& s) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Exchange(int index1, int index2) override;
    void Move(int curIndex, int newIndex) override;
    // Removes every line and frees every line property; a memo attached forgets its undo history too.
    void Clear() override;
    // Removes every line; the line properties the store owned are handed over to the caller, who may keep
    // them for lines to come or let them go.
    std::vector<std::unique_ptr<TLineProp>> ClearStrings();
    void Assign(const TPersistent* source) override;
    void SetText(const std::string& text) override;
    // Lines, counted as 0 for an empty text and for a single empty line.
    int RealCount() const;

    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TStream& stream);
    // Trims the trailing blanks of every line (in the store too), then writes the text in the encoding of
    // the last load.
    void SaveToFile(const std::string& fileName);
    // Write the author's lines (wrapped rows joined) in the encoding, its byte-order mark first and every
    // line followed by CR LF; the lines stay as they are.
    void SaveToFile(const std::string& fileName, TTextEncoding encoding);
    void SaveToStream(TStream& stream);
    void SaveToStream(TStream& stream, TTextEncoding encoding);

    // --- line properties ---
    // The line's property object; nullptr outside the list or when the slot holds none.
    TLineProp* GetLineProp(int index) const;
    // Creates, attaches and registers a property object for a line that has none.
    TLineProp* CreateLineProp(int index);
    // The line's property object, created when missing.
    TLineProp* LineProp(int index);
    // Stores object in the line's slot; outside the list: ignored.
    void SetLineProp(int index, TObject* object);
    // Stores object in the line's slot (index error outside the list).
    void PutLineObject(int index, TObject* object);
    // The store owns item from now on.
    void AddLineProp(TLineProp* item);
    void FreeLineProps();
    // Replaces the lines with those of list without creating or keeping line properties.
    void AssignWithoutProps(const TStrings& list);
    // Every line property the store owns (deleted lines' too).
    const TList& LinesProp() const { return linesProp_; }

    const TLineLengths& ListLengths() const { return listLengths_; }
    // The running counts of continuation rows and characters before each row, up to date.
    const TRowOffsets& RowOffsets() const
    {
        rowOffsets_.ChangedFrom(listLengths_.TakeFirstChanged());
        return rowOffsets_;
    }
    // A row's continuation mark was set or cleared outside the store's own changes.
    void NoteContinuationChanged(int index) { rowOffsets_.ChangedFrom(index); }
    int LockCount() const { return lockCount_; }
    bool Deleting() const { return deleting_; }

    // --- for the memo's word wrap ---
    // The stored lines changed since the last call; first > last when none.
    struct TChangedRows
    {
        int First = INT_MAX;
        int Last = -1;
        bool Empty() const { return First > Last; }
    };
    TChangedRows TakeChangedRows();

    // --- for the memo's repaint ---
    // The lines whose rows show something else since the memo last took them: a line put, or every line
    // from an insertion or a removal on (Last INT_MAX, down to the end of the view). Nothing when the
    // change could not be placed (the whole memo is painted again).
    std::optional<TChangedRows> TakeRepaintRows();
    // Row replacement that records nothing as changed: the rows [first, first + count) become rows, each
    // with its property object (owned by the store already or added to it).
    struct TRow
    {
        std::string Text;
        TLineProp* Prop = nullptr;
    };
    void ReplaceRows(int first, int count, std::vector<TRow>& rows);
    // Drops property objects that no line uses any more (word wrap joined their rows away).
    void ForgetLineProps(const std::vector<TLineProp*>& props);

protected:
    void SetUpdateState(bool updating) override;
    void Changing() override;

private:
    friend class TVezCustomMemo;
    // The raw removal: length entry and line go, the line's property stays owned.
    void RemoveRaw(int index);
    void CheckInsertIndex(int index) const;
    std::string Normalised(const std::string& s) const;
    void RebuildListLengths();
    void ExpandTabsInAllLines();
    void PrepareMemoForLoad();
    void SettleLoadedText();
    void NoteRowChanged(int index); // for word wrap
    void NoteChanged(int index);
    void NoteInserted(int index);
    void NoteDeleted(int index);
    void NoteRepaint(int first, int last);
    // The author's lines (wrapped rows joined), each followed by CR LF.
    std::string AuthorText() const;
    void WriteAuthorText(TStream& stream, TTextEncoding encoding);
    void TrimAllLines();
    void MarkLinesSaved();

    TVezCustomMemo* memo_ = nullptr;
    int lockCount_ = 0;     // update nesting as the store sees it
    bool deleting_ = false; // Delete hands a removal to the memo
    TList linesProp_;       // every TLineProp the store owns
    TLineLengths listLengths_;
    mutable TRowOffsets rowOffsets_;
    bool noObjCreate_ = false; // AddObject creates no TLineProp (AssignWithoutProps)
    TChangedRows changed_;
    bool trackChanges_ = true;
    TChangedRows repaint_;
    bool repaintAll_ = false;
    // A change the store has placed in repaint_ is on its way to the base list.
    bool changePlaced_ = false;
};
