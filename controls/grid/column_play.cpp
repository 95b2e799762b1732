#include "controls/grid/column_play.h"

#include "controls/grid/column.h"
#include "controls/grid/column_display.h"

void TColumnPlay::Show()
{
    TColumnDisplay* display = Column()->Display();
    if (!display)
        return;
    SetAsBoolean(display->AsBoolean());
    display->Paint();
}

void TColumnPlay::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TColumnPlay::DoExpand()
{
    if (OnExpand)
        OnExpand(this);
}
