#include "settings_panels_fixture.h"

#include "controls/edits/combo_box.h"
#include "support/color_routines.h"
#include "support/system_colors.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class SettingsResolutionDrawing : public SettingsPanelsFixture
{
protected:
    SettingsResolutionDrawing()
    {
        std::ofstream(listFile)
            << "// test sizes\n1280 x 720 - HD720\n50%\n1024 x 576 - 16:9\n800 x 600 - 4:3\n";
        AppParams.ResolutionTxt = listFile.string();
    }
    ~SettingsResolutionDrawing() override { fs::remove(listFile); }

    fs::path listFile = fs::temp_directory_path() / ("qm_resolutions_" + std::to_string(getpid()) + ".txt");
};

} // namespace

TEST_F(SettingsResolutionDrawing, EachKindOfItemIsDrawnInItsColours)
{
    TSettingsPanels& p = Build();
    ASSERT_EQ(p.cbResolution->Items()->Count(), 6);
    const struct
    {
        int index;
        TColor background, text;
    } cases[] = {
        {0, RGBToColor(248, 248, 248), clBlack},
        {1, RGBToColor(91, 91, 91), RGBToColor(220, 220, 220)},
        {3, RGBToColor(251, 244, 198), clBlack},
        {4, RGBToColor(67, 126, 90), RGBToColor(240, 240, 240)},
        {5, RGBToColor(232, 193, 193), RGBToColor(20, 20, 20)},
    };
    for (const auto& c : cases) {
        p.cbResolution->SetItemIndex(c.index);
        p.cbResolution->Invalidate();
        Pump();
        const std::unique_ptr<TBitmap> picture = Render(p.cbResolution);
        SaveScreenshot(*picture, "settings_resolution_item_" + std::to_string(c.index), 3);
        const TRect whole = Bounds(0, 0, picture->Width(), picture->Height());
        // The gradient ends in the background at the item's bottom row; the text is drawn in its colour.
        EXPECT_GT(CountPixels(*picture, whole, c.background), picture->Width() / 2) << c.index;
        EXPECT_GT(CountPixels(*picture, whole, c.text), 3) << c.index;
        EXPECT_EQ(p.cbResolution->Color(), c.background) << "the closed box takes the item's colour";
    }
}

TEST_F(SettingsResolutionDrawing, TheDroppedDownListSeparatesItemsAndHighlightsTheSelectedOne)
{
    TSettingsPanels& p = Build();
    p.cbResolution->SetItemIndex(4);
    p.cbResolution->SetDroppedDown(true);
    Pump();
    TWinControl* list = p.cbResolution->ListControl();
    ASSERT_NE(list, nullptr);
    const std::unique_ptr<TBitmap> picture = Render(list);
    SaveScreenshot(*picture, "settings_resolution_list", 2);
    const TRect whole = Bounds(0, 0, picture->Width(), picture->Height());
    const TColor rose = RGBToColor(232, 193, 193), custom = RGBToColor(91, 91, 91);
    EXPECT_GT(CountPixels(*picture, whole, rose), picture->Width() / 2) << "item 5";
    EXPECT_GT(CountPixels(*picture, whole, LightenDarkenColor(rose, 8, false)), picture->Width() / 2)
        << "the line along the item's top";
    EXPECT_GT(CountPixels(*picture, whole, LightenDarkenColor(custom, 8, false)), picture->Width() / 2);
    EXPECT_GT(CountPixels(*picture, whole, LightenDarkenColor(ColorToRGB(clHighlight), 8, false)),
              picture->Width() / 2)
        << "the selected item";
    EXPECT_EQ(CountPixels(*picture, whole, RGBToColor(67, 126, 90)), 0)
        << "the selected 16:9 item is highlighted";
    p.cbResolution->SetDroppedDown(false);
}
