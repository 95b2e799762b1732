#pragma once

#include "controls/toolbars/floating_frame.h"

// The frame of a floating skinned toolbar or tool window: the framework's frame with its border, caption
// strip and close button painted in the look in force, a close button that lights up under the pointer,
// and a new look whenever the skin changes.

class TQvFloatingWindowParent : public TBarFloatingWindowParent
{
public:
    explicit TQvFloatingWindowParent(TComponent* owner);
    ~TQvFloatingWindowParent() override;

    // Alt+F4 on the frame closes the framed window (instead of going to the form).
    bool CloseOnAltF4() const { return FCloseOnAltF4; }
    void SetCloseOnAltF4(bool value) { FCloseOnAltF4 = value; }
    bool CloseButtonHover() const { return FCloseButtonHover; }

    // Paints the whole frame again, unless it is hidden or in the classic look.
    void RedrawFrame();
    void Dispatch(TMessage& message) override;

protected:
    void CreateWnd() override;
    void DrawNCArea(bool drawToDC, HDC dc, TBarFrameParts redrawWhat) override;
    // The caption shown is the framed window's, painted in the frame: the form keeps none.
    void VisibleChanging() override;

private:
    // Frame style, frame size, layout and painting for the skin in force.
    void UpdateSkin();
    void PaintCaptionStrip(TCanvas& canvas, TRect& strip, TPoint border, bool active, TBarFrameParts parts);
    void PaintCaptionText(TCanvas& canvas, const TRect& strip, bool active);
    void PaintCloseButton(TCanvas& canvas, const TRect& strip);
    void NCMouseMove(TMessage& message);
    void MouseLeft();

    bool FCloseButtonHover = false; // the pointer is over the caption's close button
    bool FCloseOnAltF4 = false;
};
