#include "controls/grid/spin_edit6.h"
#include "gui_driver.h"
#include "locale_cases.h"
#include "manual_clock.h"
#include "theme_switch.h"

#include "platform/gui/services/clipboard.h"
#include "platform/gui/windows/window_functions.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The options window's two spin edits (6..20 and 12..50) and a third control to move the focus to; the
// timers run on a clock that the test moves.
class SpinEdit6 : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(300, 140);
        edit = NewSpinEdit(10, 6, 20);
        second = NewSpinEdit(45, 12, 50);
        other = new TGxEdit6(form);
        other->SetParent(form);
        other->SetBounds(10, 100, 120, 22);
        for (TGxSpinEdit6* spin : {edit, second})
            spin->SetValue(spin->Min());
        edit->OnSpin = [this](TObject*, TGxSpinButton) { ++spins; };
        edit->SetFocus();
        Pump();
    }
    void TearDown() override { form->Free(); }

    TGxSpinEdit6* NewSpinEdit(int top, double min, double max)
    {
        auto* spin = new TGxSpinEdit6(form);
        spin->SetParent(form);
        spin->SetBounds(10, top, 80, 22);
        spin->SetPrecision(0);
        spin->SetNumericEditOptions({});
        spin->SetMin(min);
        spin->SetMax(max);
        return spin;
    }
    TPoint UpButton() const { return {3, 2}; }
    TPoint DownButton() const { return {3, edit->Buttons()->Height() - 3}; }
    bool AtRest() const
    {
        const TGxSpinButtons6& b = *edit->Buttons();
        return b.PressedButtons().Empty() && !b.Delaying() && !b.Repeating();
    }

    TManualClock clock;
    TForm* form = nullptr;
    TGxSpinEdit6* edit = nullptr;
    TGxSpinEdit6* second = nullptr;
    TGxEdit6* other = nullptr;
    int spins = 0; // OnSpin calls
};

} // namespace

TEST_F(SpinEdit6, NewNumberEditShowsZeroInTheFormat)
{
    auto* number = new TGxNumberEdit6(form);
    EXPECT_EQ(number->Text(), "0.00");
    {
        TFormatSettingsGuard locale(WithSeparator(","));
        number->SetValue(2.5);
        EXPECT_EQ(number->Text(), "2,50");
        EXPECT_EQ(number->Value(), 2.5);
    }
    number->SetValue(2.5);
    number->SetTextAfter(" px");
    EXPECT_EQ(number->Text(), "2.50 px");
    number->SetPrecision(0);
    EXPECT_EQ(number->Text(), "2.5 px");
    EXPECT_EQ(number->Value(), 2.5);
    EXPECT_EQ(number->AsString(), "2.5");
    number->SetValue(2.5);
    EXPECT_EQ(number->AsInteger(), 2); // halves to even
    number->SetValue(3.5);
    EXPECT_EQ(number->AsInteger(), 4);
    number->SetNumericEditOptions(ednSigns);
    EXPECT_EQ(number->Text(), "4 px");
}

TEST_F(SpinEdit6, LeavingShowsTheValueAgain)
{
    edit->SetNumericEditOptions({ednDecimals, ednSigns});
    edit->SetPrecision(2);
    edit->SetTextAfter(" pt");
    edit->SelectAll();
    Press(edit, "7");
    EXPECT_EQ(edit->Text(), "7");
    other->SetFocus();
    EXPECT_EQ(edit->Text(), "7.00 pt");
    edit->SetFocus();
    edit->SelectAll();
    PressAll(edit, {"2", "5"});
    EXPECT_EQ(edit->Value(), 20);
    other->SetFocus();
    EXPECT_EQ(edit->Text(), "20.00 pt");
    edit->SetAdjustToRange(false);
    edit->SetText("25");
    EXPECT_EQ(edit->Value(), 25);
    edit->SetText("-."); // no number: Min, and leaving does not fail
    edit->SetFocus();
    other->SetFocus();
    EXPECT_EQ(edit->Text(), "6.00 pt");
}

TEST_F(SpinEdit6, TypingAndPastingInBothLocales)
{
    edit->SetNumericEditOptions({ednDecimals, ednSigns});
    edit->SetMin(0);
    edit->SetMax(0);
    for (const std::string separator : {".", ","}) {
        TFormatSettingsGuard locale(WithSeparator(separator));
        SCOPED_TRACE(separator);
        edit->SetText("45");
        edit->SetSelStart(1);
        Clipboard()->SetAsText("-3");
        Press(edit, "C-v");
        EXPECT_EQ(edit->Text(), "435");
        EXPECT_EQ(edit->SelStart(), 1);
        edit->SetText(Localised("2.5", separator));
        edit->SetSelStart(3);
        Clipboard()->SetAsText(Localised("1.5", separator));
        Press(edit, "C-v");
        EXPECT_EQ(edit->Text(), Localised("2.515", separator));

        edit->SetText("5");
        edit->SetSelStart(1);
        PressAll(edit, {"x", "=-", "=" + separator, "1", "=" + separator});
        EXPECT_EQ(edit->Text(), Localised("5.1", separator)); // no letter, no late sign, one separator
        edit->SelectAll();
        Press(edit, "=-");
        EXPECT_EQ(edit->Text(), "-");
    }
    edit->SetEditOptions({}); // the number edit pastes whatever the paste switch says
    edit->SetText("1");
    edit->SetSelStart(1);
    Clipboard()->SetAsText("2");
    Press(edit, "C-v");
    EXPECT_EQ(edit->Text(), "12");
    edit->SetReadOnly(true);
    Press(edit, "C-v");
    EXPECT_EQ(edit->Text(), "12");
}

TEST_F(SpinEdit6, StepsStopBeforeALimit)
{
    const struct
    {
        double min, max, value;
        bool signs;
        TSpinButton button;
        double expected;
    } cases[] = {
        {6, 20, 20, true, sbUp, 20},     {6, 20, 19.5, true, sbUp, 19.5}, {6, 20, 6, true, sbDown, 6},
        {6, 20, 7, true, sbDown, 6},     {0, 0, 0, false, sbDown, 0},     {0, 0, 0.5, false, sbDown, 0.5},
        {0, 0, 0.5, true, sbDown, -0.5}, {0, 0, 99, false, sbUp, 100},
    };
    edit->SetPrecision(-1);
    for (const auto& c : cases) {
        edit->SetMin(c.min);
        edit->SetMax(c.max);
        edit->SetNumericEditOptions(c.signs ? TGxNumericEditOptions{ednDecimals, ednSigns}
                                            : TGxNumericEditOptions{ednDecimals});
        edit->SetValue(c.value);
        spins = 0;
        edit->Buttons()->SetPressedButtons(c.button);
        edit->Buttons()->Release();
        EXPECT_EQ(edit->Value(), c.expected) << c.value << (c.button == sbUp ? " up" : " down");
        EXPECT_EQ(spins, 1) << "OnSpin comes before any check";
    }
}

TEST_F(SpinEdit6, StepChangesTheTextAndMarksItModified)
{
    std::vector<std::string> events;
    edit->OnSpin = [&](TObject*, TGxSpinButton) { events.push_back("spin " + edit->Text()); };
    edit->OnChange = [&](TObject*) { events.push_back("change " + edit->Text()); };
    edit->SetModified(false);
    Press(edit, "Up");
    EXPECT_EQ(events, (std::vector<std::string>{"spin 6", "change 7"}));
    EXPECT_TRUE(edit->Modified());
    EXPECT_EQ(edit->SelStart(), 1);

    edit->SetReadOnly(true);
    events.clear();
    Click(edit->Buttons(), UpButton());
    EXPECT_EQ(events, (std::vector<std::string>{"spin 7"})); // read-only: told, but no step
}

TEST_F(SpinEdit6, HeldButtonStepsEveryTwentyMillisecondsAfterTheDelay)
{
    edit->SetMax(100);
    other->SetFocus();
    MouseDown(edit->Buttons(), UpButton());
    EXPECT_TRUE(edit->Focused()); // a press takes the focus
    EXPECT_EQ(edit->Value(), 7);
    clock.Advance(399);
    EXPECT_EQ(edit->Value(), 7);
    clock.Advance(601);
    EXPECT_EQ(edit->Value(), 6 + 31); // 1 + (1000 - 400) / 20 steps in one second
    MouseUp(edit->Buttons(), UpButton());
    EXPECT_TRUE(AtRest());
    clock.Advance(500);
    EXPECT_EQ(edit->Value(), 37);

    edit->SetAccelerationInterval(100);
    MouseDown(edit->Buttons(), DownButton());
    clock.Advance(200);
    MouseUp(edit->Buttons(), DownButton());
    EXPECT_EQ(edit->Value(), 37 - 1 - 5);
}

TEST_F(SpinEdit6, HeldKeyRepeatsByTheTimerOnly)
{
    edit->SetMax(100);
    KeyDown(edit, "Up");
    KeyRepeat(edit, "Up");
    KeyRepeat(edit, "Up"); // the keyboard's repeats press nothing new
    EXPECT_EQ(edit->Value(), 7);
    clock.Advance(500);
    EXPECT_EQ(edit->Value(), 7 + 5);
    KeyUp(edit, "Up");
    EXPECT_TRUE(AtRest());
}

TEST_F(SpinEdit6, InterruptionsLetGoOfTheButtons)
{
    const struct
    {
        const char* name;
        bool byKey;
        std::function<void()> interrupt;
    } interruptions[] = {
        {"focus loss, key held", true, [this] { other->SetFocus(); }},
        {"focus loss, button held", false, [this] { other->SetFocus(); }},
        {"capture taken", false, [this] { SetCapture(other->Handle()); }},
        {"cancel mode", false, [this] { edit->Buttons()->Perform(WM_CANCELMODE, 0, 0); }},
        {"disabling", true, [this] { edit->SetEnabled(false); }},
        {"hiding", false, [this] { edit->Hide(); }},
    };
    edit->SetMax(100);
    for (const auto& i : interruptions) {
        SCOPED_TRACE(i.name);
        edit->SetValue(6);
        if (i.byKey) {
            KeyDown(edit, "Up");
            KeyRepeat(edit, "Up");
        } else {
            MouseDown(edit->Buttons(), UpButton());
        }
        clock.Advance(450);
        ASSERT_TRUE(edit->Buttons()->Repeating());
        const double held = edit->Value();
        i.interrupt();
        EXPECT_TRUE(AtRest());
        spins = 0;
        clock.Advance(1000);
        EXPECT_EQ(edit->Value(), held);
        EXPECT_EQ(spins, 0);
        EXPECT_FALSE(edit->Focused() && other->Focused());
        if (std::string(i.name).starts_with("focus")) {
            EXPECT_TRUE(other->Focused()); // a timer never takes the focus back
        }
        if (i.byKey)
            KeyUp(other, "Up");
        else
            MouseUp(edit->Buttons(), UpButton());
        ReleaseCapture();
        edit->SetEnabled(true);
        edit->Show();
        edit->SetFocus();
    }
}

TEST_F(SpinEdit6, OptionsWindowSpinEdits)
{
    second->SetValue(45);
    edit->SetValue(12);
    SaveScreenshot(*Render(form), "spin_edit6_options");
    for (const bool themed : {false, true}) {
        TThemeSwitch themes(themed);
        MouseMove(edit->Buttons(), UpButton());
        MouseDown(edit->Buttons(), DownButton());
        auto pressed = Render(edit);
        MouseUp(edit->Buttons(), DownButton());
        SaveScreenshot(*pressed, std::string("spin_edit6_down_pressed_") + (themed ? "themed" : "classic"),
                       3);
    }
    edit->SetSpinButtons(false);
    EXPECT_EQ(HIWORD(edit->Perform(EM_GETMARGINS, 0, 0)), 0);
    edit->SetSpinButtons(true);
    EXPECT_EQ(HIWORD(edit->Perform(EM_GETMARGINS, 0, 0)), edit->Buttons()->Width());
}
