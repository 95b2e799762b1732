#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/font_families.h"
#include "platform/gui/graphics/text_metrics.h"
#include "platform/gui/windows/caret.h"

#include <cmath>

// The character cell: every column is as wide as "W" and every row as high as "W_" plus one pixel, so the
// memo needs a font of fixed pitch. A font that is not gives way to the fixed-pitch family of this system.

namespace {

// The family that stands in for a proportional font; the classic platform's "FixedSys" does not exist here.
std::string FixedPitchFamily()
{
    return ResolveFontFamily("FixedSys", true);
}

} // namespace

void TVezCustomMemo::SetFont(const TFont* value)
{
    // The caller's font stays as it is: the memo works on a copy.
    TFont font;
    font.Assign(value);
    TFont* canvasFont = Canvas()->Font();
    const std::string previous = canvasFont->Name();
    canvasFont->SetName(font.Name());
    const bool proportional = Canvas()->TextWidth("W") != Canvas()->TextWidth("i");
    canvasFont->SetName(previous);
    if (proportional)
        font.SetName(FixedPitchFamily());
    FFont->Assign(&font);
    Invalidate();
}

void TVezCustomMemo::MeasureCharCell(TObject*)
{
    if (FConstructing || ComponentState().Contains(csDestroying))
        return;
    TCanvas& canvas = *Canvas();
    canvas.SetFont(FFont.get());
    if (!canvas.TextMetrics().tmFixedPitch) {
        const std::string family = FixedPitchFamily();
        if (FFont->Name() != family) {
            FFont->SetName(family); // measures again through the font's change notification
            return;
        }
    }
    if (FDPIScale != 1.0f)
        canvas.Font()->SetSize(static_cast<int>(std::lround(FFont->Size() * FDPIScale)));
    const TCellSize before = FCellSize;
    FCellSize.W = canvas.TextWidth("W");
    FBoldWidthMeasured = false;
    FCellSize.H = canvas.TextHeight("W_") + 1;
    if (FCaretVisible && HandleAllocated()) {
        HideCaret(Handle());
        DestroyCaret();
        CreateCaret(Handle(), 2, FCellSize.H - 2);
        FCaretVisible = false;
        UpdateCaret(true);
    }
    if (before.W != FCellSize.W || before.H != FCellSize.H)
        UpdateLayout();
    else
        UpdateScrollBars(false);
    Invalidate();
}

bool TVezCustomMemo::BoldLeavesTheCell() const
{
    // Measured when a bold run is first painted: loading the bold face only to learn this cost every memo
    // of a window not yet shown a font at start-up.
    if (!FBoldWidthMeasured) {
        TFont font;
        font.Assign(FFont.get());
        if (FDPIScale != 1.0f)
            font.SetSize(static_cast<int>(std::lround(FFont->Size() * FDPIScale)));
        const int plain = TTextMetrics(font).CaretStops(U"W").back();
        font.SetStyle({fsBold});
        FNoRealFixedWidth = TTextMetrics(font).CaretStops(U"W").back() != plain;
        FBoldWidthMeasured = true;
    }
    return FNoRealFixedWidth;
}
