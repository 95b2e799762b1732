#include "combo_form.h"
#include "paint_test_support.h"

#include "controls/grid/font_combo_box6.h"
#include "platform/gui/forms/screen.h"
#include "support/utf8.h"

namespace {

class ComboBox6 : public ComboForm
{
protected:
    void Type(const std::string& text)
    {
        for (const char ch : text)
            Press(combo, "=" + std::string(1, ch));
    }
    std::string Selected() const
    {
        const std::u32string text = Utf8ToUtf32(combo->Text());
        return Utf32ToUtf8(
            text.substr(static_cast<size_t>(combo->SelStart()), static_cast<size_t>(combo->SelLength())));
    }
};

} // namespace

TEST_F(ComboBox6, CompletesTypedTextInTheDropDownStyle)
{
    combo->SetAutoComplete(true);
    combo->SetText("");
    const struct
    {
        const char* key;
        std::string text, selected;
        int index;
    } steps[] = {
        {"=a", "Apple", "pple", 0}, {"=p", "Apple", "ple", 0}, {"=r", "Apricot", "icot", 1},
        {"BS", "Ap", "", -1},       {"=x", "Apx", "", -1}, // no line starts so: the character goes in
    };
    for (const auto& s : steps) {
        Press(combo, s.key);
        EXPECT_EQ(combo->Text(), s.text) << s.key;
        EXPECT_EQ(Selected(), s.selected) << s.key;
        EXPECT_EQ(combo->ItemIndex(), s.index) << s.key;
    }

    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->SetSelStart(0);
    Press(combo, "BS"); // at the start: nothing goes, but the key is taken and Change runs
    EXPECT_EQ(combo->Text(), "Apx");
    EXPECT_EQ(changes, 1);
}

TEST_F(ComboBox6, SearchesTheLinesInTheListStyleWithAPause)
{
    combo->SetAutoComplete(true);
    combo->SetStyle(dsDropDownList);
    Type("b");
    EXPECT_EQ(combo->Text(), "Banana");
    clock.Advance(700);
    Type("a"); // within 750 ms: "ba"
    EXPECT_EQ(combo->Text(), "Banana");
    clock.Advance(751);
    Type("a"); // after the pause: "a"
    EXPECT_EQ(combo->Text(), "Apple");
    EXPECT_EQ(combo->ItemIndex(), 0);
    Type("p");
    clock.Advance(10);
    Type("r");
    EXPECT_EQ(combo->Text(), "Apricot");
    EXPECT_EQ(events, (std::vector<std::string>{"select Banana", "select Apple", "select Apricot"}));
}

TEST_F(ComboBox6, ValueListShowsTheValues)
{
    combo->Items()->SetText("a=1\r\nb=2\r\nplain");
    combo->SetDisplayMode(dmValueList);
    EXPECT_EQ(combo->GetDisplayText(0), "1");
    EXPECT_EQ(combo->GetDisplayText(2), "plain"); // a line without "=" shows whole
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->Text(), "2");
    combo->SetDisplayMode(dmNameList);
    EXPECT_EQ(combo->GetDisplayText(1), "b");

    // Completion keeps its choice although the text it writes would ask for none.
    combo->SetDisplayMode(dmValueList);
    combo->SetAutoComplete(true);
    combo->SetText("");
    Type("1");
    EXPECT_EQ(combo->Text(), "1");
    EXPECT_EQ(combo->ItemIndex(), 0);
}

TEST_F(ComboBox6, SelectionByIndexKeysAndLines)
{
    combo->SetItemIndex(5); // outside the lines: nothing
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetItemIndex(2);
    EXPECT_EQ(combo->Text(), "Banana");
    Press(combo, "Down"); // past the end: nothing
    EXPECT_EQ(combo->ItemIndex(), 2);
    PressAll(combo, {"Home", "Down"});
    EXPECT_EQ(combo->Text(), "Apricot");
    Press(combo, "End");
    EXPECT_EQ(events, (std::vector<std::string>{"select Apple", "select Apricot", "select Banana"}));
    combo->SetItemIndex(-1); // -1 clears
    EXPECT_EQ(combo->ItemIndex(), -1);
    combo->SetText("banana"); // the line it equals, in any letter case
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->AsInteger(), 2);

    combo->SetStyle(dsDropDownList);
    combo->Items()->Add("Cherry"); // the lines change: no choice, no text in the list style
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
}

TEST_F(ComboBox6, WheelMovesTheChoiceOrScrollsTheList)
{
    combo->SetItemIndex(0);
    Wheel(combo, {20, 5}, -120);
    EXPECT_EQ(combo->ItemIndex(), 1);
    Wheel(combo, {20, 5}, 120);
    Wheel(combo, {20, 5}, 120); // before the first: nothing
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_TRUE(events.empty()); // the wheel does not tell OnSelect

    for (int i = 0; i < 17; ++i)
        combo->Items()->Add("More " + std::to_string(i));
    TGxStringsPopupControl6* list = DropDown();
    Wheel(combo, {20, 5}, -120);
    Wheel(combo, {20, 5}, -120);
    EXPECT_EQ(list->VertScrollBar()->Position(), 2);
    Wheel(combo, {20, 5}, 120);
    EXPECT_EQ(list->VertScrollBar()->Position(), 1);
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(ComboBox6, DrawingSteps)
{
    combo->SetItemIndex(1);
    int custom = 0;
    combo->OnDrawItem = [&](TCanvas* canvas, int, const TRect& rect, TOwnerDrawState) {
        ++custom;
        canvas->Brush()->SetColor(clLime);
        canvas->FillRect({rect.Left, rect.Top, rect.Left + 4, rect.Bottom});
    };
    TGxStringsPopupControl6* list = DropDown();
    auto standard = Render(list);
    SaveScreenshot(*standard, "combo_box6_list", 2);
    const TRect hot = {1, 1 + list->ItemHeight(), list->Width() - 1, 1 + 2 * list->ItemHeight()};
    EXPECT_GT(CountPixels(*standard, hot, ColorToRGB(clHighlight)), 0); // the chosen line is hot
    EXPECT_EQ(custom, 0);

    combo->SetDrawingOptions(ItemDrawing::doCustom);
    list->Repaint();
    auto onlyCustom = Render(list);
    EXPECT_EQ(custom, 3);
    EXPECT_EQ(CountPixels(*onlyCustom, {1, 1, 5, 1 + 3 * list->ItemHeight()}, clLime),
              4 * 3 * list->ItemHeight());
    EXPECT_EQ(CountPixels(*onlyCustom, hot, ColorToRGB(clHighlight)), 0);
}

TEST_F(ComboBox6, FontComboDrawsEachNameInItsFont)
{
    auto* fonts = new TGxFontComboBox6(form);
    fonts->SetParent(form);
    fonts->SetBounds(10, 40, 200, 21);
    fonts->SetShowPreview(true);
    EXPECT_EQ(fonts->Items()->Count(), Screen->Fonts()->Count());
    EXPECT_GE(fonts->Items()->IndexOf("DejaVu Sans Mono"), 0);
    fonts->SetText("DejaVu Serif");
    auto face = Render(fonts);
    EXPECT_GT(CountPixels(*face, fonts->PreviewRect(), ColorToRGB(clHighlight)), 0); // the "ab" sample
    SaveScreenshot(*face, "font_combo_box6", 3);

    fonts->SetDroppedDown(true);
    auto* list = dynamic_cast<TGxStringsPopupControl6*>(fonts->PopupControl());
    auto dropped = Render(list);
    SaveScreenshot(*dropped, "font_combo_box6_dropped_down", 2);
    // The box's face is highlighted, one line high, and nothing else.
    std::vector<int> highlightedRows;
    for (int y = 0; y < dropped->Height(); ++y)
        if (PixelAt(*dropped, 2, y) == ColorToRGB(clHighlight)) // left of the text
            highlightedRows.push_back(y);
    ASSERT_EQ(int(highlightedRows.size()), list->ItemHeight());
    EXPECT_EQ(highlightedRows.back() - highlightedRows.front() + 1, list->ItemHeight());
    fonts->SetDroppedDown(false);

    // Two lines of the same length in two fonts: drawn in their fonts they differ; in the box's font alike.
    fonts->Items()->SetText("DejaVu Serif\r\nDejaVu Sans ");
    const auto rows = [&] {
        fonts->SetDroppedDown(true);
        auto* popup = dynamic_cast<TGxStringsPopupControl6*>(fonts->PopupControl());
        auto picture = Render(popup);
        const int h = popup->ItemHeight();
        int differing = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 1; x < 60; ++x)
                differing += PixelAt(*picture, x, 1 + y) != PixelAt(*picture, x, 1 + h + y) ? 1 : 0;
        fonts->SetDroppedDown(false);
        return differing;
    };
    const int inTheirFonts = rows();
    fonts->SetPaintInFont(false);
    const int inTheBoxFont = rows();
    EXPECT_GT(inTheirFonts, inTheBoxFont + 20);
}
