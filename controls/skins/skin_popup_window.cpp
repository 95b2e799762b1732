#include "controls/skins/skin_popup_window.h"

#include "controls/skins/skin_bar_helpers.h"
#include "controls/skins/skin_bar_painting.h"
#include "controls/skins/skin_chevron.h"
#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_viewers.h"
#include "controls/toolbars/menu_font.h"
#include "controls/toolbars/popup_animation.h"
#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// The client area starts this far inside the window on every side.
constexpr int PopupFrame = 3;

bool HasShownViewer(const TBarView& view)
{
    for (int i = 0; i < view.ViewerCount(); ++i)
        if (view.Viewers(i)->Show())
            return true;
    return false;
}

// A skinned button or chevron drawn as a toolbar button, whose face a joined popup continues.
bool IsToolbarButtonOpener(TBarItemViewer* viewer)
{
    if (auto* skinned = dynamic_cast<TQvItemViewer*>(viewer))
        return skinned->IsToolbarStyle();
    return dynamic_cast<TQvChevronItemViewer*>(viewer) && viewer->IsToolbarStyle();
}

} // namespace

bool IsHiddenEmptyPopup(const TBarView& view)
{
    const auto* submenu = dynamic_cast<const TQvSubmenuItem*>(view.ParentItem());
    return submenu && submenu->HideEmptyPopup() && !HasShownViewer(view);
}

void ShowSelectedViewerHint(TBarView& view, THintInfo& hintInfo)
{
    hintInfo.HintStr.clear();
    TBarItemViewer* viewer = view.Selected();
    if (!viewer)
        return;
    hintInfo.CursorRect = viewer->BoundsRect();
    if (auto* skinned = dynamic_cast<TQvItemViewer*>(viewer))
        skinned->CMHintShow(hintInfo);
    else
        hintInfo.HintStr = viewer->GetHintText();
}

void TQvPopupWindowView::AutoSize(int width, int height)
{
    // The framework adds the frame to the entries' size: nothing is left of an empty hidden submenu.
    if (IsHiddenEmptyPopup(*this))
        width = height = -2 * PopupFrame;
    TBarPopupView::AutoSize(width, height);
}

TQvPopupWindow::TQvPopupWindow(TComponent* owner, TBarView* parentView, TBarCustomItem* item,
                               bool customizing, const TBarViewClass& viewClass)
    : TBarPopupWindow(owner, parentView, item, customizing, viewClass)
{
    if (auto* skinned = dynamic_cast<TQvCustomItem*>(item);
        skinned && skinned->ToolbarStylePopup() && dynamic_cast<TQvPopupWindowView*>(View()))
        View()->SetIsToolbar(true);
    FMaximumImageSize = GetMaxImageSize(View());
}

TQvPopupWindow::~TQvPopupWindow()
{
    // A destructor cannot pass an exception on: an OnClosePopup that raises is reported instead.
    GuardedCall(this, [this] { DoPopupShowingChanged(false); });
}

void TQvPopupWindow::DoPopupShowingChanged(bool isVisible)
{
    TBarCustomItem* parentItem = View()->ParentItem();
    if (auto* item = dynamic_cast<TQvCustomItem*>(parentItem)) {
        item->DoPopupVisibilityChanged(this, isVisible);
        if (HandleAllocated())
            RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
    } else if (auto* root = dynamic_cast<TQvRootItem*>(parentItem)) {
        root->DoPopupVisibilityChanged(this, isVisible);
    }
}

void TQvPopupWindow::ShowingChanged(bool showing)
{
    if (showing && IsHiddenEmptyPopup(*View()))
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    else
        TBarPopupWindow::ShowingChanged(showing);
    if (showing)
        DoPopupShowingChanged(true);
}

bool TQvPopupWindow::UsesSkinnedErase() const
{
    switch (GetSkinManager().GetSkinType()) {
    case sknSkin:
        return true;
    case sknWindows:
        return IsVistaOrLater();
    case sknNone:
        break;
    }
    return false;
}

void TQvPopupWindow::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        if (!UsesSkinnedErase())
            break;
        message.Result = 1;
        if (HDC dc = TPaintView(message).DC) {
            FPaintingClientArea = true;
            EndAnimation(Handle());
            PaintFrameOn(*dc);
        }
        return;
    case WM_PRINT:
        FPaintingClientArea = false;
        break;
    case CM_HINTSHOW:
        ShowSelectedViewerHint(*View(), *reinterpret_cast<THintInfo*>(message.LParam));
        return;
    }
    TBarPopupWindow::Dispatch(message);
}

void TQvPopupWindow::DrawPopupFrame(TCanvas& canvas)
{
    FPaintingClientArea = false;
    PaintFrameOn(canvas);
}

void TQvPopupWindow::PaintFrameOn(TCanvas& canvas)
{
    TRect r{0, 0, Width(), Height()};
    // Client and frame painting line up: the client's origin lies inside the frame.
    if (FPaintingClientArea) {
        FPaintingClientArea = false;
        OffsetRect(r, -PopupFrame, -PopupFrame);
    }
    PaintFrame(canvas, r);
}

void TQvPopupWindow::PaintFrame(TCanvas& canvas, TRect rect)
{
    canvas.SetFont(FrameworkMenuFont());
    PaintPopupBackground(canvas, rect, OpenerRect(rect), PaintsAsMenu(), FMaximumImageSize.cx);
}

bool TQvPopupWindow::PaintsAsMenu() const
{
    if (View()->IsToolbar())
        return false;
    const TBarCustomItem* parentItem = View()->ParentItem();
    if (const auto* item = dynamic_cast<const TQvCustomItem*>(parentItem))
        return !item->ToolBoxPopup();
    if (const auto* root = dynamic_cast<const TQvRootItem*>(parentItem))
        return !root->ToolBoxPopup();
    return true;
}

TRect TQvPopupWindow::OpenerRect(const TRect& rect) const
{
    const TBarView* parentView = View()->ParentView();
    if (!parentView || !GetCurrentSkin()->JoinedPopup())
        return {};
    TBarItemViewer* opener = parentView->OpenViewer();
    if (!IsToolbarButtonOpener(opener))
        return {};
    const TRect& bounds = opener->BoundsRect();
    const TPoint topLeft = ScreenToClient(parentView->Window()->ClientToScreen(bounds.TopLeft()));
    TRect r = Bounds(topLeft.X, topLeft.Y, bounds.Width(), bounds.Height());
    // Client coordinates to those of rect, whose origin is the window's top-left.
    OffsetRect(r, PopupFrame + rect.Left, PopupFrame + rect.Top);
    return r;
}

TBarPopupWindowClass TQvCustomItem::GetPopupWindowClass()
{
    return TBarPopupWindowClass::Of<TQvPopupWindow>();
}

TBarPopupWindowClass TQvRootItem::GetPopupWindowClass()
{
    return TBarPopupWindowClass::Of<TQvPopupWindow>();
}
