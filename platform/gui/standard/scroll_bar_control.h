#pragma once

#include "platform/gui/standard/std_control_types.h"
#include "platform/gui/windows/scroll_bars.h"

// A scroll bar as a control of its own. Position stays within [Min, Max]; the user's steps stop where the
// page reaches Max (Max - PageSize + 1). PageSize -1 or 0 is no page. Each step of the user fires OnScroll
// with its code and the position it leads to (which the handler may change), then sets Position; a changed
// Position fires OnChange.

class TScrollBar : public TWinControl
{
public:
    explicit TScrollBar(TComponent* owner);

    TScrollBarKind Kind() const { return kind_; }
    // A new kind turns the bar: width and height swap.
    void SetKind(TScrollBarKind value);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int PageSize() const { return pageSize_; }
    void SetMin(int value) { SetParams(position_, value, max_); }
    void SetMax(int value) { SetParams(position_, min_, value); }
    void SetPosition(int value) { SetParams(value, min_, max_); }
    // EInvalidOperation when the page does not fit the range (or is below -1).
    void SetPageSize(int value);
    // Sets all three at once; EInvalidOperation when max is below min or the page does not fit.
    void SetParams(int position, int min, int max);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DefaultHandler(TMessage& message) override;
    virtual void Change();
    virtual void Scroll(TScrollCode scrollCode, int& scrollPos);
    // Turns a scroll code of the window (SB_*) into a step: OnScroll, then Position.
    void DoScroll(unsigned code);

private:
    // The window style of the kind: SBS_HORZ or SBS_VERT.
    uint32_t KindStyle() const { return kind_ == sbVertical ? SBS_VERT : SBS_HORZ; }
    void UpdateScrollInfo();
    void CheckRange(int min, int max, int pageSize) const;
    TScrollBarKind kind_ = sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pageSize_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};
