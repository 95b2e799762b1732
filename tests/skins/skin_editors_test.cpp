#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_edit_button.h"
#include "controls/skins/skin_edit_painting.h"
#include "controls/skins/skin_spin_edit.h"
#include "gui_driver.h"
#include "manual_clock.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/theme.h"
#include "skin_form_fixture.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

// The skinned spin edit: its value rules without a window, then the main window's spin edits with their
// keys, buttons, commits and pictures.

namespace {

// The crop values of the main window: 0 to 5000 in steps of 8.
void MakeCropOptions(TQvSpinEditOptions& options)
{
    options.SetIncrement(8);
    options.SetMaxValue(5000);
}

TEST(SpinEditOptions, SnappingStepsOntoTheNextMultipleInsideTheBounds)
{
    struct TCase
    {
        double start;
        bool up;
        double expected;
    };
    const TCase cases[] = {{5, true, 8},       {8, true, 16}, {5, false, 0}, {4998, true, 5000},
                           {5000, true, 5000}, {0, false, 0}, {16, false, 8}};
    for (const TCase& c : cases) {
        TQvSpinEditOptions options;
        MakeCropOptions(options);
        options.SetValue(c.start);
        c.up ? options.ValueInc() : options.ValueDec();
        EXPECT_EQ(options.Value(), c.expected) << c.start << (c.up ? " up" : " down");
    }
}

TEST(SpinEditOptions, AValueOutsideTheBoundsIsIgnoredNotClamped)
{
    TQvSpinEditOptions width;
    width.SetMaxValue(30000);
    width.SetMinValue(2);
    EXPECT_EQ(width.Value(), 2) << "a raised minimum takes the value with it";
    int changes = 0;
    width.OnValueChanged = [&](TObject* sender) {
        EXPECT_EQ(sender, &width);
        ++changes;
    };
    width.SetValue(1);
    width.SetValue(30001);
    EXPECT_EQ(width.Value(), 2);
    EXPECT_EQ(changes, 0);
    width.SetValue(640);
    EXPECT_EQ(width.Value(), 640);
    EXPECT_EQ(changes, 1);
    width.SetMaxValue(320);
    EXPECT_EQ(width.Value(), 320) << "a lowered maximum takes the value with it";

    TQvSpinEditOptions free;
    free.SetValue(-1e6);
    EXPECT_EQ(free.Value(), -1e6) << "equal bounds accept any value";
    free.SetValue(NAN);
    free.SetValue(INFINITY);
    EXPECT_EQ(free.Value(), -1e6) << "no number is no value";
}

TEST(SpinEditOptions, AnIncrementOfZeroOrLessStepsNothingAndLargeValuesStepIn64Bits)
{
    for (double increment : {0.0, -8.0}) {
        for (bool snap : {true, false}) {
            TQvSpinEditOptions options;
            options.SetValueType(spnFloat);
            options.SetIncrement(increment);
            options.SetValueSnap(snap);
            options.SetValue(5);
            options.ValueInc();
            options.ValueDec();
            EXPECT_EQ(options.Value(), 5) << increment << (snap ? " snapping" : "");
        }
    }
    TQvSpinEditOptions large;
    large.SetValue(2147483647);
    large.ValueInc();
    EXPECT_EQ(large.Value(), 2147483648.0) << "past the 32-bit range";
    EXPECT_EQ(large.ValueAsInteger(), 2147483648LL);
    large.SetValue(-2147483648.0);
    large.ValueDec();
    EXPECT_EQ(large.Value(), -2147483649.0);
    large.SetValue(1e300);
    large.ValueInc();
    EXPECT_EQ(large.Value(), 1e300) << "a multiple beyond 64 bits is not stepped to";
}

// The options with their text held in a string, as the edit holds it.
struct TTextHolder
{
    TTextHolder()
    {
        options.OnSetText = [this](TObject*, const std::string& value) { text = value; };
        options.OnGetText = [this](TObject*, std::string& value, bool&) { value = text; };
    }
    void Type(const std::string& typed)
    {
        text = typed;
        options.UpdateValueFromText(true);
    }
    TQvSpinEditOptions options;
    std::string text;
};

TEST(SpinEditOptions, TextReadsAndShowsIntegersFixedPointAndHexBetweenPrefixAndPostfix)
{
    struct TCase
    {
        TQvSpinType type;
        std::string prefix, postfix, typed;
        double value;
        std::string shown;
    };
    const TCase cases[] = {
        {spnInteger, "", "", "12 ", 12, "12"},
        {spnInteger, "", "px", "12px", 12, "12px"},
        {spnInteger, "w=", "px", " w=640 px", 640, "w=640px"},
        {spnInteger, "", "", "12.5", 0, "0"},
        {spnInteger, "", "", "twelve", 0, "0"},
        {spnInteger, "", "", "", 0, "0"},
        {spnHex, "", "", "ff", 255, "FF"},
        {spnHex, "", "", "xyz", 0, "0"},
        {spnFloat, "", " fps", "23.976 fps", 23.976, "23.98 fps"},
    };
    for (const TCase& c : cases) {
        TTextHolder holder;
        holder.options.SetValueType(c.type);
        holder.options.SetPrefix(c.prefix);
        holder.options.SetPostfix(c.postfix);
        holder.Type(c.typed);
        EXPECT_DOUBLE_EQ(holder.options.Value(), c.value) << c.typed;
        EXPECT_EQ(holder.text, c.shown) << c.typed;
    }
}

TEST(SpinEditOptions, ChangingTheTypeOrDecimalsKeepsTheRules)
{
    TTextHolder holder;
    TQvSpinEditOptions& options = holder.options;
    options.SetValueType(spnFloat);
    options.SetIncrement(0.25);
    options.SetValueType(spnInteger);
    EXPECT_EQ(options.Increment(), 1) << "0.25 rounds to 0 and is raised to 1";
    options.SetDecimal(12);
    EXPECT_EQ(options.Decimal(), 10);
    options.SetDecimal(-1);
    EXPECT_EQ(options.Decimal(), 0);
    options.SetValue(255);
    options.SetValueType(spnHex);
    EXPECT_EQ(holder.text, "FF");
    options.SetValue(2.5);
    options.SetValueType(spnInteger);
    EXPECT_EQ(holder.text, "2") << "rounded half to even";
}

// The main window's spin edits on a form: four crop values and the width and height.
class MainWindowSpinEdits : public SkinFormFixture
{
protected:
    void SetUp() override
    {
        SkinFormFixture::SetUp();
        ShowForm(330, 110);
        for (int i = 0; i < 4; ++i) {
            crops[i] = AddSpinEdit(10 + 80 * i, 10);
            MakeCropOptions(*crops[i]->SpinOptions());
        }
        width = AddSpinEdit(10, 50);
        height = AddSpinEdit(90, 50);
        for (TQvSpinEdit* size : {width, height}) {
            size->SpinOptions()->SetMinValue(2);
            size->SpinOptions()->SetMaxValue(30000);
            size->SetValue(2);
        }
        Pump();
    }
    TQvSpinEdit* AddSpinEdit(int left, int top)
    {
        auto* edit = new TQvSpinEdit(form);
        edit->SetParent(form);
        edit->SetBounds(left, top, 70, 22);
        edit->SetAlignment(taCenter);
        return edit;
    }
    // A point in the upper or lower half of the edit's spin button.
    static TPoint SpinPoint(TQvSpinEdit* edit, bool up)
    {
        const TQvSpinButton* button = edit->SpinButton();
        return {button->Width() / 2, up ? 3 : button->Height() - 3};
    }

    TQvSpinEdit* crops[4] = {};
    TQvSpinEdit* width = nullptr;
    TQvSpinEdit* height = nullptr;
};

TEST_F(MainWindowSpinEdits, TheSpinButtonSitsInsideTheRightEdgeAndTheTextKeepsClearOfIt)
{
    TQvSpinButton* button = crops[0]->SpinButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Width(), 14);
    EXPECT_EQ(button->Left() + button->Width(), crops[0]->ClientWidth());
    EXPECT_EQ(button->Name(), "SubEditButton0");
    const LRESULT margins = crops[0]->Perform(EM_GETMARGINS, 0, 0);
    EXPECT_EQ(LOWORD(margins), 0);
    EXPECT_EQ(HIWORD(margins), 16) << "the button's width and 2 pixels";

    auto* second = new TQvEditButton(crops[0]);
    EXPECT_EQ(second->Name(), "SubEditButton1");
    second->SetParent(crops[0]);
    second->SetAlign(alLeft);
    second->SetWidth(18);
    crops[0]->UpdateEditMargins();
    EXPECT_EQ(LOWORD(crops[0]->Perform(EM_GETMARGINS, 0, 0)), 20);
}

TEST_F(MainWindowSpinEdits, UpDownKeysAndTheSpinButtonStepTheValue)
{
    TQvSpinEdit* crop = crops[0];
    width->SetFocus();
    TQvSpinButton* button = crop->SpinButton();
    MouseMove(button, SpinPoint(crop, true));
    Click(button, SpinPoint(crop, true));
    EXPECT_TRUE(crop->Focused()) << "a click on the button focuses its edit";
    Press(crop, "Up");
    EXPECT_EQ(crop->Value(), 16);
    EXPECT_EQ(crop->Text(), "16");
    Press(crop, "Down");
    EXPECT_EQ(crop->Value(), 8);
    MouseMove(button, SpinPoint(crop, false));
    Click(button, SpinPoint(crop, false));
    EXPECT_EQ(crop->Value(), 0);
}

TEST_F(MainWindowSpinEdits, AHeldSpinButtonRepeatsAfter400AndEvery100Milliseconds)
{
    TManualClock clock;
    TQvSpinEdit* crop = crops[1];
    TQvSpinButton* button = crop->SpinButton();
    MouseMove(button, SpinPoint(crop, true));
    MouseDown(button, SpinPoint(crop, true));
    EXPECT_EQ(crop->Value(), 8);
    clock.Advance(400);
    EXPECT_EQ(crop->Value(), 16);
    clock.Advance(200);
    EXPECT_EQ(crop->Value(), 32);
    MouseUp(button, SpinPoint(crop, true));
    clock.Advance(500);
    EXPECT_EQ(crop->Value(), 32);
}

TEST_F(MainWindowSpinEdits, EnterAndLeavingTheEditCommitTheTextAndARefusedValueShowsTheOldOne)
{
    width->SetValue(640);
    width->SetFocus();
    width->SelectAll();
    Press(width, "=1");
    EXPECT_EQ(width->Value(), 640) << "typing alone commits nothing";
    Press(width, "Enter");
    EXPECT_EQ(width->Value(), 640) << "below the minimum";
    EXPECT_EQ(width->Text(), "640") << "the old value's text is back";

    width->SelectAll();
    Press(width, "=720");
    Press(width, "Enter");
    EXPECT_EQ(width->Value(), 720);

    width->SelectAll();
    Press(width, "=480");
    height->SetFocus();
    EXPECT_EQ(width->Value(), 480) << "leaving the edit commits";

    height->SelectAll();
    Press(height, "=abc");
    width->SetFocus();
    EXPECT_EQ(height->Value(), 2);
    EXPECT_EQ(height->Text(), "2");
}

TEST_F(MainWindowSpinEdits, SettingValueOutsideTheBoundsChangesNothing)
{
    width->SetValue(1);
    EXPECT_EQ(width->Value(), 2);
    EXPECT_EQ(width->Text(), "2");
    crops[2]->SetValue(5001);
    EXPECT_EQ(crops[2]->Value(), 0);
}

TEST_F(MainWindowSpinEdits, PicturesInTheDefaultSkinThemedAndClassicAndInBuiltInSkins)
{
    crops[0]->SetValue(16);
    crops[1]->SetValue(5000);
    crops[3]->SetEnabled(false);
    width->SetValue(720);
    ForEachPictureLook([&](const TSkinLook& look) {
        MouseMove(form, {300, 100});
        height->SetFocus();
        MouseMove(crops[2]->SpinButton(), SpinPoint(crops[2], true));
        Pump();
        auto picture = Render(form);
        SaveScreenshot(*picture, "skin_spin_edits_" + look.name, 2);
        // A skin whose hot frame looks different shows it on the edit under the pointer.
        if (EditFrameHotLookDiffers(true)) {
            EXPECT_NE(picture->Canvas()->Pixels(crops[2]->Left(), crops[2]->Top() + 11),
                      picture->Canvas()->Pixels(crops[0]->Left(), crops[0]->Top() + 11))
                << look.name;
        }
        // The edits' own backgrounds, not the form's, lie inside their frames.
        EXPECT_NE(picture->Canvas()->Pixels(crops[0]->Left() + 6, crops[0]->Top() + 11),
                  picture->Canvas()->Pixels(5, 5))
            << look.name;
    });
}

TEST_F(MainWindowSpinEdits, WithoutBorderStyleTheFrameTakesTheEditsColour)
{
    RegisterBuiltInSkins();
    Manager().SetSkin("Aluminum");
    crops[0]->SetColor(clYellow);
    MouseMove(form, {300, 100});
    Pump();
    const auto framePixel = [&] { return Render(crops[0])->Canvas()->Pixels(0, 11); };
    EXPECT_NE(framePixel(), clYellow);
    crops[0]->SetBorderStyle(bsNone);
    Pump();
    EXPECT_EQ(framePixel(), clYellow);
    crops[0]->SetBorderStyle(bsSingle);
    Pump();
    EXPECT_NE(framePixel(), clYellow);
}

} // namespace
