#include "controls/grid/color_blend.h"
#include "controls/grid/header_panel.h"
#include "gui_driver.h"
#include "paint_test_support.h"
#include "theme_switch.h"

#include <gtest/gtest.h>

namespace {

class HeaderPanel : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(600, 300);
        panel = new TGxHeaderPanel(form);
        panel->SetParent(form);
        panel->SetLeft(10);
        panel->SetTop(10);
        panel->SetCaption("Audio");
        other = new TCustomControl(form);
        other->SetParent(form);
        other->SetTabStop(true);
        Pump();
    }
    void TearDown() override { form->Free(); }

    // A client point in the middle of the collapse button.
    TPoint Button() const
    {
        const TRect r = panel->GetButtonRect();
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    // The panel's picture; the client area starts one pixel in, inside the border.
    std::unique_ptr<TBitmap> Picture() { return Render(panel); }

    TForm* form = nullptr;
    TGxHeaderPanel* panel = nullptr;
    TCustomControl* other = nullptr;
};

} // namespace

TEST_F(HeaderPanel, CollapsesToItsStripAndExpandsToItsWidth)
{
    EXPECT_EQ(panel->Width(), 245);
    int changes = 0;
    panel->OnChange = [&](TObject*) { ++changes; };
    panel->SetExpanded(false);
    EXPECT_EQ(panel->Width(), 33);
    EXPECT_EQ(panel->FullWidth(), 245);
    panel->SetExpanded(true);
    EXPECT_EQ(panel->Width(), 245);
    EXPECT_EQ(changes, 2);

    // Resizing decides by the new width.
    panel->SetWidth(33);
    EXPECT_FALSE(panel->Expanded());
    EXPECT_EQ(panel->FullWidth(), 33);
    panel->SetWidth(34);
    EXPECT_TRUE(panel->Expanded());
    EXPECT_EQ(panel->FullWidth(), 34);
}

TEST_F(HeaderPanel, AHeightChangeNeverTakesTheStripForTheFullWidth)
{
    for (const int collapseWidth : {33, 40}) {
        SCOPED_TRACE(collapseWidth);
        panel->SetExpanded(true);
        panel->SetWidth(245);
        panel->SetCollapseWidth(collapseWidth);
        panel->SetExpanded(false);
        panel->SetHeight(panel->Height() + 30);
        EXPECT_FALSE(panel->Expanded());
        EXPECT_EQ(panel->Width(), collapseWidth);
        EXPECT_EQ(panel->FullWidth(), 245);
        panel->SetExpanded(true);
        EXPECT_EQ(panel->Width(), 245);
    }
}

TEST_F(HeaderPanel, CollapseButtonAsksFirstAndTakesTheFocus)
{
    panel->SetOptions(hoCollapseButton);
    std::vector<std::string> asked;
    bool allowExpand = false;
    panel->OnCollapse = [&](TObject*, bool& accept) { asked.push_back(accept ? "collapse" : "?"); };
    panel->OnExpand = [&](TObject*, bool& accept) {
        asked.push_back("expand");
        accept = allowExpand;
    };
    Click(panel, Button());
    EXPECT_FALSE(panel->Expanded());
    other->SetFocus();
    Click(panel, Button()); // the button of a collapsed panel stands at its right end too
    EXPECT_FALSE(panel->Expanded());
    EXPECT_TRUE(panel->Focused());
    allowExpand = true;
    Click(panel, Button());
    EXPECT_TRUE(panel->Expanded());
    EXPECT_EQ(asked, (std::vector<std::string>{"collapse", "expand", "expand"}));

    panel->SetOptions(hoClickOnBodyExpand);
    panel->SetExpanded(false);
    Click(panel, {10, 100});
    EXPECT_TRUE(panel->Expanded());
}

TEST_F(HeaderPanel, HeaderClickComesBeforeGlyphClick)
{
    TBitmap glyph(16, 16, pf24bit);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect({0, 0, 16, 16});
    glyph.Canvas()->Brush()->SetColor(clBlue);
    glyph.Canvas()->FillRect({4, 4, 12, 12});
    panel->SetGlyph(&glyph);
    std::vector<std::string> clicks;
    panel->OnHeaderClick = [&](TObject*) { clicks.push_back("header"); };
    panel->OnGlyphClick = [&](TObject*) { clicks.push_back("glyph"); };
    const TRect r = panel->GlyphRect();
    Click(panel, {r.Left + 8, r.Top + 8});
    Click(panel, {100, 5});
    MouseDown(panel, {100, 100}); // pressed in the body, released in the header
    MouseUp(panel, {100, 5});
    EXPECT_EQ(clicks, (std::vector<std::string>{"header", "glyph", "header"}));

    // The glyph's bottom-left colour shows the header through it.
    panel->SetHeaderStyle(psFlat);
    panel->SetHeaderColor(clYellow);
    auto picture = Picture();
    EXPECT_EQ(CountPixels(*picture, Bounds(r.Left + 1, r.Top + 1, 16, 16), clFuchsia), 0);
    EXPECT_EQ(PixelAt(*picture, r.Left + 1, r.Top + 1), clYellow);
    EXPECT_EQ(PixelAt(*picture, r.Left + 9, r.Top + 9), clBlue);
}

TEST_F(HeaderPanel, FlatHeaderAndBorderPixels)
{
    panel->SetHeaderStyle(psFlat);
    panel->SetOptions({});
    panel->SetHeaderColor(0xE0E0E0);
    panel->SetHeaderLineColor(0x404040);
    panel->SetColor(clWhite);
    panel->SetAdaptiveColors(false);
    panel->SetBorderColor(0x0000C0);
    auto picture = Picture();
    const int h = panel->HeaderSize();
    EXPECT_EQ(PixelAt(*picture, 0, 50), TColor(0x0000C0)); // the border
    EXPECT_EQ(PixelAt(*picture, 244, 244), TColor(0x0000C0));
    EXPECT_EQ(PixelAt(*picture, 2, 2), TColor(0xE0E0E0));       // the header
    EXPECT_EQ(PixelAt(*picture, 120, 1 + h), TColor(0x404040)); // the first row under it
    EXPECT_EQ(PixelAt(*picture, 120, 2 + h), clWhite);          // the body

    panel->SetHeaderColorTo(0x808080);
    panel->SetHeaderLineColor(clNone);
    panel->SetAdaptiveColors(true);
    picture = Picture();
    EXPECT_EQ(PixelAt(*picture, 0, 50), GetSchemeColor(2, csDefault));
    EXPECT_NE(PixelAt(*picture, 120, 2), PixelAt(*picture, 120, h - 1)); // a gradient
    EXPECT_EQ(PixelAt(*picture, 120, 1 + h), clWhite);
}

TEST_F(HeaderPanel, CaptionInTheCurrentSchemeColour)
{
    panel->SetHeaderStyle(psFlat);
    panel->SetHeaderColor(clWhite);
    panel->SetColorScheme(csSilver);
    panel->SetCaption("Video settings");
    const TRect header{1, 1, 200, 1 + panel->HeaderSize()};
    EXPECT_GT(CountPixels(*Picture(), header, TColor(0x8B4215)), 10);
    panel->SetOptions({});
    panel->HeaderFont()->SetColor(clRed);
    EXPECT_GT(CountPixels(*Picture(), header, clRed), 10);
    EXPECT_FALSE(panel->ParentHeaderFont());

    panel->SetDisplayStyle(PanelDisplay::dsPanelOnly);
    EXPECT_EQ(CountPixels(*Picture(), header, clRed), 0);
}

TEST_F(HeaderPanel, ChildrenLieBelowTheHeaderInsideTheMargins)
{
    auto* child = new TCustomControl(form);
    child->SetParent(panel);
    child->SetAlign(alClient);
    panel->InnerMargins()->SetLeft(4);
    panel->InnerMargins()->SetTop(2);
    panel->InnerMargins()->SetRight(6);
    panel->InnerMargins()->SetBottom(8);
    EXPECT_EQ(child->BoundsRect(),
              (TRect{4, panel->HeaderSize() + 2, panel->ClientWidth() - 6, panel->ClientHeight() - 8}));
    panel->SetDisplayStyle(PanelDisplay::dsHeaderOnly);
    EXPECT_EQ(panel->ClientHeight(), panel->HeaderSize());
}

// Each look's colours down the header (client rows, at a column clear of the glyph, the caption and the
// button), with the adaptive colours of the blue scheme the default scheme stands for. The collapsed strip
// shows the same rows, without glyph and caption.
TEST_F(HeaderPanel, TheFiveLooks)
{
    TThemeSwitch classic(false);
    const TColor caption = ColorToRGB(clActiveCaption);
    const TColor grayText = ColorToRGB(clGrayText);
    using Rows = std::vector<std::pair<int, TColor>>;
    const struct
    {
        TGxHeaderStyle style;
        const char* name;
        Rows rows;
    } looks[] = {
        {psFlat, "flat", {{0, caption}, {26, caption}, {27, 0x808080}}},
        // A white top edge, a gradient from element 12 and the line in element 13 at the bottom.
        {psNormal, "normal", {{0, clWhite}, {1, 0xFFEFE3}, {26, 0xCF9365}}},
        // Without visual styles the adaptive colours fill it with the grey text colour.
        {psSectionHeader, "section", {{0, grayText}, {26, grayText}}},
        // Black, its upper half lightened from 150 / 256 of white down in steps of 7: a black band remains
        // under the shine, through the caption.
        {psVista, "vista", {{0, 0x959595}, {12, 0x414141}, {13, clBlack}, {26, clBlack}}},
        // White lines at the top and two above the bottom, element 18 at the bottom.
        {psWindowsLive, "windows_live", {{0, clWhite}, {25, clWhite}, {26, 0xE9CFB8}}},
    };
    panel->SetOptions({hoColorSchemeFont, hoCollapseButton});
    panel->SetHeight(120);
    TBitmap glyph(16, 16, pf24bit);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect({0, 0, 16, 16});
    glyph.Canvas()->Brush()->SetColor(0x208020);
    glyph.Canvas()->Ellipse(2, 2, 14, 14);
    panel->SetGlyph(&glyph);
    // The picture holds the border: client points lie one pixel in.
    auto at = [](TBitmap& picture, int x, int y) { return PixelAt(picture, x + 1, y + 1); };
    auto header = [this] { return TRect{1, 1, 1 + panel->ClientWidth(), 1 + panel->HeaderSize()}; };
    for (const auto& look : looks) {
        SCOPED_TRACE(look.name);
        panel->SetHeaderStyle(look.style);
        panel->SetExpanded(true);
        auto expanded = Picture();
        SaveScreenshot(*expanded, std::string("header_panel_") + look.name, 2);
        for (const auto& [y, colour] : look.rows)
            EXPECT_EQ(at(*expanded, 150, y), colour) << "row " << y;
        EXPECT_GT(CountPixels(*expanded, header(), 0x208020), 40); // the glyph
        EXPECT_EQ(CountPixels(*expanded, header(), clFuchsia), 0); // without its see-through colour
        EXPECT_GT(CountPixels(*expanded, header(), 0x8B4215), 0);  // the caption in element 9

        panel->SetExpanded(false);
        auto collapsed = Picture();
        SaveScreenshot(*collapsed, std::string("header_panel_") + look.name + "_collapsed", 2);
        for (const auto& [y, colour] : look.rows)
            EXPECT_EQ(at(*collapsed, 6, y), colour) << "row " << y << " of the strip";
        EXPECT_EQ(CountPixels(*collapsed, header(), 0x208020), 0);
        EXPECT_EQ(CountPixels(*collapsed, header(), 0x8B4215), 0);
    }
    // The normal look's white left edge and the centre of the Windows Live glow, almost white at its top.
    panel->SetExpanded(true);
    panel->SetHeaderStyle(psNormal);
    EXPECT_EQ(at(*Picture(), 0, 10), clWhite);
    panel->SetHeaderStyle(psWindowsLive);
    EXPECT_EQ(at(*Picture(), panel->ClientWidth() / 2, 1), TColor(0xFDFDFD));
    // With visual styles the section header runs from the highlight mixed into the inactive caption.
    {
        TThemeSwitch themed(true);
        panel->SetHeaderStyle(psSectionHeader);
        auto picture = Picture();
        EXPECT_EQ(at(*picture, 150, 0), BlendColor(clHighlight, clInactiveCaption, 112));
        EXPECT_NE(at(*picture, 150, 26), at(*picture, 150, 0));
    }

    // The hovered and pressed collapse button.
    panel->SetExpanded(true);
    MouseMove(panel, Button());
    auto hovered = Picture();
    MouseDown(panel, Button());
    auto pressed = Picture();
    const TRect button = panel->GetButtonRect();
    const TPoint corner{button.Left + 3, button.Top + 1}; // the first row, in window coordinates
    EXPECT_EQ(PixelAt(*hovered, corner.X, corner.Y), TColor(0xDCFFFF));
    EXPECT_EQ(PixelAt(*pressed, corner.X, corner.Y), TColor(0x087FE8));
    SaveScreenshot(*pressed, "header_panel_button_pressed", 2);
    MouseUp(panel, {5, 100});
}
