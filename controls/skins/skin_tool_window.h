#pragma once

#include "controls/skins/skin_bar_painting.h"
#include "controls/toolbars/dockable_window.h"

// A dockable window whose client area holds ordinary controls, its background and frame painted by the
// skin in force with a draw event around it. It keeps the client size it was given (within its limits)
// wherever it lies; stretched or full-size in a dock, it takes the dock's length.
class TQvCustomToolWindow : public TBarCustomDockableWindow, public IQvSkinnedDockableWindow
{
public:
    explicit TQvCustomToolWindow(TComponent* owner);
    ~TQvCustomToolWindow() override;

    int DefaultToolbarBorderSize() const override { return FDefaultToolbarBorderSize; }
    int MinClientWidth() const { return FMinClientWidth; }
    void SetMinClientWidth(int value) { FMinClientWidth = value; }
    int MinClientHeight() const { return FMinClientHeight; }
    void SetMinClientHeight(int value) { FMinClientHeight = value; }
    int MaxClientWidth() const { return FMaxClientWidth; }
    void SetMaxClientWidth(int value) { FMaxClientWidth = value; }
    int MaxClientHeight() const { return FMaxClientHeight; }
    void SetMaxClientHeight(int value) { FMaxClientHeight = value; }
    // The client size the window wants.
    TSize BarSize() const { return FBarSize; }
    // The window lies in a dock at the left or the right.
    bool IsVertical() const;

    // The client size in dock (nullptr: floating or on a form).
    virtual TPoint CalcSize(TBarDock* dock);
    // Sizes the window so that its client area is width x height.
    virtual void SetClientAreaSize(int width, int height);
    void DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                          bool& paintDefault) override;
    // Repaints the background (and the child controls).
    virtual void InvalidateBackground(bool invalidateChildren = true);

    TPoint GetFloatingBorderSize() override;
    void ReadPositionData(const TBarReadPositionData& data) override;
    void WritePositionData(const TBarWritePositionData& data) override;

    TQvDrawEvent OnDrawBackground;

    void Dispatch(TMessage& message) override;

protected:
    TPoint ComputeArrangement(bool moveControls, TBarDockKind currentKind, bool newFloating,
                              TBarDock* newDock) override;
    void DrawNCArea(bool drawToDC, HDC dc, const TRegion* clip) override;
    void QueryBaseSize(TPoint& size) override;
    void QuerySizeLimits(int& minWidth, int& minHeight, int& maxWidth, int& maxHeight) override;
    void ClientSizeChanging(int width, int height) override;
    TBarFloatingWindowParentClass FloatingFrameClass() override;

private:
    void WMWindowPosChanged(TMessage& message);

    int FMinClientWidth = 32;
    int FMinClientHeight = 32;
    int FMaxClientWidth = 0; // 0: no limit
    int FMaxClientHeight = 0;
    TSize FBarSize;
    int FDefaultToolbarBorderSize = 2;
};
