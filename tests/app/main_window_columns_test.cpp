#include "app/main/file_list_columns.h"
#include "app/main/file_list_view.h"
#include "app/options/form_options.h"
#include "controls/grid/column.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/text_column.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_popup_menu.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/popup_window.h"
#include "controls/toolbars/view.h"
#include "gui_driver.h"
#include "loop_script.h"
#include "main_window_fixture.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/window_functions.h"
#include "toolbars/menu_test_support.h"

namespace {

// The entry of a menu bound to the action.
TBarCustomItem* ColumnMenuEntryOf(TBarCustomItem* menu, TAction* action)
{
    for (int i = 0; i < menu->Count(); ++i)
        if (menu->Items(i)->Action() == action)
            return menu->Items(i);
    return nullptr;
}

class MainWindowColumns : public MainWindow
{
protected:
    TGxCustomColumn* Column(const TMainActionSpec& spec)
    {
        return Form->FileListView().Columns().ByName(spec.Column);
    }
    // Calls f with every column command and its column.
    template <typename F> void ForEachColumnCommand(F&& f)
    {
        ForEachMainAction(Form->Actions, [&](TAction* action, const TMainActionSpec& spec) {
            if (!spec.Column.empty())
                f(action, Column(spec));
        });
    }
    // The entry of the header popup's command in its open window.
    TRect EntryRect(TBarPopupWindow* popup, TAction* action)
    {
        return popup->View()->Find(ColumnMenuEntryOf(Form->popColumns->Items(), action))->BoundsRect();
    }
    // The submenu of that name, opened at a point clear of the window; whileOpen runs while it is open,
    // then it closes.
    void OpenSubmenu(const std::string& name, const std::function<void(TBarPopupWindow*)>& whileOpen)
    {
        auto* submenu = dynamic_cast<TBarCustomItem*>(Form->FindComponent(name));
        ASSERT_NE(submenu, nullptr) << name;
        TLoopScript script({{[&] {
                                ASSERT_EQ(OpenPopups().size(), 1u);
                                whileOpen(OpenPopups().front());
                            }},
                            {[&] { Press(OpenPopups().front(), "Esc"); }}});
        submenu->Popup(300, 100, false);
        EXPECT_EQ(script.StepsTaken(), 2);
    }
};

// The header's popup menu shows a check mark on every shown column; choosing Directory hides it, and the View
// menu's and the file list popup's Columns submenus then show it unchecked.
TEST_F(MainWindowColumns, HeaderPopupHidesAColumnAndTheSubmenusShowIt)
{
    Start();
    TAction* directory = Form->Actions.actColDirectoryVisible;
    TDataGrid* grid = Form->FileListView().Grid();
    const TRect header = grid->GetHeaderRect();
    const TPoint inHeader{header.Left + 40, (header.Top + header.Bottom) / 2};
    TLoopScript script(
        {{[&] {
             const std::vector<TBarPopupWindow*> open = OpenPopups();
             ASSERT_EQ(open.size(), 1u);
             TBarPopupWindow* popup = open.front();
             auto picture = std::make_unique<TBitmap>(popup->Width(), popup->Height());
             popup->PaintTo(*picture->Canvas(), 0, 0);
             SaveScreenshot(*picture, "main_window_columns_popup");
             ForEachColumnCommand([&](TAction* action, TGxCustomColumn* column) {
                 const TRect entry = EntryRect(popup, action);
                 const TRect check{entry.Left, entry.Top, entry.Left + entry.Height(), entry.Bottom};
                 const int marks = CountPixels(*picture, check, ColorToRGB(clMenuText));
                 EXPECT_EQ(marks > 0, column->Visible()) << action->Caption();
             });
             MouseUp(grid, inHeader, mbRight);
         }},
         {[&] {
             TBarPopupWindow* popup = OpenPopups().front();
             const TRect entry = EntryRect(popup, directory);
             const TPoint centre{(entry.Left + entry.Right) / 2, (entry.Top + entry.Bottom) / 2};
             MouseMove(popup, centre);
             Click(popup, centre);
         }}});
    MouseDown(grid, inHeader, mbRight);
    Pump(); // the chosen entry is clicked once the menu has closed
    EXPECT_EQ(script.StepsTaken(), 2);
    EXPECT_FALSE(Form->FileListView().Columns().colDirectory->Visible());

    for (const char* submenu : {"mnuColumnsMenu", "popColumnsSubmenu"}) {
        SCOPED_TRACE(submenu);
        // A column shown meanwhile by its command: the check mark catches up as the menu opens.
        Form->Actions.actColVideoCodecVisible->Execute();
        OpenSubmenu(submenu, [&](TBarPopupWindow*) {
            EXPECT_FALSE(directory->Checked());
            ForEachColumnCommand([](TAction* action, TGxCustomColumn* column) {
                EXPECT_EQ(action->Checked(), column->Visible()) << action->Caption();
            });
        });
    }
    EXPECT_FALSE(Form->FileListView().Columns().colVideoCodec->Visible()) << "shown, then hidden again";
}

// The options window shows the columns too: it hears of a change while it is visible, and only then.
TEST_F(MainWindowColumns, OptionsWindowHearsOfChangesWhileVisible)
{
    Start();
    auto* options = new TFormOptions(Form, Form->WindowLooks(), Form->OptionsWindowHost());
    TSecondaryWindows windows;
    windows.Options = options;
    Form->SetSecondaryWindows(windows);
    int heard = 0;
    Form->OnColumnVisibilityChanged = [&] { ++heard; };

    Form->Actions.actColStatusVisible->Execute();
    EXPECT_EQ(heard, 0);
    options->Show();
    Form->Actions.actColStatusVisible->Execute();
    EXPECT_EQ(heard, 1);
    EXPECT_TRUE(Form->FileListView().Columns().colStatus->Visible());
}

} // namespace
