#pragma once

#include "controls/grid/popup_control6.h"

// Popups that show a scrolling list of items: TGxListPopupControl6 with its paging keys and the owner's
// drawing, and TGxStringsPopupControl6, the list of a combo box's strings.

class TGxListPopupControl6 : public TGxEditPopupControl6
{
public:
    explicit TGxListPopupControl6(TComponent* owner);

    virtual int Count() const = 0;
    virtual int DropDownCount() const = 0;
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int value) = 0;
    // The items a page shows: the drop-down count, or fewer items.
    int PageItemCount() const { return std::min(DropDownCount(), Count()); }
    // Scrolls the list so that item index shows.
    void ScrollIntoView(int index);
    // Asks the owner to draw the item when it draws strings; true when the list's own drawing may follow.
    virtual bool DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    // One line up or down, as a click on the bar's arrows.
    void ScrollUp() { VertScrollBar()->Prior(); }
    void ScrollDown() { VertScrollBar()->Next(); }
    virtual void UpdateScrollBar() {}

protected:
    IGxStringsControl* StringsOwner() const { return dynamic_cast<IGxStringsControl*>(Owner()); }
    void Paint() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
};

class TGxStringsPopupControl6 : public TGxListPopupControl6
{
public:
    explicit TGxStringsPopupControl6(TComponent* owner);

    int Count() const override;
    int DropDownCount() const override;
    // The owner's item height; below 1 it counts as 1.
    int ItemHeight() const;
    int ItemIndex() const override;
    // Selects the item in the owner, which tells OnSelect.
    void SetItemIndex(int value) override;
    TStrings* Items() const;
    int HotIndex() const { return hotIndex_; }
    void SyncSelection() override;
    void UpdateScrollBar() override;
    void DoContentScroll(int dx, int dy) override;
    void ScrollContent(int dx, int dy, const TRect& scrollRect, const TRect& clipRect) override;

protected:
    void BeforePopup() override;
    void AfterPopup() override;
    void Paint() override;
    void Dispatch(TMessage& message) override;

private:
    int ItemAt(int y) const;
    TRect ItemRect(int index) const;
    void SetHotIndex(int index);

    int hotIndex_ = -1; // the item under the pointer
};
