#include "controls/grid/number_cell_edit.h"

#include "platform/gui/services/clipboard.h"
#include "platform/system/float_text.h"
#include "support/utf8.h"

#include <cmath>

TGxCustomNumberEdit::TGxCustomNumberEdit(TComponent* owner) : TGxEdit(owner)
{
    // The component's name never becomes the text.
    controlStyle_.Exclude(csSetCaption);
}

void TGxCustomNumberEdit::SetNullText(const std::string& value)
{
    nullText_ = value;
    ShowValue(0);
}

void TGxCustomNumberEdit::SetPrecision(int value)
{
    const double shown = GetValue();
    precision_ = value;
    ShowValue(shown);
}

// The value is read with the texts around it as they were, then shown with the new ones.
void TGxCustomNumberEdit::SetTextAfter(const std::string& value)
{
    const double shown = options_.Contains(eoAllowAll) ? 0 : GetValue();
    textAfter_ = value;
    if (!options_.Contains(eoAllowAll))
        ShowValue(shown);
}

void TGxCustomNumberEdit::SetTextBefore(const std::string& value)
{
    const double shown = options_.Contains(eoAllowAll) ? 0 : GetValue();
    textBefore_ = value;
    if (!options_.Contains(eoAllowAll))
        ShowValue(shown);
}

std::string TGxCustomNumberEdit::GetFormatedValue(double value) const
{
    if (value == 0 && !nullText_.empty())
        return nullText_;
    std::string number;
    if (!options_.Contains(eoAllowFloat))
        number = FloatToStrF(value, ffFixed, 18, 0);
    else if (precision_ <= 0)
        number = FloatToStr(value);
    else
        number = FloatToStrF(value, ffFixed, 18, precision_);
    return textBefore_ + number + textAfter_;
}

void TGxCustomNumberEdit::ShowValue(double value)
{
    if (!EditorUpdating())
        SetText(GetFormatedValue(value));
}

std::string TGxCustomNumberEdit::NumberPart() const
{
    std::string text = Text();
    if (!textBefore_.empty() && text.starts_with(textBefore_))
        text.erase(0, textBefore_.size());
    if (!textAfter_.empty() && text.ends_with(textAfter_))
        text.erase(text.size() - textAfter_.size());
    return text;
}

double TGxCustomNumberEdit::GetValue()
{
    const std::string text = Text();
    if (text == nullText_) {
        ShowValue(0);
        return 0;
    }
    if (text.empty())
        return min_;
    const std::optional<std::string> number =
        FilterNumber(NumberPart(), options_.Contains(eoAllowFloat), options_.Contains(eoAllowSigns), Range());
    if (!number)
        return value_;
    value_ = Range().Clamp(ParseNumber(*number).value_or(value_));
    return value_;
}

void TGxCustomNumberEdit::ShowValueAgain()
{
    if (!options_.Contains(eoAllowAll))
        ShowValue(GetValue());
}

double TGxCustomNumberEdit::AsFloat() const
{
    return const_cast<TGxCustomNumberEdit*>(this)->GetValue();
}

void TGxCustomNumberEdit::SetAsFloat(double value)
{
    TGxEdit::SetAsFloat(value);
    ShowValue(value);
}

int TGxCustomNumberEdit::AsInteger() const
{
    return static_cast<int>(std::trunc(AsFloat()));
}

void TGxCustomNumberEdit::SetAsInteger(int value)
{
    TGxEdit::SetAsInteger(value);
    ShowValue(value);
}

void TGxCustomNumberEdit::ApplyEditing()
{
    ShowValueAgain();
}

void TGxCustomNumberEdit::Assign(const TPersistent* source)
{
    auto* number = dynamic_cast<const TGxCustomNumberEdit*>(source);
    if (!number) {
        TGxEdit::Assign(source);
        return;
    }
    max_ = number->max_;
    min_ = number->min_;
    SetNullText(number->nullText_);
    options_ = number->options_;
    SetPrecision(number->precision_);
    SetValue(number->AsFloat());
}

// --- the window --------------------------------------------------------------------------------------------

void TGxCustomNumberEdit::CreateWnd()
{
    TGxEdit::CreateWnd();
    ShowValue(GetValue());
}

void TGxCustomNumberEdit::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_PASTE:
        Paste();
        return;
    case WM_KILLFOCUS:
        TGxEdit::Dispatch(message);
        ShowValueAgain();
        return;
    default:
        TGxEdit::Dispatch(message);
    }
}

void TGxCustomNumberEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    if (options_.Contains(eoDisableTyping) && (key == VK_BACK || key == VK_CLEAR || key == VK_DELETE)) {
        key = 0;
        return;
    }
    TGxEdit::KeyDown(key, shift);
}

void TGxCustomNumberEdit::KeyPress(char32_t& key)
{
    if (options_.Contains(eoDisableTyping)) {
        key = 0;
        return;
    }
    if (!options_.Contains(eoAllowAll) &&
        !NumberCharAllowed(key, {Text(), SelStart(), SelLength()}, options_.Contains(eoAllowFloat),
                           options_.Contains(eoAllowSigns))) {
        key = 0;
        return;
    }
    TGxEdit::KeyPress(key);
}

// A read-only editor takes no paste either.
void TGxCustomNumberEdit::Paste()
{
    if (options_.Contains(eoDisablePaste) || ReadOnly())
        return;
    const int caret = SelStart();
    const std::string clipboardText = Clipboard()->HasFormat(CF_TEXT) ? Clipboard()->AsText() : "";
    SetText(PasteNumber({Text(), caret, SelLength()}, clipboardText, options_.Contains(eoAllowFloat),
                        options_.Contains(eoAllowSigns), Range()));
    SetSelStart(caret);
}
