#pragma once

#include "platform/gui/standard/std_control_types.h"

#include <memory>

// A container that scrolls its children with the window's scroll bars. With AutoScroll each bar's Range is
// the extent of the children (their far edges at position 0); a bar shows while its range exceeds the
// client area. Scrolling moves the children; the mouse wheel scrolls vertically (horizontally with Shift).

class TScrollingWinControl;

class TControlScrollBar : public TPersistent
{
public:
    TControlScrollBar(TScrollingWinControl* control, TScrollBarKind kind);

    TScrollBarKind Kind() const { return kind_; }
    // The length scrolled over, in pixels; set by hand when the control's AutoScroll is off.
    int Range() const { return range_; }
    void SetRange(int value);
    // The scrolled distance, within 0 .. Range - the client size.
    int Position() const { return position_; }
    void SetPosition(int value);
    // The distance of a line step (an arrow or a wheel notch scrolls three lines).
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = std::max(value, 1); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Whether dragging the thumb scrolls at once or only when it is let go.
    bool Tracking() const { return tracking_; }
    void SetTracking(bool value) { tracking_ = value; }
    // True while the bar is shown.
    bool IsScrollBarVisible() const;
    void Assign(const TPersistent* source) override;

private:
    friend class TScrollingWinControl;
    // The client length the bar's page covers.
    int PageSize() const;
    void ScrollMessage(unsigned code);
    void MoveTo(int position);
    TScrollingWinControl* control_;
    TScrollBarKind kind_;
    int range_ = 0;
    int position_ = 0;
    int increment_ = 8;
    bool visible_ = true;
    bool tracking_ = false;
};

class TScrollingWinControl : public TWinControl
{
public:
    explicit TScrollingWinControl(TComponent* owner);
    ~TScrollingWinControl() override;

    TControlScrollBar* HorzScrollBar() const { return horz_.get(); }
    TControlScrollBar* VertScrollBar() const { return vert_.get(); }
    void SetHorzScrollBar(const TControlScrollBar* value) { horz_->Assign(value); }
    void SetVertScrollBar(const TControlScrollBar* value) { vert_->Assign(value); }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value);
    // Scrolls so that control (a child or a deeper descendant) is inside the client area.
    void ScrollInView(TControl* control);
    // The ranges and bars again, after the children changed.
    void UpdateScrollBars();

    void Dispatch(TMessage& message) override;

protected:
    // The focus went to control inside this one: with AutoScroll it is scrolled into view.
    virtual void AutoScrollInView(TControl* control);
    void AlignControls(TControl* control, TRect& rect) override;
    void AdjustClientRect(TRect& rect) const override;
    void ChildBoundsChanged(TControl* child) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

private:
    friend class TControlScrollBar;
    void CalcAutoRange();
    bool WheelScroll(TShiftState shift, int notches);
    std::unique_ptr<TControlScrollBar> horz_;
    std::unique_ptr<TControlScrollBar> vert_;
    bool autoScroll_ = true;
    bool updatingBars_ = false;
};

class TScrollBox : public TScrollingWinControl
{
public:
    explicit TScrollBox(TComponent* owner);
    // bsSingle gives the box a sunken frame.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TBorderStyle borderStyle_ = bsSingle;
};
