#include "controls/grid/font_combo_box6.h"

#include "controls/grid/text_drawing.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/gdi.h"

TGxFontComboBox6::TGxFontComboBox6(TComponent* owner) : TGxComboBox6(owner)
{
    Items()->Assign(Screen->Fonts());
}

void TGxFontComboBox6::DrawItemContent(int index, const TRect& rect, TOwnerDrawState state)
{
    if (!paintInFont_) {
        TGxComboBox6::DrawItemContent(index, rect, state);
        return;
    }
    TCanvas& canvas = *ListCanvas();
    TRect text = rect;
    text.Left += 2;
    canvas.Font()->SetName(Items()->Strings(index));
    DrawTextInRect(canvas, text, taLeftJustify, taVerticalCenter, Items()->Strings(index), TextWrap::twNone,
                   false);
}

// A sample "ab" of the chosen font on the highlight colour.
void TGxFontComboBox6::DoPreviewDraw(const TRect& rect)
{
    TGxComboBox6::DoPreviewDraw(rect);
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clHighlight);
    canvas.Font()->SetSize(8);
    canvas.Font()->SetColor(clHighlightText);
    canvas.Font()->SetName(Text());
    ExtTextOut(canvas, rect.Left, rect.Top, ETO_OPAQUE | ETO_CLIPPED, &rect, "ab");
}
