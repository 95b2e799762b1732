#pragma once

#include "controls/grid/column_types.h"

#include <memory>
#include <string>

class TBitmap;
class TFont;

// A column's header and footer settings. Changes that only alter the look of part of the column repaint
// that part; the others call OnChange, which the owning column answers with a ccUndefined report.
class TColumnPart : public TPersistent
{
public:
    TColumnPart(TGxCustomColumn* column, TColor color);
    ~TColumnPart() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TDisplayMode DisplayMode() const { return FDisplayMode; }
    void SetDisplayMode(TDisplayMode value);
    TDrawingOptions DrawingOptions() const { return FDrawingOptions; }
    void SetDrawingOptions(TDrawingOptions value);
    // Beside or instead of the caption; its bottom-left pixel is its transparent colour.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    TObject* ObjectReference() const { return FObjectReference; }
    void SetObjectReference(TObject* value) { FObjectReference = value; }
    TGxCustomColumn* Column() const { return FColumn; }

    // A part given another part copies its caption, colour, display mode and glyph, without reports.
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

protected:
    void Changed();
    void RefreshColumn(TGridArea area);
    template <typename T, typename V> void SetAndChange(T& field, const V& value)
    {
        field = value;
        Changed();
    }
    template <typename T, typename V> void SetAndRefresh(T& field, const V& value, TGridArea area)
    {
        field = value;
        RefreshColumn(area);
    }
    // Copies without reporting; the column reports the whole assignment once.
    template <typename Copy> void CopyQuietly(Copy copy)
    {
        ++quiet_;
        copy();
        --quiet_;
    }
    void CopyPart(const TColumnPart& source);

private:
    void GlyphChanged();

    std::string FCaption;                   // for a footer the value shown
    TColor FColor;                          // background
    TGxCustomColumn* FColumn;               // the owner, not owned
    TDisplayMode FDisplayMode = dmTextOnly; // text, image or both
    std::unique_ptr<TBitmap> FGlyph;
    std::string FHint;
    TObject* FObjectReference = nullptr; // the application's, never freed here
    TDrawingOptions FDrawingOptions = doNormal;
    int quiet_ = 0;              // above 0 while a copy must not report
    bool glyphUpdating_ = false; // while the glyph takes its transparent colour
};

class TColumnHeader : public TColumnPart
{
public:
    explicit TColumnHeader(TGxCustomColumn* column);
    ~TColumnHeader() override;

    THeaderOrientation Orientation() const { return FOrientation; }
    void SetOrientation(THeaderOrientation value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value);
    // Changes made through the font object report only while ParentFont is off; assigning a font reports
    // once.
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);
    bool HideArrow() const { return FHideArrow; }
    void SetHideArrow(bool value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    void Assign(const TPersistent* source) override;

private:
    void FontChanged();

    THeaderOrientation FOrientation = hoHorizontal;
    TAlignment FAlignment = taLeftJustify;
    bool FMultiLine = false;
    std::unique_ptr<TFont> FFont;
    bool FHideArrow = true;
    bool FParentFont = true;
    bool fontAssigning_ = false; // while SetFont copies, so that it reports once
};

class TColumnFooter : public TColumnPart
{
public:
    explicit TColumnFooter(TGxCustomColumn* column);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    const std::string& FormatMask() const { return FFormatMask; }
    void SetFormatMask(const std::string& value);
    TFormatMaskKind FormatMaskKind() const { return FFormatMaskKind; }
    void SetFormatMaskKind(TFormatMaskKind value);
    TFormulaKind FormulaKind() const { return FFormulaKind; }
    void SetFormulaKind(TFormulaKind value);
    double FormulaValue() const { return FFormulaValue; }
    void SetFormulaValue(double value);
    const std::string& TextAfter() const { return FTextAfter; }
    void SetTextAfter(const std::string& value);
    const std::string& TextBefore() const { return FTextBefore; }
    void SetTextBefore(const std::string& value);

    void Assign(const TPersistent* source) override;

private:
    TAlignment FAlignment = taLeftJustify;
    std::string FFormatMask;
    TFormatMaskKind FFormatMaskKind = mkText;
    TFormulaKind FFormulaKind = fkNone;
    double FFormulaValue = 0;
    std::string FTextAfter;
    std::string FTextBefore;
};
