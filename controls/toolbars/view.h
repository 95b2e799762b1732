#pragma once

#include "controls/toolbars/item.h"
#include "platform/gui/core/set_of.h"
#include "platform/gui/windows/keys.h"

#include <memory>
#include <vector>

// A view shows the children of one item in one window: one viewer per shown item, laid out in lines and
// columns, kept in step with the item tree through its change notifications, and painted. A toolbar owns a
// view of its root item and every open popup window one of the submenu it shows; views chain upwards through
// ParentView to the root view of a toolbar or of a popup menu. The second half of the view (view_*.cpp) is
// the selection, the keys, the child popups and the end of the modal loop.

class TBarItemViewer;
class TBarPopupWindow;
class TBarBaseAccObject;
class TCanvas;
class TControl;
class TFont;
class TWinControl;
struct THintInfo;

enum TBarViewOrientation
{
    tbvoHorizontal,
    tbvoVertical,
    tbvoFloating
};

enum TBarViewStateFlag
{
    vsModal,              // a modal loop runs on this view
    vsMouseInWindow,      // the pointer is over the view's window
    vsDrawInOrder,        // the next full paint draws the viewers in list order
    vsOppositePopup,      // this popup opened on the left of its parent: its submenus try the left first
    vsIgnoreFirstMouseUp, // the release of the press that opened a free-standing popup is not an end
    vsShowAccels,         // accelerator underlines show
    vsDropDownMenus,      // a toolbar view whose submenus open as the selection moves
    vsNoAnimation         // the next popup of this toolbar view opens without animation
};
using TBarViewState = TSet<TBarViewStateFlag>;

enum TBarViewStyleFlag
{
    vsMenuBar,
    vsUseHiddenAccels,
    vsAlwaysShowHints
};
using TBarViewStyle = TSet<TBarViewStyleFlag>;

enum TBarEnterToolbarLoopOption
{
    tbetMouseDown,
    tbetExecuteSelected,
    tbetFromMSAA
};
using TBarEnterToolbarLoopOptions = TSet<TBarEnterToolbarLoopOption>;

// The timers of a popup view: window timers of its popup window, numbered from 9000.
constexpr int ViewTimerOpen = 0;
constexpr int ViewTimerClose = 1;
constexpr int ViewTimerScrollUp = 2;
constexpr int ViewTimerScrollDown = 3;
constexpr uintptr_t ViewTimerBaseId = 9000;

class TBarView : public TComponent
{
public:
    // A descendant that answers framework items of its own (GetChevronItem, the MDI items) calls
    // RecreateAllViewers at the end of its constructor, as this one runs with the base answers.
    TBarView(TComponent* owner, TBarView* parentView, TBarCustomItem* parentItem, TWinControl* window,
             bool isToolbar, bool customizing, bool usePriorityList);
    ~TBarView() override;

    // --- viewers ---
    // A bad index raises "Toolbar item index out of range".
    TBarItemViewer* GetViewer(int index) const;
    TBarItemViewer* Viewers(int index) const { return GetViewer(index); }
    int ViewerCount() const { return static_cast<int>(FViewers.size()); }
    int IndexOf(const TBarItemViewer* viewer) const;
    // The first viewer of item; raises "An item viewer associated the specified item could not be found".
    TBarItemViewer* Find(const TBarCustomItem* item) const;
    // The first shown viewer at a client point; nullptr.
    TBarItemViewer* ViewerFromPoint(TPoint p);
    void RecreateAllViewers();
    // The windowed controls of the hosted-control items hidden for lack of room.
    void GetOffEdgeControlList(std::vector<TControl*>& list) const;
    // This view or one opened from it.
    bool ContainsView(const TBarView* view) const;

    // --- layout ---
    // Lays the viewers out now; the size they take.
    TPoint UpdatePositions();
    void ValidatePositions();
    // Validates unless a bracket is open or the items are being loaded.
    void TryValidatePositions();
    virtual void InvalidatePositions();
    void BeginUpdate();
    void EndUpdate();
    // The layout: places the viewers for orientation, wrapping lines after wrapOffset and giving up items for
    // a chevron beyond chevronOffset. baseSize gets the items' length along the main axis and their largest
    // extent across it, totalSize the size taken, wrappedLines the lines. With canMoveControls the viewers
    // and hosted controls take their places and the answer is whether any viewer changed; without, nothing
    // moves and the answer is false.
    bool ComputeLayout(bool canMoveControls, TBarViewOrientation orientation, int wrapOffset,
                       int chevronOffset, int chevronSize, TPoint& baseSize, TPoint& totalSize,
                       int& wrappedLines);

    // --- priority (which items a chevron hides last) ---
    void GivePriority(TBarItemViewer* viewer);
    TBarItemViewer* HighestPriorityViewer();

    // --- painting ---
    // Paints the viewers that meet the canvas's clip rectangle, the selected one last.
    void DrawSubitems(TCanvas& canvas);
    void Invalidate(TBarItemViewer* viewer);

    // --- selection (view_selection.cpp) ---
    TBarItemViewer* Selected() const { return FSelected; }
    void SetSelected(TBarItemViewer* value) { Select(value, false); }
    void Select(TBarItemViewer* value, bool viaMouse);
    // The selection follows the pointer at a screen point (X of INT32_MIN: no point).
    void UpdateSelection(TPoint p, bool allowNewSelection);
    TBarItemViewer* FirstSelectable();
    TBarItemViewer* NextSelectable(TBarItemViewer* curViewer, bool goForward);
    TBarItemViewer* NextSelectableWithAccel(TBarItemViewer* curViewer, char32_t key, bool requirePrimaryAccel,
                                            bool& isOnlyItemWithAccel);
    void SetCapture() { FCapture = true; }
    void CancelCapture();

    // --- keys (view_keys.cpp) ---
    virtual void HandleNavigationKey(uint16_t& key, TShiftState shift);

    // --- child popups, timers, scrolling (view_popups.cpp) ---
    bool OpenChildPopup(bool selectFirstItem);
    void CloseChildPopups();
    void CancelChildPopups();
    void StartViewTimer(int timer, unsigned interval);
    void StopViewTimer(int timer);
    void StopAllViewTimers();
    void ScrollStep(bool down);
    void ScrollSelectedIntoView();
    void UpdateAccelUnderlines(bool showAccels);
    // CM_HINTSHOW: the viewer under the hint's point gives the hint.
    void HandleHintShowMessage(TMessage& message);

    // --- the modal loop and its end (view_modal.cpp) ---
    void EnterToolbarLoop(TBarEnterToolbarLoopOptions options);
    void ExecuteSelected(bool givePriority);
    void EndModal();
    void EndModalWithClick(TBarItemViewer* viewer);
    void EndModalWithHelp(int contextID);
    void EndModalWithSystemMenu(HWND wnd, uint16_t key);
    bool IsModalEnding();
    void CancelMode();
    const TBarDoneActionData& DoneActionData() const { return FDoneActionData; }

    // --- accessibility ---
    std::shared_ptr<TBarBaseAccObject> GetAccObject();
    // WM_GETOBJECT; true when answered.
    bool HandleGetObject(TMessage& message);
    void NotifyFocusEvent();

    // --- properties ---
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { FBackgroundColor = value; }
    TPoint BaseSize() const { return FBaseSize; }
    bool Capture() const { return FCapture; }
    int ChevronOffset() const { return FChevronOffset; }
    void SetChevronOffset(int value) { FChevronOffset = value; }
    int ChevronSize() const { return FChevronSize; }
    void SetChevronSize(int value) { FChevronSize = value; }
    TBarView* ChevronParentView() const { return FChevronParentView; }
    bool Customizing() const { return FCustomizing; }
    void SetCustomizing(bool value);
    bool IsPopup() const { return FIsPopup; }
    bool IsToolbar() const { return FIsToolbar; }
    void SetIsToolbar(bool value) { FIsToolbar = value; }
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int value) { FMaxHeight = value; }
    TRect MonitorRect() const { return FMonitorRect; }
    bool MouseOverSelected() const { return FMouseOverSelected; }
    bool NewViewersGetHighestPriority() const { return FNewViewersGetHighestPriority; }
    void SetNewViewersGetHighestPriority(bool value) { FNewViewersGetHighestPriority = value; }
    TBarView* ParentView() const { return FParentView; }
    TBarCustomItem* ParentItem() const { return FParentItem; }
    TBarItemViewer* OpenViewer() const { return FOpenViewer; }
    TBarView* OpenViewerView() const { return FOpenViewerView; }
    TBarPopupWindow* OpenViewerWindow() const { return FOpenViewerWindow; }
    TBarViewOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TBarViewOrientation value) { FOrientation = value; }
    int ScrollOffset() const { return FScrollOffset; }
    bool SelectedViaMouse() const { return FSelectedViaMouse; }
    bool ShowUpArrow() const { return FShowUpArrow; }
    bool ShowDownArrow() const { return FShowDownArrow; }
    TBarViewState State() const { return FState; }
    void SetState(TBarViewState value) { FState = value; }
    TBarViewStyle Style() const { return FStyle; }
    void SetStyle(TBarViewStyle value) { FStyle = value; }
    bool UsePriorityList() const { return FUsePriorityList; }
    void SetUsePriorityList(bool value);
    TWinControl* Window() const { return FWindow; }
    int WrapOffset() const { return FWrapOffset; }
    void SetWrapOffset(int value) { FWrapOffset = value; }
    bool Validated() const { return FValidated; }
    // The item whose children are shown: ParentItem's LinkSubitems when set.
    TBarCustomItem* CurParentItem() const { return FCurParentItem; }
    // The font the viewers are measured and painted with.
    virtual TFont* GetFont();
    // The view at the top of the ParentView chain.
    TBarView* RootView();

protected:
    friend class TBarCustomItem;
    friend class TBarCustomToolbar;
    friend class TBarItemViewer;
    friend class TBarModalHandler;
    friend class TBarPopupWindow;
    friend class TBarViewLayout;

    void Notification(TComponent* component, TOperation operation) override;
    // Sizes the window to the laid out views; nothing here (toolbars and popups size their windows).
    virtual void AutoSize(int, int) {}
    virtual void DoUpdatePositions(TPoint& size);
    virtual TBarCustomItem* GetChevronItem() { return nullptr; }
    virtual void GetMargins(TBarViewOrientation orientation, TRect& margins);
    virtual TBarCustomItem* GetMDIButtonsItem() { return nullptr; }
    virtual TBarCustomItem* GetMDISystemMenuItem() { return nullptr; }
    // Paints one viewer, through a bitmap of its own when offscreen.
    void PaintViewer(TBarItemViewer* viewer, TCanvas& canvas, bool offscreen);

    std::vector<TBarItemViewer*> FViewers;
    TSet<int> FActiveTimers;
    TColor FBackgroundColor = clDefault;
    TPoint FBaseSize;
    bool FCapture = false;
    HWND FCaptureWnd = nullptr;
    int FChevronOffset = 0;
    TBarView* FChevronParentView = nullptr;
    int FChevronSize = 0;
    TBarCustomItem* FCurParentItem = nullptr;
    bool FCustomizing = false;
    TBarDoneActionData FDoneActionData;
    int FInternalViewersAtEnd = 0;
    int FInternalViewersAtFront = 0;
    bool FIsPopup = false;
    bool FIsToolbar = false;
    int FMaxHeight = 0;
    TRect FMonitorRect;
    bool FMouseOverSelected = false;
    bool FNewViewersGetHighestPriority = true;
    TBarItemViewer* FOpenViewer = nullptr;
    TBarView* FOpenViewerView = nullptr;
    TBarPopupWindow* FOpenViewerWindow = nullptr;
    TBarView* FParentView = nullptr;
    TBarCustomItem* FParentItem = nullptr;
    std::unique_ptr<std::vector<TBarItemViewer*>> FPriorityList;
    TBarViewOrientation FOrientation = tbvoHorizontal;
    int FScrollOffset = 0;
    TBarItemViewer* FSelected = nullptr;
    bool FSelectedViaMouse = false;
    bool FShowDownArrow = false;
    bool FShowUpArrow = false;
    TBarViewState FState;
    TBarViewStyle FStyle;
    int FUpdating = 0;
    bool FUsePriorityList = false;
    bool FValidated = false;
    TWinControl* FWindow = nullptr;
    int FWrapOffset = 0;
    std::shared_ptr<TBarBaseAccObject> FAccObjectInstance;

private:
    void UpdateLinkedParentItem();
    void HandleItemChange(TBarCustomItem* sender, bool relayed, TBarItemChangedAction action, int index,
                          TBarCustomItem* item);
    void HandleParentItemChange(TBarCustomItem* sender, bool relayed, TBarItemChangedAction action, int index,
                                TBarCustomItem* item);
    int InsertViewersOfItem(int index, TBarCustomItem* item, int groupLevel, bool addToPriorityList,
                            bool topOfPriorityList);
    void InsertItemViewers(TBarCustomItem* sender, int index, TBarCustomItem* item);
    void DeleteItemViewers(TBarCustomItem* item);
    void DeleteViewer(int index);
    void RecreateViewerAt(int index);
    void ForgetViewer(TBarItemViewer* viewer);
    void FreeViewers();
    void SubmenuImagesChanged();
    // Invalidates part of the window (nullptr: all of it), ending an opening animation first so that the
    // change shows.
    void InvalidateWindow(const TRect* rect, bool erase);
    // Accelerator keys, for NextSelectableWithAccel.
    TBarItemViewer* AccelPass(TBarItemViewer* curViewer, char32_t key, bool primary, bool enabled);
    bool MouseOverArrow(TPoint p, bool up);
    // During a modal loop: what a new selection does to the open submenu (closed at once, or after the menu
    // delay when the pointer moved off its owner).
    void SelectionTimers(TBarItemViewer* value, bool viaMouse);
    // Selects the next (or previous) selectable viewer and scrolls it into view.
    void SelectNext(bool goForward);
};
