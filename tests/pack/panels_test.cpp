#include "controls/pack/panel.h"
#include "controls/pack/simple_panel.h"

#include "form_fixture.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/services/dropped_files.h"
#include "support/color_routines.h"
#include "test_style.h"

#include <string>

namespace {

class Panels : public FormFixture
{
protected:
    TColor At(TBitmap& bitmap, int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
};

} // namespace

TEST_F(Panels, BasicPanelFlatFillWithATopLine)
{
    auto* panel = Place<TKvpBasicPanel>({10, 10, 110, 50});
    TKvpBasicPanelAppearance& a = *panel->Appearance();
    a.SetDrawGradient(false);
    a.SetBackgroundColor(0xD6D6D6);
    a.Borders()->Left()->SetVisible(false);
    a.Borders()->Right()->SetVisible(false);
    a.Borders()->Bottom()->SetVisible(false);
    a.Borders()->Top()->Pen()->SetColor(0xC7C7C7);
    panel->SetCaption("Not shown");
    auto picture = Render(panel);
    SaveScreenshot(*picture, "pack_basic_panel_flat", 3);
    EXPECT_EQ(CountPixels(*picture, {0, 0, 100, 1}, 0xC7C7C7), 100);
    EXPECT_EQ(CountPixels(*picture, {0, 1, 100, 40}, 0xD6D6D6), 100 * 39); // no caption either
}

TEST_F(Panels, DefaultBordersGiveARaisedFrameAndTheMarginKeepsGradientsInside)
{
    auto* panel = Place<TKvpBasicPanel>({10, 10, 110, 50});
    TKvpBasicPanelAppearance& a = *panel->Appearance();
    a.UpperGradient()->SetColorFrom(clRed);
    a.UpperGradient()->SetColorTo(clRed);
    a.BottomGradient()->SetColorFrom(clBlue);
    a.BottomGradient()->SetColorTo(clBlue);
    a.SetBorderToGradientMargin(2);
    auto picture = Render(panel);
    SaveScreenshot(*picture, "pack_basic_panel_raised", 3);
    const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
    EXPECT_EQ(At(*picture, 0, 20), light);
    EXPECT_EQ(At(*picture, 50, 0), light);
    EXPECT_EQ(At(*picture, 99, 20), dark);
    EXPECT_EQ(At(*picture, 50, 39), dark);
    // Borders 1 + margin 2: the gradients begin 3 pixels in, split in the middle of the 34 rows left.
    EXPECT_NE(At(*picture, 2, 10), clRed);
    EXPECT_EQ(At(*picture, 3, 3), clRed);
    EXPECT_NE(At(*picture, 3, 2), clRed);
    EXPECT_EQ(At(*picture, 96, 19), clRed);
    EXPECT_EQ(At(*picture, 96, 20), clBlue);
    EXPECT_EQ(At(*picture, 96, 36), clBlue);
    EXPECT_NE(At(*picture, 96, 37), clBlue);

    a.SetUpperGradientPercent(100); // only the upper gradient shows
    picture = Render(panel);
    EXPECT_EQ(CountPixels(*picture, {0, 0, 100, 40}, clBlue), 0);
}

TEST_F(Panels, PaintOrderAndEvents)
{
    auto* panel = Place<TKvpPanel>({10, 10, 110, 50});
    std::string log;
    panel->OnAfterDrawBackground = [&](TObject*) { log += "background "; };
    panel->OnPaint = [&](TObject*) { log += "paint "; };
    Render(panel);
    EXPECT_EQ(log, "background paint ");

    std::vector<std::string> dropped;
    panel->OnDragDropFiles = [&](TObject*, TMessage& msg) {
        dropped = DropFileNames(reinterpret_cast<HDROP>(msg.WParam));
    };
    HDROP drop = MakeDropFiles({"/tmp/a.avi", "/tmp/b.mpg"});
    panel->Perform(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    DragFinish(drop);
    EXPECT_EQ(dropped, (std::vector<std::string>{"/tmp/a.avi", "/tmp/b.mpg"}));

    int wheels = 0, delta = 0;
    panel->OnMouseWheel = [&](TObject*, TShiftState, int wheelDelta, TPoint, bool&) {
        ++wheels;
        delta = wheelDelta;
    };
    Wheel(panel, {20, 20}, -120);
    EXPECT_EQ(wheels, 1);
    EXPECT_EQ(delta, -120);
}

TEST_F(Panels, PartialAssignKeepsTheTargetsBorders)
{
    auto* source = Place<TKvpPanel>({0, 0, 50, 20});
    auto* target = Place<TKvpPanel>({0, 30, 50, 20});
    source->Appearance()->UpperGradient()->SetColorFrom(clYellow);
    source->Appearance()->SetUpperGradientPercent(30);
    source->Appearance()->SetBackgroundColor(clAqua);
    source->Appearance()->SetBorderToGradientMargin(4);
    source->Appearance()->SetDrawBorder(false);
    source->Appearance()->Borders()->Top()->Pen()->SetWidth(3);
    int changes = 0;
    target->Appearance()->OnChange = [&](TObject*) { ++changes; };

    target->Appearance()->Assign(source->Appearance(), true, false);
    EXPECT_EQ(target->Appearance()->UpperGradient()->ColorFrom(), clYellow);
    EXPECT_EQ(target->Appearance()->UpperGradientPercent(), 30);
    EXPECT_EQ(target->Appearance()->BackgroundColor(), clAqua);
    EXPECT_EQ(target->Appearance()->BorderToGradientMargin(), 4);
    EXPECT_TRUE(target->Appearance()->DrawBorder());
    EXPECT_EQ(target->Appearance()->Borders()->Top()->Pen()->Width(), 1);
    EXPECT_EQ(changes, 1);

    auto* other = Place<TKvpPanel>({0, 60, 50, 20});
    other->Appearance()->Assign(source->Appearance(), false, false);
    EXPECT_EQ(other->Appearance()->BackgroundColor(), clAqua);
    EXPECT_NE(other->Appearance()->UpperGradient()->ColorFrom(), clYellow);
}

TEST_F(Panels, DecorationsArePlacedInsideTheBorders)
{
    auto* panel = Place<TKvpPanel>({10, 10, 110, 110}); // client 100 x 100
    TKvpPanelAppearance& a = *panel->Appearance();
    a.SetDrawGradient(false);
    a.SetBackgroundColor(clWhite);
    a.Borders()->Right()->Pen()->SetWidth(2);

    TKvpPanelHorizontalBar* bar = panel->HorizontalBars()->Add();
    bar->SetBarPosition(hbpPercentFromTop);
    bar->SetPosY(50);
    bar->SetHeight(6);
    bar->SetDrawGradient(false);
    bar->SetBackgroundColor(clLime);
    bar->Border()->SetColor(clNavy);
    bar->Border()->SetWidth(2);

    TKvpPanelVerticalLine* line = panel->VerticalLines()->Add();
    line->SetLinePosition(vlpCenter);
    line->Pen()->SetColor(clRed);
    TKvpPanelVerticalLine* hidden = panel->VerticalLines()->Add();
    hidden->SetPosX(20);
    hidden->Pen()->SetStyle(psClear);

    TKvpPanelCaption* caption = panel->Captions()->Add();
    caption->SetText("Info");
    caption->SetHorizontalPosition(thpFromRight);
    caption->SetPosX(10);
    caption->SetMarginX(5);
    caption->Font()->SetColor(clBlack);
    caption->Font()->SetName("DejaVu Sans");
    TKvpPanelCaption* blank = panel->Captions()->Add();
    blank->SetText("   ");

    auto picture = Render(panel);
    SaveScreenshot(*picture, "pack_panel_decorations", 3);
    // The bar's top at 1 + 49 (half of the 98 inner rows), framed 2 pixels deep in navy.
    EXPECT_EQ(At(*picture, 5, 50), clNavy);
    EXPECT_EQ(At(*picture, 5, 51), clNavy);
    EXPECT_EQ(At(*picture, 5, 52), clLime);
    EXPECT_NE(At(*picture, 5, 49), clNavy);
    // Centred line: 100 div 2 + 1 - 2.
    EXPECT_EQ(At(*picture, 49, 20), clRed);
    EXPECT_EQ(At(*picture, 20, 20), clWhite); // the clear pen draws nothing
    // The caption's text ends 10 + 2 + 5 = 17 pixels left of the right edge.
    TBitmap measure(10, 10);
    measure.Canvas()->SetFont(caption->Font());
    const int textLeft = 100 - 17 - measure.Canvas()->TextWidth("Info");
    int leftmostInk = 100, rightmostInk = -1;
    for (int x = 1; x < 98; ++x)     // inside the borders
        for (int y = 8; y < 30; ++y) // the caption's rows, above the bar
            if (At(*picture, x, y) != clWhite && At(*picture, x, y) != clRed) {
                leftmostInk = std::min(leftmostInk, x);
                rightmostInk = std::max(rightmostInk, x);
            }
    EXPECT_GE(leftmostInk, textLeft);
    EXPECT_LE(leftmostInk, textLeft + 2);
    EXPECT_LT(rightmostInk, 100 - 17);
}

TEST_F(Panels, CopyingABarCollectionIsRefused)
{
    auto* source = Place<TKvpPanel>({0, 0, 50, 20});
    auto* target = Place<TKvpPanel>({0, 30, 50, 20});
    source->HorizontalBars()->Add();
    EXPECT_THROW(target->SetHorizontalBars(source->HorizontalBars()), EConvertError);

    TKvpPanelCaption* from = source->Captions()->Add();
    from->SetText("from");
    from->SetPosX(33);
    from->SetVisible(false);
    TKvpPanelCaption* to = target->Captions()->Add();
    to->SetText("to");
    to->Assign(from);
    EXPECT_EQ(to->PosX(), 33);
    EXPECT_EQ(to->Text(), "to");
    EXPECT_TRUE(to->Visible());
}

TEST_F(Panels, ACustomStylePaintsItsOwnPanel)
{
    TTestStyleInUse style;
    auto* panel = Place<TKvpBasicPanel>({10, 10, 60, 40});
    panel->SetBevelOuter(bvRaised);
    panel->Appearance()->SetDrawBorder(false); // the panel's own borders would cover the style's bevel
    auto picture = Render(panel);
    SaveScreenshot(*picture, "pack_basic_panel_custom_style", 3);
    EXPECT_EQ(At(*picture, 0, 10), TTestStyle::PanelHighlight);
    EXPECT_EQ(At(*picture, 49, 10), TTestStyle::PanelShadow);
    EXPECT_EQ(At(*picture, 20, 15), TTestStyle::PanelFill);

    panel->SetBevelOuter(bvLowered);
    picture = Render(panel);
    EXPECT_EQ(At(*picture, 0, 10), TTestStyle::PanelShadow);
}

TEST_F(Panels, ParentBackgroundStillGetsDecorationsAndBorders)
{
    form->SetColor(clFuchsia);
    auto* panel = Place<TKvpPanel>({10, 10, 60, 40});
    panel->SetParentBackground(true);
    TKvpPanelHorizontalLine* line = panel->HorizontalLines()->Add();
    line->Pen()->SetColor(clGreen);
    auto picture = Render(panel);
    EXPECT_EQ(At(*picture, 20, 11), clGreen);
    EXPECT_EQ(At(*picture, 0, 20), ColorToRGB(clBtnHighlight));
    EXPECT_NE(At(*picture, 20, 20), ColorToRGB(panel->Appearance()->UpperGradient()->ColorFrom()));
}

TEST_F(Panels, SimplePanelGradientBordersAndCaption)
{
    auto* panel = Place<TKvpSimplePanel>({10, 10, 110, 36}); // 26 rows
    TKvpSimplePanelAppearance& a = *panel->Appearance();
    a.SetBackgroundColor(0xE4E4E4);
    a.SetBackroundColorTo(0xD8D8D8);
    a.SetBorderColor(clNone);
    auto picture = Render(panel);
    SaveScreenshot(*picture, "pack_simple_panel_gradient", 3);
    // 26 bands, one per row, the first two rows high: E4 + MulDiv(i, -12, 26) for band i.
    EXPECT_EQ(At(*picture, 50, 0), TColor(0xE4E4E4));
    EXPECT_EQ(At(*picture, 50, 1), TColor(0xE4E4E4));
    EXPECT_EQ(At(*picture, 50, 2), TColor(0xE3E3E3));
    EXPECT_EQ(At(*picture, 50, 13), TColor(0xDEDEDE));
    EXPECT_EQ(At(*picture, 0, 25), At(*picture, 50, 25)); // no border
    EXPECT_EQ(panel->Color(), TColor(0xE4E4E4));

    a.SetBackroundColorTo(clNone);
    a.SetBorderColor(clGray);
    a.SetBorderStyle(psClear);
    picture = Render(panel);
    EXPECT_EQ(CountPixels(*picture, {0, 0, 100, 26}, 0xE4E4E4), 100 * 26);

    a.SetBorderStyle(psSolid);
    a.SetDrawTopBorder(false);
    panel->SetCaption("Status");
    panel->SetAlignment(taRightJustify);
    panel->Font()->SetName("DejaVu Sans");
    panel->Font()->SetColor(clBlack);
    picture = Render(panel);
    SaveScreenshot(*picture, "pack_simple_panel_caption", 3);
    EXPECT_EQ(At(*picture, 50, 0), TColor(0xE4E4E4));
    EXPECT_EQ(At(*picture, 50, 25), clGray);
    int rightmostInk = -1;
    for (int x = 0; x < 99; ++x)
        for (int y = 1; y < 25; ++y)
            if (At(*picture, x, y) == clBlack)
                rightmostInk = std::max(rightmostInk, x);
    EXPECT_LE(rightmostInk, 100 - 6 - 1);
    EXPECT_GE(rightmostInk, 100 - 6 - 4);
}

TEST_F(Panels, SimplePanelNotifiesBackgroundColourAlways)
{
    TKvpSimplePanelAppearance a(nullptr);
    int changes = 0;
    a.OnChange = [&](TObject*) { ++changes; };
    a.SetDrawTopBorder(true);
    EXPECT_EQ(changes, 0);
    a.SetBackgroundColor(clBtnFace);
    EXPECT_EQ(changes, 1);
}

TEST_F(Panels, SimplePanelOverTheParentBackground)
{
    form->SetColor(clFuchsia);
    auto* panel = Place<TKvpSimplePanel>({10, 10, 60, 40});
    panel->SetParentBackground(true);
    panel->SetCaption("Frame");
    auto picture = Render(panel);
    SaveScreenshot(*picture, "pack_simple_panel_parent_background", 3);
    EXPECT_EQ(At(*picture, 20, 0), clGray);
    EXPECT_NE(At(*picture, 20, 5), ColorToRGB(clBtnFace)); // not filled
}

TEST_F(Panels, EachKindWithItsDefaultLooks)
{
    auto* basic = Place<TKvpBasicPanel>({10, 10, 190, 60});
    auto* panel = Place<TKvpPanel>({10, 70, 190, 150});
    TKvpPanelCaption* title = panel->Captions()->Add();
    title->SetText("Settings");
    title->Font()->SetName("DejaVu Sans");
    TKvpPanelHorizontalBar* bar = panel->HorizontalBars()->Add();
    bar->SetBarPosition(hbpFromBottom);
    bar->SetPosY(8);
    bar->SetHeight(14);
    bar->Gradient()->SetColorFrom(0xF0E8E0);
    bar->Gradient()->SetColorTo(0xC09060);
    bar->Border()->SetColor(0x806040);
    auto* simple = Place<TKvpSimplePanel>({200, 10, 390, 40});
    simple->Appearance()->SetBackgroundColor(0xE4E4E4);
    simple->Appearance()->SetBackroundColorTo(0xD8D8D8);
    simple->SetCaption("Progress");
    simple->Font()->SetName("DejaVu Sans");
    auto* frame = Place<TKvpSimplePanel>({200, 50, 390, 150});
    frame->SetAlignment(taLeftJustify);
    frame->SetCaption("Frame");
    auto picture = Render(form);
    SaveScreenshot(*picture, "pack_panels_default_looks", 2);
    // The basic panel's upper gradient starts lighter than the face and the bottom one ends darker.
    auto basicPicture = Render(basic);
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_GT(GetRValue(At(*basicPicture, 90, 2)), GetRValue(face) - 1);
    EXPECT_LT(GetRValue(At(*basicPicture, 90, 47)), GetRValue(face));
    EXPECT_EQ(simple->Color(), TColor(0xE4E4E4));
}
