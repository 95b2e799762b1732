#include "controls/toolbars/dock.h"

#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/dockable_window.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

TBarDock::TBarDock(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_ += TControlStyle{csAcceptsControls, csMenuEvents};
    controlStyle_ -= TControlStyle{csCaptureMouse, csClickEvents, csOpaque};
    SetColor(clBtnFace);
    SetAlign(alTop);
}

TBarDock::~TBarDock()
{
    Destroying();
    if (FBackground)
        FBackground->RemoveChangeHandler();
}

void TBarDock::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TBarDock::Loaded()
{
    TCustomControl::Loaded();
    ArrangeToolbars();
}

void TBarDock::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FBackground)
        FBackground = nullptr;
    if (auto* window = dynamic_cast<TBarCustomDockableWindow*>(component)) {
        std::erase(DockList, window);
        std::erase(DockVisibleList, window);
    }
}

void TBarDock::SetParent(TWinControl* value)
{
    if (dynamic_cast<TBarCustomDockableWindow*>(value) || dynamic_cast<TBarDock*>(value))
        throw EInvalidOperation(
            "A TBarDock control cannot be placed inside a tool window or another TBarDock");
    TCustomControl::SetParent(value);
}

void TBarDock::AlignControls(TControl*, TRect&)
{
    ArrangeToolbars();
}

void TBarDock::Paint()
{
    TCustomControl::Paint();
}

bool TBarDock::IsShownOnDock(const TBarCustomDockableWindow* window) const
{
    return window->Parent() == this && window->Visible();
}

TBarCustomDockableWindow* TBarDock::GetToolbars(int index) const
{
    return DockVisibleList.at(static_cast<size_t>(index));
}

// --- properties --------------------------------------------------------------------------------------------

void TBarDock::SetAllowDrag(bool value)
{
    if (value == FAllowDrag)
        return;
    FAllowDrag = value;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* window = dynamic_cast<TBarCustomDockableWindow*>(Controls(i)))
            RecalcNonClientArea(window);
}

void TBarDock::SetBackground(TBarBasicBackground* value)
{
    if (value == FBackground)
        return;
    if (FBackground)
        FBackground->RemoveChangeHandler();
    FBackground = value;
    if (value) {
        value->FreeNotification(this);
        value->AddChangeHandler([this](TObject* sender) { BackgroundUpdated(sender); });
    }
    RepaintBackgrounds();
}

void TBarDock::SetBackgroundOnToolbars(bool value)
{
    if (value == FBkgOnToolbars)
        return;
    FBkgOnToolbars = value;
    RepaintBackgrounds();
}

void TBarDock::SetBoundLines(TBarDockBoundLines value)
{
    if (value == FBoundLines)
        return;
    FBoundLines = value;
    FNonClientWidth = (value.Contains(blLeft) ? 1 : 0) + (value.Contains(blRight) ? 1 : 0);
    FNonClientHeight = (value.Contains(blTop) ? 1 : 0) + (value.Contains(blBottom) ? 1 : 0);
    RecalcNonClientArea(this);
}

void TBarDock::SetFixAlign(bool value)
{
    if (value == FFixAlign)
        return;
    FFixAlign = value;
    ArrangeToolbars();
}

void TBarDock::SetPosition(TBarDockPosition value)
{
    if (value != FPosition && ControlCount() > 0)
        throw EInvalidOperation("Cannot change Position of a TBarDock if it already contains controls");
    FPosition = value;
    constexpr TAlign aligns[] = {alTop, alBottom, alLeft, alRight};
    SetAlign(aligns[value]);
}

// --- lists and rows ----------------------------------------------------------------------------------------

void TBarDock::BeginUpdate()
{
    ++FDisableArrangeToolbars;
}

void TBarDock::EndUpdate()
{
    if (--FDisableArrangeToolbars == 0 && FArrangeToolbarsNeeded)
        ArrangeToolbars();
}

int TBarDock::GetCurrentRowSize(int row, bool& fullSize)
{
    fullSize = false;
    if (row < 0)
        return 0;
    int size = 0;
    for (TBarCustomDockableWindow* window : DockList)
        if (window->FEffectiveDockRow == row && IsShownOnDock(window)) {
            size = std::max(size, Vertical() ? window->Width() : window->Height());
            fullSize = window->FFullSize;
        }
    return size;
}

int TBarDock::GetMinRowSize(int row, const TBarCustomDockableWindow* excludeControl)
{
    if (row < 0)
        return 0;
    int size = 0;
    for (TBarCustomDockableWindow* window : DockList)
        if (window != excludeControl && window->FEffectiveDockRow == row && IsShownOnDock(window))
            size = std::max(size, window->FLastRowSize);
    return size;
}

int TBarDock::GetHighestRow(bool highestEffective)
{
    int highest = -1;
    for (TBarCustomDockableWindow* window : DockList)
        highest = std::max(highest, highestEffective ? window->FEffectiveDockRow : window->FDockRow);
    return highest;
}

int TBarDock::GetRowAt(int offset)
{
    const int highest = GetHighestRow(true);
    int total = 0;
    for (int row = 0; row <= highest; ++row) {
        bool fullSize = false;
        const int size = GetCurrentRowSize(row, fullSize);
        if (size == 0)
            continue;
        total += size;
        if (total > offset)
            return row;
    }
    return highest + 1;
}

void TBarDock::CommitEffectivePositions()
{
    for (TBarCustomDockableWindow* window : DockVisibleList) {
        window->FDockRow = window->FEffectiveDockRow;
        window->FDockPos = window->FEffectiveDockPos;
    }
}

void TBarDock::UpdateDockList(bool inserting, TBarCustomDockableWindow* window)
{
    const bool present = std::find(DockList.begin(), DockList.end(), window) != DockList.end();
    if (inserting && !present) {
        DockList.push_back(window);
        window->FreeNotification(this);
    } else if (!inserting && present) {
        std::erase(DockList, window);
    }
    UpdateVisibleList(window, false);
}

void TBarDock::UpdateVisibleList(TBarCustomDockableWindow* window, bool forceRemove)
{
    const bool visible = !forceRemove && IsShownOnDock(window);
    const bool present =
        std::find(DockVisibleList.begin(), DockVisibleList.end(), window) != DockVisibleList.end();
    if (visible == present)
        return;
    if (visible)
        DockVisibleList.push_back(window);
    else
        std::erase(DockVisibleList, window);
    ArrangeToolbars();
    if (OnInsertRemoveBar)
        OnInsertRemoveBar(this, visible, window);
}

void TBarDock::ResizeKeepingEdge(int newWidth, int newHeight)
{
    int left = Left();
    int top = Top();
    switch (Align()) {
    case alBottom:
        top += Height() - newHeight;
        break;
    case alRight:
        left += Width() - newWidth;
        break;
    case alClient:
    case alCustom:
        return;
    default:
        break;
    }
    SetBounds(left, top, newWidth, newHeight);
}

void TBarDock::RepaintBackgrounds()
{
    Invalidate();
    for (TBarCustomDockableWindow* window : DockList)
        if (IsShownOnDock(window))
            RedrawWholeWindow(window);
}

void TBarDock::BackgroundUpdated(TObject*)
{
    RepaintBackgrounds();
}

bool TBarDock::UsingBackground()
{
    return FBackground && FBackground->UsingBackground();
}

void TBarDock::DrawBackground(HDC dc, const TRect& drawRect)
{
    if (FBackground)
        FBackground->PaintTo(dc, drawRect);
}

LRESULT TBarDock::RelayToFloatingWindows(TMessage& message)
{
    for (TBarCustomDockableWindow* window : std::vector<TBarCustomDockableWindow*>(DockList)) {
        if (!window->Floating() || !window->CanFocus())
            continue;
        if (message.Msg == WM_SYSCOMMAND && !window->ControlStyle().Contains(csMenuEvents))
            continue;
        if (const LRESULT result = window->Perform(message.Msg, message.WParam, message.LParam))
            return result;
    }
    return 0;
}

// --- messages ----------------------------------------------------------------------------------------------

void TBarDock::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        EraseBackground(message);
        return;
    case WM_MOVE:
        TCustomControl::Dispatch(message);
        if (UsingBackground())
            RepaintBackgrounds();
        return;
    case WM_NCCALCSIZE: {
        TCustomControl::Dispatch(message);
        TRect& r = TNCCalcSizeView(message).Params->rgrc[0];
        r = {r.Left + (FBoundLines.Contains(blLeft) ? 1 : 0), r.Top + (FBoundLines.Contains(blTop) ? 1 : 0),
             r.Right - (FBoundLines.Contains(blRight) ? 1 : 0),
             r.Bottom - (FBoundLines.Contains(blBottom) ? 1 : 0)};
        return;
    }
    case WM_NCPAINT:
        if (message.WParam > 1)
            PaintFrame(*TPaintView(message).DC);
        else if (HandleAllocated())
            PaintFrame(*GetWindowDC(Handle()));
        return;
    case WM_SYSCOMMAND:
        if ((message.WParam & 0xFFF0) == SC_KEYMENU)
            message.Result = RelayToFloatingWindows(message);
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        message.Result = RelayToFloatingWindows(message);
        if (message.Result == 0)
            TCustomControl::Dispatch(message);
        return;
    case CM_SYSCOLORCHANGE:
        TCustomControl::Dispatch(message);
        if (FBackground)
            FBackground->SysColorChanged();
        return;
    }
    TCustomControl::Dispatch(message);
}

void TBarDock::EraseBackground(TMessage& message)
{
    HDC dc = TPaintView(message).DC;
    if (!UsingBackground() || !dc) {
        TCustomControl::Dispatch(message);
        return;
    }
    const TRect client = ClientInWindow(this);
    const TRect drawRect{-Left() - client.Left, -Top() - client.Top, ClientWidth(), ClientHeight()};
    const int saved = SaveDC(*dc);
    IntersectClipRect(*dc, 0, 0, ClientWidth(), ClientHeight());
    DrawBackground(dc, drawRect);
    RestoreDC(*dc, saved);
    message.Result = 1;
}

void TBarDock::PaintFrame(TCanvas& canvas)
{
    TRect r{0, 0, Width(), Height()};
    TRect inner = r;
    const bool anyShown = std::any_of(DockList.begin(), DockList.end(),
                                      [this](const TBarCustomDockableWindow* w) { return IsShownOnDock(w); });
    const int saved = SaveDC(canvas);
    if (!FBoundLines.Empty() && anyShown) {
        canvas.Pen()->SetStyle(psSolid);
        canvas.Pen()->SetWidth(1);
        canvas.Pen()->SetColor(clBtnShadow);
        if (FBoundLines.Contains(blTop)) {
            canvas.MoveTo(r.Left, r.Top);
            canvas.LineTo(r.Right, r.Top);
            ++inner.Top;
        }
        if (FBoundLines.Contains(blLeft)) {
            canvas.MoveTo(r.Left, r.Top);
            canvas.LineTo(r.Left, r.Bottom);
            ++inner.Left;
        }
        canvas.Pen()->SetColor(clBtnHighlight);
        if (FBoundLines.Contains(blBottom)) {
            canvas.MoveTo(r.Left, r.Bottom - 1);
            canvas.LineTo(r.Right, r.Bottom - 1);
            --inner.Bottom;
        }
        if (FBoundLines.Contains(blRight)) {
            canvas.MoveTo(r.Right - 1, r.Top);
            canvas.LineTo(r.Right - 1, r.Bottom);
            --inner.Right;
        }
    }
    const TRect client = ClientInWindow(this);
    if (!IsRectEmpty(client)) {
        if (client == inner) {
            RestoreDC(canvas, saved);
            return;
        }
        ExcludeClipRect(canvas, client.Left, client.Top, client.Right, client.Bottom);
    }
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(ColorToRGB(Color()));
    canvas.FillRect(inner);
    RestoreDC(canvas, saved);
}
