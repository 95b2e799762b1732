#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/system_queries.h"
#include "menu_test_support.h"
#include "platform/gui/forms/system_parameters.h"

// The menus of the main window as a user sees them, saved as pictures.

namespace {

class MenuPictures : public MenuFixture
{
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        menu = new TBarPopupMenu(form);
        images = MakeTestImages(form);
        menu->SetImages(images);
    }

    // The file list's menu: commands with images and shortcuts, a disabled one, and the Columns submenu of
    // check marks.
    void BuildFileListMenu()
    {
        TBarCustomItem* root = menu->Items();
        AddCommand(root, "&Add files...\tIns")->SetImageIndex(3);
        AddCommand(root, "Add f&older...")->SetImageIndex(0);
        AddCommand(root, "&Remove\tDel")->SetImageIndex(2);
        AddSeparator(root);
        AddCommand(root, "&Play")->SetImageIndex(5);
        AddCommand(root, "Media &info...")->SetImageIndex(1);
        AddSeparator(root);
        columns = AddSubmenu(root, "&Columns");
        for (const char* name : {"&File name", "&Size", "&Duration", "&Video", "&Audio", "&Status"}) {
            TBarCustomItem* column = AddCommand(columns, name);
            column->SetChecked(std::string(name) != "&Audio");
        }
        AddSeparator(root);
        AddCommand(root, "Select &all\tCtrl+A");
        AddCommand(root, "&Clear list")->SetEnabled(false);
    }

    // A settings drop-down: radio choices, a default entry, a disabled check and an image beside a check.
    void BuildSettingsMenu()
    {
        TBarCustomItem* root = menu->Items();
        for (const char* name : {"&Same as source", "&Lower quality", "&Higher quality"}) {
            TBarCustomItem* item = AddCommand(root, name);
            item->SetRadioItem(true);
            item->SetGroupIndex(1);
        }
        root->Items(0)->SetChecked(true);
        root->Items(0)->SetOptions(tboDefault);
        AddSeparator(root);
        AddCommand(root, "&Two passes")->SetChecked(true);
        TBarCustomItem* deinterlace = AddCommand(root, "&Deinterlace");
        deinterlace->SetChecked(true);
        deinterlace->SetEnabled(false);
        AddCommand(root, "Keep &dates")->SetImageIndex(4);
        TBarCustomItem* film = AddCommand(root, "&Film look\tCtrl+F");
        film->SetImageIndex(5);
        film->SetChecked(true);
        AddSeparator(root);
        AddSubmenu(root, "More &presets");
        AddCommand(root, "Edit &profiles...\tF9");
    }

    // Opens the menu, takes the steps, saves what shows as name, and closes the open menus.
    void Picture(const std::string& name, std::vector<TLoopStep> steps)
    {
        steps.push_back({[this, name] {
            picture = RenderPopups();
            SaveScreenshot(*picture, name);
            SaveScreenshot(*picture, name + "_x2", 2);
        }});
        steps.push_back({[this] {
            for (size_t open = OpenPopups().size(); open > 0; --open)
                Key("Esc");
        }});
        TLoopScript script(std::move(steps));
        menu->Popup(MenuPoint.X, MenuPoint.Y);
    }

    TBarPopupMenu* menu = nullptr;
    TBarCustomImageList* images = nullptr;
    TSubmenuItem* columns = nullptr;
    std::unique_ptr<TBitmap> picture;
};

TEST_F(MenuPictures, FileListMenuWithItsColumnsOpen)
{
    BuildFileListMenu();
    Picture("file_list_menu_columns", {{[&] { MoveTo(0, menu->Items()->Items(4)); }},
                                       {[&] { MoveTo(0, columns); }},
                                       {[&] { clock->Advance(QueryMenuShowDelay()); }},
                                       {[&] { MoveTo(1, columns->Items(1)); }}});
    ASSERT_TRUE(picture);
    EXPECT_GT(picture->Width(), 200);
}

TEST_F(MenuPictures, SettingsMenuInTheDefaultAndTheFlatLook)
{
    BuildSettingsMenu();
    Picture("settings_menu_default", {{[&] { MoveTo(0, menu->Items()->Items(6)); }}});
    SystemParametersInfo(SPI_SETFLATMENU, 0, reinterpret_cast<void*>(1), 0);
    Picture("settings_menu_flat",
            {{[&] { MoveTo(0, menu->Items()->Items(5)); }}, {[&] { MoveTo(0, menu->Items()->Items(6)); }}});
    SystemParametersInfo(SPI_SETFLATMENU, 0, nullptr, 0);
}

} // namespace
