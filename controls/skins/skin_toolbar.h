#pragma once

#include "controls/skins/skin_bar_painting.h"
#include "controls/skins/skin_chevron.h"
#include "controls/skins/skin_item_cache.h"
#include "controls/skins/skin_viewers.h"
#include "controls/toolbars/toolbar.h"

#include <functional>

// The skinned toolbar: the framework's toolbar with its background and frame painted by the skin in force
// (with a draw event around it), repainted when the skin changes. Stretched across its dock it widens its
// anchored items and the first right-align spacer so that the items behind the spacer end at the bar's far
// end; while customized, its items can be rearranged by dragging. Its layout passes are in
// skin_toolbar_layout.cpp, its mouse and customizing drags in skin_toolbar_customizing.cpp.

class TQvToolbar;

// Re-entry guards of the toolbar's layout passes.
enum TQvToolbarState
{
    tstResizing,
    tstRightAligning,
    tstAnchoring
};
using TQvToolbarStates = TSet<TQvToolbarState>;

// A change of the toolbar's items, as the framework's item listeners hear it.
using TQvItemNotificationEvent =
    std::function<void(TObject* sender, TBarCustomItem* ancestor, bool relayed, TBarItemChangedAction action,
                       int index, TBarCustomItem* item)>;

// The skinned toolbar's view: measures its items unstretched first, so that stretched items can take the
// height (width on a vertical bar) of the tallest, and keeps an update bracket of its own at whose end the
// toolbar aligns its items again.
class TQvToolbarView : public TBarToolbarView, public IQvStretchingView
{
public:
    TQvToolbarView(TComponent* owner, TBarView* parentView, TBarCustomItem* parentItem, TWinControl* window,
                   bool isToolbar, bool customizing, bool usePriorityList);

    // The largest height of the toolbar with its frame; -1 without a limit.
    int MaxSize() const { return FMaxSize; }
    void SetMaxSize(int value);
    int TallestItemSize() const override { return FTallestItemSize; }

    // The bracket of the skinned toolbar (the framework's bracket inside it); its outermost end aligns the
    // toolbar's items again.
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return FUpdating > 0; }

protected:
    void DoUpdatePositions(TPoint& size) override;

private:
    void MeasureTallestItem();

    int FMaxSize = -1;
    int FTallestItemSize = 0;
    int FUpdating = 0; // depth of this view's own bracket
};

class TQvToolbar : public TBarCustomToolbar,
                   public IQvItemsToolbar,
                   public IQvSkinnedDockableWindow,
                   public IQvChevronToolbar
{
public:
    explicit TQvToolbar(TComponent* owner);
    ~TQvToolbar() override;

    // --- properties ---
    bool ChevronVertical() const override { return FChevronVertical; }
    void SetChevronVertical(bool value) { FChevronVertical = value; }
    bool Customizable() const { return FCustomizable; }
    // A menu bar is never customizable.
    void SetCustomizable(bool value);
    TQvToolbarDisplayMode DisplayMode() const override { return FDisplayMode; }
    void SetDisplayMode(TQvToolbarDisplayMode value);
    bool MenuBar() const { return FMenuBar; }
    void SetMenuBar(bool value);
    int MaxSize() const override;
    void SetMaxSize(int value);
    int DefaultToolbarBorderSize() const override { return FDefaultToolbarBorderSize; }
    // The toolbar embedded in a compound bar: controls put on it get their items in the bar's item tree.
    bool CompoundToolbar() const { return FCompoundToolbar; }
    void SetCompoundToolbar(bool value) { FCompoundToolbar = value; }
    TQvToolbarView* View() const { return static_cast<TQvToolbarView*>(TBarCustomToolbar::View()); }

    TQvDrawEvent OnDrawBackground;
    TQvItemNotificationEvent OnItemNotification;

    // --- state ---
    // The toolbar lies in a dock at the left or the right.
    bool IsVertical() const;
    bool IsUpdating() const { return View() && View()->IsUpdating(); }
    bool IsCustomizing() const { return FCustomizingCount > 0; }
    bool IsItemMoving() const { return FItemMovingCount > 0; }
    // The customizing bracket: inside it the items can be rearranged by dragging them.
    void BeginCustomizing() { ++FCustomizingCount; }
    void EndCustomizing();
    int NonClientHeight() const override;

    // --- layout passes (skin_toolbar_layout.cpp) ---
    // Widens the anchored items and anchored controls to the dock; adjust carries over how far the bar's
    // end moved since the last pass.
    virtual void UpdateAnchors(bool adjust);
    // Widens the first visible right-align spacer so that the items behind it end at the dock's far end.
    virtual void UpdateRightAlignment();

    TColor ItemsTextColor(TQvSkinStatesType state) override;
    void DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                          bool& paintDefault) override;
    bool IsMenuBarBody() const override { return FMenuBar; }

    TPoint GetFloatingBorderSize() override;
    void ReadPositionData(const TBarReadPositionData& data) override;
    void WritePositionData(const TBarWritePositionData& data) override;
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    void DragDrop(TObject* source, int x, int y) override;
    void DoStartDrag(TDragObject*& dragObject) override;

    void Dispatch(TMessage& message) override;

    // A control item for control at index: in the root item, or on a compound toolbar in the item tree of
    // the compound bar. nullptr when control has an item already.
    TBarControlItem* InsertControlItem(int index, TControl* control);

    // The rectangle of the drop mark drawn last while customizing; empty when none.
    TRect LastDropMark() const { return FLastDropMark; }
    // What the toolbar remembers of its anchored control items.
    const TQvItemCacheCollection& AnchoredControlItems() const { return FAnchoredControlItems; }

protected:
    friend class TQvDock;

    // The margin the right alignment keeps free along the bar: the frame and the drag handle.
    virtual int RightAlignMargin();
    // Starts a customizing drag of the item under the press; true when the press is taken.
    virtual bool TryItemDrag(TMouseButton button, TShiftState shift, int x, int y);
    virtual bool AllowItemMouseDown(TBarCustomItem*, TMouseButton, TShiftState, int, int) { return true; }
    // A press on an item that lets clicks through runs its OnClick at once.
    virtual void ClickTransparentItem(TBarCustomItem* item, TMouseButton button, TShiftState shift, int x,
                                      int y);
    virtual void ItemNotification(TBarCustomItem* ancestor, bool relayed, TBarItemChangedAction action,
                                  int index, TBarCustomItem* item);

    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void DrawNCArea(bool drawToDC, HDC dc, const TRegion* clip) override;
    TBarToolbarViewClass ToolbarViewClass() override;
    TBarChevronItemClass ChevronItemClass() override;
    TBarFloatingWindowParentClass FloatingFrameClass() override;

private:
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
    bool CanAlignItems(TQvToolbarState guard) const;
    // The anchoring of one viewer (skin_toolbar_layout.cpp).
    void AnchorViewer(TBarItemViewer& viewer, int delta, int dockWidth, int dockHeight);
    void AnchorControlItem(TBarControlItem& item, int delta, int dockWidth, int dockHeight);
    bool IsAnchoredControlItem(TBarCustomItem* item) const;
    void ForgetAnchoredControlItem(TBarCustomItem* item);
    int LastSelectableEdge();
    // Repaints the background and the control items without the other items, which the skin change or
    // size change leaves as they are; withFrame redraws the frame too, else the client area is erased.
    void RepaintBackgroundOnly(bool withFrame);
    // Moves item to destIndex of the root (the end without destViewer); false when it could not go there
    // and is back where it was.
    bool MoveDroppedItem(TBarCustomItem* item, TBarItemViewer* destViewer, int destIndex);
    void ShowDropMark(const TRect& mark);
    // --- messages ---
    void WMSize(TMessage& message);
    void CMHintShow(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMControlChange(TMessage& message);

    bool FChevronVertical = true;
    bool FCompoundToolbar = false;
    bool FCustomizable = true;
    int FCustomizingCount = 0;
    int FItemMovingCount = 0; // nothing here moves items in steps: stays 0
    TQvToolbarDisplayMode FDisplayMode = tbdmSelectiveCaption;
    TRect FLastDropMark;
    int FLastSelectableWidth = 0; // where the bar ended at the last anchoring pass
    bool FMenuBar = false;
    TBarItemViewer* FBeginDragIV = nullptr; // the viewer whose item a customizing drag moves
    TQvItemCacheCollection FAnchoredControlItems;
    TQvToolbarStates FState;
    int FDefaultToolbarBorderSize = 2;
};
