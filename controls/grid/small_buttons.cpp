#include "controls/grid/small_buttons.h"

#include "controls/grid/alpha_drawing.h"
#include "controls/grid/cell_edit.h"
#include "controls/grid/text_drawing.h"
#include "controls/grid/ux_themes.h"
#include "platform/gui/graphics/gdi.h"

// --- the small button --------------------------------------------------------------------------------------

TGxSmallButton::TGxSmallButton(TComponent* owner, TGxCustomEdit* cellEditor)
    : TCustomControl(owner), cellEditor_(cellEditor)
{
    SetTabStop(false);
}

void TGxSmallButton::SetCaption(const std::string& value)
{
    caption_ = value;
    Invalidate();
}

void TGxSmallButton::SetDown(bool value)
{
    down_ = value;
    Invalidate();
}

void TGxSmallButton::SetHover(bool value)
{
    hover_ = value;
    Invalidate();
}

void TGxSmallButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (cellEditor_ && cellEditor_->Visible() && cellEditor_->CanFocus())
        cellEditor_->SetFocus();
    SetDown(true);
    if (OnButtonDown)
        OnButtonDown(this);
}

void TGxSmallButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !down_)
        return;
    SetDown(false);
    if (OnButtonClick)
        OnButtonClick(this);
}

void TGxSmallButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TCustomControl::Dispatch(message);
        if (message.LParam == 0)
            SetHover(message.Msg == CM_MOUSEENTER);
        return;
    default:
        TCustomControl::Dispatch(message);
    }
}

// --- the execute button ------------------------------------------------------------------------------------

TGxExecuteButton::TGxExecuteButton(TComponent* owner, TGxCustomEdit* cellEditor)
    : TGxSmallButton(owner, cellEditor)
{
    SetWidth(21);
}

TGxExecuteButton::~TGxExecuteButton()
{
    CloseTheme();
}

void TGxExecuteButton::SetGlyph(TBitmap* value)
{
    glyph_ = value;
    Invalidate();
}

void TGxExecuteButton::CloseTheme()
{
    CloseThemeData(theme_);
    theme_ = nullptr;
}

void TGxExecuteButton::CreateWnd()
{
    TGxSmallButton::CreateWnd();
    if (!theme_ && UxThemesActive())
        theme_ = OpenThemeData("button");
}

void TGxExecuteButton::Dispatch(TMessage& message)
{
    TGxSmallButton::Dispatch(message);
    if (message.Msg == WM_THEMECHANGED) {
        CloseTheme();
        if (UxThemesActive())
            theme_ = OpenThemeData("button");
        Invalidate();
    }
}

void TGxExecuteButton::PaintFace(TCanvas& canvas)
{
    const TRect client = ClientRect();
    const bool disabled = CellEditor() && !CellEditor()->EffectiveEnabled();
    if (UxThemesActive() && theme_) {
        canvas.FillRect(client);
        const int state = disabled ? PBS_DISABLED : Down() ? PBS_PRESSED : Hover() ? PBS_HOT : PBS_NORMAL;
        DrawThemeBackground(theme_, canvas, BP_PUSHBUTTON, state,
                            {client.Left - 1, client.Top - 1, client.Right + 1, client.Bottom + 1});
        return;
    }
    if (Down()) {
        canvas.Brush()->SetColor(clBtnFace);
        canvas.Pen()->SetColor(clBtnShadow);
        canvas.Rectangle(client);
        return;
    }
    TRect r = client;
    DrawFrameControl(canvas, r, DFC_BUTTON,
                     DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (disabled ? DFCS_INACTIVE : 0));
}

void TGxExecuteButton::Paint()
{
    TCanvas& canvas = *Canvas();
    PaintFace(canvas);
    if (glyph_ && !glyph_->Empty())
        ApplyBitmap(canvas, Width() / 2 - glyph_->Width() / 2, Height() / 2 - glyph_->Height() / 2, *glyph_);
    canvas.Font()->Assign(Font());
    DrawTextRectEx(canvas, ClientRect(), taCenter, Caption(), bdLeftToRight);
}
