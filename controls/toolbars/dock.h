#pragma once

#include "controls/toolbars/dock_types.h"
#include "platform/gui/windows/win_control.h"

#include <vector>

// A dock holds dockable windows (dockable_window.h) along one edge of a form: it aligns itself to that edge,
// arranges its windows in rows, grows or shrinks across the edge to the thickness the rows need, and paints
// optional bound lines and a background. Its rows are computed by ArrangeToolbars (dock_arrange.cpp).

class TBarCustomDockableWindow;

enum TBarDockBoundLine
{
    blTop,
    blBottom,
    blLeft,
    blRight
};
using TBarDockBoundLines = TSet<TBarDockBoundLine>;

// Paints what lies behind a dock and, when the dock says so, behind its windows.
class TBarBasicBackground : public TComponent
{
public:
    using TComponent::TComponent;
    virtual void PaintTo(HDC dc, const TRect& drawRect) = 0;
    virtual void AddChangeHandler(const TNotifyEvent& handler) = 0;
    virtual void SysColorChanged() = 0;
    virtual void RemoveChangeHandler() = 0;
    virtual bool UsingBackground() = 0;
};

class TBarDock : public TCustomControl
{
public:
    explicit TBarDock(TComponent* owner);
    ~TBarDock() override;

    // Lays the windows out in rows and sizes the dock to them; only noted while held by BeginUpdate.
    void ArrangeToolbars();
    void BeginUpdate();
    void EndUpdate();
    // The thickest window shown in row and whether the last one met is full-size; 0 for a negative row.
    int GetCurrentRowSize(int row, bool& fullSize);
    // The largest last row size of the windows shown in row other than excludeControl.
    int GetMinRowSize(int row, const TBarCustomDockableWindow* excludeControl);
    // The highest row of all windows (shown or not), effective or wanted; -1 for none.
    int GetHighestRow(bool highestEffective);
    // The row holding a coordinate across the rows; past the last row, a new one.
    int GetRowAt(int offset);
    void CommitEffectivePositions();
    void UpdateDockList(bool inserting, TBarCustomDockableWindow* window);
    void UpdateVisibleList(TBarCustomDockableWindow* window, bool forceRemove);
    void ResizeKeepingEdge(int newWidth, int newHeight);
    void RepaintBackgrounds();
    // A message the dock hands first to the floating windows it remembers; its answer, 0 when none took it.
    LRESULT RelayToFloatingWindows(TMessage& message);
    bool IsShownOnDock(const TBarCustomDockableWindow* window) const;
    bool Vertical() const { return FPosition == dpLeft || FPosition == dpRight; }

    // --- properties ---
    bool AllowDrag() const { return FAllowDrag; }
    void SetAllowDrag(bool value);
    TBarBasicBackground* Background() const { return FBackground; }
    void SetBackground(TBarBasicBackground* value);
    bool BackgroundOnToolbars() const { return FBkgOnToolbars; }
    void SetBackgroundOnToolbars(bool value);
    TBarDockBoundLines BoundLines() const { return FBoundLines; }
    void SetBoundLines(TBarDockBoundLines value);
    bool CommitNewPositions() const { return FCommitNewPositions; }
    void SetCommitNewPositions(bool value) { FCommitNewPositions = value; }
    bool FixAlign() const { return FFixAlign; }
    void SetFixAlign(bool value);
    bool LimitToOneRow() const { return FLimitToOneRow; }
    void SetLimitToOneRow(bool value) { FLimitToOneRow = value; }
    TBarDockPosition Position() const { return FPosition; }
    // Raises EInvalidOperation when the dock holds controls and the value differs.
    void SetPosition(TBarDockPosition value);
    int NonClientWidth() const { return FNonClientWidth; }
    int NonClientHeight() const { return FNonClientHeight; }
    int ToolbarCount() const { return static_cast<int>(DockVisibleList.size()); }
    TBarCustomDockableWindow* GetToolbars(int index) const;
    // Raises EInvalidOperation inside a dockable window or another dock.
    void SetParent(TWinControl* value) override;

    // The windows that have this dock as their parent or their LastDock, and those shown on it.
    std::vector<TBarCustomDockableWindow*> DockList;
    std::vector<TBarCustomDockableWindow*> DockVisibleList;

    TBarInsertRemoveEvent OnInsertRemoveBar;
    TBarRequestDockEvent OnRequestDock;

    void Dispatch(TMessage& message) override;
    virtual bool UsingBackground();
    virtual void DrawBackground(HDC dc, const TRect& drawRect);

protected:
    void AlignControls(TControl* control, TRect& rect) override;
    void CreateParams(TCreateParams& params) override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    void PaintFrame(TCanvas& canvas);

private:
    friend class TBarDockArrangement;
    void BackgroundUpdated(TObject* sender);
    void EraseBackground(TMessage& message);

    TBarDockPosition FPosition = dpTop;
    bool FAllowDrag = true;
    TBarDockBoundLines FBoundLines;
    TBarBasicBackground* FBackground = nullptr;
    bool FBkgOnToolbars = true;
    bool FFixAlign = false;
    bool FCommitNewPositions = false;
    bool FLimitToOneRow = false;
    int FDisableArrangeToolbars = 0;
    bool FArrangeToolbarsNeeded = false;
    int FNonClientWidth = 0;
    int FNonClientHeight = 0;
};
