#include "controls/toolbars/hook_service.h"
#include "gui_driver.h"
#include "platform/gui/windows/hooks.h"
#include "platform/gui/windows/window_functions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// The shared window hooks: one hook per kind for any number of users, events by code, and registrations
// that change while the hooks walk their procedures.

namespace {

std::vector<std::string> heard;
int userA;
int userB;

std::string CodeName(THookProcCode code)
{
    const char* names[] = {"activate", "activateApp", "posChanged", "destroy", "message"};
    return names[code];
}

void FirstProc(THookProcCode code, HWND, WPARAM, LPARAM)
{
    heard.push_back("first:" + CodeName(code));
}

void SecondProc(THookProcCode code, HWND, WPARAM, LPARAM)
{
    heard.push_back("second:" + CodeName(code));
}

// Takes its own registration out while it is being called: the last one, so the hook goes too.
void SelfRemovingProc(THookProcCode code, HWND, WPARAM, LPARAM)
{
    heard.push_back("removing:" + CodeName(code));
    UnregisterHookProc(&userA, SelfRemovingProc);
    UnregisterHookProc(&userB, SecondProc);
}

void ThrowingProc(THookProcCode, HWND, WPARAM, LPARAM)
{
    heard.push_back("throwing");
    throw std::runtime_error("a procedure's own failure");
}

class HookService : public testing::Test
{
protected:
    void SetUp() override
    {
        heard.clear();
        form = ShowTestForm(200, 100);
    }
    void TearDown() override
    {
        UnregisterHookProc(&userA, FirstProc);
        UnregisterHookProc(&userB, FirstProc);
        UnregisterHookProc(&userA, SecondProc);
        UnregisterHookProc(&userB, SecondProc);
        UnregisterHookProc(&userA, SelfRemovingProc);
        UnregisterHookProc(&userA, ThrowingProc);
        form->Free();
        Pump();
    }
    // A message sent to a window, which the send-message hooks see.
    void SendActivateApp() { SendMessage(form->Handle(), WM_ACTIVATEAPP, 1, 0); }

    TForm* form = nullptr;
};

TEST_F(HookService, UsersShareOneHookPerKindUntilTheLastGoes)
{
    const THookProcCodes codes = {hpSendActivate, hpSendActivateApp, hpSendWindowPosChanged, hpPreDestroy};
    RegisterHookProc(&userA, FirstProc, codes);
    RegisterHookProc(&userB, FirstProc, codes);
    RegisterHookProc(&userB, FirstProc, codes); // the same pair again counts once
    EXPECT_TRUE(HookInstalled(htCallWndProc));
    EXPECT_TRUE(HookInstalled(htCBT));
    EXPECT_FALSE(HookInstalled(htGetMessage));
    EXPECT_EQ(HookUserCount(htCallWndProc), 2);
    EXPECT_EQ(HookUserCount(htCBT), 2);

    UnregisterHookProc(&userB, SecondProc); // never registered: nothing changes
    UnregisterHookProc(&userA, FirstProc);
    EXPECT_TRUE(HookInstalled(htCallWndProc));
    EXPECT_EQ(HookUserCount(htCallWndProc), 1);

    UnregisterHookProc(&userB, FirstProc);
    EXPECT_FALSE(HookInstalled(htCallWndProc));
    EXPECT_FALSE(HookInstalled(htCBT));
    EXPECT_FALSE(HookStateAllocated()) << "the last registration frees the thread's record and list";
}

TEST_F(HookService, ProceduresHearOnlyTheirCodesInRegistrationOrder)
{
    RegisterHookProc(&userA, FirstProc, {hpSendActivateApp, hpPreDestroy, hpGetMessage});
    RegisterHookProc(&userA, SecondProc, hpSendWindowPosChanged);
    // What each event made the procedures hear, repeats counted once.
    auto heardAfter = [](const std::function<void()>& event) {
        heard.clear();
        event();
        std::vector<std::string> seen;
        for (const std::string& h : heard)
            if (std::find(seen.begin(), seen.end(), h) == seen.end())
                seen.push_back(h);
        return seen;
    };
    using Heard = std::vector<std::string>;
    EXPECT_EQ(heardAfter([this] { SendActivateApp(); }), Heard{"first:activateApp"});
    EXPECT_EQ(heardAfter([this] {
                  SetWindowPos(form->Handle(), nullptr, 30, 40, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
              }),
              Heard{"second:posChanged"});
    EXPECT_EQ(heardAfter([this] {
                  PostMessage(form->Handle(), WM_NULL, 0, 0);
                  Pump();
              }),
              Heard{"first:message"});
    auto* doomed = new TForm(nullptr);
    doomed->HandleNeeded();
    EXPECT_EQ(heardAfter([doomed] { doomed->Free(); }), Heard{"first:destroy"});
}

// A procedure that removes the last registrations while the hook walks them must leave the walk, the
// thread's record and the next hook in the chain intact (this runs under AddressSanitizer too).
TEST_F(HookService, LastRegistrationRemovedDuringTheWalk)
{
    int olderHookCalls = 0;
    HHOOK older = SetWindowsHookEx(WH_CALLWNDPROC, [&olderHookCalls](int, WPARAM, LPARAM) {
        ++olderHookCalls;
        return LRESULT{0};
    });
    RegisterHookProc(&userA, SelfRemovingProc, hpSendActivateApp);
    RegisterHookProc(&userB, SecondProc, hpSendActivateApp);
    SendActivateApp();
    EXPECT_EQ(heard, (std::vector<std::string>{"removing:activateApp"}))
        << "an entry removed during the walk is not called";
    EXPECT_EQ(olderHookCalls, 1) << "the walk hands on to the hook installed before";
    EXPECT_FALSE(HookInstalled(htCallWndProc));
    EXPECT_FALSE(HookStateAllocated());

    heard.clear();
    SendActivateApp();
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(olderHookCalls, 2);
    UnhookWindowsHookEx(older);
}

TEST_F(HookService, AFailingProcedureLeavesTheOthersAndTheChain)
{
    RegisterHookProc(&userA, ThrowingProc, hpSendActivateApp);
    RegisterHookProc(&userA, FirstProc, hpSendActivateApp);
    SendActivateApp();
    EXPECT_EQ(heard, (std::vector<std::string>{"throwing", "first:activateApp"}));
}

TEST_F(HookService, UninstallingTheThreadsHooksLeavesNoneWhateverTheCounts)
{
    RegisterHookProc(&userA, FirstProc, {hpSendActivateApp, hpGetMessage});
    UninstallThreadHooks();
    EXPECT_FALSE(HookInstalled(htCallWndProc));
    EXPECT_FALSE(HookInstalled(htGetMessage));
    SendActivateApp();
    EXPECT_TRUE(heard.empty());
    RegisterHookProc(&userB, FirstProc, hpSendActivateApp); // the next registration brings them back
    EXPECT_TRUE(HookInstalled(htCallWndProc));
    SendActivateApp();
    EXPECT_EQ(heard, (std::vector<std::string>{"first:activateApp"}));
}

} // namespace
