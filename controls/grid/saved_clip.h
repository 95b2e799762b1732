#pragma once

#include "platform/gui/graphics/gdi.h"

// Keeps a canvas's clip region and puts it back when it goes, also when an exception passes: painting code
// narrows the clip for a part and is sure to leave the canvas as it found it.
class TSavedClip
{
public:
    explicit TSavedClip(TCanvas& canvas) : canvas_(canvas), hadClip_(GetClipRgn(canvas, region_) == 1) {}
    ~TSavedClip() { SelectClipRgn(canvas_, hadClip_ ? &region_ : nullptr); }
    TSavedClip(const TSavedClip&) = delete;
    TSavedClip& operator=(const TSavedClip&) = delete;

    // Narrows the clip to rect (logical coordinates).
    void Intersect(const TRect& rect)
    {
        IntersectClipRect(canvas_, rect.Left, rect.Top, rect.Right, rect.Bottom);
    }

private:
    TCanvas& canvas_;
    TRegion region_;
    bool hadClip_;
};
