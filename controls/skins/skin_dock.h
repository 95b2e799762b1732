#pragma once

#include "controls/skins/skin_paint_stage.h"
#include "controls/toolbars/dock.h"

// The skinned dock: its background is painted by the skin in force (or by a background object, or in its
// own colour), with a draw event around it, behind its own rows and behind the toolbars on it. It repaints
// when the skin changes, and tells its skinned toolbars when it got shorter so that they align their items
// again.
class TQvDock : public TBarDock
{
public:
    explicit TQvDock(TComponent* owner);
    ~TQvDock() override;

    // The size before the last resize.
    int PrevWidth() const { return FPrevWidth; }
    int PrevHeight() const { return FPrevHeight; }
    // True only while the dock handles its own move or size message.
    bool IsMoving() const { return FMoving; }
    bool IsResizing() const { return FResizing; }

    // A skinned dock always paints a background of its own.
    bool UsingBackground() override { return true; }
    void DrawBackground(HDC dc, const TRect& drawRect) override;

    TQvDrawEvent OnDrawBackground;

    void Dispatch(TMessage& message) override;

protected:
    bool CanResize(int& newWidth, int& newHeight) override;
    void Resize() override;
    virtual void DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                  bool& paintDefault);

private:
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
    void PaintDefaultBackground(TCanvas& canvas, const TRect& rect);
    // The framework's handling of message with flag set meanwhile.
    void DispatchFlagged(TMessage& message, bool& flag);
    // Repaints every window on the dock after the dock changed size.
    void RepaintWindows();

    bool FMoving = false;
    bool FResizing = false;
    int FPrevWidth = 0;
    int FPrevHeight = 0;
};
