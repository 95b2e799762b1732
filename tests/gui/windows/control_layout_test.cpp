#include "platform/gui/forms/forms.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct AlignCase
{
    const char* name;
    TAlign align;
    TRect start;
    TRect expected; // inside a 200 x 100 client area
};

TEST(ControlLayout, AlignedChildTakesItsEdge)
{
    const AlignCase cases[] = {
        {"top", alTop, Bounds(5, 5, 50, 20), Rect(0, 0, 200, 20)},
        {"bottom", alBottom, Bounds(5, 5, 50, 20), Rect(0, 80, 200, 100)},
        {"left", alLeft, Bounds(5, 5, 30, 20), Rect(0, 0, 30, 100)},
        {"right", alRight, Bounds(5, 5, 30, 20), Rect(170, 0, 200, 100)},
        {"client", alClient, Bounds(5, 5, 30, 20), Rect(0, 0, 200, 100)},
        {"none", alNone, Bounds(5, 5, 30, 20), Bounds(5, 5, 30, 20)},
    };
    for (const AlignCase& c : cases) {
        SCOPED_TRACE(c.name);
        TWinControl parent(nullptr);
        parent.SetBounds(0, 0, 200, 100);
        auto* child = new TWinControl(&parent);
        child->SetBoundsRect(c.start);
        child->SetParent(&parent);
        child->SetAlign(c.align);
        EXPECT_EQ(child->BoundsRect(), c.expected);
    }
}

TEST(ControlLayout, EdgesShareTheAreaInOrderAndClientTakesTheRest)
{
    TWinControl parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    auto make = [&](TAlign align, TRect bounds) {
        auto* c = new TGraphicControl(&parent);
        c->SetBoundsRect(bounds);
        c->SetParent(&parent);
        c->SetAlign(align);
        return c;
    };
    TControl* lowerTop = make(alTop, Bounds(0, 50, 10, 10));
    TControl* upperTop = make(alTop, Bounds(0, -5, 10, 15)); // placed above: goes first
    TControl* left = make(alLeft, Bounds(0, 0, 20, 10));
    TControl* bottom = make(alBottom, Bounds(0, 0, 10, 5));
    TControl* client = make(alClient, Bounds(0, 0, 1, 1));
    EXPECT_EQ(upperTop->BoundsRect(), Rect(0, 0, 200, 15));
    EXPECT_EQ(lowerTop->BoundsRect(), Rect(0, 15, 200, 25));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 95, 200, 100));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 25, 20, 95));
    EXPECT_EQ(client->BoundsRect(), Rect(20, 25, 200, 95));

    // Hidden controls give their room to the others; resizing the parent lays out again.
    upperTop->Hide();
    parent.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(lowerTop->BoundsRect(), Rect(0, 0, 300, 10));
    EXPECT_EQ(client->BoundsRect(), Rect(20, 10, 300, 195));
}

TEST(ControlLayout, ConstraintsLimitAlignedAndPlacedSizes)
{
    TWinControl parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    auto* right = new TGraphicControl(&parent);
    right->SetParent(&parent);
    right->Constraints()->SetMaxHeight(40);
    right->SetWidth(30);
    right->SetAlign(alRight);
    EXPECT_EQ(right->BoundsRect(), Rect(170, 0, 200, 40));
    right->Constraints()->SetMinWidth(50);
    EXPECT_EQ(right->Width(), 50);
    EXPECT_EQ(right->Left(), 150);
}

struct AnchorCase
{
    const char* name;
    TAnchors anchors;
    TRect expected; // child at (20, 10, 40 x 20) in 200 x 100, parent grown to 300 x 160
};

TEST(ControlLayout, AnchorsKeepDistancesWhenTheParentGrows)
{
    const AnchorCase cases[] = {
        {"left top", {akLeft, akTop}, Bounds(20, 10, 40, 20)},
        {"right bottom", {akRight, akBottom}, Bounds(120, 70, 40, 20)},
        {"stretch", {akLeft, akTop, akRight, akBottom}, Bounds(20, 10, 140, 80)},
        {"none (centre kept in proportion)", {}, Bounds(40 * 300 / 200 - 20, 20 * 160 / 100 - 10, 40, 20)},
    };
    for (const AnchorCase& c : cases) {
        SCOPED_TRACE(c.name);
        TWinControl parent(nullptr);
        parent.SetBounds(0, 0, 200, 100);
        auto* child = new TWinControl(&parent);
        child->SetParent(&parent);
        child->SetBounds(20, 10, 40, 20);
        child->SetAnchors(c.anchors);
        parent.SetBounds(0, 0, 300, 160);
        EXPECT_EQ(child->BoundsRect(), c.expected);
        // Shrinking back restores the original place.
        parent.SetBounds(0, 0, 200, 100);
        EXPECT_EQ(child->BoundsRect(), Bounds(20, 10, 40, 20));
    }
}

// A control that moves a companion whenever it is placed.
class TLeadingControl : public TWinControl
{
public:
    using TWinControl::TWinControl;
    void SetBounds(int left, int top, int width, int height) override
    {
        TWinControl::SetBounds(left, top, width, height);
        if (companion)
            companion->SetBounds(5, 50, 20, 20);
    }
    TControl* companion = nullptr;
};

TEST(ControlLayout, AControlHeldAtLeftAndTopStaysWhereAnAlignedSiblingMovesIt)
{
    // An aligned control that keeps a companion beside itself moves it while the parent aligns; a companion
    // held at its left and top edges stays there, one with other anchors goes back to its anchored place.
    for (const TAnchors anchors : {TAnchors{akLeft, akTop}, TAnchors{akRight, akTop}}) {
        TWinControl parent(nullptr);
        parent.SetBounds(0, 0, 200, 100);
        auto* companion = new TWinControl(&parent);
        companion->SetParent(&parent);
        companion->SetBounds(150, 50, 20, 20);
        companion->SetAnchors(anchors);
        auto* aligned = new TLeadingControl(&parent);
        aligned->SetParent(&parent);
        aligned->companion = companion;
        aligned->SetAlign(alTop);
        EXPECT_EQ(companion->Left(), anchors.Contains(akLeft) ? 5 : 150);
    }
}

TEST(ControlState, OwnFlagsStayWhileTheEffectiveStateFollowsTheParent)
{
    TWinControl panel(nullptr);
    auto* child = new TWinControl(&panel);
    child->SetParent(&panel);
    int childNotices = 0;
    child->WindowProc = [&, old = child->WindowProc](TMessage& m) {
        if (m.Msg == CM_ENABLEDCHANGED)
            ++childNotices;
        old(m);
    };
    panel.SetEnabled(false);
    EXPECT_TRUE(child->Enabled());
    EXPECT_FALSE(child->EffectiveEnabled());
    EXPECT_EQ(childNotices, 0); // only a control's own flag change is announced
    child->SetEnabled(false);
    child->SetEnabled(false);
    EXPECT_EQ(childNotices, 1);
    panel.SetEnabled(true);
    EXPECT_FALSE(child->EffectiveEnabled());
}

TEST(ControlState, FontAndColourFollowTheParentUntilSetOwn)
{
    TWinControl parent(nullptr);
    auto* middle = new TWinControl(&parent);
    middle->SetParent(&parent);
    auto* leaf = new TGraphicControl(&parent);
    leaf->SetParent(middle);
    leaf->SetParentColor(true);
    middle->SetParentColor(true);

    parent.Font()->SetHeight(-20);
    parent.SetColor(clRed);
    EXPECT_EQ(leaf->Font()->Height(), -20);
    EXPECT_EQ(leaf->Color(), clRed);
    EXPECT_TRUE(leaf->ParentFont());

    leaf->Font()->SetHeight(-9);
    EXPECT_FALSE(leaf->ParentFont());
    parent.Font()->SetHeight(-30);
    EXPECT_EQ(middle->Font()->Height(), -30);
    EXPECT_EQ(leaf->Font()->Height(), -9);

    leaf->SetParentFont(true);
    EXPECT_EQ(leaf->Font()->Height(), -30);
}

TEST(ControlState, CaptionChangesAreAnnouncedOnce)
{
    TGraphicControl control(nullptr);
    int notices = 0;
    control.WindowProc = [&, old = control.WindowProc](TMessage& m) {
        if (m.Msg == CM_TEXTCHANGED)
            ++notices;
        old(m);
    };
    control.SetCaption("&Open");
    control.SetText("&Open");
    EXPECT_EQ(control.Caption(), "&Open");
    EXPECT_EQ(notices, 1);
}

} // namespace
