#pragma once

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/window_functions.h"

// The canvas over a whole window (frame included) while the window paints its frame: its state is saved on
// the way in and restored, and the canvas released, on every way out.
class TWindowCanvas
{
public:
    explicit TWindowCanvas(HWND window) : window_(window), dc_(GetWindowDC(window))
    {
        if (dc_)
            saved_ = SaveDC(*dc_);
    }
    ~TWindowCanvas()
    {
        if (!dc_)
            return;
        RestoreDC(*dc_, saved_);
        ReleaseDC(window_, dc_);
    }
    TWindowCanvas(const TWindowCanvas&) = delete;
    TWindowCanvas& operator=(const TWindowCanvas&) = delete;

    // nullptr when the window cannot be drawn on.
    TCanvas* Canvas() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    int saved_ = 0;
};
