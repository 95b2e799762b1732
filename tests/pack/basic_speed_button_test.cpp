#include "controls/pack/basic_speed_button.h"
#include "controls/pack/simple_panel.h"

#include "form_fixture.h"

#include <memory>

namespace {

class SpeedButtons : public FormFixture
{
protected:
    SpeedButtons()
    {
        button = Place<TKvpBasicSpeedButton>({50, 50, 125, 75});
        button->Font()->SetName("DejaVu Sans");
        button->SetCaption("Info");
        clicks = 0;
        button->OnClick = [this](TObject*) { ++clicks; };
        ParkMouse();
    }
    // Points in the form's client area, at a place of the button.
    TPoint On(int x, int y) const { return {button->Left() + x, button->Top() + y}; }
    int CaptionWidth() const
    {
        TBitmap measure(1, 1);
        measure.Canvas()->SetFont(button->Font());
        return measure.Canvas()->TextWidth(button->Caption());
    }

    TKvpBasicSpeedButton* button;
    int clicks;
};

} // namespace

TEST_F(SpeedButtons, StatesByTheMouse)
{
    std::string events;
    button->OnMouseEnter = [&](TObject*) { events += "enter "; };
    button->OnMouseLeave = [&](TObject*) { events += "leave "; };
    MouseMove(form, On(5, 5));
    EXPECT_EQ(button->ButtonState(), bssOver);
    MouseDown(form, On(5, 5));
    EXPECT_EQ(button->ButtonState(), bssDown);
    MouseUp(form, On(5, 5));
    EXPECT_EQ(button->ButtonState(), bssOver);
    EXPECT_EQ(clicks, 1);

    // The right button shows no pressed look, but its release inside clicks.
    MouseDown(form, On(5, 5), mbRight);
    EXPECT_EQ(button->ButtonState(), bssOver);
    MouseUp(form, On(5, 5), mbRight);
    EXPECT_EQ(clicks, 2);

    // Released outside (the bottom edge is outside): over, without a click.
    MouseDown(form, On(5, 5));
    MouseUp(form, On(5, button->Height()));
    EXPECT_EQ(clicks, 2);
    MouseMove(form, {390, 290});
    EXPECT_EQ(button->ButtonState(), bssNormal);
    EXPECT_EQ(events, "enter leave ");

    button->SetEnabled(false);
    EXPECT_EQ(button->ButtonState(), bssDisabled);
    MouseMove(form, On(5, 5));
    MouseDown(form, On(5, 5));
    MouseUp(form, On(5, 5));
    EXPECT_EQ(button->ButtonState(), bssDisabled);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SpeedButtons, AutoWidthFollowsTheCaption)
{
    EXPECT_EQ(button->Width(), 4 + CaptionWidth() + 12);
    button->SetAutoWidthRightJustify(true);
    const int right = button->Left() + button->Width();
    button->SetCaption("Information");
    EXPECT_EQ(button->Width(), 4 + CaptionWidth() + 12);
    EXPECT_EQ(button->Left() + button->Width(), right);

    button->SetCaption("i");
    button->SetAutoWidthMargin(0);
    button->SetSpacing(0);
    EXPECT_EQ(button->Width(), 16);

    button->SetAlign(alTop);
    const int width = button->Width();
    button->SetCaption("A much longer caption");
    EXPECT_EQ(button->Width(), width);
}

TEST_F(SpeedButtons, EveryStateLooksRight)
{
    auto glyph = std::make_unique<TPngImage>(COLOR_RGB, 8, 12, 12);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            std::fill_n(glyph->ScanLine(y) + 3 * x, 3, uint8_t(x < 6 ? 40 : 200));
    button->SetPngImage(glyph.get());
    // On a panel of its own, so that the panel's picture shows the button where it stands.
    auto* holder = Place<TKvpSimplePanel>({0, 0, 200, 100});
    button->SetParent(holder);
    TBitmap sheet(4 * 90, 35, pf24bit);
    sheet.Canvas()->Brush()->SetColor(clWhite);
    sheet.Canvas()->FillRect({0, 0, sheet.Width(), sheet.Height()});
    const auto shoot = [&](int column) {
        auto picture = Render(holder);
        sheet.Canvas()->CopyRect(Bounds(column * 90 + 5, 5, button->Width(), 25), *picture->Canvas(),
                                 button->BoundsRect());
    };
    shoot(0);
    MouseMove(holder, {button->Left() + 5, button->Top() + 5});
    shoot(1);
    MouseDown(holder, {button->Left() + 5, button->Top() + 5});
    shoot(2);
    MouseUp(holder, {button->Left() + 5, button->Top() + 5});
    button->SetEnabled(false);
    shoot(3);
    SaveScreenshot(sheet, "pack_speed_buttons", 2);
    EXPECT_NE(sheet.Canvas()->Pixels(5 + 2, 20), sheet.Canvas()->Pixels(95 + 2, 20));
}

TEST(SpeedButtonAppearance, NotificationsAndCopies)
{
    const TKvpBasicSpeedButtonStateParams alone;
    EXPECT_EQ(alone.Color(), clBlack);
    EXPECT_EQ(alone.BorderWidth(), 0);

    TKvpBasicSpeedButtonAppearance a;
    int changes = 0;
    a.OnChange = [&](TObject*) { ++changes; };
    a.SetGlyphDisabledBlendIntensity(biNormal);
    EXPECT_EQ(changes, 0);
    a.SetGlyphHotGammaFactor(130);
    EXPECT_EQ(changes, 1);

    TKvpBasicSpeedButtonAppearance source;
    source.SetShowCaption(false);
    source.Hot()->SetColor(clRed);
    a.Assign(&source, true);
    EXPECT_TRUE(a.ShowCaption());
    EXPECT_EQ(a.Hot()->Color(), clRed);
    a.Assign(&source, false);
    EXPECT_FALSE(a.ShowCaption());
}
