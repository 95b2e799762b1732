#include "controls/grid/check_box_play.h"

#include "controls/grid/check_box_column.h"
#include "controls/grid/check_box_display.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/system/boolean_text.h"

TRect TCheckBoxColumnPlay::GetCheckBoxRect() const
{
    const TRect cell{-1, -1, ClientRect().Width() + 1, ClientRect().Height() + 1};
    return CheckBoxRect(*Column(), cell);
}

void TCheckBoxColumnPlay::KeyPress(char32_t& key)
{
    if (key == U' ')
        Toggle();
}

void TCheckBoxColumnPlay::MouseUp(TMouseButton, TShiftState, int x, int y)
{
    if (Column()->Options().Contains(coCanClick) && PtInRect(GetCheckBoxRect(), {x, y}))
        Toggle();
}

void TCheckBoxColumnPlay::Show()
{
    TColumnPlay::Show();
    if (TColumnDisplay* display = Column()->Display()) {
        display->SetAsBoolean(true);
        display->Paint();
    }
}

void TCheckBoxColumnPlay::Toggle()
{
    SetAsBoolean(!AsBoolean());
    SetAsString(BoolToStr(AsBoolean()));
    DoChange();
}

void TCheckBoxColumnPlay::DoChange()
{
    TColumnPlay::DoChange();
    if (auto* column = dynamic_cast<TGxCheckBoxColumn*>(Column()))
        column->DoChange();
}
