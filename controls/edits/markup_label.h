#pragma once

#include "controls/edits/markup_renderer.h"
#include "platform/gui/core/strings.h"
#include "platform/gui/standard/stdctrls_labels.h"

#include <functional>
#include <memory>
#include <string>

// A windowless label that shows the markup in HTMLText (markup_text.h): bold, coloured and underlined runs,
// backgrounds, lists, pictures and links that react to the mouse. It can size itself to its text, place the
// text at the top, middle or bottom, and draw bevels, a border, a solid or gradient background and a
// gradient line. A click on a web or mail link opens it; other links only tell the program.

enum TAutoSizeType
{
    asVertical,
    asHorizontal,
    asBoth
};

enum TVAlignment
{
    tvaTop,
    tvaCenter,
    tvaBottom
};

enum TGradientType
{
    gtFullHorizontal,
    gtFullVertical,
    gtBottomLine,
    gtCenterLine,
    gtTopLine
};

using TAnchorClick = std::function<void(TObject* sender, const std::string& anchor)>;
using TAnchorHintEvent = std::function<void(TObject* sender, std::string& anchor)>;
using TNewSizeEvent = std::function<void(TObject* sender, int newWidth, int newHeight)>;

class TMarkupLabel : public TCustomLabel
{
public:
    explicit TMarkupLabel(TComponent* owner);
    ~TMarkupLabel() override;

    // The markup, a line a string; the lines are joined to one markup (JoinedMarkup).
    TStringList* HTMLText() const { return htmlText_.get(); }
    // Takes the list's text, its line breaks left out, as the one line of the markup.
    void SetHTMLText(const TStrings* lines);

    bool AnchorHint() const { return anchorHint_; }
    void SetAnchorHint(bool value) { anchorHint_ = value; }
    bool AutoSizing() const { return autoSizing_; }
    void SetAutoSizing(bool value);
    TAutoSizeType AutoSizeType() const { return autoSizeType_; }
    void SetAutoSizeType(TAutoSizeType value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor value);
    // True: no word wrap; each run is cut with an end ellipsis.
    bool Ellipsis() const { return ellipsis_; }
    void SetEllipsis(bool value);
    TGradientType GradientType() const { return gradientType_; }
    void SetGradientType(TGradientType value);
    bool HintShowFull() const { return hintShowFull_; }
    void SetHintShowFull(bool value) { hintShowFull_ = value; }
    // Links are decorated only while hovered, and hovering repaints them.
    bool Hover() const { return hover_; }
    void SetHover(bool value) { hover_ = value; }
    TColor HoverColor() const { return hoverColor_; }
    void SetHoverColor(TColor value) { hoverColor_ = value; }
    TColor HoverFontColor() const { return hoverFontColor_; }
    void SetHoverFontColor(TColor value) { hoverFontColor_ = value; }
    bool HTMLHint() const { return htmlHint_; }
    void SetHTMLHint(bool value) { htmlHint_ = value; }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* value);
    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int value);
    int LineSpacing() const { return lineSpacing_; }
    void SetLineSpacing(int value);
    TPictureContainer* PictureContainer() const { return pictureContainer_; }
    void SetPictureContainer(TPictureContainer* value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value);
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int value);
    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor value);
    TVAlignment VAlignment() const { return vAlignment_; }
    void SetVAlignment(TVAlignment value);
    // "1.9.4.0"; writing it changes nothing.
    std::string Version() const;
    void SetVersion(const std::string&) {}
    virtual uint32_t GetVersionNr() const { return 0x01090400; }

    // The plain text of the markup.
    std::string PlainText() const;
    THTMLPictureCache* ImageCache() const { return imageCache_.get(); }
    // The markup laid out at (0, 0) in 4096 x 4096 pixels in the label's font: its width and height.
    TSize HTMLSize();
    // The lines of HTMLText as one markup: a line is added directly where the text so far ends with ">" and
    // the line starts with "<", else after a blank.
    virtual std::string JoinedMarkup() const;
    // The target of the link at a client point (empty for none), or its title when wantTitle and it has
    // one; linkRect gets the link's rectangle. Remembers the link as hovered.
    std::string AnchorAt(int x, int y, bool wantTitle = false, TRect* linkRect = nullptr);
    // Repaints a client rectangle of the label; (-1, -1, -1, -1) is the whole label.
    void InvalidateArea(const TRect& rect);

    TAnchorClick OnAnchorClick;
    TAnchorClick OnAnchorEnter;
    TAnchorClick OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;
    TNewSizeEvent OnNewSize;

    void Dispatch(TMessage& message) override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    void Resize() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    virtual void AnchorClick(const std::string& anchor);
    // The markup changed: the label sizes itself again when it does, and repaints.
    virtual void MarkupChanged();
    // Lays out (and unless hitTest draws) markup into rect; keeps the layout's width and height.
    virtual TMarkupRenderResult DrawMarkup(TCanvas& canvas, const std::string& markup, const TRect& rect,
                                           TPoint mouse, bool hitTest);

private:
    void HTMLTextChanged(TObject* sender);
    void Changed(bool resize = false);
    // The client rectangle less the frames the label draws: where the text goes.
    TRect TextArea() const;
    bool SizesVertically() const;
    bool SizesHorizontally() const;
    // Sets the size the laid-out text wants (auto-sizing); fires OnNewSize when it changes.
    void SizeToText();
    // The top of the text for the vertical alignment, given the text's height.
    int AlignedTop(const TRect& area, int textHeight) const;
    void PaintBackground(TCanvas& canvas, const TRect& client);
    void PaintFrames(TCanvas& canvas, const TRect& client);
    TCanvas& MeasureCanvas();
    void HintShow(TMessage& message);
    void DialogChar(TMessage& message);
    void MouseLeft();

    std::unique_ptr<TStringList> htmlText_;
    std::unique_ptr<THTMLPictureCache> imageCache_;
    std::unique_ptr<TChangeLink> imagesLink_;
    std::unique_ptr<TBitmap> measureBitmap_; // a canvas to measure on outside painting
    bool anchorHint_ = false;
    bool autoSizing_ = false;
    TAutoSizeType autoSizeType_ = asVertical;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    TColor borderColor_ = clBlack;
    TColor colorTo_ = clNone;
    bool ellipsis_ = false;
    TGradientType gradientType_ = gtFullHorizontal;
    bool hintShowFull_ = false;
    bool hover_ = false;
    TColor hoverColor_ = clNone;
    TColor hoverFontColor_ = clNone;
    bool htmlHint_ = false;
    TCustomImageList* images_ = nullptr;
    int lineWidth_ = 2;
    int lineSpacing_ = 0;
    TPictureContainer* pictureContainer_ = nullptr;
    TColor shadowColor_ = clGray;
    int shadowOffset_ = 2;
    TColor urlColor_ = clBlue;
    TVAlignment vAlignment_ = tvaTop;
    TSize layoutSize_;       // of the last layout
    std::string lastAnchor_; // the last link text seen under the mouse
    TRect hoverRect_{-1, -1, -1, -1};
    int hoverLink_ = -1; // the number of the link under the mouse
    int previousHoverLink_ = -1;
    bool sizing_ = false; // SizeToText is setting the size
};
