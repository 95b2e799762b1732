#include "combo_form.h"
#include "paint_test_support.h"

#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// A button edit with a push button that comes up when released; it lists what it hears.
class PushButtonEdit : public TGxCustomButtonEdit6
{
public:
    explicit PushButtonEdit(TComponent* owner) : TGxCustomButtonEdit6(owner, MakeButton) {}
    std::vector<std::string> heard;

protected:
    void DoButtonDown() override { heard.push_back("down"); }
    void DoButtonUp() override { heard.push_back("up"); }
    void DoButtonClick() override
    {
        heard.push_back("click");
        TGxCustomButtonEdit6::DoButtonClick();
    }

private:
    class PushButton : public TGxEditButton
    {
    public:
        using TGxEditButton::TGxEditButton;

    protected:
        void PaintButton() override
        {
            Canvas()->Brush()->SetColor(Down() ? clGray : clBtnFace);
            Canvas()->FillRect(ClientRect());
        }
    };
    static TGxEditButton* MakeButton(TGxCustomButtonEdit6* edit)
    {
        auto* button = new PushButton(edit);
        button->SetWidth(18);
        return button;
    }
};

class DropDownEdit6 : public ComboForm
{
};

} // namespace

TEST_F(DropDownEdit6, ButtonDropsDownAndClosesUp)
{
    int clicks = 0;
    combo->OnButtonClick = [&](TObject*) { ++clicks; };
    Click(combo->Button(), Button());
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(combo->Button()->Down());
    EXPECT_EQ(clicks, 0); // the release went to the popup, which holds the mouse
    Click(combo->Button(), Button());
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_FALSE(combo->Button()->Down());
    EXPECT_EQ(events, (std::vector<std::string>{"drop down", "close up"}));
    EXPECT_EQ(clicks, 1); // the popup's capture wins: one click is reported

    combo->SetDroppedDown(true);
    combo->SetDroppedDown(true);
    EXPECT_EQ(std::count(events.begin(), events.end(), "drop down"), 2);
    combo->SetFocus();
    other->SetFocus(); // leaving closes the popup
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(events.back(), "close up");
}

TEST_F(DropDownEdit6, AltArrowsToggleEnterAndEscClose)
{
    Press(combo, "A-Down");
    EXPECT_TRUE(combo->DroppedDown());
    Press(combo, "A-Down");
    EXPECT_FALSE(combo->DroppedDown());
    Press(combo, "A-Up");
    EXPECT_TRUE(combo->DroppedDown());
    Press(combo, "Esc");
    EXPECT_FALSE(combo->DroppedDown());
    Press(combo, "Enter"); // closed already: nothing changes
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(events, (std::vector<std::string>{"drop down", "close up", "drop down", "close up"}));
    EXPECT_FALSE(combo->CanDispatchKey(VK_DOWN, {}) && combo->DroppedDown());
    combo->SetDroppedDown(true);
    EXPECT_FALSE(combo->CanDispatchKey(VK_TAB, {}));
}

TEST_F(DropDownEdit6, ListStyleShowsItsChoiceHighlighted)
{
    combo->SetStyle(dsDropDownList);
    combo->SetItemIndex(1);
    PressAll(combo, {"=x", "BS"});
    EXPECT_EQ(combo->Text(), "Apricot"); // typing does not change the text
    Click(combo, {30, 8});
    EXPECT_TRUE(combo->DroppedDown());
    Click(combo->PopupControl(), {-30, -30}); // a press outside closes
    EXPECT_FALSE(combo->DroppedDown());
    Click(combo, {30, 8});
    EXPECT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);

    EXPECT_TRUE(combo->Focused());
    EXPECT_FALSE(CaretShowing(combo->Handle()));
    auto focused = Render(combo);
    const TRect area = combo->EditRect();
    EXPECT_EQ(PixelAt(*focused, area.Left + 1, area.Bottom - 2), ColorToRGB(clHighlight));
    SaveScreenshot(*focused, "drop_down_edit6_list_style_focused", 3);
    other->SetFocus();
    auto unfocused = Render(combo);
    EXPECT_EQ(PixelAt(*unfocused, area.Left + 1, area.Bottom - 2), ColorToRGB(combo->Color()));
    SaveScreenshot(*unfocused, "drop_down_edit6_list_style", 3);

    // ReadOnly wins in the drop-down style too.
    combo->SetStyle(dsDropDown);
    combo->SetReadOnly(true);
    combo->SetFocus();
    combo->SelectAll();
    Press(combo, "=z");
    EXPECT_EQ(combo->Text(), "Apricot");
    combo->SetReadOnly(false);
    Press(combo, "=z");
    EXPECT_EQ(combo->Text(), "z");
}

TEST_F(DropDownEdit6, PushButtonReportsDownUpThenClick)
{
    auto* edit = new PushButtonEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 60, 160, 21);
    int clicks = 0;
    edit->OnButtonClick = [&](TObject*) { ++clicks; };
    Click(edit->Button(), {3, 3});
    EXPECT_EQ(edit->heard, (std::vector<std::string>{"down", "up", "click"}));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->Focused());

    edit->SetText("A button edit");
    auto picture = Render(edit);
    SaveScreenshot(*picture, "button_edit6", 3);
    // The button fills its place at the right; the text stays left of it.
    const TPoint client = edit->ClientToParent({0, 0}, form);
    TRect button = edit->Button()->BoundsRect();
    OffsetRect(button, client.X - edit->Left(), client.Y - edit->Top());
    EXPECT_EQ(CountPixels(*picture, button, ColorToRGB(clBtnFace)), button.Width() * button.Height());
    EXPECT_GT(CountPixels(*picture, {0, 0, button.Left, picture->Height()}, ColorToRGB(clWindowText)), 0);
    const auto rightMargin = [edit] { return HIWORD(edit->Perform(EM_GETMARGINS, 0, 0)); };
    edit->SetEditMargins(0, 4);
    edit->SetButtonWidth(24);
    EXPECT_EQ(rightMargin(), 24 + 4);
    edit->SetShowButton(false);
    EXPECT_EQ(rightMargin(), 4);
}

TEST_F(DropDownEdit6, EditsAndTheirLook)
{
    combo->SetItemIndex(0);
    auto* list = new TGxComboBox6(form);
    list->SetParent(form);
    list->SetBounds(10, 40, 160, 21);
    list->SetStyle(dsDropDownList);
    list->Items()->Assign(combo->Items());
    list->SetItemIndex(2);
    auto* disabled = new TGxComboBox6(form);
    disabled->SetParent(form);
    disabled->SetBounds(10, 70, 160, 21);
    disabled->SetText("Disabled");
    disabled->SetEnabled(false);
    other->SetFocus();
    auto edits = Render(form);
    SaveScreenshot(*edits, "drop_down_edits6", 2);
    // The enabled boxes write their texts in the window's text colour, the disabled one in grey.
    for (TGxComboBox6* box : {combo, list, disabled}) {
        const TRect text{box->Left(), box->Top(), box->Left() + box->Width() / 2, box->Top() + box->Height()};
        const bool enabled = box != disabled;
        EXPECT_EQ(CountPixels(*edits, text, ColorToRGB(clWindowText)) > 0, enabled) << box->Text();
        EXPECT_EQ(CountPixels(*edits, text, ColorToRGB(clGrayText)) > 0, !enabled) << box->Text();
    }
    MouseMove(combo->Button(), Button());
    auto hovered = Render(combo);
    MouseDown(combo->Button(), Button());
    auto pressed = Render(combo);
    MouseUp(combo->Button(), Button());
    const TRect button = combo->Button()->BoundsRect();
    const TPoint inButton{combo->Width() - 2 - button.Width() / 2, 3};
    EXPECT_NE(PixelAt(*hovered, inButton.X, inButton.Y), PixelAt(*pressed, inButton.X, inButton.Y));
    SaveScreenshot(*pressed, "drop_down_edit6_pressed", 3);
}
