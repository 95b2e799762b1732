#include "controls/grid/column_parts.h"

#include "controls/grid/column.h"
#include "platform/gui/graphics/bitmap.h"
#include "support/system_colors.h"

// --- TColumnPart --------------------------------------------------------------------------------------

TColumnPart::TColumnPart(TGxCustomColumn* column, TColor color)
    : FColor(color), FColumn(column), FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this](TObject*) { GlyphChanged(); };
}

TColumnPart::~TColumnPart() = default;

void TColumnPart::Changed()
{
    if (quiet_ == 0 && OnChange)
        OnChange(this);
}

void TColumnPart::RefreshColumn(TGridArea area)
{
    if (quiet_ == 0 && FColumn)
        FColumn->Refresh(area);
}

void TColumnPart::SetCaption(const std::string& value)
{
    SetAndRefresh(FCaption, value, gaNone);
}

void TColumnPart::SetColor(TColor value)
{
    SetAndRefresh(FColor, value, gaNone);
}

void TColumnPart::SetDisplayMode(TDisplayMode value)
{
    SetAndChange(FDisplayMode, value);
}

void TColumnPart::SetDrawingOptions(TDrawingOptions value)
{
    SetAndChange(FDrawingOptions, value);
}

void TColumnPart::SetGlyph(const TBitmap* value)
{
    FGlyph->Assign(value);
}

void TColumnPart::GlyphChanged()
{
    if (glyphUpdating_)
        return;
    if (!FGlyph->Empty()) {
        glyphUpdating_ = true;
        FGlyph->SetTransparentColor(FGlyph->Canvas()->Pixels(0, FGlyph->Height() - 1));
        FGlyph->SetTransparent(true);
        glyphUpdating_ = false;
    }
    Changed();
}

void TColumnPart::CopyPart(const TColumnPart& source)
{
    FCaption = source.FCaption;
    FColor = source.FColor;
    FDisplayMode = source.FDisplayMode;
    FGlyph->Assign(source.FGlyph.get());
}

void TColumnPart::Assign(const TPersistent* source)
{
    if (const auto* part = dynamic_cast<const TColumnPart*>(source)) {
        CopyQuietly([&] { CopyPart(*part); });
        return;
    }
    TPersistent::Assign(source);
}

// --- TColumnHeader ------------------------------------------------------------------------------------

TColumnHeader::TColumnHeader(TGxCustomColumn* column)
    : TColumnPart(column, clBtnFace), FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this](TObject*) { FontChanged(); };
}

TColumnHeader::~TColumnHeader() = default;

void TColumnHeader::SetOrientation(THeaderOrientation value)
{
    SetAndRefresh(FOrientation, value, gaHeader);
}

void TColumnHeader::SetAlignment(TAlignment value)
{
    SetAndRefresh(FAlignment, value, gaHeader);
}

void TColumnHeader::SetMultiLine(bool value)
{
    SetAndRefresh(FMultiLine, value, gaHeader);
}

void TColumnHeader::SetHideArrow(bool value)
{
    SetAndRefresh(FHideArrow, value, gaHeader);
}

void TColumnHeader::SetFont(const TFont* value)
{
    fontAssigning_ = true;
    FFont->Assign(value);
    fontAssigning_ = false;
    Changed();
}

void TColumnHeader::FontChanged()
{
    if (!FParentFont && !fontAssigning_)
        Changed();
}

void TColumnHeader::SetParentFont(bool value)
{
    if (value == FParentFont)
        return;
    FParentFont = value;
    Changed();
}

void TColumnHeader::Assign(const TPersistent* source)
{
    const auto* header = dynamic_cast<const TColumnHeader*>(source);
    if (!header) {
        TColumnPart::Assign(source);
        return;
    }
    CopyQuietly([&] {
        CopyPart(*header);
        FAlignment = header->FAlignment;
        FFont->Assign(header->FFont.get());
        SetHint(header->Hint());
        FMultiLine = header->FMultiLine;
        FOrientation = header->FOrientation;
        FParentFont = header->FParentFont;
    });
}

// --- TColumnFooter ------------------------------------------------------------------------------------

TColumnFooter::TColumnFooter(TGxCustomColumn* column) : TColumnPart(column, clWindow) {}

void TColumnFooter::SetAlignment(TAlignment value)
{
    SetAndRefresh(FAlignment, value, gaFooter);
}

void TColumnFooter::SetFormatMask(const std::string& value)
{
    SetAndChange(FFormatMask, value);
}

void TColumnFooter::SetFormatMaskKind(TFormatMaskKind value)
{
    SetAndChange(FFormatMaskKind, value);
}

void TColumnFooter::SetFormulaKind(TFormulaKind value)
{
    SetAndChange(FFormulaKind, value);
}

void TColumnFooter::SetFormulaValue(double value)
{
    SetAndChange(FFormulaValue, value);
}

void TColumnFooter::SetTextAfter(const std::string& value)
{
    SetAndChange(FTextAfter, value);
}

void TColumnFooter::SetTextBefore(const std::string& value)
{
    SetAndChange(FTextBefore, value);
}

void TColumnFooter::Assign(const TPersistent* source)
{
    const auto* footer = dynamic_cast<const TColumnFooter*>(source);
    if (!footer) {
        TColumnPart::Assign(source);
        return;
    }
    CopyQuietly([&] {
        FAlignment = footer->FAlignment;
        SetDrawingOptions(footer->DrawingOptions());
        FFormulaKind = footer->FFormulaKind;
        FFormatMask = footer->FFormatMask;
        FTextAfter = footer->FTextAfter;
        FTextBefore = footer->FTextBefore;
    });
}
