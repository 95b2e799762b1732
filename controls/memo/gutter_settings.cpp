#include "controls/memo/gutter_settings.h"

#include "controls/memo/vez_custom_memo.h"
#include "platform/gui/windows/window_functions.h"

// --- TVezGutter
// ---------------------------------------------------------------------------------------------

TVezGutter::TVezGutter(TVezCustomMemo* memo) : memo_(memo), font_(std::make_unique<TFont>())
{
    font_->SetName("Courier New");
    font_->SetSize(10);
    font_->OnChange = [this](TObject* sender) { GutterFontChanged(sender); };
}

TVezGutter::~TVezGutter() = default;

void TVezGutter::GutterFontChanged(TObject*)
{
    if (FOnChange)
        FOnChange(this);
}

void TVezGutter::InvalidateArea()
{
    if (!memo_ || !memo_->HandleAllocated())
        return;
    const TRect area = FullRect();
    InvalidateRect(memo_->Handle(), &area, false);
}

void TVezGutter::StoreColors(TColor color, TColor colorTo)
{
    FColor = color;
    FColorTo = colorTo;
}

void TVezGutter::SetVisible(bool value)
{
    SetAndInvalidate(FShowGutter, value);
    if (memo_)
        memo_->Invalidate();
}

void TVezGutter::SetGutterWidth(int value)
{
    gutterWidth_ = value;
    Width = value;
    if (memo_ && !memo_->ComponentState().Contains(csLoading))
        memo_->UpdateLayout();
}

void TVezGutter::SetGutterMargin(int value)
{
    value = std::max(value, 45);
    if (value == gutterMargin_)
        return;
    gutterMargin_ = value;
    if (memo_ && !memo_->ComponentState().Contains(csLoading))
        memo_->Invalidate();
}

void TVezGutter::SetGutterColor(TColor value)
{
    if (value != FColor)
        SetAndInvalidate(FColor, value);
}

void TVezGutter::SetGutterColorTo(TColor value)
{
    SetAndInvalidate(FColorTo, value);
}

void TVezGutter::SetBorderColor(TColor value)
{
    SetAndInvalidate(borderColor_, value);
}

void TVezGutter::SetShowLineNumbers(bool value)
{
    SetAndInvalidate(showLineNumbers_, value);
}

void TVezGutter::SetLineNumberTextColor(TColor value)
{
    if (value != lineNumberTextColor_)
        SetAndInvalidate(lineNumberTextColor_, value);
}

void TVezGutter::SetLineNumberStart(int value)
{
    if (value >= 0 && value != lineNumberStart_)
        SetAndInvalidate(lineNumberStart_, value);
}

void TVezGutter::SetLineNumberAt(int value)
{
    if (value >= 1 && value != lineNumberAt_)
        SetAndInvalidate(lineNumberAt_, value);
}

void TVezGutter::SetNumberSuffix(const std::string& value)
{
    SetAndInvalidate(numberSuffix_, value);
}

void TVezGutter::SetDigitCount(int value)
{
    SetAndInvalidate(digitCount_, value);
}

void TVezGutter::SetShowLeadingZeros(bool value)
{
    SetAndInvalidate(showLeadingZeros_, value);
}

void TVezGutter::SetShowModified(bool value)
{
    SetAndInvalidate(showModified_, value);
}

void TVezGutter::SetModifiedColor(TColor value)
{
    SetAndInvalidate(modifiedColor_, value);
}

void TVezGutter::SetModifiedColorBkg(TColor value)
{
    SetAndInvalidate(modifiedColorBkg_, value);
}

void TVezGutter::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TVezGutter*>(source);
    if (!other)
        return;
    SetDigitCount(other->digitCount_);
    SetFont(other->font_.get());
    SetBorderColor(other->borderColor_);
    SetGutterWidth(other->gutterWidth_);
    SetGutterMargin(other->gutterMargin_);
    SetGutterColor(other->FColor);
    SetGutterColorTo(other->FColorTo);
    SetLineNumberAt(other->lineNumberAt_);
    SetLineNumberStart(other->lineNumberStart_);
    SetLineNumberTextColor(other->lineNumberTextColor_);
    SetModifiedColorBkg(other->modifiedColorBkg_);
    SetModifiedColor(other->modifiedColor_);
    SetNumberSuffix(other->numberSuffix_);
    SetShowLineNumbers(other->showLineNumbers_);
    SetShowModified(other->showModified_);
    SetVisible(other->FShowGutter);
    SetShowLeadingZeros(other->showLeadingZeros_);
}

// --- TVezActiveLineSettings
// ---------------------------------------------------------------------------------

template <typename T> void TVezActiveLineSettings::SetAndRepaint(T& field, const T& value, bool onlyOnChange)
{
    if (onlyOnChange && field == value)
        return;
    field = value;
    if (memo_)
        memo_->Invalidate();
}

void TVezActiveLineSettings::SetShowActiveLine(bool value)
{
    SetAndRepaint(showActiveLine_, value, false);
}

void TVezActiveLineSettings::SetShowActiveLineIndicator(bool value)
{
    SetAndRepaint(showActiveLineIndicator_, value);
}

void TVezActiveLineSettings::SetActiveLineColor(TColor value)
{
    SetAndRepaint(activeLineColor_, value);
}

void TVezActiveLineSettings::SetActiveLineTextColor(TColor value)
{
    SetAndRepaint(activeLineTextColor_, value);
}

void TVezActiveLineSettings::SetActiveLineAtCursor(bool value)
{
    if (value == activeLineAtCursor_)
        return;
    activeLineAtCursor_ = value;
    if (memo_)
        memo_->SetActiveLine(value ? memo_->CurY() : -1);
    if (memo_)
        memo_->Invalidate();
}

void TVezActiveLineSettings::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TVezActiveLineSettings*>(source);
    if (!other)
        return;
    SetShowActiveLine(other->showActiveLine_);
    SetShowActiveLineIndicator(other->showActiveLineIndicator_);
    SetActiveLineColor(other->activeLineColor_);
    SetActiveLineAtCursor(other->activeLineAtCursor_);
    SetActiveLineTextColor(other->activeLineTextColor_);
}
