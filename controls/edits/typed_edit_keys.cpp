// The typed edit's keys besides typed characters (the caret kept out of the affixes, Delete, the lookup
// list's keys), Enter and Escape, the undo to the value the edit had on receiving the focus, clicks on the
// selection, and copy, cut and paste with their events and the type's rules.

#include "controls/edits/typed_number_text.h"
#include "controls/edits/typed_edit.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/services/clipboard.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"
#include "support/format_settings.h"
#include "support/text_routines.h"
#include "support/utf8.h"

#include <algorithm>

namespace {

bool ControlHeld()
{
    return GetKeyState(VK_CONTROL) < 0;
}

bool AllCharsIn(const std::string& text, const std::function<bool(char32_t)>& allowed)
{
    const std::u32string chars = Utf8ToUtf32(text);
    return std::all_of(chars.begin(), chars.end(), allowed);
}

bool IsAsciiAlphaNumeric(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

} // namespace

// --- key down ----------------------------------------------------------------------------------------------

void TVezEdit::KeyDownMessage(TMessage& message)
{
    TKeyView view(message);
    uint16_t key = view.Key();
    const TShiftState shift = view.Shift();
    gotReturn_ = false;
    if (!editorEnabled_)
        return;
    if (lookupList_ && !LookupVisible() && (key == VK_UP || key == VK_DOWN)) {
        KeyDown(key, shift);
        return;
    }
    if (key == VK_RETURN) {
        gotReturn_ = true;
        if (returnIsTab_ && !shift.Contains(ssCtrl)) {
            key = VK_TAB;
            view.SetKey(key);
            PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
        }
    }
    if (gotReturn_ && LookupVisible()) {
        AcceptLookup();
        return;
    }
    if ((key == VK_TAB || key == VK_RETURN) && shift.Contains(ssCtrl)) {
        TCustomEdit::Dispatch(message);
        return;
    }
    if (LookupVisible() && LookupKey(key))
        return;
    if (AffixKey(key, shift))
        return;
    KeyDownDefault(message, key);
}

// Home, End, Page Up and Page Down move the visible lookup list's selection.
bool TVezEdit::LookupKey(uint16_t key)
{
    TListBoxTab* list = lookupListBox_;
    const int step = lookup_->DisplayCount();
    const int last = list->Count() - 1;
    switch (key) {
    case VK_HOME:
        MoveLookupSelection(0);
        return true;
    case VK_END:
        MoveLookupSelection(last);
        return true;
    case VK_NEXT:
        MoveLookupSelection(std::min(list->ItemIndex() + step, last));
        return true;
    case VK_PRIOR:
        MoveLookupSelection(list->ItemIndex() > step ? list->ItemIndex() - step : 0);
        return true;
    default:
        return false;
    }
}

// The caret never enters the prefix or the suffix.
bool TVezEdit::AffixKey(uint16_t key, TShiftState shift)
{
    const int p = PrefixLength();
    const int end = p + static_cast<int>(Utf8Length(Text()));
    const int selectionEnd = SelStart() + SelLength();
    uint16_t swallowed = key;
    switch (key) {
    case VK_RIGHT:
        return !suffix_.empty() && selectionEnd >= end;
    case VK_DELETE:
        if (suffix_.empty())
            return false;
        if (SelLength() == 0 && SelStart() >= end) {
            KeyDown(swallowed, shift);
            return true;
        }
        SetModified(true);
        return false;
    case VK_LEFT:
        return !prefix_.empty() && selectionEnd <= p;
    case VK_END:
        if (suffix_.empty())
            return false;
        if (shift.Contains(ssShift))
            Perform(EM_SETSEL, static_cast<WPARAM>(SelStart()), end);
        else
            Perform(EM_SETSEL, static_cast<WPARAM>(end), end);
        return true;
    case VK_HOME:
        if (prefix_.empty())
            return false;
        if (shift.Contains(ssShift))
            Perform(EM_SETSEL, static_cast<WPARAM>(end), p);
        else
            Perform(EM_SETSEL, static_cast<WPARAM>(p), p);
        return true;
    default:
        return false;
    }
}

void TVezEdit::KeyDownDefault(TMessage& message, uint16_t key)
{
    const int p = PrefixLength();
    const int caret = SelStart();
    if (key == VK_BACK && !prefix_.empty()) {
        if (caret <= p + 1) {
            uint16_t swallowed = key;
            KeyDown(swallowed, {});
            return;
        }
        SetModified(true);
    } else if (key == VK_DELETE && caret >= p) {
        std::u32string after = Utf8ToUtf32(WindowText());
        const size_t length = SelLength() > 0 ? static_cast<size_t>(SelLength()) : 1;
        if (static_cast<size_t>(caret) < after.size())
            after.erase(static_cast<size_t>(caret), length);
        const std::string value = Utf32ToUtf8(after.substr(std::min(after.size(), static_cast<size_t>(p))));
        if (lengthLimit_ > 0 && IntPartLength(value) - 1 > lengthLimit_) {
            uint16_t swallowed = key;
            KeyDown(swallowed, TKeyView(message).Shift());
            return;
        }
        SetModified(true);
    } else if ((key == VK_UP || key == VK_DOWN) && LookupVisible()) {
        MoveLookupSelection(std::clamp(lookupListBox_->ItemIndex() + (key == VK_DOWN ? 1 : -1), 0,
                                       lookupListBox_->Count() - 1));
        return;
    }
    TCustomEdit::Dispatch(message);
    if (key == VK_DELETE && editType_ == etMoney)
        ApplyThousandSeparators();
    if (SelStart() < p)
        SetSelStart(p);
}

// --- Enter, Escape and the undo ----------------------------------------------------------------------------

void TVezEdit::PostKeyToParent(uint32_t msg, uint16_t key)
{
    if (Parent() && Parent()->HandleAllocated())
        PostMessage(Parent()->Handle(), msg, key, 0);
}

// Enter and Escape as characters, Ctrl+A and the clipboard's control characters; false for others.
bool TVezEdit::EnterOrEscapeChar(TMessage& message, char32_t k)
{
    const TCustomForm* form = GetParentForm(this);
    const bool previews = form && form->KeyPreview();
    switch (k) {
    case U'\r': {
        char32_t typed = k;
        KeyPress(typed);
        if (!defaultHandling_ && !returnIsTab_ && Parent()) {
            PostKeyToParent(WM_KEYDOWN, VK_RETURN);
            if (previews) {
                message.WParam = 0;
                TCustomEdit::Dispatch(message);
            } else {
                PostKeyToParent(WM_KEYUP, VK_RETURN);
            }
        }
        return true;
    }
    case 27:
        if (!defaultHandling_ && Parent()) {
            if (previews) {
                TCustomEdit::Dispatch(message);
                return true;
            }
            PostKeyToParent(WM_KEYDOWN, VK_ESCAPE);
            PostKeyToParent(WM_KEYUP, VK_ESCAPE);
        }
        TCustomEdit::Dispatch(message);
        return true;
    case 1:
        SelectAll();
        return true;
    case 3:
    case 22:
    case 24:
        if (!ControlHeld())
            return false;
        TCustomEdit::Dispatch(message);
        return true;
    default:
        return false;
    }
}

// The form asks whether the edit wants a dialog key: Escape first undoes to the value the edit had on
// receiving the focus (or only hides a visible lookup list), then the form has it as well.
void TVezEdit::WantSpecialKey(TMessage& message)
{
    TCustomForm* form = GetParentForm(this);
    if (!form)
        return;
    if (blockDefaultHandling_) {
        blockDefaultHandling_ = false;
        return;
    }
    if (TKeyView(message).Key() == VK_ESCAPE && canUndo_ && !form->KeyPreview() && lookupList_) {
        if (LookupVisible()) {
            HideLookup();
            blockDefaultHandling_ = true;
        } else {
            SetText(oldString_);
            SelectAll();
        }
        if (focusFontColor_ != clNone)
            Font()->SetColor(focusFontColor_);
        SetModified(false);
        message.WParam = 0;
        if (defaultHandling_) {
            PostKeyToParent(WM_KEYDOWN, VK_ESCAPE);
            PostKeyToParent(WM_KEYUP, VK_ESCAPE);
        }
    }
    TCustomEdit::Dispatch(message);
}

void TVezEdit::SetCanUndo(bool value)
{
    canUndo_ = value && editType_ != etPassword;
    RecreateWnd();
    NudgeWidth(1, -1);
}

// --- the mouse ---------------------------------------------------------------------------------------------

void TVezEdit::MouseDownMessage(TMessage& message)
{
    const int index = CharFromPos(TMouseView(message).Pos);
    const int start = SelStart();
    if (Focused() && SelLength() > 0 && index >= start && index <= start + SelLength()) {
        buttonDown_ = true; // the selection stays, to be dragged
        return;
    }
    TCustomEdit::Dispatch(message);
}

void TVezEdit::MouseMoveMessage(TMessage& message)
{
    TCustomEdit::Dispatch(message);
    if (SelLength() > 0 && buttonDown_ && oleDropSource_) {
        StartDrag();
        buttonDown_ = false;
    }
}

void TVezEdit::MouseUpMessage(TMessage& message)
{
    if (buttonDown_) {
        // A click into the selection without a drag: the caret goes where it was clicked.
        const int index = CharFromPos(TMouseView(message).Pos);
        Perform(EM_SETSEL, static_cast<WPARAM>(index), index);
        Click();
    }
    buttonDown_ = false;
    TCustomEdit::Dispatch(message);
    if (UrlShown() && Focused()) {
        UrlClick();
        return;
    }
    LimitSelectionToValue();
}

void TVezEdit::LimitSelectionToValue()
{
    const int p = PrefixLength();
    const int n = static_cast<int>(Utf8Length(Text()));
    const int end = p + n;
    if (SelStart() < p) {
        Perform(EM_SETSEL, static_cast<WPARAM>(p), end);
        return;
    }
    if (suffix_.empty())
        return;
    if (SelLength() == 0 && SelStart() > end)
        Perform(EM_SETSEL, static_cast<WPARAM>(end), end);
    else if (SelStart() + SelLength() > end)
        Perform(EM_SETSEL, static_cast<WPARAM>(SelStart()), end);
}

int TVezEdit::CharFromPos(TPoint point) const
{
    auto* self = const_cast<TVezEdit*>(this);
    return LOWORD(static_cast<uintptr_t>(self->Perform(EM_CHARFROMPOS, 0, PointToLParam(point))));
}

TPoint TVezEdit::PosFromChar(int index) const
{
    auto* self = const_cast<TVezEdit*>(this);
    const std::u32string text = Utf8ToUtf32(WindowText());
    const int length = static_cast<int>(text.size());
    index = std::clamp(index, 0, length);
    if (length == 0)
        return {0, 0};
    if (index < length)
        return PointFromLParam(self->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(index), 0));
    // After the last character: its place moved right by its width.
    const TPoint last = PointFromLParam(self->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(length - 1), 0));
    TBitmap scratch(1, 1);
    scratch.Canvas()->SetFont(Font());
    const std::string lastChar = Utf32ToUtf8(text.substr(text.size() - 1));
    const int width = scratch.Canvas()->TextWidth("w" + lastChar) - scratch.Canvas()->TextWidth("w");
    return {last.X + width, last.Y};
}

// --- the clipboard -----------------------------------------------------------------------------------------

std::string TVezEdit::SelectedValuePart() const
{
    const int from = std::max(0, SelStart() - PrefixLength());
    return Utf8Substr(Text(), static_cast<size_t>(from), static_cast<size_t>(SelLength()));
}

void TVezEdit::CopyMessage(TMessage& message)
{
    bool allow = true;
    if (OnClipboardCopy && !blockCopy_)
        OnClipboardCopy(this, SelectedValuePart(), allow);
    if (!allow)
        return;
    TCustomEdit::Dispatch(message);
    if (OnAfterClipboardCopy)
        OnAfterClipboardCopy(this);
}

void TVezEdit::CutMessage(TMessage& message)
{
    blockCopy_ = true;
    bool allow = true;
    if (OnClipboardCut)
        OnClipboardCut(this, SelectedValuePart(), allow);
    if (allow) {
        TCustomEdit::Dispatch(message);
        if (OnAfterClipboardCut)
            OnAfterClipboardCut(this);
    }
    blockCopy_ = false;
    Change();
}

// The edit writes a paste itself: the clipboard's first line in place of the selection, when the events and
// the type's rule take it.
void TVezEdit::PasteMessage(TMessage&)
{
    if (ReadOnly())
        return;
    if (Clipboard()->HasFormat(CF_TEXT)) {
        const std::string clipboardText = Clipboard()->AsText();
        const std::string pasted = clipboardText.substr(0, clipboardText.find_first_of("\r\n"));
        const std::u32string value = Utf8ToUtf32(Text());
        const int p = PrefixLength();
        const auto at = static_cast<size_t>(std::clamp(SelStart() - p, 0, static_cast<int>(value.size())));
        const size_t replaced = std::min(static_cast<size_t>(SelLength()), value.size() - at);
        const std::u32string inserted = Utf8ToUtf32(pasted);
        std::string candidate = Utf32ToUtf8(std::u32string(value).replace(at, replaced, inserted));
        const bool hadSelection = SelLength() > 0;
        bool allow = true;
        if (OnClipboardPaste)
            OnClipboardPaste(this, candidate, allow);
        if (allow && OnClipboardCanPaste)
            OnClipboardCanPaste(this, candidate, allow);
        if (!allow)
            return;
        if (MaxLength() > 0)
            candidate = Utf8Substr(candidate, 0, static_cast<size_t>(MaxLength()));
        if (PasteByType(candidate, clipboardText)) {
            if (editType_ == etMoney && Utf8Length(Text()) > 3)
                SelectAll();
            else if (hadSelection)
                Perform(EM_SETSEL, p + at, static_cast<LPARAM>(p + at + inserted.size()));
            else
                Perform(EM_SETSEL, p + at + inserted.size(), static_cast<LPARAM>(p + at + inserted.size()));
        }
    }
    UpdateLookup();
    if (OnAfterClipboardPaste)
        OnAfterClipboardPaste(this);
    if (tabOnFullLength_ && lengthLimit_ > 0 && static_cast<int>(Utf8Length(Text())) == lengthLimit_)
        FocusNextControl();
}

// The type's rule for a pasted value; true when the value was taken. A taken value marks the edit modified
// where the type says so (after it is written, which clears the mark).
bool TVezEdit::PasteByType(std::string candidate, const std::string& clipboardText)
{
    const bool noMinus = signed_ || candidate.find('-') == std::string::npos;
    bool modified = false;
    switch (editType_) {
    case etString:
    case etPassword:
        SetText(candidate);
        modified = true;
        break;
    case etUppercase:
        SetText(Utf8UpperCase(candidate));
        modified = true;
        break;
    case etLowerCase:
        SetText(Utf8LowerCase(candidate));
        modified = true;
        break;
    case etMixedCase:
        SetText(MixedCase(candidate));
        modified = true;
        break;
    case etNumeric:
        if (ClassifyNumber(candidate) != TNumberClass::Integer || !noMinus)
            return false;
        SetText(candidate);
        modified = true;
        break;
    case etFloat:
    case etMoney: {
        candidate = Trim(candidate);
        const TNumberClass kind = ClassifyNumber(candidate);
        const bool decimalRefused =
            precision_ == 0 &&
            clipboardText.find(GlobalFormatSettings().DecimalSeparator) != std::string::npos;
        if ((kind != TNumberClass::Integer && kind != TNumberClass::Float) || decimalRefused ||
            !(signed_ || candidate.find('-') == std::string::npos))
            return false;
        SetText(candidate);
        SetFloatValue(FloatValue());
        modified = true;
        break;
    }
    case etHex: {
        const TNumberClass kind = ClassifyNumber(candidate);
        if (kind != TNumberClass::Integer && kind != TNumberClass::Hexadecimal)
            return false;
        SetText(candidate);
        break;
    }
    case etAlphaNumeric:
    case etValidChars:
    case etInvalidChars: {
        const std::u32string valid = Utf8ToUtf32(validChars_);
        const std::u32string invalid = Utf8ToUtf32(invalidChars_);
        const bool taken = AllCharsIn(candidate, [&](char32_t c) {
            return editType_ == etAlphaNumeric ? IsAsciiAlphaNumeric(c)
                   : editType_ == etValidChars ? valid.find(c) != std::u32string::npos
                                               : invalid.find(c) == std::u32string::npos;
        });
        if (!taken)
            return false;
        SetText(candidate);
        modified = true;
        break;
    }
    case etRange:
        return false;
    }
    if (modified)
        SetModified(true);
    return true;
}
