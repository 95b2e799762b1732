#include "controls/pack/linear_gradient.h"

#include "platform/gui/graphics/gdi.h"

void FillLinearGradient(TCanvas& canvas, const TRect& rect, TColor from, TColor to,
                        TGradientDirection direction)
{
    GradientFill(canvas, rect, from, to,
                 direction == gdHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}
