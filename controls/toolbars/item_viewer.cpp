#include "controls/toolbars/item_viewer.h"

#include "controls/toolbars/accel_text.h"
#include "controls/toolbars/accessibility.h"
#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/item_metrics.h"
#include "controls/toolbars/posted_clicks.h"
#include "controls/toolbars/view.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/win_control.h"

TBarItemViewer::TBarItemViewer(TBarView* view, TBarCustomItem* item, int groupLevel)
    : FGroupLevel(groupLevel), FItem(item), FView(view)
{
    AddQueueUser();
}

TBarItemViewer::~TBarItemViewer()
{
    CancelPostedClicks(this);
    if (FAccObjectInstance) {
        BarAccessibility().ClientIsDestroying(FAccObjectInstance.get());
        FAccObjectInstance.reset();
    }
    RemoveQueueUser();
}

int TBarItemViewer::Index() const
{
    return FView->IndexOf(this);
}

// --- what shows
// -----------------------------------------------------------------------------------------------

std::string TBarItemViewer::GetDisplayCaption()
{
    const std::string& caption = FItem->Caption();
    return caption.substr(0, caption.find('\t'));
}

bool TBarItemViewer::IsToolbarStyle()
{
    return FView->FIsToolbar || FItem->EffectiveOptions().Contains(tboToolbarStyle);
}

bool TBarItemViewer::IsToolbarSize()
{
    return FView->FIsToolbar || FItem->EffectiveOptions().Contains(tboToolbarSize);
}

bool TBarItemViewer::CaptionShown()
{
    if (FItem->EffectiveOptions().Contains(tboImageAboveCaption))
        return true;
    const TBarItemDisplayMode mode = FItem->DisplayMode();
    return !GetDisplayCaption().empty() &&
           (!IsToolbarSize() || FItem->ImageIndex() < 0 || mode == nbdmTextOnly || mode == nbdmImageAndText);
}

bool TBarItemViewer::ImageShown()
{
    const TBarItemDisplayMode mode = FItem->DisplayMode();
    return FItem->ImageIndex() >= 0 && (mode == nbdmDefault || mode == nbdmImageAndText ||
                                        (IsToolbarStyle() && mode == nbdmTextOnlyInMenus));
}

TCustomImageList* TBarItemViewer::GetImageList()
{
    if (FItem->Images())
        return FItem->Images();
    for (TBarView* view = FView; view; view = view->FParentView) {
        if (view->FCurParentItem && view->FCurParentItem->SubMenuImages())
            return view->FCurParentItem->SubMenuImages();
        if (view->FParentItem && view->FParentItem->SubMenuImages())
            return view->FParentItem->SubMenuImages();
    }
    return nullptr;
}

bool TBarItemViewer::IsRotated()
{
    const TBarItemOptions options = FItem->EffectiveOptions();
    return FView->FOrientation == tbvoVertical && !options.Contains(tboNoRotation) &&
           !options.Contains(tboImageAboveCaption);
}

bool TBarItemViewer::UsesSameWidth()
{
    const TBarItemOptions options = FItem->EffectiveOptions();
    return options.Contains(tboImageAboveCaption) && options.Contains(tboSameWidth) && IsToolbarSize();
}

// --- selection and execution
// ---------------------------------------------------------------------------------

void TBarItemViewer::EnterSelection()
{
    if (FItem->OnSelect)
        FItem->OnSelect(FItem, this, true);
}

void TBarItemViewer::LeaveSelection()
{
    if (FItem->OnSelect)
        FItem->OnSelect(FItem, this, false);
}

void TBarItemViewer::CaptureLost()
{
    FView->Invalidate(this);
}

bool TBarItemViewer::DoExecute()
{
    FView->EndModalWithClick(this);
    return true;
}

void TBarItemViewer::Execute(bool givePriority)
{
    if (DoExecute() && givePriority)
        FView->GivePriority(this);
}

TPoint TBarItemViewer::ScreenToClient(TPoint p)
{
    const TPoint client = FView->FWindow->ScreenToClient(p);
    return {client.X - FBoundsRect.Left, client.Y - FBoundsRect.Top};
}

// --- mouse
// ----------------------------------------------------------------------------------------------------

bool TBarItemViewer::IsPointInButtonPart(int x, int)
{
    const TBarItemStyle style = FItem->ItemStyle();
    if (!style.Contains(tbisCombo))
        return !style.Contains(tbisSubmenu);
    const int split = IsToolbarStyle() ? ComboSplitWidth() : GetSystemMetrics(SM_CXMENUCHECK);
    return x < FBoundsRect.Width() - split;
}

void TBarItemViewer::HandleMouseDown(TShiftState shift, int x, int y, bool& mouseDownOnMenu)
{
    const bool rootToolbar = !FView->FParentView && !FView->FIsPopup;
    if (!FItem->Enabled()) {
        if (rootToolbar)
            FView->EndModal();
        return;
    }
    if (IsPointInButtonPart(x, y)) {
        // In a menu the release decides; a toolbar button captures the mouse until then.
        if (IsToolbarStyle()) {
            FView->CancelChildPopups();
            FView->SetCapture();
            FView->Invalidate(this);
        }
        return;
    }
    const bool wasOpen = FView->FOpenViewer == this;
    if (!FView->OpenChildPopup(false))
        return;
    if (wasOpen && rootToolbar)
        mouseDownOnMenu = true;
    if (!shift.Contains(ssDouble) || FItem->ItemStyle().Contains(tbisCombo) || !FView->FOpenViewerView)
        return;
    // A double click runs the submenu's default entry.
    for (TBarItemViewer* viewer : std::vector<TBarItemViewer*>(FView->FOpenViewerView->FViewers)) {
        TBarCustomItem* item = viewer->FItem;
        if ((viewer->FShow || viewer->FClipped) && item->EffectiveOptions().Contains(tboDefault) &&
            item->ItemStyle().Contains(tbisSelectable) && item->Enabled() && item->Visible()) {
            viewer->Execute(true);
            return;
        }
    }
}

void TBarItemViewer::HandleMouseUp(int x, int y, bool mouseWasDownOnMenu)
{
    const bool hadCapture = FView->FCapture;
    FView->CancelCapture();
    const bool rootToolbar = !FView->FParentView && !FView->FIsPopup;
    const TBarItemStyle style = FItem->ItemStyle();
    if (FView->FMouseOverSelected && FItem->Enabled() && !style.Contains(tbisClicksTransparent)) {
        if (!style.Contains(tbisSubmenu) || IsPointInButtonPart(x, y)) {
            // A toolbar button runs only when the press was on it.
            if (!IsToolbarStyle() || hadCapture)
                Execute(true);
        } else if (rootToolbar && mouseWasDownOnMenu) {
            FView->EndModal();
        }
    } else if (rootToolbar) {
        FView->EndModal();
    }
}

// --- hints and accessibility
// -----------------------------------------------------------------------------------

std::string TBarItemViewer::GetHintText()
{
    std::string hint = GetShortHint(FItem->Hint());
    const TBarItemStyle style = FItem->ItemStyle();
    if (hint.empty() && !FItem->EffectiveOptions().Contains(tboNoAutoHint) &&
        (!style.Contains(tbisSubmenu) || style.Contains(tbisCombo) || !CaptionShown()))
        hint = RemoveAccelAmpersands(TrimCaptionPunctuation(GetDisplayCaption()));
    if (auto* action = dynamic_cast<TCustomAction*>(FItem->Action()))
        if (!action->DoHint(hint))
            hint.clear();
    if (!hint.empty() && Application->HintShortCuts() && FItem->ShortCut() != 0)
        hint += " (" + ShortCutToText(FItem->ShortCut()) + ")";
    return hint;
}

int TBarItemViewer::GetAccessibleRole()
{
    const TBarItemStyle style = FItem->ItemStyle();
    if (dynamic_cast<TBarControlItem*>(FItem))
        return ROLE_SYSTEM_CLIENT;
    if (style.Contains(tbisSeparator))
        return ROLE_SYSTEM_SEPARATOR;
    if (FView->FIsPopup || FView->FStyle.Contains(vsMenuBar))
        return ROLE_SYSTEM_MENUITEM;
    if (style.Contains(tbisSubmenu))
        return ROLE_SYSTEM_BUTTONMENU;
    return ROLE_SYSTEM_PUSHBUTTON;
}

std::shared_ptr<TBarBaseAccObject> TBarItemViewer::GetAccObject()
{
    if (!FAccObjectInstance)
        FAccObjectInstance = BarAccessibility().ObjectForViewer(*this);
    return FAccObjectInstance;
}

void TBarItemViewer::AccessibleSelect(bool execute)
{
    if (const std::shared_ptr<TBarBaseAccObject> object = GetAccObject())
        BarAccessibility().Select(object.get(), execute);
}

void TBarItemViewer::PostAccessibleSelect(bool execute)
{
    QueuePostedClick(this, execute ? 1 : 0);
}
