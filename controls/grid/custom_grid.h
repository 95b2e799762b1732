#pragma once

#include "controls/grid/grid_control.h"

// The middle class of the grid: it publishes the grid control's properties, with the grid's own colour
// clWindow as the default. Its mouse and keyboard handling comes later.
class TGxCustomGrid : public TGxCustomGridControl
{
public:
    explicit TGxCustomGrid(TComponent* owner);
};
