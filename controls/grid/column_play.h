#pragma once

#include "controls/grid/column_element.h"
#include "controls/grid/column_element_classes.h"
#include "platform/gui/windows/keys.h"

// What reacts to the mouse and keys inside a column's cells without an editor: toggling a check box,
// expanding a tree row. Before handing a play an event the grid loads it: Col, Row, the canvas with the
// column's font, the row's Level, the cell's value (AsBoolean for a Boolean column, AsInteger for an integer
// column, the cell's display text in AsString for a text column), ClientRect := the cell rectangle, and its
// own handlers in OnChange and OnExpand. Those write the play's new value into the cell once the grid's
// edit events allow it, and toggle the row's expanded state. Mouse coordinates are relative to the cell's
// top-left corner.
class TColumnPlay : public TVirtualColElement
{
public:
    using TVirtualColElement::TVirtualColElement;

    int Col() const { return FCol; }
    void SetCol(int value) { FCol = value; }
    int Level() const { return FLevel; }
    void SetLevel(int value) { FLevel = value; }
    int Row() const { return FRow; }
    void SetRow(int value) { FRow = value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnExpand;

    virtual void KeyPress(char32_t& /*key*/) {}
    virtual void MouseDown(TMouseButton /*button*/, TShiftState /*shift*/, int /*x*/, int /*y*/) {}
    virtual void MouseLeave() {}
    virtual void MouseMove(TShiftState /*shift*/, int /*x*/, int /*y*/) {}
    virtual void MouseUp(TMouseButton /*button*/, TShiftState /*shift*/, int /*x*/, int /*y*/) {}
    // Takes the value the column's display holds and paints the display again.
    virtual void Show();

protected:
    // Fire OnChange and OnExpand with the play as sender.
    virtual void DoChange();
    virtual void DoExpand();

private:
    int FCol = -1;
    int FLevel = 0;
    int FRow = -1;
};

// The class reference a column names for its play class.
template <typename Play> TColumnPlayClass ColumnPlayClass()
{
    return {[](TGxCustomColumn* column) -> TColumnPlay* { return new Play(column); },
            [](TColumnPlay* play) { delete play; }};
}
