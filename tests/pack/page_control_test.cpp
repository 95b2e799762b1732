#include "controls/pack/page_control.h"

#include "form_fixture.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/forms/screen.h"

namespace {

constexpr TColor TabsBackground = 0xF0F0F0, InactiveTab = 0xE0E0E0, InactiveBorder = 0x909090,
                 ActiveTab = 0xC08040;

class PageControls : public FormFixture
{
protected:
    TKVGxPageControl6* PlaceControl(int pages, TRect bounds = Bounds(10, 10, 320, 240))
    {
        auto* control = Place<TKVGxPageControl6>(bounds);
        for (int i = 0; i < pages; ++i) {
            auto* page = new TKVGxPageSheet6(form);
            page->SetParent(control);
            page->SetCaption(i == 0 ? "AVI" : i == 1 ? "MPG" : "Page " + std::to_string(i));
        }
        ParkMouse();
        return control;
    }
    // The video-format control of the main window: top tabs, no buttons, inactive tabs 2 pixels lower.
    TKVGxPageControl6* PlaceFormatControl()
    {
        TKVGxPageControl6* control = PlaceControl(2);
        control->SetVisibleButtons({});
        control->SetInactiveTabsHeightDelta(-2);
        control->SetTabsBackgroundColor(TabsBackground);
        for (int i = 0; i < 2; ++i) {
            TKVGxPageSheet6* page = control->GetPage(i);
            page->SetTabInactiveBgColor(InactiveTab);
            page->SetTabActiveBgColor(ActiveTab);
            page->SetColor(0xFAFAFA);
            for (TKVGxTabBorder* side : page->TabInactiveBorders()->Sides())
                side->SetColor(InactiveBorder);
        }
        control->SetActivePageIndex(0);
        return control;
    }
    static TPoint Centre(const TRect& r) { return {r.Left + r.Width() / 2, r.Top + r.Height() / 2}; }
};

} // namespace

TEST_F(PageControls, TabRectanglesOnEachSide)
{
    TKVGxPageControl6* control = PlaceControl(2);
    control->SetVisibleButtons({});
    const TSize first = control->GetPageTabSize(0);
    EXPECT_EQ(first.cy, 24) << "TabsHeight and the padding";
    EXPECT_EQ(control->GetTabsStripRect(), (TRect{8, 4, 312, 28}));
    EXPECT_EQ(control->GetTabRect(control->GetPage(0)), Bounds(8, 4, first.cx, 24));
    EXPECT_EQ(control->GetTabRect(control->GetPage(1)).Left, 8 + first.cx);
    EXPECT_EQ(control->GetPage(0)->Top(), 30) << "the pages start below the tabs area and its separator";

    const struct
    {
        TGxTabsLocation location;
        TRect firstTab, secondTab;
    } cases[] = {
        {tbBottom, Bounds(8, 212, first.cx, 24), {}},
        {tbLeft, Bounds(4, 8, 88, 24), Bounds(4, 32, 88, 24)},
        {tbRight, Bounds(228, 8, 88, 24), Bounds(228, 32, 88, 24)},
    };
    for (const auto& c : cases) {
        control->SetTabsLocation(c.location);
        EXPECT_EQ(control->GetTabRect(control->GetPage(0)), c.firstTab) << "location " << c.location;
        if (c.secondTab.Width() > 0) {
            EXPECT_EQ(control->GetTabRect(control->GetPage(1)), c.secondTab) << "location " << c.location;
        }
        EXPECT_EQ(control->GetTabAtPos(Centre(c.firstTab)), control->GetPage(0));
    }
    EXPECT_EQ(control->GetPage(0)->Width(), 320 - 92 - 2) << "right tabs take the right edge";
    EXPECT_EQ(control->GetTabAtPos({2, 2}), nullptr);
}

TEST_F(PageControls, ActivatingATabScrollsItIntoTheStrip)
{
    TKVGxPageControl6* control = PlaceControl(3, Bounds(10, 10, 150, 120));
    control->SetVisibleButtons({});
    for (int i = 0; i < 3; ++i)
        control->GetPage(i)->SetCaption("A long caption " + std::to_string(i));
    const TRect strip = control->GetTabsStripRect();
    control->SetActivePageIndex(2);
    EXPECT_EQ(control->GetTabRect(control->GetPage(2)).Right, strip.Right);
    EXPECT_GT(control->ScrollPosition(), 0);
    control->SetActivePageIndex(0);
    EXPECT_EQ(control->GetTabRect(control->GetPage(0)).Left, strip.Left);
    EXPECT_EQ(control->ScrollPosition(), 0);

    control->SetPreciseScrolling(false);
    control->SetActivePageIndex(2);
    EXPECT_EQ(control->ScrollPosition(), 0) << "no scrolling without precise scrolling";
}

TEST_F(PageControls, ADisabledTabIsReachedByKeysOnly)
{
    TKVGxPageControl6* control = PlaceControl(3);
    control->SetVisibleButtons({});
    control->SetActivePageIndex(0);
    TKVGxPageSheet6* disabled = control->GetPage(1);
    disabled->SetTabEnabled(false);
    const TPoint onDisabled = Centre(control->GetTabRect(disabled));
    MouseMove(control, onDisabled);
    EXPECT_EQ(control->HotPageTab(), nullptr) << "never hot";
    Click(control, onDisabled);
    EXPECT_EQ(control->ActivePageIndex(), 0) << "not by a click";
    Press(control, "Right");
    EXPECT_EQ(control->ActivePage(), disabled);
    Press(control, "Right");
    Press(control, "Right");
    EXPECT_EQ(control->ActivePageIndex(), 2) << "the last page stays";
    Press(control, "Left");
    EXPECT_EQ(control->ActivePageIndex(), 1);

    MouseMove(control, Centre(control->GetTabRect(control->GetPage(2))));
    EXPECT_EQ(control->HotPageTab(), control->GetPage(2));
}

TEST_F(PageControls, ClicksReportTheTabAndDraggingMovesThePage)
{
    TKVGxPageControl6* control = PlaceControl(3);
    control->SetVisibleButtons({});
    std::vector<int> clicked;
    control->OnTabClick = [&](TObject*, TKVGxPageSheet6* page, TMouseButton, TShiftState, int, int) {
        clicked.push_back(page->Index());
    };
    TKVGxPageSheet6* first = control->GetPage(0);
    const TPoint start = Centre(control->GetTabRect(first));
    const TPoint third = Centre(control->GetTabRect(control->GetPage(2)));
    MouseMove(control, start);
    Click(control, start);
    EXPECT_EQ(clicked, std::vector<int>{0});
    EXPECT_EQ(control->ActivePage(), first);

    MouseDown(control, start);
    MouseMove(control, {start.X + 3, start.Y}, {ssLeft});
    EXPECT_EQ(first->Index(), 0) << "not yet past 5 pixels";
    MouseMove(control, {start.X + 8, start.Y}, {ssLeft});
    MouseMove(control, third, {ssLeft});
    MouseUp(control, third);
    EXPECT_EQ(first->Index(), 2) << "the active page moved to the third place";
    EXPECT_EQ(control->ActivePageIndex(), 2);
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(PageControls, WithoutTabMovingADragNeverReorders)
{
    TKVGxPageControl6* control = PlaceFormatControl();
    control->SetTabMoving(false);
    TKVGxPageSheet6* mpg = control->GetPage(1);
    const TPoint from = Centre(control->GetTabRect(mpg));
    const TPoint to = Centre(control->GetTabRect(control->GetPage(0)));
    MouseDown(control, from);
    MouseMove(control, {from.X - 10, from.Y}, {ssLeft});
    MouseMove(control, to, {ssLeft});
    MouseUp(control, to);
    EXPECT_EQ(mpg->Index(), 1) << "profiles record the format by page index";
    EXPECT_EQ(control->ActivePage(), mpg);
}

TEST_F(PageControls, ClosingAsksFirstAndHidesOrFreesThePage)
{
    TKVGxPageControl6* control = PlaceControl(3);
    EXPECT_THROW(control->ClosePage(nullptr), EInvalidOperation);
    auto* foreign = new TKVGxPageSheet6(form);
    try {
        control->ClosePage(foreign);
        ADD_FAILURE() << "a page of no page control";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "PageSheet can not be found");
    }

    control->SetActivePageIndex(1);
    bool allow = false;
    control->OnPageCloseQuery = [&](TObject*, TKVGxPageSheet6*, bool& canClose) { canClose = allow; };
    const TPoint close = Centre(control->GetCloseButtonRect());
    Click(control, close);
    EXPECT_TRUE(control->GetPage(1)->TabVisible()) << "refused";
    EXPECT_FALSE(control->ClosePage(control->GetPage(1)));

    allow = true;
    Click(control, close);
    EXPECT_FALSE(control->GetPage(1)->TabVisible());
    EXPECT_EQ(control->ActivePageIndex(), 1) << "a hidden active page stays shown without a tab";

    control->SetCloseButtonAction(CloseButtonActions::caDestroy);
    EXPECT_TRUE(control->ClosePage(control->GetPage(2)));
    EXPECT_EQ(control->Count(), 2);
}

TEST_F(PageControls, TheTabListShowsTheVisibleTabs)
{
    TKVGxPageControl6* control = PlaceControl(4);
    control->GetPage(1)->SetTabEnabled(false);
    control->GetPage(2)->SetTabVisible(false);
    control->GetPage(3)->SetCaption("");
    MouseMove(control, Centre(control->GetCloseButtonRect()));
    Pump();
    SaveScreenshot(*Render(control), "page_control_buttons", 2);
    std::vector<std::string> entries;
    AnswerNextMenu("MPG", &entries);
    Click(control, Centre(control->GetTabsPopupButtonRect()));
    EXPECT_EQ(entries, (std::vector<std::string>{"AVI", "MPG", "<default>"}));
    EXPECT_EQ(control->ActivePageIndex(), 1) << "a disabled tab can be chosen from the list";
}

TEST_F(PageControls, InactiveTabsAreLowerAndDisabledCaptionsGrey)
{
    TKVGxPageControl6* control = PlaceFormatControl();
    Pump();
    const std::unique_ptr<TBitmap> avi = Render(control);
    SaveScreenshot(*avi, "page_control_avi", 2);
    const TRect active = control->GetTabRect(control->GetPage(0));
    const TRect inactive = control->GetTabRect(control->GetPage(1));
    const int x = inactive.Left + 2;
    EXPECT_EQ(avi->Canvas()->Pixels(active.Left + 2, active.Top), ActiveTab) << "the active tab from the top";
    EXPECT_EQ(avi->Canvas()->Pixels(x, inactive.Top + 1), TabsBackground) << "the inactive one 2 lower";
    EXPECT_EQ(avi->Canvas()->Pixels(x, inactive.Top + 2), InactiveBorder) << "its top border";
    EXPECT_EQ(avi->Canvas()->Pixels(x, inactive.Top + 5), InactiveTab);
    EXPECT_EQ(avi->Canvas()->Pixels(active.Left + 2, active.Bottom), ActiveTab) << "the separator";

    control->SetActivePageIndex(1);
    Pump();
    SaveScreenshot(*Render(control), "page_control_mpg", 2);

    control->GetPage(0)->SetTabEnabled(false);
    Pump();
    const std::unique_ptr<TBitmap> disabled = Render(control);
    const TRect caption{active.Left + 4, active.Top + 4, active.Right - 4, active.Bottom - 2};
    SaveScreenshot(*disabled, "page_control_disabled_tab", 2);
    EXPECT_GT(CountPixels(*disabled, caption, ColorToRGB(clGrayText)), 0);
    EXPECT_EQ(CountPixels(*disabled, caption, ColorToRGB(clWindowText)), 0) << "not the inactive text colour";
}
