#include "controls/edits/scroll_box.h"

#include "controls/edits/component_version.h"
#include "controls/edits/property_store.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/window_functions.h"
#include "platform/gui/windows/window_theme.h"

TVezScrollBox::TVezScrollBox(TComponent* owner) : TScrollBox(owner)
{
    SetDoubleBuffered(true);
}

std::string TVezScrollBox::Version() const
{
    return VersionText(GetVersionNr());
}

void TVezScrollBox::SetBorderColor(TColor value)
{
    if (!StoreChanged(borderColor_, value))
        return;
    // The border is part of the frame: painting the frame again draws it at once. A box without its
    // window yet draws the border when the window first paints.
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Invalidate();
}

void TVezScrollBox::PaintWindow(HDC dc)
{
    PaintParentBackground(dc);
}

void TVezScrollBox::PaintParentBackground(HDC dc)
{
    DrawThemeParentBackground(Handle(), dc, nullptr);
}

void TVezScrollBox::DrawBorder(TCanvas& frame)
{
    if (BorderStyle() == bsNone || Ctl3D())
        return;
    frame.Pen()->SetColor(borderColor_);
    frame.Pen()->SetWidth(1);
    frame.Polyline({{0, Height()}, {0, 0}, {Width() - 1, 0}, {Width() - 1, Height() - 1}, {0, Height() - 1}});
}

void TVezScrollBox::Scrolled(TMessage& message, bool vertical)
{
    TScrollBox::Dispatch(message);
    Invalidate();
    const bool end = TScrollView(message).Code == SB_ENDSCROLL;
    const TNotifyEvent& event =
        vertical ? (end ? OnVScrollEnd : OnVScroll) : (end ? OnHScrollEnd : OnHScroll);
    if (event)
        event(this);
}

void TVezScrollBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        Scrolled(message, message.Msg == WM_VSCROLL);
        return;
    case WM_NCPAINT:
        TScrollBox::Dispatch(message);
        if (HDC frame = message.WParam > 1 ? TPaintView(message).DC : GetWindowDC(Handle()))
            DrawBorder(*frame);
        message.Result = 0;
        return;
    case CM_CONTROLCHANGE:
        TScrollBox::Dispatch(message);
        if (message.LParam != 0 && !ComponentState().Contains(csLoading))
            Invalidate();
        return;
    }
    TScrollBox::Dispatch(message);
}
