#pragma once

#include "controls/skins/skin_compound_bar.h"
#include "controls/skins/skin_toolbar.h"
#include "platform/gui/forms/forms.h"

#include <memory>

// The custom title bar: it replaces its form's own caption and frame. It fills the form, paints a frame and
// a caption bar in the skin (the caption text, the window-menu item and the minimize, maximize and close
// buttons on its embedded toolbar), moves the form when its caption is dragged and sizes it when its frame
// is. The form's messages pass through the bar from the moment it is loaded until it is destroyed
// (skin_title_bar_form.cpp).

class TQvCustomTitleBar;
class TQvTitleBarButtonOptions;

// The toolbar on a title bar's dock: a press on its empty places moves the form, a double click maximizes
// it, the right button opens the window menu.
class TQvTitleToolbar : public TQvToolbar
{
public:
    using TQvToolbar::TQvToolbar;

    TColor ItemsTextColor(TQvSkinStatesType state) override;
    int DefaultToolbarBorderSize() const override { return FDefaultToolbarBorderSize; }
    void Dispatch(TMessage& message) override;

protected:
    // The toolbar's, but none while the form is maximized.
    int RightAlignMargin() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TQvCustomTitleBar* TitleBar() const;
    // No frame while docked on a maximized form: the items reach the screen's edge.
    void WMNCCalcSize(TMessage& message);
    // A press on the bar's empty places and items that let clicks through.
    bool PressIsOnEmptyPlace() const;
    void PopupSystemMenuAt(TPoint screenPos);

    int FDefaultToolbarBorderSize = 2;
};

// What the frame band of a title bar does under the pointer: the cursor and the sizing command (both 0
// where nothing is sized).
struct TQvSizingZone
{
    TCursor Cursor = 0;
    unsigned Command = 0;
};

class TQvCustomTitleBar : public TQvCompoundBar
{
public:
    explicit TQvCustomTitleBar(TComponent* owner);
    ~TQvCustomTitleBar() override;

    // False gives the form back its own sizeable border and hides the dock.
    bool Active() const { return FActive; }
    void SetActive(bool value);
    // A fixed-size form is neither sized through the frame nor maximized by a double click.
    bool FixedSize() const { return FFixedSize; }
    void SetFixedSize(bool value) { FFixedSize = value; }
    // Without it a maximized form covers its monitor's work area only.
    bool FullScreenMaximize() const { return FFullScreenMaximize; }
    void SetFullScreenMaximize(bool value);
    // False: the bar keeps painting, but the form keeps its own border and its mouse actions are off.
    bool MouseActive() const { return FMouseActive; }
    void SetMouseActive(bool value);
    bool IsActive() const { return FActive && FMouseActive; }
    TQvTitleBarButtonOptions* Options() const { return FOptions.get(); }
    TQvTitleToolbar* Toolbar() const { return static_cast<TQvTitleToolbar*>(FToolbar); }
    TCustomForm* ParentForm() const { return FParentForm; }
    // The form's window menu is about to open (the window-menu item's OnInitPopup).
    void SetOnSystemMenuPopup(const TQvPopupEvent& handler);

    // The client rectangle inside the bar's frame.
    TRect GetClientAreaRect() const;
    // The frame's width (X) and height (Y) in the look in force.
    TPoint FrameSize() const;
    // The zone of the frame band at p (client coordinates): nothing while inactive, on a maximized form or
    // inside the frame.
    TQvSizingZone SizingHitTest(TPoint p) const;
    // Minimizes the form through its window command, maximizes or restores it through its window state.
    void ChangeFormState(TWindowState state);
    bool FormIsMaximized() const;

    TQvDrawEvent OnDrawBackground;

    void Dispatch(TMessage& message) override;

protected:
    TBarCustomItem* RootItems() override;
    void Loaded() override;
    void AdjustClientRect(TRect& rect) const override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                  bool& paintDefault);
    void DoDrawDockBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                              bool& paintDefault) override;

private:
    // --- the form (skin_title_bar_form.cpp) ---
    void HookForm();
    void UnhookForm();
    void FormWndProc(TMessage& message);
    // True when the message was answered here and goes no further.
    bool FormGetMinMaxInfo(TMessage& message);
    bool FormSysCommand(TMessage& message);
    // Takes the form's border away (active) or gives it back, keeping its client area's size.
    void UpdateFormBorder(bool active);
    void UpdateRegion();
    bool FormUsable() const;
    // The form's window keeps its window menu without a caption: the window-menu item and the window
    // system show it.
    void KeepWindowMenu();

    // --- messages ---
    void WMEraseBkgnd(TMessage& message);
    void PaintBackground(TCanvas& canvas);
    void WMSetCursor(TMessage& message);
    void WMWindowPosChanged(TMessage& message);
    void WMSkinChanged();

    bool FActive = true;
    bool FFixedSize = false;
    bool FFullScreenMaximize = false;
    bool FMouseActive = true;
    std::unique_ptr<TQvTitleBarButtonOptions> FOptions;
    bool FUpdateRegionCalled = false; // an UpdateRegion is running
    TWndMethod FOldParentFormWndProc; // the form's window procedure before the bar hooked it
    bool FFormHooked = false;
    TCustomForm* FParentForm = nullptr;
};

class TQvTitleBar : public TQvCustomTitleBar
{
public:
    using TQvCustomTitleBar::TQvCustomTitleBar;
};
