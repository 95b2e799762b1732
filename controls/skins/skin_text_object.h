#pragma once

#include "controls/skins/skin_custom_control.h"
#include "controls/skins/skin_item_events.h"
#include "controls/skins/skin_paint_stage.h"
#include "controls/skins/skin_text_output.h"

#include <functional>
#include <memory>
#include <string>

class TBitmap;
class TChangeLink;
class TCustomImageList;
struct THintInfo;

// A handler may hand another image list and index to draw.
using TQvGetImageIndexEvent =
    std::function<void(TObject* sender, TCustomImageList*& imageList, int& imageIndex)>;

// The skinned caption control: a caption with an optional image from an image list, painted through the
// current skin, with owner-draw events around its background and caption, a web or mail address opened on
// click, and a hint painted into a bitmap. It follows the mouse (hot) and the left button or space bar
// (pushed), sizes itself to its caption, and repaints when the skin changes. It never takes the focus.
class TQvTextObject : public TQvCustomControl
{
public:
    explicit TQvTextObject(TComponent* owner);
    ~TQvTextObject() override;

    // --- looks ---
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TQvGlowDirection CaptionGlow() const { return FCaptionGlow; }
    void SetCaptionGlow(TQvGlowDirection value);
    TColor CaptionGlowColor() const { return FCaptionGlowColor; }
    void SetCaptionGlowColor(TColor value);
    bool Checked() const { return GetChecked(); }
    virtual void SetChecked(bool value);
    // The disabled image is drawn as the shadow of its shape rather than the list's grey look.
    bool DisabledIconCorrection() const { return FDisabledIconCorrection; }
    void SetDisabledIconCorrection(bool value);
    // The caption moves a pixel down and right while pushed.
    bool DrawPushedCaption() const { return FDrawPushedCaption; }
    void SetDrawPushedCaption(bool value);
    TQvGlyphLayout GlyphLayout() const { return FGlyphLayout; }
    void SetGlyphLayout(TQvGlyphLayout value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // "&" marks the accelerator.
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TTextWrapping Wrapping() const { return FWrapping; }
    void SetWrapping(TTextWrapping value);

    // --- behaviour ---
    // A web or mail address opened when the control is clicked; it shows the hand and a link font while hot.
    const std::string& LinkText() const { return FLinkText; }
    void SetLinkText(const std::string& value) { FLinkText = value; }
    // Kept for callers that set it; an address takes no parameters.
    const std::string& LinkTextParams() const { return FLinkTextParams; }
    void SetLinkTextParams(const std::string& value) { FLinkTextParams = value; }
    bool SpaceAsClick() const { return FSpaceAsClick; }
    void SetSpaceAsClick(bool value) { FSpaceAsClick = value; }
    bool MouseInControl() const { return FMouseInControl; }
    bool Pushed() const { return GetPushed(); }

    // --- layout ---
    // Where the caption and the image go in the client area without its margins, and their union (grown by
    // the control's Margins when AutoSize).
    void GetSize(TRect& totalR, TRect& textR, TRect& glyphR);
    // The size of the image to draw, (0, 0) without one.
    TPoint GetGlyphSize();
    // The DrawText flags of the caption: wrapping, alignment, accelerator marks, reading order.
    unsigned GetTextFlags();
    // An image list and an index inside it are there to draw.
    bool HasImage();

    bool CanFocus() const override { return false; }
    void Click() override;
    TAlignment GetControlsAlignment() const override { return FAlignment; }
    void Dispatch(TMessage& message) override;

    TQvDrawEvent OnDraw;
    TQvDrawTextEvent OnDrawCaption;
    TQvDrawHintEvent OnDrawHint;
    TQvGetImageIndexEvent OnGetImageIndex;

protected:
    // The font the caption is drawn in: a link's blue underlined font while hot.
    virtual void AdjustFont(TFont& font);
    virtual void DoDrawHint(TBitmap* hintBitmap, std::string& hint, bool& paintDefault);
    // Fires OnDraw; answers whether the default painting goes on.
    virtual bool DrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage);
    virtual int DrawCaption(TCanvas& canvas, TRect& rect, unsigned captionFormat);
    virtual void DoGetImageIndex(TCustomImageList*& imageList, int& imageIndex);
    virtual void DrawGlyph(TCanvas& canvas, const TRect& rect);
    virtual void GetFocusRect(TRect& focusR, const TRect& clientR, const TRect& textR, const TRect& glyphR);
    virtual TRect GetTextMargins() { return {}; }
    virtual bool CaptionOnGlass() { return false; }
    virtual void CalcAutoSize(int& newWidth, int& newHeight);
    virtual bool ShowsFocus() { return Focused(); }
    virtual bool GetPushed() const { return FPushed && FMouseInControl; }
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();
    virtual void ExecuteLink();
    virtual bool GetChecked() const { return FChecked; }

    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    void ActionChange(TBasicAction* sender, bool checkDefaults) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

    // Sizes the control to its caption when AutoSize.
    void AdjustBounds();
    // With forceLeave the hot look goes whatever the pointer does; otherwise the hot look follows the
    // pointer.
    void UpdateMouseInControl(bool forceLeave);
    // Alignment mirrored for right-to-left reading.
    TAlignment RealAlignment() const;

    bool FMouseInControl = false; // the mouse is over the control
    bool FPushed = false;         // left button or space held on the control

private:
    void ImagesChanged(TObject* sender);
    bool AutoSizeAllowed() const;
    void MouseEnterMessage(TMessage& message);
    void MouseLeaveMessage(TMessage& message);
    void EnabledChangedMessage(TMessage& message);
    void SetCursorMessage(TMessage& message);
    void EraseBackgroundMessage(TMessage& message);
    void HintShowMessage(THintInfo& hintInfo);
    void DrawCaptionText(TCanvas& canvas, const std::string& text, unsigned captionFormat, TRect& textR,
                         TRect& glyphR);

    TAlignment FAlignment = taLeftJustify;
    TQvGlowDirection FCaptionGlow = gldNone;
    TColor FCaptionGlowColor = 0x0000FFFF;
    TQvTextRotationAngle FCaptionRoatationAngle = tra0; // passed to layout and text drawing as it is
    bool FChecked = false;
    bool FDisabledIconCorrection = true;
    bool FDrawPushedCaption = false;
    TQvGlyphLayout FGlyphLayout = ghlGlyphLeft;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TChangeLink> FImageChangeLink;
    int FImageIndex = -1;
    std::string FLinkText;
    std::string FLinkTextParams;
    bool FSpaceAsClick = false;
    bool FShowAccelChar = true;
    bool FUpdating = false; // guards AdjustBounds and CanAutoSize against themselves
    TTextWrapping FWrapping = twNone;
};
