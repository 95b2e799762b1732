#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/graphics/canvas.h"

// The scroll bar model of the grid: range, page and position kept in the control and mirrored into the
// window's own horizontal or vertical scroll bar. A position change moves the window's content by the
// distance the control reports, unless updates are held or the scrolling is manual.

class TGxCustomScrollControl;

// Named apart from the standard controls' TScrollBarKind.
enum TGxScrollBarKind
{
    skHorizontal,
    skVertical
};

// How the last scroll by the user was made.
enum TScrollKind
{
    rkIdle,
    rkLine,
    rkPage,
    rkThumb,
    rkTopBottom
};

class TGxCustomScrollBar : public TPersistent
{
public:
    TGxCustomScrollBar(TGxCustomScrollControl* ownerScrollView, TCanvas* canvas);

    bool AutoHide() const { return autoHide_; }
    // Shows the bar while Max is not 0 or AutoHide is off.
    void SetAutoHide(bool value);
    int BarFlag() const { return barFlag_; }
    bool Enabled() const { return enabled_; }
    // Enables or disables both arrows of the window's bar.
    void SetEnabled(bool value);
    TGxScrollBarKind Kind() const { return kind_; }
    void SetKind(TGxScrollBarKind value);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value) { largeChange_ = value; }
    bool ManualScroll() const { return manualScroll_; }
    void SetManualScroll(bool value) { manualScroll_ = value; }
    int Max() const { return max_; }
    // Never negative; hides the bar when the page holds it (AutoHide) and pulls Position down to it.
    void SetMax(int value);
    int Min() const { return min_; }
    void SetMin(int value);
    int OldPosition() const { return oldPosition_; }
    int PageSize() const { return pageSize_; }
    // At least 1.
    void SetPageSize(int value);
    int Position() const { return position_; }
    // Clamped into Max and Min (and 0); moves the content unless updates are held or scrolling is manual.
    void SetPosition(int value);
    TScrollKind ScrollKind() const { return scrollKind_; }
    void SetScrollKind(TScrollKind value) { scrollKind_ = value; }
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value) { smallChange_ = value; }
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);
    int UpdateCount() const { return updateCount_; }

    // The three values as they are, then one window update.
    virtual void SetValues(int max, int pageSize, int largeChange);
    void First();
    // The last position at which the page still ends at Max.
    void Last();
    void MoveBy(int distance);
    // A line or page step sent to the window as a scroll message, as a click on the bar would.
    void Next();
    void Prior();
    virtual void PageDown();
    virtual void PageUp();
    bool IsFirst() const { return position_ == 0; }
    bool IsLast() const { return max_ < position_ + pageSize_; }
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate() { --updateCount_; }
    // Takes another scroll bar of this kind without copying anything of it.
    void Assign(const TPersistent* source) override;

    // Mirrors the model into the window's scroll bar; nothing here.
    virtual void UpdateScrollBar() {}

protected:
    void SendScroll(unsigned code);

    TGxCustomScrollControl* owner_; // the control whose window carries the bar
    TCanvas* canvas_;               // given at creation, not used

private:
    bool autoHide_ = true;      // hidden while the page covers the range
    bool manualScroll_ = false; // position changes do not move the content
    int barFlag_ = -1;          // SB_HORZ or SB_VERT once Kind is set
    bool enabled_ = true;
    TGxScrollBarKind kind_ = skHorizontal;
    int largeChange_ = 1; // page step
    int max_ = 0;
    int min_ = 0;
    int oldPosition_ = 0; // before the last change
    int pageSize_ = 0;
    int position_ = 0;
    int smallChange_ = 1; // line step
    TScrollKind scrollKind_ = rkIdle;
    int updateCount_ = 0; // above 0: position changes do not move the content
    bool visible_ = false;
};

// The model on a window scroll bar: showing shows the window's bar, and every change reaches it.
class TGxScrollBar : public TGxCustomScrollBar
{
public:
    using TGxCustomScrollBar::TGxCustomScrollBar;
    void SetVisible(bool value) override;
    void UpdateScrollBar() override;

private:
    bool isUpdating_ = false; // the window update is running (SetScrollInfo may re-enter through WM_SIZE)
};
