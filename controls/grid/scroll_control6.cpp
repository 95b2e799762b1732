#include "controls/grid/scroll_control6.h"

#include "platform/gui/windows/message_views.h"

TGxScrollControl6::TGxScrollControl6(TComponent* owner)
    : TGxStyledControl6(owner), horzScrollBar_(std::make_unique<TGxScrollBar6>(this, sbHorizontal)),
      vertScrollBar_(std::make_unique<TGxScrollBar6>(this, sbVertical))
{}

TGxScrollControl6::~TGxScrollControl6() = default;

void TGxScrollControl6::SetScrollBars(TGxScrollBars value)
{
    scrollBars_ = value;
    ApplyScrollBars();
}

void TGxScrollControl6::ApplyScrollBars()
{
    if (!HandleAllocated())
        return;
    horzScrollBar_->SetVisible(scrollBars_.Contains(sbHorizontal));
    vertScrollBar_->SetVisible(scrollBars_.Contains(sbVertical));
    Invalidate();
}

void TGxScrollControl6::DoContentScroll(int, int)
{
    if (OnContentScroll)
        OnContentScroll(this);
}

void TGxScrollControl6::ScrollContent(int, int, const TRect&, const TRect&) {}

void TGxScrollControl6::CreateParams(TCreateParams& params)
{
    TGxStyledControl6::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL;
}

void TGxScrollControl6::CreateWnd()
{
    TGxStyledControl6::CreateWnd();
    UpdateFrame();
    ApplyScrollBars();
}

void TGxScrollControl6::ScrollMessage(TMessage& message, TGxScrollBar6& bar, TNotifyEvent& event)
{
    const TGxScrollType scrollType = ScrollTypeOfCode(TScrollView(message).Code);
    bar.Scroll(scrollType);
    if (scrollType != stEndScroll && event)
        event(this);
}

void TGxScrollControl6::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_HSCROLL:
        ScrollMessage(message, *horzScrollBar_, OnHorizontalScroll);
        return;
    case WM_VSCROLL:
        TGxStyledControl6::Dispatch(message);
        ScrollMessage(message, *vertScrollBar_, OnVerticalScroll);
        return;
    default:
        TGxStyledControl6::Dispatch(message);
    }
}
