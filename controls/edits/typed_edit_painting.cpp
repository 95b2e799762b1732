// The typed edit's painting over the edit's own: the flat underline or soft frame, the drop caret, the empty
// prompt, the error zig-zag, the disabled text in a colour of its own, and the borders.

#include "controls/edits/property_store.h"
#include "controls/edits/typed_edit.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/style_services.h"
#include "platform/gui/windows/window_functions.h"
#include "support/utf8.h"

namespace {

constexpr TColor DisabledLineColor = 0x808080;
constexpr TColor PromptColor = 0x808080;
constexpr TColor DisabledFrameColor = 0xC0C0C0;

void Frame(TCanvas& canvas, const TRect& rect, TColor color)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FrameRect(rect);
}

void UsePen(TCanvas& canvas, TColor color, int width)
{
    canvas.Pen()->SetStyle(psSolid);
    canvas.Pen()->SetWidth(width);
    canvas.Pen()->SetColor(color);
}

} // namespace

// --- properties that repaint -------------------------------------------------------------------------------

void TVezEdit::SetFlatLineColor(TColor value)
{
    if (StoreChanged(flatLineColor_, value))
        Invalidate();
}

void TVezEdit::SetFlatParentColor(bool value)
{
    if (StoreChanged(flatParentColor_, value))
        Invalidate();
}

void TVezEdit::SetSoftBorder(bool value)
{
    if (StoreChanged(softBorder_, value))
        Invalidate();
}

void TVezEdit::SetFocusBorder(bool value)
{
    if (StoreChanged(focusBorder_, value))
        Invalidate();
}

void TVezEdit::SetBorder3D(bool value)
{
    if (StoreChanged(border3D_, value))
        Invalidate();
}

void TVezEdit::SetBorderColor(TColor value)
{
    if (StoreChanged(borderColor_, value) && HandleAllocated()) {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        Invalidate();
    }
}

void TVezEdit::SetDisabledColor(TColor value)
{
    if (StoreChanged(disabledColor_, value))
        Invalidate();
}

void TVezEdit::SetDisabledTextColor(TColor value)
{
    if (StoreChanged(disabledTextColor_, value))
        Invalidate();
}

void TVezEdit::SetDisabledBorder(bool value)
{
    if (StoreChanged(disabledBorder_, value))
        Invalidate();
}

void TVezEdit::SetEmptyText(const std::string& value)
{
    if (StoreChanged(emptyText_, value))
        Invalidate();
}

void TVezEdit::SetEmptyTextStyle(TFontStyles value)
{
    if (StoreChanged(emptyTextStyle_, value))
        Invalidate();
}

void TVezEdit::SetErrorMarkerPos(int value)
{
    if (StoreChanged(errorMarkerPos_, value))
        Invalidate();
}

void TVezEdit::SetErrorMarkerLen(int value)
{
    if (StoreChanged(errorMarkerLen_, value))
        Invalidate();
}

// --- painting ----------------------------------------------------------------------------------------------

void TVezEdit::Paint(TMessage& message)
{
    HDC dc = TPaintView(message).DC;
    if (!dc) {
        TCustomEdit::Dispatch(message);
        return;
    }
    if (!Enabled() && disabledTextColor_ != clNone)
        PaintDisabled(*dc);
    else
        TCustomEdit::Dispatch(message);
    PaintOverlay(*dc);
    // A hot border drawn as the pointer came in stays while it is inside.
    if (border3D_ || focusBorderColor_ != clNone || borderColor_ != clNone ||
        (!Enabled() && disabledBorder_) || (focusBorder_ && mouseInControl_)) {
        // The border runs round the whole window; the client area shows its part of it.
        const int saved = SaveDC(*dc);
        MoveWindowOrg(*dc, -(Width() - ClientWidth()) / 2, -(Height() - ClientHeight()) / 2);
        PaintBorder(*dc);
        RestoreDC(*dc, saved);
    }
}

void TVezEdit::PaintFrame(TMessage& message)
{
    TCustomEdit::Dispatch(message);
    if (!(focusBorderColor_ != clNone || borderColor_ != clNone || (!Enabled() && disabledBorder_)))
        return;
    if (HDC frame = message.WParam > 1 ? TPaintView(message).DC : GetWindowDC(Handle()))
        PaintBorder(*frame);
}

// A disabled edit with a text colour of its own shows the value alone, without the affixes.
void TVezEdit::PaintDisabled(TCanvas& canvas)
{
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    canvas.SetFont(Font());
    canvas.Font()->SetColor(disabledTextColor_);
    canvas.Brush()->SetStyle(bsClear);
    TRect rect;
    Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    if (editAlign_ == eaRight || editAlign_ == eaCenter)
        DrawText(canvas, Text(), rect,
                 DT_SINGLELINE | DT_VCENTER | (editAlign_ == eaRight ? DT_RIGHT : DT_CENTER));
    else
        canvas.TextOut(1, 1, Text());
    canvas.Brush()->SetStyle(bsSolid);
}

void TVezEdit::PaintOverlay(TCanvas& canvas)
{
    const int saved = SaveDC(canvas);
    if (flat_) {
        if (focusBorder_ && Focused()) {
            const int frame = SaveDC(canvas);
            MoveWindowOrg(canvas, -(Width() - ClientWidth()) / 2, -(Height() - ClientHeight()) / 2);
            PaintBorder(canvas);
            RestoreDC(canvas, frame);
        } else if (flatLineColor_ != clNone) {
            PaintFlatLine(canvas);
        }
    }
    if (caretPos_.X >= 0) {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Font()->Color());
        canvas.FillRect(Bounds(caretPos_.X, caretPos_.Y, 1, canvas.TextHeight("gh")));
    }
    PaintEmptyText(canvas);
    PaintErrorMarker(canvas);
    RestoreDC(canvas, saved);
}

void TVezEdit::PaintFlatLine(TCanvas& canvas)
{
    TRect r;
    Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    UsePen(canvas, Enabled() ? flatLineColor_ : DisabledLineColor, 1);
    const int width = ClientWidth();
    const int height = ClientHeight();
    if (softBorder_) {
        canvas.Polyline({{r.Left - 4, height - 1},
                         {width - 1, height - 1},
                         {width - 1, r.Top - 3},
                         {r.Left - 4, r.Top - 3},
                         {r.Left - 4, height - 1}});
    } else {
        canvas.MoveTo(r.Left - 2, height - 1);
        canvas.LineTo(width, height - 1);
    }
}

void TVezEdit::PaintEmptyText(TCanvas& canvas)
{
    if (!Text().empty() || emptyText_.empty() || (Focused() && !emptyTextFocused_))
        return;
    canvas.SetFont(Font());
    canvas.Font()->SetStyle(emptyTextStyle_);
    canvas.Font()->SetColor(PromptColor);
    if (PlatformAnswers().VistaOrLater()) {
        SetBkMode(canvas, OPAQUE);
        SetBkColor(canvas, Color());
    } else {
        SetBkMode(canvas, TRANSPARENT);
    }
    if (!StyleServices().IsSystemStyle())
        SetBkMode(canvas, TRANSPARENT);
    const int x = Ctl3D() ? 3 : 6;
    if (UseRightToLeftReading()) {
        TRect rect{x, 0, ClientWidth() - x, ClientHeight()};
        DrawText(canvas, emptyText_, rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_RTLREADING);
    } else {
        canvas.TextOut(x + 1, 2, emptyText_);
    }
}

// A red zig-zag under the marked characters while the edit has no focus.
void TVezEdit::PaintErrorMarker(TCanvas& canvas)
{
    if (Focused() || errorMarkerLen_ <= 0)
        return;
    canvas.SetFont(Font());
    const int h = canvas.TextHeight("gh");
    const int length = static_cast<int>(Utf8Length(WindowText()));
    // A place beyond the text stands 4 pixels right of its end.
    const auto placeOf = [&](int index) {
        if (index < length)
            return PosFromChar(index);
        const TPoint end = PosFromChar(length);
        return TPoint{end.X + 4, end.Y};
    };
    const TPoint start = placeOf(errorMarkerPos_);
    const TPoint end = placeOf(errorMarkerPos_ + errorMarkerLen_ - 1);
    UsePen(canvas, clRed, 2);
    int x = start.X;
    bool low = true;
    canvas.MoveTo(x, start.Y + h + 2);
    while (x <= end.X + 3) {
        x += 3;
        low = !low;
        canvas.LineTo(x, start.Y + (low ? h + 2 : h - 1));
    }
}

// --- borders -----------------------------------------------------------------------------------------------

bool TVezEdit::BorderWanted() const
{
    return !Enabled() || flat_ || borderColor_ != clNone || (focusBorder_ && mouseInControl_) || border3D_ ||
           focusBorderColor_ != clNone;
}

// In window coordinates: one frame in a colour of its own, or a hot sunken edge, or the parent's colour.
void TVezEdit::PaintBorder(TCanvas& window)
{
    if (!BorderWanted())
        return;
    const TRect whole{0, 0, Width(), Height()};
    const bool focused = Focused();
    TColor frame = clNone;
    if (!Enabled() && isThemed_ && disabledBorder_)
        frame = DisabledFrameColor;
    else if (borderColor_ != clNone && (!focused || focusBorderColor_ == clNone))
        frame = borderColor_;
    else if (focusBorderColor_ != clNone && focused)
        frame = focusBorderColor_;
    if (frame != clNone) {
        Frame(window, whole, frame);
        return;
    }
    if (!Enabled() || (focusBorder_ && isThemed_))
        return;
    TRect ring = whole;
    if (IsHot()) {
        DrawEdge(window, ring, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        Frame(window, ring, clBtnFace);
    } else {
        const TColor parent = Parent() ? Parent()->Color() : clBtnFace;
        Frame(window, ring, parent);
        InflateRect(ring, -1, -1);
        Frame(window, ring, parent);
    }
}
