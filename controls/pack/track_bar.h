#pragma once

#include "controls/grid/control6.h"
#include "controls/grid/control6_types.h"
#include "controls/pack/common_types.h"
#include "controls/pack/linear_gradient.h"
#include "platform/gui/graphics/image_list.h"

#include <functional>

// A horizontal slider over a floating-point range, drawn by itself: a track with a thumb, a progress band
// between one end of the track and the thumb, a minus box on the left and a plus box on the right that
// move the value by a step, tick marks and pictures under the track.

enum TKVGxTrackProgress
{
    tpHidden,
    tpLeftToPosition,
    tpRightToPosition
};

enum TKVGxTrackBarProgressFillMode
{
    pfmDefault,
    pfmFull,           // one pixel larger on every side
    pfmFullWithBorder, // two pixels larger: over the track's border
    pfmHidden
};

// The wheel turned over the bar: allow starts true and is what the bar reports.
using TKVGxWheelEvent =
    std::function<void(TObject* sender, TShiftState shift, double position, TPoint mousePos, bool& allow)>;
using TKVGxMouseWheel = std::function<void(TObject* sender, TMessage& message)>;

// The bar's rectangles in client coordinates.
struct TKVGxTrackBarRects
{
    TRect Content, Minus, Plus, Track, TrackTouch, Thumb, Progress;
};

class TKVGxTrackBar6 : public TGxStyledControl6
{
public:
    explicit TKVGxTrackBar6(TComponent* owner);

    // --- value ---
    double Min() const { return FMin; }
    // Min reaching Max puts Min a Step below Max; Position stays.
    void SetMin(double value);
    double Max() const { return FMax; }
    // Max reaching Min puts Max a Step above Min; Position stays (the thumb may then stand past the track).
    void SetMax(double value);
    double Position() const { return FPosition; }
    // Brought inside Min..Max; OnChange when it changed.
    void SetPosition(double value);
    double Step() const { return FStep; }
    void SetStep(double value);
    // Mouse positions round to multiples of 10 to this power (0: whole numbers, -1: tenths).
    int Precision() const { return FPrecision; }
    void SetPrecision(int value) { StoreRepaint(FPrecision, value); }
    // The value under client x; the track's ends for points beyond them.
    double GetPositionAtPos(int x, int y) const;

    // --- looks ---
    TGxAppearanceStyle Style() const { return FStyle; }
    void SetStyle(TGxAppearanceStyle value) { StoreRepaint(FStyle, value); }
    TCustomImageList* Images() const { return FImages; }
    // Not owned: dropped when the list goes.
    void SetImages(TCustomImageList* value);
    int ImagesDistance() const { return FImagesDistance; }
    void SetImagesDistance(int value) { StoreRepaint(FImagesDistance, value); }
    TColor ProgressColor() const { return FProgressColor; }
    void SetProgressColor(TColor value);
    TColor ProgressColorTo() const { return FProgressColorTo; }
    void SetProgressColorTo(TColor value) { StoreRepaint(FProgressColorTo, value); }
    TGradientDirection ProgressGradientDirection() const { return FProgressGradientDirection; }
    void SetProgressGradientDirection(TGradientDirection value);
    TKVGxTrackProgress ProgressLocation() const { return FProgressLocation; }
    void SetProgressLocation(TKVGxTrackProgress value) { StoreRepaint(FProgressLocation, value); }
    TKVGxTrackBarProgressFillMode ProgressFillMode() const { return FProgressFillMode; }
    void SetProgressFillMode(TKVGxTrackBarProgressFillMode value) { StoreRepaint(FProgressFillMode, value); }
    TColor ProgressDisabledColor() const { return FProgressDisabledColor; }
    void SetProgressDisabledColor(TColor value) { StoreRepaint(FProgressDisabledColor, value); }
    TColor ProgressDisabledBorderColor() const { return FProgressDisabledBorderColor; }
    void SetProgressDisabledBorderColor(TColor value) { StoreRepaint(FProgressDisabledBorderColor, value); }
    int TrackHeight() const { return FTrackHeight; }
    // At least 1.
    void SetTrackHeight(int value);
    TColor TrackColor() const { return FTrackColor; }
    void SetTrackColor(TColor value) { StoreRepaint(FTrackColor, value); }
    TColor TrackColorTo() const { return FTrackColorTo; }
    void SetTrackColorTo(TColor value) { StoreRepaint(FTrackColorTo, value); }
    TGradientDirection TrackGradientDirection() const { return FTrackGradientDirection; }
    void SetTrackGradientDirection(TGradientDirection value);
    TColor TrackBorderColor() const { return FTrackBorderColor; }
    void SetTrackBorderColor(TColor value) { StoreRepaint(FTrackBorderColor, value); }
    TColor TrackDisabledColor() const { return FTrackDisabledColor; }
    void SetTrackDisabledColor(TColor value) { StoreDisabled(FTrackDisabledColor, value); }
    TColor TrackDisabledColorTo() const { return FTrackDisabledColorTo; }
    void SetTrackDisabledColorTo(TColor value) { StoreDisabled(FTrackDisabledColorTo, value); }
    TColor TrackDisabledBorderColor() const { return FTrackDisabledBorderColor; }
    void SetTrackDisabledBorderColor(TColor value) { StoreDisabled(FTrackDisabledBorderColor, value); }
    int ThumbWidth() const { return FThumbWidth; }
    void SetThumbWidth(int value) { StoreRepaint(FThumbWidth, value); }
    int ThumbHeight() const { return FThumbHeight; }
    void SetThumbHeight(int value) { StoreRepaint(FThumbHeight, value); }
    TColor ThumbColor() const { return FThumbColor; }
    void SetThumbColor(TColor value) { StoreRepaint(FThumbColor, value); }
    TColor ThumbBorderColor() const { return FThumbBorderColor; }
    void SetThumbBorderColor(TColor value) { StoreRepaint(FThumbBorderColor, value); }
    TColor ThumbHotColor() const { return FThumbHotColor; }
    void SetThumbHotColor(TColor value) { StoreRepaint(FThumbHotColor, value); }
    TColor ThumbHotBorderColor() const { return FThumbHotBorderColor; }
    void SetThumbHotBorderColor(TColor value) { StoreRepaint(FThumbHotBorderColor, value); }
    TColor ThumbDisabledColor() const { return FThumbDisabledColor; }
    void SetThumbDisabledColor(TColor value) { StoreRepaint(FThumbDisabledColor, value); }
    TColor ThumbDisabledBorderColor() const { return FThumbDisabledBorderColor; }
    void SetThumbDisabledBorderColor(TColor value) { StoreRepaint(FThumbDisabledBorderColor, value); }
    bool SignMinusVisible() const { return FSignMinusVisible; }
    void SetSignMinusVisible(bool value) { StoreRepaint(FSignMinusVisible, value); }
    bool SignPlusVisible() const { return FSignPlusVisible; }
    void SetSignPlusVisible(bool value) { StoreRepaint(FSignPlusVisible, value); }
    TColor SignsColor() const { return FSignsColor; }
    void SetSignsColor(TColor value) { StoreRepaint(FSignsColor, value); }
    int SignsWidth() const { return FSignsWidth; }
    void SetSignsWidth(int value) { StoreRepaint(FSignsWidth, value); }
    int SignsHeight() const { return FSignsHeight; }
    void SetSignsHeight(int value) { StoreRepaint(FSignsHeight, value); }
    int SignsRectWidth() const { return FSignsRectWidth; }
    void SetSignsRectWidth(int value) { StoreRepaint(FSignsRectWidth, value); }
    int SignsRectHeight() const { return FSignsRectHeight; }
    void SetSignsRectHeight(int value) { StoreRepaint(FSignsRectHeight, value); }
    TColor SignsRectColor() const { return FSignsRectColor; }
    void SetSignsRectColor(TColor value) { StoreRepaint(FSignsRectColor, value); }
    TColor SignsRectBackgroundColor() const { return FSignsRectBackgroundColor; }
    void SetSignsRectBackgroundColor(TColor value) { StoreRepaint(FSignsRectBackgroundColor, value); }
    // No outline around the sign boxes.
    bool SignsRectTransparent() const { return FSignsRectTransparent; }
    void SetSignsRectTransparent(bool value) { StoreRepaint(FSignsRectTransparent, value); }
    // No fill in the sign boxes.
    bool SignsTransparentBackground() const { return FSignsTransparentBackground; }
    void SetSignsTransparentBackground(bool value) { StoreRepaint(FSignsTransparentBackground, value); }
    bool TickMarks() const { return FTickMarks; }
    void SetTickMarks(bool value) { StoreRepaint(FTickMarks, value); }
    TColor TickMarkColor() const { return FTickMarkColor; }
    void SetTickMarkColor(TColor value) { StoreRepaint(FTickMarkColor, value); }
    int TickFrequency() const { return FTickFrequency; }
    void SetTickFrequency(int value) { StoreRepaint(FTickFrequency, value); }
    int TickTopMargin() const { return FTickTopMargin; }
    void SetTickTopMargin(int value) { StoreRepaint(FTickTopMargin, value); }
    int TickSize() const { return FTickSize; }
    void SetTickSize(int value) { StoreRepaint(FTickSize, value); }

    // --- state ---
    // bsHover: the pointer is over the thumb; bsPressed: the left button went down on the track.
    TGxButtonState State() const { return FState; }

    // --- rectangles, in client coordinates, at the screen's resolution ---
    TKVGxTrackBarRects Rects() const;
    // The same at another resolution.
    TKVGxTrackBarRects Rects(int pixelsPerInch) const;
    TRect ContentRect() const { return Rects().Content; }
    TRect MinusRect() const { return Rects().Minus; }
    TRect PlusRect() const { return Rects().Plus; }
    TRect TrackRect() const { return Rects().Track; }
    TRect TrackTouchRect() const { return Rects().TrackTouch; }
    TRect ThumbRect() const { return Rects().Thumb; }
    TRect ProgressRect() const { return Rects().Progress; }

    TNotifyEvent OnChange;
    TKVGxWheelEvent OnMouseWheelUp;
    TKVGxWheelEvent OnMouseWheelDown;
    TKVGxMouseWheel OnMouseWheel;

    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void DoChange();

private:
    template <typename T> void StoreRepaint(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            Invalidate();
    }
    template <typename T> void StoreDisabled(T& field, const T& value)
    {
        if (StoreIfChanged(field, value) && !Enabled())
            Invalidate();
    }
    void SetState(TGxButtonState value);
    void InvalidateThumbAndProgress();
    bool ReportWheel(const TKVGxWheelEvent& event, TShiftState shift, TPoint mousePos);
    // Painting, track_bar_painting.cpp.
    void PaintSign(const TRect& box, bool plus);
    void PaintTicks(const TKVGxTrackBarRects& r);
    void PaintImages(const TKVGxTrackBarRects& r);
    void PaintTrackAndThumb(const TKVGxTrackBarRects& r);
    void PaintUserDefinedTrack(const TKVGxTrackBarRects& r);
    void PaintProgress(const TKVGxTrackBarRects& r);

    double FMin = 1.0;
    double FMax = 5.0;
    double FPosition = 1.0;
    double FStep = 1.0;
    int FPrecision = 0;
    TGxAppearanceStyle FStyle = stUserDefined;
    TCustomImageList* FImages = nullptr;
    int FImagesDistance = 4;
    TColor FProgressColor = clHighlight;
    TColor FProgressColorTo = clNone;
    TGradientDirection FProgressGradientDirection = gdVertical;
    TKVGxTrackProgress FProgressLocation = tpLeftToPosition;
    TKVGxTrackBarProgressFillMode FProgressFillMode = pfmDefault;
    TColor FProgressDisabledColor = 0x808080;
    TColor FProgressDisabledBorderColor = 0x808080;
    int FTrackHeight = 6;
    TColor FTrackColor = 0x808080;
    TColor FTrackColorTo = clNone;
    TGradientDirection FTrackGradientDirection = gdVertical;
    TColor FTrackBorderColor = 0x808080;
    TColor FTrackDisabledColor = 0xC0C0C0;
    TColor FTrackDisabledColorTo = clNone;
    TColor FTrackDisabledBorderColor = 0x808080;
    int FThumbWidth = 8;
    int FThumbHeight = 13;
    TColor FThumbColor = clHighlight;
    TColor FThumbBorderColor = clHighlight;
    TColor FThumbHotColor = clHighlight;
    TColor FThumbHotBorderColor = clHighlight;
    TColor FThumbDisabledColor = 0x808080;
    TColor FThumbDisabledBorderColor = 0x808080;
    bool FSignMinusVisible = true;
    bool FSignPlusVisible = true;
    TColor FSignsColor = 0x808080;
    int FSignsWidth = 8;
    int FSignsHeight = 2;
    int FSignsRectWidth = 14;
    int FSignsRectHeight = 14;
    TColor FSignsRectColor = 0x808080;
    TColor FSignsRectBackgroundColor = clBtnFace;
    bool FSignsRectTransparent = false;
    bool FSignsTransparentBackground = false;
    bool FTickMarks = true;
    TColor FTickMarkColor = 0xC0C0C0;
    int FTickFrequency = 1;
    int FTickTopMargin = 3;
    int FTickSize = 3;
    TGxButtonState FState;
};
