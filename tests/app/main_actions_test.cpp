#include "app/kit/program_constants.h"
#include "app/main/file_list_view.h"
#include "app/main/main_actions.h"
#include "app/main/settings_panels.h"
#include "app/main/web_links.h"
#include "controls/grid/data_grid.h"
#include "controls/pack/basic_speed_button.h"
#include "controls/pack/png_image_list.h"
#include "controls/skins/skin_toolbar.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/view.h"
#include "engine/app_params.h"
#include "gui_driver.h"
#include "main_window_fixture.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/window_functions.h"
#include "platform/gui/graphics/bitmap.h"
#include "support/system_colors.h"
#include "recording_shell.h"
#include "support/files.h"
#include "toolbars/menu_test_support.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

// The window's commands: their names, categories and shortcuts, the keys that reach them, their pictures on
// the tool bar and in the menus, and the commands that open references.

namespace {

struct TExpectedMainAction
{
    const char* Name;
    const char* Category;
    const char* ShortCut;
};

// Every command but the column and settings-group ones, as the user knows them.
const TExpectedMainAction ExpectedMainActions[] = {
    {"actConvert", "File", "Ctrl+E"},
    {"actSaveBat", "File", ""},
    {"actShowOptions", "File", "F12"},
    {"actStayOnTop", "File", ""},
    {"actMinimizeToTray", "File", "Shift+Ctrl+M"},
    {"actExit", "File", ""},
    {"actShowProgressWindow", "View", "F8"},
    {"actShowHideFileInfo", "View", "F10"},
    {"actShowHideFormErrors", "View", "F11"},
    {"actAddFiles", "File list", "Ctrl+O"},
    {"actAddFolder", "File list", "Ctrl+F"},
    {"actRemoveChecked", "File list", ""},
    {"actClearFileList", "File list", ""},
    {"actCheckAll", "File list", "Ctrl+A"},
    {"actUncheckAll", "File list", ""},
    {"actInvertSelection", "File list", "Ctrl+I"},
    {"actCheckSelected", "File list", ""},
    {"actUncheckSelected", "File list", ""},
    {"actLoadFileList", "File list", "Shift+Ctrl+O"},
    {"actSaveFileList", "File list", "Shift+Ctrl+S"},
    {"actExploreDirectory", "File list", ""},
    {"actLoadProfile", "Encoder", "Ctrl+P"},
    {"actSaveProfile", "Encoder", "Ctrl+S"},
    {"actSetDefaultEncoderSettings", "Encoder", ""},
    {"actShowCmdLine", "Encoder", "F2"},
    {"actToolsInfo", "Encoder", "Shift+Ctrl+I"},
    {"actHelp", "Help", "F1"},
    {"actGoToHomePage", "Help", ""},
    {"actGoToDonation", "Help", ""},
    {"actGoToFacebook", "Help", ""},
    {"actGoToTwitter", "Help", ""},
    {"actCheckUpdate", "Help", "Shift+Ctrl+U"},
    {"actAbout", "Help", "Shift+Ctrl+F1"},
    {"actBrowseOutDir", "", ""},
    {"actExploreOutDir", "", ""},
    {"actShowHideMainWindow", "", ""},
    {"actLoadSelectedProfile", "", ""},
    {"actEsc", "", "Esc"},
    {"actShowHideBottomPanel", "", "F9"},
};

// A shortcut's text as the test driver writes the key: "Shift+Ctrl+M" -> "CS-m", "F8" -> "F8".
std::string ShortCutAsDriverKey(const std::string& shortCut)
{
    std::string modifiers;
    std::string key = shortCut;
    for (const auto& [name, letter] : {std::pair{"Ctrl+", "C"}, {"Shift+", "S"}, {"Alt+", "A"}}) {
        if (const size_t at = key.find(name); at != std::string::npos) {
            modifiers += letter;
            key.erase(at, std::string(name).size());
        }
    }
    if (key.size() == 1)
        key[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
    return modifiers.empty() ? key : modifiers + "-" + key;
}

// The colour that most opaque pixels of a picture of the list have: what shows where the picture is drawn.
TColor ActionPictureColour(TPngImageList& images, int index)
{
    TBitmap bitmap;
    images.PngImages()->Items(index)->PngImage()->ToBitmap(bitmap);
    std::map<TColor, int> counts;
    for (int y = 0; y < bitmap.Height(); ++y) {
        const auto* row = static_cast<const uint8_t*>(bitmap.ScanLine(y));
        for (int x = 0; x < bitmap.Width(); ++x) {
            const uint8_t* p = row + 4 * x; // B, G, R, A
            if (p[3] == 255)
                ++counts[static_cast<TColor>(p[2] | p[1] << 8 | p[0] << 16)];
        }
    }
    TColor best = clNone;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most)
            best = colour, most = count;
    }
    return best;
}

TCustomAction* ItemActionOf(const TBarCustomItem* item)
{
    return dynamic_cast<TCustomAction*>(item->Action());
}

class MainActions : public MainWindow
{
protected:
    // The menu bar's submenu of that name, opened by its Alt key; while it is open, look runs with the
    // submenu's popup window.
    void WithMenuOpen(const std::string& name, const std::string& altKey,
                      const std::function<void(TBarPopupWindow*, TBarCustomItem*)>& look)
    {
        auto* submenu = dynamic_cast<TBarCustomItem*>(Form->FindComponent(name));
        ASSERT_TRUE(submenu) << name;
        TWinControl* focused = Form->FileListView().Grid();
        TLoopScript script({{[&] {
                                ASSERT_EQ(OpenPopups().size(), 1u) << name;
                                look(OpenPopups()[0], submenu);
                            }},
                            {[focused] { Press(focused, "Esc"); }},
                            {[focused] { Press(focused, "Esc"); }}});
        Press(focused, altKey);
        Pump();
        EXPECT_EQ(script.StepsTaken(), 3) << name;
        EXPECT_TRUE(OpenPopups().empty());
    }
};

TEST_F(MainActions, NamesAreUniqueAndCategoriesAndShortcutsAreTheKnownOnes)
{
    Start();
    std::set<std::string> names;
    int columns = 0;
    int settingsGroups = 0;
    ForEachMainAction(Form->Actions, [&](TAction* action, const TMainActionSpec& spec) {
        EXPECT_TRUE(names.insert(action->Name()).second) << action->Name() << " twice";
        EXPECT_EQ(action->Name(), spec.Name);
        const std::string& name = action->Name();
        const bool groupCommand =
            name.starts_with("actCopy") || name.starts_with("actPaste") || name.starts_with("actDefault");
        if (!spec.Column.empty()) {
            ++columns;
            EXPECT_EQ(action->Category(), "Columns") << action->Name();
            EXPECT_EQ(action->ShortCut(), 0) << action->Name();
        } else if (groupCommand) {
            ++settingsGroups;
            EXPECT_EQ(action->Category(), "Encoder") << action->Name();
            EXPECT_EQ(action->ShortCut(), 0) << action->Name();
        }
    });
    EXPECT_EQ(names.size(), 78u);
    EXPECT_EQ(columns, 27);
    EXPECT_EQ(settingsGroups, 12);

    for (const TExpectedMainAction& expected : ExpectedMainActions) {
        auto* action = dynamic_cast<TCustomAction*>(Form->FindComponent(expected.Name));
        ASSERT_TRUE(action) << expected.Name;
        EXPECT_EQ(action->Category(), expected.Category) << expected.Name;
        EXPECT_EQ(action->ShortCut() ? ShortCutToText(action->ShortCut()) : "", expected.ShortCut)
            << expected.Name;
    }
}

TEST_F(MainActions, EachShortcutRunsItsCommandByAKeyPressButNotWhileTheWindowIsGreyed)
{
    Start();
    std::map<std::string, int> ran;
    std::vector<std::pair<TAction*, std::string>> keyed;
    ForEachMainAction(Form->Actions, [&](TAction* action, const TMainActionSpec& spec) {
        if (spec.ShortCut.empty())
            return;
        // Counted instead of carried out: the commands' own work is tested with them.
        action->OnExecute = [&ran, name = action->Name()](TObject*) { ++ran[name]; };
        keyed.emplace_back(action, ShortCutAsDriverKey(std::string(spec.ShortCut)));
    });
    ASSERT_EQ(keyed.size(), 21u);
    TWinControl* focused = Form->FileListView().Grid();

    for (const auto& [action, key] : keyed) {
        action->SetEnabled(true);
        Press(focused, key);
        EXPECT_EQ(ran[action->Name()], 1) << key << " for " << action->Name();
    }

    ran.clear();
    Form->DisableAll();
    for (const auto& [action, key] : keyed) {
        // A key no command takes goes on: F10 then enters the menu bar's keyboard mode, as it does anywhere.
        if (key != "F10")
            Press(focused, key);
    }
    Form->EnableAll();
    EXPECT_TRUE(ran.empty()) << ran.begin()->first << " ran while the window was greyed";
}

TEST_F(MainActions, ToolBarButtonsShowTheirActionsPictures)
{
    Start();
    TBarView* view = Form->tbMain->View();
    int probed = 0;
    for (int i = 0; i < Form->tbMain->Items()->Count(); ++i) {
        TBarCustomItem* button = Form->tbMain->Items()->Items(i);
        if (TCustomAction* action = ItemActionOf(button))
            action->SetEnabled(true); // a greyed picture is drawn faded
    }
    Pump();
    std::unique_ptr<TBitmap> bar = Render(Form->tbMain);
    SaveScreenshot(*bar, "main_tool_bar", 2);
    for (int i = 0; i < Form->tbMain->Items()->Count(); ++i) {
        TBarCustomItem* button = Form->tbMain->Items()->Items(i);
        TCustomAction* action = ItemActionOf(button);
        if (!action || !action->Visible())
            continue;
        ASSERT_GE(action->ImageIndex(), 0) << button->Name();
        TBarItemViewer* viewer = view->Find(button);
        ASSERT_TRUE(viewer && viewer->Show()) << button->Name();
        const TColor colour = ActionPictureColour(*Form->ilActions, action->ImageIndex());
        EXPECT_GE(CountPixels(*bar, viewer->BoundsRect(), colour), 8)
            << button->Name() << " shows its picture";
        ++probed;
    }
    EXPECT_GE(probed, 6);
}

TEST_F(MainActions, ToolBarButtonsKeepTheirShortCaptionsAfterARunGreyedTheWindow)
{
    Start();
    auto* pin = dynamic_cast<TBarCustomItem*>(Form->FindComponent("btnStayOnTop"));
    auto* add = dynamic_cast<TBarCustomItem*>(Form->FindComponent("btnAdd"));
    ASSERT_TRUE(pin && add);
    const auto width = [&] {
        Form->tbMain->View()->ValidatePositions();
        return Form->tbMain->View()->Find(pin)->BoundsRect().Width();
    };
    const int before = width();
    // Greying and restoring change every action's state; the buttons keep the captions the window gave them.
    Form->DisableAll();
    Form->EnableAll();
    Pump();
    EXPECT_EQ(width(), before);
    EXPECT_EQ(add->Caption(), "Add");
    EXPECT_EQ(dynamic_cast<TBarCustomItem*>(Form->FindComponent("btnConvert"))->Caption(), "Convert");
    SaveScreenshot(*Render(Form->tbMain), "main_tool_bar_after_a_run");
}

TEST_F(MainActions, MenusShowTheirCommandsWithPictures)
{
    Start();
    const std::pair<const char*, const char*> menus[] = {
        {"mnuFile", "A-f"}, {"mnuFileList", "A-l"}, {"mnuEncoder", "A-e"}, {"mnuHelp", "A-h"}};
    for (const auto& [name, altKey] : menus) {
        const std::string menu = name;
        WithMenuOpen(menu, altKey, [&](TBarPopupWindow* popup, TBarCustomItem* submenu) {
            std::unique_ptr<TBitmap> picture = RenderPopups();
            SaveScreenshot(*picture, "main_menu_" + menu);
            int pictures = 0;
            for (int i = 0; i < submenu->Count(); ++i) {
                TBarCustomItem* item = submenu->Items(i);
                TCustomAction* action = ItemActionOf(item);
                if (!action || !action->Visible() || !action->Enabled() || action->ImageIndex() < 0)
                    continue;
                const TRect entry = EntryInPicture(popup, item);
                const TRect square{entry.Left, entry.Top, entry.Left + entry.Height(), entry.Bottom};
                const TColor colour = ActionPictureColour(*Form->ilActions, action->ImageIndex());
                EXPECT_GT(PixelCount(*picture, square, colour), 0) << action->Name() << " in " << menu;
                ++pictures;
            }
            EXPECT_GT(pictures, 0) << menu;
        });
    }
}

TEST_F(MainActions, WebLinksWithoutAnAddressAreHiddenAndTheOthersOpenTheirPage)
{
    const struct
    {
        const char* address;
        bool visible;
        std::vector<std::string> opened;
    } table[] = {
        {"", false, {}},
        {"https://example.org/quick-start", true, {"open https://example.org/quick-start"}},
    };
    for (const auto& row : table) {
        TRecordingShell shell;
        auto action = std::make_unique<TAction>(nullptr);
        BindWebLink(*action, row.address);
        EXPECT_EQ(action->Visible(), row.visible) << row.address;
        action->Execute();
        EXPECT_EQ(shell.Calls, row.opened) << row.address;
    }

    // The program's own links: a link without an address shows nowhere.
    Start();
    const TWebAddresses& web = WebAddresses();
    const std::pair<TAction*, std::string_view> links[] = {{Form->Actions.actHelp, web.QuickStartGuide},
                                                           {Form->Actions.actGoToHomePage, web.HomePage},
                                                           {Form->Actions.actGoToDonation, web.Donation},
                                                           {Form->Actions.actGoToFacebook, web.Facebook},
                                                           {Form->Actions.actGoToTwitter, web.Twitter}};
    for (const auto& [action, address] : links)
        EXPECT_EQ(action->Visible(), !address.empty()) << action->Name();
    auto* homeButton = dynamic_cast<TBarCustomItem*>(Form->FindComponent("btnHomePage"));
    ASSERT_TRUE(homeButton);
    EXPECT_EQ(homeButton->Visible(), !web.HomePage.empty());
    EXPECT_EQ(Form->Panels().btnInfoFourcc->Visible(), !web.VideoTagReference.empty());
}

// A click in the middle of a button of the settings panels.
void ClickPanelButton(TControl* button)
{
    Click(button->Parent(), {button->Left() + button->Width() / 2, button->Top() + button->Height() / 2});
}

TEST_F(MainActions, AudioBitrateInfoWritesTheTableAndOpensIt)
{
    Start();
    TRecordingShell shell;
    ClickPanelButton(Form->Panels().btnInfoAudioBitrates);

    const std::string fileName = AppParams.AudioBitratesTxt;
    EXPECT_EQ(shell.Calls, std::vector<std::string>{"open " + fileName});
    std::ifstream written(fileName);
    std::string first;
    std::getline(written, first);
    EXPECT_FALSE(first.empty()) << "the table was written";
    EXPECT_TRUE(Services.Boxes.empty());
}

TEST_F(MainActions, AudioBitrateInfoThatCannotBeWrittenIsReportedAndOpensNothing)
{
    Start();
    TRecordingShell shell;
    // A folder where the file would go: the table cannot be written.
    std::filesystem::create_directories(AppParams.AudioBitratesTxt);
    ClickPanelButton(Form->Panels().btnInfoAudioBitrates);

    ASSERT_EQ(Services.Boxes.size(), 1u) << "the failure is reported";
    EXPECT_NE(Services.Boxes[0].find(AppParams.AudioBitratesTxt), std::string::npos) << Services.Boxes[0];
    EXPECT_TRUE(shell.Calls.empty());
}

TEST_F(MainActions, EncoderHelpOpensTheLongHelpBesideTheEncoderWhenThereIsOne)
{
    Start();
    const std::string folder = Temp.MakeDir("encoder");
    const std::string encoder = folder + "/ffmpeg";
    std::ofstream(encoder) << "#!/bin/sh\n";
    std::filesystem::permissions(encoder, std::filesystem::perms::owner_all);
    const std::string help = folder + "/ffmpeg_HELP_long.txt";

    for (const bool present : {false, true}) {
        if (present)
            std::ofstream(help) << "options\n";
        TRecordingShell shell;
        AppParams.ffmpeg = encoder;
        // The button lies below the advanced settings' visible part: its handler, as its click runs it.
        Form->btnFFParamsClick(Form->Panels().btnFFParams);
        EXPECT_EQ(shell.Calls,
                  present ? std::vector<std::string>{"open " + help} : std::vector<std::string>{})
            << (present ? "with" : "without") << " the help file";
    }
}

} // namespace

// The menu bar and the tool bar are made before the window first shows; they must reach the screen with it,
// not only a picture painted of the window.
TEST_F(MainActions, BarsReachTheScreenWithTheWindow)
{
    Start();
    const std::unique_ptr<TBitmap> screen = ScreenBitmap(Form);
    TCanvas& canvas = *screen->Canvas();
    for (TQvToolbar* bar : {Form->tbMainMenu, Form->tbMain}) {
        SCOPED_TRACE(bar->Name());
        EXPECT_TRUE(IsWindowVisible(bar->Handle()));
        // The captions' dark text along the bar's middle row.
        const TPoint origin = Form->ScreenToClient(bar->ClientToScreen({0, 0}));
        const int y = origin.Y + bar->Height() / 2;
        int dark = 0;
        for (int x = 0; x < 300; ++x) {
            const TColor c = ColorToRGB(canvas.Pixels(x, y));
            dark += (c & 0xFF) < 100 && ((c >> 8) & 0xFF) < 100 && ((c >> 16) & 0xFF) < 100;
        }
        EXPECT_GT(dark, 5);
    }
}
