// The character filter: every character typed into a typed edit passes here before the edit inserts it.
// It keeps to the type's characters, toggles the minus sign of numbers, places decimal and thousand
// separators, holds LengthLimit and the decimals of Precision, applies the case rules, and then asks for
// the lookup list.

#include "controls/edits/typed_edit.h"
#include "controls/edits/typed_number_text.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/message_views.h"
#include "support/format_settings.h"
#include "support/utf8.h"

#include <cstdlib>

namespace {

constexpr char32_t Backspace = 8;

bool IsAsciiLetter(char32_t k)
{
    return (k >= U'A' && k <= U'Z') || (k >= U'a' && k <= U'z');
}

bool ControlHeld()
{
    return GetKeyState(VK_CONTROL) < 0;
}

// The 1-based place of c in text, 0 when it is not there.
int PlaceOf(const std::u32string& text, char32_t c)
{
    const size_t at = text.find(c);
    return at == std::u32string::npos ? 0 : static_cast<int>(at) + 1;
}

bool IsRangeSeparator(char32_t k)
{
    return k == U',' || k == U'-' || k == U';';
}

} // namespace

// --- what the filter measures ------------------------------------------------------------------------------

// The integer part's length plus one: the place of the first decimal separator once the thousand separators
// are gone (the length plus one without one), one less for the minus sign of a signed number.
int TVezEdit::IntPartLength(const std::string& text) const
{
    const std::u32string chars = Utf8ToUtf32(RemoveThousandSeparators(text));
    const int decimal = PlaceOf(chars, DecimalSeparatorChar());
    int length = decimal > 0 ? decimal : static_cast<int>(chars.size()) + 1;
    if (signed_ && IsNumberType() && chars.find(U'-') != std::u32string::npos)
        --length;
    return length;
}

// The caret stands before the decimal separator while it is below this.
int TVezEdit::DecimalCaretLimit() const
{
    const std::u32string value = Utf8ToUtf32(Text());
    const int decimal = PlaceOf(value, DecimalSeparatorChar());
    return decimal > 0 ? PrefixLength() + decimal
                       : PrefixLength() + static_cast<int>(value.size()) + SuffixLength() + 1;
}

// All the decimals Precision allows are typed and the caret stands among them.
bool TVezEdit::DecimalsFull(int caret) const
{
    const std::u32string value = Utf8ToUtf32(Text());
    const int n = static_cast<int>(value.size());
    const int decimal = PlaceOf(value, DecimalSeparatorChar());
    if (precision_ <= 0 || precision_ < n + PrefixLength() - caret || decimal == 0)
        return false;
    return caret - PrefixLength() >= decimal && n - decimal >= precision_;
}

// A separator may stand exactly three places from the nearest thousand separator, never closer to any.
bool TVezEdit::SeparatorPlacementOk(int caret) const
{
    std::u32string rest = Utf8ToUtf32(Text());
    const char32_t thousand = ThousandSeparatorChar();
    if (rest.find(thousand) == std::u32string::npos)
        return true;
    int a = caret - PrefixLength();
    int smallest = static_cast<int>(rest.size());
    for (int p = PlaceOf(rest, thousand); p > 0; p = PlaceOf(rest, thousand)) {
        const int distance = std::abs(p - a);
        smallest = std::min(smallest, distance);
        if (distance < 3)
            return false;
        if (p < a)
            a -= p;
        rest.erase(0, static_cast<size_t>(p));
    }
    return smallest <= 3;
}

bool TVezEdit::InTypeSet(char32_t k) const
{
    const bool editing = k == Backspace || k == U'\t' || k == U'\r';
    switch (editType_) {
    case etAlphaNumeric:
        return editing || IsDigit(k) || IsAsciiLetter(k);
    case etHex:
        return editing || k == U'-' || IsDigit(k) || (k >= U'A' && k <= U'F') || (k >= U'a' && k <= U'f');
    case etValidChars:
        return k == Backspace || (k <= 255 && Utf8ToUtf32(validChars_).find(k) != std::u32string::npos);
    case etInvalidChars:
        return k == Backspace || k > 255 || Utf8ToUtf32(invalidChars_).find(k) == std::u32string::npos;
    case etRange:
        return editing || IsDigit(k) || IsRangeSeparator(k);
    case etNumeric:
        return editing || k == U'-' || IsDigit(k);
    case etFloat:
        return editing || IsDigit(k) || k == U',' || k == U'-' || k == U'.' || k == ThousandSeparatorChar() ||
               k == DecimalSeparatorChar();
    case etMoney:
        return editing || IsDigit(k) || k == U'-' || k == DecimalSeparatorChar();
    default:
        return true;
    }
}

// --- the filter --------------------------------------------------------------------------------------------

void TVezEdit::CharMessage(TMessage& message)
{
    FilterChar(message, TCharView(message).Char());
    // Nothing of one keystroke reaches the next: a change notice still announced as not counting was not
    // made by this keystroke's character.
    blockChange_ = false;
    replacesWholeValue_ = false;
}

// Gives the character to the edit's own handling: OnKeyPress, then the insertion at the caret.
void TVezEdit::PassOn(TMessage& message, char32_t k)
{
    if (replacesWholeValue_)
        blockChange_ = true;
    message.WParam = k;
    TCustomEdit::Dispatch(message);
}

void TVezEdit::FilterChar(TMessage& message, char32_t k)
{
    if (!editorEnabled_)
        return;
    const int length = static_cast<int>(Utf8Length(Text()));
    replacesWholeValue_ = SelLength() == length && length > 0 && editType_ != etPassword && k != Backspace;
    if (k == U'\r' && ControlHeld())
        return;
    if (EnterOrEscapeChar(message, k))
        return;
    if (spreadsheetStyleDecimalSeparator_ && (k == U'.' || k == U',') && TCharView(message).Data().Keypad)
        k = DecimalSeparatorChar();
    const int caret = SelStart();
    const int selection = SelLength();
    if (k == Backspace && !prefix_.empty() && caret <= PrefixLength() && selection == 0)
        return;
    const bool signKey = k == U'-' && signed_ && IsNumberType();
    if (lengthLimit_ > 0 && IntPartLength(Text()) > lengthLimit_ && selection == 0 &&
        caret < DecimalCaretLimit() && k != Backspace && k != DecimalSeparatorChar() && !signKey)
        return;
    if (k == Backspace) {
        if (selection > 0 || (caret > PrefixLength() && caret <= PrefixLength() + length))
            SetModified(true);
        PassOn(message, k);
        if (editType_ == etMoney)
            ApplyThousandSeparators();
        SetModified(isModified_);
        UpdateLookup();
        return;
    }
    if (k == U'\n' && ControlHeld())
        return;
    if (k == U'-' && IsNumberType() && !signed_)
        return;
    TypeRule(message, k);
}

// The type's own rule; the ending follows unless the rule stopped the filter.
void TVezEdit::TypeRule(TMessage& message, char32_t k)
{
    bool ending = true;
    switch (editType_) {
    case etString:
    case etPassword:
        SetModified(true);
        PassOn(message, k);
        break;
    case etUppercase:
        PassOn(message, UnicodeUpper(k));
        break;
    case etLowerCase:
        PassOn(message, UnicodeLower(k));
        break;
    case etMixedCase: {
        const int caret = SelStart();
        PassOn(message, k);
        SetWindowText(Shown(MixedCase(Text())));
        SetSelStart(caret + 1);
        break;
    }
    case etAlphaNumeric:
    case etHex:
    case etValidChars:
    case etInvalidChars:
        ending = SetRule(message, k, InTypeSet(k));
        break;
    case etRange:
        ending = RangeRule(message, k);
        break;
    case etNumeric:
        ending = NumericRule(message, k);
        break;
    case etFloat:
        ending = FloatRule(message, k);
        break;
    case etMoney:
        ending = MoneyRule(message, k);
        break;
    }
    if (ending)
        FilterEnding();
}

bool TVezEdit::SetRule(TMessage& message, char32_t k, bool inSet)
{
    if (inSet) {
        SetModified(true);
        PassOn(message, k);
    }
    return true;
}

// A range never begins with a separator nor holds two in a row.
bool TVezEdit::RangeRule(TMessage& message, char32_t k)
{
    if (!InTypeSet(k))
        return true;
    SetModified(true);
    if (IsRangeSeparator(k)) {
        const std::u32string shown = Utf8ToUtf32(WindowText());
        const int caret = SelStart();
        const bool before = caret > 0 && caret <= static_cast<int>(shown.size()) &&
                            IsRangeSeparator(shown[static_cast<size_t>(caret) - 1]);
        const bool after =
            caret < static_cast<int>(shown.size()) && IsRangeSeparator(shown[static_cast<size_t>(caret)]);
        if (caret <= PrefixLength() || before || after)
            return false;
    }
    PassOn(message, k);
    return true;
}

// The minus sign of a number goes or comes, the caret keeping its place in the digits.
void TVezEdit::ToggleSign()
{
    const int caret = SelStart();
    const int prefix = PrefixLength();
    std::string value = Text();
    if (const size_t minus = value.find('-'); minus != std::string::npos) {
        value.erase(minus, 1);
        SetWindowText(Shown(value));
        SetSelStart(caret > 0 && caret > prefix ? caret - 1 : prefix);
    } else {
        SetWindowText(Shown("-" + value));
        SetSelStart(caret + 1);
        SetSelLength(0);
    }
    SetModified(true);
}

bool TVezEdit::NumericRule(TMessage& message, char32_t k)
{
    if (k == U'-') {
        if (SelLength() == static_cast<int>(Utf8Length(Text()))) {
            SetWindowText(Shown("-"));
            SetSelStart(PrefixLength() + 1);
            blockChange_ = false;
            return false;
        }
        ToggleSign();
        return true;
    }
    // With Ctrl held every character goes through.
    if (InTypeSet(k) || ControlHeld())
        PassOn(message, k);
    return true;
}

// The steps float and money numbers share from the separator's placement on: false when the filter stops
// there, true with the character passed on.
bool TVezEdit::NumberEntry(TMessage& message, char32_t k)
{
    const char32_t decimal = DecimalSeparatorChar();
    const int caret = SelStart();
    const int selection = SelLength();
    const std::u32string value = Utf8ToUtf32(Text());
    if ((k == ThousandSeparatorChar() || k == decimal) && !SeparatorPlacementOk(caret))
        return false;
    if ((IsDigit(k) || k == decimal) && selection == 0 && DecimalsFull(caret)) {
        const int inValue = caret - PrefixLength();
        if (precision_ >= 1 && inValue >= PlaceOf(value, decimal) && IsDigit(k) &&
            inValue < static_cast<int>(value.size()))
            SetSelLength(1); // the digit overwrites the one after the caret
        else
            return false;
    }
    if (caret <= PrefixLength() && value.empty() && k == decimal) {
        SetWindowText(Shown(Utf32ToUtf8(std::u32string{U'0', decimal})));
        SetSelStart(PrefixLength() + 2);
        SetModified(true);
        return false;
    }
    if (k == U'-' && selection == 0) {
        ToggleSign();
        return false;
    }
    PassOn(message, k);
    return true;
}

bool TVezEdit::FloatRule(TMessage& message, char32_t k)
{
    const char32_t decimal = DecimalSeparatorChar();
    if ((k == U',' && decimal != U',') || (k == U'.' && decimal != U'.'))
        return false;
    if (!InTypeSet(k))
        return true;
    const bool selectionHasDecimal = Utf8ToUtf32(SelText()).find(decimal) != std::u32string::npos;
    if (k == decimal && !selectionHasDecimal &&
        (Utf8ToUtf32(Text()).find(decimal) != std::u32string::npos || precision_ == 0)) {
        if (precision_ > 0)
            SelectAfterDecimal();
        return false;
    }
    return NumberEntry(message, k);
}

bool TVezEdit::MoneyRule(TMessage& message, char32_t k)
{
    const char32_t decimal = DecimalSeparatorChar();
    const std::string before = Text();
    if (k == decimal && (Utf8ToUtf32(before).find(decimal) != std::u32string::npos || precision_ == 0)) {
        if (precision_ > 0) {
            if (SelLength() == static_cast<int>(Utf8Length(before)) && !before.empty())
                SetText("0" + GlobalFormatSettings().DecimalSeparator + "0");
            SelectAfterDecimal();
        }
        blockChange_ = false;
        return false;
    }
    if (!InTypeSet(k))
        return true;
    if (!NumberEntry(message, k))
        return false;
    if (!before.empty() && before != "-" && k != decimal) {
        if (TCustomEdit::Modified())
            SetModified(true);
        ApplyThousandSeparators();
    }
    return true;
}

// After a character: the focus moves on when the integer part is full, the edit is modified when its
// text changed, and the lookup list follows.
void TVezEdit::FilterEnding()
{
    if (tabOnFullLength_ && lengthLimit_ > 0 && IntPartLength(Text()) > lengthLimit_ && SelLength() == 0 &&
        SelStart() == PrefixLength() + lengthLimit_)
        FocusNextControl();
    if (TCustomEdit::Modified())
        SetModified(true);
    UpdateLookup();
}

void TVezEdit::FocusNextControl()
{
    if (TCustomForm* form = GetParentForm(this))
        form->SelectNext(this, true, true);
}
