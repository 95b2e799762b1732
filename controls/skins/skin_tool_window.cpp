#include "controls/skins/skin_tool_window.h"

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_docked_frame.h"
#include "controls/skins/skin_floating_frame.h"
#include "controls/skins/skin_manager.h"
#include "controls/toolbars/dock.h"
#include "platform/gui/windows/window_functions.h"

TQvCustomToolWindow::TQvCustomToolWindow(TComponent* owner) : TBarCustomDockableWindow(owner)
{
    SetBounds(Left(), Top(), FMinClientWidth, FMinClientHeight);
    SetColor(clNone);
    GetSkinManager().AddSkinNotification(this);
}

TQvCustomToolWindow::~TQvCustomToolWindow()
{
    Destroying();
    GetSkinManager().RemoveSkinNotification(this);
}

bool TQvCustomToolWindow::IsVertical() const
{
    return IsDockVertical(this);
}

TBarFloatingWindowParentClass TQvCustomToolWindow::FloatingFrameClass()
{
    return TBarFloatingWindowParentClass::Of<TQvFloatingWindowParent>();
}

// --- sizes -------------------------------------------------------------------------------------------------

TPoint TQvCustomToolWindow::CalcSize(TBarDock* dock)
{
    if (!dock || (!FullSize() && !Stretch()))
        return {FBarSize.cx, FBarSize.cy};
    // Along the dock the window takes what the dock gives; across it keeps its own size.
    if (dock->Vertical())
        return {FBarSize.cx, FMinClientHeight};
    return {FMinClientWidth, FBarSize.cy};
}

TPoint TQvCustomToolWindow::ComputeArrangement(bool, TBarDockKind, bool, TBarDock* newDock)
{
    return CalcSize(newDock);
}

void TQvCustomToolWindow::QueryBaseSize(TPoint& size)
{
    size = CalcSize(CurrentDock());
}

void TQvCustomToolWindow::QuerySizeLimits(int& minWidth, int& minHeight, int& maxWidth, int& maxHeight)
{
    minWidth = FMinClientWidth;
    minHeight = FMinClientHeight;
    maxWidth = FMaxClientWidth;
    maxHeight = FMaxClientHeight;
}

void TQvCustomToolWindow::ClientSizeChanging(int width, int height)
{
    FBarSize = {width, height};
    if (Parent()) {
        FBarSize.cx += ClientWidth() - Width();
        FBarSize.cy += ClientHeight() - Height();
    }
}

void TQvCustomToolWindow::SetClientAreaSize(int width, int height)
{
    if (Parent())
        SetBounds(Left(), Top(), Width() + width - ClientWidth(), Height() + height - ClientHeight());
    else
        SetBounds(Left(), Top(), width, height);
}

// --- painting ----------------------------------------------------------------------------------------------

void TQvCustomToolWindow::DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                           bool& paintDefault)
{
    if (OnDrawBackground)
        OnDrawBackground(this, canvas, rect, stage, paintDefault);
}

void TQvCustomToolWindow::DrawNCArea(bool drawToDC, HDC dc, const TRegion* clip)
{
    DrawSkinnedNCArea(*this, drawToDC, dc, clip);
}

TPoint TQvCustomToolWindow::GetFloatingBorderSize()
{
    return SkinnedFloatingBorderSize(TBarCustomDockableWindow::GetFloatingBorderSize());
}

void TQvCustomToolWindow::InvalidateBackground(bool invalidateChildren)
{
    if (ComponentState().Contains(csDestroying) || !HandleAllocated())
        return;
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | (invalidateChildren ? RDW_ALLCHILDREN : 0));
}

// --- the position store ------------------------------------------------------------------------------------

void TQvCustomToolWindow::ReadPositionData(const TBarReadPositionData& data)
{
    TBarCustomDockableWindow::ReadPositionData(data);
    if (!Resizable())
        return;
    const int width = data.ReadIntProc(Name(), "ClientWidth", FBarSize.cx, data.ExtraData);
    const int height = data.ReadIntProc(Name(), "ClientHeight", FBarSize.cy, data.ExtraData);
    SetClientAreaSize(width, height);
}

void TQvCustomToolWindow::WritePositionData(const TBarWritePositionData& data)
{
    TBarCustomDockableWindow::WritePositionData(data);
    data.WriteIntProc(Name(), "ClientWidth", Parent() ? ClientWidth() : Width(), data.ExtraData);
    data.WriteIntProc(Name(), "ClientHeight", Parent() ? ClientHeight() : Height(), data.ExtraData);
}

// --- messages ----------------------------------------------------------------------------------------------

void TQvCustomToolWindow::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        EraseSkinnedClientArea(*this, message);
        return;
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(message);
        return;
    case WM_SKINCHANGED:
        RedrawAfterSkinChange(*this);
        return;
    case CM_TEXTCHANGED:
        TBarCustomDockableWindow::Dispatch(message);
        RedrawFloatingCaption(*this);
        return;
    }
    TBarCustomDockableWindow::Dispatch(message);
}

void TQvCustomToolWindow::WMWindowPosChanged(TMessage& message)
{
    TBarCustomDockableWindow::Dispatch(message);
    InvalidateBackground(true);
    const auto* pos = reinterpret_cast<const TWindowPos*>(message.LParam);
    if (pos && (pos->flags & SWP_NOSIZE) == 0) {
        Realign();
        Update();
    }
}
