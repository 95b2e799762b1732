#pragma once

#include "controls/pack/button_appearance.h"
#include "controls/pack/control_parts.h"
#include "controls/pack/png_routines.h"
#include "platform/gui/standard/bit_button.h"
#include "platform/gui/standard/bit_button_style_hook.h"

#include <memory>

// The push button of every window: a bitmap button with a PNG glyph and per-state looks. With
// Appearance.DefaultDrawing off it paints its state set's fill, gradients, border, focus rectangle, glyph
// and caption; with it on, the platform's button face under glyph and caption. Under a custom style its
// style hook paints it. OnMouseEnter and OnMouseLeave fire on every enter and leave.

enum TKvpPngButtonColorMapType : int;
struct TKvpPngButtonColorMap;

class TKvpPngButton : public TBitBtn, public TKvpControlParts
{
public:
    explicit TKvpPngButton(TComponent* owner);
    ~TKvpPngButton() override;

    TPngImage* PngImage() const { return FPngImage.get(); }
    // Copies the image (nullptr empties it); colour, palette and colour-with-alpha images lose their gamma
    // chunk. The glyph is the button's own afterwards.
    void SetPngImage(const TPngImage* value);
    // How the default drawing and the style hook show a disabled glyph.
    TPngOptions PngOptions() const { return FPngOptions; }
    void SetPngOptions(TPngOptions value);
    TKvpButtonAppearance* Appearance() const { return FAppearance.get(); }
    // Copies the looks of another appearance.
    void SetAppearance(const TKvpButtonAppearance* value) { FAppearance->Assign(value); }
    // The last colour map chosen; a predefined one is applied again on every call.
    TKvpPngButtonColorMapType ColorMapType() const { return FColorMapType; }
    void SetColorMapType(TKvpPngButtonColorMapType value);
    // Writes the 37 colours of the map into the appearance.
    void ApplyColorMap(const TKvpPngButtonColorMap& colorMap);
    // The glyph came from the action's image list (and an action change may replace it).
    bool ImageFromAction() const { return FImageFromAction; }

    void SetBounds(int left, int top, int width, int height) override;
    void Dispatch(TMessage& message) override;

protected:
    void SetButtonStyle(bool isDefault) override;
    void ActionChange(TBasicAction* sender, bool checkDefaults) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TKvpPngButtonStyleHook;
    void DrawCustom(const TDrawItemStruct& item);
    void DrawDefault(const TDrawItemStruct& item);
    void DrawDefaultFace(TCanvas& canvas, const TDrawItemStruct& item, TRect& content);
    // The glyph in the look of the default drawing: with PngOptions when disabled.
    void DrawGlyphWithOptions(TCanvas& canvas, TPoint at) const;
    void MouseEnterLeave(bool enter);

    bool bOver = false; // the pointer is over the button: the hot state of custom drawing
    std::unique_ptr<TPngImage> FPngImage;
    TPngOptions FPngOptions = pngBlendOnDisabled;
    std::unique_ptr<TCanvas> FCanvas; // the default drawing's canvas
    bool FImageFromAction = false;
    bool FMouseInControl = false; // the hot look of the default drawing, kept only with visual styles
    bool IsFocused = false;       // the button is the window's active button
    std::unique_ptr<TKvpButtonAppearance> FAppearance;
    TKvpPngButtonColorMapType FColorMapType;
};

// Sets the font name and size on the button's font and on the fonts of its five states; the states keep
// their colours.
void SetPngButtonFonts(TKvpPngButton& button, const std::string& fontName, int fontSize);

// The PNG button under a custom style: the style's push-button element with the glyph and the caption.
class TKvpPngButtonStyleHook : public TBitBtnStyleHook
{
public:
    using TBitBtnStyleHook::TBitBtnStyleHook;

protected:
    void DrawButton(TCanvas& canvas, bool mouseInControl) override;
};
