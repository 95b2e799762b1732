#pragma once

#include "controls/toolbars/item_viewer.h"

// The chevron: a button at the end of a toolbar that shrinks by hiding items, whose submenu offers the items
// that do not fit (the toolbar's own items; the view decides which of them show).

class TBarCustomToolbar;

class TBarChevronItem : public TBarCustomItem
{
public:
    // owner must be a TBarCustomToolbar (EInvalidCast otherwise).
    explicit TBarChevronItem(TComponent* owner);
    TBarCustomToolbar* Toolbar() const { return FToolbar; }
    TBarItemViewerClass GetItemViewerClass(TBarView* view) override;
    TBarView* GetChevronParentView() override;
    // The hint's short part, its ampersands doubled, becomes the caption.
    void SetHintAndCaption(const std::string& hint);

private:
    TBarCustomToolbar* FToolbar;
};

class TBarChevronItemViewer : public TBarItemViewer
{
public:
    using TBarItemViewer::TBarItemViewer;
    void Paint(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected, bool isPushed,
               bool useDisabledShadow) override;
};

// The hint a chevron has until it is given another.
inline constexpr const char* DefaultChevronHint = "More Buttons|";
