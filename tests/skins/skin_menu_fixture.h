#pragma once

// Skinned popup menus for the tests: the file-list menu of the main window (40 entries with images and a
// submenu with an OnPopup of its own), and the toolbars' menu fixture on the default skin with the built-in
// skins registered.

#include "controls/skins/skin_items.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_popup_menu.h"
#include "controls/skins/skin_popup_window.h"
#include "controls/toolbars/bar_image_list.h"
#include "toolbars/menu_test_support.h"

#include <string>
#include <vector>

// The main window's file-list menu as its form builds it.
struct TFileListMenu
{
    TQvPopupMenu* Menu = nullptr;
    std::vector<TQvItem*> Entries;     // the 40 commands, the submenu's among them
    TQvSubmenuItem* Submenu = nullptr; // the tenth entry of the menu
    std::vector<TQvItem*> SubEntries;  // its three commands
};
// Everything is owned by owner.
TFileListMenu MakeFileListMenu(TComponent* owner);

// Lower case, spaces as underscores: a skin's name in a picture's file name.
std::string PictureName(const std::string& skin);

// Menus over a form with a focused edit and a clock the test moves, starting and ending on the default skin
// with the theme on.
class SkinnedMenuFixture : public MenuFixture
{
protected:
    void SetUp() override;
    void TearDown() override;
    static TQvSkinManager& Manager() { return GetSkinManager(); }
};
