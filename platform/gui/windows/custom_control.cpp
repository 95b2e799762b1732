#include "platform/gui/windows/win_control.h"

#include "platform/gui/qt/canvas_impl.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/message_views.h"

#include <algorithm>

// Windowless controls painting through their parent, and windowed controls painting on their own canvas.

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(TMessage& message)
{
    if (message.Msg != WM_PAINT) {
        TControl::Dispatch(message);
        return;
    }
    if (HDC dc = TPaintView(message).DC) {
        TCanvasBinding binding(*canvas_, dc);
        Paint();
    }
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner), canvas_(std::make_unique<TCanvas>())
{}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC dc)
{
    TCanvasBinding binding(*canvas_, dc);
    Paint();
}

TCanvasBinding::TCanvasBinding(TCanvas& canvas, HDC dc) : canvas_(canvas), dc_(dc)
{
    TCanvas::Impl& c = canvas.Internal();
    TCanvas::Impl& d = dc->Internal();
    c.ReleaseImagePainter();
    c.SetImage(nullptr);
    QPainter* painter = d.Painter();
    if (!painter)
        return;
    c.painter = painter;
    c.base = d.base;
    c.baseClip = d.baseClip;
    c.clip = d.clip;
    c.windowOrg = d.windowOrg;
    c.saved.clear();
    c.penDirty = c.brushDirty = c.fontDirty = true;
    c.ApplyClip();
}

TCanvasBinding::~TCanvasBinding()
{
    TCanvas::Impl& c = canvas_.Internal();
    c.painter = nullptr;
    c.clip.reset();
    c.baseClip.reset();
    c.windowOrg = QPoint();
    c.saved.clear();
    dc_->Internal().ApplyClip();
    dc_->Internal().penDirty = dc_->Internal().brushDirty = dc_->Internal().fontDirty = true;
}

void TWinControl::UpdateFrame()
{
    const TRect before = window_->clientInWindow;
    CalcClientRect();
    ReflectBoundsToWindow();
    if (window_->widget)
        window_->widget->update();
    const TRect& after = window_->clientInWindow;
    if (HandleAllocated() && (after.Width() != before.Width() || after.Height() != before.Height()))
        DeliverSentMessage(this, WM_SIZE, SIZE_RESTORED, MAKELPARAM(after.Width(), after.Height()));
}
