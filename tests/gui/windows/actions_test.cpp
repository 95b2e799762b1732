#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/windows/actions.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

TEST(ShortCutText, NamesModifiersAndSpecialKeysBothWays)
{
    const struct
    {
        TShortCut shortCut;
        std::string text;
    } cases[] = {{ShortCut('A', {ssCtrl}), "Ctrl+A"},
                 {ShortCut(VK_F5, {ssShift, ssCtrl}), "Shift+Ctrl+F5"},
                 {ShortCut('X', {ssAlt}), "Alt+X"},
                 {ShortCut(VK_BACK, {ssShift, ssCtrl, ssAlt}), "Shift+Ctrl+Alt+BkSp"},
                 {VK_DELETE, "Del"},
                 {ShortCut(VK_INSERT, {ssShift}), "Shift+Ins"},
                 {VK_F12, "F12"},
                 {VK_ESCAPE, "Esc"},
                 {VK_RETURN, "Enter"},
                 {ShortCut(VK_SPACE, {ssCtrl}), "Ctrl+Space"},
                 {VK_NEXT, "PgDn"},
                 {ShortCut(VK_ADD, {ssCtrl}), "Ctrl+Num +"},
                 {ShortCut(VK_OEM_COMMA, {ssCtrl}), "Ctrl+,"},
                 {ShortCut('7', {ssAlt}), "Alt+7"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
    }
    // Reading ignores case and the order of the modifiers.
    EXPECT_EQ(TextToShortCut("ctrl+shift+f5"), ShortCut(VK_F5, {ssShift, ssCtrl}));
    EXPECT_EQ(TextToShortCut("Alt+Ctrl+del"), ShortCut(VK_DELETE, {ssCtrl, ssAlt}));
    // Nothing, and keys without a name, give no text; texts that name no key give no shortcut.
    EXPECT_EQ(ShortCutToText(scNone), "");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_LWIN, {ssCtrl})), "");
    for (const char* text : {"", "Ctrl+", "Ctrl+Foo", "Hyper+A", "Ctrl-A", "AB"})
        EXPECT_EQ(TextToShortCut(text), scNone) << text;
}

TEST(ShortCutList, HoldsOnlyTextsThatNameAShortcut)
{
    TShortCutList list;
    list.Add("F9");
    list.Add("shift+ctrl+r");
    EXPECT_EQ(list.ShortCuts(1), ShortCut('R', {ssShift, ssCtrl}));
    EXPECT_EQ(list.IndexOfShortCut(VK_F9), 0);
    EXPECT_EQ(list.IndexOfShortCut(ShortCut('R', {ssCtrl})), -1);
    EXPECT_THROW(list.Add("Ctrl+Foo"), EConvertError);
    EXPECT_THROW(list.Insert(0, ""), EConvertError);
    EXPECT_THROW(list.SetStrings(0, "F99"), EConvertError);
    EXPECT_EQ(list.Text(), "F9\r\nshift+ctrl+r\r\n");
}

// A client that keeps its own copy of each property, like a menu item: it takes a new value from the
// action only while its copy still equals the action's, so a value the user changed stays.
class TItemLink : public TBasicActionLink
{
public:
    struct Item : TObject
    {
        std::string caption, hint;
        bool enabled = true, checked = false, visible = true;
        TShortCut shortCut = 0;
        int imageIndex = -1, helpContext = 0;
    } item;
    int changes = 0;

    TItemLink() : TBasicActionLink(&item)
    {
        OnChange = [this](TObject*) { ++changes; };
    }
    TCustomAction& Act() const { return *static_cast<TCustomAction*>(action_); }

    bool IsCaptionLinked() const override { return action_ && item.caption == Act().Caption(); }
    bool IsHintLinked() const override { return action_ && item.hint == Act().Hint(); }
    bool IsEnabledLinked() const override { return action_ && item.enabled == Act().Enabled(); }
    bool IsCheckedLinked() const override { return action_ && item.checked == Act().Checked(); }
    bool IsVisibleLinked() const override { return action_ && item.visible == Act().Visible(); }
    bool IsShortCutLinked() const override { return action_ && item.shortCut == Act().ShortCut(); }
    bool IsImageIndexLinked() const override { return action_ && item.imageIndex == Act().ImageIndex(); }
    bool IsHelpContextLinked() const override { return action_ && item.helpContext == Act().HelpContext(); }
    void SetCaption(const std::string& v) override { item.caption = v; }
    void SetHint(const std::string& v) override { item.hint = v; }
    void SetEnabled(bool v) override { item.enabled = v; }
    void SetChecked(bool v) override { item.checked = v; }
    void SetVisible(bool v) override { item.visible = v; }
    void SetShortCut(TShortCut v) override { item.shortCut = v; }
    void SetImageIndex(int v) override { item.imageIndex = v; }
    void SetHelpContext(int v) override { item.helpContext = v; }
};

TEST(Actions, LinksCarryEveryPropertyButLeaveWhatTheClientChanged)
{
    TAction action(nullptr);
    TItemLink link;
    link.SetAction(&action);
    action.SetCaption("&Run");
    action.SetHint("Run|Runs the list");
    action.SetEnabled(false);
    action.SetChecked(true);
    action.SetVisible(false);
    action.SetShortCut(VK_F9);
    action.SetImageIndex(4);
    action.SetHelpContext(12);
    const auto& item = link.item;
    EXPECT_EQ(item.caption, "&Run");
    EXPECT_EQ(item.hint, "Run|Runs the list");
    EXPECT_FALSE(item.enabled);
    EXPECT_TRUE(item.checked);
    EXPECT_FALSE(item.visible);
    EXPECT_EQ(item.shortCut, VK_F9);
    EXPECT_EQ(item.imageIndex, 4);
    EXPECT_EQ(item.helpContext, 12);
    // Every change reaches the link's OnChange, so the client can bring the rest of itself up to date.
    EXPECT_EQ(link.changes, 8);

    link.item.caption = "Own caption";
    action.SetCaption("&Start");
    action.SetImageIndex(5);
    EXPECT_EQ(item.caption, "Own caption");
    EXPECT_EQ(item.imageIndex, 5);

    // A freed action leaves the link empty.
    {
        TAction doomed(nullptr);
        link.SetAction(&doomed);
    }
    EXPECT_EQ(link.Action(), nullptr);
    EXPECT_FALSE(link.Execute());
}

TEST(Actions, ExecutionAutoCheckAndGroups)
{
    TActionList list(nullptr);
    TAction first(nullptr), second(nullptr);
    Log log;
    for (TAction* action : {&first, &second}) {
        action->SetActionList(&list);
        action->SetGroupIndex(1);
        action->SetAutoCheck(true);
    }
    first.SetCategory("View");
    EXPECT_EQ(first.Category(), "View");
    first.OnExecute = [&](TObject*) { log.push_back("first"); };
    second.OnExecute = [&](TObject*) { log.push_back("second"); };

    EXPECT_TRUE(first.Execute());
    EXPECT_TRUE(first.Checked());
    EXPECT_TRUE(second.Execute());
    EXPECT_TRUE(second.Checked());
    EXPECT_FALSE(first.Checked());

    // The list may take an execution first; a disabled action does not run at all.
    list.OnExecute = [&](TBasicAction* action, bool& handled) {
        handled = action == &first;
        log.push_back("list");
    };
    EXPECT_TRUE(first.Execute());
    EXPECT_TRUE(first.Checked());
    second.SetEnabled(false);
    EXPECT_FALSE(second.Execute());
    EXPECT_FALSE(second.Checked());
    EXPECT_EQ(log, (Log{"first", "second", "list"}));
}

class ActionsOnAForm : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm();
        box = new TRecorder(form, nullptr, "box");
        box->SetParent(form);
        box->SetBounds(10, 10, 80, 24);
        box->SetFocus();
        Pump();
        box->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) { keysSeen.push_back(key); };
        list = new TActionList(form);
        run = new TAction(form);
        run->SetActionList(list);
        run->SetShortCut(ShortCut('R', {ssCtrl}));
        run->SecondaryShortCuts().Add("F9");
        run->SecondaryShortCuts().Add("Shift+Ctrl+R");
        run->OnExecute = [this](TObject*) { ++runs; };
        run->OnUpdate = [this](TObject* sender) { static_cast<TAction*>(sender)->SetEnabled(canRun); };
    }
    void TearDown() override { form->Free(); }

    TForm* form = nullptr;
    TRecorder* box = nullptr;
    TActionList* list = nullptr;
    TAction* run = nullptr;
    bool canRun = true;
    int runs = 0;
    std::vector<uint16_t> keysSeen;
};

TEST_F(ActionsOnAForm, UpdateEnablesAndShortcutsFire)
{
    auto* button = new TRecorder(form, nullptr, "button");
    button->SetParent(form);
    button->SetAction(run);

    canRun = false;
    UpdateAllActions();
    EXPECT_FALSE(run->Enabled());
    EXPECT_FALSE(button->Enabled());
    canRun = true;
    UpdateAllActions();
    EXPECT_TRUE(button->Enabled());

    SendKey(box, Qt::Key_R, Qt::ControlModifier, "\x12");
    SendKey(box, Qt::Key_F9);
    SendKey(box, Qt::Key_R, Qt::ShiftModifier | Qt::ControlModifier, "\x12");
    EXPECT_EQ(runs, 3);
    EXPECT_TRUE(keysSeen.empty());

    // A shortcut asks for the state first: a disabled action lets the key through to the control.
    canRun = false;
    SendKey(box, Qt::Key_F9);
    SendKey(box, Qt::Key_T, Qt::ControlModifier, "\x14");
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(keysSeen, (std::vector<uint16_t>{VK_F9, 'T'}));
    EXPECT_FALSE(button->Enabled());

    // A suspended list takes no shortcuts.
    canRun = true;
    list->SetState(asSuspended);
    SendKey(box, Qt::Key_F9);
    EXPECT_EQ(runs, 3);
}

TEST_F(ActionsOnAForm, ActionsOutsideListsUpdateOnlyWithClients)
{
    TAction linked(nullptr), alone(nullptr);
    int linkedUpdates = 0, aloneUpdates = 0;
    linked.OnUpdate = [&](TObject*) { ++linkedUpdates; };
    alone.OnUpdate = [&](TObject*) { ++aloneUpdates; };
    box->SetAction(&linked);
    UpdateAllActions();
    EXPECT_EQ(linkedUpdates, 1);
    EXPECT_EQ(aloneUpdates, 0);
    box->SetAction(nullptr);
    UpdateAllActions();
    EXPECT_EQ(linkedUpdates, 1);
}

} // namespace

TEST(ActionListImages, AFreedImageListLeavesTheActionList)
{
    TActionList list(nullptr);
    auto* images = new TImageList(nullptr);
    list.SetImages(images);
    EXPECT_EQ(list.Images(), images);
    images->Free();
    EXPECT_EQ(list.Images(), nullptr);
}
