#pragma once

#include "controls/skins/skin_custom_control.h"
#include "controls/skins/skin_paint_stage.h"
#include "controls/toolbars/class_reference.h"
#include "controls/toolbars/item.h"

#include <string>

// A compound bar: a skinned control holding a dock of its own with one skinned toolbar on it, so that a row
// of skinned items can sit anywhere in a form. The status bar (skin_status_bar.h) and the custom title bar
// (skin_title_bar.h) are built on it.

class TQvDock;
class TQvToolbar;
class TQvToolbarView;

// The class of the embedded toolbar, which a descendant names when it is made.
using TQvCompoundToolbarClass = TClassReference<TQvToolbar, TComponent*>;

// The control with its dock and embedded toolbar. Controls put on the toolbar become control items of
// RootItems (ITBItems); the toolbar is named after the control.
class TQvCompoundItemsControl : public TQvCustomControl, public ITBItems
{
public:
    explicit TQvCompoundItemsControl(TComponent* owner);
    ~TQvCompoundItemsControl() override;

    // The toolbar's root item.
    TBarCustomItem* Items() const;
    TQvToolbarView* View() const;
    TQvToolbar* EmbeddedToolbar() const { return FToolbar; }
    // TComponent::SetName with the toolbar renamed to the new name followed by "Toolbar"; call it through
    // this class or a descendant (the component's own setter is not virtual).
    void SetName(const std::string& name);
    // Repaints the control with its background (and its children's, with invalidateChildren).
    virtual void InvalidateBackground(bool invalidateChildren);
    TBarCustomItem* GetItems() override { return RootItems(); }

    void Dispatch(TMessage& message) override;

protected:
    // A descendant names the class of its embedded toolbar.
    TQvCompoundItemsControl(TComponent* owner, TQvCompoundToolbarClass toolbarClass);

    // The item whose children hold the control items: the toolbar's root.
    virtual TBarCustomItem* RootItems();
    void CreateParams(TCreateParams& params) override;
    // Control items among the root's children whose control lies elsewhere get the toolbar as parent.
    void Loaded() override;
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
    bool IsDesigning() const { return ComponentState().Contains(csDesigning); }

    TQvDock* FDock = nullptr;       // owned
    TQvToolbar* FToolbar = nullptr; // owned

private:
    // The dock takes no window but the embedded toolbar.
    void RequestDock(TObject* sender, class TBarCustomDockableWindow* bar, bool& accept);
};

// The compound bar: as high as its dock, painting the dock's background (behind the toolbar as well) with a
// draw event of its own around it.
class TQvCompoundBar : public TQvCompoundItemsControl
{
public:
    explicit TQvCompoundBar(TComponent* owner);

    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* value);

    TQvDrawEvent OnDrawDockBackground;

protected:
    TQvCompoundBar(TComponent* owner, TQvCompoundToolbarClass toolbarClass);

    virtual void DoDrawDockBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                      bool& paintDefault);
    // The bar follows its dock's height; a title bar stops following (it fills its form).
    void StopFollowingDockHeight();
    // The dock changes its height, and the toolbar its width, before the windows exist too, when no resize
    // is reported: as the children are aligned the bar follows the dock's height and the toolbar aligns
    // its items again.
    void AlignControls(TControl* control, TRect& rect) override;

private:
    void ConnectDockAndToolbar();
    void DockResized(TObject* sender);
    void DockBackground(TObject* sender, TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                        bool& paintDefault);

    bool FFollowsDockHeight = true;
};
