#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_popup_menu.h"
#include "controls/skins/skin_speed_button.h"
#include "gui_driver.h"
#include "loop_script.h"
#include "manual_clock.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/standard/edits.h"
#include "skin_form_fixture.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

// The skinned push and speed buttons: repeat while held, Enter and Escape, groups, state bitmaps, and the
// drop-down menu of the main window's settings buttons.

namespace {

class SkinButtons : public SkinFormFixture
{
protected:
    void SetUp() override
    {
        SkinFormFixture::SetUp();
        ShowForm(240, 120);
    }
    template <typename T = TQvSpeedButton> T* AddButton(int left, int top, int width = 75, int height = 25)
    {
        auto* button = new T(form);
        button->SetParent(form);
        button->SetBounds(left, top, width, height);
        button->OnClick = [this](TObject* sender) { clicked.push_back(sender); };
        return button;
    }
    // A repeating button under the pointer, pressed.
    TQvSpeedButton* PressRepeatingButton()
    {
        auto* button = AddButton(10, 10);
        button->SetRepeating(true);
        Pump();
        MouseMove(button, {5, 5});
        MouseDown(button, {5, 5});
        return button;
    }
    int ClicksOf(TObject* button) const
    {
        return static_cast<int>(std::count(clicked.begin(), clicked.end(), button));
    }

    std::vector<TObject*> clicked;
};

TEST_F(SkinButtons, ARepeatingButtonClicksAtOnceThenAfter400AndEvery100MillisecondsWhileHeld)
{
    TManualClock clock;
    auto* button = PressRepeatingButton();
    EXPECT_EQ(ClicksOf(button), 1) << "the press clicks at once";
    clock.Advance(399);
    EXPECT_EQ(ClicksOf(button), 1);
    clock.Advance(1);
    EXPECT_EQ(ClicksOf(button), 2) << "the first repeat after 400 ms";
    clock.Advance(300);
    EXPECT_EQ(ClicksOf(button), 5) << "then every 100 ms";
    MouseUp(button, {5, 5});
    EXPECT_EQ(ClicksOf(button), 5) << "the release does not click again";
    clock.Advance(1000);
    EXPECT_EQ(ClicksOf(button), 5) << "the release stops the repeat";
}

TEST_F(SkinButtons, AHoldOutsideTheButtonPausesTheRepeatAndCancellingTheMouseStopsIt)
{
    TManualClock clock;
    auto* button = PressRepeatingButton();
    MouseMove(button, {150, 60}, {ssLeft});
    clock.Advance(600);
    EXPECT_EQ(ClicksOf(button), 1) << "no click while the pointer is off the held button";
    MouseMove(button, {5, 5}, {ssLeft});
    clock.Advance(100);
    EXPECT_EQ(ClicksOf(button), 2) << "back over the button the repeat goes on";
    button->Perform(WM_CANCELMODE, 0, 0);
    clock.Advance(1000);
    EXPECT_EQ(ClicksOf(button), 2);
    EXPECT_FALSE(button->MouseInControl());
}

TEST_F(SkinButtons, EnterClicksTheDefaultButtonAndEscapeTheCancelButtonOnlyWithoutModifiers)
{
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(10, 80, 100, 22);
    auto* ok = AddButton<TQvCustomButton>(10, 10);
    ok->SetDefault(true);
    auto* cancel = AddButton<TQvCustomButton>(100, 10);
    cancel->SetCancel(true);
    Pump();
    edit->SetFocus();
    struct TCase
    {
        std::string key;
        int okClicks;
        int cancelClicks;
    };
    const TCase cases[] = {{"Enter", 1, 0},   {"Esc", 0, 1},     {"S-Enter", 0, 0},
                           {"C-Enter", 0, 0}, {"A-Enter", 0, 0}, {"S-Esc", 0, 0}};
    for (const TCase& c : cases) {
        clicked.clear();
        Press(edit, c.key);
        EXPECT_EQ(ClicksOf(ok), c.okClicks) << c.key;
        EXPECT_EQ(ClicksOf(cancel), c.cancelClicks) << c.key;
    }
}

TEST_F(SkinButtons, EnterClicksTheFocusedButtonRatherThanTheDefaultOne)
{
    auto* ok = AddButton<TQvCustomButton>(10, 10);
    ok->SetDefault(true);
    auto* other = AddButton<TQvCustomButton>(100, 10);
    Pump();
    other->SetFocus();
    Press(other, "Enter");
    EXPECT_EQ(ClicksOf(other), 1);
    EXPECT_EQ(ClicksOf(ok), 0);
}

TEST_F(SkinButtons, CheckingAGroupedSpeedButtonUnchecksTheOthersOfItsClassOnly)
{
    auto* video = AddButton(10, 10, 32, 20);
    auto* audio = AddButton(50, 10, 32, 20);
    auto* stranger = AddButton<TQvCustomSpeedButton>(90, 10, 32, 20);
    for (TQvCustomSpeedButton* b :
         {static_cast<TQvCustomSpeedButton*>(video), static_cast<TQvCustomSpeedButton*>(audio), stranger})
        b->SetGroupIndex(1);
    Pump();
    Click(video, {5, 5});
    stranger->SetChecked(true);
    EXPECT_TRUE(video->Checked());
    Click(audio, {5, 5});
    EXPECT_TRUE(audio->Checked());
    EXPECT_FALSE(video->Checked()) << "one checked button per group and class";
    EXPECT_TRUE(stranger->Checked()) << "a button of another class is no member";
    Click(audio, {5, 5});
    EXPECT_TRUE(audio->Checked()) << "without AllowAllUp a click keeps it down";

    video->SetAllowAllUp(true);
    EXPECT_TRUE(audio->AllowAllUp()) << "the group shares AllowAllUp";
    Click(audio, {5, 5});
    EXPECT_FALSE(audio->Checked()) << "with AllowAllUp a second click lets it up";
    EXPECT_FALSE(video->Checked());
}

// A bitmap of four 8-pixel bands, top to bottom red, green, blue and grey.
std::unique_ptr<TBitmap> FourStateBitmap(int height = 32)
{
    auto bitmap = std::make_unique<TBitmap>(20, height);
    const TColor bands[] = {clRed, clLime, clBlue, clGray};
    for (int i = 0; i < 4; ++i) {
        bitmap->Canvas()->Brush()->SetColor(bands[i]);
        bitmap->Canvas()->FillRect({0, i * height / 4, 20, (i + 1) * height / 4});
    }
    return bitmap;
}

TEST_F(SkinButtons, AStateBitmapPaintsTheBandOfTheButtonsState)
{
    auto* button = AddButton<TQvCustomButton>(10, 10, 40, 20);
    auto bitmap = FourStateBitmap();
    button->SetBitmap(bitmap.get());
    button->SetBitmapTransparent(false);
    MouseMove(form, {200, 100});
    Pump();
    const auto faceColour = [&] { return Render(button)->Canvas()->Pixels(20, 10); };
    EXPECT_EQ(button->GetSkinStateRect(), (TRect{0, 0, 20, 8}));
    EXPECT_EQ(faceColour(), clRed) << "normal";
    MouseMove(button, {5, 5});
    EXPECT_EQ(button->GetSkinStateRect(), (TRect{0, 8, 20, 16}));
    EXPECT_EQ(faceColour(), clLime) << "hot";
    button->SetChecked(true);
    EXPECT_EQ(faceColour(), clBlue) << "checked";
    button->SetEnabled(false);
    EXPECT_EQ(faceColour(), clGray) << "disabled, checked or not";

    button->SetEnabled(true);
    button->SetChecked(false);
    auto odd = FourStateBitmap(30);
    button->SetBitmap(odd.get());
    EXPECT_FALSE(button->HasStateBitmap()) << "a height that does not divide by 4";
    EXPECT_EQ(button->GetSkinStateRect(), TRect{});
    const TColor face = faceColour();
    EXPECT_NE(face, clRed);
    EXPECT_NE(face, clLime) << "the skin's face instead";
}

// The main window's settings button: a flat speed button with image 29 of the main image list, no caption
// and a skinned drop-down menu.
class SettingsButton : public SkinButtons
{
protected:
    void SetUp() override
    {
        SkinButtons::SetUp();
        RegisterBuiltInSkins();
        images = new TImageList(form);
        images->SetSize(16, 16);
        TBitmap strip(16 * 30, 16);
        strip.Canvas()->Brush()->SetColor(clWhite);
        strip.Canvas()->FillRect({0, 0, 16 * 30, 16});
        strip.Canvas()->Brush()->SetColor(0x00B06020);
        strip.Canvas()->Pen()->SetColor(0x00603010);
        strip.Canvas()->Ellipse(29 * 16 + 2, 2, 29 * 16 + 14, 14);
        images->AddMasked(&strip, clWhite);
        menu = new TQvPopupMenu(form);
        for (const char* caption : {"Copy settings", "Paste settings"}) {
            auto* item = new TQvItem(form);
            item->SetCaption(caption);
            menu->Items()->Add(item);
        }
        menu->OnPopup = [this](TObject*) { ++menuOpenings; };
        button = AddButton(20, 20, 38, 20);
        button->SetFlat(true);
        button->SetImages(images);
        button->SetImageIndex(29);
        button->SetDropDownMenu(menu);
        Pump();
    }
    TImageList* images = nullptr;
    TQvPopupMenu* menu = nullptr;
    TQvSpeedButton* button = nullptr;
    int menuOpenings = 0;
};

TEST_F(SettingsButton, StaysPushedUntilItsMenuHasClosedAndTheClosingClickDoesNotReopenIt)
{
    MouseMove(button, {5, 5});
    bool pushedWhileOpen = false;
    TLoopScript script({{[&] {
        pushedWhileOpen = button->IsDroppedDown() && button->Pushed();
        // The user closes the menu with a click on its button.
        Click(button, {5, 5});
    }}});
    Click(button, {5, 5});
    EXPECT_EQ(script.StepsTaken(), 1);
    EXPECT_TRUE(pushedWhileOpen) << "the open menu's button looks pushed";
    EXPECT_TRUE(button->IsDroppedDown()) << "until CM_POPUPCLOSED arrives";
    Pump();
    EXPECT_FALSE(button->IsDroppedDown());
    EXPECT_FALSE(button->Pushed());
    EXPECT_EQ(menuOpenings, 1) << "the closing click does not open the menu again";
    EXPECT_EQ(ClicksOf(button), 0) << "a button with a menu opens it instead of clicking";
}

TEST_F(SettingsButton, AMenuThatRaisesAsItOpensLeavesTheButtonUpAndReadyToOpenAgain)
{
    menu->SetOnInitPopup([](TObject*, TBarView*) { throw std::runtime_error("the menu cannot open"); });
    EXPECT_THROW(button->Click(), std::runtime_error);
    EXPECT_FALSE(button->IsDroppedDown()) << "at once, not only when the posted close arrives";
    Pump();
    EXPECT_FALSE(button->Pushed());

    menu->SetOnInitPopup(nullptr);
    TLoopScript script({{[&] { Press(form, "Esc"); }}});
    button->Click();
    EXPECT_EQ(menuOpenings, 2);
    Pump();
    EXPECT_FALSE(button->IsDroppedDown());
}

TEST_F(SettingsButton, AFlatButtonShowsItsImageAndArrowAndPaintsItsFaceOnlyWhileHot)
{
    MouseMove(form, {230, 110});
    auto plain = Render(button);
    const TColor corner = plain->Canvas()->Pixels(1, 1);
    // The arrow's tip sits in the middle of the 17-pixel right margin.
    const TRect arrow{26, 6, 32, 12};
    EXPECT_GE(arrow.Width() * arrow.Height() - CountPixels(*plain, arrow, corner), 5) << "the arrow";
    EXPECT_EQ(CountPixels(*plain, {0, 0, 38, 3}, corner), 38 * 3) << "no face while not hot";
    EXPECT_GT(CountPixels(*plain, {4, 2, 22, 18}, 0x00B06020), 20) << "image 29";
    MouseMove(button, {5, 5});
    EXPECT_NE(Render(button)->Canvas()->Pixels(1, 1), corner) << "the face while hot";
}

TEST_F(SettingsButton, PicturesInTheDefaultSkinThemedAndClassicAndInBuiltInSkins)
{
    auto* push = AddButton<TQvCustomButton>(80, 20, 90, 25);
    push->SetCaption("&Convert");
    push->SetDefault(true);
    ForEachPictureLook([&](const TSkinLook& look) {
        SCOPED_TRACE(look.name);
        MouseMove(form, {230, 110});
        Pump();
        const auto whole = Render(form);
        SaveScreenshot(*whole, "skin_buttons_" + look.name, 2);
        EXPECT_GT(CountPixels(*whole, button->BoundsRect(), 0x00B06020), 20) << "image 29";
        const auto plain = Render(button);
        // The push button's caption stands out from its face: pixels unlike the face's left end in their row.
        const TRect face = push->BoundsRect();
        int caption = 0;
        for (int y = face.Top + 3; y < face.Bottom - 3; ++y)
            for (int x = face.Left + 20; x < face.Right - 20; ++x)
                caption += whole->Canvas()->Pixels(x, y) != whole->Canvas()->Pixels(face.Left + 4, y) ? 1 : 0;
        EXPECT_GT(caption, 20) << "the caption";
        MouseMove(button, {5, 5});
        Pump();
        const auto hot = Render(button);
        SaveScreenshot(*hot, "skin_settings_button_" + look.name + "_hot", 4);
        EXPECT_GT(PixelsThatDiffer(*plain, *hot), 20) << "a face while hot";
        std::unique_ptr<TBitmap> dropped;
        TLoopScript script({{[&] {
            dropped = Render(button);
            SaveScreenshot(*dropped, "skin_settings_button_" + look.name + "_dropped", 4);
            Press(form, "Esc");
        }}});
        button->Click();
        Pump();
        ASSERT_NE(dropped, nullptr);
        EXPECT_GT(PixelsThatDiffer(*hot, *dropped), 20) << "pushed while its menu is open";
    });
}

} // namespace
