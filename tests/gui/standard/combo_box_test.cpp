#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/standard/combo_box.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"
#include "text_input_support.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

namespace {

class ComboBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(400, 300);
        combo = new TComboBox(form);
        combo->SetBounds(10, 10, 150, 24);
        combo->SetParent(form);
        combo->Items()->SetCommaText("apple,banana,blueberry,cherry,date");
        combo->OnSelect = [this](TObject*) { events += "select "; };
        combo->OnChange = [this](TObject*) { events += "change "; };
        combo->OnDropDown = [this](TObject*) { events += "drop "; };
        combo->OnCloseUp = [this](TObject*) { events += "close "; };
        Pump();
    }
    void TearDown() override { form->Free(); }

    void Focus()
    {
        combo->SetFocus();
        Pump();
    }

    // The colour at a client point of a window painted into an image.
    static TColor PaintedAt(TWinControl* control, TPoint p)
    {
        TBitmap image;
        image.SetSize(control->Width(), control->Height());
        control->PaintTo(*image.Canvas(), 0, 0);
        const TRect& client = control->Window().clientInWindow;
        return image.Canvas()->Pixels(client.Left + p.X, client.Top + p.Y);
    }

    TForm* form = nullptr;
    TComboBox* combo = nullptr;
    std::string events;
};

} // namespace

TEST_F(ComboBoxTest, ItemIndexAndTextFollowEachOther)
{
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "banana");
    for (int outside : {5, -7}) {
        combo->SetItemIndex(outside);
        EXPECT_EQ(combo->ItemIndex(), -1) << outside;
        EXPECT_EQ(combo->Text(), "") << outside;
    }
    EXPECT_EQ(combo->Perform(CB_SETCURSEL, 9, 0), CB_ERR);
    combo->SetText("Cherry");
    EXPECT_EQ(combo->ItemIndex(), 3);
    combo->SetText("kiwi");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "kiwi") << "a drop-down combo box keeps free text";
    EXPECT_EQ(events, "") << "the program's changes fire no events";

    combo->SetStyle(csDropDownList);
    combo->SetText("kiwi");
    EXPECT_EQ(combo->Text(), "") << "a list face shows items only";
    combo->SetItemIndex(4);
    combo->Items()->Delete(0);
    EXPECT_EQ(combo->ItemIndex(), -1) << "an index past the items is dropped";
    combo->SetItemIndex(0);
    combo->Items()->Insert(0, "zucchini");
    combo->SetSorted(true);
    EXPECT_EQ(combo->Items()->Strings(4), "zucchini");
    EXPECT_EQ(combo->Perform(CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("BL")), 1);
    EXPECT_EQ(combo->Perform(CB_GETCOUNT, 0, 0), 5);
}

TEST_F(ComboBoxTest, KeysMoveTheSelectionAndSearchTheItems)
{
    combo->SetStyle(csDropDownList);
    Focus();
    struct Case
    {
        int start;
        std::vector<std::string> keys;
        int expected;
    };
    const Case cases[] = {
        {0, {"Down"}, 1}, {-1, {"Down"}, 0}, {2, {"Up", "Up", "Up"}, 0},
        {0, {"End"}, 4},  {4, {"Home"}, 0},  {0, {"PgDn"}, 4},
        {0, {"=b"}, 1},   {1, {"=b"}, 2},    {0, {"=bl"}, 2},
        {2, {"=c"}, 3},   {0, {"=x"}, 0},
    };
    for (const Case& c : cases) {
        combo->SetItemIndex(c.start);
        Press(combo, "Home"); // forget the last search
        combo->SetItemIndex(c.start);
        PressAll(combo, c.keys);
        EXPECT_EQ(combo->ItemIndex(), c.expected) << c.start << " " << testing::PrintToString(c.keys);
    }
    events.clear();
    combo->SetItemIndex(0);
    Press(combo, "Down");
    EXPECT_EQ(events, "select ");
    combo->OnSelect = nullptr;
    Press(combo, "Down");
    EXPECT_EQ(events, "select change ") << "without OnSelect a selection is a change";
}

TEST_F(ComboBoxTest, TheListDropsDownWithoutTakingTheFocus)
{
    combo->SetStyle(csDropDownList);
    combo->SetItemIndex(0);
    Focus();
    Press(combo, "F4");
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->Perform(CB_GETDROPPEDSTATE, 0, 0), 1);
    TWinControl* list = combo->ListControl();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(IsWindowVisible(list->Handle()));
    EXPECT_EQ(GetFocus(), combo->Handle());
    TRect listRect;
    TRect comboRect;
    GetWindowRect(list->Handle(), listRect);
    GetWindowRect(combo->Handle(), comboRect);
    EXPECT_EQ(listRect.Top, comboRect.Bottom);
    EXPECT_EQ(listRect.Left, comboRect.Left);

    Press(combo, "Down");
    EXPECT_EQ(combo->ItemIndex(), 1);
    Press(combo, "Enter");
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(events, "drop select close ");

    events.clear();
    Press(combo, "A-Down");
    ASSERT_TRUE(combo->DroppedDown());
    list = combo->ListControl();
    const int itemHeight = combo->ItemHeight() > 0 ? combo->ItemHeight()
                                                   : static_cast<int>(combo->Perform(CB_GETITEMHEIGHT, 0, 0));
    SendMouse(list, QEvent::MouseMove, {5, itemHeight * 3 + 2});
    SendMouse(list, QEvent::MouseButtonPress, {5, itemHeight * 3 + 2});
    SendMouse(list, QEvent::MouseButtonRelease, {5, itemHeight * 3 + 2});
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(events, "drop select close ");

    combo->SetDroppedDown(true);
    Press(combo, "Esc");
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 3);
}

TEST_F(ComboBoxTest, EscapeGoesBackToTheItemChosenWhenTheListDroppedAndEnterKeepsTheNewOne)
{
    std::vector<unsigned> notes;
    const TWndMethod original = combo->WindowProc;
    combo->WindowProc = [&notes, original](TMessage& message) {
        if (message.Msg == CN_COMMAND)
            notes.push_back(TCommandView(message).NotifyCode);
        original(message);
    };
    struct Case
    {
        TComboBoxStyle style;
        int start;
        const char* end;
        int expected;
        std::vector<unsigned> notes;
    };
    const Case cases[] = {
        {csDropDownList, 1, "Esc", 1, {CBN_SELCHANGE, CBN_SELENDCANCEL, CBN_CLOSEUP}},
        {csDropDownList, 1, "Enter", 3, {CBN_SELENDOK, CBN_CLOSEUP}},
        {csDropDownList, -1, "Esc", -1, {CBN_SELCHANGE, CBN_SELENDCANCEL, CBN_CLOSEUP}},
        {csDropDown, 0, "Esc", 0, {CBN_SELCHANGE, CBN_SELENDCANCEL, CBN_CLOSEUP}},
        {csDropDown, 0, "Enter", 2, {CBN_SELENDOK, CBN_CLOSEUP}},
    };
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.style) + " " + std::to_string(c.start) + " " + c.end;
        combo->SetStyle(c.style);
        combo->SetItemIndex(c.start);
        Focus();
        Press(combo, "F4");
        ASSERT_TRUE(combo->DroppedDown()) << name;
        PressAll(combo, {"Down", "Down"});
        notes.clear();
        Press(combo, c.end);
        EXPECT_FALSE(combo->DroppedDown()) << name;
        EXPECT_EQ(combo->ItemIndex(), c.expected) << name;
        EXPECT_EQ(combo->Text(), c.expected >= 0 ? combo->Items()->Strings(c.expected) : "") << name;
        EXPECT_EQ(notes, c.notes) << name;
    }
    // What the program heard last: the item it had before the list dropped.
    events.clear();
    combo->SetItemIndex(4);
    Press(combo, "F4");
    Press(combo, "Up");
    Press(combo, "Esc");
    EXPECT_EQ(events, "drop select select close ");
}

TEST_F(ComboBoxTest, TheEditFaceTakesFreeTextForTheComboBox)
{
    Focus();
    TCustomEdit* edit = combo->EditControl();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->Focused());
    EXPECT_TRUE(combo->Focused());
    EXPECT_EQ(form->ActiveControl(), combo) << "the form sees the combo box, not its edit";
    PressAll(edit, {"=che", "=rry"});
    EXPECT_EQ(combo->Text(), "cherry");
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(events, "change change change change change change ") << "every character typed is a change";
    events.clear();
    Press(edit, "Down");
    EXPECT_EQ(combo->Text(), "date");
    EXPECT_EQ(events, "select ");

    combo->SetMaxLength(3);
    PressAll(edit, {"C-a", "=kiwis"});
    EXPECT_EQ(combo->Text(), "kiw");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(ComboBoxTest, TabGoesRoundAComboBoxThatDroppedItsEditFace)
{
    auto* edit = new TEdit(form);
    edit->SetBounds(10, 50, 150, 24);
    edit->SetParent(form);
    TWinControl* const twiceRound[] = {combo, edit, combo, edit};
    for (TComboBoxStyle style : {csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable}) {
        SCOPED_TRACE(style);
        combo->SetStyle(csDropDown);
        combo->SetStyle(style); // frees the edit face
        edit->SetFocus();
        Pump();
        for (const char* key : {"Tab", "S-Tab"})
            for (TWinControl* next : twiceRound) {
                Press(TWinControl::FromHandle(GetFocus()), key);
                Pump();
                EXPECT_EQ(GetFocus(), next->Handle()) << key;
            }
    }
}

TEST_F(ComboBoxTest, OwnerDrawnItemsArePaintedByTheOwner)
{
    const TColor colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF};
    std::vector<std::pair<int, TOwnerDrawState>> calls;
    combo->SetStyle(csOwnerDrawVariable);
    combo->SetItemHeight(12);
    combo->OnMeasureItem = [](TWinControl*, int index, int& height) { height = index == 1 ? 30 : 12; };
    combo->OnDrawItem = [&](TWinControl* control, int index, const TRect& rect, TOwnerDrawState state) {
        calls.push_back({index, state});
        TCanvas* canvas = static_cast<TComboBox*>(control)->Canvas();
        canvas->Brush()->SetColor(colours[index]);
        canvas->FillRect(rect);
    };
    combo->SetItemIndex(2);
    EXPECT_EQ(PaintedAt(combo, {20, combo->ClientHeight() / 2}), colours[2]);
    ASSERT_FALSE(calls.empty());
    EXPECT_TRUE(calls.back().second.Contains(odComboBoxEdit));

    combo->SetDroppedDown(true);
    TWinControl* list = combo->ListControl();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->ClientHeight(), 12 + 30 + 12 + 12 + 12);
    calls.clear();
    for (const auto& [y, index] : {std::pair{5, 0}, {20, 1}, {40, 1}, {45, 2}, {60, 3}, {70, 4}})
        EXPECT_EQ(PaintedAt(list, {10, y}), colours[index]) << y;
    ASSERT_FALSE(calls.empty());
    EXPECT_FALSE(calls.front().second.Contains(odComboBoxEdit));
    EXPECT_TRUE(calls[2].second.Contains(odSelected)) << "the selected item is drawn selected";
}
