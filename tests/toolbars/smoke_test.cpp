#include "menu_test_support.h"

TEST_F(MenuFixture, Smoke)
{
    TBarPopupMenu menu(form);
    TBarCustomItem* open = AddCommand(menu.Items(), "&Open");
    AddCommand(menu.Items(), "&Save\tCtrl+S");
    int clicks = 0;
    open->OnClick = [&](TObject*) { ++clicks; };
    TLoopScript script({{[&] { ClickOn(0, open); }}});
    TBarCustomItem* chosen = menu.PopupEx(MenuPoint.X, MenuPoint.Y, false);
    EXPECT_EQ(chosen, open);
    EXPECT_EQ(clicks, 0);
    Pump();
    EXPECT_EQ(clicks, 1);
}
