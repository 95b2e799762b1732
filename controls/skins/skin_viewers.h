#pragma once

#include "controls/skins/skin_custom_item.h"
#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_text_output.h"
#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/item_viewer.h"

#include <cstdint>
#include <string>

// The viewers of the skinned items: they measure a menu entry or toolbar button, paint it in the look in
// force with the items' owner-draw events around each step, and fill the bitmap hints. Labels, separators
// and the window-menu item have viewers of their own.

class TBitmap;
struct THintInfo;

// What a skinned toolbar shows of its items.
enum TQvToolbarDisplayMode
{
    tbdmSelectiveCaption,
    tbdmImageOnly,
    tbdmImageAboveCaption,
    tbdmTextOnly
};

// What the viewers on a skinned toolbar ask of it; the toolbar window implements it.
class IQvItemsToolbar
{
public:
    virtual ~IQvItemsToolbar() = default;
    virtual TQvToolbarDisplayMode DisplayMode() const = 0;
    // The colour the toolbar gives its items' text in a state; clNone leaves it to the skin.
    virtual TColor ItemsTextColor(TQvSkinStatesType state) = 0;
    // The largest height of the toolbar with its frame; -1 without a limit.
    virtual int MaxSize() const = 0;
    virtual int NonClientHeight() const = 0;
};

// A toolbar view that stretches its items to the tallest of them; the skinned toolbar view implements it.
class IQvStretchingView
{
public:
    virtual ~IQvStretchingView() = default;
    // The height (width on a vertical view) of the tallest item, measured unstretched.
    virtual int TallestItemSize() const = 0;
};

// True when an image or caption size is wider and taller than nothing.
bool HasArea(TSize size);

// The caption of a viewer as it will be measured and drawn.
struct TQvTextInfo
{
    std::string Text;
    TQvTextRotationAngle TextAngle = tra0;
    unsigned TextFlags = 0;
    TSize TextSize; // swapped for rotated text
    bool IsCaptionShown = false;
    bool IsTextRotated = false;
};

class TQvItemViewer : public TBarItemViewer, public IQvSkinnedItemViewer
{
public:
    using TBarItemViewer::TBarItemViewer;

    TQvCustomItem* Item() const;

    void CalcSize(TCanvas& canvas, int& width, int& height) override;
    // The skinned toolbar view measures its items unstretched (calcStretch false) to find the tallest.
    void InternalCalcSize(TCanvas& canvas, bool calcStretch, int& width, int& height);
    void Paint(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected, bool isPushed,
               bool useDisabledShadow) override;
    bool CaptionShown() override;
    // Toolbar style, except for a tool-box entry in a popup whose parent does not ask for toolbar style.
    bool IsToolbarStyle() override;
    bool IsOnToolbox() override;

    virtual void ApplyFontSettings(TFont& font, TQvSkinStatesType state);
    virtual void DoDrawItem(TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo,
                            TQvPaintStage stage, bool& paintDefault);
    virtual void DoDrawCaption(TCanvas& canvas, const TRect& clientAreaRect, TQvSkinStatesType state,
                               std::string& caption, TRect& captionRect, uint32_t& captionFormat,
                               bool isTextRotated, TQvPaintStage stage, bool& paintDefault);
    virtual void DoDrawImage(TCanvas& canvas, TQvSkinStatesType state, TQvPaintStage stage,
                             TCustomImageList*& imageList, int& imageIndex, TRect& rect, bool& paintDefault);
    virtual void DoDrawHint(TBitmap* hintBitmap, TPoint cursorPos, TRect& cursorRect, std::string& hint,
                            bool& paintDefault);
    bool GetImageShown() override;
    TSize GetImageSize() override;
    TSize GetRightImageSize() override { return {}; }
    virtual TColor GetTextColor(TQvSkinStatesType state);
    virtual void DrawItemImage(TCanvas& canvas, TRect rect, const TQvMenuItemInfo& itemInfo, int imageIndex);
    virtual void DrawItemRightImage(TCanvas&, const TRect&, const TQvMenuItemInfo&) {}
    // Mouse moves over the skinned toolbar's selected viewer.
    virtual void InternalMouseMove(TShiftState, int, int) {}
    // The caption up to its first tab.
    virtual std::string GetCaptionText();
    virtual std::string GetHintText();
    // Fills the hint of the viewer as a bitmap hint (CM_HINTSHOW dispatched to the viewer by its window).
    virtual void CMHintShow(THintInfo& hintInfo);

    void GetTextInfo(TCanvas& canvas, TQvSkinStatesType state, TQvTextInfo& textInfo);

    // Set by the skinned toolbar's anchoring; the delta widens an anchored item.
    TPoint FAnchorSize;
    int FAnchorDelta = 0;

protected:
    // The skin state the item is measured in.
    TQvSkinStatesType MeasuringState();
    IQvItemsToolbar* OwnerToolbar() const;

private:
    void ToolbarStyleSize(const TQvTextInfo& textInfo, bool calcStretch, int& width, int& height);
    void MenuStyleSize(TCanvas& canvas, TQvTextInfo& textInfo, int& width, int& height);
    void ApplyCommonLimits(bool rotated, int& width, int& height);
    // Painting steps (skin_viewers_paint.cpp); embossed draws the classic disabled copy first.
    void PaintCaption(TCanvas& canvas, const TRect& clientAreaRect, const TQvMenuItemInfo& info,
                      const TQvTextInfo& text, std::string& caption, TRect& captionRect, uint32_t& flags,
                      bool embossed);
    void PaintShortCut(TCanvas& canvas, const TRect& clientAreaRect, const TRect& itemRect,
                       const TQvMenuItemInfo& info, const TQvTextInfo& text, TColor savedColor);
    void PaintImageOrCheck(TCanvas& canvas, TQvSkinOptions& skin, const TQvMenuItemInfo& info,
                           const TRect& itemRect, TRect imageRect, bool besideImage, int arrowSize);
};

// Whether the viewer sits in a tool-box popup: its view's parent item is a skinned item or root item with
// ToolBoxPopup set.
bool ViewerIsOnToolbox(const TBarItemViewer& viewer);

// A label: never clicked (a click leaves the popup open); in a menu as tall as its font.
class TQvLabelItemViewer : public TQvItemViewer
{
public:
    using TQvItemViewer::TQvItemViewer;
    void CalcSize(TCanvas& canvas, int& width, int& height) override;
    bool DoExecute() override { return false; }
};

class TQvSeparatorItemViewer : public TBarSeparatorItemViewer
{
public:
    using TBarSeparatorItemViewer::TBarSeparatorItemViewer;
    void CalcSize(TCanvas& canvas, int& width, int& height) override;
    void Paint(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected, bool isPushed,
               bool useDisabledShadow) override;
};

// The window-menu entry: the target form's icon.
class TQvSystemMenuItemViewer : public TQvItemViewer
{
public:
    using TQvItemViewer::TQvItemViewer;
    void CalcSize(TCanvas& canvas, int& width, int& height) override;
    void Paint(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected, bool isPushed,
               bool useDisabledShadow) override;
};
