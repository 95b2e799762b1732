#include "controls/memo/memo_source.h"

#include "controls/memo/vez_custom_memo.h"

namespace {

constexpr int BookmarkCount = 10;

} // namespace

TVezMemoSource::TVezMemoSource(TComponent* owner)
    : TComponent(owner), FLines(std::make_unique<TVezMemoStrings>()),
      FUndoList(std::make_unique<TVezUndoList>()), FBookmarkList(std::make_unique<TIntList>())
{}

TVezMemoSource::~TVezMemoSource()
{
    // The memo goes back to its own document while both are whole.
    if (FMemo && FMemo->MemoSource() == this)
        FMemo->SetMemoSource(nullptr);
    AttachMemo(nullptr);
}

void TVezMemoSource::SetSyntaxStyler(TVezCustomMemoStyler* value)
{
    if (value == FSyntaxStyler)
        return;
    if (FSyntaxStyler)
        FSyntaxStyler->RemoveFreeNotification(this);
    FSyntaxStyler = value;
    if (value)
        value->FreeNotification(this);
}

void TVezMemoSource::SetLines(const TStrings* value)
{
    FLines->Clear();
    if (value)
        FLines->AddStrings(*value);
}

bool TVezMemoSource::ReadOnly() const
{
    return FMemo ? FMemo->ReadOnly() : FReadOnly;
}

void TVezMemoSource::SetReadOnly(bool value)
{
    if (FMemo)
        FMemo->SetReadOnly(value);
    else
        FReadOnly = value;
}

bool TVezMemoSource::Modified() const
{
    return FMemo ? FMemo->Modified() : FUndoList->Count() > 0;
}

void TVezMemoSource::SetModified(bool value)
{
    if (FMemo)
        FMemo->SetModified(value);
    else if (!value)
        FUndoList->Clear(); // a saved document has nothing to undo, as a memo's Modified works out
}

void TVezMemoSource::SetUndoList(TVezUndoList* value)
{
    if (value)
        FUndoList->MoveFrom(*value);
    else
        FUndoList->Clear();
}

void TVezMemoSource::AttachMemo(TVezCustomMemo* memo)
{
    if (memo == FMemo)
        return;
    if (FMemo)
        Detach();
    FMemo = memo;
    if (memo)
        Attach(*memo);
}

// The memo's state goes into the source, and the source's parts lose their links to the memo.
void TVezMemoSource::Detach()
{
    TVezCustomMemo& memo = *FMemo;
    FReadOnly = memo.ReadOnly();
    memo.GetSavePos(FCaretInfo);
    FBookmarkList->Clear();
    const TIntList& bookmarks = *memo.BookmarkList();
    if (bookmarks.Count() == BookmarkCount)
        for (int i = 0; i < BookmarkCount; ++i)
            FBookmarkList->Add(bookmarks.GetInteger(i));
    memo.RemoveFreeNotification(this);
    DropMemoLinks();
    memo.Invalidate();
}

void TVezMemoSource::DropMemoLinks()
{
    if (FSyntaxStyler && FMemo)
        FMemo->LinkStylerStyles(FSyntaxStyler, false);
    FLines->SetMemo(nullptr);
    FLines->OnChange = nullptr;
    FUndoList->SetMemo(nullptr);
    FMemo = nullptr;
}

void TVezMemoSource::Attach(TVezCustomMemo& memo)
{
    if (FSyntaxStyler)
        memo.LinkStylerStyles(FSyntaxStyler, true);
    FLines->SetMemo(&memo);
    FLines->OnChange = [&memo](TObject* sender) { memo.LinesChanged(sender); };
    memo.SetSavePos(FCaretInfo);
    if (FBookmarkList->Count() == BookmarkCount) {
        TIntList& bookmarks = *memo.BookmarkList();
        for (int i = 0; i < BookmarkCount && i < bookmarks.Count(); ++i)
            bookmarks.SetInteger(i, FBookmarkList->GetInteger(i));
    }
    FUndoList->SetMemo(&memo);
    memo.SetReadOnly(FReadOnly);
    memo.FreeNotification(this);
    memo.Invalidate();
}

void TVezMemoSource::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component && component == FSyntaxStyler) {
        FSyntaxStyler = nullptr;
        TComponent::Notification(component, operation);
        if (FMemo)
            FMemo->Invalidate();
        return;
    }
    // A memo being destroyed has detached itself; one that could not is only let go.
    if (operation == opRemove && component && component == FMemo)
        DropMemoLinks();
    TComponent::Notification(component, operation);
}
