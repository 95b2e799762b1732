#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_combo_box.h"
#include "controls/skins/skin_text_output.h"
#include "gui_driver.h"
#include "manual_clock.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/system_metrics.h"
#include "skin_form_fixture.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The skinned combo box as the main window's profile list: hover, entries drawn by their owner, sizes and
// pictures.

namespace {

class ProfileCombo : public SkinFormFixture
{
protected:
    void SetUp() override
    {
        SkinFormFixture::SetUp();
        ShowForm(260, 200);
        MouseMove(form, {250, 190});
        combo = new TQvComboBox(form);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 180, 30);
        combo->SetStyle(csOwnerDrawVariable);
        combo->SetAutoItemHeight(false);
        combo->SetItemHeight(26);
        combo->SetDropDownCount(14);
        for (const char* profile : {"DivX 720p", "XviD 480p", "MPEG-2 DVD"})
            combo->Items()->Add(profile);
        combo->SetItemIndex(0);
        // The main window's handler: a coloured mark before the name, drawn in the pre-paint stage.
        combo->OnDrawItem = [this](TObject*, TCanvas& canvas, TRect& rect, int index, TOwnerDrawState state,
                                   TQvPaintStage stage, bool& paintDefault) {
            drawn.push_back({index, state.Contains(odComboBoxEdit), stage});
            if (stage != pstPrePaint)
                return;
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(index == 1 ? 0x0000A000 : 0x00C05000);
            canvas.FillRect({rect.Left + 3, rect.Top + 7, rect.Left + 15, rect.Bottom - 7});
            TRect text{rect.Left + 20, rect.Top, rect.Right, rect.Bottom};
            canvas.Brush()->SetStyle(bsClear);
            DrawSkinText(canvas, combo->Items()->Strings(index), text, DT_SINGLELINE | DT_VCENTER, gldNone,
                         clNone, tra0);
            paintDefault = false;
        };
        Pump();
    }
    struct TDrawn
    {
        int index;
        bool face;
        TQvPaintStage stage;
        friend bool operator==(const TDrawn&, const TDrawn&) = default;
    };

    TManualClock clock; // made before the form: the box's hover timer may start as it is shown
    TQvComboBox* combo = nullptr;
    std::vector<TDrawn> drawn;
};

TEST_F(ProfileCombo, TheHotLookGoesWhenTheTimerFindsThePointerOutside)
{
    // The focus elsewhere: a focused box counts as hot whatever the pointer does.
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 100, 80, 22);
    other->SetFocus();
    clock.Advance(125);
    EXPECT_FALSE(combo->MouseInControl());
    MouseMove(combo, {20, 10});
    EXPECT_TRUE(combo->MouseInControl());
    MouseMove(form, {230, 180});
    clock.Advance(124);
    EXPECT_TRUE(combo->MouseInControl()) << "until the next look after 125 ms";
    clock.Advance(1);
    EXPECT_FALSE(combo->MouseInControl());
    MouseMove(combo, {20, 10});
    EXPECT_TRUE(combo->MouseInControl()) << "the timer starts again on the next entry";
    clock.Advance(125);
    EXPECT_TRUE(combo->MouseInControl());
}

TEST_F(ProfileCombo, EntriesAreDrawnByTheirOwnerAroundTheirStagesAndKeepTheirHeight)
{
    EXPECT_EQ(combo->ItemHeight(), 26);
    // Each drawing of an entry: its pre-paint stage, then its post-paint stage.
    const auto expectPairs = [&](bool face) {
        ASSERT_FALSE(drawn.empty());
        ASSERT_EQ(drawn.size() % 2, 0u);
        for (size_t i = 0; i < drawn.size(); i += 2) {
            EXPECT_EQ(drawn[i].stage, pstPrePaint);
            EXPECT_EQ(drawn[i + 1], (TDrawn{drawn[i].index, drawn[i].face, pstPostPaint}));
            EXPECT_EQ(drawn[i].face, face);
        }
    };
    Render(combo);
    expectPairs(true);
    drawn.clear();
    combo->SetDroppedDown(true);
    Pump();
    ASSERT_NE(combo->ListControl(), nullptr);
    drawn.clear();
    Render(combo->ListControl());
    expectPairs(false);
    EXPECT_EQ(drawn.size(), 6u) << "three entries, each with two stages";
    EXPECT_EQ(combo->ListControl()->ClientHeight(), 3 * 26);
    combo->SetDroppedDown(false);
}

TEST_F(ProfileCombo, AnEditableComboStillDrawsItsEntriesItselfAndSizesThemToItsFont)
{
    auto* plain = new TQvComboBox(form);
    plain->SetParent(form);
    plain->SetBounds(10, 60, 100, 24);
    plain->Items()->Add("one");
    plain->Items()->Add("two");
    int entries = 0;
    plain->OnDrawItemBackground = [&](TObject*, TCanvas&, TRect&, int, TOwnerDrawState, TQvPaintStage stage,
                                      bool&) { entries += stage == pstPrePaint ? 1 : 0; };
    Pump();
    EXPECT_EQ(plain->ItemHeight(), GetFontTextHeight(plain, *plain->Font()));
    plain->SetDroppedDown(true);
    Pump();
    entries = 0;
    Render(plain->ListControl());
    EXPECT_GE(entries, 2);
    plain->SetDroppedDown(false);
}

TEST_F(ProfileCombo, AutoDropDownWidthWidensTheListToItsWidestEntry)
{
    combo->Items()->Add("MPEG-4 AVC for portable players, two passes");
    combo->SetAutoDropDownWidth(true);
    const int widest = GetTextSize(*combo->Canvas(), combo->Items()->Strings(3), false).cx;
    EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH, 0, 0), widest + GetSystemMetrics(SM_CXVSCROLL) + 8);

    auto* wide = new TQvComboBox(form);
    wide->SetParent(form);
    wide->SetBounds(10, 60, 240, 24);
    wide->Items()->Add("short");
    const LRESULT before = wide->Perform(CB_GETDROPPEDWIDTH, 0, 0);
    wide->SetAutoDropDownWidth(true);
    EXPECT_EQ(wide->Perform(CB_GETDROPPEDWIDTH, 0, 0), before) << "a box wide enough keeps its list";
}

TEST_F(ProfileCombo, PicturesInTheDefaultSkinThemedAndClassicAndInBuiltInSkins)
{
    // The marks the owner draws before each name: blue for the first and third entries, green for the second.
    const TColor blue = 0x00C05000, green = 0x0000A000;
    const auto marks = [](TBitmap& picture, TColor colour) {
        return CountPixels(picture, {0, 0, picture.Width(), picture.Height()}, colour);
    };
    ForEachPictureLook([&](const TSkinLook& look) {
        SCOPED_TRACE(look.name);
        MouseMove(form, {230, 180});
        combo->Perform(CM_EXIT, 0, 0);
        Pump();
        const auto closed = Render(combo);
        SaveScreenshot(*closed, "skin_combo_" + look.name, 2);
        EXPECT_GT(marks(*closed, blue), 50) << "the chosen entry in the edit part";
        EXPECT_EQ(marks(*closed, green), 0);
        MouseMove(combo, {combo->Width() - 5, 10});
        Pump();
        const auto hot = Render(combo);
        SaveScreenshot(*hot, "skin_combo_" + look.name + "_hot", 2);
        EXPECT_EQ(marks(*hot, blue), marks(*closed, blue)) << "the pointer changes only the frame";
        combo->SetDroppedDown(true);
        Pump();
        const auto list = Render(combo->ListControl());
        SaveScreenshot(*list, "skin_combo_" + look.name + "_list", 2);
        EXPECT_GT(marks(*list, green), 100) << "every entry in the list";
        EXPECT_GT(marks(*list, blue), 2 * 100);
        combo->SetDroppedDown(false);
    });
}

} // namespace
