#include "controls/toolbars/dockable_window.h"

#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/floating_frame.h"
#include "controls/toolbars/hook_service.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/system_metrics.h"

TBarCustomDockableWindow::TBarCustomDockableWindow(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_ += TControlStyle{csAcceptsControls, csClickEvents, csSetCaption, csDoubleClicks};
    controlStyle_ -= TControlStyle{csOpaque, csCaptureMouse};
    SetColor(clBtnFace);
    RegisterHookProc(this, FloatingWindowsHookProc,
                     {hpSendActivate, hpSendActivateApp, hpSendWindowPosChanged, hpPreDestroy});
}

TBarCustomDockableWindow::~TBarCustomDockableWindow()
{
    Destroying();
    // The docks that list the window drop it before anything of it goes.
    SendFreeNotifications();
    UnregisterHookProc(this, FloatingWindowsHookProc);
    if (FFloatParent) {
        // The frame would free the window with its children: the window leaves it first.
        if (Parent() == FFloatParent)
            TCustomControl::SetParent(nullptr);
        FreeAndNil(FFloatParent);
    }
    FFloating = false;
    UpdateFloatingList();
}

void TBarCustomDockableWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TBarCustomDockableWindow::Loaded()
{
    TCustomControl::Loaded();
    AfterLoaded();
    Arrange();
}

void TBarCustomDockableWindow::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FDefaultDock)
        FDefaultDock = nullptr;
    else if (component == FLastDock)
        FLastDock = nullptr;
    else if (component == FFloatParent)
        FFloatParent = nullptr;
    else
        std::erase(FDockForms, component);
}

// --- properties --------------------------------------------------------------------------------------------

void TBarCustomDockableWindow::SetAutoResize(bool value)
{
    if (value == FAutoResize)
        return;
    FAutoResize = value;
    if (value)
        Arrange();
}

void TBarCustomDockableWindow::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    if (FDocked)
        RecalcNonClientArea(this);
}

void TBarCustomDockableWindow::SetDragHandleStyle(TBarDragHandleStyle value)
{
    if (value == FDragHandleStyle)
        return;
    FDragHandleStyle = value;
    if (FDocked)
        RecalcNonClientArea(this);
}

void TBarCustomDockableWindow::SetCloseButtonWhenDocked(bool value)
{
    if (value == FCloseButtonWhenDocked)
        return;
    FCloseButtonWhenDocked = value;
    if (FDocked)
        RecalcNonClientArea(this);
}

void TBarCustomDockableWindow::SetCloseButton(bool value)
{
    if (value == FCloseButton)
        return;
    FCloseButton = value;
    if (FFloating && FFloatParent)
        FFloatParent->RedrawNCArea({fpCaption, fpCloseButton});
}

void TBarCustomDockableWindow::SetDefaultDock(TBarDock* value)
{
    if (value == FDefaultDock)
        return;
    FDefaultDock = value;
    if (value)
        value->FreeNotification(this);
}

void TBarCustomDockableWindow::SetDockPos(int value)
{
    FDockPos = value;
    if (FDocked)
        FCurrentDock->ArrangeToolbars();
}

void TBarCustomDockableWindow::SetDockRow(int value)
{
    FDockRow = value;
    if (FDocked)
        FCurrentDock->ArrangeToolbars();
}

void TBarCustomDockableWindow::SetFloatingMode(TBarFloatingMode value)
{
    if (value == FFloatingMode)
        return;
    FFloatingMode = value;
    if (HandleAllocated())
        Perform(CM_SHOWINGCHANGED, 0, 0);
}

void TBarCustomDockableWindow::SetFullSize(bool value)
{
    if (value == FFullSize)
        return;
    FFullSize = value;
    if (FDocked)
        FCurrentDock->ArrangeToolbars();
}

void TBarCustomDockableWindow::SetStretch(bool value)
{
    if (value == FStretch)
        return;
    FStretch = value;
    if (FDocked)
        FCurrentDock->ArrangeToolbars();
}

void TBarCustomDockableWindow::SetResizable(bool value)
{
    if (value == FResizable)
        return;
    FResizable = value;
    if (FFloating && FFloatParent)
        FFloatParent->RecreateFrame();
}

void TBarCustomDockableWindow::SetShowCaption(bool value)
{
    if (value == FShowCaption)
        return;
    FShowCaption = value;
    if (FFloating && FFloatParent) {
        RecalcNonClientArea(FFloatParent);
        Arrange();
    }
}

void TBarCustomDockableWindow::SetUseLastDock(bool value)
{
    FUseLastDock = value;
    SetLastDock(value ? FCurrentDock : nullptr);
}

void TBarCustomDockableWindow::SetLastDock(TBarDock* value)
{
    if (FUseLastDock && FDocked)
        value = FCurrentDock;
    if (value == FLastDock)
        return;
    if (FLastDock && FLastDock != Parent())
        FLastDock->UpdateDockList(false, this);
    FLastDock = value;
    if (value) {
        FUseLastDock = true;
        value->FreeNotification(this);
        value->UpdateDockList(true, this);
    }
}

// --- layout ------------------------------------------------------------------------------------------------

void TBarCustomDockableWindow::BeginUpdate()
{
    ++FDisableArrange;
}

void TBarCustomDockableWindow::EndUpdate()
{
    if (FDisableArrange > 0 && --FDisableArrange == 0 && FArrangeNeeded)
        Arrange();
}

bool TBarCustomDockableWindow::ShouldAutoSize()
{
    return FAutoResize || FDocked || FFloating;
}

void TBarCustomDockableWindow::Arrange()
{
    if (FDisableArrange > 0 || ComponentState().Contains(csLoading) || !Parent()) {
        FArrangeNeeded = true;
        return;
    }
    FArrangeNeeded = false;
    const TPoint size =
        ComputeArrangement(true, DockKindOf(FCurrentDock, FFloating), FFloating, FCurrentDock);
    if (ShouldAutoSize())
        ResizeToContent(size.X, size.Y);
}

void TBarCustomDockableWindow::ResizeToContent(int width, int height)
{
    if (FDocked) {
        FCurrentDock->ArrangeToolbars();
        return;
    }
    const TPoint extent = DockedNCExtent();
    width += extent.X;
    height += extent.Y;
    if (!FFloating) {
        if (Anchors().Contains(akLeft) && Anchors().Contains(akRight))
            width = Width();
        if (Anchors().Contains(akTop) && Anchors().Contains(akBottom))
            height = Height();
    }
    ++FUpdatingBounds;
    try {
        SetBounds(Left(), Top(), width, height);
    } catch (...) {
        --FUpdatingBounds;
        throw;
    }
    --FUpdatingBounds;
}

TPoint TBarCustomDockableWindow::DockedNCExtent()
{
    if (!FDocked)
        return {0, 0};
    TPoint extent{DockedBorderTotal(), DockedBorderTotal()};
    if (FCurrentDock->AllowDrag()) {
        const int handle = DragHandleSize(FCloseButtonWhenDocked, FDragHandleStyle);
        if (FCurrentDock->Vertical())
            extent.Y += handle;
        else
            extent.X += handle;
    }
    return extent;
}

void TBarCustomDockableWindow::GetDockedNCArea(TPoint& topLeft, TPoint& bottomRight, bool leftRight)
{
    const int border = DockedBorderWidth();
    topLeft = {border, border};
    bottomRight = {border, border};
    const int handle = DragHandleSize(FCloseButtonWhenDocked, FDragHandleStyle);
    if (leftRight)
        topLeft.Y += handle;
    else
        topLeft.X += handle;
}

void TBarCustomDockableWindow::AddDockedNCAreaToSize(TPoint& s, bool leftRight)
{
    TPoint topLeft;
    TPoint bottomRight;
    GetDockedNCArea(topLeft, bottomRight, leftRight);
    s = {s.X + topLeft.X + bottomRight.X, s.Y + topLeft.Y + bottomRight.Y};
}

TPoint TBarCustomDockableWindow::GetFloatingBorderSize()
{
    return FResizable ? TPoint{GetSystemMetrics(SM_CXSIZEFRAME), GetSystemMetrics(SM_CYSIZEFRAME)}
                      : TPoint{GetSystemMetrics(SM_CXFIXEDFRAME), GetSystemMetrics(SM_CYFIXEDFRAME)};
}

void TBarCustomDockableWindow::GetFloatingNCArea(TPoint& topLeft, TPoint& bottomRight)
{
    topLeft = GetFloatingBorderSize();
    bottomRight = topLeft;
    if (FShowCaption)
        topLeft.Y += SmallCaptionHeight();
}

void TBarCustomDockableWindow::AddFloatingNCAreaToSize(TPoint& s)
{
    TPoint topLeft;
    TPoint bottomRight;
    GetFloatingNCArea(topLeft, bottomRight);
    s = {s.X + topLeft.X + bottomRight.X, s.Y + topLeft.Y + bottomRight.Y};
}

bool TBarCustomDockableWindow::IsMovable()
{
    return (FDocked && FCurrentDock->AllowDrag()) || FFloating;
}

void TBarCustomDockableWindow::IsPointOverChild(TPoint point, bool& result)
{
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (child->Visible() && !ChildIgnoredInHitTest(child) && PtInRect(child->BoundsRect(), point)) {
            result = true;
            return;
        }
    }
}

TBarFloatingWindowParentClass TBarCustomDockableWindow::FloatingFrameClass()
{
    return TBarFloatingWindowParentClass::Of<TBarFloatingWindowParent>();
}

void TBarCustomDockableWindow::DoDockChangingHidden(bool newFloating, TBarDock* dockingTo)
{
    if (!ComponentState().Contains(csDestroying) && OnDockChangingHidden)
        OnDockChangingHidden(this, newFloating, dockingTo);
}

void TBarCustomDockableWindow::NotifyMoved()
{
    if (!ComponentState().Contains(csLoading) && FDisableOnMove <= 0 && OnMove)
        OnMove(this);
}

void TBarCustomDockableWindow::Close()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    if (!canClose)
        return;
    SetVisible(false);
    if (OnClose)
        OnClose(this);
}

void TBarCustomDockableWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !IsMovable())
        return;
    bool overChild = false;
    if (PtInRect(ClientRect(), {x, y}))
        IsPointOverChild({x, y}, overChild);
    if (overChild)
        return;
    if (shift.Contains(ssDouble)) {
        ToggleDocked();
        return;
    }
    BeginMoving(x, y);
    // The release of the press that started the drag came inside the drag's own loop.
    Perform(WM_LBUTTONUP, 0, MAKELPARAM(-1, -1));
}
