#pragma once

#include "controls/grid/flyout_control.h"
#include "controls/grid/scroll_bar_model.h"
#include "platform/gui/windows/timers.h"

#include <functional>
#include <memory>

// The scrolling machinery of the grid: a control whose content moves when a scroll bar's position
// changes, and TGxScrollControl with its two bars, the scroll messages, the wheel switch and roll
// scrolling (the middle button starts it; the farther the pointer from the start, the faster the rows go).

enum TRollDirectionFlag
{
    rdUp,
    rdDown
};
using TRollDirection = TSet<TRollDirectionFlag>;
enum TGxScrollStyleFlag
{
    rsRoll
};
using TGxScrollStyle = TSet<TGxScrollStyleFlag>;
enum TViewStateFlag
{
    vsRolling
};
using TViewState = TSet<TViewStateFlag>;
using TGxScrollEvent = std::function<void(TObject* sender, int position)>;

class TGxCustomScrollControl : public TCustomControl
{
public:
    explicit TGxCustomScrollControl(TComponent* owner);

    // The parts of the client area that move when the content scrolls horizontally or vertically.
    TRect HorzScrollClipRect() const { return horzScrollClipRect_; }
    void SetHorzScrollClipRect(const TRect& value) { horzScrollClipRect_ = value; }
    TRect VertScrollClipRect() const { return vertScrollClipRect_; }
    void SetVertScrollClipRect(const TRect& value) { vertScrollClipRect_ = value; }

    // The pixels the content moves for a position change; 0 here.
    virtual int GetHorzScrollDelta(int oldPos, int newPos);
    virtual int GetVertScrollDelta(int oldPos, int newPos);
    // Moves the content within the bar's clip rectangle and invalidates what is uncovered.
    virtual void ScrollContent(TGxCustomScrollBar* bar, int deltaX, int deltaY);

    // Gives the window the focus when the control sits on a form.
    void FocusOwnWindow();
    // Moves the focus to the next or previous control of the form.
    void TabToNextControl();
    void TabToPrevControl();

protected:
    virtual void AfterScroll(TGxScrollBarKind) {}
    virtual void BeforeScroll(TGxScrollBarKind, int, int) {}

private:
    TRect horzScrollClipRect_;
    TRect vertScrollClipRect_;
};

class TGxScrollControl : public TGxCustomScrollControl
{
public:
    explicit TGxScrollControl(TComponent* owner);
    ~TGxScrollControl() override;

    TGxScrollBar* HorzScrollBar() const { return horzScrollBar_.get(); }
    void SetHorzScrollBar(const TGxScrollBar* value) { horzScrollBar_->Assign(value); }
    TGxScrollBar* VertScrollBar() const { return vertScrollBar_.get(); }
    void SetVertScrollBar(const TGxScrollBar* value) { vertScrollBar_->Assign(value); }
    // With the wheel on, the wheel events stop here (the grid adds its own wheel scrolling).
    bool MouseWheelEnabled() const { return mouseWheelEnabled_; }
    void SetMouseWheelEnabled(bool value) { mouseWheelEnabled_ = value; }
    TGxScrollStyle ScrollStyle() const { return scrollStyle_; }
    void SetScrollStyle(TGxScrollStyle value) { scrollStyle_ = value; }
    TViewState ViewState() const { return viewState_; }
    TRollDirection RollDirection() const { return rollDirection_; }
    TRollShadow* RollShadow() const { return rollShadow_; }
    TTimer* RollTimer() const { return rollTimer_; }

    // Raise the scroll events with the bar's position.
    virtual void DoHorizontalScroll();
    virtual void DoVerticalScroll();

    TGxScrollEvent OnHorizontalScroll;
    TGxScrollEvent OnVerticalScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

private:
    void ScrollMessage(TMessage& message, TGxScrollBar& bar);
    void UpdateBars();
    void StartRolling(int x, int y);
    void RollTick();
    void StopRolling();

    std::unique_ptr<TGxScrollBar> horzScrollBar_;
    std::unique_ptr<TGxScrollBar> vertScrollBar_;
    bool mouseWheelEnabled_ = true;
    TRollDirection rollDirection_; // where roll scrolling goes now
    TPoint rollPoint_;             // the client point where roll scrolling started
    TRollShadow* rollShadow_;      // owned marker, hidden unless rolling
    TTimer* rollTimer_;            // owned; steps while rolling
    TGxScrollStyle scrollStyle_{rsRoll};
    TViewState viewState_;
};
