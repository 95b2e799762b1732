#pragma once

#include "controls/skins/skin_popup_window.h"
#include "controls/skins/skin_types.h"
#include "controls/toolbars/chevron_item.h"

// The chevron of skinned toolbars: a button painted in the look in force with two arrows towards the items
// its toolbar had to hide, and the skinned popup that shows those items.

class TQvChevronItem : public TBarChevronItem
{
public:
    using TBarChevronItem::TBarChevronItem;
    TBarItemViewerClass GetItemViewerClass(TBarView* view) override;
    TBarPopupWindowClass GetPopupWindowClass() override;
};

class TQvChevronItemViewer : public TBarItemViewer
{
public:
    using TBarItemViewer::TBarItemViewer;
    void Paint(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected, bool isPushed,
               bool useDisabledShadow) override;
    // A menu entry's text colour in a menu; on a toolbar the toolbar's own colour for its items, else the
    // skin's toolbar item colour.
    virtual TColor GetTextColor(TQvSkinStatesType state);
};

// What the chevron popup asks of the toolbar whose hidden items it shows; the skinned toolbar implements it.
class IQvChevronToolbar
{
public:
    virtual ~IQvChevronToolbar() = default;
    // The hidden items show as a menu rather than as a row of buttons.
    virtual bool ChevronVertical() const = 0;
};

class TQvChevronPopupWindow : public TQvPopupWindow
{
public:
    using TQvPopupWindow::TQvPopupWindow;
    void Dispatch(TMessage& message) override;

private:
    // Once the framework has given the popup its button-face colour: a toolbar that wants its hidden items
    // as a menu gets them so.
    void ColorChanged();
};
