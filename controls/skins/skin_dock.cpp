#include "controls/skins/skin_dock.h"

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_bar_painting.h"
#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_tool_window.h"
#include "controls/skins/skin_toolbar.h"
#include "controls/toolbars/dockable_window.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

TQvDock::TQvDock(TComponent* owner) : TBarDock(owner)
{
    SetColor(clNone);
    GetSkinManager().AddSkinNotification(this);
}

TQvDock::~TQvDock()
{
    GetSkinManager().RemoveSkinNotification(this);
}

void TQvDock::DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage, bool& paintDefault)
{
    if (OnDrawBackground)
        OnDrawBackground(this, canvas, rect, stage, paintDefault);
}

void TQvDock::DrawBackground(HDC dc, const TRect& drawRect)
{
    if (IsDestroying() || !dc)
        return;
    TCanvas& canvas = *dc;
    bool paintDefault = true;
    DoDrawBackground(canvas, drawRect, pstPrePaint, paintDefault);
    if (paintDefault)
        PaintDefaultBackground(canvas, drawRect);
    paintDefault = true;
    DoDrawBackground(canvas, drawRect, pstPostPaint, paintDefault);
}

void TQvDock::PaintDefaultBackground(TCanvas& canvas, const TRect& rect)
{
    if (DockBackgroundInUse(this))
        TBarDock::DrawBackground(&canvas, rect);
    else if (Color() == clNone)
        PaintDockBackground(canvas, rect, Vertical());
    else
        FillRectColors(canvas, rect, Color(), clNone);
}

bool TQvDock::CanResize(int& newWidth, int& newHeight)
{
    FPrevWidth = Width();
    FPrevHeight = Height();
    return TBarDock::CanResize(newWidth, newHeight);
}

void TQvDock::Resize()
{
    TBarDock::Resize();
    const bool shorter = Vertical() ? Height() < FPrevHeight : Width() < FPrevWidth;
    if (shorter) {
        for (TBarCustomDockableWindow* window : std::vector(DockVisibleList)) {
            if (auto* toolbar = dynamic_cast<TQvToolbar*>(window))
                toolbar->Resize();
        }
    }
    RepaintWindows();
}

void TQvDock::RepaintWindows()
{
    for (TBarCustomDockableWindow* window : std::vector(DockVisibleList)) {
        Invalidate();
        if (auto* toolbar = dynamic_cast<TQvToolbar*>(window)) {
            toolbar->RepaintBackgroundOnly(true);
        } else if (auto* toolWindow = dynamic_cast<TQvCustomToolWindow*>(window);
                   toolWindow && toolWindow->HandleAllocated()) {
            RedrawWindow(toolWindow->Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
        }
    }
}

void TQvDock::DispatchFlagged(TMessage& message, bool& flag)
{
    flag = true;
    try {
        TBarDock::Dispatch(message);
    } catch (...) {
        flag = false;
        throw;
    }
    flag = false;
}

void TQvDock::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        DrawBackground(TPaintView(message).DC, ClientRect());
        message.Result = 1;
        return;
    case WM_MOVE:
        DispatchFlagged(message, FMoving);
        return;
    case WM_SIZE:
        DispatchFlagged(message, FResizing);
        return;
    case WM_SKINCHANGED:
        Invalidate();
        return;
    }
    TBarDock::Dispatch(message);
}
