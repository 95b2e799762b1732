#include "controls/skins/skin_compound_bar.h"

#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_toolbar.h"
#include "controls/toolbars/item_classes.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/window_functions.h"

// --- the compound items control ----------------------------------------------------------------------------

TQvCompoundItemsControl::TQvCompoundItemsControl(TComponent* owner)
    : TQvCompoundItemsControl(owner, TQvCompoundToolbarClass::Of<TQvToolbar>())
{}

TQvCompoundItemsControl::TQvCompoundItemsControl(TComponent* owner, TQvCompoundToolbarClass toolbarClass)
    : TQvCustomControl(owner)
{
    FDock = new TQvDock(this);
    FDock->SetParent(this);
    FDock->OnRequestDock = [this](TObject* sender, TBarCustomDockableWindow* bar, bool& accept) {
        RequestDock(sender, bar, accept);
    };
    FToolbar = toolbarClass.Create(this);
    FToolbar->SetCompoundToolbar(true);
    FToolbar->SetName(Name() + "Toolbar");
    FToolbar->SetCustomizable(false);
    FToolbar->SetBorderStyle(bsNone);
    FToolbar->SetDockMode(dmCannotFloatOrChangeDocks);
    FToolbar->SetDragHandleStyle(dhNone);
    FToolbar->SetStretch(true);
    FToolbar->SetShrinkMode(tbsmNone);
    FToolbar->SetShowCaption(false);
    FToolbar->SetParent(FDock);
    GetSkinManager().AddSkinNotification(this);
}

TQvCompoundItemsControl::~TQvCompoundItemsControl()
{
    Destroying();
    GetSkinManager().RemoveSkinNotification(this);
    FreeAndNil(FToolbar);
    FreeAndNil(FDock);
}

void TQvCompoundItemsControl::RequestDock(TObject*, TBarCustomDockableWindow* bar, bool& accept)
{
    accept = FToolbar && bar == FToolbar;
}

TBarCustomItem* TQvCompoundItemsControl::Items() const
{
    return FToolbar->Items();
}

TQvToolbarView* TQvCompoundItemsControl::View() const
{
    return FToolbar->View();
}

TBarCustomItem* TQvCompoundItemsControl::RootItems()
{
    return FToolbar ? FToolbar->Items() : nullptr;
}

void TQvCompoundItemsControl::SetName(const std::string& name)
{
    TComponent::SetName(name);
    FToolbar->SetName(name + "Toolbar");
}

void TQvCompoundItemsControl::CreateParams(TCreateParams& params)
{
    TQvCustomControl::CreateParams(params);
    if (IsDesigning())
        return;
    params.Style |= WS_CLIPCHILDREN;
    params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TQvCompoundItemsControl::Loaded()
{
    TQvCustomControl::Loaded();
    TBarCustomItem* root = FToolbar->Items();
    for (int i = 0; i < root->Count(); ++i) {
        auto* item = dynamic_cast<TBarControlItem*>(root->Items(i));
        if (item && item->Control() && item->Control()->Parent() != FToolbar)
            item->Control()->SetParent(FToolbar);
    }
}

void TQvCompoundItemsControl::InvalidateBackground(bool invalidateChildren)
{
    if (IsDestroying() || !HandleAllocated())
        return;
    RedrawWindow(Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | (invalidateChildren ? RDW_ALLCHILDREN : 0u));
}

void TQvCompoundItemsControl::Dispatch(TMessage& message)
{
    if (message.Msg == WM_SKINCHANGED) {
        InvalidateBackground(true);
        return;
    }
    TQvCustomControl::Dispatch(message);
}

// --- the compound bar --------------------------------------------------------------------------------------

TQvCompoundBar::TQvCompoundBar(TComponent* owner) : TQvCompoundItemsControl(owner)
{
    ConnectDockAndToolbar();
}

TQvCompoundBar::TQvCompoundBar(TComponent* owner, TQvCompoundToolbarClass toolbarClass)
    : TQvCompoundItemsControl(owner, toolbarClass)
{
    ConnectDockAndToolbar();
}

void TQvCompoundBar::ConnectDockAndToolbar()
{
    SetHeight(FDock->Height());
    FDock->OnDrawBackground = [this](TObject* sender, TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                     bool& paintDefault) {
        DockBackground(sender, canvas, rect, stage, paintDefault);
    };
    FDock->OnResize = [this](TObject* sender) { DockResized(sender); };
    // The toolbar paints no background of its own: the dock's shows through.
    FToolbar->OnDrawBackground = [](TObject*, TCanvas&, const TRect&, TQvPaintStage stage,
                                    bool& paintDefault) {
        if (stage == pstPrePaint)
            paintDefault = false;
    };
}

void TQvCompoundBar::StopFollowingDockHeight()
{
    FDock->OnResize = nullptr;
    FFollowsDockHeight = false;
}

void TQvCompoundBar::AlignControls(TControl* control, TRect& rect)
{
    TQvCompoundItemsControl::AlignControls(control, rect);
    if (FFollowsDockHeight)
        DockResized(FDock);
    // Nor is the toolbar told of its new width before its window exists.
    FToolbar->UpdateRightAlignment();
}

TCustomImageList* TQvCompoundBar::Images() const
{
    return FToolbar->Images();
}

void TQvCompoundBar::SetImages(TCustomImageList* value)
{
    FToolbar->SetImages(value);
}

void TQvCompoundBar::DockResized(TObject*)
{
    if (Height() != FDock->Height())
        SetHeight(FDock->Height());
}

// Both stages of the bar's event run before the dock's own painting, which the first may turn off.
void TQvCompoundBar::DockBackground(TObject*, TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                    bool& paintDefault)
{
    if (stage != pstPrePaint)
        return;
    canvas.Brush()->SetColor(clBtnFace);
    bool paintDock = true;
    DoDrawDockBackground(canvas, rect, pstPrePaint, paintDock);
    paintDefault = paintDock;
    bool unused = true;
    DoDrawDockBackground(canvas, rect, pstPostPaint, unused);
}

void TQvCompoundBar::DoDrawDockBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                          bool& paintDefault)
{
    if (OnDrawDockBackground)
        OnDrawDockBackground(this, canvas, rect, stage, paintDefault);
}
