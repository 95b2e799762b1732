#pragma once

#include "controls/grid/column_display.h"

class TGxTreeColumn;

// How far each tree level moves a cell's content to the right, and where the content (image or text)
// starts from the level's left edge, after the lines and the button.
constexpr int TreeIndent = 19;
constexpr int TreeContentOffset = 16;

// The display of tree columns: the tree lines, the row's image, the expand button of a row with children
// and the cell's text (AsString as it stands: the column's GetDrawText is not asked), each level indented.
class TTreeColumnDisplay : public TColumnDisplay
{
public:
    using TColumnDisplay::TColumnDisplay;

    // The base rectangle, its left edge moved past the lines, the button and the image.
    TRect GetTextRect() const override;
    int GetContentWidth() override;
    void Paint() override;

private:
    const TGxTreeColumn& TreeColumn() const;
    // The left edge of the row's level.
    int LevelLeft() const;
    int Middle() const;
    void DrawTreeLines();
    void DrawAncestorLines(int mid);
    void DrawRowImage();
    void DrawButton();
    void DrawClassicButton(const TRect& button);
    void Line(int x1, int y1, int x2, int y2);
};
