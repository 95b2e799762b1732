#pragma once

#include "controls/skins/skin_compound_bar.h"
#include "controls/skins/skin_toolbar.h"

// The skinned status bar: a compound bar at the bottom of its form with a size grip at its right end and,
// where the look asks for them, lines on both sides of its separators.

class TCustomForm;

// The toolbar on a status bar's dock: it keeps the grip free of items and sizes the form through it.
class TQvStatusToolbar : public TQvToolbar
{
public:
    using TQvToolbar::TQvToolbar;

    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);
    // The grip in the dock's client coordinates; empty where the form cannot be sized through it.
    TRect GetGripRect();
    // The bar paints lines beside its separators: in the classic look, or with a skin that asks for them.
    bool NeedsSeparatorRepaint() const;

    TColor ItemsTextColor(TQvSkinStatesType state) override;
    void Dispatch(TMessage& message) override;

protected:
    // The grip's width, or 4 without a grip.
    int RightAlignMargin() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void ItemNotification(TBarCustomItem* ancestor, bool relayed, TBarItemChangedAction action, int index,
                          TBarCustomItem* item) override;

private:
    TCustomForm* ParentForm();
    // The form shows a grip: it is in the normal state and sizeable, or its title bar sizes it.
    bool GripShows(TCustomForm& form);
    bool ScreenPointInGrip(TPoint screenPos);
    // Lets the window system size the form from its bottom-right corner.
    void SizeFormFromGrip();
    bool IsDesigning() const { return ComponentState().Contains(csDesigning); }

    bool FSizeGrip = true;
    TCustomForm* FParentForm = nullptr; // found on first use
};

class TQvCustomStatusBar : public TQvCompoundBar
{
public:
    explicit TQvCustomStatusBar(TComponent* owner);

    TQvStatusToolbar* Toolbar() const { return static_cast<TQvStatusToolbar*>(FToolbar); }

    void Dispatch(TMessage& message) override;

protected:
    // The lines on both sides of each separator, in the coordinates of rect (the dock's client area, or
    // the toolbar's, which starts at (-2, -2)).
    virtual void DrawSeparators(TCanvas& canvas, const TRect& rect);
    void DoDrawDockBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                              bool& paintDefault) override;
    // The bar is as high as its dock, whatever height it is given.
    bool CanResize(int& newWidth, int& newHeight) override;
};

class TQvStatusBar : public TQvCustomStatusBar
{
public:
    using TQvCustomStatusBar::TQvCustomStatusBar;

    bool SizeGrip() const { return Toolbar()->SizeGrip(); }
    void SetSizeGrip(bool value) { Toolbar()->SetSizeGrip(value); }
};
