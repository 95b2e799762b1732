#include "controls/pack/anchored_controls.h"

#include "gui_driver.h"
#include "platform/gui/standard/stdctrls_labels.h"

#include <gtest/gtest.h>

TEST(AnchoredPosition, EveryPositionOfTheTable)
{
    // Owner at (100, 50), 40 x 20; control 10 x 6; spacing 3.
    const TRect owner = Bounds(100, 50, 40, 20);
    const TPoint expected[20] = {{90, 41},  {100, 41}, {115, 41}, {130, 41}, {140, 41},  // top
                                 {90, 73},  {100, 73}, {115, 73}, {130, 73}, {140, 73},  // bottom
                                 {87, 44},  {87, 50},  {87, 57},  {87, 64},  {87, 70},   // left
                                 {143, 44}, {143, 50}, {143, 57}, {143, 64}, {143, 70}}; // right
    for (int p = 0; p < 20; ++p)
        EXPECT_EQ(AnchoredPosition(TKvpControlPos(p), owner, 10, 6, 3), expected[p]) << "position " << p;
    // Centred on an odd width: 11 div 2 - 4 div 2 = 3.
    EXPECT_EQ(AnchoredPosition(cpTopCenter, Bounds(0, 20, 11, 5), 4, 4, 3).X, 3);
}

class AnchoredControls : public testing::Test
{
protected:
    AnchoredControls() : form(ShowTestForm(400, 300))
    {
        owner = new TLabel(form);
        owner->SetParent(form);
        owner->SetAutoSize(false);
        owner->SetBounds(66, 40, 50, 20);
        value = new TLabel(form);
        value->SetParent(form);
        value->SetAutoSize(false);
        value->SetBounds(0, 0, 30, 10);
        anchors = std::make_unique<TKvpAnchoredControls>(owner);
    }
    ~AnchoredControls() override
    {
        anchors.reset();
        form->Free();
    }

    TForm* form;
    TLabel* owner;
    TLabel* value;
    std::unique_ptr<TKvpAnchoredControls> anchors;
};

TEST_F(AnchoredControls, ARightSideFollowsItsOwner)
{
    anchors->Right()->SetSpacing(12);
    anchors->Right()->SetControl(value);
    EXPECT_EQ(value->Left(), 128);
    EXPECT_EQ(value->Top(), 40);

    owner->SetBounds(66, 40, 60, 20);
    anchors->OwnerBoundsChanged();
    EXPECT_EQ(value->Left(), 138);
    EXPECT_EQ(value->Width(), 30); // the size never changes
}

TEST_F(AnchoredControls, ADisabledSideStaysUntilEnabledAgain)
{
    anchors->Right()->SetControl(value);
    anchors->Right()->SetEnabled(false);
    owner->SetBounds(0, 0, 50, 20);
    anchors->OwnerBoundsChanged();
    EXPECT_EQ(value->Left(), 66 + 50 + 3);
    anchors->Right()->SetEnabled(true);
    EXPECT_EQ(value->Left(), 53);
}

TEST_F(AnchoredControls, CustomPositionAndOffsets)
{
    anchors->Top()->SetControlPositionMode(cpmCustom);
    anchors->Top()->SetCustomPosition(cpBottomRight);
    anchors->Top()->SetDeltaPosX(2);
    anchors->Top()->SetControl(value);
    EXPECT_EQ(value->Left(), 66 + 50 - 30 + 2);
    EXPECT_EQ(value->Top(), 40 + 20 + 3);
}

TEST_F(AnchoredControls, AFreedControlLeavesItsSideAndTheOwnerIsRefused)
{
    anchors->Left()->SetControl(value);
    anchors->OwnerNotification(value, opRemove);
    EXPECT_EQ(anchors->Left()->Control(), nullptr);

    anchors->Bottom()->SetControl(owner);
    EXPECT_EQ(anchors->Bottom()->Control(), nullptr);
}
