#include "platform/gui/standard/bit_button.h"
#include "platform/gui/standard/bit_button_style_hook.h"
#include "platform/gui/windows/keys.h"
#include "gui_driver.h"
#include "std_controls_test_support.h"
#include "test_style.h"

#include <gtest/gtest.h>

namespace {

class BitBtnStyleHook : public testing::Test
{
protected:
    void SetUp() override
    {
        TStyleManager::RegisterStyleHook<TBitBtn, TBitBtnStyleHook>();
        form = ShowTestForm(300, 100);
        edit = new TCustomControl(form); // takes the focus, so that no button has it
        edit->SetTabStop(true);
        edit->SetBounds(0, 0, 10, 10);
        edit->SetParent(form);
        ok = AddButton("OK", 20);
        ok->SetDefault(true);
        TBitmap glyph(8, 8, pf24bit); // a red square on white, the colour that the bottom-left pixel makes
        glyph.Canvas()->Brush()->SetColor(clRed); // see-through
        glyph.Canvas()->FillRect({2, 2, 6, 6});
        ok->SetGlyph(&glyph);
        cancel = AddButton("Cancel", 110);
        edit->SetFocus();
        Pump();
    }
    void TearDown() override
    {
        form->Free();
        TStyleManager::UnRegisterStyleHook<TBitBtn, TBitBtnStyleHook>();
    }
    TBitBtn* AddButton(const char* caption, int left)
    {
        auto* button = new TBitBtn(form);
        button->SetCaption(caption);
        button->SetBounds(left, 20, 80, 30);
        button->SetParent(form);
        return button;
    }
    // Where the OK button's glyph goes in its face.
    TPoint GlyphPlace(const TRect& face) const
    {
        TBitmap measure(1, 1);
        measure.Canvas()->SetFont(ok->Font());
        return ok->LayoutGlyphAndCaption(*measure.Canvas(), face).glyph;
    }
    // The face colour (a corner inside the element) and whether some caption pixels are in colour.
    static TColor Face(TBitmap& picture) { return picture.Canvas()->Pixels(1, 1); }
    static bool HasText(TBitmap& picture, TColor color)
    {
        return CountPixels(picture, {3, 3, 77, 27}, color) > 3;
    }

    TForm* form = nullptr;
    TCustomControl* edit = nullptr;
    TBitBtn* ok = nullptr;
    TBitBtn* cancel = nullptr;
};

} // namespace

TEST_F(BitBtnStyleHook, ButtonsTakeTheStylesElementForTheirState)
{
    TTestStyleInUse custom;
    auto normal = Render(cancel);
    EXPECT_EQ(Face(*normal), TTestStyle::Fill(tbPushButtonNormal));
    EXPECT_TRUE(HasText(*normal, TTestStyle::Text)) << "the caption in the style's text colour";

    auto defaulted = Render(ok);
    EXPECT_EQ(Face(*defaulted), TTestStyle::Fill(tbPushButtonDefaulted));
    const TPoint glyph = GlyphPlace({3, 3, 77, 27});
    EXPECT_EQ(defaulted->Canvas()->Pixels(glyph.X + 4, glyph.Y + 4), clRed) << "the glyph";
    EXPECT_EQ(defaulted->Canvas()->Pixels(glyph.X, glyph.Y), Face(*defaulted)) << "its white is see-through";

    SendMouse(cancel, QEvent::MouseMove, {40, 15});
    auto hot = Render(cancel);
    SendMouse(cancel, QEvent::MouseButtonPress, {40, 15});
    auto pressed = Render(cancel);
    SendMouse(cancel, QEvent::MouseButtonRelease, {40, 15});
    EXPECT_EQ(Face(*hot), TTestStyle::Fill(tbPushButtonHot));
    EXPECT_EQ(Face(*pressed), TTestStyle::Fill(tbPushButtonPressed));
    EXPECT_EQ(Face(*Render(cancel)), TTestStyle::Fill(tbPushButtonHot)) << "released under the pointer";
    SendMouse(edit, QEvent::MouseMove, {5, 5});

    cancel->SetEnabled(false);
    auto disabled = Render(cancel);
    EXPECT_EQ(Face(*disabled), TTestStyle::Fill(tbPushButtonDisabled));
    EXPECT_TRUE(HasText(*disabled, TTestStyle::DisabledText));
    EXPECT_FALSE(HasText(*disabled, TTestStyle::Text));

    TBitmap strip(4 * 84, 30, pf24bit);
    int x = 0;
    for (TBitmap* picture : {normal.get(), defaulted.get(), pressed.get(), disabled.get()}) {
        strip.Canvas()->Draw(x, 0, picture);
        x += 84;
    }
    SaveScreenshot(strip, "style_hook_bit_buttons", 2);
}

TEST_F(BitBtnStyleHook, FocusAndSpaceAreFollowedAsTheyChange)
{
    cancel->SetFocus();
    Pump();
    TTestStyleInUse custom;
    EXPECT_EQ(Face(*Render(cancel)), TTestStyle::Fill(tbPushButtonDefaulted))
        << "a hook made for a focused button knows it";
    cancel->Perform(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(Face(*Render(cancel)), TTestStyle::Fill(tbPushButtonPressed));
    cancel->Perform(WM_KEYUP, VK_SPACE, 0);
    edit->SetFocus();
    Pump();
    EXPECT_EQ(Face(*Render(cancel)), TTestStyle::Fill(tbPushButtonNormal));
}

TEST_F(BitBtnStyleHook, TheSystemStyleLeavesTheButtonsToThemselves)
{
    auto picture = Render(cancel);
    EXPECT_NE(Face(*picture), TTestStyle::Fill(tbPushButtonNormal));
    EXPECT_FALSE(HasText(*picture, TTestStyle::Text));
    const TPoint glyph = GlyphPlace({2, 2, 78, 28});
    EXPECT_EQ(Render(ok)->Canvas()->Pixels(glyph.X + 4, glyph.Y + 4), clRed);
}
