#include "controls/pack/panel_base.h"

TKvpEventPanel::TKvpEventPanel(TComponent* owner) : TCustomPanel(owner)
{
    SetBevelOuter(bvNone);
}

void TKvpEventPanel::Paint()
{
    const TRect r = ClientRect();
    DrawBackground(r);
    if (OnAfterDrawBackground)
        OnAfterDrawBackground(this);
    if (!Caption().empty() && ShowCaption())
        DrawCaption(r);
    if (OnPaint)
        OnPaint(this);
}

void TKvpEventPanel::VisibleChanging()
{
    TCustomPanel::VisibleChanging();
    if (OnVisibleChanging)
        OnVisibleChanging(this);
}

void TKvpEventPanel::Dispatch(TMessage& message)
{
    if (message.Msg == WM_DROPFILES && OnDragDropFiles) {
        OnDragDropFiles(this, message);
        return;
    }
    TCustomPanel::Dispatch(message);
}

void TKvpCustomBasePanel::SetLayout(TTextLayout value)
{
    FLayout = value;
    Invalidate();
}
