#include "controls/grid/frames.h"

void Frame3D(TCanvas& canvas, const TRect& rect, TColor topColor, TColor bottomColor)
{
    const int right = rect.Right - 1;
    const int bottom = rect.Bottom - 1;
    canvas.Pen()->SetColor(topColor);
    canvas.Polyline({{rect.Left, bottom}, {rect.Left, rect.Top}, {right, rect.Top}});
    canvas.Pen()->SetColor(bottomColor);
    canvas.Polyline({{right, rect.Top}, {right, bottom}, {rect.Left - 1, bottom}});
}
