#include "engine/forms/profile_selector.h"

#include "controls/edits/combo_box.h"
#include "gui_driver.h"
#include "support/color_routines.h"
#include "support/system_colors.h"

#include <gtest/gtest.h>

// The profile selector's items in their colours, closed and dropped down.

namespace {

const TColor Red = RGBToColor(200, 30, 30);
const TColor Yellow = RGBToColor(250, 240, 20);
const TColor Teal = RGBToColor(20, 120, 130);
const TColor Orange = RGBToColor(240, 150, 40);
constexpr TColor White = 0xFFFFFF;
const TColor DefaultBackground = RGBToColor(240, 240, 240);

TProfileInfo Profile(const std::string& name, TColor background, TColor text)
{
    TProfileInfo info;
    info.ShortFileName = name + ".ini";
    info.DisplayName = name;
    info.BgColor = background;
    info.FontColor = text;
    return info;
}

class ProfileSelector : public testing::Test
{
protected:
    ProfileSelector() : form(ShowTestForm(500, 120))
    {
        combo = new TVezComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 420, 24);
        SetUpProfileSelector(*combo, infos);
        FillProfileSelector(*combo, infos, "The last session settings", "Encoder default settings");
        Pump();
    }
    ~ProfileSelector() override { form->Free(); }

    // The rows of the picture that hold the colour, top to bottom.
    static std::vector<int> RowsWith(TBitmap& picture, TColor color)
    {
        std::vector<int> rows;
        for (int y = 0; y < picture.Height(); ++y)
            if (CountPixels(picture, Bounds(0, y, picture.Width(), 1), color) > 0)
                rows.push_back(y);
        return rows;
    }

    std::vector<TProfileInfo> infos = {Profile("White on white", White, White), Profile("Red", Red, Yellow),
                                       Profile("Same colours", Teal, Teal),
                                       Profile("Two\\nlines", Teal, Orange)};
    TForm* form;
    TVezComboBox* combo = nullptr;
};

TEST_F(ProfileSelector, TheClosedSelectorShowsTheChosenItemInItsColours)
{
    ASSERT_EQ(combo->Items()->Count(), 6);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Items()->Strings(5), "Two\r\nlines");
    const struct
    {
        int index;
        TColor background, text;
    } cases[] = {
        {0, DefaultBackground, clBlack},
        {1, DefaultBackground, clBlack},
        {2, DefaultBackground, clBlack}, // white on white is the default look
        {3, Red, Yellow},
        {4, RGBToColor(51, 51, 51), RGBToColor(230, 230, 230)}, // equal colours would hide the text
    };
    for (const auto& c : cases) {
        combo->SetItemIndex(c.index);
        combo->Invalidate();
        Pump();
        const std::unique_ptr<TBitmap> picture = Render(combo);
        SaveScreenshot(*picture, "profile_selector_item_" + std::to_string(c.index), 2);
        const TRect whole = Bounds(0, 0, picture->Width(), picture->Height());
        EXPECT_GT(CountPixels(*picture, whole, c.background), picture->Width() / 2) << c.index;
        EXPECT_GT(CountPixels(*picture, whole, c.text), 3) << c.index;
        EXPECT_EQ(combo->Color(), c.background) << "the closed box takes the item's background: " << c.index;
    }
}

TEST_F(ProfileSelector, TheDroppedDownListPartsItemsHighlightsTheChosenOneAndWrapsTwoLineNames)
{
    EXPECT_EQ(combo->ItemHeight(), 26);
    EXPECT_EQ(combo->DropDownCount(), 14);
    combo->SetItemIndex(4);
    combo->SetDroppedDown(true);
    Pump();
    TWinControl* list = combo->ListControl();
    ASSERT_NE(list, nullptr);
    const std::unique_ptr<TBitmap> picture = Render(list);
    SaveScreenshot(*picture, "profile_selector_list", 2);
    const int width = picture->Width();
    const TRect whole = Bounds(0, 0, width, picture->Height());

    // A line 6 % darker than an item's background runs along its top, across the list; the chosen item is
    // in the highlight colours instead of its own.
    for (TColor background : {DefaultBackground, Red, Teal, ColorToRGB(clHighlight)})
        EXPECT_GT(CountPixels(*picture, whole, LightenDarkenColor(background, 6, false)), width * 3 / 4)
            << std::hex << background;
    EXPECT_LT(CountPixels(*picture, whole, RGBToColor(51, 51, 51)), width / 4) << "highlighted instead";

    // "Two\nlines" is drawn wrapped from the item's top; "Red" on one line, centred.
    const std::vector<int> twoLines = RowsWith(*picture, Orange);
    const std::vector<int> oneLine = RowsWith(*picture, Yellow);
    ASSERT_FALSE(twoLines.empty());
    ASSERT_FALSE(oneLine.empty());
    const int twoLinesTop = 5 * 26, redTop = 3 * 26;
    EXPECT_GT(twoLines.back() - twoLines.front(), 14) << "two lines of text";
    EXPECT_LE(twoLines.front() - twoLinesTop, 6) << "from the top";
    EXPECT_LT(oneLine.back() - oneLine.front(), 13);
    EXPECT_GE(oneLine.front() - redTop, 6) << "centred";
    combo->SetDroppedDown(false);
}

} // namespace
