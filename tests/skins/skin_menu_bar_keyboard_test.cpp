#include "controls/skins/skin_items.h"
#include "skin_main_window_fixture.h"
#include "toolbars/main_window_like.h"

// The menu bar gate of the toolbars (toolbars/menu_bar_keyboard_test.cpp, compiled into this program too)
// over the main window's skinned docks, bars and items, under its skin "main".

namespace {

class TSkinnedClasses : public TMainWindowClasses
{
public:
    std::string Name() const override { return "the skinned classes under \"main\""; }
    void SetUp() const override
    {
        ASSERT_GE(RegisterMainSkin(), 0);
        GetSkinManager().SetSkin("main");
        ASSERT_EQ(GetSkinManager().CurrentSkinName(), "main");
    }
    void TearDown() const override
    {
        TQvSkinManager& manager = GetSkinManager();
        manager.SetSkin("");
        const int index = manager.SkinsList().IndexOf("main");
        if (index >= 0)
            manager.SkinsList().Delete(index);
    }
    // The main window's own bars, their sample items taken out.
    TMainWindowTop BuildTop(TForm* form) const override
    {
        const TMainWindowBars bars = BuildMainWindowBars(form);
        bars.MenuBar->Items()->Clear();
        bars.ButtonBar->Items()->Clear();
        return {bars.MenuDock, bars.ButtonDock, bars.MenuBar, bars.ButtonBar};
    }
    TBarCustomItem* NewCommand(TComponent* owner) const override { return new TQvItem(owner); }
    TBarCustomItem* NewSubmenu(TComponent* owner) const override { return new TQvSubmenuItem(owner); }
    TBarCustomItem* NewSeparator(TComponent* owner) const override { return new TQvSeparatorItem(owner); }
};

const TSkinnedClasses skinnedClasses;

} // namespace

INSTANTIATE_TEST_SUITE_P(Skinned, MenuBarKeyboard, testing::Values(&skinnedClasses));
