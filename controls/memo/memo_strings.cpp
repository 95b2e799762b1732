#include "controls/memo/memo_strings.h"

#include "controls/memo/flag_holder.h"
#include "controls/memo/line_text.h"
#include "controls/memo/vez_custom_memo.h"
#include "platform/gui/core/exceptions.h"

#include <algorithm>
#include <typeinfo>
#include <unordered_set>
#include <utility>

namespace {

// The lines of a text: CR LF, a lone CR and a lone LF each end one; a text ending in a break ends with an
// empty line, and an empty text is one empty line.
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at = text.find_first_of("\r\n"); at != std::string::npos;
         at = text.find_first_of("\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + (text.compare(at, 2, "\r\n") == 0 ? 2 : 1);
    }
    lines.push_back(text.substr(start));
    return lines;
}

} // namespace

TVezMemoStrings::TVezMemoStrings() = default;

TVezMemoStrings::~TVezMemoStrings()
{
    OnChange = nullptr;
    memo_ = nullptr;
    FreeLineProps();
}

std::string TVezMemoStrings::Normalised(const std::string& s) const
{
    return memo_ ? ExpandTabs(s, memo_->TabSize()) : s;
}

void TVezMemoStrings::CheckInsertIndex(int index) const
{
    if (index < 0 || index > Count())
        ThrowListIndexError(index);
}

// --- rows changed since the last wrap ----------------------------------------------------------------------

void TVezMemoStrings::NoteRowChanged(int index)
{
    if (!trackChanges_)
        return;
    changed_.First = std::min(changed_.First, index);
    changed_.Last = std::max(changed_.Last, index);
}

void TVezMemoStrings::NoteRepaint(int first, int last)
{
    repaint_.First = std::min(repaint_.First, first);
    repaint_.Last = std::max(repaint_.Last, last);
    changePlaced_ = true;
}

void TVezMemoStrings::Changing()
{
    if (!changePlaced_)
        repaintAll_ = true;
    changePlaced_ = false;
    TStringList::Changing();
}

std::optional<TVezMemoStrings::TChangedRows> TVezMemoStrings::TakeRepaintRows()
{
    const bool all = std::exchange(repaintAll_, false);
    const TChangedRows rows = std::exchange(repaint_, {});
    changePlaced_ = false;
    if (all)
        return std::nullopt;
    return rows;
}

void TVezMemoStrings::NoteChanged(int index)
{
    // The lines after a changed one may start in another state (a comment or string opened or closed).
    if (memo_)
        memo_->LineStatesStale(index + 1, index + 1);
    NoteRowChanged(index);
    NoteRepaint(index, index);
}

void TVezMemoStrings::NoteInserted(int index)
{
    if (memo_) {
        memo_->LineStatesMoved(index, 1);
        memo_->LineStatesStale(index, index + 1);
    }
    NoteRepaint(index, INT_MAX); // the lines below move down a row
    if (!trackChanges_)
        return;
    if (!changed_.Empty()) {
        if (changed_.First >= index)
            ++changed_.First;
        if (changed_.Last >= index)
            ++changed_.Last;
    }
    NoteRowChanged(index);
}

void TVezMemoStrings::NoteDeleted(int index)
{
    if (memo_) {
        memo_->LineStatesMoved(index + 1, -1);
        memo_->LineStatesStale(index, index);
    }
    NoteRepaint(index, INT_MAX); // the lines below move up a row
    if (!trackChanges_)
        return;
    if (!changed_.Empty()) {
        if (changed_.First > index)
            --changed_.First;
        if (changed_.Last >= index)
            --changed_.Last;
    }
    // The rows on both sides of the gap belong to the paragraph that lost a row.
    NoteRowChanged(std::max(index - 1, 0));
    NoteRowChanged(index);
}

TVezMemoStrings::TChangedRows TVezMemoStrings::TakeChangedRows()
{
    TChangedRows rows = changed_;
    changed_ = {};
    return rows;
}

// --- adding
// -------------------------------------------------------------------------------------------------

int TVezMemoStrings::Add(const std::string& s)
{
    if (!memo_)
        return AddObject(s, nullptr);
    int index = 0;
    for (const std::string& line : SplitLines(Normalised(s)))
        index = AddObject(line, nullptr);
    return index;
}

int TVezMemoStrings::AddObject(const std::string& s, TObject* object)
{
    const int index = Count();
    TObject* slot = nullptr;
    if (!noObjCreate_) {
        auto* prop = new TLineProp;
        prop->FObject = object;
        AddLineProp(prop);
        slot = prop;
    }
    listLengths_.Add(LineLength(s));
    NoteInserted(index);
    TStringList::InsertObject(index, s, slot);
    return index;
}

void TVezMemoStrings::AddStrings(const TStrings& strings)
{
    if (!memo_)
        return;
    BeginUpdate();
    try {
        for (int i = 0; i < strings.Count(); ++i)
            AddObject(Normalised(strings.Get(i)), strings.GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    if (lockCount_ == 0) {
        memo_->LinesChanged(this);
        memo_->Repaint();
    }
}

void TVezMemoStrings::SetText(const std::string& text)
{
    TStringList::SetText(text);
    if (memo_ && lockCount_ == 0)
        memo_->LinesChanged(this);
}

void TVezMemoStrings::Insert(int index, const std::string& s)
{
    CheckInsertIndex(index);
    if (!memo_) {
        for (const std::string& line : SplitLines(s))
            DoInsert(index++, line);
        return;
    }
    memo_->ClearSelection();
    {
        // The lines go in one after the other; the memo refreshes (and wraps) once they are all in.
        TFlagHolder<bool> noRefresh(memo_->FLetRefresh, false);
        for (const std::string& line : SplitLines(s))
            DoInsert(index++, line);
    }
    memo_->LinesChanged(this);
    memo_->SetCurX(memo_->CurX());
    memo_->SetCurY(memo_->CurY());
    memo_->Invalidate();
}

void TVezMemoStrings::DoInsert(int index, const std::string& s)
{
    CheckInsertIndex(index);
    const std::string text = Normalised(s);
    if (memo_) {
        if (index < memo_->TopLine())
            memo_->FbackupTopLine = -1;
        TIntList& bookmarks = *memo_->FBookmarkList;
        for (int i = 0; i < bookmarks.Count(); ++i)
            if (bookmarks.GetInteger(i) >= index)
                bookmarks.SetInteger(i, bookmarks.GetInteger(i) + 1);
    }
    InsertObject(index, text, nullptr);
}

void TVezMemoStrings::InsertObject(int index, const std::string& s, TObject* object)
{
    CheckInsertIndex(index);
    listLengths_.Insert(index, LineLength(s));
    NoteInserted(index);
    TStringList::InsertObject(index, s, object);
}

// --- changing and removing
// ----------------------------------------------------------------------------------

void TVezMemoStrings::Put(int index, const std::string& s)
{
    // The index is checked before anything changes, so that a bad one leaves the lengths as they were.
    if (index < 0 || index >= Count())
        ThrowListIndexError(index);
    const std::string text = Normalised(s);
    listLengths_.SetInteger(index, LineLength(text));
    NoteChanged(index);
    TStringList::Put(index, text);
    if (memo_ && index < memo_->TopLine())
        memo_->FbackupTopLine = -1;
}

void TVezMemoStrings::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    if (deleting_ || !memo_) {
        RemoveRaw(index);
        return;
    }
    if (index < memo_->TopLine())
        memo_->FbackupTopLine = -1;
    TFlagHolder<bool> deleting(deleting_, true);
    int cx = memo_->CurX();
    int cy = memo_->CurY();
    if (index < cy)
        --cy;
    if (Count() == 1)
        cx = 0;
    memo_->SetCurY(index);
    memo_->DeleteLine();
    memo_->FCurX = cx;
    memo_->FCurY = cy;
}

void TVezMemoStrings::RemoveRaw(int index)
{
    listLengths_.Delete(index);
    NoteDeleted(index);
    TStringList::Delete(index);
}

void TVezMemoStrings::Exchange(int index1, int index2)
{
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    const int32_t length1 = listLengths_.GetInteger(index1);
    listLengths_.SetInteger(index1, listLengths_.GetInteger(index2));
    listLengths_.SetInteger(index2, length1);
    NoteChanged(index1);
    NoteChanged(index2);
    TStringList::Exchange(index1, index2);
}

void TVezMemoStrings::Move(int curIndex, int newIndex)
{
    CheckIndex(curIndex, Count());
    CheckIndex(newIndex, Count());
    if (curIndex == newIndex)
        return;
    const int32_t length = listLengths_.GetInteger(curIndex);
    listLengths_.Delete(curIndex);
    listLengths_.Insert(newIndex, length);
    NoteChanged(std::min(curIndex, newIndex));
    NoteChanged(std::max(curIndex, newIndex));
    TStringList::Move(curIndex, newIndex);
}

TObject* TVezMemoStrings::GetObject(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    TObject* object = TStringList::GetObject(index);
    if (auto* prop = dynamic_cast<TLineProp*>(object))
        return prop->FObject;
    return object;
}

void TVezMemoStrings::PutObject(int index, TObject* object)
{
    if (index < 0 || index >= Count())
        return;
    if (auto* prop = dynamic_cast<TLineProp*>(TStringList::GetObject(index)))
        prop->FObject = object;
    else
        TStringList::PutObject(index, object);
}

void TVezMemoStrings::Clear()
{
    if (memo_) {
        memo_->FSelStartX = memo_->FSelStartY = memo_->FSelEndX = memo_->FSelEndY = 0;
        memo_->SetCurY(0);
        memo_->SetCurX(0);
        memo_->Invalidate();
    }
    FreeLineProps();
    listLengths_.Clear();
    changed_ = {};
    if (memo_) {
        memo_->LineStatesStale(0, 0);
        memo_->FCodeFoldingNodeCount = 0;
        // Undo records name places in the text that is going.
        memo_->ClearUndoList();
    }
    TStringList::Clear();
}

std::vector<std::unique_ptr<TLineProp>> TVezMemoStrings::ClearStrings()
{
    if (memo_)
        memo_->LineStatesStale(0, 0);
    std::vector<std::unique_ptr<TLineProp>> props;
    for (int i = 0; i < linesProp_.Count(); ++i)
        props.emplace_back(static_cast<TLineProp*>(linesProp_.Get(i)));
    linesProp_.Clear();
    listLengths_.Clear();
    changed_ = {};
    TStringList::Clear();
    return props;
}

void TVezMemoStrings::Assign(const TPersistent* source)
{
    const auto* strings = dynamic_cast<const TStrings*>(source);
    if (!strings || strings == this) {
        TStringList::Assign(source);
        return;
    }
    if (!memo_) {
        TStringList::Assign(source); // its AddStrings adds nothing without a memo
        for (int i = 0; i < strings->Count(); ++i)
            AddObject(strings->Get(i), strings->GetObject(i));
        return;
    }
    // Folding is off while the lines come in, and as it was afterwards, also when a step fails.
    TCodeFolding& folding = *memo_->CodeFolding();
    struct TFoldingRestore
    {
        TCodeFolding& folding;
        bool enabled;
        ~TFoldingRestore() { folding.SetEnabled(enabled); }
    } restore{folding, folding.Enabled()};
    folding.SetEnabled(false);
    memo_->Clear();
    memo_->FbackupTopLine = -1;
    memo_->SetLines(strings);
    memo_->UpdateMaxLength();
    memo_->UpdateScrollBars(false);
}

int TVezMemoStrings::RealCount() const
{
    return Count() == 0 || (Count() == 1 && Get(0).empty()) ? 0 : Count();
}

void TVezMemoStrings::SetUpdateState(bool updating)
{
    // Unlike the base list, closing an update sends no notification: the callers refresh themselves.
    if (updating)
        ++lockCount_;
    else if (lockCount_ > 0)
        --lockCount_;
}

// --- line properties
// ----------------------------------------------------------------------------------------

TLineProp* TVezMemoStrings::GetLineProp(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    // Asked for every row by the scans of word wrap and offsets: the exact type is checked, which costs less
    // than a cast through the hierarchy (nothing derives from TLineProp).
    TObject* object = TStringList::GetObject(index);
    return object && typeid(*object) == typeid(TLineProp) ? static_cast<TLineProp*>(object) : nullptr;
}

TLineProp* TVezMemoStrings::CreateLineProp(int index)
{
    auto* prop = new TLineProp;
    prop->FObject = TStringList::GetObject(index);
    if (memo_ && memo_->CodeFolding()->Enabled() && index > 0) {
        if (const TLineProp* previous = GetLineProp(index - 1)) {
            if ((previous->HasParent() && !previous->LastChild()) ||
                (previous->HasChildren() && previous->Expanded()))
                prop->SetHasParent(true);
        }
        if (!prop->HasParent())
            if (const TLineProp* next = GetLineProp(index + 1); next && next->HasParent())
                prop->SetHasParent(true);
    }
    TStringList::PutObject(index, prop);
    AddLineProp(prop);
    return prop;
}

TLineProp* TVezMemoStrings::LineProp(int index)
{
    TLineProp* prop = GetLineProp(index);
    return prop ? prop : CreateLineProp(index);
}

void TVezMemoStrings::SetLineProp(int index, TObject* object)
{
    if (index >= 0 && index < Count()) {
        TStringList::PutObject(index, object);
        rowOffsets_.ChangedFrom(index);
    }
}

void TVezMemoStrings::PutLineObject(int index, TObject* object)
{
    TStringList::PutObject(index, object);
    rowOffsets_.ChangedFrom(index);
}

void TVezMemoStrings::AddLineProp(TLineProp* item)
{
    linesProp_.Add(item);
}

void TVezMemoStrings::FreeLineProps()
{
    for (int i = 0; i < linesProp_.Count(); ++i)
        delete static_cast<TLineProp*>(linesProp_.Get(i));
    linesProp_.Clear();
    BeginUpdate();
    for (int i = 0; i < Count(); ++i)
        TStringList::PutObject(i, nullptr);
    EndUpdate();
}

void TVezMemoStrings::ForgetLineProps(const std::vector<TLineProp*>& props)
{
    if (props.empty())
        return;
    const std::unordered_set<void*> gone(props.begin(), props.end());
    TList kept;
    for (int i = 0; i < linesProp_.Count(); ++i)
        if (!gone.count(linesProp_.Get(i)))
            kept.Add(linesProp_.Get(i));
    linesProp_.Assign(kept);
    for (TLineProp* prop : props)
        delete prop;
}

void TVezMemoStrings::AssignWithoutProps(const TStrings& list)
{
    if (!memo_) {
        Assign(&list);
        return;
    }
    TFlagHolder<bool> noObjects(noObjCreate_, true);
    memo_->FbackupTopLine = -1;
    ClearStrings();
    AddStrings(list);
    memo_->UpdateMaxLength();
}

void TVezMemoStrings::ReplaceRows(int first, int count, std::vector<TRow>& rows)
{
    rowOffsets_.ChangedFrom(first); // the rows' continuation marks may change with their texts
    TFlagHolder<bool> untracked(trackChanges_, false);
    if (memo_) {
        const int added = static_cast<int>(rows.size());
        memo_->LineStatesMoved(first + count, added - count);
        memo_->LineStatesStale(first, first + added);
    }
    BeginUpdate();
    const int common = std::min(count, static_cast<int>(rows.size()));
    if (first == 0 && count == Count()) {
        // The whole text at once, without moving the rows after each change.
        TStringList::Clear();
        listLengths_.Clear();
        for (TRow& row : rows) {
            listLengths_.Add(LineLength(row.Text));
            TStringList::InsertObject(Count(), row.Text, row.Prop);
        }
    } else {
        for (int i = 0; i < common; ++i) {
            TRow& row = rows[static_cast<size_t>(i)];
            if (TStringList::Get(first + i) != row.Text) {
                listLengths_.SetInteger(first + i, LineLength(row.Text));
                TStringList::Put(first + i, row.Text);
            }
            TStringList::PutObject(first + i, row.Prop);
        }
        for (int i = common; i < static_cast<int>(rows.size()); ++i) {
            listLengths_.Insert(first + i, LineLength(rows[static_cast<size_t>(i)].Text));
            TStringList::InsertObject(first + i, rows[static_cast<size_t>(i)].Text,
                                      rows[static_cast<size_t>(i)].Prop);
        }
        for (int i = common; i < count; ++i) {
            listLengths_.Delete(first + common);
            TStringList::Delete(first + common);
        }
    }
    EndUpdate();
}

void TVezMemoStrings::RebuildListLengths()
{
    listLengths_.Clear();
    for (int i = 0; i < Count(); ++i)
        listLengths_.Add(LineLength(Get(i)));
}
