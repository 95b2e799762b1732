#include "platform/gui/core/exceptions.h"
#include "platform/gui/standard/scroll_bar_control.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/window_functions.h"
#include "std_controls_test_support.h"

#include <gtest/gtest.h>

namespace {

class ScrollBarControl : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm();
        bar = new TScrollBar(form);
        bar->SetParent(form);
        bar->SetBounds(10, 10, 200, 17);
        bar->SetParams(50, 0, 100);
        bar->SetPageSize(10);
        bar->SetSmallChange(2);
        bar->SetLargeChange(10);
        bar->OnScroll = [this](TObject*, TScrollCode code, int& pos) {
            log.push_back("scroll " + std::to_string(code) + "@" + std::to_string(pos));
        };
        bar->OnChange = [this](TObject*) { log.push_back("change " + std::to_string(bar->Position())); };
    }
    void TearDown() override { form->Free(); }
    TForm* form = nullptr;
    TScrollBar* bar = nullptr;
    std::vector<std::string> log;
};

TEST_F(ScrollBarControl, ScrollCodesStepThePositionWithinThePageLimit)
{
    struct Case
    {
        unsigned code;
        int start;
        int expected;
    };
    const Case cases[] = {{SB_LINEDOWN, 50, 52}, {SB_LINEUP, 50, 48},   {SB_PAGEDOWN, 50, 60},
                          {SB_PAGEUP, 5, 0},     {SB_BOTTOM, 50, 91},   {SB_TOP, 50, 0},
                          {SB_LINEDOWN, 91, 91}, {SB_ENDSCROLL, 50, 50}};
    for (const Case& c : cases) {
        bar->SetPosition(c.start);
        log.clear();
        SendMessage(bar->Handle(), WM_HSCROLL, c.code, 0);
        std::vector<std::string> expected{"scroll " + std::to_string(c.code) + "@" +
                                          std::to_string(c.expected)};
        if (c.expected != c.start)
            expected.push_back("change " + std::to_string(c.expected));
        EXPECT_EQ(log, expected) << "code " << c.code;
    }
}

TEST_F(ScrollBarControl, OnScrollMayChangeTheTargetAndThePositionSetterKeepsMinAndMax)
{
    bar->OnScroll = [](TObject*, TScrollCode, int& pos) { pos = 7; };
    SendMessage(bar->Handle(), WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(bar->Position(), 7);
    bar->SetPosition(100); // beyond the page limit, within Max
    EXPECT_EQ(bar->Position(), 100);
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
    EXPECT_THROW(bar->SetPageSize(200), EInvalidOperation);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->PageSize(), 10);
}

TEST_F(ScrollBarControl, MouseOnTheArrowsAndKeysScroll)
{
    bar->SetPosition(50);
    log.clear();
    // The right arrow at the far end of the bar, then its release.
    SendWindowMouse(bar, QEvent::MouseButtonPress, {195, 8});
    SendWindowMouse(bar, QEvent::MouseButtonRelease, {195, 8});
    EXPECT_EQ(log, (std::vector<std::string>{"scroll 1@52", "change 52", "scroll 8@52"}));
    log.clear();
    SendKey(bar, Qt::Key_Home);
    EXPECT_EQ(log, (std::vector<std::string>{"scroll 6@0", "change 0", "scroll 8@0"}));
    // A vertical bar is the same bar turned.
    bar->SetKind(sbVertical);
    EXPECT_EQ(bar->Width(), 17);
    EXPECT_EQ(bar->Height(), 200);
}

TEST_F(ScrollBarControl, TheWindowIsTheBarItsStyleNames)
{
    TScrollInfo info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(bar->Handle(), SB_CTL, info));
    EXPECT_EQ(info.nPos, 50);
    EXPECT_EQ(info.nMax, 100);
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_EQ(GetWindowLong(bar->Handle(), GWL_STYLE) & SBS_VERT, 0);
    bar->SetKind(sbVertical);
    EXPECT_EQ(GetWindowLong(bar->Handle(), GWL_STYLE) & SBS_VERT, SBS_VERT);
    // The lower arrow of the turned bar steps down.
    log.clear();
    SendWindowMouse(bar, QEvent::MouseButtonPress, {8, 195});
    SendWindowMouse(bar, QEvent::MouseButtonRelease, {8, 195});
    EXPECT_EQ(log, (std::vector<std::string>{"scroll 1@52", "change 52", "scroll 8@52"}));

    // A bar turned before its window exists is made vertical.
    auto* early = new TScrollBar(form);
    early->SetKind(sbVertical);
    early->SetParent(form);
    EXPECT_EQ(GetWindowLong(early->Handle(), GWL_STYLE) & SBS_VERT, SBS_VERT);
    EXPECT_EQ(early->ClientWidth(), 0);
}

} // namespace
