#pragma once

#include "controls/pack/common_types.h"
#include "controls/pack/linear_gradient.h"
#include "controls/pack/notebook.h"
#include "controls/pack/tab_borders.h"

#include <functional>
#include <memory>

class TKVGxPageSheet6;
using TKVGxPageSheetEvent = std::function<void(TKVGxPageSheet6* sheet)>;

// A page of the page control with its tab's caption, picture and colours: active, inactive and hot, each a
// fill or a gradient, with border lines for the inactive and the hot tab. A change of any of them tells
// OnTabChange (the page control repaints).
class TKVGxPageSheet6 : public TKVGxNotebookSheet6
{
public:
    explicit TKVGxPageSheet6(TComponent* owner);
    ~TKVGxPageSheet6() override;

    // Caption, the control's text, is the tab's; an empty one shows the page control's DefaultCaption.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { StoreTab(FImageIndex, value); }
    // A page without a tab can still be the active one.
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value) { StoreTab(FTabVisible, value); }
    // A disabled tab cannot be clicked, yet the keys, the tab list and ActivePage reach its page.
    bool TabEnabled() const { return FTabEnabled; }
    void SetTabEnabled(bool value) { StoreTab(FTabEnabled, value); }
    TColor TabActiveBgColor() const { return FTabActiveBgColor; }
    void SetTabActiveBgColor(TColor value) { StoreTab(FTabActiveBgColor, value); }
    TColor TabActiveBgColorTo() const { return FTabActiveBgColorTo; }
    void SetTabActiveBgColorTo(TColor value) { StoreTab(FTabActiveBgColorTo, value); }
    TGradientDirection TabActiveGradientDirection() const { return FTabActiveGradientDirection; }
    void SetTabActiveGradientDirection(TGradientDirection value)
    {
        StoreTab(FTabActiveGradientDirection, value);
    }
    TColor TabActiveTextColor() const { return FTabActiveTextColor; }
    void SetTabActiveTextColor(TColor value) { StoreTab(FTabActiveTextColor, value); }
    TColor TabActiveHotTextColor() const { return FTabActiveHotTextColor; }
    void SetTabActiveHotTextColor(TColor value) { StoreTab(FTabActiveHotTextColor, value); }
    TColor TabInactiveBgColor() const { return FTabInactiveBgColor; }
    void SetTabInactiveBgColor(TColor value) { StoreTab(FTabInactiveBgColor, value); }
    TColor TabInactiveBgColorTo() const { return FTabInactiveBgColorTo; }
    void SetTabInactiveBgColorTo(TColor value) { StoreTab(FTabInactiveBgColorTo, value); }
    TGradientDirection TabInactiveGradientDirection() const { return FTabInactiveGradientDirection; }
    void SetTabInactiveGradientDirection(TGradientDirection value)
    {
        StoreTab(FTabInactiveGradientDirection, value);
    }
    TColor TabInactiveTextColor() const { return FTabInactiveTextColor; }
    void SetTabInactiveTextColor(TColor value) { StoreTab(FTabInactiveTextColor, value); }
    TColor TabHotBgColor() const { return FTabHotBgColor; }
    void SetTabHotBgColor(TColor value) { StoreTab(FTabHotBgColor, value); }
    TColor TabHotBgColorTo() const { return FTabHotBgColorTo; }
    void SetTabHotBgColorTo(TColor value) { StoreTab(FTabHotBgColorTo, value); }
    TGradientDirection TabHotGradientDirection() const { return FTabHotGradientDirection; }
    void SetTabHotGradientDirection(TGradientDirection value) { StoreTab(FTabHotGradientDirection, value); }
    TColor TabHotTextColor() const { return FTabHotTextColor; }
    void SetTabHotTextColor(TColor value) { StoreTab(FTabHotTextColor, value); }
    // Setting a set copies its four borders; a change of a border alone repaints nothing.
    TKVGxTabBorders* TabInactiveBorders() const { return FTabInactiveBorders.get(); }
    void SetTabInactiveBorders(const TKVGxTabBorders* value);
    TKVGxTabBorders* TabHotBorders() const { return FTabHotBorders.get(); }
    void SetTabHotBorders(const TKVGxTabBorders* value);

    TKVGxPageSheetEvent OnTabChange;

    void Dispatch(TMessage& message) override;

protected:
    void DoTabChange();

private:
    template <typename T> void StoreTab(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            DoTabChange();
    }

    int FImageIndex = 0;
    bool FTabVisible = true;
    bool FTabEnabled = true;
    TColor FTabActiveBgColor = clHighlight;
    TColor FTabActiveBgColorTo = clNone;
    TGradientDirection FTabActiveGradientDirection = gdVertical;
    TColor FTabActiveTextColor = clHighlightText;
    TColor FTabActiveHotTextColor = clNone;
    TColor FTabInactiveBgColor = clBtnFace;
    TColor FTabInactiveBgColorTo = clNone;
    TGradientDirection FTabInactiveGradientDirection = gdVertical;
    TColor FTabInactiveTextColor = clWindowText;
    TColor FTabHotBgColor = clHighlight;
    TColor FTabHotBgColorTo = clNone;
    TGradientDirection FTabHotGradientDirection = gdVertical;
    TColor FTabHotTextColor = clHighlightText;
    std::unique_ptr<TKVGxTabBorders> FTabInactiveBorders;
    std::unique_ptr<TKVGxTabBorders> FTabHotBorders;
};
