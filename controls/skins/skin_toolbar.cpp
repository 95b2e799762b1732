#include "controls/skins/skin_toolbar.h"

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_docked_frame.h"
#include "controls/skins/skin_floating_frame.h"
#include "controls/skins/skin_manager.h"
#include "controls/toolbars/dock_helpers.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

// The skinned toolbar's construction, properties, painting and messages.

TQvToolbar::TQvToolbar(TComponent* owner) : TBarCustomToolbar(owner)
{
    controlStyle_.Exclude(csOpaque);
    UseClassChoices();
    SetColor(clNone);
    Items()->RegisterNotification(ItemChangedProc<&TQvToolbar::ItemNotification>(this));
    GetSkinManager().AddSkinNotification(this);
}

TQvToolbar::~TQvToolbar()
{
    Destroying();
    GetSkinManager().RemoveSkinNotification(this);
    Items()->UnregisterNotification(ItemChangedProc<&TQvToolbar::ItemNotification>(this));
}

TBarToolbarViewClass TQvToolbar::ToolbarViewClass()
{
    return TBarToolbarViewClass::Of<TQvToolbarView>();
}

TBarChevronItemClass TQvToolbar::ChevronItemClass()
{
    return TBarChevronItemClass::Of<TQvChevronItem>();
}

TBarFloatingWindowParentClass TQvToolbar::FloatingFrameClass()
{
    return TBarFloatingWindowParentClass::Of<TQvFloatingWindowParent>();
}

// --- properties --------------------------------------------------------------------------------------------

void TQvToolbar::SetCustomizable(bool value)
{
    if (value != FCustomizable)
        FCustomizable = FMenuBar ? false : value;
}

void TQvToolbar::SetMenuBar(bool value)
{
    TBarCustomToolbar::SetMenuBar(value);
    FMenuBar = TBarCustomToolbar::MenuBar();
    FCustomizable = !FMenuBar;
}

void TQvToolbar::SetDisplayMode(TQvToolbarDisplayMode value)
{
    if (value == FDisplayMode)
        return;
    FDisplayMode = value;
    TBarItemOptions options = Options();
    if (value == tbdmImageAboveCaption)
        options += TBarItemOptions{tboImageAboveCaption, tboSameWidth};
    else
        options -= TBarItemOptions{tboImageAboveCaption, tboSameWidth};
    SetOptions(options);
    View()->UpdatePositions();
}

int TQvToolbar::MaxSize() const
{
    return View() ? View()->MaxSize() : -1;
}

void TQvToolbar::SetMaxSize(int value)
{
    if (View())
        View()->SetMaxSize(value);
}

bool TQvToolbar::IsVertical() const
{
    return IsDockVertical(this);
}

void TQvToolbar::EndCustomizing()
{
    if (FCustomizingCount > 0)
        --FCustomizingCount;
}

int TQvToolbar::NonClientHeight() const
{
    // The framework measures its frame through a non-const virtual; measuring changes nothing.
    return const_cast<TQvToolbar*>(this)->TBarCustomDockableWindow::NonClientHeight();
}

int TQvToolbar::RightAlignMargin()
{
    return IsVertical() ? TBarCustomDockableWindow::NonClientHeight() : NonClientWidth();
}

TColor TQvToolbar::ItemsTextColor(TQvSkinStatesType state)
{
    const bool menuBar = View() && View()->Style().Contains(vsMenuBar);
    return GetCurrentSkin()->GetTextColor(menuBar ? skncMenuBarItem : skncToolbarItem, state);
}

// --- the position store ------------------------------------------------------------------------------------

void TQvToolbar::ReadPositionData(const TBarReadPositionData& data)
{
    TBarCustomToolbar::ReadPositionData(data);
    const int mode = data.ReadIntProc(Name(), "DisplayMode", 0, data.ExtraData);
    // A value no display mode has leaves the toolbar as it is.
    if (mode >= tbdmSelectiveCaption && mode <= tbdmTextOnly)
        SetDisplayMode(static_cast<TQvToolbarDisplayMode>(mode));
}

void TQvToolbar::WritePositionData(const TBarWritePositionData& data)
{
    TBarCustomToolbar::WritePositionData(data);
    data.WriteIntProc(Name(), "DisplayMode", FDisplayMode, data.ExtraData);
}

// --- painting ----------------------------------------------------------------------------------------------

void TQvToolbar::DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage, bool& paintDefault)
{
    if (OnDrawBackground)
        OnDrawBackground(this, canvas, rect, stage, paintDefault);
}

TPoint TQvToolbar::GetFloatingBorderSize()
{
    return SkinnedFloatingBorderSize(TBarCustomToolbar::GetFloatingBorderSize());
}

void TQvToolbar::DrawNCArea(bool drawToDC, HDC dc, const TRegion* clip)
{
    DrawSkinnedNCArea(*this, drawToDC, dc, clip);
}

void TQvToolbar::RepaintBackgroundOnly(bool withFrame)
{
    if (!HandleAllocated())
        return;
    std::vector<TRect> items;
    for (int i = 0; i < View()->ViewerCount(); ++i) {
        TBarItemViewer* viewer = View()->Viewers(i);
        if (viewer->Show() && !IsRectEmpty(viewer->BoundsRect()) &&
            !dynamic_cast<TBarControlItem*>(viewer->Item())) {
            View()->Invalidate(viewer);
            items.push_back(viewer->BoundsRect());
        }
    }
    Update();
    if (withFrame)
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
    else
        InvalidateRect(Handle(), nullptr, true);
    for (const TRect& r : items)
        ValidateRect(Handle(), &r);
}

// --- messages ----------------------------------------------------------------------------------------------

void TQvToolbar::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        EraseSkinnedClientArea(*this, message);
        return;
    case WM_SIZE:
        WMSize(message);
        return;
    case WM_SKINCHANGED:
        RedrawAfterSkinChange(*this);
        return;
    case CM_HINTSHOW:
        CMHintShow(message);
        return;
    case CM_DIALOGCHAR:
        CMDialogChar(message);
        return;
    case CM_CONTROLCHANGE:
        CMControlChange(message);
        return;
    case CM_MOUSELEAVE:
        TBarCustomToolbar::Dispatch(message);
        if (IsCustomizing() && FCustomizable && HandleAllocated() && !IsRectEmpty(FLastDropMark))
            InvalidateRect(Handle(), &FLastDropMark, true);
        return;
    case CM_TEXTCHANGED:
        TBarCustomToolbar::Dispatch(message);
        RedrawFloatingCaption(*this);
        return;
    }
    TBarCustomToolbar::Dispatch(message);
}

void TQvToolbar::WMSize(TMessage& message)
{
    TBarCustomToolbar::Dispatch(message);
    // While the dock itself is resized it repaints its toolbars once it is done.
    auto* dock = dynamic_cast<TQvDock*>(CurrentDock());
    if (Docked() && dock && !dock->IsResizing())
        RepaintBackgroundOnly(false);
}

void TQvToolbar::CMHintShow(TMessage& message)
{
    THintInfo& info = *reinterpret_cast<THintInfo*>(message.LParam);
    info.HintStr.clear();
    TBarItemViewer* selected = View()->Selected();
    if (!selected)
        return;
    info.CursorRect = selected->BoundsRect();
    info.HintStr = selected->GetHintText();
    if (auto* skinned = dynamic_cast<TQvItemViewer*>(selected))
        skinned->CMHintShow(info);
    else
        selected->Dispatch(message);
}

void TQvToolbar::CMDialogChar(TMessage& message)
{
    if (Enabled() && Visible()) {
        const auto charCode = static_cast<uint32_t>(message.WParam);
        for (int i = 0; i < Items()->Count(); ++i) {
            auto* item = dynamic_cast<TQvCustomItem*>(Items()->Items(i));
            if (item && item->DialogChar(charCode)) {
                message.Result = 1;
                return;
            }
        }
    }
    TBarCustomToolbar::Dispatch(message);
}

void TQvToolbar::CMControlChange(TMessage& message)
{
    const bool inserted = message.LParam != 0;
    if (!FCompoundToolbar || !inserted || ComponentState().Contains(csLoading) || IsUpdating()) {
        TBarCustomToolbar::Dispatch(message);
        return;
    }
    InsertControlItem(Items()->Count(), reinterpret_cast<TControl*>(message.WParam));
}

TBarControlItem* TQvToolbar::InsertControlItem(int index, TControl* control)
{
    TBarCustomItem* tree = Items();
    if (FCompoundToolbar) {
        auto* owner = dynamic_cast<ITBItems*>(Owner());
        if (!owner || !owner->GetItems())
            return nullptr;
        tree = owner->GetItems();
        if (index > tree->Count())
            index = 0;
    }
    // One item per control, looked for where the item would go.
    if (FindControlItem(Items(), control, true) || FindControlItem(tree, control, true))
        return nullptr;
    // The item belongs to the form that owns the compound bar.
    auto* item = new TBarControlItem(Owner() ? Owner()->Owner() : nullptr);
    item->SetControl(control);
    tree->Insert(index, item);
    return item;
}
