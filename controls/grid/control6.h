#pragma once

#include "controls/grid/control6_types.h"
#include "platform/gui/windows/win_control.h"

#include <string>

// The bases of the 6-series controls over the custom control: TGxUserControl6 (paint state, padding),
// TGxControl6 (a drawn border in three looks, OnPaint, TagString) and TGxStyledControl6 (whether to paint
// with the native visual styles or the class library's styles).

// Whether a control with these style options may paint in the style of option now: the native styles
// while they are active, the class library's styles while one is available (never at design time).
bool CanStyleWith(TGxStyleOptions options, TGxStyleOption option);

// A control whose painting follows style options; painters ask it through this.
class IGxStyledControl
{
public:
    virtual bool CanStyle(TGxStyleOption option) const = 0;
    virtual TGxStyleOptions StyleOptions() const = 0;
    virtual void SetStyleOptions(TGxStyleOptions value) = 0;

protected:
    ~IGxStyledControl() = default;
};

enum TGxPaintStateFlag
{
    ptPainting
};
using TGxPaintState = TSet<TGxPaintStateFlag>;

class TGxUserControl6 : public TCustomControl
{
public:
    explicit TGxUserControl6(TComponent* owner);

    TGxPaintState PaintState() const { return paintState_; }
    // The control's topmost parent form exists and shows.
    bool IsParentFormShowing() const;
    // Invalidates rect without erasing, unless there is no window or the control is painting.
    void InvalidateArea(const TRect& rect);

protected:
    // The padding changed: the children are aligned again.
    virtual void PaddingChanged();
    void PaintWindow(HDC dc) override;
    void Dispatch(TMessage& message) override;

private:
    TGxPaintState paintState_; // ptPainting while the window paints
};

class TGxControl6 : public TGxUserControl6
{
public:
    explicit TGxControl6(TComponent* owner);

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    int BorderSize() const { return borderSize_; }
    // Rings drawn inside the window's edge; the client area shrinks by as many pixels on every side.
    void SetBorderSize(int value);
    TGxBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TGxBorderStyle value);
    const std::string& TagString() const { return tagString_; }
    void SetTagString(const std::string& value) { tagString_ = value; }
    // Fills rect in color, or in Color for clNone.
    void FillRectColor(const TRect& rect, TColor color);

    TNotifyEvent OnPaint;

protected:
    void PaintWindow(HDC dc) override;
    virtual void DoPaint();
    void Dispatch(TMessage& message) override;

private:
    void PaintBorder();

    TColor borderColor_ = clBtnShadow;
    int borderSize_ = 0;
    TGxBorderStyle borderStyle_ = btSolid;
    std::string tagString_; // free text for the user
};

class TGxStyledControl6 : public TGxControl6, public IGxStyledControl
{
public:
    explicit TGxStyledControl6(TComponent* owner);

    bool CanStyle(TGxStyleOption option) const override;
    TGxStyleOptions StyleOptions() const override { return styleOptions_; }
    void SetStyleOptions(TGxStyleOptions value) override;

protected:
    // The style options changed: repaint.
    virtual void StyleChanged();

private:
    TGxStyleOptions styleOptions_ = soNativeStyles;
};
