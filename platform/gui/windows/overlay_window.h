#pragma once

#include "platform/gui/graphics/region.h"
#include "platform/gui/windows/win_control.h"

#include <functional>

// A window above every other that takes no input and no activation and shows only the pixels of its shape:
// what a loop of the program draws over the desktop while it runs (the outline of a window being dragged or
// sized). The pointer and the windows below see through it.
class TOverlayWindow : public TCustomControl
{
public:
    explicit TOverlayWindow(TComponent* owner);

    // Shows the overlay over bounds (screen coordinates) with only the pixels of shape (window coordinates)
    // belonging to it, painted again.
    void ShowShape(const TRect& bounds, const TRegion& shape);
    void HideShape();

    // Paints the overlay's picture on a canvas of the window's size.
    std::function<void(TCanvas& canvas)> OnPaint;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};
