#include "controls/grid/column.h"

#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/columns_grid.h"
#include "controls/grid/slide_bounds.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/graphics.h"
#include "support/system_colors.h"

#include <algorithm>

TGxCustomColumn::TGxCustomColumn(TComponent* owner)
    : TComponent(owner), FColor(clWindow), FFont(std::make_unique<TFont>()),
      FFooter(std::make_unique<TColumnFooter>(this)),
      FHeader(std::make_unique<TColumnHeader>(this)), FOptions{coCanClick, coCanInput, coCanSort,
                                                               coPublicUsing},
      FSlideBounds(std::make_unique<TGxSlideBounds>(this))
{
    FFont->OnChange = [this](TObject*) { FontChanged(); };
    FFooter->OnChange = [this](TObject*) { PartChanged(); };
    FHeader->OnChange = [this](TObject*) { PartChanged(); };
    SetColumnType(ctString);
}

TGxCustomColumn::~TGxCustomColumn()
{
    if (FColumns)
        FColumns->Remove(this);
    FreeElements(); // the editor goes with the column's components
}

// --- Parts made from the classes the column class names -----------------------------------------------

void TGxCustomColumn::MakeElements()
{
    if (FElementsMade)
        return;
    FElementsMade = true;
    FEditorClass = GetCellEditorClass();
    if (FEditorClass.Create)
        FEditor = FEditorClass.Create(this);
    FDisplayClass = GetDisplayClass();
    if (FDisplayClass.Create)
        FDisplay = FDisplayClass.Create(this);
    FPlayClass = GetPlayClass();
    if (FPlayClass.Create)
        FPlay = FPlayClass.Create(this);
}

void TGxCustomColumn::FreeElements()
{
    if (FDisplay && FDisplayClass.Free)
        FDisplayClass.Free(FDisplay);
    if (FPlay && FPlayClass.Free)
        FPlayClass.Free(FPlay);
    FDisplay = nullptr;
    FPlay = nullptr;
}

TGxCustomEdit* TGxCustomColumn::Editor()
{
    MakeElements();
    return FEditor;
}

TColumnDisplay* TGxCustomColumn::Display()
{
    MakeElements();
    return FDisplay;
}

TColumnPlay* TGxCustomColumn::Play()
{
    MakeElements();
    return FPlay;
}

// --- Reports ------------------------------------------------------------------------------------------

void TGxCustomColumn::ReportChange(TColumnChangeKind kind, int param)
{
    if (FColumns)
        FColumns->DoColumnChange(this, kind, param);
}

void TGxCustomColumn::Refresh(TGridArea area)
{
    if (FColumns)
        FColumns->UpdateColumn(this, area);
}

IColumnsGrid* TGxCustomColumn::Grid() const
{
    return FColumns ? FColumns->Grid() : nullptr;
}

TComponent* TGxCustomColumn::GridComponent() const
{
    return FColumns ? FColumns->Owner() : nullptr;
}

bool TGxCustomColumn::Reading() const
{
    return ComponentState().Contains(csReading);
}

bool TGxCustomColumn::GridReading() const
{
    return FColumns && FColumns->GridReading();
}

// --- Settings that report ccUndefined or repaint ------------------------------------------------------

void TGxCustomColumn::SetAlignment(TAlignment value)
{
    SetAndReport(FAlignment, value, ccUndefined);
}

void TGxCustomColumn::SetBiDiMode(TBiDiMode value)
{
    SetAndReport(FBiDiMode, value, ccUndefined);
}

void TGxCustomColumn::SetColor(TColor value)
{
    SetAndReport(FColor, value, ccUndefined);
}

void TGxCustomColumn::SetCursor(TCursor value)
{
    SetAndReport(FCursor, value, ccUndefined);
}

void TGxCustomColumn::SetDrawingOptions(TDrawingOptions value)
{
    SetAndReport(FDrawingOptions, value, ccUndefined);
}

void TGxCustomColumn::SetInputCaption(const std::string& value)
{
    SetAndReport(FInputCaption, value, ccUndefined);
}

void TGxCustomColumn::SetInputValue(const std::string& value)
{
    SetAndReport(FInputValue, value, ccInputChange);
}

void TGxCustomColumn::SetSlideCaptionLocation(TSlideCatpionLocation value)
{
    SetAndReport(FSlideCaptionLocation, value, ccUndefined);
}

void TGxCustomColumn::SetSlideOptions(TSlideOptions value)
{
    SetAndReport(FSlideOptions, value, ccSlideChanged);
}

void TGxCustomColumn::SetVerticalAlignment(TVerticalAlignment value)
{
    SetAndReport(FVerticalAlignment, value, ccUndefined);
}

void TGxCustomColumn::SetPadding(int value)
{
    SetAndRefresh(FPadding, value, gaBody);
}

void TGxCustomColumn::SetParentCellColor(bool value)
{
    SetAndRefresh(FParentCellColor, value, gaBody);
}

void TGxCustomColumn::SetWrapKind(TWrapKind value)
{
    SetAndRefresh(FWrapKind, value, gaBody);
}

void TGxCustomColumn::SetSlideCaption(const std::string& value)
{
    SetAndRefresh(FSlideCaption, value, gaNone);
}

void TGxCustomColumn::SetFooter(const TColumnFooter* value)
{
    if (!value)
        return;
    FFooter->Assign(value);
    ReportChange(ccUndefined);
}

void TGxCustomColumn::SetHeader(const TColumnHeader* value)
{
    if (!value)
        return;
    FHeader->Assign(value);
    ReportChange(ccUndefined);
}

void TGxCustomColumn::SetSlideBounds(const TGxSlideBounds* value)
{
    if (!value)
        return;
    FSlideBounds->Assign(value);
    ReportChange(ccUndefined);
}

// --- Font ---------------------------------------------------------------------------------------------

void TGxCustomColumn::SetFont(const TFont* value)
{
    if (!value)
        return;
    FFont->Assign(value);
    ReportChange(ccUndefined);
}

void TGxCustomColumn::FontChanged()
{
    if (FParentFontUpdating)
        return;
    FParentFont = false;
    ReportChange(ccUndefined);
}

void TGxCustomColumn::SetParentFont(bool value)
{
    FParentFont = value;
    IColumnsGrid* grid = Grid();
    if (!value || !grid || !grid->GridFont())
        return;
    FParentFontUpdating = true;
    FFont->Assign(grid->GridFont());
    FParentFontUpdating = false;
}

// --- Sorting ------------------------------------------------------------------------------------------

void TGxCustomColumn::SetSorted(bool value)
{
    if (GetColumnStyle().Contains(csDisableSorting))
        return;
    if (value && FColumns) {
        for (int i = 0; i < FColumns->Count(); ++i)
            if (TGxCustomColumn* column = FColumns->GetItem(i); column->FSorted)
                column->SetSorted(false);
    }
    FSorted = value;
    ReportChange(value ? ccSorted : ccUnsorted);
}

void TGxCustomColumn::SetSortKind(TSortKind value)
{
    SetAndReport(FSortKind, value, ccSortTypeChange);
}

void TGxCustomColumn::SetSortType(TSortType value)
{
    SetAndReport(FSortType, value, ccSortTypeChange);
}

// --- Layout -------------------------------------------------------------------------------------------

void TGxCustomColumn::SetOptions(TColumnOptions value)
{
    if (value.Contains(coSearchColumn) && FColumns) {
        for (int i = 0; i < FColumns->Count(); ++i)
            if (TGxCustomColumn* column = FColumns->GetItem(i); column != this)
                column->FOptions.Exclude(coSearchColumn);
    }
    const bool autoSizeKept = FOptions.Contains(coAutoSize) && value.Contains(coAutoSize);
    FOptions = value;
    if (!FColumns || GridReading())
        return;
    if (!autoSizeKept)
        FColumns->ResizeColumns(this, true);
    ReportChange(ccUndefined);
}

void TGxCustomColumn::SetEditing(bool value)
{
    TColumnOptions options = FOptions;
    if (value)
        options.Include(coEditing);
    else
        options.Exclude(coEditing);
    SetOptions(options);
}

void TGxCustomColumn::SetVisible(bool value)
{
    if (value == FVisible)
        return;
    FVisible = value;
    ReportChange(ccVisible);
    if (FColumns && !Reading()) {
        FColumns->UpdateColumns(false);
        FColumns->ResizeColumns(nullptr, false);
    }
}

void TGxCustomColumn::SetWidth(int value)
{
    ApplyWidth(value);
    if (FColumns)
        FColumns->ResizeColumns(this, false);
}

void TGxCustomColumn::ApplyWidth(int value)
{
    FSilentWidth = std::max(value, FMinWidth);
    const int oldWidth = FWidth;
    FWidth = FSilentWidth;
    if (FColumns && !Reading())
        FColumns->UpdateColumns(false);
    ReportChange(ccWidth, FWidth - oldWidth);
}

void TGxCustomColumn::SetPosition(int value)
{
    // The collection reports the move (ccPosition with the old position); an unchanged value reports nothing.
    if (FColumns && !Reading() && !GridReading())
        FColumns->ChangePosition(FPosition, value);
    FPosition = value;
}

int TGxCustomColumn::Index() const
{
    return FColumns ? FColumns->IndexOf(this) : -1;
}

void TGxCustomColumn::SetIndex(int value)
{
    const int index = Index();
    if (FColumns && value != index)
        FColumns->Move(index, value);
}

// --- Registration -------------------------------------------------------------------------------------

void TGxCustomColumn::SetParentComponent(TComponent* grid)
{
    auto* columnsGrid = dynamic_cast<IColumnsGrid*>(grid);
    TGxColumns* columns = columnsGrid ? columnsGrid->Columns() : nullptr;
    if (!columns)
        return;
    if (Reading())
        columns->AddReadColumn(this);
    else
        columns->AddColumn(this);
}

void TGxCustomColumn::Loaded()
{
    TComponent::Loaded();
    if (FColumns)
        FColumns->PlaceReadColumn(this);
}

void TGxCustomColumn::SetInplaceEditComponent(TGxCustomEdit* edit, TComponent* component)
{
    if (FInplaceEditComponent)
        RemoveFreeNotification(FInplaceEditComponent);
    FInplaceEdit = edit;
    FInplaceEditComponent = component;
    if (component)
        FreeNotification(component);
}

void TGxCustomColumn::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component && component == FInplaceEditComponent) {
        FInplaceEdit = nullptr;
        FInplaceEditComponent = nullptr;
    }
}

// --- Cells and editing --------------------------------------------------------------------------------

TColumnState TGxCustomColumn::GetColumnState() const
{
    TColumnState state;
    if (!FEnabled || (!GetColumnStyle().Contains(csCanEdit) && !FInplaceEdit))
        return state;
    if (FOptions.Contains(coEditing))
        state.Include(ceEditable);
    if (FOptions.Contains(coCanInput))
        state.Include(ceCanInput);
    return state;
}

int TGxCustomColumn::GetCellBestFit(const std::string& value)
{
    TColumnDisplay* display = Display();
    const TCanvas* canvas = display && FDisplayClass.Canvas ? FDisplayClass.Canvas(*display) : nullptr;
    return std::max((canvas ? canvas->TextWidth(value) : 0) + 6, 8);
}

std::string TGxCustomColumn::GetDrawText(const TCellInfo& cell)
{
    std::string text = cell.AsString;
    if (OnGetDrawText)
        OnGetDrawText(this, text);
    return text;
}

void TGxCustomColumn::BeginEditing()
{
    TGxCustomEdit* editor = Editor();
    if (editor && FEditorClass.Prepare)
        FEditorClass.Prepare(*editor, FAlignment);
}

void TGxCustomColumn::Assign(const TPersistent* source)
{
    const auto* column = dynamic_cast<const TGxCustomColumn*>(source);
    if (!column) {
        TComponent::Assign(source);
        return;
    }
    SetAlignment(column->FAlignment);
    SetAutoEdit(column->FAutoEdit);
    SetColor(column->FColor);
    SetCursor(column->FCursor);
    SetDefaultValue(column->FDefaultValue);
    SetDrawingOptions(column->FDrawingOptions);
    SetFont(column->FFont.get());
    SetHeader(column->FHeader.get());
    SetFooter(column->FFooter.get());
    SetInputCaption(column->FInputCaption);
    SetInputValue(column->FInputValue);
    SetOptions(column->FOptions);
    SetParentFont(column->FParentFont);
    SetPosition(column->FPosition);
    SetSlideBounds(column->FSlideBounds.get());
    SetSorted(column->FSorted);
    SetSortKind(column->FSortKind);
    SetVerticalAlignment(column->FVerticalAlignment);
    SetVisible(column->FVisible);
    SetWidth(column->FWidth);
    SetWrapKind(column->FWrapKind);
}
