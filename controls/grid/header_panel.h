#pragma once

#include "controls/grid/collection_control.h"
#include "controls/grid/color_schemes.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/picture.h"

#include <functional>
#include <memory>
#include <string>

// A container with a header bar (caption, optional glyph, optional collapse button, one of five looks) over
// a body that holds child controls and shows a plain colour, a gradient or a stretched picture. It folds
// sideways to a narrow strip (CollapseWidth) and opens again to the width it had (FullWidth, which the
// window's layout sets for every panel).

enum TGxHeaderStyle
{
    psFlat,
    psNormal,
    psSectionHeader,
    psVista,
    psWindowsLive
};

enum TGxPanelStyle
{
    ptDefault,
    ptGradient,
    ptInverseGradient
};

// In a namespace of its own because the image lists' drawing styles take the name dsNormal too.
namespace PanelDisplay {
enum TDisplayStyle
{
    dsNormal,     // header and body
    dsHeaderOnly, // the panel is as high as its header
    dsPanelOnly   // body only
};
} // namespace PanelDisplay
using PanelDisplay::TDisplayStyle;

enum TDirection
{
    diLeftToRight,
    diRightToLeft
};

enum THeaderOption
{
    hoClickOnBodyExpand,
    hoColorSchemeFont,
    hoCollapseButton
};
using THeaderOptions = TSet<THeaderOption>;

// Asked before the collapse button folds or opens the panel; Accept false keeps it as it is.
using TCollapseEvent = std::function<void(TObject* sender, bool& accept)>;

// The collapse button's hover and pressed looks.
enum THeaderButtonStateFlag
{
    hbHover,
    hbPressed
};
using THeaderButtonState = TSet<THeaderButtonStateFlag>;

// Draws the bitmap resource of the program named name at a point, with transparentColor showing through.
void DrawResourceBitmap(TCanvas& canvas, const std::string& name, TColor transparentColor, TPoint at);

class TGxHeaderPanel : public TGxCollectionControl
{
public:
    explicit TGxHeaderPanel(TComponent* owner);
    ~TGxHeaderPanel() override;

    bool AdaptiveColors() const { return adaptiveColors_; }
    // With adaptive colours the border and several header colours come from the colour scheme.
    void SetAdaptiveColors(bool value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    int CollapseWidth() const { return collapseWidth_; }
    void SetCollapseWidth(int value) { collapseWidth_ = value; }
    TColorScheme ColorScheme() const { return colorScheme_; }
    void SetColorScheme(TColorScheme value);
    TDisplayStyle DisplayStyle() const { return displayStyle_; }
    void SetDisplayStyle(TDisplayStyle value);
    TDirection DrawDirection() const { return drawDirection_; }
    void SetDrawDirection(TDirection value);
    bool Expanded() const { return expanded_; }
    // Folds to CollapseWidth (remembering the width as FullWidth) or opens to FullWidth.
    void SetExpanded(bool value);
    // The width an expanded panel takes; the window's layout sets it.
    int FullWidth() const { return fullWidth_; }
    void SetFullWidth(int value) { fullWidth_ = value; }
    TBitmap* Glyph() const { return glyph_.get(); }
    // Copied; its bottom-left pixel becomes its see-through colour.
    void SetGlyph(const TBitmap* value);
    TColor HeaderColor() const { return headerColor_; }
    void SetHeaderColor(TColor value);
    TColor HeaderColorTo() const { return headerColorTo_; }
    void SetHeaderColorTo(TColor value);
    TFont* HeaderFont() const { return headerFont_.get(); }
    void SetHeaderFont(const TFont* value) { headerFont_->Assign(value); }
    TColor HeaderLineColor() const { return headerLineColor_; }
    void SetHeaderLineColor(TColor value);
    int HeaderSize() const { return headerSize_; }
    void SetHeaderSize(int value);
    TGxHeaderStyle HeaderStyle() const { return headerStyle_; }
    void SetHeaderStyle(TGxHeaderStyle value);
    int Indent() const { return indent_; }
    void SetIndent(int value);
    TGxMargins* InnerMargins() const { return innerMargins_.get(); }
    void SetInnerMargins(const TGxMargins* value) { innerMargins_->Assign(value); }
    THeaderOptions Options() const { return options_; }
    void SetOptions(THeaderOptions value);
    TGxPanelStyle PanelStyle() const { return panelStyle_; }
    void SetPanelStyle(TGxPanelStyle value);
    bool ParentHeaderFont() const { return parentHeaderFont_; }
    // True copies Font into the header font.
    void SetParentHeaderFont(bool value);
    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(const TPicture* value) { picture_->Assign(value); }

    // The collapse button, 18 x 18, at the header's right end (its left end for a collapsed panel drawn
    // right to left).
    TRect GetButtonRect() const;
    TRect GlyphRect() const;
    TRect HeaderRect() const { return {0, 0, ClientWidth(), headerSize_}; }
    TRect BodyRect() const { return {0, headerSize_, ClientWidth(), ClientHeight()}; }

    TNotifyEvent OnChange;
    TCollapseEvent OnCollapse;
    TCollapseEvent OnExpand;
    TNotifyEvent OnGlyphClick;
    TNotifyEvent OnHeaderClick;

protected:
    virtual void DoCollapse(bool& accept);
    virtual void DoExpand(bool& accept);
    virtual void DoGlyphClick();
    virtual void DoHeaderClick();
    virtual void DrawCollapseButton(TCanvas& canvas);
    virtual void DrawButtonBackground(TCanvas& canvas);
    virtual void DrawFlatHeader(TCanvas& canvas, const TRect& r);
    virtual void DrawNormalHeader(TCanvas& canvas, const TRect& r);
    virtual void DrawSectionHeader(TCanvas& canvas, const TRect& r);
    virtual void DrawVistaHeader(TCanvas& canvas, const TRect& r);
    virtual void DrawWindowsLiveHeader(TCanvas& canvas, const TRect& r);
    virtual void DrawBorder();

    void AdjustClientRect(TRect& rect) const override;
    void Paint() override;
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void SetButtonState(THeaderButtonState value);
    void SetLook(auto& field, auto value);
    void PaintBody(TCanvas& canvas);
    void PaintBackground(TCanvas& canvas, const TRect& rect);
    void PaintHeaderText(TCanvas& canvas);
    void Resized();
    void ApplyHeightRule();
    void FollowFont();
    void GlyphChanged();

    bool adaptiveColors_ = true;
    TColor borderColor_ = clBlack;
    THeaderButtonState buttonState_;
    int collapseWidth_ = 33;
    TColorScheme colorScheme_ = csDefault;
    TDisplayStyle displayStyle_ = PanelDisplay::dsNormal;
    TDirection drawDirection_ = diLeftToRight;
    bool expanded_ = true;
    bool expanding_ = false; // Expanded is changing the width
    int fullWidth_ = 245;    // the width of the expanded panel
    int lastWidth_ = 0;      // the width the last resize saw
    std::unique_ptr<TBitmap> glyph_;
    bool glyphChanging_ = false; // the glyph's change handler is at work
    TColor headerColor_ = clActiveCaption;
    std::unique_ptr<TFont> headerFont_;
    bool headerFontFollowing_ = false; // the header font is being set from Font
    bool headerMouseDown_ = false;     // a press began in the header
    int headerSize_ = 27;
    TGxHeaderStyle headerStyle_ = psNormal;
    int indent_ = 9;
    std::unique_ptr<TGxMargins> innerMargins_;
    THeaderOptions options_ = hoColorSchemeFont;
    TGxPanelStyle panelStyle_ = ptDefault;
    bool parentHeaderFont_ = true;
    std::unique_ptr<TPicture> picture_;
    TColor headerLineColor_ = clGray;
    TColor headerColorTo_ = clNone;
};
