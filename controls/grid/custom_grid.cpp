// The middle class's creation, its message switch and the loading of a column's play.

#include "controls/grid/custom_grid.h"

#include "controls/grid/column.h"
#include "controls/grid/column_drag_box.h"
#include "controls/grid/column_play.h"
#include "controls/grid/columns.h"
#include "controls/grid/drag_arrow.h"
#include "controls/grid/grid_cursors.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/timers.h"
#include "support/system_colors.h"

TGxCustomGrid::TGxCustomGrid(TComponent* owner) : TGxCustomGridControl(owner)
{
    controlStyle_ += {csDoubleClicks, csReplicatable, csGestures};
    SetColor(clWindow);
    SetParentColor(false);
    RegisterGridCursor(crHorzSplit, "HORZSPLIT");
    RegisterGridCursor(crColumnNoDrag, "COLUMNNODRAG");
    RegisterGridCursor(crVertSplit, "VERTSPLIT");
    RegisterGridCursor(crIndicatorSelect, "INDICATORSELECT");
    FColumnDragBox = new TColumnDragBox(this);
    FColumnDragBox->OnDragBoxMove = [this](TObject*, int X, int Y) { DragBoxMove(X, Y); };
    FColumnDragBox->OnDragBoxDrop = [this](TObject*, int X, int Y) { DragBoxDrop(X, Y); };
    FDownDragArrow = new TDragArrow(this);
    FUpDragArrow = new TDragArrow(this);
    FSearchTimer = new TTimer(this);
    FSearchTimer->SetEnabled(false);
    FSearchTimer->SetInterval(700);
    FSearchTimer->OnTimer = [this](TObject*) {
        FSearchBuffer.clear();
        FSearchTimer->SetEnabled(false);
    };
}

TGxCustomGrid::~TGxCustomGrid()
{
    FreeAndNil(FColumnDragBox);
    FreeAndNil(FDownDragArrow);
    FreeAndNil(FUpDragArrow);
    if (FHintWindow)
        FHintWindow->ReleaseHandle();
}

// The arrows take their shapes, and the drag box its window, which hears when the program goes to the
// background.
void TGxCustomGrid::CreateWnd()
{
    TGxCustomGridControl::CreateWnd();
    FDownDragArrow->SetArrowKind(akDown);
    FUpDragArrow->SetArrowKind(akUp);
    FColumnDragBox->HandleNeeded();
    HorzScrollBar()->SetLargeChange(10);
    HorzScrollBar()->SetSmallChange(5);
    VertScrollBar()->SetLargeChange(10);
}

void TGxCustomGrid::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETFOCUS:
        TGxCustomGridControl::Dispatch(message);
        FocusGained();
        return;
    case WM_KILLFOCUS:
        TGxCustomGridControl::Dispatch(message);
        FocusLost();
        return;
    case WM_GETDLGCODE:
        message.Result = DialogCode();
        return;
    case CM_CHILDKEY:
        ChildKey(message);
        return;
    case WM_SIZE:
        SizeChanged();
        TGxCustomGridControl::Dispatch(message);
        return;
    case WM_VSCROLL:
        ApplyAndEndEditing();
        UpdateVertScrollBar();
        TGxCustomGridControl::Dispatch(message);
        return;
    case WM_HSCROLL:
        HorzScrollMessage(message);
        return;
    case CM_FONTCHANGED:
        TGxCustomGridControl::Dispatch(message);
        ColumnsTakeGridFont();
        return;
    case CM_PARENTFONTCHANGED:
        TGxCustomGridControl::Dispatch(message);
        if (ParentFont())
            ColumnsTakeGridFont();
        return;
    case WM_ACTIVATEAPP:
        if (message.WParam == 0)
            AppDeactivated();
        RefreshSelection();
        return;
    case CM_MOUSELEAVE:
        if (message.LParam == 0)
            MouseLeft();
        TGxCustomGridControl::Dispatch(message);
        return;
    default:
        TGxCustomGridControl::Dispatch(message);
    }
}

void TGxCustomGrid::Paint()
{
    TGxCustomGridControl::Paint();
    PaintGuides();
    if (FGridState.Contains(gtRowMoving) && FOldRowPosition >= 0)
        PaintDropIndicator(FOldRowPosition);
}

bool TGxCustomGrid::PreparePlay(int ACol, int ARow, const TRect& cellRect, bool askBeforeEdit)
{
    if (askBeforeEdit) {
        bool accept = true;
        Raise(OnBeforeEdit, ACol, ARow, accept);
        if (!accept)
            return false;
    }
    TGxCustomColumn* column = Columns()->GetItem(ACol);
    TColumnPlay* play = column->Play();
    play->SetCol(ACol);
    play->SetRow(ARow);
    play->SetColumn(column);
    play->SetHandle(HandleAllocated() ? Handle() : nullptr);
    Canvas()->SetFont(column->Font());
    play->SetCanvas(Canvas());
    play->SetClientRect(cellRect);
    play->OnChange = [this](TObject* sender) { PlayChange(sender); };
    play->OnExpand = [this](TObject* sender) { PlayExpand(sender); };
    LoadPlayValue(play);
    return true;
}

// Report layout: header, input row, body, footer, indicator, in this order; slides: the header (less its
// last pixel on the right and at the bottom), else the body.
TGridArea TGxCustomGrid::AreaAt(int X, int Y) const
{
    const TPoint p{X, Y};
    const TGridOptions options = Options();
    if (GridStyle() == gsSlides) {
        TRect header = GetHeaderRect();
        --header.Right;
        --header.Bottom;
        return options.Contains(goHeader) && PtInRect(header, p) ? gaHeader : gaBody;
    }
    if (options.Contains(goHeader) && PtInRect(GetHeaderRect(), p))
        return gaHeader;
    if (options.Contains(goInput) && PtInRect(GetInputRect(), p))
        return gaInput;
    if (PtInRect(GetBodyRect(), p))
        return gaBody;
    if (options.Contains(goFooter) && PtInRect(GetFooterRect(), p))
        return gaFooter;
    if (options.Contains(goIndicator) && PtInRect(GetIndicatorRect(), p))
        return gaIndicator;
    return gaNone;
}
