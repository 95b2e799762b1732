#pragma once

#include "controls/grid/control6_types.h"
#include "platform/gui/core/classes.h"
#include "platform/gui/windows/messages.h"
#include "platform/gui/windows/scroll_bars.h"

// The 6-series model of one of a window's own scroll bars: range, page, position and steps kept here and
// pushed into the window, the live position read back from it, scroll requests turned into a position, and
// the distance the content has to move told to the control. The 5-series grid has a model of its own
// (scroll_bar_model.h).

// What the bar needs of the control whose window carries it.
class IGxScrollingControl
{
public:
    // The control is enabled (an enabled bar needs it).
    virtual bool IsScrollingEnabled() const = 0;
    virtual HWND ScrollWindowHandle() = 0;
    virtual bool ScrollWindowExists() const = 0;
    virtual bool IsBeingDestroyed() const = 0;
    // The position moved by dx, dy: the content follows.
    virtual void DoContentScroll(int dx, int dy) = 0;

protected:
    ~IGxScrollingControl() = default;
};

enum TGxScrollType
{
    stFirst,
    stLast,
    stSmallDecrement,
    stSmallIncrement,
    stLargeDecrement,
    stLargeIncrement,
    stThumbPosition,
    stThumbTrack,
    stEndScroll
};

// The scroll type of a scroll message's SB_* code; stEndScroll for codes it does not know.
TGxScrollType ScrollTypeOfCode(unsigned code);

class TGxCustomScrollBar6 : public TPersistent
{
public:
    TGxCustomScrollBar6(IGxScrollingControl* control, TScrollBarKind kind);

    bool AutoHide() const { return autoHide_; }
    // Without AutoHide the bar stays, disabled, while there is nothing to scroll.
    void SetAutoHide(bool value);
    // Read only: nothing turns manual scrolling on or the bar's own switch off.
    bool ManualScroll() const { return false; }
    bool Enabled() const { return true; }
    TScrollBarKind Kind() const { return kind_; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    int Max() const { return max_; }
    void SetMax(int value);
    int Min() const { return min_; }
    void SetMin(int value);
    int PageSize() const { return pageSize_; }
    // A page larger than Max leaves nothing to scroll: Max, page and position become 0.
    void SetPageSize(int value);
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);

    // The window's position while the bar shows and is not locked; the stored one otherwise.
    virtual int Position() const;
    // Clamped to Max - PageSize + 1 and 0, pushed into the window; the control hears the distance moved
    // (also 0) unless the bar is locked.
    void SetPosition(int value);
    // Nothing takes a snapshot here, so this is the position.
    int SnapshotPosition() const { return Position(); }
    // The window's track position while the thumb is dragged.
    int ThumbPosition() const;
    // The window's style shows the bar.
    bool Showing() const;
    // SB_HORZ or SB_VERT.
    virtual int BarFlag() const;

    // Steps sent to the window as scroll messages (only while Max > 0), so that the control's scroll
    // handling makes them.
    void First();
    void Last();
    void Prior();
    void Next();
    virtual void PageUp();
    virtual void PageDown();
    bool IsFirst() const;
    bool IsLast() const;
    void MoveBy(int distance);
    virtual void Scroll(TGxScrollType scrollType);
    // Max and page together; nothing to scroll puts the position to 0.
    virtual void SetValues(int max, int pageSize);
    void Show();
    void Hide();
    void Clear(bool update);
    // While locked, positions stay in the model.
    void Lock() { locked_ = true; }
    void Unlock(bool update);
    // Pushes the model into the window.
    virtual void Update();

private:
    void SendScroll(unsigned code);
    bool ReadWindow(unsigned mask, TScrollInfo& info) const;

    bool autoHide_ = true;
    IGxScrollingControl* control_; // the control whose window carries the bar
    TScrollBarKind kind_;
    int largeChange_ = 10; // step of page scrolling
    bool locked_ = false;  // positions stay in the model
    int max_ = 0;
    int min_ = 0;
    int pageSize_ = 0;
    int position_ = 0;      // the stored position
    int smallChange_ = 1;   // step of line scrolling
    bool updating_ = false; // Update runs (SetScrollInfo may come back through WM_SIZE)
    bool visible_ = true;   // wanted visibility
};

class TGxScrollBar6 : public TGxCustomScrollBar6
{
public:
    using TGxCustomScrollBar6::TGxCustomScrollBar6;
};
