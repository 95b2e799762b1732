#include "controls/grid/edit6.h"

#include "controls/grid/window_canvas.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

// The 6-series edit's frame: the padding band, the validation frame and the preview box lie between the
// border and the text area, outside the client area, so the text edit never paints over them.

namespace {

constexpr TColor ValidColor = 0x50B000;
constexpr TColor InvalidColor = 0x0000FF;
constexpr TColor PreviewFrameColor = 0x808080;
constexpr int PreviewWidth = 20;
// The preview box with its frames and the line right of it.
constexpr int PreviewRoom = 23;

} // namespace

TPoint TGxCustomEdit6::WindowPoint(TPoint screenPos) const
{
    TRect window;
    GetWindowRect(const_cast<TGxCustomEdit6*>(this)->Handle(), window);
    return {screenPos.X - window.Left, screenPos.Y - window.Top};
}

TRect TGxCustomEdit6::ClientInWindow() const
{
    const TPoint origin = WindowPoint(ClientOrigin());
    return Bounds(origin.X, origin.Y, ClientWidth(), ClientHeight());
}

TRect TGxCustomEdit6::PreviewRect() const
{
    TRect r{0, 0, Width(), Height()};
    InflateRect(r, -(BorderOffset() + 1), -(BorderOffset() + 1));
    r.Right = r.Left + PreviewWidth;
    return r;
}

TRect TGxCustomEdit6::EditRect() const
{
    TRect r = ClientRect();
    OffsetRect(r, BorderOffset() + padding_->Left(), BorderOffset() + padding_->Top());
    const LRESULT margins = const_cast<TGxCustomEdit6*>(this)->Perform(EM_GETMARGINS, 0, 0);
    r.Left += LOWORD(static_cast<uintptr_t>(margins));
    r.Right -= showPreview_ ? 1 : HIWORD(static_cast<uintptr_t>(margins));
    if (showPreview_)
        r.Left = BorderOffset() + PreviewRoom;
    return r;
}

// After the border: the padding, the preview box and a pixel around for the validation frame.
void TGxCustomEdit6::CalcFrame(TMessage& message)
{
    TCustomEdit::Dispatch(message);
    TRect& client = TNCCalcSizeView(message).Params->rgrc[0];
    client.Left += padding_->Left() + (showPreview_ ? PreviewRoom : 0);
    client.Top += padding_->Top();
    client.Right -= padding_->Right();
    client.Bottom -= padding_->Bottom();
    if (HasValidation())
        InflateRect(client, -1, -1);
    client.Right = std::max(client.Right, client.Left);
    client.Bottom = std::max(client.Bottom, client.Top);
}

void TGxCustomEdit6::PaintFrame(TMessage& message)
{
    TCustomEdit::Dispatch(message);
    PaintNonClient();
    if (!showPreview_)
        return;
    const TWindowCanvas window(Handle());
    if (!window.Canvas())
        return;
    TCanvasBinding binding(*canvas_, window.Canvas());
    PaintPreview();
}

void TGxCustomEdit6::PaintNonClient()
{
    PaintPadding();
    if (BorderStyle() == bsSingle)
        PaintValidationFrame();
}

// The whole band between the border and the text area takes the edit's colour, so that no band shows what
// was there before.
void TGxCustomEdit6::PaintPadding()
{
    const TWindowCanvas window(Handle());
    if (!window.Canvas())
        return;
    TCanvas& canvas = *window.Canvas();
    const TRect client = ClientInWindow();
    ExcludeClipRect(canvas, client.Left, client.Top, client.Right, client.Bottom);
    TRect band{0, 0, Width(), Height()};
    InflateRect(band, -BorderOffset(), -BorderOffset());
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    canvas.FillRect(band);
}

// Just inside the border: green for a valid value, red for an invalid one, the edit's colour until checked.
void TGxCustomEdit6::PaintValidationFrame()
{
    const TWindowCanvas window(Handle());
    if (!window.Canvas())
        return;
    TCanvas& canvas = *window.Canvas();
    const TColor color = validationResult_ == vrValid     ? ValidColor
                         : validationResult_ == vrInvalid ? InvalidColor
                                                          : Color();
    canvas.Pen()->SetColor(color);
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(1, 1, Width() - 1, Height() - 1);
}

void TGxCustomEdit6::PaintPreview()
{
    TCanvas& canvas = *canvas_;
    const TRect box = PreviewRect();
    TRect outer = box;
    InflateRect(outer, 1, 1);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FrameRect(outer);
    canvas.Pen()->SetColor(Color());
    canvas.MoveTo(outer.Right, outer.Top);
    canvas.LineTo(outer.Right, outer.Bottom);
    canvas.Brush()->SetColor(PreviewFrameColor);
    canvas.FrameRect(box);
    TRect inside = box;
    InflateRect(inside, -1, -1);
    DoPreviewDraw(inside);
}

void TGxCustomEdit6::DoPreviewDraw(const TRect& rect)
{
    if (OnPreviewDraw)
        OnPreviewDraw(this, rect);
}

// A left press and release both in the preview box make a preview click.
void TGxCustomEdit6::PreviewPress(TMessage& message)
{
    TCustomEdit::Dispatch(message);
    const bool inPreview =
        showPreview_ && PtInRect(PreviewRect(), WindowPoint(TNCMouseView(message).ScreenPos));
    if (message.Msg == WM_NCLBUTTONDOWN) {
        ncLButtonDown_ = inPreview;
        return;
    }
    const bool click = ncLButtonDown_ && inPreview;
    ncLButtonDown_ = false;
    if (click && OnPreviewClick)
        OnPreviewClick(this);
}
