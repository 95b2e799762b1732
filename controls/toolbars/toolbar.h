#pragma once

#include "controls/toolbars/dockable_window.h"
#include "controls/toolbars/hook_service.h"
#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/view.h"

#include <memory>
#include <vector>

// A toolbar: a dockable window that shows a tree of items through a toolbar view, in one line, in wrapped
// lines, or in one line with a chevron that offers what does not fit. One toolbar of a form can be its menu
// bar: it answers Alt, F10 and Alt+letter and spans its dock row. Any toolbar can take the application's
// shortcut keys for its items, and controls placed on it take part in its layout through control items.
// Its keys are in toolbar_keys.cpp, the main window's hook in main_window_hook.cpp, the floating sizes in
// toolbar_sizes.cpp and the chevron in chevron_item.h.

class TBarCustomToolbar;
class TBarChevronItem;

// One sizing drag of a floating toolbar's frame.
struct TToolbarSizeData
{
    TBarSizeHandle SizeHandle = twshRight;
    std::vector<TPoint> NewSizes; // the frame sizes the toolbar can take, largest first
    int OrigWidth = 0;            // the frame's size when the drag began
    int OrigHeight = 0;
    int NCXDiff = 0;   // from the frame's left edge to the toolbar's client area
    int CurRightX = 0; // the FloatingWidth the current size stands for
    bool DisableSensCheck = false;
    bool OpSide = false; // the drag is on the shrinking side
    int DistanceToSmallerSize = 0;
    int DistanceToLargerSize = 0;
};

enum TBarChevronPriorityForNewItems
{
    tbcpHighest,
    tbcpLowest
};

class TBarToolbarView : public TBarView
{
public:
    // owner must be a TBarCustomToolbar (EInvalidCast otherwise).
    TBarToolbarView(TComponent* owner, TBarView* parentView, TBarCustomItem* parentItem, TWinControl* window,
                    bool isToolbar, bool customizing, bool usePriorityList);
    TBarCustomToolbar* Toolbar() const { return FToolbar; }
    TFont* GetFont() override;
    void InvalidatePositions() override;

protected:
    void AutoSize(int width, int height) override;
    void DoUpdatePositions(TPoint& size) override;
    TBarCustomItem* GetChevronItem() override;
    TBarCustomItem* GetMDIButtonsItem() override;
    TBarCustomItem* GetMDISystemMenuItem() override;

private:
    TBarCustomToolbar* FToolbar;
};

using TBarRootItemClass = TClassReference<TBarRootItem, TComponent*>;
using TBarChevronItemClass = TClassReference<TBarChevronItem, TComponent*>;
using TBarToolbarViewClass =
    TClassReference<TBarToolbarView, TComponent*, TBarView*, TBarCustomItem*, TWinControl*, bool, bool, bool>;

class TBarCustomToolbar : public TBarCustomDockableWindow, public ITBItems
{
public:
    explicit TBarCustomToolbar(TComponent* owner);
    ~TBarCustomToolbar() override;

    // Opens the toolbar from the keyboard: key 0 selects the first item and runs the keyboard loop; a
    // character opens the item with that accelerator (or, on a menu bar, selects the first of several).
    bool KeyboardOpen(char32_t key, bool requirePrimaryAccel);
    // A WM_KEYDOWN that OnShortCut or an item's shortcut takes.
    bool IsShortCut(TMessage& message);
    // Every child control without a control item gets one.
    void CreateWrappersForAllControls();
    TBarControlItem* FindWrapper(TControl* control);
    // The actions of the items shown update (with UpdateActions).
    void InitiateAction();
    void ReadPositionData(const TBarReadPositionData& data) override;
    void WritePositionData(const TBarWritePositionData& data) override;
    TBarCustomItem* GetItems() override { return FItem; }

    // --- properties ---
    std::string ChevronHint() const;
    void SetChevronHint(const std::string& value);
    bool ChevronMoveItems() const { return FChevronMoveItems; }
    void SetChevronMoveItems(bool value);
    TBarChevronPriorityForNewItems ChevronPriorityForNewItems() const { return FChevronPriorityForNewItems; }
    void SetChevronPriorityForNewItems(TBarChevronPriorityForNewItems value);
    TBarChevronItem* ChevronItem() const { return FChevronItem; }
    int FloatingWidth() const { return FFloatingWidth; }
    void SetFloatingWidth(int value);
    TCustomImageList* Images() const { return FItem->SubMenuImages(); }
    void SetImages(TCustomImageList* value) { FItem->SetSubMenuImages(value); }
    TBarRootItem* Items() const { return FItem; }
    TBarCustomItem* LinkSubitems() const { return FItem->LinkSubitems(); }
    void SetLinkSubitems(TBarCustomItem* value) { FItem->SetLinkSubitems(value); }
    TBarItemOptions Options() const { return FItem->Options(); }
    void SetOptions(TBarItemOptions value) { FItem->SetOptions(value); }
    bool MenuBar() const { return FMenuBar; }
    void SetMenuBar(bool value);
    bool ProcessShortCuts() const { return FProcessShortCuts; }
    void SetProcessShortCuts(bool value);
    TBarShrinkMode ShrinkMode() const { return FShrinkMode; }
    void SetShrinkMode(TBarShrinkMode value);
    bool SystemFont() const { return FSystemFont; }
    void SetSystemFont(bool value);
    bool UpdateActions() const { return FUpdateActions; }
    void SetUpdateActions(bool value) { FUpdateActions = value; }
    TBarToolbarView* View() const { return FView; }
    // The line count of the last trial layout.
    int LastWrappedLines() const { return FLastWrappedLines; }

    TShortCutEvent OnShortCut;

    void Dispatch(TMessage& message) override;

protected:
    friend class TBarToolbarView;
    friend class TBarMainWindowHook;

    TPoint ComputeArrangement(bool moveControls, TBarDockKind currentKind, bool newFloating,
                              TBarDock* newDock) override;
    void QueryBaseSize(TPoint& size) override;
    void QueryMinShrinkSize(int& minimumSize) override;
    TBarShrinkMode QueryShrinkMode() override { return FShrinkMode; }
    void IsPointOverChild(TPoint point, bool& result) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Paint() override;
    void Loaded() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void DoContextPopup(TPoint mousePos, bool& handled) override;
    // The frame sizes a floating toolbar snaps between, widest first (toolbar_sizes.cpp).
    virtual void ListFloatingSizes(std::vector<TPoint>& list);
    void SizingStarted(TBarSizeHandle sizeHandle) override;
    void SizingFinished() override;
    void SizingTrack(TRect& newRect, const TRect& origRect) override;
    void SizingApply() override;
    virtual TBarChevronItemClass ChevronItemClass();
    virtual TBarRootItemClass RootItemClass();
    virtual TBarToolbarViewClass ToolbarViewClass();
    // A control item for control, inserted into the root item at index.
    void CreateWrapper(int index, TControl* control);
    // Makes the chevron item and the view again from ChevronItemClass and ToolbarViewClass. The constructor
    // here can only ask this class for them: a descendant that chooses its own calls this at the end of its
    // constructor.
    void UseClassChoices();

    TBarCustomItem* FMDIButtonsItem = nullptr;
    TBarCustomItem* FMDISystemMenuItem = nullptr;

private:
    void UpdateViewMetrics();
    int CalcWrapOffset(TBarDock* dock);
    int CalcChevronOffset(TBarDock* dock, TBarViewOrientation orientation);
    TPoint GetRowMinimumSize();
    void ClearHotItem();
    void UpdateMainWindowHook();
    void UpdateSysCharHook();
    void FollowHotItem();
    // --- messages (toolbar_keys.cpp) ---
    void CMDialogKey(TMessage& message);
    void CMDialogChar(TMessage& message);
    void WMSysCommand(TMessage& message);
    void CMControlListChange(TMessage& message);
    void CMControlChange(TMessage& message);
    void WMSetCursor(TMessage& message);

    TPoint FBaseSize;
    TBarChevronItem* FChevronItem = nullptr;
    bool FChevronMoveItems = true;
    TBarChevronPriorityForNewItems FChevronPriorityForNewItems = tbcpHighest;
    int FDisableAlignArrange = 0;
    int FFloatingWidth = 0;
    bool FIgnoreMouseLeave = false;
    TBarRootItem* FItem = nullptr;
    int FLastWrappedLines = 0;
    bool FMenuBar = false;
    bool FProcessShortCuts = false;
    bool FMainWindowHookInstalled = false;
    TBarShrinkMode FShrinkMode = tbsmChevron;
    std::unique_ptr<TToolbarSizeData> FSizeData;
    bool FSystemFont = true;
    bool FUpdateActions = true;
    TBarToolbarView* FView = nullptr;
};

// The toolbars registered with the main window's hook, in registration order.
const std::vector<TBarCustomToolbar*>& MainWindowHookToolbars();
void InstallMainWindowHook(TBarCustomToolbar* toolbar);
void UninstallMainWindowHook(TBarCustomToolbar* toolbar);
// The procedure a menu bar registers for the messages the thread takes: without a frame of documents every
// system character passes unchanged.
void SysCharHookProc(THookProcCode code, HWND wnd, WPARAM wParam, LPARAM lParam);
