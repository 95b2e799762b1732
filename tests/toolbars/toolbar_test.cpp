#include "controls/toolbars/chevron_item.h"
#include "controls/toolbars/hook_service.h"
#include "dock_test_support.h"
#include "main_window_like.h"
#include "platform/gui/core/exceptions.h"

// A toolbar's layout by where it lies, its control items, its hint, Alt+letter on a plain toolbar and what
// being a menu bar switches on.

namespace {

class Toolbar : public DockFixture
{
protected:
    TTestToolbar* AddToolbar(TWinControl* parent, const std::vector<std::string>& captions)
    {
        auto* toolbar = new TTestToolbar(form);
        for (const std::string& caption : captions) {
            TBarCustomItem* item = AddCommand(toolbar->Items(), caption);
            item->OnClick = [this, caption](TObject*) { clicked.push_back(caption); };
        }
        toolbar->SetParent(parent);
        return toolbar;
    }
    std::vector<std::string> clicked;
};

TEST_F(Toolbar, OrientationAndOffsetsFollowWhereItLies)
{
    TBarDock* left = AddDock(dpLeft, "LeftDock");
    TTestToolbar* toolbar = AddToolbar(top, {"One", "Two"});
    EXPECT_EQ(toolbar->View()->Orientation(), tbvoHorizontal);
    toolbar->SetParent(left);
    EXPECT_EQ(toolbar->View()->Orientation(), tbvoVertical);
    EXPECT_GT(toolbar->Height(), toolbar->Width()) << "the buttons stand one above the other";
    toolbar->SetParent(form);
    EXPECT_EQ(toolbar->View()->Orientation(), tbvoHorizontal);
    EXPECT_EQ(toolbar->View()->WrapOffset(), 0) << "sizing itself on a form it never wraps";

    // Anchored left and right on a form, a wrapping toolbar wraps at its own width.
    toolbar->SetShrinkMode(tbsmWrap);
    toolbar->SetAnchors({akLeft, akTop, akRight});
    toolbar->SetBounds(0, 100, 60, 30);
    toolbar->Items()->Items(0)->SetCaption("Three"); // lays the toolbar out again
    EXPECT_EQ(toolbar->View()->WrapOffset(), 60);
    EXPECT_EQ(toolbar->Width(), 60);
    const TRect one = toolbar->View()->Viewers(0)->BoundsRect();
    const TRect two = toolbar->View()->Viewers(1)->BoundsRect();
    EXPECT_GE(two.Top, one.Bottom) << "the second button wrapped";
}

TEST_F(Toolbar, AFullSizeWrappingToolbarLaysOutTheWholeRow)
{
    top->SetAllowDrag(false);
    for (const TBarShrinkMode mode : {tbsmWrap, tbsmNone}) {
        auto* toolbar = new TTestToolbar(form);
        AddCommand(toolbar->Items(), "Only");
        toolbar->SetFullSize(true);
        toolbar->SetShrinkMode(mode);
        toolbar->SetParent(top);
        form->SetClientWidth(form->ClientWidth() - 20); // the dock's row changes: the toolbar lays out again
        const int inner = top->ClientWidth() - toolbar->NonClientWidth();
        if (mode == tbsmWrap)
            EXPECT_EQ(toolbar->View()->UpdatePositions().X, inner);
        else
            EXPECT_LT(toolbar->View()->UpdatePositions().X, inner)
                << "without wrapping the view keeps its width";
        EXPECT_EQ(toolbar->Width(), top->ClientWidth()) << "the dock widens the window either way";
        toolbar->Free();
    }
}

TEST_F(Toolbar, ControlsOnItTakePartThroughControlItems)
{
    TTestToolbar* toolbar = AddToolbar(top, {"One"});
    auto* edit = new TEdit(form);
    edit->SetBounds(0, 0, 80, 22);
    edit->SetParent(toolbar);
    TBarControlItem* wrapper = toolbar->FindWrapper(edit);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(toolbar->Items()->IndexOf(wrapper), 1) << "appended after the items";
    EXPECT_GE(edit->Left(), toolbar->View()->Viewers(0)->BoundsRect().Right) << "laid out after the button";
    edit->SetParent(form);
    EXPECT_EQ(toolbar->FindWrapper(edit), nullptr);
    EXPECT_EQ(toolbar->Items()->Count(), 1) << "the item went";
    EXPECT_EQ(edit->Parent(), form) << "the control stays";
}

TEST_F(Toolbar, AToolbarWithAControlOnItIsFreedWhole)
{
    TTestToolbar* toolbar = AddToolbar(top, {"One"});
    auto* edit = new TEdit(toolbar);
    edit->SetParent(toolbar);
    ASSERT_NE(toolbar->FindWrapper(edit), nullptr);
    toolbar->Free(); // the control leaves the toolbar after its items went
    EXPECT_EQ(top->ControlCount(), 0);
}

TEST_F(Toolbar, TheHintFollowsTheHotItem)
{
    TTestToolbar* toolbar = AddToolbar(top, {"One", "Two"});
    toolbar->Items()->Items(0)->SetHint("First|The first button");
    toolbar->Items()->Items(1)->SetHint("Second|Only in menus");
    toolbar->Items()->Items(1)->SetOptions({tboLongHintInMenuOnly});
    auto centre = [&](int i) {
        const TRect r = toolbar->View()->Viewers(i)->BoundsRect();
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    };
    MouseMove(toolbar, centre(0));
    EXPECT_EQ(toolbar->Hint(), "First|The first button");
    MouseMove(toolbar, centre(1));
    EXPECT_EQ(toolbar->Hint(), "");
    MouseMove(toolbar, centre(0));
    FrameMouseMove(toolbar, {0, 0});
    EXPECT_EQ(toolbar->Hint(), "") << "the frame has no item";
    EXPECT_EQ(toolbar->View()->Selected(), nullptr);
}

TEST_F(Toolbar, AltLetterOnAPlainToolbarOpensOnlyAUniqueItem)
{
    TBeepCounter beeps;
    TTestToolbar* toolbar = AddToolbar(top, {"&Run", "&Pause", "&Print"});
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(0, 100, 100, 22);
    edit->SetFocus();
    Press(edit, "A-r");
    Pump();
    EXPECT_EQ(clicked, (std::vector<std::string>{"&Run"}));
    Press(edit, "A-p");
    Pump();
    EXPECT_EQ(clicked.size(), 1u) << "two share the accelerator: nothing opens";
    EXPECT_EQ(beeps.Count(), 1) << "the key goes on to the form, which has no menu for it";
    EXPECT_FALSE(toolbar->View()->State().Contains(vsModal));
}

TEST_F(Toolbar, BeingAMenuBarSwitchesItsSettingsAndHooks)
{
    TTestToolbar* toolbar = AddToolbar(top, {"&File"});
    EXPECT_EQ(toolbar->ShrinkMode(), tbsmChevron);
    toolbar->SetMenuBar(true);
    EXPECT_TRUE(toolbar->FullSize());
    EXPECT_EQ(toolbar->ShrinkMode(), tbsmWrap);
    EXPECT_FALSE(toolbar->CloseButton());
    EXPECT_TRUE(toolbar->ProcessShortCuts());
    EXPECT_TRUE(toolbar->ControlStyle().Contains(csMenuEvents));
    EXPECT_TRUE(toolbar->View()->Style().Contains(vsMenuBar));
    EXPECT_TRUE(HookInstalled(htGetMessage));
    EXPECT_EQ(MainWindowHookToolbars(), (std::vector<TBarCustomToolbar*>{toolbar}));
    toolbar->SetMenuBar(false);
    EXPECT_FALSE(toolbar->ProcessShortCuts());
    EXPECT_FALSE(HookInstalled(htGetMessage));
    EXPECT_TRUE(MainWindowHookToolbars().empty());
    toolbar->SetProcessShortCuts(true);
    toolbar->Free();
    EXPECT_TRUE(MainWindowHookToolbars().empty()) << "a toolbar that goes leaves the hook";
}

TEST_F(Toolbar, ViewsAndChevronsBelongToToolbarsOnly)
{
    EXPECT_THROW(TBarToolbarView(form, nullptr, nullptr, nullptr, true, false, false), EInvalidCast);
    EXPECT_THROW(TBarChevronItem{form}, EInvalidCast);
    TTestToolbar* toolbar = AddToolbar(top, {});
    EXPECT_EQ(toolbar->ChevronHint(), "More Buttons|");
    toolbar->SetChevronHint("Tools & more|Shows the tools that do not fit");
    EXPECT_EQ(toolbar->ChevronItem()->Caption(), "Tools && more");
}

} // namespace
