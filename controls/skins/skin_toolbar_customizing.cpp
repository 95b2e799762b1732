// The skinned toolbar's mouse: presses that open items or let clicks through, hints of the item under the
// pointer, and the drags that rearrange items while the toolbar is customized.

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_drag_objects.h"
#include "controls/skins/skin_glyphs.h"
#include "controls/skins/skin_toolbar.h"
#include "controls/toolbars/dock_helpers.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// --- presses and moves -------------------------------------------------------------------------------------

void TQvToolbar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (TryItemDrag(button, shift, x, y))
        return;
    TWinControl* parent = Parent();
    const TPoint origin = ClientToScreen({0, 0});
    TBarItemViewer* selected = View()->Selected();
    if (AllowItemMouseDown(selected ? selected->Item() : nullptr, button, shift, x, y))
        TBarCustomToolbar::MouseDown(button, shift, x, y);
    // The press may have run a whole menu loop, in which the toolbar may have moved.
    selected = View()->Selected();
    if (Parent() == parent && selected && ClientToScreen({0, 0}) == origin)
        ClickTransparentItem(selected->Item(), button, shift, x, y);
}

void TQvToolbar::ClickTransparentItem(TBarCustomItem* item, TMouseButton button, TShiftState, int, int)
{
    if (button == mbLeft && item && item->Enabled() && item->ItemStyle().Contains(tbisClicksTransparent) &&
        item->OnClick)
        item->OnClick(item);
}

void TQvToolbar::MouseMove(TShiftState shift, int x, int y)
{
    TBarCustomToolbar::MouseMove(shift, x, y);
    TBarItemViewer* selected = View()->Selected();
    if (!selected)
        return;
    if (!selected->Item()->EffectiveOptions().Contains(tboLongHintInMenuOnly))
        SetHint(selected->Item()->Hint());
    if (auto* skinned = dynamic_cast<TQvItemViewer*>(selected))
        skinned->InternalMouseMove(shift, x, y);
}

// --- customizing drags -------------------------------------------------------------------------------------

bool TQvToolbar::TryItemDrag(TMouseButton, TShiftState, int x, int y)
{
    FBeginDragIV = nullptr;
    if (!IsCustomizing())
        return false;
    if (FCustomizable) {
        TBarItemViewer* viewer = ViewerForDrop(Items(), View(), {x, y}, true);
        if (viewer && viewer->Item() && !dynamic_cast<TBarChevronItem*>(viewer->Item())) {
            FBeginDragIV = viewer;
            BeginDrag(true, -1);
        }
    }
    return true;
}

void TQvToolbar::DoStartDrag(TDragObject*& dragObject)
{
    if (IsCustomizing() && FCustomizable && FBeginDragIV && FBeginDragIV->Item())
        dragObject = new TQvItemDragObject(this, FBeginDragIV->Item());
    // The viewer may go with the next layout; the drag object holds the item.
    FBeginDragIV = nullptr;
    TBarCustomToolbar::DoStartDrag(dragObject);
}

void TQvToolbar::ShowDropMark(const TRect& mark)
{
    if (mark == FLastDropMark || !HandleAllocated())
        return;
    if (!IsRectEmpty(FLastDropMark))
        InvalidateRect(Handle(), &FLastDropMark, true);
    if (!IsRectEmpty(mark)) {
        TCanvas& canvas = *Canvas();
        canvas.Pen()->SetColor(clBtnText);
        canvas.Brush()->SetColor(clBtnText);
        DrawDropMark(canvas, mark);
    }
    FLastDropMark = mark;
}

void TQvToolbar::DragOver(TObject* source, int x, int y, TDragState state, bool& accept)
{
    TBarCustomToolbar::DragOver(source, x, y, state, accept);
    if (!IsCustomizing() || !FCustomizable)
        return;
    accept = true;
    TBarItemViewer* viewer = nullptr;
    int index = -1;
    TRect mark;
    GetDropPosition(Items(), View(), {x, y}, viewer, index, mark);
    ShowDropMark(mark);
}

void TQvToolbar::DragDrop(TObject* source, int x, int y)
{
    if (auto* drag = dynamic_cast<TQvItemDragObject*>(source); drag && drag->SouceItem()) {
        TBarCustomItem* item = drag->SouceItem();
        TBarItemViewer* destViewer = nullptr;
        int destIndex = -1;
        TRect mark;
        GetDropPosition(Items(), View(), {std::max(x, 0), std::max(y, 0)}, destViewer, destIndex, mark);
        if (item->Parent() == Items()) {
            const int origIndex = Items()->IndexOf(item);
            if (destIndex > origIndex)
                --destIndex;
            if (destIndex == origIndex) {
                // Dropped onto its own place: nothing moves.
                if (HandleAllocated() && !IsRectEmpty(FLastDropMark))
                    InvalidateRect(Handle(), &FLastDropMark, true);
                return;
            }
        }
        if (destViewer && destIndex < 0)
            return;
        if (MoveDroppedItem(item, destViewer, destIndex)) {
            // A control comes along from the toolbar it was dragged from.
            if (auto* control = dynamic_cast<TBarControlItem*>(item);
                control && control->Control() && drag->SourceControl() != this)
                control->Control()->SetParent(this);
        }
    }
    TBarCustomToolbar::DragDrop(source, x, y);
}

bool TQvToolbar::MoveDroppedItem(TBarCustomItem* item, TBarItemViewer* destViewer, int destIndex)
{
    TBarCustomItem* origParent = item->Parent();
    const int origIndex = origParent ? origParent->IndexOf(item) : -1;
    if (origParent)
        origParent->Remove(item);
    try {
        if (destViewer)
            Items()->Insert(destIndex, item);
        else
            Items()->Add(item);
        item->SetVisible(true);
        FLastDropMark = {};
        return true;
    } catch (const std::exception&) {
        // The item goes back where it came from; the drop is simply not made.
        if (origParent && !item->Parent())
            origParent->Insert(origIndex, item);
        return false;
    }
}
