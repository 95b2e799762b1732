#include "controls/edits/combo_box.h"
#include "gui_driver.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/standard/panels.h"
#include "platform/gui/windows/window_functions.h"

#include <gtest/gtest.h>

namespace {

class ComboBoxes : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(420, 260);
        form->SetColor(clBtnFace);
        form->Font()->SetName("DejaVu Sans");
        form->Font()->SetSize(9);
        combo = NewCombo(120, 40);
        Pump();
    }
    void TearDown() override
    {
        form->Free();
        SetThemesEnabled(true);
        SetPlatformAnswers(std::nullopt);
    }
    TVezComboBox* NewCombo(int left, int top, TComboBoxStyle style = csDropDown)
    {
        auto* c = new TVezComboBox(form);
        c->BeginLoading();
        c->SetBounds(left, top, 150, 24);
        c->SetStyle(style);
        c->Items()->SetCommaText("320x240,640x480,720x576,1280x720");
        c->SetParent(form);
        c->EndLoading();
        return c;
    }
    std::unique_ptr<TBitmap> Shot(TWinControl* control)
    {
        Pump();
        return Render(control);
    }
    void Focus(TWinControl* control)
    {
        control->SetFocus();
        Pump();
    }
    // The label's place relative to the combo's top-left corner.
    TPoint LabelOffset() const
    {
        const TLabel* label = combo->ComboLabel();
        return {label->Left() - combo->Left(), label->Top() - combo->Top()};
    }

    TForm* form = nullptr;
    TVezComboBox* combo = nullptr;
};

TEST_F(ComboBoxes, WithItsDefaultsTheComboPaintsAsTheLayersComboBox)
{
    auto* plain = new TComboBox(form);
    plain->SetBounds(120, 80, 150, 24);
    plain->Items()->SetCommaText("320x240,640x480,720x576,1280x720");
    plain->SetParent(form);
    for (const bool themed : {true, false}) {
        SetThemesEnabled(themed);
        for (const TComboBoxStyle style : {csDropDown, csDropDownList}) {
            combo->SetStyle(style);
            plain->SetStyle(style);
            combo->SetItemIndex(1);
            plain->SetItemIndex(1);
            for (const bool enabled : {true, false}) {
                combo->SetEnabled(enabled);
                plain->SetEnabled(enabled);
                auto ours = Shot(combo);
                auto theirs = Shot(plain);
                EXPECT_EQ(PixelsThatDiffer(*ours, *theirs), 0) << themed << style << enabled;
                if (themed && style == csDropDown && enabled) {
                    TBitmap pair(310, 24);
                    pair.Canvas()->Draw(0, 0, ours.get());
                    pair.Canvas()->Draw(160, 0, theirs.get());
                    SaveScreenshot(pair, "combo_default_beside_layer_combo", 2);
                }
            }
        }
    }
    // Focused alike.
    combo->SetEnabled(true);
    plain->SetEnabled(true);
    Focus(combo);
    auto ours = Shot(combo);
    Focus(plain);
    auto theirs = Shot(plain);
    EXPECT_EQ(PixelsThatDiffer(*ours, *theirs), 0);
    EXPECT_EQ(combo->Version(), "1.8.0.1");
}

TEST_F(ComboBoxes, ButtonWidthTakesFourteenToThirtyTwo)
{
    const int initial = combo->ButtonWidth();
    for (const auto& [value, expected] :
         std::initializer_list<std::pair<int, int>>{{13, initial}, {33, initial}, {14, 14}, {32, 32}}) {
        combo->SetButtonWidth(value);
        EXPECT_EQ(combo->ButtonWidth(), expected) << value;
    }
}

TEST_F(ComboBoxes, TheLabelStandsAtEachOfItsPlaces)
{
    combo->SetLabelCaption("Size");
    const TLabel* label = combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    EXPECT_EQ(combo->LabelCaption(), "Size");
    const int m = combo->LabelMargin();
    const int lw = label->Width();
    const int lh = label->Height();
    const int w = LabelTextWidth("Size", *label->Font());
    const int cw = combo->Width();
    const int ch = combo->Height();
    const struct
    {
        TLabelPosition position;
        TPoint offset;
    } cases[] = {
        {lpLeftTop, {-w - m, 0}},
        {lpLeftCenter, {-w - m, (ch - lh) / 2}},
        {lpLeftBottom, {-w - m, ch - lh}},
        {lpTopLeft, {0, -lh - m}},
        {lpBottomLeft, {0, ch + m}},
        {lpLeftTopLeft, {-m, 0}},
        {lpLeftCenterLeft, {-m, (ch - lh) / 2}},
        {lpLeftBottomLeft, {-m, ch - lh}},
        {lpTopCenter, {(cw - lw) / 2, -lh - m}},
        {lpBottomCenter, {(cw - lw) / 2, ch + m}},
        {lpRightTop, {cw + m, 0}},
        {lpRightCenter, {cw + m, (ch - lh) / 2}},
        {lpRighBottom, {cw + m, ch - lh}},
        {lpTopRight, {cw - lw, -lh - m}},
        {lpBottomRight, {cw - lw, ch + m}},
    };
    for (const auto& c : cases) {
        combo->SetLabelPosition(c.position);
        EXPECT_EQ(LabelOffset(), c.offset) << c.position;
    }
    // A 40-pixel text with margin 4 stands 44 pixels left of the combo, whatever the label's own width.
    combo->SetLabelPosition(lpLeftTop);
    combo->SetLabelMargin(4);
    EXPECT_EQ(LabelPlace(lpLeftTop, Bounds(100, 10, 150, 24), {{60, 15}, 40, 4, 0}), (TPoint{56, 10}));
    // Moving the combo moves the label.
    combo->SetLeft(200);
    EXPECT_EQ(LabelOffset(), (TPoint{-w - 4, 0}));
}

TEST_F(ComboBoxes, TheLabelFollowsEnabledAndVisible)
{
    combo->SetLabelCaption("Size");
    TLabel* label = combo->ComboLabel();
    combo->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    combo->SetEnabled(true);
    EXPECT_TRUE(label->Enabled());
    combo->SetLabelAlwaysEnabled(true);
    combo->SetEnabled(false);
    EXPECT_TRUE(label->Enabled());
    combo->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    combo->SetVisible(true);
    EXPECT_TRUE(label->Visible());
    // The parent's font reaches the label through the combo.
    form->Font()->SetSize(12);
    EXPECT_EQ(label->Font()->Size(), 12);
}

TEST_F(ComboBoxes, AnAlignedComboMakesRoomForItsLabel)
{
    auto* panel = new TPanel(form);
    panel->SetBounds(0, 120, 400, 100);
    panel->SetBevelOuter(bvNone);
    panel->SetParent(form);
    auto* aligned = new TVezComboBox(form);
    aligned->SetParent(panel);
    aligned->SetLabelCaption("Output");
    aligned->SetAlign(alTop);
    const TLabel* label = aligned->ComboLabel();
    const TRect inside = panel->ClientRect();
    EXPECT_EQ(aligned->Left(), inside.Left + label->Width() + 4);
    EXPECT_EQ(aligned->Left() + aligned->Width(), inside.Right);
    EXPECT_EQ(label->Left(), aligned->Left() - LabelTextWidth("Output", *label->Font()) - 4);
}

TEST_F(ComboBoxes, TabInAnOpenListKeepsTheHighlightedItemAndMovesOn)
{
    auto* next = NewCombo(120, 90);
    Focus(combo);
    TCustomEdit* edit = combo->EditControl();
    Press(edit, "A-Down");
    ASSERT_TRUE(combo->DroppedDown());
    Press(edit, "Down");
    Press(edit, "Down");
    const int highlighted = combo->ItemIndex();
    Press(edit, "Tab");
    Pump();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), highlighted);
    EXPECT_EQ(combo->Text(), combo->Items()->Strings(highlighted));
    EXPECT_TRUE(next->Focused());
}

TEST_F(ComboBoxes, ReturnIsTabMovesOnWhenEnterIsReleased)
{
    auto* next = NewCombo(120, 90);
    std::u32string typed;
    combo->OnKeyPress = [&](TObject*, char32_t& ch) { typed += ch; };
    combo->SetReturnIsTab(true);
    Focus(combo);
    TCustomEdit* edit = combo->EditControl();
    KeyDown(edit, "Enter");
    Pump();
    EXPECT_TRUE(combo->Focused());
    KeyUp(edit, "Enter");
    Pump();
    EXPECT_TRUE(next->Focused());
    EXPECT_EQ(typed.find(U'\r'), std::u32string::npos);
    // Without it Enter stays in the combo.
    next->SetReturnIsTab(false);
    Press(next->EditControl(), "Enter");
    Pump();
    EXPECT_TRUE(next->Focused());
}

TEST_F(ComboBoxes, TheEmptyTextShowsOnlyWithoutTheFocus)
{
    combo->SetEmptyText("Choose a size");
    TCustomEdit* edit = combo->EditControl();
    // The pixels of the edit part that are not its background.
    const auto greyInEdit = [&] {
        auto shot = Shot(edit);
        const TRect r = edit->ClientRect();
        return r.Width() * r.Height() - CountPixels(*shot, r, clWhite);
    };
    EXPECT_GT(greyInEdit(), 20);
    SaveScreenshot(*Shot(combo), "combo_empty_text", 2);
    Focus(combo);
    EXPECT_EQ(greyInEdit(), 0);
    combo->SetEmptyTextFocused(true);
    edit->Invalidate();
    EXPECT_GT(greyInEdit(), 20);
    combo->SetEmptyTextFocused(false);
    Focus(NewCombo(120, 90));
    EXPECT_GT(greyInEdit(), 20);
    // Over a text nothing is added.
    combo->SetText("720x576");
    const int text = greyInEdit();
    combo->SetEmptyText("");
    EXPECT_EQ(greyInEdit(), text);
}

TEST_F(ComboBoxes, TheFlatLookDrawsItsRingsAndABottomLineBeforeTheButton)
{
    combo->SetFlat(true);
    EXPECT_FALSE(combo->Ctl3D());
    EXPECT_EQ(combo->Color(), form->Color()); // the parent's colour
    auto shot = Shot(combo);
    const int w = combo->Width();
    const int h = combo->Height();
    const int line = w - combo->ButtonWidth() - 3;
    EXPECT_EQ(CountPixels(*shot, {0, h - 1, line, h}, clBlack), line);
    EXPECT_NE(shot->Canvas()->Pixels(line + 1, h - 1), clBlack);
    EXPECT_EQ(shot->Canvas()->Pixels(w / 2, 0), ColorToRGB(form->Color()));
    SaveScreenshot(*shot, "combo_flat", 2);

    // The classic look draws the flat button's own edge.
    SetThemesEnabled(false);
    const auto classic = Shot(combo);
    SaveScreenshot(*classic, "combo_flat_classic", 2);
    SetThemesEnabled(true);
    EXPECT_GT(PixelsThatDiffer(*shot, *classic), 5);
    EXPECT_EQ(CountPixels(*classic, {0, h - 1, line, h}, clBlack), line) << "the same bottom line";

    combo->SetFlatLineColor(clNone);
    shot = Shot(combo);
    EXPECT_EQ(CountPixels(*shot, {0, h - 1, line, h}, clBlack), 0);
    // Off again: the colour it was loaded with.
    combo->SetFlat(false);
    EXPECT_EQ(combo->Color(), clWindow);
    EXPECT_TRUE(combo->Ctl3D());
}

TEST_F(ComboBoxes, BorderAndButtonColoursArePaintedOverTheWindow)
{
    combo->SetBorderColor(clRed);
    auto shot = Shot(combo);
    const int w = combo->Width();
    const int h = combo->Height();
    EXPECT_EQ(CountPixels(*shot, {0, 0, w, 1}, clRed), w);
    EXPECT_EQ(CountPixels(*shot, {0, h - 1, w, h}, clRed), w);

    combo->SetBorderColor(clNone);
    combo->SetButtonColor(clNavy);
    combo->SetButtonTextColor(clWhite);
    combo->SetButtonBorderColor(clYellow);
    shot = Shot(combo);
    const int left = w - combo->ButtonWidth() + 2;
    EXPECT_GT(CountPixels(*shot, {left, 2, w - 2, h - 2}, clNavy), 100);
    EXPECT_GT(CountPixels(*shot, {left, 2, w - 2, h - 2}, clWhite), 5); // the arrow
    EXPECT_GT(CountPixels(*shot, {left, 2, left + 1, h - 2}, clYellow), 10);
    SaveScreenshot(*shot, "combo_button_colours", 2);
}

TEST_F(ComboBoxes, ADisabledComboMayFrameItselfAndAutoFocusTakesThePointer)
{
    combo->SetDisabledBorder(false);
    combo->SetEnabled(false);
    auto shot = Shot(combo);
    const int w = combo->Width();
    EXPECT_EQ(CountPixels(*shot, {0, 0, w, 1}, 0xB99D7F), w);
    combo->SetEnabled(true);

    auto* other = NewCombo(120, 90);
    Focus(other);
    combo->SetAutoFocus(true);
    MouseMove(combo->EditControl(), {5, 5});
    Pump();
    EXPECT_TRUE(combo->Focused());
}

TEST_F(ComboBoxes, FocusColoursComeAndGo)
{
    combo->SetFocusColor(clYellow);
    combo->SetFocusFontColor(clBlue);
    combo->SetFocusLabel(true);
    combo->SetLabelCaption("Size");
    auto* other = NewCombo(120, 90);
    Focus(combo);
    EXPECT_EQ(combo->Color(), clYellow);
    EXPECT_EQ(combo->Font()->Color(), clBlue);
    EXPECT_TRUE(combo->ComboLabel()->Font()->Style().Contains(fsBold));
    Focus(other);
    EXPECT_EQ(combo->Color(), clWindow);
    EXPECT_EQ(combo->Font()->Color(), clWindowText);
    EXPECT_FALSE(combo->ComboLabel()->Font()->Style().Contains(fsBold));
}

TEST_F(ComboBoxes, ClicksInTheEditPartAreTheCombosMouseEvents)
{
    std::vector<std::string> events;
    combo->OnMouseDown = [&](TObject* sender, TMouseButton, TShiftState shift, int x, int y) {
        events.push_back("down " + std::to_string(x) + "," + std::to_string(y) +
                         (shift.Contains(ssShift) ? " shift" : "") + (sender == combo ? "" : " ?"));
    };
    combo->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
        events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    Click(combo->EditControl(), {7, 5}, mbLeft, {ssShift});
    EXPECT_EQ(events, (std::vector<std::string>{"down 7,5 shift", "up 7,5"}));
}

TEST_F(ComboBoxes, SelectItemAndTheDropEvents)
{
    int changes = 0;
    int dropUps = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    combo->OnDropUp = [&](TObject*) { ++dropUps; };
    combo->SelectItem("720x576");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes, 1);
    combo->SelectItem("4K");
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(changes, 1);
    Focus(combo);
    combo->SetDroppedDown(true);
    combo->SetDroppedDown(false);
    EXPECT_EQ(dropUps, 1);
    combo->SetDropWidth(300);
    EXPECT_EQ(combo->Perform(CB_GETDROPPEDWIDTH, 0, 0), 300);
}

TEST_F(ComboBoxes, AnOwnerDrawnComboDrawsItsItemsThroughTheCallback)
{
    auto* drawn = NewCombo(120, 90, csOwnerDrawFixed);
    std::vector<int> painted;
    drawn->OnDrawItem = [&](TWinControl*, int index, const TRect& rect, TOwnerDrawState) {
        painted.push_back(index);
        drawn->Canvas()->Brush()->SetColor(clLime);
        drawn->Canvas()->FillRect(rect);
    };
    drawn->SetItemIndex(3);
    auto shot = Shot(drawn);
    ASSERT_FALSE(painted.empty());
    EXPECT_EQ(std::count(painted.begin(), painted.end(), 3), painted.size());
    EXPECT_GT(CountPixels(*shot, drawn->ClientRect(), clLime), 100);
}

TEST_F(ComboBoxes, LabelPicturesInAFewPlaces)
{
    auto* panel = new TPanel(form);
    panel->SetBounds(0, 0, 400, 100);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clWhite);
    panel->SetParent(form);
    auto* flat = new TVezComboBox(form);
    flat->SetParent(panel);
    flat->SetBounds(120, 38, 150, 24);
    flat->SetFlat(true);
    flat->SetLabelCaption("Resolution");
    flat->SetText("720x576");
    const TLabelPosition places[] = {lpLeftCenter, lpTopLeft, lpRightCenter, lpBottomRight};
    TBitmap picture(400, 100 * 4);
    for (int i = 0; i < 4; ++i) {
        flat->SetLabelPosition(places[i]);
        auto shot = Shot(panel);
        picture.Canvas()->CopyRect(Bounds(0, i * 100, 400, 100), *shot->Canvas(), Bounds(0, 0, 400, 100));
        const TRect label = flat->ComboLabel()->BoundsRect();
        EXPECT_LT(CountPixels(*shot, label, clWhite), label.Width() * label.Height()) << places[i];
    }
    SaveScreenshot(picture, "combo_flat_label_places", 2);
}

} // namespace
