#include "editing_host.h"
#include "paint_test_support.h"
#include "spin_edit_form.h"
#include "theme_switch.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/window_functions.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class SpinCellEdit : public SpinEditForm
{
protected:
    TPoint UpButton() const { return {3, 2}; }
    TPoint DownButton() const { return {3, edit->Buttons()->Height() - 3}; }
    bool AtRest() const
    {
        const TGxSpinButtons& b = *edit->Buttons();
        return b.PressedButtons().Empty() && !b.Delaying() && !b.Repeating();
    }
};

} // namespace

TEST_F(SpinCellEdit, StepsStopBeforeALimit)
{
    const struct
    {
        double min, max, increment, value;
        bool signs;
        TSpinButton button;
        double expected;
    } cases[] = {
        {6, 20, 1, 20, true, sbUp, 20},     {6, 20, 1, 19.5, true, sbUp, 19.5},
        {6, 20, 1, 6, true, sbDown, 6},     {6, 20, 1, 7, true, sbDown, 6},
        {1, 10, 2, 9.5, true, sbUp, 9.5},   {0, 0, 1, 0, false, sbDown, 0},
        {0, 0, 1, 0.5, false, sbDown, 0.5}, // never below 0 without signs
        {0, 0, 1, 0.5, true, sbDown, -0.5}, {0, 0, 1, 1, false, sbDown, 0},
        {0, 0, 2.5, -1, true, sbUp, 1.5},
    };
    edit->SetPrecision(-1);
    for (const auto& c : cases) {
        edit->SetMin(c.min);
        edit->SetMax(c.max);
        edit->SetIncrement(c.increment);
        edit->SetOptions(c.signs ? TGxNumberEditOptions{eoAllowFloat, eoAllowSigns}
                                 : TGxNumberEditOptions{eoAllowFloat});
        edit->SetValue(c.value);
        spins = 0;
        edit->Buttons()->SetPressedButtons(c.button);
        edit->Buttons()->Release();
        EXPECT_EQ(edit->Value(), c.expected) << c.value << (c.button == sbUp ? " up" : " down");
        EXPECT_EQ(spins, c.expected != c.value ? 1 : 0) << c.value;
    }
}

TEST_F(SpinCellEdit, AStepChangesTheTextThenReports)
{
    std::vector<std::string> events;
    edit->OnChange = [&](TObject*) { events.push_back("change " + edit->Text()); };
    edit->OnSpin = [&](TObject* sender, TSpinButtonSet buttons) {
        EXPECT_EQ(sender, edit);
        events.push_back(std::string("spin ") + (buttons.Contains(sbUp) ? "up" : "down") +
                         (edit->Modified() ? " modified" : ""));
    };
    edit->SetModified(false);
    Press(edit, "Up");
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "spin up"}));
    EXPECT_TRUE(edit->Modified());
}

TEST_F(SpinCellEdit, ReadOnlyEditorNeitherStepsNorReports)
{
    edit->SetReadOnly(true);
    MouseDown(edit->Buttons(), UpButton());
    MouseUp(edit->Buttons(), UpButton());
    EXPECT_EQ(edit->Text(), "0");
    EXPECT_EQ(spins, 0);
}

TEST_F(SpinCellEdit, HeldButtonRepeatsAfterTheDelay)
{
    other->SetFocus();
    MouseDown(edit->Buttons(), UpButton());
    EXPECT_TRUE(edit->Focused()); // the press takes the focus
    EXPECT_EQ(edit->Text(), "1");
    clock.Advance(399);
    EXPECT_EQ(edit->Text(), "1");
    clock.Advance(601); // one second: 1 + (1000 - 400) / 20
    EXPECT_EQ(edit->Text(), "31");
    EXPECT_TRUE(edit->Modified());
    EXPECT_EQ(edit->SelStart(), 2);
    MouseUp(edit->Buttons(), UpButton());
    EXPECT_TRUE(AtRest());
    clock.Advance(500);
    EXPECT_EQ(edit->Text(), "31");
    MouseDown(edit->Buttons(), DownButton());
    MouseUp(edit->Buttons(), DownButton());
    EXPECT_EQ(edit->Text(), "30");
}

TEST_F(SpinCellEdit, HeldUpKeyStepsPerRepeatAndByTheTimer)
{
    KeyDown(edit, "Up");
    EXPECT_EQ(edit->Text(), "1");
    KeyRepeat(edit, "Up");
    KeyRepeat(edit, "Up");
    EXPECT_EQ(edit->Text(), "3"); // one step per keyboard repeat
    clock.Advance(500);           // and 1 + (500 - 400) / 20 from the timers
    EXPECT_EQ(edit->Text(), "8");
    KeyUp(edit, "Up");
    EXPECT_TRUE(AtRest());
    Press(edit, "Down");
    EXPECT_EQ(edit->Text(), "7");

    // Inside a text cell the keys and the wheel do not spin.
    edit->SetInplaceEditor(true);
    Press(edit, "Up");
    Wheel(edit, {40, 5}, 120);
    EXPECT_EQ(edit->Text(), "7");
}

TEST_F(SpinCellEdit, WheelStepsByTheIncrementPerNotch)
{
    edit->SetIncrement(5);
    Wheel(edit, {40, 5}, 120);
    EXPECT_EQ(edit->Text(), "5");
    Wheel(edit, {40, 5}, 240);
    EXPECT_EQ(edit->Text(), "15");
    Wheel(edit, {40, 5}, -120);
    EXPECT_EQ(edit->Text(), "10");
    EXPECT_TRUE(AtRest());
}

TEST_F(SpinCellEdit, InterruptionsLetGoOfTheButtons)
{
    const struct
    {
        const char* name;
        std::function<void()> interrupt;
    } interruptions[] = {
        {"focus loss", [this] { other->SetFocus(); }},
        {"capture loss", [this] { SetCapture(other->Handle()); }},
        {"cancel mode", [this] { edit->Buttons()->Perform(WM_CANCELMODE, 0, 0); }},
        {"disabling", [this] { edit->SetEnabled(false); }},
        {"hiding", [this] { edit->Hide(); }},
        {"hiding the buttons", [this] { edit->SetSpinButtons(false); }},
    };
    for (const auto& i : interruptions) {
        SCOPED_TRACE(i.name);
        edit->SetValue(0);
        MouseDown(edit->Buttons(), UpButton());
        clock.Advance(450);
        ASSERT_TRUE(edit->Buttons()->Repeating());
        const std::string held = edit->Text();
        i.interrupt();
        EXPECT_TRUE(AtRest());
        clock.Advance(1000);
        EXPECT_EQ(edit->Text(), held);
        EXPECT_FALSE(edit->Focused() && std::string(i.name) == "focus loss"); // never taken back
        MouseUp(edit->Buttons(), UpButton());
        ReleaseCapture();
        edit->SetEnabled(true);
        edit->Show();
        edit->SetSpinButtons(true);
        edit->SetFocus();
    }
    // The held Up key lets go too when the focus leaves.
    KeyDown(edit, "Up");
    other->SetFocus();
    EXPECT_TRUE(AtRest());
    clock.Advance(1000);
    EXPECT_TRUE(other->Focused());
}

TEST_F(SpinCellEdit, ButtonsInBothLooks)
{
    edit->SetValue(12);
    for (const bool themed : {false, true}) {
        TThemeSwitch themes(themed);
        edit->Buttons()->SetHoverButtons({});
        auto normal = Render(edit);
        MouseMove(edit->Buttons(), UpButton());
        EXPECT_EQ(edit->Buttons()->HoverButtons(), TSpinButtonSet(sbUp));
        auto hover = Render(edit);
        MouseDown(edit->Buttons(), DownButton());
        auto pressed = Render(edit);
        MouseUp(edit->Buttons(), DownButton());
        edit->SetEnabled(false);
        auto disabled = Render(edit);
        edit->SetEnabled(true);
        // The buttons' halves in the rendered window.
        const TPoint origin = edit->ClientToParent({0, 0}, form);
        TRect buttons = edit->Buttons()->BoundsRect();
        OffsetRect(buttons, origin.X - edit->Left(), origin.Y - edit->Top());
        const TRect upper{buttons.Left, buttons.Top, buttons.Right, buttons.Top + buttons.Height() / 2};
        const TRect lower{buttons.Left, upper.Bottom, buttons.Right, buttons.Bottom};
        const auto differ = [](TBitmap& a, TBitmap& b, const TRect& r) {
            return DifferingPixels(a, b, r) > 0;
        };
        EXPECT_TRUE(differ(*normal, *pressed, lower)) << themed;
        EXPECT_EQ(differ(*normal, *hover, upper), themed) << "only the themed buttons show the hover";
        EXPECT_TRUE(differ(*normal, *disabled, upper)) << themed;
        const std::string look = themed ? "themed" : "classic";
        SaveScreenshot(*normal, "spin_edit_" + look);
        SaveScreenshot(*pressed, "spin_edit_" + look + "_down_pressed");
        SaveScreenshot(*disabled, "spin_edit_" + look + "_disabled");
    }
    edit->SetButtonCaption("...");
    edit->SetShowButton(true);
    auto withButton = Render(edit);
    SaveScreenshot(*withButton, "spin_edit_execute_button");
    // The execute button stands at the left with its caption: without one it looks otherwise.
    const TPoint origin = edit->ClientToParent({0, 0}, form);
    TRect execute = edit->Button()->BoundsRect();
    OffsetRect(execute, origin.X - edit->Left(), origin.Y - edit->Top());
    EXPECT_LT(execute.Right, withButton->Width() / 2);
    edit->SetButtonCaption("");
    auto blank = Render(edit);
    EXPECT_GT(DifferingPixels(*withButton, *blank, execute), 0);
}

TEST_F(SpinCellEdit, NumberColumnPreparesTheEditorInAnyOrder)
{
    auto* host = new TEditingHost(form);
    host->SetParent(form);
    host->SetBounds(0, 80, 300, 40);
    auto* column = new TTestNumberColumn(form);
    column->SetButtonCaption("...");
    column->SetIncrement(0.5);
    column->SetMax(10);
    column->SetShowButton(true);
    column->SetPrecision(2);
    int buttonClicks = 0;
    column->OnButtonClick = [&](TObject*) { ++buttonClicks; };
    auto* editor = dynamic_cast<TGxSpinEdit*>(column->Editor());
    ASSERT_NE(editor, nullptr);
    host->StartEditing(*column, "7", {10, 5, 160, 25});
    EXPECT_EQ(editor->Text(), "7.00"); // nothing was shown while the column set the editor up
    EXPECT_EQ(editor->Alignment(), taRightJustify);
    EXPECT_TRUE(editor->Focused());
    Press(editor, "Up");
    EXPECT_EQ(editor->Text(), "7.50");
    Click(editor->Button(), {3, 3});
    EXPECT_EQ(buttonClicks, 1);
    editor->SetText("12");
    EXPECT_EQ(host->Apply(), "[10.00]"); // the editor clamps and formats, then the column has its say
    const auto over = Render(host);
    SaveScreenshot(*over, "spin_edit_over_a_cell");
    // The value is written right-aligned between the execute button and the spin buttons.
    const TRect bounds = editor->BoundsRect();
    const TRect text{editor->Button()->Width() + bounds.Left, bounds.Top,
                     bounds.Right - editor->Buttons()->Width(), bounds.Bottom};
    const int middle = (text.Left + text.Right) / 2;
    const TColor ink = ColorToRGB(clWindowText);
    EXPECT_EQ(CountPixels(*over, {text.Left, text.Top, middle, text.Bottom}, ink), 0);
    EXPECT_GT(CountPixels(*over, {middle, text.Top, text.Right, text.Bottom}, ink), 0);
    host->End();
    EXPECT_FALSE(editor->Visible());
}
