#include "controls/grid/tree_column_display.h"

#include "controls/grid/tree_column.h"
#include "controls/grid/ux_themes.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/png_image.h"
#include "platform/gui/graphics/theme.h"
#include "support/system_colors.h"

#include <cmath>

namespace {

// From the level's left edge: the vertical line, the button's left edge and the end of the connector.
constexpr int LineOffset = 6;
constexpr int ButtonOffset = 2;
constexpr int ConnectorEnd = 15;

} // namespace

const TGxTreeColumn& TTreeColumnDisplay::TreeColumn() const
{
    return dynamic_cast<const TGxTreeColumn&>(*Column());
}

int TTreeColumnDisplay::LevelLeft() const
{
    return ClientRect().Left + Level() * TreeIndent;
}

int TTreeColumnDisplay::Middle() const
{
    const TRect& r = ClientRect();
    return static_cast<int>(std::nearbyint(r.Top + (r.Bottom - r.Top) / 2.0));
}

TRect TTreeColumnDisplay::GetTextRect() const
{
    TRect r = TColumnDisplay::GetTextRect();
    r.Left += Level() * TreeIndent + TreeContentOffset;
    if (TCustomImageList* images = TreeColumn().Images())
        r.Left += images->Width();
    return r;
}

int TTreeColumnDisplay::GetContentWidth()
{
    return TColumnDisplay::GetContentWidth() + Level() * TreeIndent + TreeContentOffset;
}

void TTreeColumnDisplay::Paint()
{
    if (TreeColumn().ShowLines())
        DrawTreeLines();
    if (TreeColumn().Images() && ImageIndex() >= 0)
        DrawRowImage();
    if (ChildCount() > 0)
        DrawButton();
    DrawCellText(AsString(), GetTextRect());
}

void TTreeColumnDisplay::Line(int x1, int y1, int x2, int y2)
{
    Canvas()->MoveTo(x1, y1);
    Canvas()->LineTo(x2, y2);
}

void TTreeColumnDisplay::DrawTreeLines()
{
    Canvas()->Pen()->SetColor(clGrayText);
    const int x = LevelLeft() + LineOffset;
    const int mid = Middle();
    const bool children = ChildCount() > 0;
    if (IsLast() && !IsFirst())
        Line(x, ClientRect().Top, x, children ? mid - 4 : mid);
    DrawAncestorLines(mid);
    Line(x + (children ? 4 : 0), mid - 1, LevelLeft() + ConnectorEnd, mid - 1);
}

// One vertical line per level where the row (at its own level) or its ancestor (further left) has a next
// sibling below.
void TTreeColumnDisplay::DrawAncestorLines(int mid)
{
    const TRect& r = ClientRect();
    int row = RowIndex();
    for (int level = Level(); level >= 0; --level) {
        int next = -1;
        if (OnParentRow())
            OnParentRow()(row, next);
        if (next == -1)
            continue;
        const int x = r.Left + level * TreeIndent + LineOffset;
        if (level == Level() && ChildCount() > 0) {
            if (!IsFirst())
                Line(x, r.Top, x, mid - 4);
            if (!IsLast())
                Line(x, mid + 4, x, r.Bottom);
        } else if (!IsFirst()) {
            Line(x, r.Top, x, r.Bottom);
        } else {
            Line(x, mid, x, Canvas()->ClipRect().Bottom);
        }
    }
}

void TTreeColumnDisplay::DrawRowImage()
{
    TCustomImageList& images = *TreeColumn().Images();
    const int y = ClientRect().Top + (ClientRect().Height() - images.Height()) / 2;
    images.Draw(*Canvas(), LevelLeft() + TreeContentOffset, y, ImageIndex(), true);
}

void TTreeColumnDisplay::DrawButton()
{
    const TRect& r = ClientRect();
    const TRect button = Bounds(LevelLeft() + ButtonOffset, r.Top + (r.Bottom - r.Top) / 2 - 5, 9, 9);
    const TGxTreeColumn& column = TreeColumn();
    if (column.ShowLines())
        Canvas()->Pen()->SetColor(clGrayText);
    if (!column.ShowButtons())
        return;
    if (!UxThemesActive()) {
        DrawClassicButton(button);
        return;
    }
    TPngImage* image = Expanded() ? column.ImageCollapse() : column.ImageExpand();
    if (!image->Empty())
        Canvas()->Draw(button.Left, button.Top, image);
    else
        DrawThemedBackground(*Canvas(), button, "treeview", TVP_GLYPH,
                             Expanded() ? GLPS_OPENED : GLPS_CLOSED);
}

void TTreeColumnDisplay::DrawClassicButton(const TRect& button)
{
    TCanvas& canvas = *Canvas();
    const bool highlighted = Selected() && TreeColumn().HighlightButton();
    canvas.Brush()->SetColor(highlighted ? clHighlightText : clGrayText);
    canvas.Pen()->SetColor(highlighted ? clHighlightText : clBlack);
    canvas.FrameRect(button);
    Line(button.Left + 2, button.Top + 4, button.Right - 2, button.Top + 4);
    if (!Expanded())
        Line(button.Left + 4, button.Top + 2, button.Left + 4, button.Bottom - 2);
}
