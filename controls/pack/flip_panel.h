#pragma once

#include "controls/grid/collection_control.h"
#include "controls/grid/color_schemes.h"
#include "controls/grid/header_panel.h"
#include "controls/pack/common_types.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/standard/std_control_types.h"

#include <memory>
#include <string>

// A container with a header strip along its top edge. A click on the header (or its toggle button) folds
// the panel to the height of its header and opens it again to the height it had; nested flip panels grow
// and shrink with their children. The header takes one of ten looks, a toggle triangle, a glyph or the
// classic plus and minus, a picture, a caption (another one while collapsed) and a caption on the right.
class TKVGxFlipPanel : public TGxCollectionControl
{
public:
    using THeaderStyle = FlipPanel::THeaderStyle;
    using TFlipKind = FlipPanel::TFlipKind;
    using TFlipBackgroundStyle = FlipPanel::TFlipBackgroundStyle;

    explicit TKVGxFlipPanel(TComponent* owner);
    ~TKVGxFlipPanel() override;

    // --- folding ---
    bool Expanded() const { return FExpanded; }
    // Folds or opens (nothing while AllowFlip is off): a panel folded while its window is being built
    // keeps its height and only records FullHeight.
    void SetExpanded(bool value);
    void Flip() { SetExpanded(!FExpanded); }
    // The height the panel opens to; the window's layout sets it for a panel stored folded.
    int FullHeight() const { return FFullHeight; }
    void SetFullHeight(int value) { FFullHeight = value; }
    bool AllowFlip() const { return FAllowFlip; }
    void SetAllowFlip(bool value) { FAllowFlip = value; }
    // Opening the panel folds its sibling flip panels.
    bool AutoCollapse() const { return FAutoCollapse; }
    void SetAutoCollapse(bool value) { FAutoCollapse = value; }
    TFlipKind FlipKind() const { return FFlipKind; }
    void SetFlipKind(TFlipKind value) { FFlipKind = value; }

    // --- header ---
    // Caption is the control's text; "&" marks the letter that flips the panel with Alt.
    const std::string& CaptionCollapsed() const { return FCaptionCollapsed; }
    void SetCaptionCollapsed(const std::string& value);
    int CaptionDeltaX() const { return FCaptionDeltaX; }
    void SetCaptionDeltaX(int value) { StoreHeader(FCaptionDeltaX, value); }
    int CaptionDeltaY() const { return FCaptionDeltaY; }
    void SetCaptionDeltaY(int value) { StoreHeader(FCaptionDeltaY, value); }
    const std::string& RightCaption() const { return FRightCaption; }
    void SetRightCaption(const std::string& value) { StoreHeader(FRightCaption, value); }
    bool RightCaptionVisible() const { return FRightCaptionVisible; }
    void SetRightCaptionVisible(bool value) { StoreHeader(FRightCaptionVisible, value); }
    TEllipsisPosition RightCaptionEllipsis() const { return FRightCaptionEllipsis; }
    void SetRightCaptionEllipsis(TEllipsisPosition value) { StoreHeader(FRightCaptionEllipsis, value); }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(const TFont* value);
    TFont* RightCaptionFont() const { return FRightCaptionFont.get(); }
    void SetRightCaptionFont(const TFont* value);
    // The header font follows Font while this is on; setting either header font turns it off.
    bool ParentHeaderFont() const { return FParentHeaderFont; }
    void SetParentHeaderFont(bool value);
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int value);
    THeaderStyle HeaderStyle() const { return FHeaderStyle; }
    void SetHeaderStyle(THeaderStyle value) { StoreHeader(FHeaderStyle, value); }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor value) { StoreHeader(FHeaderColor, value); }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor value) { StoreHeader(FHeaderColorTo, value); }
    TColor HeaderHotColor() const { return FHeaderHotColor; }
    void SetHeaderHotColor(TColor value) { StoreHeader(FHeaderHotColor, value); }
    TColor HeaderHotColorTo() const { return FHeaderHotColorTo; }
    void SetHeaderHotColorTo(TColor value) { StoreHeader(FHeaderHotColorTo, value); }
    // The header lights up while the pointer is over it.
    bool HeaderHotTrack() const { return FHeaderHotTrack; }
    void SetHeaderHotTrack(bool value) { StoreHeader(FHeaderHotTrack, value); }
    TColor HeaderHotBorderColor() const { return FHeaderHotBorderColor; }
    void SetHeaderHotBorderColor(TColor value) { StoreHeader(FHeaderHotBorderColor, value); }
    int HeaderHotBorderSize() const { return FHeaderHotBorderSize; }
    void SetHeaderHotBorderSize(int value) { StoreHeader(FHeaderHotBorderSize, value); }
    int HeaderTopGradientSize() const { return FHeaderTopGradientSize; }
    void SetHeaderTopGradientSize(int value) { StoreHeader(FHeaderTopGradientSize, value); }
    // clNone: no line under the header of an open panel.
    TColor HeaderExpandedBottomLineColor() const { return FHeaderExpandedBottomLineColor; }
    void SetHeaderExpandedBottomLineColor(TColor value)
    {
        StoreHeader(FHeaderExpandedBottomLineColor, value);
    }
    int Indent() const { return FIndent; }
    void SetIndent(int value) { StoreRepaint(FIndent, value); }
    TDirection DrawDirection() const { return FDrawDirection; }
    void SetDrawDirection(TDirection value) { StoreRepaint(FDrawDirection, value); }

    // --- toggle button and glyph ---
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool value) { StoreRepaint(FShowButtons, value); }
    bool TransparentButtons() const { return FTransparentButtons; }
    void SetTransparentButtons(bool value) { StoreRepaint(FTransparentButtons, value); }
    bool ToggleTriangle() const { return FToggleTriangle; }
    void SetToggleTriangle(bool value) { StoreHeader(FToggleTriangle, value); }
    TColor ToggleTriangleColor() const { return FToggleTriangleColor; }
    void SetToggleTriangleColor(TColor value) { StoreHeader(FToggleTriangleColor, value); }
    TColor ToggleTriangleHotColor() const { return FToggleTriangleHotColor; }
    void SetToggleTriangleHotColor(TColor value) { StoreHeader(FToggleTriangleHotColor, value); }
    int ToggleTriangleSize() const { return FToggleTriangleSize; }
    void SetToggleTriangleSize(int value) { StoreHeader(FToggleTriangleSize, value); }
    int ToggleTriangleCollapsedDeltaX() const { return FCollapsedDeltaX; }
    void SetToggleTriangleCollapsedDeltaX(int value) { StoreHeader(FCollapsedDeltaX, value); }
    int ToggleTriangleCollapsedDeltaY() const { return FCollapsedDeltaY; }
    void SetToggleTriangleCollapsedDeltaY(int value) { StoreHeader(FCollapsedDeltaY, value); }
    int ToggleTriangleExpandedDeltaX() const { return FExpandedDeltaX; }
    void SetToggleTriangleExpandedDeltaX(int value) { StoreHeader(FExpandedDeltaX, value); }
    int ToggleTriangleExpandedDeltaY() const { return FExpandedDeltaY; }
    void SetToggleTriangleExpandedDeltaY(int value) { StoreHeader(FExpandedDeltaY, value); }
    // Setting a bitmap copies it in.
    TBitmap* ExpandGlyph() const { return FExpandGlyph.get(); }
    void SetExpandGlyph(const TBitmap* value);
    TBitmap* CollapseGlyph() const { return FCollapseGlyph.get(); }
    void SetCollapseGlyph(const TBitmap* value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* value);
    bool ShowGlyph() const { return FShowGlyph; }
    void SetShowGlyph(bool value) { StoreRepaint(FShowGlyph, value); }
    // The glyph's bottom-left colour shows through.
    bool TransparentGlyph() const { return FTransparentGlyph; }
    void SetTransparentGlyph(bool value);

    // --- body and border ---
    TFlipBackgroundStyle BackgroundStyle() const { return FBackgroundStyle; }
    void SetBackgroundStyle(TFlipBackgroundStyle value) { StoreRepaint(FBackgroundStyle, value); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { StoreRepaint(FBackgroundColor, value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    // With AdaptiveColors the header and border take the colour scheme's colours.
    bool AdaptiveColors() const { return FAdaptiveColors; }
    void SetAdaptiveColors(bool value) { StoreRepaint(FAdaptiveColors, value); }
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value) { StoreRepaint(FColorScheme, value); }
    TGxMargins* InnerMargins() const { return FInnerMargins.get(); }
    void SetInnerMargins(const TGxMargins* value);

    // --- rectangles, in client coordinates ---
    TRect HeaderRect() const { return {0, 0, ClientWidth(), FHeaderHeight}; }
    TRect BodyRect() const { return {0, FHeaderHeight, ClientWidth(), ClientHeight()}; }
    // Where a click flips the panel with fkButton.
    TRect ButtonRect() const;
    // The pointer lies on the header now.
    bool IsMouseInHeader() const;
    void RefreshBody();
    void RepaintHeader();
    // Scales the heights by multiplier / divider (truncating): the full and header heights, the height and
    // the top margin.
    void ChangeScale(int multiplier, int divider);

    TNotifyEvent OnChange;

    void Dispatch(TMessage& message) override;

protected:
    void AdjustClientRect(TRect& rect) const override;
    void Paint() override;
    virtual void PaintBackground();
    virtual void PaintHeader();
    virtual void PaintBorder(TCanvas& frame);
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void DoChange();

private:
    template <typename T> void StoreRepaint(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            Invalidate();
    }
    template <typename T> void StoreHeader(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            RepaintHeader();
    }
    bool Themed() const;
    int ButtonX() const;
    void UpdateParentHeight(int delta);
    void CollapseSiblings();
    void HeaderFontChanged();
    void CopyFontToHeaderFont();
    void DialogChar(TMessage& message);
    void DrawToggleButton(int x, int y);
    void DrawToggleTriangle(int x, int y);
    void DrawCaptions(int textX);
    TColor BaseColor() const;

    bool FAdaptiveColors = true;
    bool FAllowFlip = true;
    bool FAutoCollapse = false;
    TColor FBackgroundColor = clBtnFace;
    TFlipBackgroundStyle FBackgroundStyle = FlipPanel::bsSolid;
    TColor FBorderColor = 0x000000;
    std::string FCaptionCollapsed;
    TColorScheme FColorScheme = csDefault;
    TDirection FDrawDirection = diLeftToRight;
    bool FExpanded = true;
    TFlipKind FFlipKind = FlipPanel::fkHeaderAndButton;
    TColor FHeaderColor = 0xC0C0C0;
    TColor FHeaderColorTo = 0x808080;
    TColor FHeaderHotColor = 0xB2B2B2;
    TColor FHeaderHotColorTo = 0x9E9E9E;
    bool FHeaderHotTrack = false;
    TColor FHeaderHotBorderColor = 0x808080;
    int FHeaderHotBorderSize = 1;
    int FHeaderTopGradientSize = 4;
    int FCaptionDeltaX = 0;
    int FCaptionDeltaY = 0;
    bool FToggleTriangle = true;
    TColor FToggleTriangleColor = 0x444444;
    TColor FToggleTriangleHotColor = 0xC67200;
    int FCollapsedDeltaX = 0;
    int FCollapsedDeltaY = 0;
    int FExpandedDeltaX = 0;
    int FExpandedDeltaY = 0;
    int FToggleTriangleSize = 9;
    int FHeaderHeight = 18;
    THeaderStyle FHeaderStyle = FlipPanel::hsSolid;
    TColor FHeaderExpandedBottomLineColor = clNone;
    int FIndent = 4;
    bool FParentHeaderFont = true;
    bool FShowButtons = true;
    bool FShowGlyph = true;
    bool FTransparentButtons = false;
    bool FTransparentGlyph = false;
    std::string FRightCaption;
    bool FRightCaptionVisible = true;
    TEllipsisPosition FRightCaptionEllipsis = epEndEllipsis;
    int FFullHeight = 0;

    std::unique_ptr<TFont> FHeaderFont;
    std::unique_ptr<TFont> FRightCaptionFont;
    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TBitmap> FExpandGlyph;
    std::unique_ptr<TBitmap> FCollapseGlyph;
    std::unique_ptr<TGxMargins> FInnerMargins;

    bool FExpanding = false;          // an expand or collapse runs
    bool FMouseInControl = false;     // the pointer is over the panel
    bool FMouseInHeader = false;      // ... and over its header
    bool FHotPainted = false;         // the last header paint used the hot colours
    bool FHeaderFontUpdating = false; // HeaderFont is being copied from Font
};
