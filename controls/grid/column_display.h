#pragma once

#include "controls/grid/column_element.h"
#include "controls/grid/column_element_classes.h"
#include "support/system_colors.h"

#include <functional>

// Moves ARow to its parent row and reports in NextSibling the row that follows ARow at ARow's own level
// under the same parent (-1 for none): called once per level, it walks a row's ancestors for the tree
// lines.
using TParentRowProc = std::function<void(int& ARow, int& NextSibling)>;

// The painter of a column's cells. How a grid paints a cell with it:
// 1. Window handle, canvas (with the column's font and the cell's font colour), ClientRect := the cell
//    rectangle in client coordinates, the value fields, ImageIndex, HighlightedTextColor, Highlighted and
//    Selected; for a tree column also the row facts: RowIndex, Level, ChildCount, Expanded, IsFirst (the top
//    row of the view), IsLast (no next sibling) and OnParentRow.
// 2. PaintBackground in the cell's colour, unless a handler paints the background.
// 3. ClientRect narrowed by the column's Padding on the left and on the right; Paint.
// 4. DrawHintMark when the grid shows hint marks and the cell has a hint.
// Best fit measures with GetContentWidth, GetContentHeight and GetTextSize after loading the value the same
// way.
class TColumnDisplay : public TVirtualColElement
{
public:
    using TVirtualColElement::TVirtualColElement;

    int ChildCount() const { return FChildCount; }
    void SetChildCount(int value) { FChildCount = value; }
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool value) { FExpanded = value; }
    bool Highlighted() const { return FHighlighted; }
    void SetHighlighted(bool value) { FHighlighted = value; }
    TColor HighlightedTextColor() const { return FHighlightedTextColor; }
    void SetHighlightedTextColor(TColor value) { FHighlightedTextColor = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    bool IsLast() const { return FIsLast; }
    void SetIsLast(bool value) { FIsLast = value; }
    bool IsParentLast() const { return FIsParentLast; }
    void SetIsParentLast(bool value) { FIsParentLast = value; }
    int Level() const { return FLevel; }
    void SetLevel(int value) { FLevel = value; }
    const TParentRowProc& OnParentRow() const { return FOnParentRow; }
    void SetOnParentRow(TParentRowProc value) { FOnParentRow = std::move(value); }
    int RowIndex() const { return FRowIndex; }
    void SetRowIndex(int value) { FRowIndex = value; }
    bool Selected() const { return FSelected; }
    void SetSelected(bool value) { FSelected = value; }
    bool IsFirst() const { return FIsFirst; }
    void SetIsFirst(bool value) { FIsFirst = value; }

    // ClientRect less 2 pixels on the left and on the right.
    virtual TRect GetTextRect() const;
    // The text in r with the column's alignments, wrap kind and reading order, without prefix processing,
    // on a clear background.
    virtual void DrawCellText(const std::string& text, TRect r);
    // The small red triangle in the top right corner of a cell that has a hint.
    virtual void DrawHintMark();
    virtual int GetContentHeight() { return 0; }
    virtual int GetContentWidth() { return GetTextSize().cx; }
    // AsString measured in the text rectangle as it would be drawn, but never shortened.
    virtual TSize GetTextSize();
    virtual void Paint() = 0;

    // ClientRect filled with the colour, or only framed in it when clientCell is false.
    void PaintBackground(TColor cellColor, bool clientCell = true);

protected:
    // The DrawText flags for text in r from the column's settings. Several lines aligned to the centre or
    // the bottom move r's top down themselves, since DrawText centres only single lines.
    unsigned GetTextFlags(const std::string& text, TRect& r, bool ellipses) const;

private:
    int FChildCount = 0; // child rows of the row
    bool FExpanded = false;
    bool FHighlighted = false;
    TColor FHighlightedTextColor = clHighlightText;
    int FImageIndex = -1;
    bool FIsLast = false;       // the row is the last child of its parent
    bool FIsParentLast = false; // kept for the grid; the displays do not read it
    int FLevel = 0;             // tree depth, 0 at the top
    TParentRowProc FOnParentRow;
    int FRowIndex = -1;
    bool FSelected = false;
    bool FIsFirst = false; // the row is the top row of the grid's view
};

// The class reference a column names for its display class.
template <typename Display> TColumnDisplayClass ColumnDisplayClass()
{
    return {[](TGxCustomColumn* column) -> TColumnDisplay* { return new Display(column); },
            [](TColumnDisplay* display) { delete display; },
            [](const TColumnDisplay& display) { return display.Canvas(); }};
}
