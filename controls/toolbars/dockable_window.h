#pragma once

#include "controls/toolbars/class_reference.h"
#include "controls/toolbars/dock_types.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/region.h"
#include "platform/gui/standard/std_control_types.h"
#include "platform/gui/windows/win_control.h"

#include <vector>

// A window that lives in a dock: a toolbar or a tool window. It knows where it lies (in a row of a dock,
// floating in a frame form, or directly on a form), draws its docked border, drag handle and close button
// around its client area, sizes itself to its content, moves between parents keeping its window, hides and
// shows itself with its form, and closes on request. Its content's layout is its descendants' business
// (ComputeArrangement, QueryBaseSize); the rows are the dock's (dock.h), with which it shares the fields the
// dock reads and writes while it arranges. The mouse side (dragging, sizing, floating) is in
// dockable_window_drag.cpp and dockable_window_sizing.cpp.

class TBarFloatingWindowParent;
class TOverlayWindow;

using TBarFloatingWindowParentClass = TClassReference<TBarFloatingWindowParent, TComponent*>;

class TBarCustomDockableWindow : public TCustomControl
{
public:
    explicit TBarCustomDockableWindow(TComponent* owner);
    ~TBarCustomDockableWindow() override;

    // --- where it lies ---
    // The only way between a form, a dock and a floating frame; the window keeps its handle.
    void SetParent(TWinControl* value) override;
    void SetBounds(int left, int top, int width, int height) override;
    bool Docked() const { return FDocked; }
    TBarDock* CurrentDock() const { return FCurrentDock; }
    // nullptr puts the window on its form ("Control '%s' has no parent window" without one).
    void SetCurrentDock(TBarDock* value);
    TBarDock* DefaultDock() const { return FDefaultDock; }
    void SetDefaultDock(TBarDock* value);
    TBarDock* LastDock() const { return FLastDock; }
    void SetLastDock(TBarDock* value);
    int DockPos() const { return FDockPos; }
    void SetDockPos(int value);
    int DockRow() const { return FDockRow; }
    void SetDockRow(int value);
    int EffectiveDockPos() const { return FEffectiveDockPos; }
    int EffectiveDockRow() const { return FEffectiveDockRow; }
    bool Floating() const { return FFloating; }
    void SetFloating(bool value);
    TPoint FloatingPosition() const { return FFloatingPosition; }
    void SetFloatingPosition(TPoint value);
    // The length the dock gave the window in its row while it shrinks; 0 for none.
    int CurrentSize() const { return FCurrentSize; }
    void SetCurrentSize(int value) { FCurrentSize = value; }
    // Pixels of the docked border and drag handle across and along.
    int NonClientWidth() { return DockedNCExtent().X; }
    int NonClientHeight() { return DockedNCExtent().Y; }
    // A drag runs, and whether it moves the window along its row.
    bool InDragMode() const { return FDragMode; }
    bool DragSplitting() const { return FDragSplitting; }
    // The floating frame while the window floats.
    TBarFloatingWindowParent* FloatParent() const { return FFloatParent; }

    // --- properties ---
    bool ActivateParent() const { return FActivateParent; }
    void SetActivateParent(bool value) { FActivateParent = value; }
    bool AutoResize() const { return FAutoResize; }
    void SetAutoResize(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool CloseButton() const { return FCloseButton; }
    void SetCloseButton(bool value);
    bool CloseButtonWhenDocked() const { return FCloseButtonWhenDocked; }
    void SetCloseButtonWhenDocked(bool value);
    TBarDockableTo DockableTo() const { return FDockableTo; }
    void SetDockableTo(TBarDockableTo value) { FDockableTo = value; }
    TBarDockMode DockMode() const { return FDockMode; }
    void SetDockMode(TBarDockMode value) { FDockMode = value; }
    TBarDockableWindowStyles DockableWindowStyles() const { return FDockableWindowStyles; }
    void SetDockableWindowStyles(TBarDockableWindowStyles value) { FDockableWindowStyles = value; }
    TBarDragHandleStyle DragHandleStyle() const { return FDragHandleStyle; }
    void SetDragHandleStyle(TBarDragHandleStyle value);
    TBarFloatingMode FloatingMode() const { return FFloatingMode; }
    void SetFloatingMode(TBarFloatingMode value);
    bool FullSize() const { return FFullSize; }
    void SetFullSize(bool value);
    bool HideWhenInactive() const { return FHideWhenInactive; }
    void SetHideWhenInactive(bool value) { FHideWhenInactive = value; }
    bool Resizable() const { return FResizable; }
    void SetResizable(bool value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    bool SmoothDrag() const { return FSmoothDrag; }
    void SetSmoothDrag(bool value) { FSmoothDrag = value; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool UseLastDock() const { return FUseLastDock; }
    void SetUseLastDock(bool value);
    // The caption of a floating frame is drawn inactive.
    bool InactiveCaption() const { return FInactiveCaption; }
    // The docked close button is held down, or the pointer is over it.
    bool CloseButtonDown() const { return FCloseButtonDown; }
    bool CloseButtonHover() const { return FCloseButtonHover; }

    // --- layout ---
    void BeginUpdate();
    void EndUpdate();
    // Lays the content out and sizes the window to it (deferred inside BeginUpdate/EndUpdate).
    void Arrange();
    // The docked border and drag handle around the client area, sides as given.
    void GetDockedNCArea(TPoint& topLeft, TPoint& bottomRight, bool leftRight);
    void AddDockedNCAreaToSize(TPoint& s, bool leftRight);
    void GetFloatingNCArea(TPoint& topLeft, TPoint& bottomRight);
    void AddFloatingNCAreaToSize(TPoint& s);
    virtual TPoint GetFloatingBorderSize();
    // Docked in a dock that allows dragging, or floating.
    bool IsMovable();

    // --- mouse (dockable_window_drag.cpp, dockable_window_sizing.cpp) ---
    // The drag loop from a press at a client point.
    void BeginMoving(int initX, int initY);
    // The sizing loop of a floating frame; nothing unless floating.
    void BeginSizing(TBarSizeHandle sizeHandle);
    // Brings a floating frame back onto its monitor's work area (only when wholly off it, when asked).
    void MoveOnScreen(bool onlyIfFullyOffscreen);
    // Docked: floats (dmCanFloat); elsewhere: back to the last or the default dock.
    void ToggleDocked();

    // --- the position store ---
    virtual void ReadPositionData(const TBarReadPositionData&) {}
    virtual void DoneReadingPositionData(const TBarReadPositionData&) {}
    virtual void WritePositionData(const TBarWritePositionData&) {}

    // --- visibility of a floating window ---
    // Whether the window should show now (its own visibility, its form's, the thread's activation).
    bool ShouldBeShown();
    void SyncVisibility();
    void SyncTopmost();
    void RefreshCaptionState();

    // OnCloseQuery, then hides and fires OnClose.
    void Close();
    void NotifyMoved();

    TNotifyEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDockChanged;
    TBarDockChangingEvent OnDockChanging;
    TBarDockChangingEvent OnDockChangingHidden;
    TNotifyEvent OnMove;
    TNotifyEvent OnRecreated;
    TNotifyEvent OnRecreating;
    TNotifyEvent OnVisibleChanged;

    void Dispatch(TMessage& message) override;

    // The thread's floating windows (FloatingWindowsHookProc walks them).
    static const std::vector<TBarCustomDockableWindow*>& FloatingWindows();

protected:
    friend class TBarDock;
    friend class TBarDockArrangement;
    friend class TBarFloatingWindowParent;

    // --- what descendants fill in ---
    virtual TPoint DockedNCExtent();
    // True in result when a visible child control lies under the client point (a press there starts no
    // drag); result is left alone otherwise.
    virtual void IsPointOverChild(TPoint point, bool& result);
    // The client size the content needs when the window lies in newDock (or floats); with moveControls the
    // real layout runs.
    virtual TPoint ComputeArrangement(bool moveControls, TBarDockKind currentKind, bool newFloating,
                                      TBarDock* newDock) = 0;
    virtual void DrawNCArea(bool drawToDC, HDC dc, const TRegion* clip);
    virtual void QueryBaseSize(TPoint& size) = 0;
    virtual TRect CloseButtonBounds(bool leftRight);
    virtual void QueryMinShrinkSize(int&) {}
    virtual void QuerySizeLimits(int&, int&, int&, int&) {}
    virtual TBarShrinkMode QueryShrinkMode() { return tbsmNone; }
    virtual void ClientSizeChanging(int, int) {}
    virtual bool ChildIgnoredInHitTest(TControl*) { return false; }
    virtual void DoDockChangingHidden(bool newFloating, TBarDock* dockingTo);
    virtual TBarFloatingWindowParentClass FloatingFrameClass();
    virtual void AfterLoaded() {}
    virtual void SizingStarted(TBarSizeHandle) {}
    virtual void SizingFinished() {}
    virtual void SizingTrack(TRect&, const TRect&) {}
    virtual void SizingApply() {}

    void CreateParams(TCreateParams& params) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    // Runs the layout when it may: AutoResize, docked or floating.
    bool ShouldAutoSize();
    void ResizeToContent(int width, int height);
    void RepaintNonClient();

    int FCurrentSize = 0;
    bool FDragMode = false;

private:
    friend class TBarDockableWindowDrag;
    friend class TBarDockableWindowSizing;

    // --- messages (dockable_window_frame.cpp) ---
    void WMNCCalcSize(TMessage& message);
    void WMNCHitTest(TMessage& message);
    void WMNCPaint(TMessage& message);
    void WMNCLButtonDown(TMessage& message);
    void WMNCMouseMove(TMessage& message);
    void WMSetCursor(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMContextMenu(TMessage& message);
    void WMMove(TMessage& message);
    void CMShowingChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void PaintDragHandle(TCanvas& canvas, const TRect& window);
    void PaintCloseButton(TCanvas& canvas, bool leftRight);
    void SetCloseButtonDown(bool value);
    void ClearCloseButtonHover();
    void TrackCloseButton();

    // --- moves (dockable_window_parent.cpp) ---
    void MoveToParent(TWinControl* value, TBarDock* oldDock, TBarDock* newDock, bool newFloating);
    void RecomputePlace();
    void UpdateFloatingList();
    void PlaceFloatingFrame();
    void SetFrameOwner(bool show);

    bool FAutoResize = true;
    int FDockPos = -1;
    int FDockRow = 0;
    int FEffectiveDockPos = 0;
    int FEffectiveDockRow = -1;
    bool FDocked = false;
    TBarDock* FCurrentDock = nullptr;
    TBarDock* FDefaultDock = nullptr;
    TBarDock* FLastDock = nullptr;
    bool FFloating = false;
    bool FActivateParent = true;
    bool FHideWhenInactive = true;
    bool FCloseButton = true;
    bool FCloseButtonWhenDocked = false;
    bool FFullSize = false;
    bool FResizable = true;
    bool FShowCaption = true;
    bool FStretch = false;
    bool FUseLastDock = true;
    TBorderStyle FBorderStyle = bsSingle;
    TBarDockMode FDockMode = dmCanFloat;
    TBarDragHandleStyle FDragHandleStyle = dhSingle;
    TBarDockableTo FDockableTo = {dpTop, dpBottom, dpLeft, dpRight};
    TBarFloatingMode FFloatingMode = fmOnTopOfParentForm;
    bool FSmoothDrag = true;
    TBarDockableWindowStyles FDockableWindowStyles = {tbdsResizeEightCorner, tbdsResizeClipCursor};
    int FLastRowSize = 0;          // row thickness the dock gave at the last arrangement
    bool FInsertRowBefore = false; // a drag asks the dock for a new row before DockRow
    int FUpdatingBounds = 0;       // the framework sets the bounds
    int FDisableArrange = 0;       // BeginUpdate depth
    int FDisableOnMove = 0;
    int FHidden = 0; // forced hidden while the window changes parents
    bool FArrangeNeeded = false;
    bool FMoved = false;
    bool FInactiveCaption = false;
    TPoint FFloatingPosition;
    std::vector<TCustomForm*> FDockForms; // more forms whose docks a drag may use
    bool FDragSplitting = false;
    bool FDragCanSplit = false;
    bool FSmoothDragging = false;
    bool FCloseButtonDown = false;
    bool FCloseButtonHover = false;
    TBarFloatingWindowParent* FFloatParent = nullptr;
};
