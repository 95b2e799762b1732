#pragma once

#include "platform/gui/standard/scroll_box.h"

#include <string>

// A scroll box whose client area shows its parent's background instead of its own colour, with a
// single-line border in a colour of its own (only without the sunken 3-D look), and events for the steps of
// scrolling and for its end. The background does not scroll with the children: every scroll repaints it.

class TVezScrollBox : public TScrollBox
{
public:
    explicit TVezScrollBox(TComponent* owner);

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    // "1.1.0.3"; writing it changes nothing.
    std::string Version() const;
    void SetVersion(const std::string&) {}
    static uint32_t GetVersionNr() { return 0x01010003; }

    // A scroll step other than the end of scrolling.
    TNotifyEvent OnHScroll;
    TNotifyEvent OnVScroll;
    TNotifyEvent OnHScrollEnd;
    TNotifyEvent OnVScrollEnd;

    void Dispatch(TMessage& message) override;

protected:
    void PaintWindow(HDC dc) override;
    virtual void PaintParentBackground(HDC dc);

private:
    // The border line around the window, on the window's frame canvas.
    void DrawBorder(TCanvas& frame);
    void Scrolled(TMessage& message, bool vertical);

    TColor borderColor_ = clSilver;
};
