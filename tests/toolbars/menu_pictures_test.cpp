#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/system_queries.h"
#include "menu_test_support.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/colors.h"

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

    // Opens the menu, takes the steps, saves what shows as name, probes the picture while the menus are
    // still open, and closes them.
    void Picture(const std::string& name, std::vector<TLoopStep> steps,
                 const std::function<void(TBitmap& picture)>& probe)
    {
        steps.push_back({[this, name, probe] {
            picture = RenderPopups();
            SaveScreenshot(*picture, name);
            SaveScreenshot(*picture, name + "_x2", 2);
            probe(*picture);
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

// The square at the left of an entry, where its check mark or image goes, and the rest of the entry.
TRect CheckSquare(const TRect& entry)
{
    return {entry.Left, entry.Top, entry.Left + entry.Height(), entry.Bottom};
}
TRect BesideCheckSquare(const TRect& entry)
{
    return {entry.Left + entry.Height(), entry.Top, entry.Right, entry.Bottom};
}

TEST_F(MenuPictures, FileListMenuWithItsColumnsOpen)
{
    BuildFileListMenu();
    Picture("file_list_menu_columns",
            {{[&] { MoveTo(0, menu->Items()->Items(4)); }},
             {[&] { MoveTo(0, columns); }},
             {[&] { clock->Advance(QueryMenuShowDelay()); }},
             {[&] { MoveTo(1, columns->Items(1)); }}},
            [&](TBitmap& shown) {
                ASSERT_EQ(OpenPopups().size(), 2u);
                ExpectMostly(shown, EntryInPicture(Popup(0), columns), clHighlight,
                             "the open submenu's entry");
                const TRect add = EntryInPicture(Popup(0), menu->Items()->Items(0));
                EXPECT_GT(PixelCount(shown, CheckSquare(add), PlusColor), 0) << "an entry's image";
                for (int i = 0; i < columns->Count(); ++i) {
                    const TRect entry = EntryInPicture(Popup(1), columns->Items(i));
                    const int marks = PixelCount(shown, CheckSquare(entry), clMenuText);
                    if (columns->Items(i)->Checked())
                        EXPECT_GT(marks, 0) << columns->Items(i)->Caption() << " shows its check mark";
                    else
                        EXPECT_EQ(marks, 0) << columns->Items(i)->Caption() << " has none";
                }
                ExpectMostly(shown, BesideCheckSquare(EntryInPicture(Popup(1), columns->Items(1))),
                             clHighlight, "the entry under the pointer, its check mark's square aside");
            });
    ASSERT_TRUE(picture);
    EXPECT_GT(picture->Width(), 200);
}

TEST_F(MenuPictures, SettingsMenuInTheDefaultAndTheFlatLook)
{
    BuildSettingsMenu();
    TBarCustomItem* keepDates = menu->Items()->Items(6);
    // The frame's outer ring: a raised edge, lit at the top left; flat, one line of shadow all round. The
    // entry under the pointer in the look's highlight, its image's square aside.
    const auto probe = [&](TColor topLeft, TColor bottomRight, TColor highlight) {
        return [&, topLeft, bottomRight, highlight](TBitmap& shown) {
            const TRect frame{8, 8, shown.Width() - 8, shown.Height() - 8};
            EXPECT_EQ(shown.Canvas()->Pixels(frame.Left, frame.Top + 10), ColorToRGB(topLeft)) << "left";
            EXPECT_EQ(shown.Canvas()->Pixels(frame.Left + 10, frame.Top), ColorToRGB(topLeft)) << "top";
            EXPECT_EQ(shown.Canvas()->Pixels(frame.Right - 1, frame.Top + 10), ColorToRGB(bottomRight))
                << "right";
            EXPECT_EQ(shown.Canvas()->Pixels(frame.Left + 10, frame.Bottom - 1), ColorToRGB(bottomRight))
                << "bottom";
            const TRect entry = EntryInPicture(Popup(), keepDates);
            ExpectMostly(shown, BesideCheckSquare(entry), highlight, "the entry under the pointer");
            EXPECT_GT(PixelCount(shown, CheckSquare(entry), DiscColor), 0) << "its image";
        };
    };
    Picture("settings_menu_default", {{[&] { MoveTo(0, keepDates); }}},
            probe(cl3DLight, cl3DDkShadow, clHighlight));
    SystemParametersInfo(SPI_SETFLATMENU, 0, reinterpret_cast<void*>(1), 0);
    Picture("settings_menu_flat",
            {{[&] { MoveTo(0, menu->Items()->Items(5)); }}, {[&] { MoveTo(0, keepDates); }}},
            probe(clBtnShadow, clBtnShadow, clMenuHighlight));
    SystemParametersInfo(SPI_SETFLATMENU, 0, nullptr, 0);
}

} // namespace
