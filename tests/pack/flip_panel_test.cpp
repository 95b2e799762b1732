#include "controls/pack/flip_panel.h"

#include "form_fixture.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/standard/stdctrls_buttons.h"

using namespace FlipPanel;

namespace {

class FlipPanels : public FormFixture
{
protected:
    TKVGxFlipPanel* PlacePanel(TWinControl* parent, TRect bounds)
    {
        auto* panel = new TKVGxFlipPanel(form);
        panel->SetParent(parent);
        panel->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        return panel;
    }
    std::unique_ptr<TBitmap> Picture(TKVGxFlipPanel* panel)
    {
        Pump();
        return Render(panel);
    }
};

} // namespace

TEST_F(FlipPanels, NestedPanelsShrinkAndGrowWithTheirChild)
{
    TKVGxFlipPanel* outer = PlacePanel(form, Bounds(0, 0, 300, 290));
    TKVGxFlipPanel* middle = PlacePanel(outer, Bounds(0, 20, 280, 200));
    TKVGxFlipPanel* inner = PlacePanel(middle, Bounds(0, 20, 260, 100));
    std::vector<std::string> log;
    inner->OnChange = [&](TObject*) { log.push_back("change at " + std::to_string(inner->Height())); };
    outer->OnResize = [&](TObject*) { log.push_back("outer " + std::to_string(inner->Height())); };

    inner->SetExpanded(false);
    EXPECT_EQ(inner->Height(), 18);
    EXPECT_EQ(inner->FullHeight(), 100);
    EXPECT_EQ(middle->Height(), 118);
    EXPECT_EQ(outer->Height(), 208);
    EXPECT_EQ(log, (std::vector<std::string>{"outer 18", "change at 18"}));

    log.clear();
    inner->SetExpanded(true);
    EXPECT_EQ(log, (std::vector<std::string>{"outer 18", "change at 100"})) << "the parents grow first";
    EXPECT_EQ(middle->Height(), 200);
    EXPECT_EQ(outer->Height(), 290);

    log.clear();
    inner->SetExpanded(true);
    inner->SetAllowFlip(false);
    inner->SetExpanded(false);
    EXPECT_TRUE(log.empty()) << "no change for the same value or while flipping is not allowed";
    EXPECT_TRUE(inner->Expanded());
}

TEST_F(FlipPanels, CollapsingRecordsTheFullHeight)
{
    TKVGxFlipPanel* panel = PlacePanel(form, Bounds(0, 0, 200, 10));
    panel->InnerMargins()->SetTop(3);
    panel->SetExpanded(false);
    EXPECT_EQ(panel->FullHeight(), 21) << "never less than the header and the top margin";
    EXPECT_EQ(panel->Height(), 21);

    auto* loaded = new TKVGxFlipPanel(form);
    loaded->BeginLoading();
    loaded->SetParent(form);
    loaded->SetBounds(0, 30, 200, 150);
    loaded->SetExpanded(false);
    loaded->EndLoading();
    EXPECT_EQ(loaded->Height(), 150) << "loading never shrinks";
    EXPECT_EQ(loaded->FullHeight(), 150);
}

TEST_F(FlipPanels, ScalingTakesTheHeightsAlong)
{
    TKVGxFlipPanel* panel = PlacePanel(form, Bounds(0, 0, 200, 101));
    panel->InnerMargins()->SetTop(3);
    panel->SetExpanded(false);
    panel->ChangeScale(3, 2);
    EXPECT_EQ(panel->HeaderHeight(), 27);
    EXPECT_EQ(panel->FullHeight(), 151);
    EXPECT_EQ(panel->Height(), 31);
    EXPECT_EQ(panel->InnerMargins()->Top(), 4);
}

TEST_F(FlipPanels, ButtonAndBorderWithAndWithoutVisualStyles)
{
    TKVGxFlipPanel* panel = PlacePanel(form, Bounds(10, 10, 200, 60));
    panel->SetToggleTriangle(false);
    panel->SetAdaptiveColors(false);
    panel->SetBorderColor(0x0000FF);
    panel->SetBorderWidth(2);
    EXPECT_EQ(panel->ButtonRect(), Bounds(4, 9 - 4 - 1, 9, 9)) << "the glyph's box";
    const std::unique_ptr<TBitmap> themed = Picture(panel);
    SaveScreenshot(*themed, "flip_panel_glyph_button", 2);
    EXPECT_EQ(themed->Canvas()->Pixels(0, 0), 0x0000FFu) << "the border in the frame";
    EXPECT_EQ(themed->Canvas()->Pixels(1, 30), 0x0000FFu);

    const bool themes = ThemesEnabled();
    SetThemesEnabled(false);
    EXPECT_EQ(panel->ButtonRect(), (TRect{4, 4, 13, 13})) << "the classic box";
    const std::unique_ptr<TBitmap> classic = Picture(panel);
    SaveScreenshot(*classic, "flip_panel_classic_button", 2);
    const TPoint plusCentre{2 + 4 + 4, 2 + 4 + 4}; // inside the border, the 9 x 9 box's middle
    EXPECT_EQ(classic->Canvas()->Pixels(plusCentre.X, plusCentre.Y), 0x000000u)
        << "the minus of an open panel";
    SetThemesEnabled(themes);
}

TEST_F(FlipPanels, OpeningOneSiblingFoldsTheOthers)
{
    TKVGxFlipPanel* a = PlacePanel(form, Bounds(0, 0, 120, 100));
    TKVGxFlipPanel* b = PlacePanel(form, Bounds(130, 0, 120, 100));
    TKVGxFlipPanel* c = PlacePanel(form, Bounds(260, 0, 120, 100));
    for (TKVGxFlipPanel* panel : {a, b, c}) {
        panel->SetAutoCollapse(true);
        panel->SetExpanded(false);
    }
    b->SetExpanded(true);
    EXPECT_FALSE(a->Expanded());
    EXPECT_TRUE(b->Expanded());
    a->SetExpanded(true);
    EXPECT_FALSE(b->Expanded());
    EXPECT_FALSE(c->Expanded());
    a->SetExpanded(false);
    EXPECT_FALSE(b->Expanded()) << "folding one leaves the others alone";
    EXPECT_EQ(a->Height(), 18);
}

TEST_F(FlipPanels, ClicksFlipByTheirKind)
{
    TKVGxFlipPanel* panel = PlacePanel(form, Bounds(10, 10, 200, 120));
    ParkMouse();
    Click(panel, {100, 9});
    EXPECT_FALSE(panel->Expanded()) << "a click on the header";
    Click(panel, {100, 9});
    EXPECT_TRUE(panel->Expanded());
    Click(panel, {100, 60});
    EXPECT_TRUE(panel->Expanded()) << "the body does not flip";

    panel->SetFlipKind(fkButton);
    Click(panel, {100, 9});
    EXPECT_TRUE(panel->Expanded());
    const TRect button = panel->ButtonRect();
    Click(panel, {button.Left + 2, button.Top + 2});
    EXPECT_FALSE(panel->Expanded());
    panel->SetShowButtons(false);
    Click(panel, {button.Left + 2, button.Top + 2});
    EXPECT_FALSE(panel->Expanded());
    panel->Flip();
    EXPECT_TRUE(panel->Expanded());
}

TEST_F(FlipPanels, TheCaptionsAcceleratorFlipsAndOtherLettersGoToTheChildren)
{
    TKVGxFlipPanel* panel = PlacePanel(form, Bounds(10, 10, 200, 120));
    panel->SetCaption("Conversion &settings");
    auto* button = new TButton(form);
    button->SetParent(panel);
    button->SetBounds(10, 30, 80, 24);
    button->SetCaption("&Go");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    Pump();
    Press(button, "A-s");
    EXPECT_FALSE(panel->Expanded());
    Press(button, "A-s");
    EXPECT_TRUE(panel->Expanded());
    Press(button, "A-g");
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(panel->Expanded());
}

TEST_F(FlipPanels, EachHeaderStylePaintsTheHeader)
{
    TKVGxFlipPanel* panel = PlacePanel(form, Bounds(10, 10, 200, 60));
    panel->SetCaption("Settings");
    panel->SetRightCaption("AVI");
    panel->SetAdaptiveColors(false);
    panel->SetHeaderColor(0x3060C0);
    panel->SetHeaderColorTo(0xC06030);
    const TColor c1 = 0x3060C0, c2 = 0xC06030;
    const struct
    {
        THeaderStyle style;
        TPoint at;
        TColor color; // clNone: only not the panel's own colour
    } cases[] = {
        {hsSolid, {150, 2}, c1},           {hsGradient, {150, 0}, c1},    {hsInverseGradient, {150, 0}, c2},
        {hsFadeAway, {0, 9}, c2},          {hsTopGradient, {150, 0}, c1}, {hsTopGradient, {150, 12}, c2},
        {hsVista, {150, 17}, clBlack},     {hsWindowsLive, {150, 0}, c1}, {hsWindowsLive, {150, 1}, clWindow},
        {hsOffice2007, {150, 12}, clNone}, {hsAuto, {150, 12}, clNone},
    };
    for (const auto& c : cases) {
        panel->SetHeaderStyle(c.style);
        const std::unique_ptr<TBitmap> picture = Picture(panel);
        const TColor shown = picture->Canvas()->Pixels(c.at.X, c.at.Y);
        if (c.color == clNone)
            EXPECT_NE(shown, ColorToRGB(clWindow)) << "style " << c.style;
        else
            EXPECT_EQ(shown, ColorToRGB(c.color)) << "style " << c.style;
        SaveScreenshot(*picture, "flip_panel_style_" + std::to_string(c.style), 2);
    }
    EXPECT_EQ(Picture(panel)->Canvas()->Pixels(100, 40), ColorToRGB(clWindow)) << "the body";
}

TEST_F(FlipPanels, TheTriangleTurnsHotWithoutHotTracking)
{
    TKVGxFlipPanel* panel = PlacePanel(form, Bounds(10, 10, 200, 60));
    panel->SetCaption("Conversion settings");
    panel->SetRightCaption("expanded");
    panel->SetHeaderExpandedBottomLineColor(0x808080);
    ParkMouse();
    // The expanded triangle's right angle sits at the bottom right of its 9 x 9 box.
    const int x = panel->Indent() + 8, y = 18 / 2 - 5 + 8 - 1;
    auto triangle = [&] { return Picture(panel)->Canvas()->Pixels(x, y); };
    EXPECT_EQ(triangle(), 0x444444u);
    SaveScreenshot(*Picture(panel), "flip_panel_expanded", 2);
    MouseMove(panel, {100, 9});
    MouseMove(panel, {101, 9});
    EXPECT_EQ(triangle(), 0xC67200u);
    EXPECT_EQ(Picture(panel)->Canvas()->Pixels(150, 2), ColorToRGB(0xC0C0C0)) << "the header itself stays";

    panel->SetExpanded(false);
    panel->SetCaptionCollapsed("Conversion settings (collapsed)");
    ParkMouse();
    const std::unique_ptr<TBitmap> collapsed = Picture(panel);
    SaveScreenshot(*collapsed, "flip_panel_collapsed", 2);
    EXPECT_EQ(collapsed->Height(), 18) << "the header alone";
    EXPECT_NE(collapsed->Canvas()->Pixels(x, y), 0x444444u) << "the triangle turned";
    EXPECT_GT(CountPixels(*collapsed, Bounds(panel->Indent(), 4, 9, 9), 0x444444), 10) << "pointing right";
}
