#include "controls/pack/control_bound_label.h"

#include "form_fixture.h"

using BoundLabel = FormFixture;

TEST_F(BoundLabel, TakesItsOwnersNameAndReportsItsSizing)
{
    auto* owner = new TComponent(form);
    owner->SetName("OutputMemo");
    auto* label = new TKvpControlBoundLabel(owner);
    EXPECT_EQ(label->Name(), "SubLabel");
    EXPECT_EQ(label->Caption(), "OutputMemo");

    TKvpControlBoundLabel alone(nullptr, "Alone");
    EXPECT_EQ(alone.Caption(), "");

    label->SetParent(form);
    int adjusted = 0;
    label->OnAdjustBounds = [&](TObject* sender) {
        EXPECT_EQ(sender, label);
        ++adjusted;
    };
    label->SetCaption("Encoder output:");
    EXPECT_GE(adjusted, 1);
}
