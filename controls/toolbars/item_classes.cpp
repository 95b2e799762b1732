#include "controls/toolbars/item_classes.h"

#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/item_metrics.h"
#include "controls/toolbars/view.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/control.h"

TBarGroupItem::TBarGroupItem(TComponent* owner) : TBarCustomItem(owner)
{
    FItemStyle += {tbisEmbeddedGroup, tbisSubitemsEditable};
}

TBarSeparatorItem::TBarSeparatorItem(TComponent* owner) : TBarCustomItem(owner)
{
    FItemStyle -= {tbisSelectable, tbisRedrawOnSelChange, tbisRedrawOnMouseOverChange};
    FItemStyle += {tbisSeparator, tbisClicksTransparent};
}

void TBarSeparatorItem::SetBlank(bool value)
{
    if (value == FBlank)
        return;
    FBlank = value;
    Change(false);
}

TBarItemViewerClass TBarSeparatorItem::GetItemViewerClass(TBarView*)
{
    return TBarItemViewerClass::Of<TBarSeparatorItemViewer>();
}

TBarControlItem::TBarControlItem(TComponent* owner) : TBarCustomItem(owner)
{
    FItemStyle -= tbisSelectable;
    FItemStyle += tbisClicksTransparent;
}

TBarControlItem::~TBarControlItem()
{
    if (FControl && !FDontFreeControl)
        FControl->Free();
}

void TBarControlItem::SetControl(TControl* value)
{
    if (value == FControl)
        return;
    FControl = value;
    if (value)
        value->FreeNotification(this);
    Change(true);
}

void TBarControlItem::Notification(TComponent* component, TOperation operation)
{
    TBarCustomItem::Notification(component, operation);
    if (operation == opRemove && component == FControl)
        FControl = nullptr;
}

void TBarSeparatorItemViewer::CalcSize(TCanvas&, int& width, int& height)
{
    if (IsToolbarStyle()) {
        width = height = ScaleForDPI(6);
        return;
    }
    // A menu stretches the line across its column.
    height = ScaleForDPI(10);
}

void TBarSeparatorItemViewer::Paint(TCanvas& canvas, const TRect& clientAreaRect, bool, bool, bool)
{
    if (auto* separator = dynamic_cast<TBarSeparatorItem*>(Item()); separator && separator->Blank())
        return;
    const bool menu = !IsToolbarStyle();
    const bool lineBreak = State.Contains(tbvsIsLineSeparator);
    const bool horizontal = (menu || View()->Orientation() == tbvoVertical) != lineBreak;
    const int s1 = ScaleForDPI(1);
    TRect r = clientAreaRect;
    if (horizontal) {
        r.Top = r.Bottom / 2 - s1;
        const int inset = menu                                    ? MenuSeparatorInset()
                          : !lineBreak                            ? 0
                          : View()->Orientation() == tbvoFloating ? SeparatorLineOffset()
                                                                  : SeparatorEdgeInset();
        InflateRect(r, -inset, 0);
        DrawEdge(canvas, r, EDGE_ETCHED, BF_TOP);
    } else {
        r.Left = r.Right / 2 - s1;
        if (lineBreak)
            InflateRect(r, 0, -SeparatorEdgeInset());
        DrawEdge(canvas, r, EDGE_ETCHED, BF_LEFT);
    }
}
