#include "combo_form.h"
#include "paint_test_support.h"

#include "controls/grid/popup_control6.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/window_functions.h"

#include <functional>

namespace {

class Popup6 : public ComboForm
{
protected:
    TRect ScreenRect(TWinControl* control)
    {
        TRect r;
        GetWindowRect(control->Handle(), r);
        return r;
    }
    void SetLines(int count)
    {
        combo->Items()->Clear();
        for (int i = 0; i < count; ++i)
            combo->Items()->Add("Line " + std::to_string(i + 1));
    }
};

} // namespace

TEST(PopupPlacement, StaysInTheWorkAreaAndOpensAboveWhenBelowWouldCover)
{
    using enum TGxPopupAnchor;
    const TRect work{0, 0, 1600, 1000};
    const struct
    {
        int x, y;
        TGxPopupAnchor anchor;
        TRect placed;
    } cases[] = {
        {100, 921, paLeft, Bounds(100, 700, 150, 200)},   // clamped up it would cover its edit: above it
        {100, 500, paLeft, Bounds(100, 500, 150, 200)},   // room below
        {1500, 300, paLeft, Bounds(1450, 300, 150, 200)}, // the right edge meets the work area's
        {300, 300, paRight, Bounds(150, 300, 150, 200)},  // the right edge at the point
        {100, 300, paRight, Bounds(0, 300, 150, 200)},    // raised to the work area's left
        {100, -50, paLeft, Bounds(100, 0, 150, 200)},     // raised to its top
        {100, 990, paLeft, Bounds(100, 769, 150, 200)},   // an edit near the bottom is never covered
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlacePopup(c.x, c.y, {150, 200}, c.anchor, work, 21), c.placed) << c.x << ", " << c.y;
}

TEST_F(Popup6, HangsBelowItsEditOrAboveItAtTheScreenBottom)
{
    TGxStringsPopupControl6* list = DropDown();
    const TRect edit = ScreenRect(combo);
    EXPECT_EQ(ScreenRect(list).Left, edit.Left);
    EXPECT_EQ(ScreenRect(list).Top, edit.Bottom);
    EXPECT_EQ(list->Width(), combo->Width()); // ListWidth 0: as wide as the edit
    combo->SetDroppedDown(false);

    combo->SetPopupAnchor(PopupAnchor::paRight);
    combo->SetListWidth(120);
    list = DropDown();
    EXPECT_EQ(ScreenRect(list).Right, edit.Right);
    EXPECT_EQ(list->Width(), 120);
    combo->SetDroppedDown(false);

    const TRect work = Screen->MonitorFromRect(edit)->WorkareaRect();
    for (const int room : {40, 10}) {
        form->SetTop(work.Bottom - form->Height() - 5);
        combo->SetTop(form->ClientHeight() - room);
        list = DropDown();
        EXPECT_EQ(ScreenRect(list).Bottom, ScreenRect(combo).Top) << room;
        combo->SetDroppedDown(false);
    }
}

TEST_F(Popup6, ListIsAsHighAsItsShownItems)
{
    const struct
    {
        int lines, itemHeight, clientHeight;
        bool bar;
    } cases[] = {
        {3, 13, 39, false}, {20, 13, 104, true}, {8, 13, 104, false}, {0, 13, 2, false}, {3, 0, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        SetLines(c.lines);
        combo->SetItemHeight(c.itemHeight); // below 1 counts as 1
        TGxStringsPopupControl6* list = DropDown();
        EXPECT_EQ(list->ClientHeight(), c.clientHeight);
        EXPECT_EQ(list->VertScrollBar()->Showing(), c.bar);
        if (c.lines == 0) {
            list->SetColor(clYellow);
            auto picture = Render(list);
            EXPECT_EQ(CountPixels(*picture, {1, 1, list->Width() - 1, 3}, clYellow), 2 * (list->Width() - 2));
        }
        combo->SetDroppedDown(false);
    }
}

TEST_F(Popup6, PressOutsideClosesReleaseOnAnItemChooses)
{
    // The popup takes the mouse when it opens away from the pointer: put the pointer where the press comes,
    // wherever an earlier test left it.
    MouseMove(form, {250, 100});
    DropDown();
    MouseDown(form, {250, 100}); // the popup holds the mouse: it hears the press
    EXPECT_FALSE(combo->DroppedDown());
    MouseUp(form, {250, 100});
    EXPECT_EQ(freed, 0);
    Pump();
    EXPECT_EQ(freed, 1);

    TGxStringsPopupControl6* list = DropDown();
    events.clear();
    MouseMove(list, ItemPoint(list, 1));
    EXPECT_EQ(list->HotIndex(), 1);
    Click(list, ItemPoint(list, 2));
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "Banana");
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(events, (std::vector<std::string>{"select Banana (popup alive)", "close up (popup alive)"}));
    EXPECT_EQ(freed, 1);
    Pump();
    EXPECT_EQ(freed, 2);
}

TEST_F(Popup6, PagingIsTheSameBothWays)
{
    SetLines(20);
    combo->SetItemIndex(0);
    TGxStringsPopupControl6* list = DropDown();
    const auto page = [&](const char* key) {
        Press(combo, key);
        return combo->ItemIndex();
    };
    EXPECT_EQ(page("PgDn"), 7);  // to the last shown item
    EXPECT_EQ(page("PgDn"), 15); // a page further
    EXPECT_EQ(list->VertScrollBar()->Position(), 8);
    EXPECT_EQ(page("PgDn"), 19);
    EXPECT_EQ(page("PgDn"), 19); // the last item stays chosen
    EXPECT_EQ(page("PgUp"), 12); // to the first shown item
    EXPECT_EQ(page("PgUp"), 4);
    EXPECT_EQ(page("PgUp"), 0);
    EXPECT_EQ(page("PgUp"), 0);
    EXPECT_TRUE(combo->DroppedDown());
}

TEST_F(Popup6, NoPopupIsFreedWhileItsHandlersRun)
{
    const struct
    {
        const char* name;
        std::function<void()> close;
        std::vector<std::string> expected;
    } closings[] = {
        {"page down, the focus moved away in OnSelect",
         [this] {
             combo->OnSelect = [this](TObject*) {
                 events.push_back("select " + combo->Text() + PopupAlive());
                 other->SetFocus();
             };
             Press(combo, "PgDn");
         },
         {"select Banana (popup alive)", "close up (popup alive)"}},
        {"Enter", [this] { Press(combo, "Enter"); }, {"close up (popup alive)"}},
        {"Esc", [this] { Press(combo, "Esc"); }, {"close up (popup alive)"}},
        {"Tab with AutoDropDown",
         [this] {
             combo->SetAutoDropDown(true);
             Press(combo, "Tab");
         },
         {"close up (popup alive)"}},
        {"release on an item, the focus moved away in OnSelect",
         [this] {
             combo->OnSelect = [this](TObject*) {
                 events.push_back("select " + combo->Text() + PopupAlive());
                 other->SetFocus();
             };
             auto* list = dynamic_cast<TGxStringsPopupControl6*>(lastPopup);
             Click(list, ItemPoint(list, 1));
         },
         {"select Apricot (popup alive)", "close up (popup alive)"}},
    };
    for (const auto& c : closings) {
        SCOPED_TRACE(c.name);
        combo->SetFocus();
        combo->SetItemIndex(0);
        DropDown();
        events.clear();
        freed = 0;
        c.close();
        EXPECT_FALSE(combo->DroppedDown());
        EXPECT_EQ(events, c.expected);
        EXPECT_EQ(freed, 0);
        Pump();
        EXPECT_EQ(freed, 1);
        combo->OnSelect = [this](TObject*) { events.push_back("select " + combo->Text() + PopupAlive()); };
        combo->SetAutoDropDown(false);
    }
}
