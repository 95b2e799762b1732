#include "controls/toolbars/drag_outline.h"

#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/frame_outlines.h"
#include "platform/gui/windows/overlay_window.h"

TBarDragOutline::TBarDragOutline() : overlay_(new TOverlayWindow(nullptr))
{
    overlay_->OnPaint = [](TCanvas& canvas) {
        const THalftoneBrush halftone;
        canvas.SetBrush(&halftone.Brush());
        canvas.FillRect({0, 0, 32767, 32767});
    };
}

TBarDragOutline::~TBarDragOutline()
{
    overlay_->Free();
}

void TBarDragOutline::Draw(const TRect& r, int thickness)
{
    if (IsRectEmpty(r)) {
        Erase();
        return;
    }
    shown_ = r;
    overlay_->ShowShape(r, CreateFrameRegion({0, 0, r.Width(), r.Height()}, {thickness, thickness}));
}

void TBarDragOutline::Erase()
{
    shown_ = {};
    overlay_->HideShape();
}
