#include "controls/grid/text_measuring.h"

#include "platform/gui/graphics/gdi.h"

namespace {

TSize CalcRectSize(TCanvas& canvas, const std::string& text, TRect rect, unsigned flags)
{
    DrawText(canvas, text, rect, flags | DT_CALCRECT);
    return {rect.Width(), rect.Height()};
}

} // namespace

TSize WideTextExtent(TCanvas& canvas, const std::string& text)
{
    return canvas.TextExtent(text);
}

int WideTextWidth(TCanvas& canvas, const std::string& text)
{
    return WideTextExtent(canvas, text).cx;
}

int WideTextHeight(TCanvas& canvas, const std::string& text)
{
    return WideTextExtent(canvas, text).cy;
}

int CalcTextWidth(TCanvas& canvas, const std::string& text)
{
    return CalcRectSize(canvas, text, {}, 0).cx;
}

TSize MeasureWrappedText(TCanvas& canvas, const TRect& rect, const std::string& text)
{
    return CalcRectSize(canvas, text, rect,
                        DT_WORDBREAK | DT_END_ELLIPSIS | DT_NOPREFIX | DT_EXTERNALLEADING);
}

TSize MeasureText(TCanvas& canvas, const std::string& text, bool noPrefix)
{
    return CalcRectSize(canvas, text, {}, DT_SINGLELINE | (noPrefix ? DT_NOPREFIX : 0));
}
