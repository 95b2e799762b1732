#include "platform/gui/windows/window_functions.h"
#include "typed_edit_fixture.h"

namespace {

class TypedEditLookup : public TypedEdits
{
protected:
    void SetUp() override
    {
        TypedEdits::SetUp();
        TLookupSettings* lookup = edit->Lookup();
        lookup->SetEnabled(true);
        lookup->DisplayList()->SetCommaText("Apple,apricot,Banana");
    }
    // The rows the lookup list shows, in order.
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        if (!edit->LookupVisible())
            return rows;
        TStrings* items = edit->LookupWindow()->ListControl()->Items();
        for (int i = 0; i < items->Count(); ++i)
            rows.push_back(items->Strings(i));
        return rows;
    }
    void Typed(const std::string& text)
    {
        Focus(edit);
        edit->SetText("");
        Type(edit, text);
    }
    using Rows_ = std::vector<std::string>;
};

TEST_F(TypedEditLookup, EntriesMatchAsTheyAreTyped)
{
    const struct
    {
        bool caseSensitive;
        bool fullText;
        const char* typed;
        std::vector<std::string> rows;
    } cases[] = {
        {false, false, "ap", {"Apple", "apricot"}},
        {true, false, "ap", {"apricot"}},
        {false, true, "an", {"Banana"}},
        {false, false, "an", {}},
        {false, false, "b", {}}, // fewer than NumChars characters
        {false, false, "ba", {"Banana"}},
    };
    for (const auto& c : cases) {
        edit->Lookup()->SetCaseSensitive(c.caseSensitive);
        edit->SetFullTextSearch(c.fullText);
        Typed(c.typed);
        EXPECT_EQ(Rows(), c.rows) << c.typed << c.caseSensitive << c.fullText;
    }
    // Deleting back below NumChars hides the list again.
    Typed("ap");
    EXPECT_TRUE(edit->LookupVisible());
    Press(edit, "BS");
    EXPECT_FALSE(edit->LookupVisible());
    edit->Lookup()->SetNumChars(0); // ignored
    EXPECT_EQ(edit->Lookup()->NumChars(), 2);
}

TEST_F(TypedEditLookup, ThePopUpSitsUnderTheEditAndFitsItsRows)
{
    edit->Lookup()->DisplayList()->SetCommaText("ab1,ab2,ab3,ab4,ab5,ab6");
    edit->Lookup()->SetDisplayCount(4);
    Typed("ab");
    TListHintWindow* popup = edit->LookupWindow();
    ASSERT_TRUE(edit->LookupVisible());
    const int row = popup->ListControl()->ItemHeight();
    EXPECT_EQ(popup->Height(), row * 4 + 4);
    const TPoint origin = edit->ClientOrigin();
    EXPECT_EQ(popup->Top(), origin.Y + edit->Height() - 4);
    EXPECT_GE(popup->Left(), origin.X + 8);
    EXPECT_GE(popup->Width(), 58);
    EXPECT_EQ(popup->ListControl()->ItemIndex(), 0);
    Press(edit, "Down");
    Press(edit, "Down");
    EXPECT_EQ(popup->ListControl()->ItemIndex(), 2);
    Press(edit, "End");
    EXPECT_EQ(popup->ListControl()->ItemIndex(), 5);
    Press(edit, "PgUp");
    EXPECT_EQ(popup->ListControl()->ItemIndex(), 1);
    Press(edit, "Home");
    EXPECT_EQ(popup->ListControl()->ItemIndex(), 0);
    Press(edit, "PgDn");
    EXPECT_EQ(popup->ListControl()->ItemIndex(), 4);
    const auto shot = Render(popup);
    SaveScreenshot(*shot, "typed_edit_lookup_list", 2);
    // The chosen entry, the last of the four rows shown, in the highlight colour.
    int highlightTop = -1, highlightBottom = -1;
    for (int y = 0; y < shot->Height(); ++y)
        if (CountPixels(*shot, {0, y, shot->Width(), y + 1}, ColorToRGB(clHighlight)) > 10) {
            highlightTop = highlightTop < 0 ? y : highlightTop;
            highlightBottom = y;
        }
    EXPECT_NEAR(highlightBottom + 1 - highlightTop, row, 1);
    EXPECT_GT(highlightTop, 2 * row);
    // Its bottom-right corner sizes it.
    TRect window;
    GetWindowRect(popup->Handle(), window);
    EXPECT_EQ(popup->Perform(WM_NCHITTEST, 0, MAKELPARAM(window.Right - 3, window.Bottom - 3)),
              HTBOTTOMRIGHT);
    // Alt and the focus moving elsewhere hide it.
    Press(edit, "Alt");
    EXPECT_FALSE(edit->LookupVisible());
    Typed("ab");
    Focus(other);
    EXPECT_FALSE(edit->LookupVisible());
}

TEST_F(TypedEditLookup, AcceptingTakesTheEntryOrItsValue)
{
    TLookupSettings* lookup = edit->Lookup();
    lookup->ValueList()->SetCommaText("A1,A2,B1");
    lookup->SetShowValue(true);
    std::vector<std::string> events;
    edit->OnLookupSelect = [&](TObject*, std::string& value) { events.push_back("select " + value); };
    edit->OnLookupIndexSelect = [&](TObject*, int index, std::string& value) {
        events.push_back("index " + std::to_string(index) + " " + value);
    };
    Typed("ap");
    EXPECT_EQ(Rows(), (Rows_{"Apple (A1)", "apricot (A2)"}));
    Press(edit, "Down");
    Press(edit, "Enter");
    EXPECT_EQ(Shown(edit), "A2");
    EXPECT_EQ(edit->SelText(), "A2");
    EXPECT_FALSE(edit->LookupVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"select A2", "index 1 A2"}));

    lookup->SetValueSeparator(vsSquareBracket);
    lookup->SetSearchValue(true);
    Typed("b1");
    EXPECT_EQ(Rows(), (Rows_{"Banana [B1]"}));
}

TEST_F(TypedEditLookup, AMultiValueCompletesItsLastPart)
{
    edit->Lookup()->SetMulti(true);
    edit->Lookup()->DisplayList()->SetCommaText("green,grey");
    Focus(edit);
    static_cast<TControl*>(edit)->SetText("red;");
    CaretAt(edit, 4);
    Type(edit, "gr");
    EXPECT_EQ(Rows(), (Rows_{"green", "grey"}));
    Press(edit, "Enter");
    EXPECT_EQ(Shown(edit), "red;green;");
    EXPECT_EQ(edit->SelStart(), 10);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(TypedEditLookup, TheFirstEscapeOnlyHidesTheList)
{
    edit->SetText("x");
    Focus(edit);
    edit->SetText("");
    Type(edit, "ap");
    ASSERT_TRUE(edit->LookupVisible());
    Press(edit, "Esc");
    EXPECT_FALSE(edit->LookupVisible());
    EXPECT_EQ(Shown(edit), "ap");
    Press(edit, "Esc");
    EXPECT_EQ(Shown(edit), "x"); // the value it had when it got the focus
    EXPECT_EQ(edit->SelText(), "x");
}

TEST_F(TypedEditLookup, HistoryKeepsEachValueOnce)
{
    edit->Lookup()->SetHistory(true);
    for (int i = 0; i < 2; ++i) {
        Focus(edit);
        static_cast<TControl*>(edit)->SetText(" pear ");
        Focus(other);
    }
    TStringList* entries = edit->Lookup()->DisplayList();
    EXPECT_EQ(entries->CommaText(), "Apple,apricot,Banana,pear");
}

// The row the handler chooses stays chosen after the rows are sorted.
TEST_F(TypedEditLookup, TheRowTheHandlerChoosesStaysChosenThroughTheSort)
{
    edit->Lookup()->DisplayList()->SetCommaText("zest,zap,zany");
    std::string asked;
    edit->OnLookupNeedData = [&](TObject*, const std::string& value, TStrings* list, int& index) {
        asked = value;
        list->Add("za-extra");
        index = 0; // "zap", first as the rows come
    };
    Typed("za");
    EXPECT_EQ(asked, "za");
    EXPECT_EQ(Rows(), (Rows_{"za-extra", "zany", "zap"}));
    TListBoxTab* list = edit->LookupWindow()->ListControl();
    ASSERT_GE(list->ItemIndex(), 0);
    EXPECT_EQ(list->Items()->Strings(list->ItemIndex()), "zap");
    Press(edit, "Enter");
    EXPECT_EQ(Shown(edit), "zap");
}

TEST_F(TypedEditLookup, AListThatWantsTabWhenAcceptingOnTab)
{
    edit->Lookup()->SetAcceptOnTab(true);
    Typed("ap");
    TListBoxTab* list = edit->LookupWindow()->ListControl();
    EXPECT_TRUE(list->HandleTab());
    EXPECT_TRUE(list->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB);
    list->SetItemIndex(1);
    char32_t tab = U'\t';
    list->OnKeyPress(list, tab);
    EXPECT_EQ(Shown(edit), "apricot");
}

} // namespace
