#pragma once

#include "controls/skins/skin_item_painting.h"
#include "controls/toolbars/popup_window.h"

// The window of every skinned menu and submenu: the framework's popup window with its frame, body and image
// gutter painted in the look in force, an empty submenu that asks for it hidden as a window of no size, and
// the popup events of the item it shows (OnInitPopup once it shows, OnClosePopup as it goes).

struct THintInfo;

// A skinned popup's view: an empty submenu that hides its empty popup gets a window of 0 x 0.
class TQvPopupWindowView : public TBarPopupView
{
public:
    using TBarPopupView::TBarPopupView;

protected:
    void AutoSize(int width, int height) override;
};

class TQvPopupWindow : public TBarPopupWindow, public IQvMenuImageColumn
{
public:
    TQvPopupWindow(TComponent* owner, TBarView* parentView, TBarCustomItem* item, bool customizing,
                   const TBarViewClass& viewClass = TBarViewClass::Of<TQvPopupWindowView>());
    // Tells the item that its popup went (OnClosePopup), shown or not.
    ~TQvPopupWindow() override;

    // The largest image width and height among the viewers that show an image, taken at creation.
    TSize MaximumImageSize() const override { return FMaximumImageSize; }
    void Dispatch(TMessage& message) override;

protected:
    void ShowingChanged(bool showing) override;
    void DrawPopupFrame(TCanvas& canvas) override;
    // Tells the skinned item or root item the popup shows (or goes), and repaints a shown item's popup.
    virtual void DoPopupShowingChanged(bool isVisible);
    // Frame, body and, for a menu, the image gutter; rect is the window's rectangle in canvas coordinates.
    virtual void PaintFrame(TCanvas& canvas, TRect rect);

private:
    // Paints the frame on a canvas over the window, or over the client area after a client erase.
    void PaintFrameOn(TCanvas& canvas);
    bool UsesSkinnedErase() const;
    // A menu gets a gutter; a tool-box popup or a toolbar-style view does not.
    bool PaintsAsMenu() const;
    // The toolbar-style button that opened the popup, in rect's coordinates; empty when none or when the
    // skin does not join popups with their openers.
    TRect OpenerRect(const TRect& rect) const;

    bool FPaintingClientArea = false; // true only between a client erase and the frame painting it asks for
    TSize FMaximumImageSize;
};

// A submenu that hides its popup when empty and has nothing to show.
bool IsHiddenEmptyPopup(const TBarView& view);
// The hint of a skinned view's selected viewer: its bounds and hint text, and a skinned viewer fills the
// hint bitmap; no hint without a selection.
void ShowSelectedViewerHint(TBarView& view, THintInfo& hintInfo);
