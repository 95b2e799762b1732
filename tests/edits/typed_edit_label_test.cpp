#include "platform/gui/standard/panels.h"
#include "typed_edit_fixture.h"

namespace {

class TypedEditLabel : public TypedEdits
{
protected:
    TPoint Offset(TVezEdit* e) const
    {
        return {e->EditLabel()->Left() - e->Left(), e->EditLabel()->Top() - e->Top()};
    }
};

TEST_F(TypedEditLabel, TheLabelStandsAtEachOfItsPlaces)
{
    edit->SetLabelCaption("Folder");
    TVezEditLabel* label = edit->EditLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    const int m = edit->LabelMargin();
    const int lw = label->Width();
    const int lh = label->Height();
    const int w = LabelTextWidth("Folder", *label->Font());
    const int ew = edit->Width();
    const int eh = edit->Height();
    const int centred = (eh - 2 - lh) / 2; // a single border takes 2 off the height
    const struct
    {
        TLabelPosition position;
        TPoint offset;
    } cases[] = {
        {lpLeftTop, {-w - m, 0}},
        {lpLeftCenter, {-w - m, centred}},
        {lpLeftBottom, {-w - m, eh - lh}},
        {lpTopLeft, {0, -lh - m}},
        {lpBottomLeft, {0, eh + m}},
        {lpLeftTopLeft, {-m, 0}},
        {lpLeftCenterLeft, {-m, centred}},
        {lpLeftBottomLeft, {-m, eh - lh}},
        {lpTopCenter, {(ew - lw) / 2, -lh - m}},
        {lpBottomCenter, {(ew - lw) / 2, eh + m}},
        {lpRightTop, {ew + m, 0}},
        {lpRightCenter, {ew + m, centred}},
        {lpRighBottom, {ew + m, eh - lh}},
        {lpTopRight, {ew - lw, -lh - m}},
        {lpBottomRight, {ew - lw, eh + m}},
    };
    for (const auto& c : cases) {
        edit->SetLabelPosition(c.position);
        EXPECT_EQ(Offset(edit), c.offset) << c.position;
    }
    // Left-aligned labels line up on their left edges whatever their width.
    edit->SetLabelPosition(lpLeftTopLeft);
    edit->SetLabelMargin(80);
    EXPECT_EQ(Offset(edit).X, -80);
    // A 13-pixel label beside a 21-pixel edit with a single border stands 3 pixels below its top.
    EXPECT_EQ(LabelPlace(lpLeftCenter, Bounds(100, 50, 120, 21), {{40, 13}, 40, 4, 2}).Y, 53);
    EXPECT_EQ(LabelPlace(lpLeftCenter, Bounds(100, 50, 120, 10), {{40, 13}, 40, 4, 2}).Y, 48);
}

TEST_F(TypedEditLabel, LabelPicturesInAFewPlaces)
{
    auto* panel = new TPanel(form);
    panel->SetBounds(0, 0, 400, 100);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clWhite);
    panel->SetParent(form);
    TVezEdit* e = NewEdit(
        120, 38, [](TVezEdit* x) { x->SetText("/home/user/Videos"); }, panel);
    e->SetLabelCaption("Output folder");
    const TLabelPosition places[] = {lpLeftCenter, lpTopLeft, lpRightCenter, lpBottomCenter};
    TBitmap picture(400, 100 * 4);
    for (int i = 0; i < 4; ++i) {
        e->SetLabelPosition(places[i]);
        Pump();
        auto shot = Render(panel);
        picture.Canvas()->CopyRect(Bounds(0, i * 100, 400, 100), *shot->Canvas(), Bounds(0, 0, 400, 100));
        const TRect label = e->EditLabel()->BoundsRect();
        EXPECT_LT(CountPixels(*shot, label, clWhite), label.Width() * label.Height()) << places[i];
    }
    SaveScreenshot(picture, "typed_edit_label_places", 2);
}

TEST_F(TypedEditLabel, TheLabelFollowsTheEdit)
{
    edit->SetLabelCaption("Folder");
    TVezEditLabel* label = edit->EditLabel();
    edit->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    edit->SetEnabled(true);
    edit->SetLabelAlwaysEnabled(true);
    edit->SetEnabled(false);
    EXPECT_TRUE(label->Enabled());
    EXPECT_TRUE(label->AlwaysEnable());
    label->SetEnabled(false); // enables itself again
    EXPECT_TRUE(label->Enabled());
    edit->SetEnabled(true);

    edit->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    edit->SetVisible(true);
    EXPECT_TRUE(label->Visible());
    const TPoint before = Offset(edit);
    edit->SetBounds(60, 120, 150, 24);
    EXPECT_EQ(Offset(edit), before);

    auto* panel = new TPanel(form);
    panel->SetBounds(0, 150, 400, 100);
    panel->SetParent(form);
    edit->SetParent(panel);
    EXPECT_EQ(label->Parent(), panel);

    edit->SetFocusLabel(true);
    Focus(edit);
    EXPECT_TRUE(label->Font()->Style().Contains(fsBold));
    Focus(other);
    EXPECT_FALSE(label->Font()->Style().Contains(fsBold));

    TObject* clickedBy = nullptr;
    edit->OnLabelClick = [&](TObject* sender) { clickedBy = sender; };
    label->Click();
    EXPECT_EQ(clickedBy, edit);
}

TEST_F(TypedEditLabel, AnAlignedEditMakesRoomForItsLabel)
{
    auto* panel = new TPanel(form);
    panel->SetBounds(0, 120, 400, 100);
    panel->SetBevelOuter(bvNone);
    panel->SetParent(form);
    TVezEdit* aligned = NewEdit(0, 0, {}, panel);
    aligned->SetLabelCaption("Output");
    aligned->SetAlign(alTop);
    TVezEditLabel* label = aligned->EditLabel();
    EXPECT_EQ(aligned->Left(), label->Width() + 4);
    EXPECT_EQ(aligned->Left() + aligned->Width(), 400);
    EXPECT_EQ(label->Left(), aligned->Left() - LabelTextWidth("Output", *label->Font()) - 4);
    aligned->SetLabelPosition(lpTopRight);
    panel->Realign();
    EXPECT_EQ(aligned->Top(), label->Height());
}

} // namespace
