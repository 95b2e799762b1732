#pragma once

#include "controls/toolbars/class_reference.h"
#include "controls/toolbars/item_types.h"
#include "controls/toolbars/view.h"
#include "platform/gui/windows/win_control.h"

// The window of one open popup menu: a borderless top-level window with a 3-pixel frame that never takes the
// activation or the focus (the control that had the focus keeps it while menus open and close), showing
// one popup view. The menu's modal loop reads its input; the window only paints, runs the view's timers and
// answers hints.

using TBarViewClass =
    TClassReference<TBarView, TComponent*, TBarView*, TBarCustomItem*, TWinControl*, bool, bool, bool>;

// The view of a popup window: it sizes its window to the entries and paints in the window's font.
class TBarPopupView : public TBarView
{
public:
    using TBarView::TBarView;
    TFont* GetFont() override;

protected:
    void AutoSize(int width, int height) override;
};

// Marks a window as a popup of the menus, so that other windows can tell.
class ITBPopupWindow
{
public:
    virtual ~ITBPopupWindow() = default;
};

class TBarPopupWindow : public TCustomControl, public ITBPopupWindow
{
public:
    // viewClass: the class of the view (a descendant's popup windows show views of their own).
    TBarPopupWindow(TComponent* owner, TBarView* parentView, TBarCustomItem* item, bool customizing,
                    const TBarViewClass& viewClass = TBarViewClass::Of<TBarPopupView>());
    ~TBarPopupWindow() override;

    TBarView* View() const { return FView; }
    // The sides it slides in from when menus are animated.
    TBarAnimationDirection FAnimationDirection;

    // Shows the window, animated when the desktop asks for menu effects and it opens under the pointer.
    void ShowPopup() { ShowingChanged(true); }
    void HidePopup() { ShowingChanged(false); }
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWindowHandle() override;
    void Paint() override;
    virtual void PaintScrollArrows();
    virtual void ShowingChanged(bool showing);
    // The frame, on a canvas over the whole window.
    virtual void DrawPopupFrame(TCanvas& canvas);

private:
    bool FAccelsVisibilitySet = false;
    TBarView* FView = nullptr;
};
