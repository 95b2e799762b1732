#pragma once

#include "controls/toolbars/item.h"
#include "controls/toolbars/item_viewer.h"

// The concrete items: the root of a toolbar's or menu's tree, inline groups, separators and hosted controls.

class TControl;

class TBarRootItem : public TBarCustomItem
{
public:
    using TBarCustomItem::TBarCustomItem;
};

// Shows its children inline in its place, one group level deeper.
class TBarGroupItem : public TBarCustomItem
{
public:
    explicit TBarGroupItem(TComponent* owner);
};

class TBarSeparatorItem : public TBarCustomItem
{
public:
    explicit TBarSeparatorItem(TComponent* owner);
    // A blank separator keeps its room but draws no line.
    bool Blank() const { return FBlank; }
    void SetBlank(bool value);
    TBarItemViewerClass GetItemViewerClass(TBarView* view) override;

private:
    bool FBlank = false;
};

// A windowed or windowless control shown in a toolbar's line; the item frees the control with itself unless
// DontFreeControl is set.
class TBarControlItem : public TBarCustomItem
{
public:
    explicit TBarControlItem(TComponent* owner);
    ~TBarControlItem() override;
    TControl* Control() const { return FControl; }
    void SetControl(TControl* value);
    bool FDontFreeControl = false;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TControl* FControl = nullptr;
};

// A separator: an etched line across a menu, or along a toolbar's line (across it where it breaks the line).
class TBarSeparatorItemViewer : public TBarItemViewer
{
public:
    using TBarItemViewer::TBarItemViewer;
    void CalcSize(TCanvas& canvas, int& width, int& height) override;
    void Paint(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected, bool isPushed,
               bool useDisabledShadow) override;
    bool UsesSameWidth() override { return false; }
};
