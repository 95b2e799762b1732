#pragma once

#include "controls/pack/common_types.h"
#include "platform/gui/graphics/graphics.h"

#include <cstdint>
#include <memory>
#include <string>

// The style objects of the HTML-like label: link styles, rules, headings, internal margins, list bullets,
// the border, and subscript and superscript tuning. Every setter that changes a value calls OnChange (the
// label rebuilds and repaints); a heading's font and the border's pen report their own changes the same
// way.

class TVHParams : public TPersistent
{
public:
    TNotifyEvent OnChange;

protected:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }
    template <typename T> void Store(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            Changed();
    }
};

enum TVHKindStyleLinkProp
{
    tslpNormal,
    tslpHover
};

// How a link looks: its font colour and background (clNone: the word's own) and an underline.
class TVHStyleLinkProp : public TVHParams
{
public:
    explicit TVHStyleLinkProp(TVHKindStyleLinkProp kind);

    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor value) { Store(FFontColor, value); }
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value) { Store(FBackColor, value); }
    bool Underline() const { return FUnderline; }
    void SetUnderline(bool value) { Store(FUnderline, value); }
    // From another link style; anything else is refused.
    void Assign(const TPersistent* source) override;

private:
    TColor FFontColor;
    TColor FBackColor = clNone;
    bool FUnderline = false;
};

class TVHTagHRParams : public TVHParams
{
public:
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value) { Store(FStyle, value); }
    // How many one-pixel lines make the rule.
    int LineHeight() const { return FLineHeight; }
    void SetLineHeight(int value) { Store(FLineHeight, value); }
    void Assign(const TPersistent* source) override;

private:
    TPenStyle FStyle = psSolid;
    int FLineHeight = 1;
};

class TVHTagHeaderParams : public TVHParams
{
public:
    TVHTagHeaderParams(const std::string& fontName, int fontSize);

    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);
    // The heading's background unless Transparent.
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { Store(FBackgroundColor, value); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { Store(FAlignment, value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { Store(FTransparent, value); }
    void Assign(const TPersistent* source) override;

private:
    std::unique_ptr<TFont> FFont;
    TColor FBackgroundColor = clBtnFace;
    TAlignment FAlignment = taLeftJustify;
    bool FTransparent = true;
};

class TVHTagH1Params : public TVHTagHeaderParams
{
public:
    TVHTagH1Params() : TVHTagHeaderParams("Arial", 18) {}
};
class TVHTagH2Params : public TVHTagHeaderParams
{
public:
    TVHTagH2Params() : TVHTagHeaderParams("Arial", 15) {}
};
class TVHTagH3Params : public TVHTagHeaderParams
{
public:
    TVHTagH3Params() : TVHTagHeaderParams("Arial", 12) {}
};

// Left and right margins of the text area, in force while Enabled.
class TVHInternalMargins : public TVHParams
{
public:
    int Left() const { return FLeft; }
    void SetLeft(int value) { Store(FLeft, value); }
    int Right() const { return FRight; }
    void SetRight(int value) { Store(FRight, value); }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { Store(FEnabled, value); }
    void Assign(const TPersistent* source) override;

private:
    int FLeft = 8;
    int FRight = 8;
    bool FEnabled = false;
};

enum TVHBulletType
{
    btLongDash,
    btDash,
    btBullet,
    btCircle,
    btCustomString
};

// A list level: the items' left edge, the bullet and the gap between bullet and item.
class TVHTagLIParams : public TVHParams
{
public:
    TVHTagLIParams(int margin, TVHBulletType bulletType) : FMargin(margin), FBulletType(bulletType) {}

    int Margin() const { return FMargin; }
    void SetMargin(int value) { Store(FMargin, value); }
    TVHBulletType BulletType() const { return FBulletType; }
    void SetBulletType(TVHBulletType value) { Store(FBulletType, value); }
    // Tells OnChange only while the bullet is the custom string.
    const std::string& CustomString() const { return FCustomString; }
    void SetCustomString(const std::string& value);
    uint8_t Spacing() const { return FSpacing; }
    void SetSpacing(uint8_t value) { Store(FSpacing, value); }
    // The text the bullet type shows.
    std::string Bullet() const;
    void Assign(const TPersistent* source) override;

private:
    int FMargin;
    TVHBulletType FBulletType;
    std::string FCustomString;
    uint8_t FSpacing = 5;
};

class TVHTagLI1Params : public TVHTagLIParams
{
public:
    TVHTagLI1Params() : TVHTagLIParams(20, btBullet) {}
};
class TVHTagLI2Params : public TVHTagLIParams
{
public:
    TVHTagLI2Params() : TVHTagLIParams(35, btDash) {}
};

// A frame of Pen.Width one-pixel rectangles around the label while Visible.
class TVHBorder : public TVHParams
{
public:
    TVHBorder();

    TPen* Pen() const { return FPen.get(); }
    void SetPen(const TPen* value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Store(FVisible, value); }
    void Assign(const TPersistent* source) override;

private:
    std::unique_ptr<TPen> FPen;
    bool FVisible = false;
};

// Moves a subscript or superscript (PosYDelta) and changes its size (FontSizeDelta).
class TVHTagScriptParams : public TVHParams
{
public:
    int8_t PosYDelta() const { return FPosYDelta; }
    void SetPosYDelta(int8_t value) { Store(FPosYDelta, value); }
    int8_t FontSizeDelta() const { return FFontSizeDelta; }
    void SetFontSizeDelta(int8_t value) { Store(FFontSizeDelta, value); }
    void Assign(const TPersistent* source) override;

private:
    int8_t FPosYDelta = 0;
    int8_t FFontSizeDelta = 0;
};

class TVHTagSubParams : public TVHTagScriptParams
{
};
class TVHTagSupParams : public TVHTagScriptParams
{
};
