#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/memo_popups.h"
#include "support/utf8.h"

#include <algorithm>

// The completion list: which entries it offers for the word at the caret, where it opens, how typing
// filters it, and how the chosen entry replaces the word. The list window never takes the focus: the memo
// keeps it and passes the list its keys (see memo_completion_keys.cpp).

namespace {

// An entry as matching reads it: upper-cased (a to z only), without its kind word.
std::string MatchText(const std::string& entry)
{
    return AsciiUpperCase(WithoutKindWord(entry));
}

// The characters that end the word a chosen entry replaces.
bool EndsReplacedWord(char32_t ch)
{
    return std::u32string_view(U" ()[].,").find(ch) != std::u32string_view::npos;
}

} // namespace

void TVezCustomMemo::ConnectPopupHandlers()
{
    FAutoCompleteTimer->OnTimer = [this](TObject*) { AutoCompleteTimerTimer(); };
    Timer->OnTimer = [this](TObject*) { HintTimerTimer(); };
    FHintForm->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { HintFormMouseUp(); };
    FAutoCompletion->OnLookChange = [this] {
        if (FListCompletion) {
            FListCompletion->SetColor(FAutoCompletion->Color());
            FListCompletion->SetFont(FAutoCompletion->Font());
        }
    };
}

bool TVezCustomMemo::CompletionListShowing() const
{
    return FormAutoCompletion && FormAutoCompletion->Visible();
}

// The list opens by itself only when the character before the caret is a start character: a pause after
// typing "." or "(" (other keys stop the timer before it fires).
void TVezCustomMemo::AutoCompleteTimerTimer()
{
    FAutoCompleteTimer->SetEnabled(false);
    if (!FAutoCompletion->Active() || !FAutoCompletion->AutoDisplay() || FCurX < 1)
        return;
    const std::string before = FullWordAtXY(FCurX - 1, FCurY);
    const TLineText line = LineAt(FCurY);
    if (before.empty() || FCurX > static_cast<int>(line.size()) ||
        !IsCompletionStartKey(line[static_cast<size_t>(FCurX - 1)]))
        return;
    FAutoCompleteDot = true;
    FDotPoint = {FCurX, FCurY};
    ShowAutoCompletion();
}

// Ctrl+Space: the list for the word at the caret; after a start character it filters from there.
void TVezCustomMemo::CompletionShortcut()
{
    const std::string word = ActiveLines()->Count() > 0 ? FullWordAtCursor() : std::string();
    FAutoCompleteDot = ContainsCompletionStart(word);
    if (FAutoCompleteDot)
        FDotPoint = {FCurX - LineLength(TokenAtXY(FCurX, FCurY)), FCurY};
    ShowAutoCompletion();
}

bool TVezCustomMemo::StylerCompletionInUse() const
{
    return ActiveStyler() && FUseStyler && ActiveStyler()->AutoCompletion()->Count() > 0;
}

void TVezCustomMemo::ShowAutoCompletion()
{
    if (!FAutoCompletion->Active() || FReadOnly || !(OnGetAutoCompletionList || StylerCompletionInUse()))
        return;
    const std::string token = AsciiUpperCase(TokenAtCursor());
    bool show = true;
    if (OnBeforeAutoCompletion)
        OnBeforeAutoCompletion(this, token, show);
    if (!show)
        return;
    GatherCompletionEntries(token);
    int index = -1;
    DoGetAutoCompletionList(token, FAutoCompleteList.get());
    DoGetAutoCompletionListIndex(token, FAutoCompleteList.get(), index);
    index = std::max(index, 0);
    if (FAutoCompleteList->Count() == 0)
        return;
    OpenCompletionWindow(CompletionListOrigin());
    if (FAutoCompleteDot && !TokenAtXY(FDotPoint.X, FDotPoint.Y).empty())
        UpdateAutoCompletion(AsciiUpperCase(TokenAtXY(FDotPoint.X, FDotPoint.Y)));
    else
        SelectCompletionItem(index);
}

// The styler's entries that begin with token (all of them for an empty one), in the styler's order.
void TVezCustomMemo::GatherCompletionEntries(const std::string& token)
{
    FAutoCompleteList->Clear();
    if (!ActiveStyler() || !FUseStyler)
        return;
    const TStringList& entries = *ActiveStyler()->AutoCompletion();
    for (int i = 0; i < entries.Count(); ++i)
        if (token.empty() || MatchText(entries.Get(i)).starts_with(token))
            FAutoCompleteList->AddObject(entries.Get(i), entries.GetObject(i));
}

// The screen point of the caret's cell, counted in the popups' way: x past the gutter, the row of the caret
// line among the rows from TopLine on.
TPoint TVezCustomMemo::CaretCellForPopups() const
{
    const TPoint origin = ClientToScreen({0, 0});
    int x = origin.X + FCellSize.W * (FCurX - FLeftCol);
    if (FGutter->Visible())
        x += FGutter->GutterWidth();
    return {x, LineIndexToVisIndex(FCurY) - LineIndexToVisIndex(FTopLine)};
}

// The screen point below the caret where the list's top-left goes.
TPoint TVezCustomMemo::CompletionListOrigin() const
{
    const TPoint caret = CaretCellForPopups();
    const int x = FCodeFolding->Enabled() && FCodeFoldingNodeCount > 0 ? caret.X + 16 : caret.X;
    return {x, ClientToScreen({0, 0}).Y + FCellSize.H * (caret.Y + 1) + 2};
}

void TVezCustomMemo::OpenCompletionWindow(TPoint origin)
{
    if (!FormAutoCompletion)
        CreateAutoCompletionForm();
    TVezAutoform& form = *FormAutoCompletion;
    TAutoCompletionListBox& list = *FListCompletion;
    const TAutoCompletion& settings = *FAutoCompletion;
    form.SetVisible(false);
    form.SetBounds(origin.X, origin.Y, 0, 0);
    list.SetColor(settings.Color());
    list.Items()->Assign(FAutoCompleteList.get());
    list.SetFont(settings.Font());
    list.KindColors = {settings.ColorIdentifier, settings.ColorVar,  settings.ColorProp, settings.ColorEvent,
                       settings.ColorMethod,     settings.ColorFunc, settings.ColorProc};
    list.ShowImages = settings.ShowImages();
    list.SetImageList(FAutoCompletionListImages);
    if (ActiveLines()->Count() == 0)
        AddEmptyLineSilently();
    if (settings.SizeDropDown()) {
        form.SetBorderStyle(bsSizeToolWin);
    } else {
        form.SetBorderStyle(bsNone);
        form.SetColor(clSilver);
    }
    list.SetBorderStyle(bsNone);
    if (OnStartAutoCompletion)
        OnStartAutoCompletion(this);
    const int width = CompletionListWidth();
    const TPoint place = ClampIntoArea(origin, NearestWorkArea(origin), width, settings.Height(), 10);
    form.SetVisible(true);
    form.SetBounds(place.X, place.Y, width, settings.Height());
}

// AutoWidth measures the entries (never wider than a positive MaxWidth); otherwise Width.
int TVezCustomMemo::CompletionListWidth() const
{
    const TAutoCompletion& settings = *FAutoCompletion;
    if (!settings.AutoWidth())
        return settings.Width();
    const int width = FListCompletion->AutoAdaptWidth();
    return settings.MaxWidth() > 0 ? std::min(width, settings.MaxWidth()) : width;
}

void TVezCustomMemo::SelectCompletionItem(int index)
{
    const int count = FListCompletion->Count();
    if (count > 0)
        FListCompletion->SetItemIndex(std::clamp(index, 0, count - 1));
}

void TVezCustomMemo::UpdateAutoCompletion(const std::string& token)
{
    if (!FormAutoCompletion)
        return;
    TAutoCompletionListBox& list = *FListCompletion;
    list.Clear();
    int index = -1;
    DoGetAutoCompletionList(token, FAutoCompleteList.get());
    DoGetAutoCompletionListIndex(token, FAutoCompleteList.get(), index);
    for (int i = 0; i < FAutoCompleteList->Count(); ++i) {
        const std::string entry = FAutoCompleteList->Get(i);
        std::string name = MatchText(entry);
        if (const size_t dot = name.find('.'); dot != std::string::npos)
            name.erase(0, dot + 1);
        const size_t at = name.find(token);
        const bool taken =
            token.empty() || (FAutoCompletion->FromFirstChar() ? at == 0 : at != std::string::npos);
        if (!taken)
            continue;
        list.AddItem(entry, FAutoCompleteList->GetObject(i));
        if (index == -1)
            index = list.Count() - 1;
    }
    SelectCompletionItem(index);
    const int width = CompletionListWidth();
    if (FAutoCompletion->SizeDropDown())
        FormAutoCompletion->SetWidth(width);
}

void TVezCustomMemo::InsertAutoCompletion(bool addParens)
{
    if (!FListCompletion || FListCompletion->ItemIndex() < 0)
        return;
    const std::string item = FListCompletion->Items()->Get(FListCompletion->ItemIndex());
    std::string entry = item;
    DoInsertAutoCompletionEntry(entry);
    bool intoParens = false;
    // An entry the handler changed goes in as it stands; otherwise only its name, with empty parentheses
    // when it takes parameters and they are wanted.
    if (entry == item) {
        entry = WithoutKindWord(entry);
        const std::string name = entry.substr(0, entry.find_first_of("(; :."));
        intoParens = addParens && entry.find('(') != std::string::npos;
        entry = intoParens ? name + "()" : name;
    }
    const auto [start, end] = CompletionReplaceRange();
    if (OnAutoCompletion)
        OnAutoCompletion(this);
    SetSelectionEnds(start, FCurY, end, FCurY);
    SetSelection(entry);
    if (intoParens) {
        SetCurX(FCurX - 1);
        ClearSelection();
        ShowParameterHint();
    }
    HideAutoCompletion();
    UpdateCaret(true);
}

// The columns of the caret line that the chosen entry replaces: the word around the caret, or, after a
// start character, what was typed since it.
std::pair<int, int> TVezCustomMemo::CompletionReplaceRange() const
{
    if (FAutoCompleteDot && !ContainsCompletionStart(TokenAtXY(FDotPoint.X, FDotPoint.Y)))
        return {FDotPoint.X, FCurX};
    const TLineText line = LineAt(FCurY);
    const int length = static_cast<int>(line.size());
    int start = std::min(FCurX, length);
    while (start > 0 && !EndsReplacedWord(line[static_cast<size_t>(start - 1)]))
        --start;
    int end = std::min(FCurX, length);
    while (end < length && !EndsReplacedWord(line[static_cast<size_t>(end)]))
        ++end;
    return {start, std::max(end, FCurX)};
}

// The memo has kept the focus while the list showed (or lost it, which closes the list): it is left where it
// is.
void TVezCustomMemo::HideAutoCompletion()
{
    if (!CompletionListShowing())
        return;
    TVezAutoform* form = std::exchange(FormAutoCompletion, nullptr);
    FListCompletion = nullptr;
    if (FAutoCompletion->KeepLastSize()) {
        FAutoCompletion->SetAutoWidth(false);
        FAutoCompletion->SetWidth(form->Width());
        FAutoCompletion->SetHeight(form->Height());
    }
    form->Hide();
    // The window goes once the message being handled is done (a click in it may be running); its name is
    // free for the next one at once.
    form->SetName("");
    form->Release();
}

void TVezCustomMemo::CreateAutoCompletionForm()
{
    auto* form = new TVezAutoform(this);
    form->SetName("_fa");
    form->SetBorderStyle(bsSizeToolWin);
    form->SetFormStyle(fsStayOnTop);
    form->SetVisible(false);
    form->SetCaption("");
    form->Shadow = !FAutoCompletion->SizeDropDown();
    form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
    auto* list = new TAutoCompletionListBox(form);
    list->SetName("_lc");
    list->SetParent(form);
    list->SetAutoComplete(false);
    if (!FAutoCompletion->SizeDropDown()) {
        list->Margins()->SetBounds(1, 1, 1, 1);
        list->SetAlignWithMargins(true);
    }
    list->SetAlign(alClient);
    list->SetCursor(crArrow);
    list->SetBorderStyle(bsNone);
    list->SetStyle(lbOwnerDrawFixed);
    // A click chooses; the keys come from the memo, which keeps the focus.
    list->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { InsertAutoCompletion(true); };
    FormAutoCompletion = form;
    FListCompletion = list;
}

void TVezCustomMemo::CompletionDeactivate()
{
    if (!CompletionListShowing())
        return;
    if (OnCancelAutoCompletion)
        OnCancelAutoCompletion(this);
    HideAutoCompletion();
}
