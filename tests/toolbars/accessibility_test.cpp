#include "controls/toolbars/item_viewer.h"
#include "main_window_like.h"
#include "platform/gui/windows/accessibility.h"

#include <tuple>

// What accessibility clients see of the menu bar, the button bar and the menus, through the objects their
// windows serve, and the events they hear.

namespace {

class Accessibility : public testing::Test
{
protected:
    void SetUp() override
    {
        clock = std::make_unique<TManualClock>(1000);
        w = std::make_unique<TMainWindowLike>();
    }
    void TearDown() override
    {
        w.reset();
        clock.reset();
    }
    static std::shared_ptr<IAccessibleObject> ObjectOf(TWinControl* window)
    {
        return AccessibleObjectOfWindow(window->Handle());
    }
    // The child of an object whose name starts with name.
    static std::shared_ptr<IAccessibleObject> Named(IAccessibleObject& parent, const std::string& name)
    {
        for (int i = 1; i <= parent.ChildCount(); ++i)
            if (auto child = parent.Child(i); child && child->Name().starts_with(name))
                return child;
        return nullptr;
    }

    std::unique_ptr<TManualClock> clock;
    std::unique_ptr<TMainWindowLike> w;
};

TEST_F(Accessibility, BarsAndTheirItems)
{
    auto menuBar = ObjectOf(w->menuBar);
    ASSERT_NE(menuBar, nullptr);
    EXPECT_EQ(menuBar->Role(), ROLE_SYSTEM_MENUBAR);
    EXPECT_EQ(menuBar->KeyboardShortcut(), "Alt");
    EXPECT_EQ(menuBar->ChildCount(), 5);
    EXPECT_EQ(menuBar->Child(6), nullptr) << "no sixth item";
    EXPECT_EQ(menuBar->Child(0), menuBar) << "child 0 is the object itself";
    auto file = menuBar->Child(1);
    EXPECT_EQ(file->Name(), "File");
    EXPECT_EQ(file->Role(), ROLE_SYSTEM_MENUITEM);
    EXPECT_EQ(file->KeyboardShortcut(), "Alt+f");
    EXPECT_EQ(file->DefaultAction(), "Open");
    EXPECT_EQ(file->State() & (STATE_SYSTEM_HASPOPUP | STATE_SYSTEM_FOCUSABLE),
              STATE_SYSTEM_HASPOPUP | STATE_SYSTEM_FOCUSABLE);
    EXPECT_EQ(file->Parent(), menuBar);
    EXPECT_EQ(file->Navigate(NAVDIR_RIGHT)->Name(), "View");
    const TRect r = file->Location();
    EXPECT_EQ(menuBar->HitTest({r.Left + 2, r.Top + 2}), file);

    auto buttons = ObjectOf(w->buttonBar);
    EXPECT_EQ(buttons->Role(), ROLE_SYSTEM_TOOLBAR);
    EXPECT_EQ(buttons->KeyboardShortcut(), "");
    auto open = buttons->Child(1);
    EXPECT_EQ(open->Name(), "Open...") << "on a toolbar the name holds no shortcut";
    EXPECT_EQ(open->Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(open->DefaultAction(), "Press");
    EXPECT_EQ(buttons->Child(3)->Role(), ROLE_SYSTEM_SEPARATOR);

    // A disabled item: unavailable, no default action, nothing done.
    w->actionByName["Open"]->SetEnabled(false);
    EXPECT_NE(open->State() & STATE_SYSTEM_UNAVAILABLE, 0u);
    EXPECT_EQ(open->DefaultAction(), "");
    EXPECT_FALSE(open->DoDefaultAction());

    // What goes makes its object invalid.
    w->buttonBar->Items()->Items(0)->Free();
    EXPECT_FALSE(open->Valid());
    EXPECT_EQ(open->Name(), "");
}

TEST_F(Accessibility, MenusWhileTheyAreOpen)
{
    std::vector<std::tuple<uint32_t, HWND, int>> events;
    const int listener = AddAccessibleEventListener(
        [&events](uint32_t event, HWND window, int child) { events.emplace_back(event, window, child); });
    const HWND bar = w->menuBar->Handle();
    HWND popupWindow = nullptr;
    TLoopScript script({{[&] { Press(w->edit, "Down"); }}, {[&] {
                            ASSERT_EQ(OpenPopups().size(), 1u);
                            popupWindow = OpenPopups()[0]->Handle();
                            auto menu = AccessibleObjectOfWindow(popupWindow);
                            EXPECT_EQ(menu->Role(), ROLE_SYSTEM_MENUPOPUP);
                            EXPECT_EQ(menu->Name(), "File") << "named after its opener";
                            auto file = ObjectOf(w->menuBar)->Child(1);
                            EXPECT_EQ(menu->Parent(), file);
                            EXPECT_EQ(file->ChildCount(), 1);
                            EXPECT_EQ(file->Child(1), menu);
                            auto save = Named(*menu, "Save");
                            ASSERT_NE(save, nullptr);
                            EXPECT_EQ(save->Name(), "Save list\tCtrl+S");
                            EXPECT_EQ(save->KeyboardShortcut(), "s") << "in a menu the letter alone";
                            EXPECT_EQ(save->DefaultAction(), "Execute");
                            EXPECT_EQ(menu->Child(1)->FocusedChild(), menu->Child(1))
                                << "the first entry is selected";
                            EXPECT_NE(menu->Child(1)->State() & STATE_SYSTEM_FOCUSED, 0u);
                            // The opener's default action closes its menu, and at the bar ends the loop.
                            EXPECT_EQ(file->DefaultAction(), "Close");
                            EXPECT_TRUE(file->DoDefaultAction());
                            EXPECT_TRUE(OpenPopups().empty());
                        }}});
    Press(w->edit, "Alt");
    Pump();
    RemoveAccessibleEventListener(listener);
    EXPECT_FALSE(w->menuBar->View()->State().Contains(vsModal));
    const std::vector<std::tuple<uint32_t, HWND, int>> expected = {
        {EVENT_SYSTEM_MENUSTART, bar, CHILDID_SELF},   {EVENT_OBJECT_FOCUS, bar, 1},
        {EVENT_SYSTEM_MENUPOPUPSTART, popupWindow, 0}, {EVENT_OBJECT_FOCUS, popupWindow, 1},
        {EVENT_SYSTEM_MENUPOPUPEND, popupWindow, 0},   {EVENT_OBJECT_FOCUS, bar, 1}, // back at the bar
        {EVENT_SYSTEM_MENUEND, bar, CHILDID_SELF}};
    EXPECT_EQ(events, expected);
}

TEST_F(Accessibility, ItemsOffTheEdgeCountButCannotBeSelected)
{
    TMainWindowLike narrow(120);
    narrow.buttonBar->SetShrinkMode(tbsmChevron);
    narrow.form->SetClientWidth(110);
    auto buttons = ObjectOf(narrow.buttonBar);
    std::shared_ptr<IAccessibleObject> hidden;
    for (int i = 1; i <= buttons->ChildCount() && !hidden; ++i)
        if (buttons->Child(i)->State() & STATE_SYSTEM_INVISIBLE)
            hidden = buttons->Child(i);
    ASSERT_NE(hidden, nullptr) << "some buttons do not fit";
    EXPECT_FALSE(hidden->Select());
    auto first = buttons->Child(1);
    EXPECT_EQ(buttons->Navigate(NAVDIR_FIRSTCHILD), first);
}

} // namespace
