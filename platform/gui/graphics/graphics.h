#pragma once

#include "platform/gui/core/classes.h"
#include "support/basic_types.h"
#include "support/system_colors.h"

#include <string>

// The drawing tools a canvas holds: font, pen and brush. Each reports its changes through OnChange.

class TGraphicsObject : public TPersistent
{
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
};

enum TFontStyle
{
    fsBold,
    fsItalic,
    fsUnderline,
    fsStrikeOut
};
using TFontStyles = TSet<TFontStyle>;

enum TFontPitch
{
    fpDefault,
    fpVariable,
    fpFixed
};

// Sizes are at 96 logical dots per inch: Size (points) = -Height * 72 / 96, rounded half away from zero. A
// negative Height is the character height in pixels, a positive one the cell height (with internal leading).
// Name is kept as given; drawing uses ResolveFontFamily(Name) so that faces this system lacks fall back.
class TFont : public TGraphicsObject
{
public:
    TFont();

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int size);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);
    // Angle of the text's base line in tenths of degrees, counter-clockwise (900: bottom to top).
    int Orientation() const { return orientation_; }
    void SetOrientation(int orientation);
    int PixelsPerInch() const { return 96; }

    void Assign(const TPersistent* source) override;
    bool SameAs(const TFont& other) const;

private:
    std::string name_;
    int height_ = -11;
    TFontStyles style_;
    TColor color_ = clWindowText;
    TFontPitch pitch_ = fpDefault;
    int orientation_ = 0;
};

enum TPenStyle
{
    psSolid,
    psDash,
    psDot,
    psDashDot,
    psDashDotDot,
    psClear,
    psInsideFrame,
    psUserStyle,
    psAlternate
};

// The binary raster operation a pen draws with (pmCopy draws the pen colour).
enum TPenMode
{
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

class TPen : public TGraphicsObject
{
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);
    void Assign(const TPersistent* source) override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

enum TBrushStyle
{
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

class TBitmap;

class TBrush : public TGraphicsObject
{
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);
    // A pattern brush tiles this bitmap (not owned; nullptr for none) and ignores Style.
    TBitmap* Bitmap() const { return bitmap_; }
    void SetBitmap(TBitmap* bitmap);
    void Assign(const TPersistent* source) override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    TBitmap* bitmap_ = nullptr;
};

// The class library's integer scaling: a * b / c rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);
