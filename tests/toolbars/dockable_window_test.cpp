#include "controls/toolbars/dock_helpers.h"
#include "controls/toolbars/hook_service.h"
#include "dock_test_support.h"
#include "loop_script.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/windows/window_functions.h"

#include <string>
#include <vector>

// A docked window's frame and hit codes, its moves between parents, and closing it.

namespace {

using DockableWindow = DockFixture;

TPoint WindowOrigin(TWinControl* control)
{
    TRect r;
    GetWindowRect(control->Handle(), r);
    return r.TopLeft();
}

int HitAt(TWinControl* control, TPoint windowPos)
{
    const TPoint origin = WindowOrigin(control);
    return static_cast<int>(
        control->Perform(WM_NCHITTEST, 0, MAKELPARAM(origin.X + windowPos.X, origin.Y + windowPos.Y)));
}

TEST_F(DockableWindow, DockedFrameMetricsAndHitCodes)
{
    const struct
    {
        const char* name;
        TBarDockPosition position;
        bool allowDrag;
        TBarDragHandleStyle style;
        bool closeButton;
        TPoint nonClient;
        TRect clientInWindow; // for a 50 x 20 content
        std::vector<std::pair<TPoint, int>> hits;
    } table[] = {
        {"no dragging: 2 pixels all round whatever the handle",
         dpTop,
         false,
         dhDouble,
         true,
         {4, 4},
         {2, 2, 52, 22},
         {{{0, 0}, HTBARDRAGHANDLE}, {{53, 10}, HTBARDRAGHANDLE}, {{20, 10}, HTCLIENT}}},
        {"a single grip",
         dpTop,
         true,
         dhSingle,
         false,
         {10, 4},
         {8, 2, 58, 22},
         {{{4, 10}, HTBARDRAGHANDLE}, {{30, 10}, HTCLIENT}}},
        {"a close button without grips keeps a 14-pixel band",
         dpTop,
         true,
         dhNone,
         true,
         {18, 4},
         {16, 2, 66, 22},
         {{{8, 7}, HTBARCLOSE}, {{8, 18}, HTBARDRAGHANDLE}, {{40, 10}, HTCLIENT}}},
        {"a double grip in a left dock",
         dpLeft,
         true,
         dhDouble,
         false,
         {4, 13},
         {2, 11, 52, 31},
         {{{20, 4}, HTBARDRAGHANDLE}, {{20, 20}, HTCLIENT}}},
    };
    for (const auto& row : table) {
        TBarDock* dock = row.position == dpTop ? top : AddDock(row.position, "Dock");
        dock->SetAllowDrag(row.allowDrag);
        auto* bar = new TFakeBar(form);
        bar->SetDragHandleStyle(row.style);
        bar->SetCloseButtonWhenDocked(row.closeButton);
        bar->DockAt(dock, 0, 0);
        EXPECT_EQ(bar->NonClientWidth(), row.nonClient.X) << row.name;
        EXPECT_EQ(bar->NonClientHeight(), row.nonClient.Y) << row.name;
        EXPECT_EQ(ClientInWindow(bar), row.clientInWindow) << row.name;
        for (const auto& [point, hit] : row.hits)
            EXPECT_EQ(HitAt(bar, point), hit) << row.name << " at " << point.X << "," << point.Y;
        bar->Free();
        if (dock != top)
            dock->Free();
    }
}

TEST_F(DockableWindow, MovesKeepTheWindowAndTellInOrder)
{
    TBarDock* bottom = AddDock(dpBottom, "BottomDock");
    TFakeBar* bar = AddBar(top, 0, 0);
    const HWND handle = bar->Handle();
    std::vector<std::string> events;
    bar->OnDockChanging = [&](TObject*, bool floating, TBarDock* to) {
        events.push_back(std::string("changing to ") + (to ? to->Name() : floating ? "frame" : "form"));
    };
    bar->OnRecreating = [&](TObject*) { events.push_back("recreating"); };
    bar->OnDockChangingHidden = [&](TObject*, bool, TBarDock*) {
        events.push_back(IsWindowVisible(handle) ? "visible while moving" : "hidden");
    };
    bar->OnMove = [&](TObject*) { events.push_back("moved"); };
    bar->OnRecreated = [&](TObject*) { events.push_back("recreated"); };
    bar->OnDockChanged = [&](TObject*) { events.push_back("changed"); };

    bar->SetParent(bottom);
    EXPECT_EQ(events, (std::vector<std::string>{"changing to BottomDock", "recreating", "hidden", "moved",
                                                "recreated", "changed"}));
    EXPECT_EQ(bar->Handle(), handle) << "the window keeps its handle";
    EXPECT_TRUE(IsWindowVisible(handle)) << "shown again after the move";
    EXPECT_EQ(bar->CurrentDock(), bottom);
    EXPECT_TRUE(bar->Docked());
    EXPECT_EQ(top->Height(), 0);
    EXPECT_EQ(bottom->Height(), 24);

    events.clear();
    bar->SetCurrentDock(nullptr);
    EXPECT_EQ(bar->Parent(), form);
    EXPECT_FALSE(bar->Docked());
    EXPECT_EQ(bar->Handle(), handle);
    EXPECT_EQ(events.front(), "changing to form");
    EXPECT_EQ(ClientInWindow(bar), (TRect{0, 0, 50, 20})) << "on a form the window has no frame";
    EXPECT_EQ(bottom->DockList, (std::vector<TBarCustomDockableWindow*>{bar}))
        << "the last dock remembers it";
    EXPECT_TRUE(bottom->DockVisibleList.empty());
}

TEST_F(DockableWindow, AFailedMoveLeavesTheStateOfTheActualParent)
{
    TFakeBar* bar = AddBar(top, 0, 0);
    auto* inside = new TFakeBar(bar);
    inside->SetParent(bar);
    EXPECT_THROW(bar->SetParent(inside), EInvalidOperation);
    EXPECT_EQ(bar->Parent(), nullptr);
    EXPECT_EQ(bar->CurrentDock(), nullptr);
    EXPECT_FALSE(bar->Docked());
    EXPECT_FALSE(bar->Floating());
    EXPECT_EQ(top->Height(), 0) << "the dock's update bracket was closed: it arranged";
    bar->SetParent(top);
    EXPECT_TRUE(bar->Docked());
    EXPECT_TRUE(IsWindowVisible(bar->Handle())) << "nothing keeps it hidden";
    EXPECT_EQ(top->Height(), 24);

    auto* lonely = new TFakeBar(nullptr);
    lonely->SetName("Lonely");
    try {
        lonely->SetCurrentDock(nullptr);
        ADD_FAILURE() << "a window without a form cannot go to it";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Control 'Lonely' has no parent window");
    }
    lonely->Free();
}

TEST_F(DockableWindow, WindowsShareTheThreadsHooks)
{
    const int before = HookUserCount(htCallWndProc);
    TFakeBar* a = AddBar(top, 0, 0);
    TFakeBar* b = AddBar(top, 0, 100);
    EXPECT_TRUE(HookInstalled(htCallWndProc));
    EXPECT_TRUE(HookInstalled(htCBT));
    EXPECT_EQ(HookUserCount(htCallWndProc), before + 2) << "one hook, counted for each window";
    EXPECT_EQ(HookUserCount(htCBT), before + 2);
    a->Free();
    b->Free();
    EXPECT_EQ(HookUserCount(htCallWndProc), before);
}

TEST_F(DockableWindow, ClosingAsksAndHides)
{
    TFakeBar* bar = AddBar(top, 0, 0);
    int closed = 0;
    bar->OnClose = [&](TObject*) { ++closed; };
    bool allow = false;
    bar->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    top->SetAllowDrag(true);
    bar->SetCloseButtonWhenDocked(true);
    bar->SetDragHandleStyle(dhNone);
    const TPoint button{8, 7};
    // Pressed on the close button and released beside it: nothing closes.
    {
        TLoopScript script({{[&] {
                                FrameMouseMove(bar, {40, 10}, ssLeft);
                            }},
                            {[&] {
                                FrameMouseUp(bar, {40, 10});
                            }}});
        FrameMouseDown(bar, button);
    }
    EXPECT_TRUE(bar->Visible());
    // Released on it: the query decides.
    for (bool answer : {false, true}) {
        allow = answer;
        TLoopScript script({{[&] { FrameMouseUp(bar, button); }}});
        FrameMouseDown(bar, button);
        EXPECT_EQ(bar->Visible(), !answer);
    }
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(top->Height(), 0);
}

} // namespace
