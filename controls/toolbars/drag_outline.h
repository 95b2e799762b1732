#pragma once

#include "platform/gui/windows/messages.h"

#include <memory>

// The outline a window being dragged or sized shows of its future place: a halftone frame drawn in an overlay
// above every window, which the pointer passes through. Drawing it elsewhere takes it from where it was.

class TOverlayWindow;

class TBarDragOutline
{
public:
    TBarDragOutline();
    ~TBarDragOutline();
    TBarDragOutline(const TBarDragOutline&) = delete;
    TBarDragOutline& operator=(const TBarDragOutline&) = delete;

    // The frame of r (screen coordinates), thickness pixels wide; an empty r takes the outline away.
    void Draw(const TRect& r, int thickness);
    void Erase();
    // Where the outline shows now; empty when it does not.
    const TRect& Shown() const { return shown_; }
    TOverlayWindow* Window() const { return overlay_; }

private:
    TOverlayWindow* overlay_;
    TRect shown_;
};
