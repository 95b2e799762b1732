#include "controls/grid/number_column.h"

#include "controls/grid/local_settings.h"
#include "controls/grid/spin_cell_edit.h"
#include "controls/grid/text_column_display.h"
#include "platform/system/float_text.h"
#include "support/utf8.h"

TGxCustomNumberColumn::TGxCustomNumberColumn(TComponent* owner) : TGxCustomColumn(owner)
{
    SetColumnType(ctFloat);
    SetDefaultValue("0");
    SetSortType(stNumeric);
}

void TGxCustomNumberColumn::SetColumnType(TColumnType)
{
    TGxCustomColumn::SetColumnType(ctFloat);
}

TColumnDisplayClass TGxCustomNumberColumn::GetDisplayClass() const
{
    return ColumnDisplayClass<TNumberColumnDisplay>();
}

std::string TGxCustomNumberColumn::FormattedNumber(double value) const
{
    if (FHideWhenEmpty && value == FEmptyValue)
        return FEmptyCaption;
    const std::string number = FFormatMask.empty() ? FloatToStr(value) : FormatFloat(FFormatMask, value);
    return FTextBefore + number + FTextAfter;
}

std::string TGxCustomNumberColumn::GetDrawText(const TCellInfo& cell)
{
    std::string text = FormattedNumber(cell.AsFloat);
    if (OnGetDrawText)
        OnGetDrawText(this, text);
    return text;
}

bool TGxCustomNumberColumn::IsKeyValid(char32_t key) const
{
    if (key >= U'0' && key <= U'9')
        return true;
    if (key > 255)
        return false;
    if (FEditOptions.Contains(eoAllowSigns) && (key == U'+' || key == U'-'))
        return true;
    return FEditOptions.Contains(eoAllowFloat) && CodePointToUtf8(key) == LocalSettings().DecimalSeparator();
}

void TGxCustomNumberColumn::Assign(const TPersistent* source)
{
    TGxCustomColumn::Assign(source);
    if (const auto* column = dynamic_cast<const TGxCustomNumberColumn*>(source)) {
        SetEmptyCaption(column->FEmptyCaption);
        SetEmptyValue(column->FEmptyValue);
        SetFormatMask(column->FFormatMask);
        SetHideWhenEmpty(column->FHideWhenEmpty);
        SetMax(column->FMax);
        SetMin(column->FMin);
        SetTextAfter(column->FTextAfter);
        SetTextBefore(column->FTextBefore);
    }
}

TGxNumberColumn::TGxNumberColumn(TComponent* owner) : TGxCustomNumberColumn(owner)
{
    SetAlignment(taRightJustify);
}

void TGxNumberColumn::DoButtonClick()
{
    if (OnButtonClick)
        OnButtonClick(this);
}

TColumnEditorClass TGxNumberColumn::GetCellEditorClass() const
{
    return CellEditorClass<TGxSpinEdit>();
}

void TGxNumberColumn::BeginEditing()
{
    TGxCustomNumberColumn::BeginEditing();
    auto& spin = dynamic_cast<TGxSpinEdit&>(*Editor());
    spin.SetButtonCaption(FButtonCaption);
    spin.SetOptions(EditOptions());
    spin.SetIncrement(FIncrement);
    spin.SetMax(Max());
    spin.SetMin(Min());
    spin.SetShowButton(FShowButton);
    spin.SetSpinButtons(FSpinButtons);
    spin.OnButtonClick = [this](TObject*) { DoButtonClick(); };
}

void TGxNumberColumn::UpdateEdit()
{
    dynamic_cast<TGxSpinEdit&>(*Editor()).SetPrecision(FPrecision);
}

void TGxNumberColumn::Assign(const TPersistent* source)
{
    TGxCustomNumberColumn::Assign(source);
    if (const auto* column = dynamic_cast<const TGxNumberColumn*>(source)) {
        FIncrement = column->FIncrement;
        FSpinButtons = column->FSpinButtons;
    }
}
