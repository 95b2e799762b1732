#include "controls/grid/tree_column_play.h"

#include "controls/grid/tree_column.h"
#include "controls/grid/tree_column_display.h"
#include "platform/gui/graphics/gdi.h"

TRect TTreeColumnPlay::GetButtonRect(const TRect& rect, int level) const
{
    return Bounds(level * TreeIndent + Column()->Padding() + 2, (rect.Bottom - rect.Top) / 2 - 5, 9, 9);
}

bool TTreeColumnPlay::IsExpandLock() const
{
    return dynamic_cast<const TGxTreeColumn&>(*Column()).ExpandLock();
}

void TTreeColumnPlay::KeyPress(char32_t& key)
{
    if (!IsExpandLock() && (key == U'+' || key == U'-'))
        DoExpand();
}

void TTreeColumnPlay::MouseUp(TMouseButton, TShiftState, int x, int y)
{
    if (!IsExpandLock() && PtInRect(GetButtonRect(ClientRect(), Level()), {x, y}))
        DoExpand();
}
