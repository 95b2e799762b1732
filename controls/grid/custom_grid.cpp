#include "controls/grid/custom_grid.h"

#include "support/system_colors.h"

TGxCustomGrid::TGxCustomGrid(TComponent* owner) : TGxCustomGridControl(owner)
{
    SetColor(clWindow);
}
