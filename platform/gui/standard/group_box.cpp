#include "platform/gui/standard/group_box.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/message_views.h"

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents,     csSetCaption,
                     csDoubleClicks,    csReplicatable, csParentBackground};
    SetParentColor(true);
    SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::CaptionHeight() const
{
    TCanvas canvas;
    canvas.SetFont(Font());
    return canvas.TextHeight("0");
}

void TCustomGroupBox::AdjustClientRect(TRect& rect) const
{
    TCustomControl::AdjustClientRect(rect);
    rect = Rect(rect.Left + 2, rect.Top + CaptionHeight() + 2, rect.Right - 2, rect.Bottom - 2);
}

void TCustomGroupBox::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect client = ClientRect();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
    const int captionHeight = CaptionHeight();
    TRect frame = Rect(client.Left, client.Top + captionHeight / 2, client.Right, client.Bottom);
    if (HTHEME theme = OpenThemeData("Button")) {
        DrawThemeBackground(theme, canvas, BP_GROUPBOX, EffectiveEnabled() ? 1 : 2, frame);
        CloseThemeData(theme);
    } else {
        DrawEdge(canvas, frame, EDGE_ETCHED, BF_RECT);
    }
    if (Caption().empty())
        return;
    canvas.SetFont(Font());
    TRect text = Rect(8, 0, client.Right - 8, captionHeight);
    DrawText(canvas, Caption(), text, DT_CALCRECT | DT_SINGLELINE);
    // The caption's own background breaks the frame line under it.
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(Rect(text.Left - 2, text.Top, text.Right + 2, text.Bottom));
    canvas.Brush()->SetStyle(bsClear);
    DrawControlText(canvas, Caption(), text, DT_SINGLELINE, EffectiveEnabled());
}

void TCustomGroupBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (IsAccel(TCharView(message).Char(), Caption()) && CanFocus()) {
            SelectNext(nullptr, true, true);
            message.Result = 1;
            return;
        }
        break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        Realign();
        Invalidate();
        break;
    }
    TCustomControl::Dispatch(message);
}
