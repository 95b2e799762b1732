// The combo box's own painting: borders (a colour of their own, the flat rings and bottom line, the
// disabled border), the flat button edge and a button in custom colours. It runs only when the combo is
// flat or has a border or button colour; otherwise the layer's combo box paints alone.

#include "controls/edits/combo_box.h"

#include "controls/edits/theme_binding.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

namespace {

constexpr TColor DisabledBorderColor = 0xB99D7F;

enum TComboButtonState
{
    cbsNormal = 1,
    cbsHot = 2,
    cbsPressed = 3,
    cbsDisabled = 4
};

bool AnyMouseButtonDown()
{
    return GetAsyncKeyState(VK_RBUTTON) < 0 || GetAsyncKeyState(VK_LBUTTON) < 0;
}

void Frame(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FrameRect(rect);
}

} // namespace

TPoint TVezCustomCombo::ClientInWindow() const
{
    if (!HandleAllocated())
        return {(Width() - ClientWidth()) / 2, (Height() - ClientHeight()) / 2};
    TRect window;
    GetWindowRect(const_cast<TVezCustomCombo*>(this)->Handle(), window);
    const TPoint origin = ClientOrigin();
    return {origin.X - window.Left, origin.Y - window.Top};
}

bool TVezCustomCombo::ThemedActive() const
{
    return commonControls6_ && ComboBoxThemeBinding().IsThemeActive();
}

bool TVezCustomCombo::Active() const
{
    return mouseInControl_ || Screen->ActiveControl() == this;
}

// Whether WM_PAINT paints the combo's own way.
bool TVezCustomCombo::OwnPainting() const
{
    return flat_ || buttonColor_ != clNone || borderColor_ != clNone ||
           (focusBorderColor_ != clNone && hasFocus_) || (!Enabled() && ThemedActive() && !disabledBorder_);
}

// Whether the border routine draws anything at all.
bool TVezCustomCombo::DrawsBorders() const
{
    return !Enabled() || flat_ || borderColor_ != clNone || focusBorderColor_ != clNone;
}

// The borders are drawn in the frame and over the client's edge: both are painted again.
void TVezCustomCombo::RedrawBorders()
{
    if (!HandleAllocated() || !DrawsBorders())
        return;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TVezCustomCombo::PaintFrame(TMessage& message)
{
    TCustomComboBox::Dispatch(message);
    const bool borders = flat_ || (!Enabled() && ThemedActive() && !disabledBorder_) ||
                         (focusBorderColor_ != clNone && Focused()) || borderColor_ != clNone;
    if (!borders)
        return;
    if (HDC frame = message.WParam > 1 ? TPaintView(message).DC : GetWindowDC(Handle()))
        PaintBorders(*frame);
}

void TVezCustomCombo::PaintClient(TMessage& message)
{
    HDC dc = TPaintView(message).DC;
    if (!dc || !OwnPainting()) {
        TCustomComboBox::Dispatch(message);
        return;
    }
    TCanvas& canvas = *dc;
    // Drawn in window coordinates: the client area starts inside the frame.
    const TPoint offset = ClientInWindow();
    const int saved = SaveDC(canvas);
    MoveWindowOrg(canvas, -offset.X, -offset.Y);
    if (Style() != csSimple) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect({offset.X, offset.Y, offset.X + ClientWidth(), offset.Y + ClientHeight()});
        PaintButton(canvas);
    }
    // The layer's combo paints its face around the button drawn here.
    MoveWindowOrg(canvas, offset.X, offset.Y);
    TCustomComboBox::Dispatch(message);
    RestoreDC(canvas, saved);
    const int again = SaveDC(canvas);
    MoveWindowOrg(canvas, -offset.X, -offset.Y);
    PaintBorders(canvas);
    RestoreDC(canvas, again);
}

void TVezCustomCombo::PaintBorders(TCanvas& window)
{
    if (Enabled() && !flat_ && borderColor_ == clNone && focusBorderColor_ == clNone)
        return;
    const TRect whole = WholeWindow();
    const bool focused = Focused();
    if (!Enabled() && commonControls6_ && !disabledBorder_)
        Frame(window, whole, DisabledBorderColor);
    else if (borderColor_ != clNone && !(focused && focusBorderColor_ != clNone))
        Frame(window, whole, borderColor_);
    else if (focusBorderColor_ != clNone) {
        if (focused)
            Frame(window, whole, focusBorderColor_);
    } else
        PaintFlatBorder(window, whole);
    if (Style() != csSimple && !(xpOrLater_ && ThemedActive()))
        PaintFlatButton(window, whole);
}

// Three rings: the parent's colour (a sunken edge while hot with FocusBorder), the parent's colour again
// beside the button strip, and the combo's own colour; in the flat look a line along the bottom.
void TVezCustomCombo::PaintFlatBorder(TCanvas& window, const TRect& whole)
{
    const bool focusBorderActive = Active() && focusBorder_;
    const TColor outer = focusBorderActive ? clBtnFace : (Parent() ? Parent()->Color() : clBtnFace);
    TRect ring = whole;
    if (focusBorderActive) {
        DrawEdge(window, ring, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        Frame(window, ring, outer);
        InflateRect(ring, -1, -1);
        Frame(window, ring, Color());
    } else {
        Frame(window, ring, outer);
        InflateRect(ring, -1, -1);
        Frame(window, {ring.Left, ring.Top, ring.Right - buttonWidth_, ring.Bottom}, outer);
        InflateRect(ring, -1, -1);
        Frame(window, ring, Color());
    }
    if (flat_ && flatLineColor_ != clNone) {
        window.Pen()->SetStyle(psSolid);
        window.Pen()->SetWidth(1);
        window.Pen()->SetColor(flatLineColor_);
        window.MoveTo(0, Height() - 1);
        window.LineTo(Width() - buttonWidth_ - 3, Height() - 1);
    }
}

// The button's edge drawn flat: raised or etched while the combo is hot, else filled in the face colour
// around the arrow.
void TVezCustomCombo::PaintFlatButton(TCanvas& window, const TRect& whole)
{
    const int width = Width();
    const int height = Height();
    const int saved = SaveDC(window);
    ExcludeClipRect(window, width - buttonWidth_ + 4, 4, width - 4, height - 4);
    TRect button{whole.Left + width - buttonWidth_ - 2, whole.Top, whole.Right, whole.Bottom};
    InflateRect(button, -2, -2);
    if (Active()) {
        DrawEdge(window, button, etched_ ? EDGE_ETCHED : EDGE_RAISED,
                 BF_RECT | (DroppedDown() ? BF_FLAT : 0));
    } else {
        window.Brush()->SetStyle(bsSolid);
        window.Brush()->SetColor(clBtnFace);
        window.FillRect({button.Left, button.Top + 1, button.Right - 1, button.Bottom - 1});
    }
    RestoreDC(window, saved);
}

void TVezCustomCombo::PaintButton(TCanvas& window)
{
    TRect button{Width() - buttonWidth_ + 2, 0, Width(), Height()};
    InflateRect(button, -1, -1);
    if (buttonColor_ != clNone) {
        PaintColouredButton(window, button);
    } else if (ThemedActive()) {
        const TThemeBinding& themes = ComboBoxThemeBinding();
        if (HTHEME theme = themes.OpenThemeData("combobox")) {
            const bool down = AnyMouseButtonDown();
            const int state = !Enabled()                               ? cbsDisabled
                              : down && DroppedDown()                  ? cbsPressed
                              : down || !buttonHover_ || DroppedDown() ? cbsNormal
                                                                       : cbsHot;
            themes.DrawThemeBackground(theme, window, 1, state, button);
            themes.CloseThemeData(theme);
        }
    } else {
        DrawFrameControl(window, button, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    }
    ExcludeClipRect(window, Width() - buttonWidth_ - 4, 0, Width() + 2, Height());
}

void TVezCustomCombo::PaintColouredButton(TCanvas& window, TRect button)
{
    const bool down = AnyMouseButtonDown();
    const TColor face = buttonHover_ ? (down ? buttonColorDown_ : buttonColorHot_) : buttonColor_;
    button = {button.Left - 1, button.Top + 1, button.Right - 1, button.Bottom - 1};
    if (face != clNone) {
        window.Pen()->SetStyle(psSolid);
        window.Pen()->SetColor(face);
        window.Brush()->SetStyle(bsSolid);
        window.Brush()->SetColor(face);
        window.Rectangle(button);
    }
    if (buttonBorderColor_ != clNone) {
        window.Pen()->SetColor(buttonBorderColor_);
        window.MoveTo(button.Left, button.Top);
        window.LineTo(button.Left, button.Bottom);
    }
    const TColor arrow = down ? buttonTextColorDown_ : buttonTextColor_;
    if (arrow == clNone)
        return;
    window.Pen()->SetColor(arrow);
    window.Brush()->SetColor(arrow);
    window.Polygon({{button.Left + 4, button.Top + 7},
                    {button.Left + 10, button.Top + 7},
                    {button.Left + 7, button.Top + 10}});
}
