#include "controls/pack/border_drawing.h"

namespace {

enum class TSide
{
    Top,
    Right,
    Bottom,
    Left
};

void DrawSideLine(TCanvas& canvas, const TRect& r, TSide side)
{
    switch (side) {
    case TSide::Top:
        canvas.MoveTo(r.Left, r.Top);
        canvas.LineTo(r.Right, r.Top);
        break;
    case TSide::Right:
        canvas.MoveTo(r.Right, r.Top);
        canvas.LineTo(r.Right, r.Bottom);
        break;
    case TSide::Bottom:
        canvas.MoveTo(r.Right, r.Bottom);
        canvas.LineTo(r.Left, r.Bottom);
        break;
    case TSide::Left:
        canvas.MoveTo(r.Left, r.Bottom);
        canvas.LineTo(r.Left, r.Top);
        break;
    }
}

// Lines leave out their end point, so the right and bottom sides and the far ends are moved in by one
// first to keep every side inside rect.
TRect PreparedFor(TRect r, TSide side)
{
    switch (side) {
    case TSide::Top:
        break;
    case TSide::Right:
        r.Right -= 1;
        break;
    case TSide::Bottom:
        r.Bottom -= 1, r.Left -= 1, r.Right -= 1;
        break;
    case TSide::Left:
        r.Top -= 1, r.Bottom -= 1;
        break;
    }
    return r;
}

void MoveSideInward(TRect& r, TSide side)
{
    switch (side) {
    case TSide::Top:
        r.Top += 1;
        break;
    case TSide::Right:
        r.Right -= 1;
        break;
    case TSide::Bottom:
        r.Bottom -= 1;
        break;
    case TSide::Left:
        r.Left += 1;
        break;
    }
}

void DrawBorderSide(TCanvas& canvas, const TRect& rect, const TPen& pen, bool border3D, TSide side)
{
    // pen may be the canvas's own pen: read its width before the canvas pen becomes one pixel wide.
    const int savedWidth = canvas.Pen()->Width();
    const int lines = pen.Width();
    canvas.Pen()->SetColor(pen.Color());
    canvas.Pen()->SetStyle(pen.Style());
    canvas.Pen()->SetMode(pen.Mode());
    canvas.Pen()->SetWidth(1);
    TRect r = PreparedFor(rect, side);
    for (int line = 0; line < lines; ++line) {
        DrawSideLine(canvas, r, side);
        if (border3D)
            r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        else
            MoveSideInward(r, side);
    }
    canvas.Pen()->SetWidth(savedWidth);
}

// One side of an edge frame: a line to the side's end point, or only a move there for clNone.
void EdgeTo(TCanvas& canvas, TPoint to, TColor color)
{
    if (color == clNone) {
        canvas.MoveTo(to.X, to.Y);
        return;
    }
    canvas.Pen()->SetColor(color);
    canvas.LineTo(to.X, to.Y);
}

} // namespace

void DrawTopBorder(TCanvas& canvas, TRect rect, const TPen& pen, bool border3D)
{
    DrawBorderSide(canvas, rect, pen, border3D, TSide::Top);
}

void DrawRightBorder(TCanvas& canvas, TRect rect, const TPen& pen, bool border3D)
{
    DrawBorderSide(canvas, rect, pen, border3D, TSide::Right);
}

void DrawBottomBorder(TCanvas& canvas, TRect rect, const TPen& pen, bool border3D)
{
    DrawBorderSide(canvas, rect, pen, border3D, TSide::Bottom);
}

void DrawLeftBorder(TCanvas& canvas, TRect rect, const TPen& pen, bool border3D)
{
    DrawBorderSide(canvas, rect, pen, border3D, TSide::Left);
}

void DrawRectEdges(TCanvas& canvas, TRect& rect, TColor left, TColor right, TColor top, TColor bottom,
                   int width)
{
    canvas.Pen()->SetWidth(1);
    rect.Right -= 1, rect.Bottom -= 1;
    for (int i = 0; i < width; ++i) {
        if (top == clNone) {
            canvas.MoveTo(rect.Right, rect.Top);
        } else {
            canvas.MoveTo(rect.Left, rect.Top);
            EdgeTo(canvas, {rect.Right, rect.Top}, top);
        }
        EdgeTo(canvas, {rect.Right, rect.Bottom}, right);
        EdgeTo(canvas, {rect.Left, rect.Bottom}, bottom);
        EdgeTo(canvas, {rect.Left, rect.Top}, left);
        rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    }
    rect.Right += 1, rect.Bottom += 1;
}

void DrawRectFrame(TCanvas& canvas, TRect& rect, TColor color, int width)
{
    DrawRectEdges(canvas, rect, color, color, color, color, width);
}
