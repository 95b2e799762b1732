#include "controls/grid/number_edit6.h"

#include "platform/gui/services/clipboard.h"
#include "platform/system/float_text.h"

#include <cmath>

TGxNumberEdit6::TGxNumberEdit6(TComponent* owner) : TGxEdit6(owner)
{
    // The component's name never becomes the text.
    controlStyle_.Exclude(csSetCaption);
    SetValue(0);
}

void TGxNumberEdit6::SetHideLeadingZeros(bool value)
{
    if (value != format_.HideLeadingZeros)
        Reshow([&] { format_.HideLeadingZeros = value; });
}

void TGxNumberEdit6::SetNumericEditOptions(TGxNumericEditOptions value)
{
    if (value != format_.Options)
        Reshow([&] { format_.Options = value; });
}

void TGxNumberEdit6::SetPrecision(int value)
{
    if (value != format_.Precision)
        Reshow([&] { format_.Precision = value; });
}

void TGxNumberEdit6::SetTextAfter(const std::string& value)
{
    if (value != format_.TextAfter)
        Reshow([&] { format_.TextAfter = value; });
}

std::string TGxNumberEdit6::FormatValue(double value, bool withUnit) const
{
    return FormatNumberValue(format_, value, withUnit);
}

void TGxNumberEdit6::SetValue(double value)
{
    SetText(FormatValue(value, true));
}

double TGxNumberEdit6::GetValue() const
{
    return ReadNumberValue(format_, Text());
}

int TGxNumberEdit6::AsInteger() const
{
    return static_cast<int>(std::nearbyint(Value()));
}

std::string TGxNumberEdit6::AsString() const
{
    return FloatToStr(Value());
}

void TGxNumberEdit6::AssignValue(const IGxBase& source)
{
    SetAsFloat(source.AsFloat());
}

void TGxNumberEdit6::Assign(const TPersistent* source)
{
    TGxEdit6::Assign(source);
    if (const auto* number = dynamic_cast<const TGxNumberEdit6*>(source)) {
        SetAdjustToRange(number->AdjustToRange());
        SetHideLeadingZeros(number->HideLeadingZeros());
        SetMax(number->Max());
        SetMin(number->Min());
        SetNumericEditOptions(number->NumericEditOptions());
        SetPrecision(number->Precision());
        SetTextAfter(number->TextAfter());
    }
}

void TGxNumberEdit6::RefreshText()
{
    SetValue(GetValue());
}

// Pasting puts in the filtered number whatever the paste switch says; a read-only edit takes nothing.
void TGxNumberEdit6::Paste()
{
    if (ReadOnly())
        return;
    const int caret = SelStart();
    const std::string clipboardText = Clipboard()->HasFormat(CF_TEXT) ? Clipboard()->AsText() : "";
    SetText(PasteIntoNumberEdit(format_, {Text(), caret, SelLength()}, clipboardText));
    SetSelStart(caret);
}

void TGxNumberEdit6::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_PASTE:
        Paste();
        return;
    case WM_KILLFOCUS:
        TGxEdit6::Dispatch(message);
        RefreshText();
        return;
    default:
        TGxEdit6::Dispatch(message);
    }
}
