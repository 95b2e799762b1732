#include "gui_driver_qt.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/system_menu_popup.h"
#include "platform/gui/windows/system_menu.h"
#include "platform/gui/windows/window_functions.h"
#include "popup_test_support.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The window menu of a form: its entries as the border asks for them, their states as the window's state
// asks for them, the copy a caller changes, Alt+Space and the commands the entries send.

namespace {

using Entries = std::vector<std::string>;

// Each entry as its text with "(grey)" and "(default)" marks, a separator as "-".
Entries Describe(HMENU menu)
{
    Entries entries;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFO info;
        info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID;
        EXPECT_TRUE(GetMenuItemInfo(menu, static_cast<unsigned>(i), true, info));
        if (info.fType & MFT_SEPARATOR) {
            entries.push_back("-");
            continue;
        }
        std::string text = info.text;
        if (info.fState & MFS_GRAYED)
            text += " (grey)";
        if (info.fState & MFS_DEFAULT)
            text += " (default)";
        entries.push_back(text);
    }
    return entries;
}

class SystemMenu : public testing::Test
{
protected:
    void SetUp() override { form = ShowTestForm(300, 200); }
    void TearDown() override
    {
        form->Free();
        Pump();
    }
    void SetState(int showCommand)
    {
        ShowWindow(form->Handle(), showCommand);
        Pump();
    }
    TForm* form = nullptr;
};

TEST_F(SystemMenu, EntriesFollowTheBorderAndTheWindowsState)
{
    const std::string close = "&Close\tAlt+F4 (default)";
    const struct
    {
        const char* what;
        TFormBorderStyle border;
        TBorderIcons icons;
        int showCommand;
        Entries entries;
    } cases[] = {
        {"sizeable, normal",
         bsSizeable,
         {biSystemMenu, biMinimize, biMaximize},
         SW_RESTORE,
         {"&Restore (grey)", "&Move", "&Size", "Mi&nimize", "Ma&ximize", "-", close}},
        {"sizeable, maximized",
         bsSizeable,
         {biSystemMenu, biMinimize, biMaximize},
         SW_SHOWMAXIMIZED,
         {"&Restore", "&Move (grey)", "&Size (grey)", "Mi&nimize", "Ma&ximize (grey)", "-", close}},
        {"sizeable, minimized",
         bsSizeable,
         {biSystemMenu, biMinimize, biMaximize},
         SW_MINIMIZE,
         {"&Restore", "&Move (grey)", "&Size (grey)", "Mi&nimize (grey)", "Ma&ximize", "-", close}},
        {"fixed border: no Size, no Maximize",
         bsSingle,
         {biSystemMenu, biMinimize, biMaximize},
         SW_RESTORE,
         {"&Restore (grey)", "&Move", "Mi&nimize", "-", close}},
        {"sizeable without boxes", bsSizeable, {biSystemMenu}, SW_RESTORE, {"&Move", "&Size", "-", close}},
        {"dialog", bsDialog, {biSystemMenu, biMinimize, biMaximize}, SW_RESTORE, {"&Move", "-", close}},
        {"sizeable tool window", bsSizeToolWin, {biSystemMenu}, SW_RESTORE, {"&Move", "&Size", "-", close}},
        {"no border: no menu", bsNone, {biSystemMenu}, SW_RESTORE, {}},
        {"no system menu icon: no menu", bsSizeable, {biMinimize, biMaximize}, SW_RESTORE, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetState(SW_RESTORE);
        form->SetBorderStyle(c.border);
        form->SetBorderIcons(c.icons);
        SetState(c.showCommand);
        HMENU menu = GetSystemMenu(form->Handle(), false);
        EXPECT_EQ(menu != nullptr, !c.entries.empty());
        EXPECT_EQ(Describe(menu), c.entries);
    }
}

TEST_F(SystemMenu, ACallersChangeStaysUntilTheMenuIsRevertedAndGoesWithTheWindow)
{
    HMENU menu = GetSystemMenu(form->Handle(), false);
    ASSERT_TRUE(IsMenu(menu));
    EXPECT_EQ(GetMenuWindow(menu), form->Handle());
    EXPECT_EQ(EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED), MF_GRAYED);
    EXPECT_EQ(EnableMenuItem(menu, 0x1234, MF_BYCOMMAND | MF_GRAYED), -1) << "no such command";
    EXPECT_EQ(EnableMenuItem(menu, 99, MF_BYPOSITION | MF_GRAYED), -1) << "no such position";

    EXPECT_EQ(GetSystemMenu(form->Handle(), false), menu) << "the window keeps one copy";
    EXPECT_EQ(Describe(menu).back(), "&Close\tAlt+F4 (grey) (default)");
    EXPECT_EQ(GetMenuString(menu, 6, MF_BYPOSITION), "&Close\tAlt+F4");
    EXPECT_EQ(GetMenuString(menu, SC_MOVE, MF_BYCOMMAND), "&Move");
    EXPECT_EQ(GetMenuString(menu, 5, MF_BYPOSITION), "") << "a separator has no text";

    MENUITEMINFO info;
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    EXPECT_TRUE(GetMenuItemInfo(menu, SC_MAXIMIZE, false, info));
    EXPECT_EQ(info.wID, SC_MAXIMIZE);
    EXPECT_EQ(info.hSubMenu, nullptr);
    EXPECT_TRUE(info.text.empty()) << "the text was not asked for";
    EXPECT_FALSE(GetMenuItemInfo(menu, 7, true, info));

    EXPECT_EQ(GetSystemMenu(form->Handle(), true), menu);
    EXPECT_EQ(Describe(menu).back(), "&Close\tAlt+F4 (default)") << "reverted to the standard menu";

    form->Free();
    form = ShowTestForm();
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_EQ(GetMenuItemCount(menu), -1);
    EXPECT_EQ(GetMenuString(menu, 0, MF_BYPOSITION), "");
    EXPECT_EQ(GetSystemMenu(nullptr, false), nullptr);
}

TEST_F(SystemMenu, AltSpaceOpensItAtTheWindowsCornerAndTheChoiceRunsAsASystemCommand)
{
    std::vector<WPARAM> commands;
    TWndMethod formProc = form->WindowProc;
    form->WindowProc = [&](TMessage& message) {
        if (message.Msg == WM_SYSCOMMAND)
            commands.push_back(message.WParam);
        formProc(message);
    };
    int offeredToTheApplication = 0;
    const int hook = Application->HookMainWindow([&](TMessage& message) {
        offeredToTheApplication += message.Msg == CM_APPSYSCOMMAND ? 1 : 0;
        return false;
    });

    TRect windowRect;
    GetWindowRect(form->Handle(), windowRect);
    TPoint menuAt;
    std::string shownAsBold;
    OnNextMenu([&](QMenu& menu) {
        menuAt = {menu.pos().x(), menu.pos().y()};
        for (QAction* action : menu.actions())
            if (action->font().bold())
                shownAsBold = action->text().toStdString();
        const QImage shot = menu.grab().toImage();
        SaveScreenshot(shot, "system_menu_popup");
        // Enabled entries in dark text; the disabled one and the line before Close in grey only.
        for (QAction* action : menu.actions()) {
            const QRect r = menu.actionGeometry(action);
            int dark = 0, grey = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    const int level = qGray(shot.pixel(x, y));
                    dark += level < 80 ? 1 : 0;
                    grey += level >= 80 && level < 200 ? 1 : 0;
                }
            const std::string entry = action->isSeparator() ? "-" : action->text().toStdString();
            if (action->isSeparator() || !action->isEnabled()) {
                EXPECT_EQ(dark, 0) << entry;
                EXPECT_GT(grey, 10) << entry;
            } else {
                EXPECT_GT(dark, 10) << entry;
            }
        }
    });
    Press(form, "A-Space");
    EXPECT_EQ(menuAt, windowRect.TopLeft());
    EXPECT_EQ(shownAsBold, "&Close\tAlt+F4");
    EXPECT_EQ(commands, std::vector<WPARAM>{SC_KEYMENU});
    EXPECT_EQ(offeredToTheApplication, 0) << "the space is the window menu's, not the menu bar's";

    std::vector<std::string> entries;
    AnswerNextMenu("Ma&ximize", &entries);
    EXPECT_TRUE(PopupSystemMenu(form->Handle()));
    Pump();
    EXPECT_EQ(entries,
              (Entries{"&Restore", "&Move", "&Size", "Mi&nimize", "Ma&ximize", "-", "&Close\tAlt+F4"}));
    EXPECT_EQ(commands.back(), SC_MAXIMIZE);
    EXPECT_EQ(form->WindowState(), wsMaximized);
    Application->UnhookMainWindow(hook);
    form->WindowProc = formProc;
}

TEST_F(SystemMenu, SystemCommandsChangeTheWindowsStateAndCloseAsksFirst)
{
    const struct
    {
        WPARAM command;
        TWindowState state;
    } steps[] = {
        {SC_MAXIMIZE, wsMaximized},
        {SC_RESTORE, wsNormal},
        {SC_MINIMIZE, wsMinimized},
        {SC_RESTORE, wsNormal},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.command);
        SendMessage(form->Handle(), WM_SYSCOMMAND, step.command, 0);
        Pump();
        EXPECT_EQ(form->WindowState(), step.state);
    }

    // Moving and sizing with the pointer are the window system's; offscreen there is none, and nothing moves.
    const TRect before = form->BoundsRect();
    for (WPARAM command : {SC_MOVE, SC_MOVE | 2, SC_SIZE, SC_SIZE | 8}) {
        SendMessage(form->Handle(), WM_SYSCOMMAND, command, 0);
        Pump();
    }
    EXPECT_EQ(form->BoundsRect(), before);

    int asked = 0;
    form->OnCloseQuery = [&asked](TObject*, bool& canClose) {
        ++asked;
        canClose = false;
    };
    SendMessage(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form->Visible());
}

} // namespace
