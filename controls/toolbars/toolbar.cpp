#include "controls/toolbars/toolbar.h"

#include "controls/toolbars/chevron_item.h"
#include "controls/toolbars/dock.h"
#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/menu_font.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/forms/hints.h"

namespace {

TBarCustomToolbar* ToolbarOwner(TComponent* owner)
{
    auto* toolbar = dynamic_cast<TBarCustomToolbar*>(owner);
    if (!toolbar)
        throw EInvalidCast("Invalid class typecast");
    return toolbar;
}

constexpr TBarViewOrientation OrientationOfKind[] = {tbvoHorizontal, tbvoFloating, tbvoHorizontal,
                                                     tbvoVertical};

int ChevronSize()
{
    return ScaleForDPI(12);
}

} // namespace

// --- the view ----------------------------------------------------------------------------------------------

TBarToolbarView::TBarToolbarView(TComponent* owner, TBarView* parentView, TBarCustomItem* parentItem,
                                 TWinControl* window, bool isToolbar, bool customizing, bool usePriorityList)
    : TBarView(owner, parentView, parentItem, window, isToolbar, customizing, usePriorityList),
      FToolbar(ToolbarOwner(owner))
{
    // The chevron and the framework items are the toolbar's: the viewers are made again with them.
    RecreateAllViewers();
}

TFont* TBarToolbarView::GetFont()
{
    return FToolbar->FSystemFont ? TBarView::GetFont() : FToolbar->Font();
}

void TBarToolbarView::InvalidatePositions()
{
    FToolbar->FCurrentSize = 0;
    TBarView::InvalidatePositions();
}

TBarCustomItem* TBarToolbarView::GetChevronItem()
{
    return FToolbar->FChevronItem;
}

TBarCustomItem* TBarToolbarView::GetMDIButtonsItem()
{
    return FToolbar->FMDIButtonsItem;
}

TBarCustomItem* TBarToolbarView::GetMDISystemMenuItem()
{
    return FToolbar->FMDISystemMenuItem;
}

void TBarToolbarView::DoUpdatePositions(TPoint& size)
{
    // A length the dock gave is no longer valid after a new layout.
    FToolbar->FCurrentSize = 0;
    size = FToolbar->GetRowMinimumSize();
    if (FToolbar->FullSize()) {
        if (Orientation() == tbvoHorizontal)
            size.X = std::max(size.X, WrapOffset());
        else if (Orientation() == tbvoVertical)
            size.Y = std::max(size.Y, WrapOffset());
    }
    ++FToolbar->FDisableAlignArrange;
    try {
        TBarView::DoUpdatePositions(size);
    } catch (...) {
        --FToolbar->FDisableAlignArrange;
        throw;
    }
    --FToolbar->FDisableAlignArrange;
}

void TBarToolbarView::AutoSize(int width, int height)
{
    FToolbar->FBaseSize = BaseSize();
    if (FToolbar->ShouldAutoSize())
        FToolbar->ResizeToContent(width, height);
}

// --- the toolbar -------------------------------------------------------------------------------------------

TBarCustomToolbar::TBarCustomToolbar(TComponent* owner) : TBarCustomDockableWindow(owner)
{
    controlStyle_ += TControlStyle{csAcceptsControls, csActionClient};
    controlStyle_.Exclude(csCaptureMouse);
    SetDockableWindowStyles(DockableWindowStyles() -
                            TBarDockableWindowStyles{tbdsResizeEightCorner, tbdsResizeClipCursor});
    FItem = RootItemClass().Create(this);
    FItem->AssignParentComponent(this);
    FChevronItem = ChevronItemClass().Create(this);
    FChevronItem->SetLinkSubitems(FItem);
    FView = ToolbarViewClass().Create(this, nullptr, FItem, this, true, false, true);
    FView->SetBackgroundColor(clBtnFace);
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), ScaleForDPI(23), ScaleForDPI(22));
}

TBarCustomToolbar::~TBarCustomToolbar()
{
    Destroying();
    UnregisterHookProc(this, SysCharHookProc);
    UninstallMainWindowHook(this);
    FreeAndNil(FView);
    FreeAndNil(FChevronItem);
    FreeAndNil(FItem);
}

void TBarCustomToolbar::UseClassChoices()
{
    FreeAndNil(FView);
    FreeAndNil(FChevronItem);
    FChevronItem = ChevronItemClass().Create(this);
    FChevronItem->SetLinkSubitems(FItem);
    FView = ToolbarViewClass().Create(this, nullptr, FItem, this, true, false, true);
    FView->SetBackgroundColor(Color());
}

TBarChevronItemClass TBarCustomToolbar::ChevronItemClass()
{
    return TBarChevronItemClass::Of<TBarChevronItem>();
}

TBarRootItemClass TBarCustomToolbar::RootItemClass()
{
    return TBarRootItemClass::Of<TBarRootItem>();
}

TBarToolbarViewClass TBarCustomToolbar::ToolbarViewClass()
{
    return TBarToolbarViewClass::Of<TBarToolbarView>();
}

void TBarCustomToolbar::Loaded()
{
    CreateWrappersForAllControls();
    TBarCustomDockableWindow::Loaded();
}

// --- properties --------------------------------------------------------------------------------------------

std::string TBarCustomToolbar::ChevronHint() const
{
    return FChevronItem->Hint();
}

void TBarCustomToolbar::SetChevronHint(const std::string& value)
{
    FChevronItem->SetHintAndCaption(value);
}

void TBarCustomToolbar::SetChevronMoveItems(bool value)
{
    FChevronMoveItems = value;
    FView->SetUsePriorityList(value);
}

void TBarCustomToolbar::SetChevronPriorityForNewItems(TBarChevronPriorityForNewItems value)
{
    FChevronPriorityForNewItems = value;
    FView->SetNewViewersGetHighestPriority(value == tbcpHighest);
}

void TBarCustomToolbar::SetFloatingWidth(int value)
{
    if (value == FFloatingWidth)
        return;
    FFloatingWidth = value;
    if (Floating()) {
        UpdateViewMetrics();
        Arrange();
    }
}

void TBarCustomToolbar::SetMenuBar(bool value)
{
    if (value == FMenuBar)
        return;
    FMenuBar = value;
    TBarViewStyle style = FView->Style();
    if (value) {
        controlStyle_.Include(csMenuEvents);
        style += TBarViewStyle{vsMenuBar, vsUseHiddenAccels};
    } else {
        controlStyle_.Exclude(csMenuEvents);
        style -= TBarViewStyle{vsMenuBar, vsUseHiddenAccels};
    }
    FView->SetStyle(style);
    if (!ComponentState().Contains(csLoading)) {
        SetFullSize(value);
        SetShrinkMode(value ? tbsmWrap : tbsmChevron);
        SetCloseButton(!value);
        SetProcessShortCuts(value);
    }
    UpdateSysCharHook();
    UpdateMainWindowHook();
}

void TBarCustomToolbar::SetProcessShortCuts(bool value)
{
    if (value == FProcessShortCuts)
        return;
    FProcessShortCuts = value;
    UpdateMainWindowHook();
}

void TBarCustomToolbar::SetShrinkMode(TBarShrinkMode value)
{
    if (value == FShrinkMode)
        return;
    FShrinkMode = value;
    if (Docked())
        CurrentDock()->ArrangeToolbars();
    else if (!Floating())
        Arrange();
}

void TBarCustomToolbar::SetSystemFont(bool value)
{
    if (value == FSystemFont)
        return;
    FSystemFont = value;
    Arrange();
}

void TBarCustomToolbar::UpdateSysCharHook()
{
    if (FMenuBar)
        RegisterHookProc(this, SysCharHookProc, hpGetMessage);
    else
        UnregisterHookProc(this, SysCharHookProc);
}

void TBarCustomToolbar::UpdateMainWindowHook()
{
    if (FProcessShortCuts || FMenuBar)
        InstallMainWindowHook(this);
    else
        UninstallMainWindowHook(this);
}

void TBarCustomToolbar::InitiateAction()
{
    if (!FUpdateActions)
        return;
    for (int i = 0; i < FView->ViewerCount(); ++i)
        FView->Viewers(i)->Item()->InitiateAction();
}

// --- layout ------------------------------------------------------------------------------------------------

void TBarCustomToolbar::UpdateViewMetrics()
{
    FView->SetOrientation(OrientationOfKind[DockKindOf(CurrentDock(), Floating())]);
    FView->SetChevronSize(ChevronSize());
    if (Docked() || Floating()) {
        FView->SetChevronOffset(CalcChevronOffset(CurrentDock(), FView->Orientation()));
        FView->SetWrapOffset(CalcWrapOffset(CurrentDock()));
        return;
    }
    FView->SetChevronOffset(0);
    FView->SetWrapOffset(0);
    if (AutoResize() && !(Anchors().Contains(akLeft) && Anchors().Contains(akRight)))
        return;
    const int available = Width() - NonClientWidth();
    if (FShrinkMode == tbsmChevron)
        FView->SetChevronOffset(available);
    else if (FShrinkMode == tbsmWrap)
        FView->SetWrapOffset(available);
}

int TBarCustomToolbar::CalcWrapOffset(TBarDock* dock)
{
    if (!dock)
        return FFloatingWidth;
    if (FShrinkMode != tbsmWrap)
        return 0;
    if (dock->Vertical())
        return dock->Height() - dock->NonClientHeight() - NonClientHeight();
    return dock->Width() - dock->NonClientWidth() - NonClientWidth();
}

int TBarCustomToolbar::CalcChevronOffset(TBarDock* dock, TBarViewOrientation orientation)
{
    if (FShrinkMode != tbsmChevron || !Docked() || dock != CurrentDock())
        return 0;
    return std::max(FCurrentSize - (orientation == tbvoVertical ? NonClientHeight() : NonClientWidth()), 0);
}

TPoint TBarCustomToolbar::GetRowMinimumSize()
{
    if (!Docked())
        return {0, 0};
    const int size = CurrentDock()->GetMinRowSize(EffectiveDockRow(), this);
    return CurrentDock()->Vertical() ? TPoint{size, 0} : TPoint{0, size};
}

TPoint TBarCustomToolbar::ComputeArrangement(bool moveControls, TBarDockKind, bool newFloating,
                                             TBarDock* newDock)
{
    if (moveControls) {
        UpdateViewMetrics();
        return FView->UpdatePositions();
    }
    const TBarViewOrientation orientation = OrientationOfKind[DockKindOf(newDock, newFloating)];
    TPoint baseSize;
    TPoint totalSize;
    int lines = 0;
    FView->ComputeLayout(false, orientation, CalcWrapOffset(newDock), CalcChevronOffset(newDock, orientation),
                         ChevronSize(), baseSize, totalSize, lines);
    FLastWrappedLines = lines;
    return totalSize;
}

void TBarCustomToolbar::QueryBaseSize(TPoint& size)
{
    FView->ValidatePositions();
    size = FBaseSize;
}

void TBarCustomToolbar::QueryMinShrinkSize(int& minimumSize)
{
    const bool vertical = Docked() && CurrentDock()->Vertical();
    if (TBarItemViewer* viewer = FView->HighestPriorityViewer()) {
        const TRect& r = viewer->BoundsRect();
        minimumSize = vertical ? r.Height() : r.Width();
    }
    minimumSize += (vertical ? NonClientHeight() : NonClientWidth()) + ChevronSize();
}

void TBarCustomToolbar::IsPointOverChild(TPoint point, bool& result)
{
    TBarCustomDockableWindow::IsPointOverChild(point, result);
    if (result)
        return;
    FView->UpdateSelection(ClientToScreen(point), true);
    const TBarItemViewer* selected = FView->Selected();
    result = selected && !selected->Item()->ItemStyle().Contains(tbisClicksTransparent);
}

void TBarCustomToolbar::AlignControls(TControl*, TRect&)
{
    if (FDisableAlignArrange == 0)
        Arrange();
}

void TBarCustomToolbar::Paint()
{
    FView->DrawSubitems(*Canvas());
}

// --- control items -----------------------------------------------------------------------------------------

TBarControlItem* TBarCustomToolbar::FindWrapper(TControl* control)
{
    for (int i = 0; i < FItem->Count(); ++i)
        if (auto* item = dynamic_cast<TBarControlItem*>(FItem->Items(i)); item && item->Control() == control)
            return item;
    return nullptr;
}

void TBarCustomToolbar::CreateWrapper(int index, TControl* control)
{
    auto* item = new TBarControlItem(Owner());
    item->SetControl(control);
    FItem->Insert(index, item);
}

void TBarCustomToolbar::CreateWrappersForAllControls()
{
    for (int i = 0; i < ControlCount(); ++i)
        if (!FindWrapper(Controls(i)))
            CreateWrapper(FItem->Count(), Controls(i));
}

// --- the mouse ---------------------------------------------------------------------------------------------

void TBarCustomToolbar::ClearHotItem()
{
    if (!MouseCapture())
        FView->UpdateSelection({INT32_MIN, INT32_MIN}, true);
}

void TBarCustomToolbar::FollowHotItem()
{
    const TBarItemViewer* selected = FView->Selected();
    if (!selected || selected->Item()->EffectiveOptions().Contains(tboLongHintInMenuOnly))
        SetHint("");
    else
        SetHint(selected->Item()->Hint());
}

void TBarCustomToolbar::MouseMove(TShiftState shift, int x, int y)
{
    FView->UpdateSelection(ClientToScreen({x, y}), true);
    FollowHotItem();
    CallTrackMouseEvent(Handle(), 0);
    TBarCustomDockableWindow::MouseMove(shift, x, y);
}

void TBarCustomToolbar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TWinControl* parent = Parent();
    TBarCustomDockableWindow::MouseDown(button, shift, x, y);
    if (Parent() != parent || button != mbLeft)
        return;
    FView->UpdateSelection(ClientToScreen({x, y}), true);
    const TBarItemViewer* selected = FView->Selected();
    if (!selected || selected->Item()->ItemStyle().Contains(tbisClicksTransparent))
        return;
    FIgnoreMouseLeave = true;
    try {
        FView->EnterToolbarLoop(tbetMouseDown);
    } catch (...) {
        FIgnoreMouseLeave = false;
        throw;
    }
    FIgnoreMouseLeave = false;
}

void TBarCustomToolbar::DoContextPopup(TPoint mousePos, bool& handled)
{
    ClearHotItem();
    TBarCustomDockableWindow::DoContextPopup(mousePos, handled);
}

// --- the position store ------------------------------------------------------------------------------------

void TBarCustomToolbar::ReadPositionData(const TBarReadPositionData& data)
{
    TBarCustomDockableWindow::ReadPositionData(data);
    SetFloatingWidth(data.ReadIntProc(Name(), "FloatRightX", 0, data.ExtraData));
}

void TBarCustomToolbar::WritePositionData(const TBarWritePositionData& data)
{
    TBarCustomDockableWindow::WritePositionData(data);
    data.WriteIntProc(Name(), "FloatRightX", FFloatingWidth, data.ExtraData);
}
