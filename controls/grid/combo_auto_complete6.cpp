#include "controls/grid/combo_box6.h"

#include "controls/grid/flag_scope.h"
#include "platform/gui/core/locale_compare.h"
#include "platform/gui/windows/timers.h"
#include "support/utf8.h"

// The combo box completes typed text from its lines: in the drop-down style the text becomes the first line
// that starts with what was typed, the rest selected; in the list style typing searches the lines, and a
// pause of AutoCompleteDelay starts a new search.

namespace {

constexpr char32_t BackspaceChar = 8;
constexpr char32_t TabChar = 9;
constexpr char32_t EnterChar = 13;
constexpr char32_t EscapeChar = 27;

// The first count code points of text.
std::string Prefix(const std::string& text, size_t count)
{
    const std::u32string chars = Utf8ToUtf32(text);
    return Utf32ToUtf8(chars.substr(0, std::min(count, chars.size())));
}

} // namespace

int TGxComboBox6::FindCompletion(const std::string& text) const
{
    const size_t length = Utf8Length(text);
    for (int i = 0; i < Count(); ++i) {
        const std::string line = displayMode_ == dmValueList ? GetDisplayText(i) : items_->Strings(i);
        if (Utf8Length(line) >= length && LocaleCompareText(Prefix(line, length), text) == 0)
            return i;
    }
    return -1;
}

bool TGxComboBox6::CompleteText(std::string& text)
{
    if (text.empty()) {
        SetItemIndex(-1);
        Change();
        return false;
    }
    const int found = FindCompletion(text);
    if (found < 0)
        return false;
    const int old = itemIndex_;
    SelectItem(found, false);
    if (displayMode_ == dmDefault || displayMode_ == dmValueList) {
        const std::string line = displayMode_ == dmValueList ? GetDisplayText(found) : items_->Strings(found);
        const int typed = static_cast<int>(Utf8Length(text));
        text = Prefix(line, static_cast<size_t>(typed));
        if (Style() == dsDropDown) {
            WriteText(line);
            SetSelStart(typed);
            SetSelLength(static_cast<int>(Utf8Length(line)) - typed);
        } else {
            SetItemIndex(found);
            filter_ = text;
        }
    }
    if (found != old) {
        Click();
        if (OnSelect)
            DoSelect();
        else
            Change();
    }
    return true;
}

// Backspace while completing: a completed rest goes with the character before it; otherwise one
// character goes, from the text in the drop-down style, from the search in the list style.
void TGxComboBox6::Backspace(char32_t& key)
{
    const bool dropDown = Style() == dsDropDown;
    if (dropDown && SelLength() > 0) {
        std::u32string text = Utf8ToUtf32(Text());
        const int start = SelStart();
        text.erase(static_cast<size_t>(start), static_cast<size_t>(SelLength()));
        WriteText(Utf32ToUtf8(text));
        SetSelStart(start);
        return; // the edit deletes the character before the caret
    }
    if (dropDown && !Text().empty()) {
        std::u32string text = Utf8ToUtf32(Text());
        const int caret = SelStart();
        if (caret > 0)
            text.erase(static_cast<size_t>(caret - 1), 1);
        WriteText(Utf32ToUtf8(text));
        SetSelStart(std::max(caret - 1, 0));
        filter_ = Text();
    } else {
        std::u32string filter = Utf8ToUtf32(filter_);
        if (!filter.empty())
            filter.pop_back();
        filter_ = Utf32ToUtf8(filter);
    }
    key = 0;
    Change();
}

void TGxComboBox6::KeyPress(char32_t& key)
{
    TGxDropDownEdit6::KeyPress(key);
    if (key == 0)
        return;
    if (Style() == dsDropDown) {
        filter_ = Text();
    } else {
        const uint32_t now = GetTickCount();
        if (now - lastTime_ >= autoCompleteDelay_)
            filter_.clear();
        lastTime_ = now;
    }
    switch (key) {
    case BackspaceChar:
        if (autoComplete_)
            Backspace(key);
        return;
    case TabChar:
        if (AutoDropDown() && DroppedDown())
            SetDroppedDown(false);
        return;
    case EnterChar:
    case EscapeChar:
        return;
    }
    if (AutoDropDown())
        SetDroppedDown(true);
    if (!autoComplete_)
        return;
    const bool replacing = Style() == dsDropDown && SelLength() > 0;
    std::string search = (replacing ? Prefix(filter_, static_cast<size_t>(SelStart())) : filter_) +
                         Utf32ToUtf8(std::u32string(1, key));
    if (CompleteText(search))
        key = 0;
}
