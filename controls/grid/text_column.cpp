#include "controls/grid/text_column.h"

#include "controls/grid/text_cell_edit.h"
#include "controls/grid/text_column_display.h"
#include "controls/grid/text_measuring.h"
#include "support/utf8.h"

TGxTextColumn::TGxTextColumn(TComponent* owner) : TGxCustomColumn(owner)
{
    SetDefaultValue("");
    SetOptions(Options() + coShowTextFitHint);
}

TColumnEditorClass TGxTextColumn::GetCellEditorClass() const
{
    return CellEditorClass<TGxEdit>();
}

TColumnDisplayClass TGxTextColumn::GetDisplayClass() const
{
    return ColumnDisplayClass<TTextColumnDisplay>();
}

TDisplayOptions TGxTextColumn::GetDisplayOptions() const
{
    return FMultiLine ? TDisplayOptions{doMultiLine} : TDisplayOptions{};
}

int TGxTextColumn::GetCellBestFit(const std::string& value)
{
    TColumnDisplay* display = Display();
    TCanvas* canvas = display ? display->Canvas() : nullptr;
    return (canvas ? WideTextWidth(*canvas, value) : 0) + 5;
}

std::string TGxTextColumn::GetDrawText(const TCellInfo& cell)
{
    const std::string text = FTextBefore + TGxCustomColumn::GetDrawText(cell) + FTextAfter;
    if (FPasswordChar == 0)
        return text;
    std::string hidden;
    const std::string mark = CodePointToUtf8(FPasswordChar);
    for (size_t i = Utf8Length(text); i > 0; --i)
        hidden += mark;
    return hidden;
}

void TGxTextColumn::BeginEditing()
{
    TGxCustomColumn::BeginEditing();
    TGxCustomEdit* editor = Editor();
    editor->SetInplaceEditor(true);
    editor->SetMaxLength(FMaxLength);
    editor->SetPasswordChar(FPasswordChar);
}

void TGxTextColumn::Assign(const TPersistent* source)
{
    TGxCustomColumn::Assign(source);
    if (const auto* column = dynamic_cast<const TGxTextColumn*>(source)) {
        FMaxLength = column->FMaxLength;
        FMultiLine = column->FMultiLine;
        FPasswordChar = column->FPasswordChar;
        FTextAfter = column->FTextAfter;
        FTextBefore = column->FTextBefore;
    }
}
