#pragma once

#include "platform/gui/standard/stdctrls_buttons.h"

#include <memory>

// A push button with a glyph beside its caption. It draws itself through CN_DRAWITEM, so a descendant that
// answers CN_DRAWITEM paints the whole button from the item state (pressed, focused, disabled).

class TBitmap;

enum TBitBtnKind
{
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

enum TButtonLayout
{
    blGlyphLeft,
    blGlyphRight,
    blGlyphTop,
    blGlyphBottom
};

enum TButtonStyle
{
    bsAutoDetect,
    bsWin31,
    bsNew
};

using TNumGlyphs = int;

class TBitBtn : public TCustomButton
{
public:
    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;

    TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap* glyph);
    // The glyph bitmap holds this many images side by side: normal, disabled, pressed, down.
    TNumGlyphs NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(TNumGlyphs value);
    // A standard kind gives the button its caption and modal result.
    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    // Pixels between the edge and the glyph; -1 centres glyph and caption together.
    int Margin() const { return margin_; }
    void SetMargin(int value);
    // Pixels between glyph and caption.
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    TButtonStyle Style() const { return style_; }
    void SetStyle(TButtonStyle value) { style_ = value; }

    void Dispatch(TMessage& message) override;

    // Where the glyph (its top-left corner) and the caption go inside face, with the canvas's font.
    struct TGlyphAndCaption
    {
        TPoint glyph;
        TRect caption;
    };
    TGlyphAndCaption LayoutGlyphAndCaption(TCanvas& canvas, const TRect& face) const;
    // The glyph's image for the state (the disabled one when the bitmap holds it) with its top-left at at.
    void DrawGlyph(TCanvas& canvas, TPoint at, bool enabled) const;

protected:
    bool OwnerDrawn() const override { return true; }
    // The default drawing of an item: the button face, the glyph and the caption.
    void DrawItem(const TDrawItemStruct& item);

private:
    void Changed();
    std::unique_ptr<TBitmap> glyph_;
    TNumGlyphs numGlyphs_ = 1;
    TBitBtnKind kind_ = bkCustom;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    TButtonStyle style_ = bsAutoDetect;
};
