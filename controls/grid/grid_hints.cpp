// The grid's hint window: header and footer hints, a cell's hint beside the cell, and the whole text of a
// cell that does not fit laid over the cut one. Hints show only while the grid's form is active and the
// application shows hints.

#include "controls/grid/column.h"
#include "controls/grid/column_display.h"
#include "controls/grid/columns.h"
#include "controls/grid/custom_grid.h"
#include "controls/grid/hint_calls.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/graphics/gdi.h"

#include <algorithm>

namespace {

// How far a cell's hint stands above the cell, and how wide it may be.
constexpr int kCellHintRise = 20;
constexpr int kCellHintMaxWidth = 250;

} // namespace

// A window of another class than the application's current one is replaced.
void TGxCustomGrid::CreateHintWindow()
{
    if (FHintWindow && HintWindowClass.IsClassOf(FHintWindow))
        return;
    FreeAndNil(FHintWindow);
    FHintWindow = HintWindowClass.Create(this);
    FHintWindow->SetColor(Application->HintColor());
}

// The text's rectangle with its top-left corner at the client point.
void TGxCustomGrid::ShowHintAt(TPoint clientPos, int maxWidth, const std::string& text)
{
    CreateHintWindow();
    TRect rect = CalcHintTextRect(*FHintWindow, maxWidth, text);
    const TPoint screen = ClientToScreen(clientPos);
    OffsetRect(rect, screen.X, screen.Y);
    ShowHintText(FHintWindow, rect, text);
}

bool TGxCustomGrid::HintsShown() const
{
    return IsParentFormActive(this) && Application->ShowHint();
}

void TGxCustomGrid::HideHint()
{
    ReleaseHintWindow(FHintWindow);
}

void TGxCustomGrid::ShowColumnHint(int X, int Y, const std::string& text)
{
    if (HintsShown())
        ShowHintAt({X, Y}, ClientWidth(), text);
}

// Right of the cell, rising above it.
void TGxCustomGrid::ShowCellHint(int ACol, int ARow, const std::string& text)
{
    if (!HintsShown())
        return;
    FHintPosition = hpCellHint;
    const TGxCustomColumn* column = Columns()->GetItem(ACol);
    const TRect cell = GetCellRect(ACol, ARow);
    const int width = GridStyle() == gsSlides ? column->SlideWidth() : column->Width();
    ShowHintAt({std::min(cell.Left + width, ClientWidth()), cell.Top - kCellHintRise}, kCellHintMaxWidth,
               text);
}

void TGxCustomGrid::ShowTextFitHint(int ACol, int ARow)
{
    if (!HintsShown())
        return;
    FHintPosition = hpTextFit;
    std::string text = GetHintText(ACol, ARow);
    Raise(OnApplyCell, ACol, ARow, text);
    if (text.empty()) {
        HideHint();
        return;
    }
    ShowHintAt(GetCellRect(ACol, ARow).TopLeft(), ClientWidth(), text);
}

// Measured as it is painted: the column's font with the cell's formatting.
bool TGxCustomGrid::IsTextFit(int ACol, int ARow)
{
    TGxCustomColumn* column = Columns()->GetItem(ACol);
    TColumnDisplay* display = PrepareMeasuring(ACol, ARow, GetCellRect(ACol, ARow));
    if (!display)
        return true;
    const int width = GridStyle() == gsSlides ? column->SlideWidth() : column->Width();
    return width >= display->GetContentWidth() + 5;
}
