#include "engine/forms/shaded_list_items.h"

#include "controls/pack/linear_gradient.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/standard/combo_box.h"
#include "support/color_routines.h"
#include "support/system_colors.h"

#include <algorithm>

namespace {

constexpr int ShadedItemTextIndent = 4;
constexpr int ShadedItemLightenPercent = 4;
constexpr int ShadedItemSelectedDarkenPercent = 15;

// One line of an item at rect, tabs advancing to every tabWidth pixels from the left edge.
void DrawShadedItemLine(TCanvas& canvas, const std::string& text, const TRect& rect, int tabWidth)
{
    int x = rect.Left;
    size_t start = 0;
    while (true) {
        const size_t tab = text.find('\t', start);
        const std::string part =
            text.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        TRect partRect{x, rect.Top, rect.Right, rect.Bottom};
        DrawText(canvas, part, partRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        if (tab == std::string::npos)
            return;
        x += canvas.TextWidth(part);
        x = rect.Left + ((x - rect.Left) / tabWidth + 1) * tabWidth;
        start = tab + 1;
    }
}

} // namespace

void DrawShadedListItem(TCustomComboBox& combo, const std::string& text, const TRect& rect,
                        TOwnerDrawState state, TShadedItemLook look)
{
    TCanvas& canvas = *combo.Canvas();
    const bool selected = state.Contains(odSelected);
    if (selected) {
        look.Background = ColorToRGB(clHighlight);
        look.Text = ColorToRGB(clHighlightText);
        FillLinearGradient(canvas, rect, look.Background,
                           LightenDarkenColor(look.Background, ShadedItemSelectedDarkenPercent, false),
                           gdVertical);
    } else {
        FillLinearGradient(canvas, rect, LightenDarkenColor(look.Background, ShadedItemLightenPercent, true),
                           look.Background, gdVertical);
    }

    const bool droppedDown = combo.DroppedDown();
    if (droppedDown) {
        canvas.Pen()->SetColor(LightenDarkenColor(look.Background, look.SeparatorDarkenPercent, false));
        canvas.MoveTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Right, rect.Top);
    } else if (combo.Color() != look.Background) {
        combo.SetColor(look.Background);
    }

    canvas.Font()->SetColor(look.Text);
    canvas.Font()->SetStyle(look.Bold ? TFontStyles{fsBold} : TFontStyles{});
    SetBkMode(canvas, TRANSPARENT);
    TRect textRect{rect.Left + ShadedItemTextIndent, rect.Top + (droppedDown ? 2 : 1), rect.Right,
                   rect.Bottom};
    if (text.find('\r') != std::string::npos) {
        DrawText(canvas, text, textRect, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
        return;
    }
    DrawShadedItemLine(canvas, text, textRect, std::max(1, 3 * canvas.TextMetrics().tmAveCharWidth));
}
