#pragma once

#include "controls/grid/control6.h"
#include "controls/grid/scroll_bar6.h"

#include <memory>

// A 6-series control with the window's own scroll bars, each driven by a scroll bar model. Scroll
// messages become Scroll calls of the bars and events; the wheel is left to descendants.
class TGxScrollControl6 : public TGxStyledControl6, public IGxScrollingControl
{
public:
    explicit TGxScrollControl6(TComponent* owner);
    ~TGxScrollControl6() override;

    TGxScrollBar6* HorzScrollBar() const { return horzScrollBar_.get(); }
    TGxScrollBar6* VertScrollBar() const { return vertScrollBar_.get(); }
    TGxScrollBars ScrollBars() const { return scrollBars_; }
    // Shows the bars of the set (while the window exists) and repaints.
    void SetScrollBars(TGxScrollBars value);

    // No control here wants to be asked before scrolling.
    virtual bool ScrollQuery() { return false; }
    // The content moves by dx, dy: OnContentScroll.
    void DoContentScroll(int dx, int dy) override;
    // Moves the content; nothing here.
    virtual void ScrollContent(int dx, int dy, const TRect& scrollRect, const TRect& clipRect);

    TNotifyEvent OnContentScroll;
    TNotifyEvent OnHorizontalScroll;
    TNotifyEvent OnVerticalScroll;

    // IGxScrollingControl
    bool IsScrollingEnabled() const override { return Enabled(); }
    HWND ScrollWindowHandle() override { return Handle(); }
    bool ScrollWindowExists() const override { return HandleAllocated(); }
    bool IsBeingDestroyed() const override { return ComponentState().Contains(csDestroying); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    bool DoMouseWheelDown(TShiftState, TPoint) override { return true; }
    bool DoMouseWheelUp(TShiftState, TPoint) override { return true; }

private:
    void ApplyScrollBars();
    void ScrollMessage(TMessage& message, TGxScrollBar6& bar, TNotifyEvent& event);

    std::unique_ptr<TGxScrollBar6> horzScrollBar_;
    std::unique_ptr<TGxScrollBar6> vertScrollBar_;
    TGxScrollBars scrollBars_{sbHorizontal, sbVertical};
};
