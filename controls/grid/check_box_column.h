#pragma once

#include "controls/grid/column.h"

// A column of check boxes: Boolean cells that the user toggles with a click on the box or the space key.
class TGxCheckBoxColumn : public TGxCustomColumn
{
public:
    explicit TGxCheckBoxColumn(TComponent* owner);

    // Fired when the user toggled a cell, after the grid heard of it; the column is the sender.
    TNotifyEvent OnChange;
    virtual void DoChange();

    void SetColumnType(TColumnType value) override;
    TColumnDisplayClass GetDisplayClass() const override;
    TColumnPlayClass GetPlayClass() const override;
    TColumnStyle GetColumnStyle() const override { return {csClickable, csCanEdit, csFitToLargest}; }
};
