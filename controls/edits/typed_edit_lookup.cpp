// The typed edit's lookup list: while the user types, the matching entries show in a pop-up under the
// edit, and a chosen one (or the value that goes with it) becomes the edit's value. With History the values
// the edit is left with join the entries.

#include "controls/edits/typed_edit.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"
#include "support/text_routines.h"
#include "support/utf8.h"

#include <algorithm>

namespace {

constexpr int MinimumWidth = 50;

TObject* EntryNumber(int index)
{
    return reinterpret_cast<TObject*>(static_cast<intptr_t>(index));
}

int EntryNumberOf(const TObject* object)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(object));
}

} // namespace

void TVezEdit::CreateLookupWindow()
{
    lookupList_ = new TListHintWindow(this);
    lookupListBox_ = new TListBoxTab(lookupList_);
    lookupListBox_->SetParent(lookupList_);
    lookupListBox_->SetAlign(alClient);
    lookupListBox_->SetStyle(lbOwnerDrawFixed);
    lookupListBox_->SetItemHeight(12);
    lookupListBox_->SetCtl3D(false);
    lookupListBox_->SetBorderStyle(bsNone);
    lookupListBox_->SetTabStop(true);
    lookupListBox_->SetTabOrder(0);
    lookupListBox_->OnKeyPress = [this](TObject*, char32_t& key) { LookupListKey(key); };
    lookupListBox_->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { AcceptLookup(); };
    lookupList_->SetListControl(lookupListBox_);
}

bool TVezEdit::LookupVisible() const
{
    return lookupList_ && lookupList_->IsShown();
}

void TVezEdit::HideLookup()
{
    if (lookupList_ && lookupList_->HandleAllocated())
        ShowWindow(lookupList_->Handle(), SW_HIDE);
}

void TVezEdit::FocusAndHideLookup()
{
    if (CanFocus() && !Focused())
        SetFocus();
    HideLookup();
}

void TVezEdit::MoveLookupSelection(int index)
{
    if (index >= 0 && index < lookupListBox_->Count())
        lookupListBox_->SetItemIndex(index);
}

void TVezEdit::LookupListKey(char32_t& key)
{
    if (key == U'\r' || (key == U'\t' && lookup_->AcceptOnTab())) {
        key = 0;
        AcceptLookup();
    } else if (key == 27) {
        key = 0;
        FocusAndHideLookup();
    }
}

void TVezEdit::DoLookupNeedData(const std::string& value, TStrings* list, int& itemIndex)
{
    if (OnLookupNeedData)
        OnLookupNeedData(this, value, list, itemIndex);
}

// The entries that match what is typed (the last part of a multi value), shown under where it starts.
void TVezEdit::UpdateLookup()
{
    if (!lookup_->Enabled())
        return;
    std::string search = Text();
    int before = 0;
    if (lookup_->Multi()) {
        const std::u32string value = Utf8ToUtf32(search);
        const size_t last = value.rfind(lookup_->Separator());
        if (last != std::u32string::npos) {
            before = static_cast<int>(last) + 1;
            search = Utf32ToUtf8(value.substr(last + 1));
        }
    }
    if (static_cast<int>(Utf8Length(search)) < lookup_->NumChars() || !lookupList_ || !HandleAllocated()) {
        HideLookup();
        return;
    }
    TListBoxTab* list = lookupListBox_;
    list->SetColor(lookup_->Color());
    list->SetFont(lookup_->Font());
    list->SetCtl3D(false);
    list->SetHandleTab(lookup_->AcceptOnTab());
    lookupList_->SetColor(clWindow);

    list->SetSorted(false);
    list->Clear();
    const bool caseSensitive = lookup_->CaseSensitive();
    const auto [open, close] = ValueBrackets(lookup_->ValueSeparator());
    TStringList* entries = lookup_->DisplayList();
    TStringList* values = lookup_->ValueList();
    for (int i = 0; i < entries->Count(); ++i) {
        const std::string entry = entries->Strings(i);
        const bool hasValue = i < values->Count();
        const size_t p = PosText(search, entry, caseSensitive);
        const size_t q =
            lookup_->SearchValue() && hasValue ? PosText(search, values->Strings(i), caseSensitive) : 0;
        const bool matches = fullTextSearch_ ? (p > 0 || q > 0) : (p == 1 || q == 1);
        if (!matches)
            continue;
        std::string row = entry;
        if (lookup_->ShowValue() && hasValue && !values->Strings(i).empty())
            row += " " + open + values->Strings(i) + close;
        list->AddItem(row, EntryNumber(i));
    }
    int chosen = 0;
    DoLookupNeedData(search, list->Items(), chosen);
    // The chosen row stays chosen through the sort.
    const bool hasChoice = chosen >= 0 && chosen < list->Count();
    const std::string chosenText = hasChoice ? list->Items()->Strings(chosen) : std::string();
    const TObject* chosenNumber = hasChoice ? list->Items()->Objects(chosen) : nullptr;
    list->SetSorted(true);
    for (int i = 0; hasChoice && i < list->Count(); ++i)
        if (list->Items()->Strings(i) == chosenText && list->Items()->Objects(i) == chosenNumber) {
            chosen = i;
            break;
        }

    TBitmap scratch(1, 1);
    scratch.Canvas()->SetFont(lookup_->Font());
    list->SetItemHeight(scratch.Canvas()->TextHeight("gh") + lookup_->Spacing());
    if (hasChoice)
        list->SetItemIndex(chosen);
    const int rows = list->Count();
    if (rows == 0) {
        HideLookup();
        return;
    }
    const int height = list->ItemHeight() * std::min(rows, lookup_->DisplayCount()) + 4;
    int widest = MinimumWidth;
    for (int i = 0; i < rows; ++i)
        widest = std::max(widest, scratch.Canvas()->TextWidth(list->Items()->Strings(i)));
    const int width = widest + 8 + (rows > lookup_->DisplayCount() ? GetSystemMetrics(SM_CXVSCROLL) : 0);

    const TPoint origin = ClientOrigin();
    const int x = std::min(PosFromChar(PrefixLength() + before).X, Width());
    lookupList_->SetOwnerWindow(Handle());
    lookupList_->SetBounds(origin.X + x + 8, origin.Y + Height() - 4, width, height);
    lookupList_->HandleNeeded();
    ShowWindow(lookupList_->Handle(), SW_SHOWNOACTIVATE);
    SetWindowPos(lookupList_->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

// The selected row, or the value that goes with it, becomes the value (or the last part of a multi value).
void TVezEdit::AcceptLookup()
{
    const int row = lookupListBox_->ItemIndex();
    if (row < 0)
        return;
    const std::string text = lookupListBox_->Items()->Strings(row);
    const int index = EntryNumberOf(lookupListBox_->Items()->Objects(row));
    FocusAndHideLookup();
    TStringList* values = lookup_->ValueList();
    std::string result = values->Count() == 0                    ? text
                         : index >= 0 && index < values->Count() ? values->Strings(index)
                                                                 : text;
    if (OnLookupSelect)
        OnLookupSelect(this, result);
    if (OnLookupIndexSelect)
        OnLookupIndexSelect(this, index, result);
    if (lookup_->Multi()) {
        const std::u32string value = Utf8ToUtf32(Text());
        const size_t last = value.rfind(lookup_->Separator());
        const std::u32string kept = last == std::u32string::npos ? U"" : value.substr(0, last + 1);
        SetText(Utf32ToUtf8(kept) + result + Utf32ToUtf8(std::u32string(1, lookup_->Separator())));
        const int end = PrefixLength() + static_cast<int>(Utf8Length(Text()));
        Perform(EM_SETSEL, static_cast<WPARAM>(end), end);
    } else {
        SetText(result);
        SelectAll();
    }
}

// The value the edit is left with joins the entries, once.
void TVezEdit::AddToHistory()
{
    if (!lookup_->Enabled() || !lookup_->History())
        return;
    const std::string value = Trim(Text());
    if (value.empty())
        return;
    TStringList* entries = lookup_->DisplayList();
    for (int i = 0; i < entries->Count(); ++i)
        if (entries->Strings(i) == value)
            return;
    entries->Add(value);
}
