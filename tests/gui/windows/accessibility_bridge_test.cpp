#include "platform/gui/windows/accessibility.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

#include <gtest/gtest.h>

#include <tuple>

// Accessible objects of ours served to the toolkit's accessibility for a window, and the events windows send.

namespace {

// A part of a window with fixed answers; its children are the parts below it.
class TFakePart : public IAccessibleObject, public std::enable_shared_from_this<TFakePart>
{
public:
    TFakePart(TWinControl** window, std::weak_ptr<TFakePart> parent, std::string name, int role,
              uint32_t state)
        : window_(window), parent_(std::move(parent)), name_(std::move(name)), role_(role), state_(state)
    {}
    bool Valid() const override { return valid; }
    HWND Window() const override { return *window_ ? (*window_)->Handle() : nullptr; }
    std::shared_ptr<IAccessibleObject> Parent() override { return parent_.lock(); }
    int ChildCount() override { return static_cast<int>(children.size()); }
    std::shared_ptr<IAccessibleObject> Child(int index) override
    {
        return index >= 1 && index <= ChildCount() ? children[static_cast<size_t>(index - 1)] : nullptr;
    }
    std::string Name() override { return name_; }
    std::string Value() override { return {}; }
    int Role() override { return role_; }
    uint32_t State() override { return state_; }
    std::string KeyboardShortcut() override { return shortcut; }
    std::string DefaultAction() override { return action; }
    bool DoDefaultAction() override
    {
        ++actionsDone;
        return true;
    }
    bool Select() override
    {
        ++selected;
        return true;
    }
    TRect Location() override { return location; }
    std::shared_ptr<IAccessibleObject> HitTest(TPoint p) override
    {
        for (const auto& child : children)
            if (p.X >= child->location.Left && p.X < child->location.Right && p.Y >= child->location.Top &&
                p.Y < child->location.Bottom)
                return child;
        return shared_from_this();
    }
    std::shared_ptr<IAccessibleObject> FocusedChild() override { return nullptr; }
    std::shared_ptr<IAccessibleObject> Navigate(int) override { return nullptr; }

    bool valid = true;
    std::vector<std::shared_ptr<TFakePart>> children;
    std::string shortcut;
    std::string action;
    TRect location;
    int actionsDone = 0;
    int selected = 0;

private:
    TWinControl** window_;
    std::weak_ptr<TFakePart> parent_;
    std::string name_;
    int role_;
    uint32_t state_;
};

class AccessibilityBridge : public testing::Test
{
protected:
    void SetUp() override
    {
        // The parts exist and are served before the window is made and anything asks for its interface.
        root = std::make_shared<TFakePart>(&bar, std::weak_ptr<TFakePart>(), "Tools", ROLE_SYSTEM_TOOLBAR, 0);
        save = std::make_shared<TFakePart>(&bar, root, "Save", ROLE_SYSTEM_PUSHBUTTON,
                                           STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_FOCUSABLE);
        save->shortcut = "Alt+s";
        save->action = "Press";
        line = std::make_shared<TFakePart>(&bar, root, "", ROLE_SYSTEM_SEPARATOR, STATE_SYSTEM_UNAVAILABLE);
        root->children = {save, line};
        token = AddAccessibleResolver([this](HWND window) {
            return bar && window == bar->Handle() ? std::static_pointer_cast<IAccessibleObject>(root)
                                                  : nullptr;
        });
        form = ShowTestForm(200, 100);
        bar = new TCustomControl(form);
        bar->SetParent(form);
        bar->SetBounds(0, 0, 120, 24);
        const TPoint origin = bar->ClientToScreen({0, 0});
        save->location = Bounds(origin.X, origin.Y, 30, 24);
        root->location = Bounds(origin.X, origin.Y, 120, 24);
    }
    void TearDown() override
    {
        RemoveAccessibleResolver(token);
        form->Free();
        Pump();
    }
    QAccessibleInterface* Root() { return QAccessible::queryAccessibleInterface(bar->Window().widget); }

    TForm* form = nullptr;
    TWinControl* bar = nullptr;
    std::shared_ptr<TFakePart> root;
    std::shared_ptr<TFakePart> save;
    std::shared_ptr<TFakePart> line;
    int token = 0;
};

TEST_F(AccessibilityBridge, AWindowServesItsPartsWithTheirRolesNamesAndStates)
{
    QAccessibleInterface* tools = Root();
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->role(), QAccessible::ToolBar);
    EXPECT_EQ(tools->text(QAccessible::Name), "Tools");
    ASSERT_EQ(tools->childCount(), 2);
    QAccessibleInterface* button = tools->child(0);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button, tools->child(0)) << "one interface per part";
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), "Save");
    EXPECT_EQ(button->text(QAccessible::Accelerator), "Alt+s");
    EXPECT_TRUE(button->state().hotTracked);
    EXPECT_TRUE(button->state().focusable);
    EXPECT_FALSE(button->state().disabled);
    EXPECT_EQ(button->parent(), tools);
    EXPECT_EQ(tools->indexOfChild(button), 0);
    EXPECT_EQ(tools->child(1)->role(), QAccessible::Separator);
    EXPECT_TRUE(tools->child(1)->state().disabled);
    EXPECT_EQ(tools->child(2), nullptr);
    const QPoint inButton = button->rect().center();
    EXPECT_EQ(tools->childAt(inButton.x(), inButton.y()), button);
    EXPECT_EQ(tools->rect().width(), 120);
}

TEST_F(AccessibilityBridge, ActionsReachTheParts)
{
    QAccessibleInterface* button = Root()->child(0);
    auto* actions = button->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains("Press"));
    EXPECT_EQ(actions->keyBindingsForAction("Press"), QStringList{"Alt+s"});
    actions->doAction("Press");
    actions->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(save->actionsDone, 1);
    EXPECT_EQ(save->selected, 1);
    save->valid = false;
    EXPECT_FALSE(button->isValid()) << "a part that went makes its interface invalid";
}

TEST_F(AccessibilityBridge, EventsReachTheListeners)
{
    std::vector<std::tuple<uint32_t, HWND, int>> heard;
    const int listener = AddAccessibleEventListener(
        [&heard](uint32_t event, HWND window, int child) { heard.emplace_back(event, window, child); });
    const HWND window = bar->Handle();
    NotifyAccessibleEvent(EVENT_SYSTEM_MENUSTART, window, CHILDID_SELF);
    NotifyAccessibleEvent(EVENT_OBJECT_FOCUS, window, 2);
    NotifyAccessibleEvent(EVENT_SYSTEM_MENUEND, window, CHILDID_SELF);
    RemoveAccessibleEventListener(listener);
    NotifyAccessibleEvent(EVENT_OBJECT_FOCUS, window, 1);
    const std::vector<std::tuple<uint32_t, HWND, int>> expected = {{EVENT_SYSTEM_MENUSTART, window, 0},
                                                                   {EVENT_OBJECT_FOCUS, window, 2},
                                                                   {EVENT_SYSTEM_MENUEND, window, 0}};
    EXPECT_EQ(heard, expected);
}

} // namespace
