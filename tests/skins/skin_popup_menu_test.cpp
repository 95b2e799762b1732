#include "controls/skins/skin_types.h"
#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/win_control.h"
#include "skin_menu_fixture.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

// The skinned popup menu: the order in which its events fire, where it opens, how the control that opened
// it hears of its close (also when the menu raised), and the choice it answers.

namespace {

// A control that notes the closed-popup messages it receives, posted or sent, in a shared log.
class TRecordingControl : public TCustomControl
{
public:
    TRecordingControl(TComponent* owner, std::string name, std::vector<std::string>& log)
        : TCustomControl(owner), FName(std::move(name)), FLog(log)
    {}
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == CM_POPUPCLOSED) {
            FLog.push_back(FName + " closed");
            Menus.push_back(reinterpret_cast<TObject*>(message.WParam));
        }
        TCustomControl::Dispatch(message);
    }
    std::vector<TObject*> Menus;

private:
    std::string FName;
    std::vector<std::string>& FLog;
};

class SkinnedPopupMenus : public SkinnedMenuFixture
{
protected:
    void SetUp() override
    {
        SkinnedMenuFixture::SetUp();
        menu = new TQvPopupMenu(form);
        for (const char* caption : {"&First", "&Second"}) {
            auto* item = new TQvItem(form);
            item->SetCaption(caption);
            item->OnClick = [this, caption](TObject*) { log.push_back(std::string("click ") + caption); };
            menu->Items()->Add(item);
            items.push_back(item);
        }
        button = new TRecordingControl(form, "button", log);
        button->SetParent(form);
        button->SetBounds(20, 60, 80, 24);
        child = new TRecordingControl(form, "child", log);
        child->SetParent(button);
        child->SetBounds(2, 2, 10, 10);
        Pump();
    }
    // Runs the menu from the button and chooses an entry (none: cancels it with Escape).
    void RunFromButton(TQvItem* choose)
    {
        TLoopScript script({{[&] { choose ? ClickOn(0, choose) : Key("Esc"); }}});
        EXPECT_TRUE(menu->RunPopup(0, 0, false, button));
    }

    TQvPopupMenu* menu = nullptr;
    std::vector<TQvItem*> items;
    TRecordingControl* button = nullptr;
    TRecordingControl* child = nullptr;
    std::vector<std::string> log;
};

TEST_F(SkinnedPopupMenus, RunPopupFiresItsEventsInOrderAndTellsTheOpenerOnceClosed)
{
    TBarCustomItem* shownItem = nullptr;
    TPoint shownAt;
    menu->OnPopup = [&](TObject* sender) {
        EXPECT_EQ(sender, menu);
        EXPECT_TRUE(OpenPopups().empty()) << "before the window exists";
        log.push_back("popup");
    };
    menu->SetOnInitPopup([&](TObject* sender, TBarView* view) {
        EXPECT_EQ(sender, menu->Items());
        ASSERT_EQ(OpenPopups().size(), 1u) << "once the window shows";
        EXPECT_NE(dynamic_cast<TQvPopupWindow*>(OpenPopups()[0]), nullptr);
        shownItem = view->ParentItem();
        shownAt = OpenPopups()[0]->BoundsRect().TopLeft();
        log.push_back("init");
    });
    menu->SetOnClosePopup([&](TObject* sender) {
        EXPECT_EQ(sender, menu->Items());
        log.push_back("close");
    });
    RunFromButton(items[1]);
    EXPECT_EQ(shownItem, menu->Items()) << "the popup's view shows the menu's entries";
    EXPECT_EQ(shownAt, button->ClientToScreen({0, button->Height()})) << "below the button's left corner";
    // The children hear at once; the click and the button's own message wait for the message loop.
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "init", "close", "child closed"}));
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"popup", "init", "close", "child closed", "click &Second",
                                             "button closed"}));
    EXPECT_EQ(button->Menus, (std::vector<TObject*>{menu}));
    EXPECT_EQ(child->Menus, (std::vector<TObject*>{menu}));
}

TEST_F(SkinnedPopupMenus, AnOnInitPopupThatRaisesStillClosesTheMenuAndTellsTheOpener)
{
    int closes = 0;
    menu->SetOnInitPopup([](TObject*, TBarView*) { throw std::runtime_error("init failed"); });
    menu->SetOnClosePopup([&](TObject*) { ++closes; });
    EXPECT_THROW(menu->RunPopup(0, 0, false, button), std::runtime_error);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(OpenPopups().empty());
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"child closed", "button closed"}))
        << "a drop-down button would otherwise stay down";
    // PopupEx puts its answer-only mode back after the exception: the next choice is clicked again.
    EXPECT_THROW(menu->PopupEx(MenuPoint.X, MenuPoint.Y, nullptr, true), std::runtime_error);
    menu->SetOnInitPopup(nullptr);
    {
        TLoopScript script({{[&] { ClickOn(0, items[0]); }}});
        EXPECT_EQ(menu->PopupEx(MenuPoint.X, MenuPoint.Y), items[0]);
    }
    Pump();
    EXPECT_EQ(log.back(), "click &First");
}

// The close event fires while the popup window is destroyed, where an exception cannot pass on: it is
// reported, and the menu closes as usual.
TEST_F(SkinnedPopupMenus, AnOnClosePopupThatRaisesIsReported)
{
    std::vector<std::string> reported;
    SetExceptionReporter(
        [&](TObject*, const std::exception_ptr& error) { reported.push_back(ExceptionMessage(error)); });
    menu->SetOnClosePopup([](TObject*) { throw std::runtime_error("close failed"); });
    RunFromButton(items[0]);
    SetExceptionReporter(nullptr);
    Pump();
    EXPECT_EQ(reported, (std::vector<std::string>{"close failed"}));
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_EQ(log, (std::vector<std::string>{"child closed", "click &First", "button closed"}));
}

TEST_F(SkinnedPopupMenus, PopupExAnswersTheChoiceAndClicksItOnlyWhenAsked)
{
    {
        TLoopScript script({{[&] { ClickOn(0, items[1]); }}});
        EXPECT_EQ(menu->PopupEx(MenuPoint.X, MenuPoint.Y, nullptr, true), items[1]);
    }
    Pump();
    EXPECT_TRUE(log.empty()) << "answered, not clicked";
    {
        TLoopScript script({{[&] { Key("Esc"); }}});
        EXPECT_EQ(menu->PopupEx(MenuPoint.X, MenuPoint.Y), nullptr) << "cancelled";
    }
    {
        TLoopScript script({{[&] { ClickOn(0, items[0]); }}});
        menu->Popup(MenuPoint.X, MenuPoint.Y);
    }
    Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"click &First"}));
    EXPECT_EQ(menu->PopupPoint(), MenuPoint);
}

TEST_F(SkinnedPopupMenus, OnlyAWindowedOpenerOnAParentIsTold)
{
    auto* loose = new TRecordingControl(form, "loose", log); // no parent: the menu opens at the point
    auto* graphic = new TGraphicControl(form);               // no window: the menu opens below it
    graphic->SetParent(form);
    graphic->SetBounds(120, 40, 50, 20);
    const struct
    {
        const char* what;
        TControl* opener;
        TPoint expected;
    } cases[] = {
        {"no parent", loose, MenuPoint},
        {"not windowed", graphic, form->ClientToScreen({120, 60})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TPoint at;
        menu->SetOnInitPopup([&](TObject*, TBarView*) { at = OpenPopups()[0]->BoundsRect().TopLeft(); });
        {
            TLoopScript script({{[&] { Key("Esc"); }}});
            menu->RunPopup(MenuPoint.X, MenuPoint.Y, false, c.opener);
        }
        Pump();
        EXPECT_EQ(at, c.expected);
        EXPECT_TRUE(log.empty());
    }
    loose->Free();
}

TEST_F(SkinnedPopupMenus, ToolBoxPopupReachesTheRootAtEveryOpening)
{
    std::vector<bool> seen;
    menu->SetOnInitPopup([&](TObject*, TBarView*) {
        seen.push_back(menu->Items()->ToolBoxPopup());
        seen.push_back(menu->Items()->Options().Contains(tboToolbarStyle));
    });
    menu->SetToolBoxPopup(true);
    RunFromButton(nullptr);
    menu->SetToolBoxPopup(false);
    RunFromButton(nullptr);
    EXPECT_EQ(seen, (std::vector<bool>{true, true, false, false}));
}

} // namespace
