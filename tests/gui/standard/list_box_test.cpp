#include "manual_clock.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/standard/list_box.h"
#include "platform/gui/windows/scroll_bars.h"
#include "std_controls_test_support.h"

#include <gtest/gtest.h>

namespace {

class ListBoxes : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(300, 300);
        list = new TListBox(form);
        list->SetParent(form);
        list->SetBorderStyle(bsNone);
        list->SetStyle(lbOwnerDrawFixed);
        list->SetItemHeight(10);
        list->SetBounds(10, 10, 100, 50); // five rows
        for (const char* item : {"alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta", "theta"})
            list->Items()->Add(item);
        list->OnClick = [this](TObject*) { ++clicks; };
        list->SetFocus();
    }
    void TearDown() override { form->Free(); }
    std::vector<int> SelectedItems() const
    {
        std::vector<int> selected;
        for (int i = 0; i < list->Count(); ++i)
            if (list->Selected(i))
                selected.push_back(i);
        return selected;
    }
    TForm* form = nullptr;
    TListBox* list = nullptr;
    int clicks = 0;
};

TEST_F(ListBoxes, KeysMoveTheSelectionAndScrollItIntoView)
{
    struct Case
    {
        int key;
        int index;
        int top;
    };
    const Case cases[] = {{Qt::Key_Down, 0, 0}, {Qt::Key_Down, 1, 0}, {Qt::Key_PageDown, 5, 1},
                          {Qt::Key_End, 7, 3},  {Qt::Key_Down, 7, 3}, {Qt::Key_Home, 0, 0},
                          {Qt::Key_Up, 0, 0}};
    int expectedClicks = 0;
    int previous = -1;
    for (const Case& c : cases) {
        SendKey(list, c.key);
        EXPECT_EQ(list->ItemIndex(), c.index) << "key " << c.key;
        EXPECT_EQ(list->TopIndex(), c.top) << "key " << c.key;
        expectedClicks += c.index != previous ? 1 : 0;
        previous = c.index;
    }
    EXPECT_EQ(clicks, expectedClicks);
    EXPECT_EQ(GetScrollPos(list->Handle(), SB_VERT), 0);
    // Typing a letter finds the next item starting with it.
    SendKey(list, Qt::Key_E, Qt::NoModifier, "e");
    EXPECT_EQ(list->ItemIndex(), 4);
    SendKey(list, Qt::Key_E, Qt::NoModifier, "e");
    EXPECT_EQ(list->ItemIndex(), 6);
}

TEST_F(ListBoxes, LettersTypedWithinHalfASecondMakeOnePrefix)
{
    TManualClock clock;
    list->Items()->SetCommaText("alpha,beta,bravo,Brown,charlie");
    list->SetItemIndex(0);
    const auto type = [this](char letter) {
        SendKey(list, Qt::Key_A + (letter - 'a'), Qt::NoModifier, QString(QChar(letter)));
    };
    struct Step
    {
        int pause;
        char letter;
        int expected;
    };
    const Step steps[] = {
        {0, 'b', 1},   // beta
        {100, 'r', 2}, // "br": bravo, not beta
        {499, 'o', 3}, // "bro": Brown, either case
        {500, 'b', 1}, // a new prefix after a pause: from Brown on, beta
        {500, 'r', 1}, // "r" alone begins nothing
        {500, 'b', 2}, // the next item with "b"
        {0, 'b', 3},   // "bb" begins nothing: again the next with "b"
    };
    for (const Step& step : steps) {
        clock.Advance(step.pause);
        type(step.letter);
        EXPECT_EQ(list->ItemIndex(), step.expected) << step.pause << " " << step.letter;
    }
    list->SetAutoComplete(false);
    clock.Advance(TIncrementalSearch::kPauseMilliseconds);
    type('c');
    EXPECT_EQ(list->ItemIndex(), 3) << "without AutoComplete letters find nothing";
    // The search's pause ends before the clock goes away.
    clock.Advance(TIncrementalSearch::kPauseMilliseconds);
}

TEST_F(ListBoxes, ExtendedSelectionWithShiftAndCtrl)
{
    list->SetMultiSelect(true);
    ClickAt(list, {5, 15});
    EXPECT_EQ(SelectedItems(), (std::vector<int>{1}));
    ClickAt(list, {5, 35}, Qt::ShiftModifier);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 2, 3}));
    ClickAt(list, {5, 25}, Qt::ControlModifier);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3}));
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_EQ(list->ItemIndex(), 2);
    SendKey(list, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{2, 3}));
    ClickAt(list, {5, 5});
    EXPECT_EQ(SelectedItems(), (std::vector<int>{0}));
    EXPECT_EQ(clicks, 5);
    list->SelectAll();
    list->DeleteSelected();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListBoxes, SortedItemsKeepTheirObjectsAndBadIndexesRaise)
{
    list->Clear();
    list->SetSorted(true);
    TObject b, a, c;
    list->Items()->AddObject("Beta", &b);
    list->Items()->AddObject("alpha", &a);
    list->Items()->AddObject("Gamma", &c);
    EXPECT_EQ(list->Items()->Text(), "alpha\r\nBeta\r\nGamma\r\n");
    EXPECT_EQ(list->Items()->Objects(1), &b);
    list->SetItemIndex(2);
    list->Items()->Delete(0);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_THROW(list->Selected(5), EListError);
    EXPECT_THROW(list->SetItemIndex(7), EListError);
    EXPECT_THROW(list->Items()->Strings(3), EListError);
}

TEST_F(ListBoxes, OwnerDrawnRowsGetTheirRectangleAndStateAndVariableHeights)
{
    list->SetItemIndex(1);
    std::vector<std::string> drawn;
    list->OnDrawItem = [&](TWinControl*, int index, const TRect& rect, TOwnerDrawState state) {
        drawn.push_back(std::to_string(index) + ":" + std::to_string(rect.Top) +
                        (state.Contains(odSelected) ? "s" : "") + (state.Contains(odFocused) ? "f" : ""));
        list->Canvas()->Brush()->SetColor(index == 2 ? clRed : clLime);
        list->Canvas()->FillRect(rect);
    };
    auto shot = Render(list);
    EXPECT_EQ(drawn, (std::vector<std::string>{"0:0", "1:10sf", "2:20", "3:30", "4:40"}));
    EXPECT_EQ(shot->Canvas()->Pixels(50, 25), clRed);
    EXPECT_EQ(shot->Canvas()->Pixels(50, 15), clLime);

    // Standard rows: the selected one in the highlight colour.
    list->SetStyle(lbStandard);
    shot = Render(list);
    SaveScreenshot(*shot, "list_box_standard_rows");
    EXPECT_GT(CountPixels(*shot, list->ItemRect(1), ColorToRGB(clHighlight)), 100);
    EXPECT_EQ(CountPixels(*shot, list->ItemRect(2), ColorToRGB(clHighlight)), 0);

    list->OnMeasureItem = [](TWinControl*, int index, int& height) { height = 5 + index; };
    list->SetStyle(lbOwnerDrawVariable);
    EXPECT_EQ(list->ItemRect(3), Rect(0, 5 + 6 + 7, list->ClientWidth(), 5 + 6 + 7 + 8));
    EXPECT_EQ(list->ItemAtPos({5, 12}, true), 2);
    EXPECT_EQ(list->ItemAtPos({5, 49}, true), 6);
}

TEST_F(ListBoxes, ScrollBarFollowsTheItems)
{
    SendMessage(list->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(list->TopIndex(), 3);
    SendMessage(list->Handle(), WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(list->TopIndex(), 2);
    while (list->Count() > 5)
        list->Items()->Delete(0);
    EXPECT_EQ(list->TopIndex(), 0);
    TScrollInfo info;
    info.fMask = SIF_ALL;
    GetScrollInfo(list->Handle(), SB_VERT, info);
    EXPECT_FALSE(list->Window().bars[SB_VERT].visible);
}

} // namespace
