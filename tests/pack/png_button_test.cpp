#include "controls/pack/button_color_maps.h"
#include "controls/pack/png_button.h"
#include "controls/pack/png_image_list.h"

#include "form_fixture.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/actions.h"
#include "png_test_files.h"
#include "test_style.h"

#include <memory>
#include <string>

namespace {

// A 16 x 16 glyph: a blue square with a transparent border of 2 pixels.
std::unique_ptr<TPngImage> Glyph()
{
    auto png = std::make_unique<TPngImage>(COLOR_RGBALPHA, 8, 16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            uint8_t* p = png->ScanLine(y) + 3 * x;
            p[0] = 200, p[1] = 60, p[2] = 20;
            png->AlphaScanline(y)[x] = x >= 2 && x < 14 && y >= 2 && y < 14 ? 255 : 0;
        }
    return png;
}

// Flat looks: each state's fill is one colour without gradients, so that a pixel names the state.
constexpr TColor NormalFill = 0xE0E0E0, HotFill = 0xF0D0A0, DownFill = 0xC08040, FocusedFill = 0xD0F0D0,
                 DisabledFill = 0xF8F8F8;

class PngButtons : public FormFixture
{
protected:
    TKvpPngButton* Button(TRect bounds, const std::string& caption)
    {
        auto* button = Place<TKvpPngButton>(bounds);
        button->SetCaption(caption);
        SetPngButtonFonts(*button, "DejaVu Sans", 8);
        TKvpButtonAppearance& a = *button->Appearance();
        const std::pair<TKvpItemStateParams*, TColor> fills[] = {{a.Normal(), NormalFill},
                                                                 {a.Hot(), HotFill},
                                                                 {a.Down(), DownFill},
                                                                 {a.Focused(), FocusedFill},
                                                                 {a.Disabled(), DisabledFill}};
        for (auto [state, fill] : fills) {
            state->SetGradientEnabled(false);
            state->SetColor(fill);
        }
        return button;
    }
    TColor FillOf(TKvpPngButton* button) { return Render(button)->Canvas()->Pixels(5, 3); }
    TColor BorderOf(TKvpPngButton* button) { return Render(button)->Canvas()->Pixels(20, 0); }
};

} // namespace

TEST_F(PngButtons, StatesFollowTheMouseAndTheKeys)
{
    auto* button = Button({20, 20, 95, 45}, "Close");
    auto* other = Button({120, 20, 195, 45}, "Other");
    other->SetFocus();
    std::string events;
    button->OnMouseEnter = [&](TObject*) { events += "enter "; };
    button->OnMouseLeave = [&](TObject*) { events += "leave "; };
    EXPECT_EQ(FillOf(button), NormalFill);
    MouseMove(button, {10, 10});
    EXPECT_EQ(FillOf(button), HotFill);
    MouseDown(button, {10, 10});
    EXPECT_EQ(FillOf(button), DownFill); // pressed under the pointer: down, not hot
    MouseMove(button, {200, 10}, {ssLeft});
    EXPECT_EQ(FillOf(button), FocusedFill); // it took the focus and pops up outside
    MouseMove(button, {10, 10}, {ssLeft});
    EXPECT_EQ(FillOf(button), DownFill);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    MouseUp(button, {10, 10});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(FillOf(button), HotFill); // focused under the pointer: hot

    // Held down by Space and left by the pointer: still down.
    KeyDown(button, "Space");
    MouseMove(other, {5, 5});
    EXPECT_EQ(FillOf(button), DownFill);
    KeyUp(button, "Space");
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(FillOf(button), FocusedFill);
    EXPECT_EQ(events, "enter leave enter leave ") << "on every enter and leave";

    button->SetEnabled(false);
    EXPECT_EQ(FillOf(button), DisabledFill);
}

TEST_F(PngButtons, TheDefaultButtonsBorderWhileAnotherControlHasTheFocus)
{
    auto* edit = Place<TEdit>({20, 60, 120, 80});
    auto* first = Button({20, 20, 95, 45}, "First");
    auto* second = Button({120, 20, 195, 45}, "Second");
    auto* save = Button({220, 20, 295, 45}, "Save");
    save->SetDefault(true);
    ParkMouse();
    for (TKvpPngButton* b : {first, second, save}) {
        b->Appearance()->BorderWhenDefault()->SetColor(clRed);
        b->Appearance()->Normal()->Border()->SetColor(clNavy);
        b->Appearance()->Focused()->Border()->SetColor(clGreen);
    }
    edit->SetFocus();
    Pump();
    EXPECT_EQ(BorderOf(save), clRed);
    EXPECT_EQ(BorderOf(first), clNavy);

    Press(edit, "Tab");
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(BorderOf(first), clGreen);
    EXPECT_EQ(BorderOf(save), clNavy);
    Press(first, "Tab");
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(BorderOf(second), clGreen);
    EXPECT_EQ(BorderOf(first), clNavy);
}

TEST_F(PngButtons, GlyphEffectsOnCopies)
{
    auto* button = Button({20, 20, 95, 45}, "");
    button->SetPngImage(Glyph().get());
    button->SetPngOptions({});
    ParkMouse();
    // Glyph alone: centred at (29 + 8, 5 + 8).
    EXPECT_EQ(Render(button)->Canvas()->Pixels(37, 12), RGBToColor(20, 60, 200));
    button->SetEnabled(false);
    const TColor disabled = Render(button)->Canvas()->Pixels(37, 12);
    EXPECT_EQ(GetRValue(disabled), GetGValue(disabled)); // grey even with no options
    EXPECT_NE(disabled, RGBToColor(20, 60, 200));
    EXPECT_EQ(button->PngImage()->ScanLine(8)[24], 200); // the stored glyph stays

    // The default drawing follows PngOptions: none leaves the disabled glyph as it is.
    button->Appearance()->SetDefaultDrawing(true);
    EXPECT_EQ(Render(button)->Canvas()->Pixels(37, 12), RGBToColor(20, 60, 200));
}

TEST_F(PngButtons, EveryStateLooksRight)
{
    // One sheet per kind of drawing and theme setting: normal, hot, down, focused, disabled side by side,
    // each rendered while its button is in that state.
    for (bool themed : {true, false}) {
        SetThemesEnabled(themed);
        for (bool defaultDrawing : {false, true}) {
            TBitmap sheet(5 * 90, 35, pf24bit);
            sheet.Canvas()->Brush()->SetColor(clWhite);
            sheet.Canvas()->FillRect({0, 0, sheet.Width(), sheet.Height()});
            const std::string captions[] = {"Normal", "Hot", "Down", "Focused", "Disabled"};
            for (int state = 0; state < 5; ++state) {
                auto* other = Place<TKvpPngButton>({10, 60, 95, 85});
                auto* b = Place<TKvpPngButton>({10, 10, 95, 35});
                b->SetCaption(captions[state]);
                b->SetPngImage(Glyph().get());
                b->Appearance()->SetDefaultDrawing(defaultDrawing);
                b->Appearance()->SetMoveWhenDown(true);
                SetPngButtonFonts(*b, "DejaVu Sans", 8);
                other->SetFocus();
                ParkMouse();
                if (state == 1 || state == 2)
                    MouseMove(b, {10, 10});
                if (state == 2)
                    MouseDown(b, {10, 10});
                if (state == 3)
                    b->SetFocus();
                if (state == 4)
                    b->SetEnabled(false);
                auto picture = Render(b);
                sheet.Canvas()->CopyRect(Bounds(state * 90 + 5, 5, 85, 25), *picture->Canvas(),
                                         {0, 0, 85, 25});
                if (state == 2)
                    MouseUp(b, {10, 10});
                b->Free();
                other->Free();
            }
            SaveScreenshot(sheet,
                           std::string("pack_png_buttons_") + (defaultDrawing ? "default" : "custom") +
                               (themed ? "_themed" : "_classic"),
                           2);
            // The hot and the normal look differ, but for the classic face, which has no hot look.
            if (themed || !defaultDrawing) {
                EXPECT_NE(sheet.Canvas()->Pixels(5 + 3, 20), sheet.Canvas()->Pixels(95 + 3, 20))
                    << themed << defaultDrawing;
            }
        }
    }
    SetThemesEnabled(true);
}

TEST_F(PngButtons, ACustomStylePaintsThroughTheHook)
{
    TTestStyleInUse style;
    auto* button = Place<TKvpPngButton>({20, 20, 95, 45});
    button->SetCaption("Styled");
    button->SetPngImage(Glyph().get());
    ParkMouse();
    auto picture = Render(button);
    SaveScreenshot(*picture, "pack_png_button_custom_style", 3);
    EXPECT_EQ(picture->Canvas()->Pixels(1, 1), TTestStyle::Fill(tbPushButtonNormal));
    button->SetEnabled(false);
    EXPECT_EQ(Render(button)->Canvas()->Pixels(1, 1), TTestStyle::Fill(tbPushButtonDisabled));
}

TEST_F(PngButtons, AnActionsImageOnlyWhenTheButtonHasNone)
{
    auto* images = new TPngImageList(form);
    images->AddPng(Glyph().get());
    auto* actions = new TActionList(form);
    actions->SetImages(images);
    auto* action = new TAction(form);
    action->SetActionList(actions);
    action->SetImageIndex(0);
    action->SetCaption("Convert");
    auto* button = Place<TKvpPngButton>({20, 20, 95, 45});
    button->SetAction(action);
    EXPECT_TRUE(button->ImageFromAction());
    EXPECT_EQ(button->PngImage()->Width(), 16);
    EXPECT_EQ(button->Caption(), "Convert");

    button->SetPngImage(nullptr);
    EXPECT_FALSE(button->ImageFromAction());
    auto own = std::make_unique<TPngImage>(COLOR_RGB, 8, 8, 8);
    button->SetPngImage(own.get());
    action->SetImageIndex(0);
    action->SetCaption("Again");
    EXPECT_EQ(button->PngImage()->Width(), 8); // its own glyph stays
}

TEST_F(PngButtons, ColourImagesLoseTheirGammaChunk)
{
    auto* button = Place<TKvpPngButton>({20, 20, 95, 45});
    const std::string rgbRow = std::string(1, '\0') + std::string(3, char(0x80));
    button->SetPngImage(LoadPng(PngFile(1, 8, COLOR_RGB, rgbRow, 1, true)).get());
    EXPECT_FALSE(button->PngImage()->HasChunk("gAMA"));
    const std::string greyRow = std::string(1, '\0') + std::string(1, char(0x80));
    auto grey = LoadPng(PngFile(1, 8, COLOR_GRAYSCALE, greyRow, 1, true));
    ASSERT_TRUE(grey->HasChunk("gAMA"));
    button->SetPngImage(grey.get());
    EXPECT_TRUE(button->PngImage()->HasChunk("gAMA"));
}

TEST(ButtonAppearance, StartsAsTheAeroMapAndNotifiesEveryChange)
{
    TKvpButtonAppearance a(nullptr);
    EXPECT_EQ(a.Normal()->Color(), TColor(0xF3F3F3));
    EXPECT_EQ(a.Down()->Border()->Color(), TColor(0x59401E));
    EXPECT_EQ(a.Disabled()->Font()->Color(), TColor(0xA0A0A0));
    EXPECT_EQ(a.Focused()->Border()->Color(), TColor(0xD0AA24));
    EXPECT_EQ(a.Down()->UpperGradientPercent(), 52);
    a.Normal()->SetColor(clRed);
    EXPECT_EQ(a.Focused()->Color(), TColor(0xF3F3F3));

    int changes = 0;
    a.SetOnChange([&](TObject*) { ++changes; });
    EXPECT_EQ(changes, 1); // at once
    a.BorderWhenDefault()->SetColor(clBlue);
    EXPECT_EQ(changes, 1);
    a.Hot()->Font()->SetColor(clRed);
    EXPECT_EQ(changes, 2);

    TKvpButtonAppearance copy(nullptr);
    copy.Assign(&a);
    EXPECT_EQ(copy.Normal()->Color(), clRed);
    EXPECT_EQ(copy.BorderWhenDefault()->Color(), clBlue);
    EXPECT_EQ(copy.Hot()->Font()->Color(), clRed);
}

TEST_F(PngButtons, ColourMapsWriteOnlyColours)
{
    auto* button = Place<TKvpPngButton>({20, 20, 95, 45});
    TKvpButtonAppearance& a = *button->Appearance();
    button->SetColorMapType(cmtAero); // the colours a new button has
    EXPECT_EQ(a.Normal()->Color(), TColor(0xF3F3F3));
    EXPECT_EQ(a.Hot()->BottomGradient()->ColorTo(), TColor(0xF5D9A7));

    button->SetColorMapType(cmtBlack);
    button->SetColorMapType(cmtCustom);
    EXPECT_EQ(a.Normal()->Color(), TColor(0x1E1E1E));
    EXPECT_EQ(a.FocusRect()->Pen()->Color(), TColor(0x4B4B4B));
    a.Normal()->SetColor(clRed);
    button->SetColorMapType(cmtBlack);
    EXPECT_EQ(a.Normal()->Color(), TColor(0x1E1E1E));
    EXPECT_EQ(a.Normal()->UpperGradientPercent(), 46);
    EXPECT_EQ(a.Down()->UpperGradientPercent(), 52);
    EXPECT_EQ(a.Normal()->BorderToGradientMargin(), 2);

    // Every predefined map is a full set of plain colours, its font readable on its background.
    for (int type = cmtAero; type <= cmtPlatformTurquoiseGray; ++type) {
        TKvpPngButtonColorMap map{};
        FillPredefinedColorMap(TKvpPngButtonColorMapType(type), map);
        const auto brightness = [](TColor c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
        EXPECT_GT(std::abs(brightness(map.Normal.FontColor) - brightness(map.Normal.Color)), 200) << type;
        EXPECT_FALSE(IsSystemColor(map.Disabled.Color)) << type;
    }
}
