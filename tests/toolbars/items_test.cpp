#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/posted_clicks.h"
#include "menu_test_support.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/message_views.h"

#include <gtest/gtest.h>

namespace {

// Hears an item's changes and writes them down.
struct TListener
{
    struct THeard
    {
        TBarCustomItem* sender;
        bool relayed;
        TBarItemChangedAction action;
        int index;
        TBarCustomItem* item;
    };
    void Heard(TBarCustomItem* sender, bool relayed, TBarItemChangedAction action, int index,
               TBarCustomItem* item)
    {
        heard.push_back({sender, relayed, action, index, item});
        if (onHeard)
            onHeard();
    }
    TBarItemChangedProc Proc() { return ItemChangedProc<&TListener::Heard>(this); }
    std::vector<TBarItemChangedAction> Actions() const
    {
        std::vector<TBarItemChangedAction> actions;
        for (const THeard& h : heard)
            actions.push_back(h.action);
        return actions;
    }
    std::vector<THeard> heard;
    std::function<void()> onHeard;
};

class Items : public testing::Test
{
protected:
    TBarCustomItem* NewItem(const std::string& caption = {})
    {
        auto* item = new TBarCustomItem(&owner);
        item->SetCaption(caption);
        return item;
    }
    TComponent owner{nullptr};
    TBarRootItem root{&owner};
};

TEST_F(Items, ListenersAreCountedAndOneThatLeavesMidDeliveryMakesNoOtherMissIt)
{
    TListener a, b, c;
    root.RegisterNotification(a.Proc());
    root.RegisterNotification(a.Proc());
    root.UnregisterNotification(a.Proc());
    root.Add(NewItem());
    EXPECT_EQ(a.Actions(), (std::vector{tbicSubitemsBeginUpdate, tbicInserted, tbicSubitemsEndUpdate}));
    root.UnregisterNotification(a.Proc());
    root.UnregisterNotification(a.Proc()); // not registered any more: ignored

    // b takes itself out when it hears the first change; c, behind it, still hears every change.
    root.RegisterNotification(b.Proc());
    root.RegisterNotification(c.Proc());
    b.onHeard = [&] { root.UnregisterNotification(b.Proc()); };
    root.Items(0)->SetCaption("Open");
    root.Items(0)->SetCaption("Close");
    EXPECT_EQ(a.heard.size(), 3u);
    EXPECT_EQ(b.Actions(), (std::vector{tbicInvalidateAndResize}));
    EXPECT_EQ(c.Actions(), (std::vector{tbicInvalidateAndResize, tbicInvalidateAndResize}));
    root.UnregisterNotification(c.Proc());
}

TEST_F(Items, ChangesInGroupsReachTheViewsOfTheRootThroughTheGroups)
{
    auto* outer = new TBarGroupItem(&owner);
    auto* inner = new TBarGroupItem(&owner);
    TBarCustomItem* command = NewItem("Command");
    root.Add(outer);
    outer->Add(inner);
    inner->Add(command);
    TListener listener;
    root.RegisterNotification(listener.Proc());
    command->SetChecked(true);
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0].action, tbicInvalidate);
    EXPECT_TRUE(listener.heard[0].relayed);
    EXPECT_EQ(listener.heard[0].sender, inner);
    EXPECT_EQ(listener.heard[0].item, command);

    // A group showing another item's children relays that item's changes as its own.
    auto* linking = new TBarGroupItem(&owner);
    TBarRootItem other(&owner);
    root.Add(linking);
    linking->SetLinkSubitems(&other);
    listener.heard.clear();
    other.Add(NewItem());
    ASSERT_EQ(listener.heard.size(), 3u);
    EXPECT_EQ(listener.heard[1].action, tbicInserted);
    EXPECT_EQ(listener.heard[1].sender, linking);
    EXPECT_TRUE(listener.heard[1].relayed);
    linking->SetLinkSubitems(nullptr);
    root.UnregisterNotification(listener.Proc());
}

TEST_F(Items, InsertMoveAndDeleteCheckTheirIndexes)
{
    TListener listener;
    root.RegisterNotification(listener.Proc());
    TBarCustomItem* a = NewItem("a");
    TBarCustomItem* b = NewItem("b");
    TBarCustomItem* c = NewItem("c");
    root.Insert(0, a);
    root.Insert(1, b);
    root.Insert(root.Count(), c);
    try {
        root.Insert(root.Count() + 1, NewItem());
        ADD_FAILURE() << "inserted past the end";
    } catch (const ETBItemError& e) {
        EXPECT_EQ(e.Message(), "Toolbar item index out of range");
    }
    EXPECT_EQ(root.Count(), 3);
    try {
        root.Insert(0, b);
        ADD_FAILURE() << "inserted twice";
    } catch (const ETBItemError& e) {
        EXPECT_EQ(e.Message(), "Toolbar item already inserted");
    }
    listener.heard.clear();
    root.Move(2, 2);
    EXPECT_TRUE(listener.heard.empty());
    EXPECT_THROW(root.Move(0, 3), ETBItemError);
    root.Move(0, 2);
    EXPECT_EQ(root.IndexOf(a), 2);
    EXPECT_EQ(listener.Actions(), (std::vector{tbicSubitemsBeginUpdate, tbicDeleting, tbicSubitemsBeginUpdate,
                                               tbicInserted, tbicSubitemsEndUpdate, tbicSubitemsEndUpdate}));
    root.Delete(0);
    EXPECT_EQ(b->Parent(), nullptr); // taken out, not freed
    b->Free();
    c->Free();
    EXPECT_EQ(root.Count(), 1);
    EXPECT_THROW(root.GetItem(1), ETBItemError);
    try {
        a->SetParentComponent(&owner);
        ADD_FAILURE() << "put into a plain component";
    } catch (const ETBItemError& e) {
        EXPECT_EQ(e.Message(), "Toolbar item cannot be inserted into container of type TComponent");
    }
    root.UnregisterNotification(listener.Proc());
}

TEST_F(Items, OptionsInheritAllButDefaultAndTellOnlyWhatChangesTheLooks)
{
    TBarCustomItem* child = NewItem();
    root.Add(child);
    child->SetOptions(tboToolbarSize);
    EXPECT_TRUE(child->Options().Empty());
    child->SetOptions({tboToolbarStyle, tboToolbarSize});
    EXPECT_EQ(child->Options(), (TBarItemOptions{tboToolbarStyle, tboToolbarSize}));
    child->SetOptions({});

    TListener listener;
    root.RegisterNotification(listener.Proc());
    root.SetOptions({tboDefault, tboSameWidth});
    EXPECT_EQ(child->EffectiveOptions(), TBarItemOptions(tboSameWidth));
    EXPECT_EQ(listener.Actions(), (std::vector{tbicInvalidateAndResize})) << "the child's looks changed";
    listener.heard.clear();
    root.SetOptions({tboDefault, tboSameWidth, tboShowHint, tboNoAutoHint, tboLongHintInMenuOnly});
    EXPECT_TRUE(child->EffectiveOptions().Contains(tboShowHint));
    EXPECT_TRUE(listener.heard.empty());
    child->SetMaskOptions(tboSameWidth);
    EXPECT_FALSE(child->EffectiveOptions().Contains(tboSameWidth));
    child->SetInheritOptions(false);
    EXPECT_TRUE(child->EffectiveOptions().Empty());
    root.UnregisterNotification(listener.Proc());
}

TEST_F(Items, ImageAndCheckChangesSayWhetherTheSizeChanges)
{
    TBarCustomItem* a = NewItem();
    TBarCustomItem* b = NewItem();
    TBarCustomItem* c = NewItem();
    TBarCustomItem* loner = NewItem();
    for (TBarCustomItem* item : {a, b, c, loner})
        root.Add(item);
    for (TBarCustomItem* item : {a, b, c})
        item->SetGroupIndex(1);
    a->SetChecked(true);
    b->SetChecked(true);
    loner->SetChecked(true);
    c->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(loner->Checked()) << "group 0 is no group";

    TListener listener;
    root.RegisterNotification(listener.Proc());
    a->SetImageIndex(3);
    a->SetImageIndex(5);
    a->SetImageIndex(-1);
    EXPECT_EQ(listener.Actions(),
              (std::vector{tbicInvalidateAndResize, tbicInvalidate, tbicInvalidateAndResize}));
    root.UnregisterNotification(listener.Proc());
}

TEST_F(Items, ClickPrecedence)
{
    struct Case
    {
        bool enabled;
        bool autoCheck;
        bool ownHandler; // an OnClick of the item's own, not the action's
        bool action;
        std::string expected;
        bool checkedAfter;
    };
    const Case cases[] = {
        {false, true, true, true, "", false},        {true, false, true, false, "item", false},
        {true, true, false, false, "", true},        {true, false, true, true, "item", false},
        {true, false, false, true, "action", false}, {true, true, false, true, "action", true},
    };
    for (const Case& c : cases) {
        std::string ran;
        TAction action(&owner);
        action.OnExecute = [&](TObject*) { ran = "action"; };
        TBarCustomItem* item = NewItem();
        if (c.action)
            item->SetAction(&action);
        if (c.ownHandler)
            item->OnClick = [&](TObject*) { ran = "item"; };
        item->SetAutoCheck(c.autoCheck);
        item->SetEnabled(c.enabled);
        item->Click();
        EXPECT_EQ(ran, c.expected) << &c - cases;
        EXPECT_EQ(item->Checked(), c.checkedAfter) << &c - cases;
        item->Free();
    }
}

TEST_F(Items, ActionsLendTheirValuesAndWhileLoadingOnlyToDefaults)
{
    auto* action = new TAction(&owner);
    action->SetCaption("&Convert");
    action->SetHint("Convert|Converts the checked files");
    action->SetShortCut(ShortCut(VK_F9, {}));
    action->SetEnabled(false);
    TBarCustomItem* item = NewItem("Own caption");
    item->SetAction(action);
    EXPECT_EQ(item->Caption(), "&Convert");
    EXPECT_FALSE(item->Enabled());
    action->SetCaption("&Stop");
    EXPECT_EQ(item->Caption(), "&Stop");

    // A caption of the item's own, given after the action (a tool bar button's short one), outlives the
    // action's changes of state and of caption.
    item->SetCaption("Go");
    action->SetEnabled(true);
    action->SetChecked(true);
    action->SetCaption("&Convert checked files");
    EXPECT_EQ(item->Caption(), "Go");
    EXPECT_TRUE(item->Enabled());
    EXPECT_TRUE(item->Checked());

    TBarCustomItem* loading = NewItem("Kept");
    loading->BeginLoading();
    loading->SetAction(action);
    EXPECT_EQ(loading->Caption(), "Kept");
    EXPECT_EQ(loading->ShortCut(), action->ShortCut()) << "still at its default: taken";
    loading->EndLoading();
    EXPECT_EQ(loading->Caption(), "Kept");
    action->Free();
    EXPECT_EQ(item->Action(), nullptr);
}

TEST_F(Items, ShortcutsRunThroughTheSubmenusAboveThem)
{
    std::vector<std::string> log;
    TSubmenuItem* file = AddSubmenu(&root, "&File");
    TSubmenuItem* recent = AddSubmenu(file, "&Recent");
    TBarCustomItem* reopen = AddCommand(recent, "Reopen");
    const TShortCut f6 = ShortCut(VK_F6, {});
    reopen->SetShortCut(f6);
    file->OnPopup = [&](TBarCustomItem*, bool) { log.push_back("file popup"); };
    file->OnClick = [&](TObject*) { log.push_back("file click"); };
    recent->OnPopup = [&](TBarCustomItem*, bool) { log.push_back("recent popup"); };
    reopen->OnClick = [&](TObject*) { log.push_back("reopen"); };
    const TMessage keyF6{WM_KEYDOWN, VK_F6, 0, 0};
    {
        EXPECT_TRUE(root.IsShortCut(keyF6));
        EXPECT_EQ(log, (std::vector<std::string>{"file popup", "file click", "recent popup", "reopen"}));

        log.clear();
        recent->SetEnabled(false);
        EXPECT_FALSE(root.IsShortCut(keyF6));
        EXPECT_EQ(log, (std::vector<std::string>{"file popup", "file click"}))
            << "stops at the disabled submenu";
        recent->SetEnabled(true);
    }

    // Popup handlers that keep moving the command between two submenus: the search starts over once, then
    // gives up.
    TSubmenuItem* a = AddSubmenu(&root, "A");
    TSubmenuItem* b = AddSubmenu(&root, "B");
    TBarCustomItem* moving = AddCommand(a, "Moving");
    moving->SetShortCut(ShortCut(VK_F7, {}));
    int popups = 0;
    auto moveTo = [&](TBarCustomItem* to) {
        ++popups;
        moving->Parent()->Remove(moving);
        to->Add(moving);
    };
    a->OnPopup = [&](TBarCustomItem*, bool) { moveTo(b); };
    b->OnPopup = [&](TBarCustomItem*, bool) { moveTo(a); };
    EXPECT_FALSE(root.IsShortCut(TMessage{WM_KEYDOWN, VK_F7, 0, 0}));
    EXPECT_EQ(popups, 2);

    // Links are followed 25 times on one branch, no further.
    std::vector<TBarGroupItem*> chain;
    TBarCustomItem* linkTarget = nullptr;
    for (int i = 0; i < 27; ++i) {
        chain.push_back(new TBarGroupItem(&owner));
        if (i > 0)
            chain[i - 1]->SetLinkSubitems(chain[i]);
    }
    linkTarget = AddCommand(chain.back(), "deep");
    linkTarget->SetShortCut(ShortCut(VK_F5, {}));
    TBarCustomItem* topmost = nullptr;
    EXPECT_EQ(TBarCustomItem::FindItemWithShortCut(chain[1], ShortCut(VK_F5, {}), topmost), linkTarget);
    EXPECT_EQ(TBarCustomItem::FindItemWithShortCut(chain[0], ShortCut(VK_F5, {}), topmost), nullptr);
}

TEST_F(Items, AFreedItemsQueuedClickDoesNothing)
{
    int clicks = 0;
    TBarCustomItem* kept = NewItem();
    TBarCustomItem* freed = NewItem();
    kept->OnClick = [&](TObject*) { clicks += 1; };
    freed->OnClick = [&](TObject*) { clicks += 10; };
    freed->PostClick();
    kept->PostClick();
    freed->Free();
    Pump();
    EXPECT_EQ(clicks, 1);
}

} // namespace
