#include "controls/pack/common_types.h"
#include "controls/pack/gradient_ex.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Counts the notifications of a persistent object.
struct TChangeCount
{
    explicit TChangeCount(TKvpPersistent& object)
    {
        object.OnChange = [this](TObject*) { ++count; };
    }
    int count = 0;
};

} // namespace

TEST(UpdateCounter, EndUpdateNotifiesOnceNoUpdateIsLeft)
{
    const struct
    {
        int begins;
        bool reset;
        int endsBeforeNotice; // EndUpdate calls that pass silently
    } cases[] = {
        {0, false, 0}, // without a BeginUpdate: stays 0 and notifies
        {2, false, 1}, // the second EndUpdate notifies
        {5, true, 0},  // resetting notifies at once
    };
    for (const auto& c : cases) {
        TKvpFocusRectParams object;
        TChangeCount changes(object);
        for (int i = 0; i < c.begins; ++i)
            object.BeginUpdate();
        for (int i = 0; i < c.endsBeforeNotice; ++i)
            object.EndUpdate(true, c.reset);
        EXPECT_EQ(changes.count, 0) << c.begins;
        object.EndUpdate(true, c.reset);
        EXPECT_EQ(changes.count, 1) << c.begins;
        EXPECT_EQ(object.UpdateCounter(), 0);
    }
}

TEST(UpdateCounter, SettersNotifyEvenInsideAnUpdate)
{
    TKvpGradientEx gradient;
    TChangeCount changes(gradient);
    gradient.BeginUpdate();
    gradient.SetBalance(20);
    EXPECT_EQ(changes.count, 1);
    gradient.EndUpdate(false, false);
    EXPECT_EQ(changes.count, 1);
}

TEST(GradientEx, SettersIgnoreValuesOutOfRangeAndUnchanged)
{
    const struct
    {
        const char* what;
        std::function<void(TKvpGradientEx&)> set;
        bool notifies;
    } cases[] = {
        {"Balance 101", [](TKvpGradientEx& g) { g.SetBalance(101); }, false},
        {"Balance 100", [](TKvpGradientEx& g) { g.SetBalance(100); }, true},
        {"SpeedPercent 101", [](TKvpGradientEx& g) { g.SetSpeedPercent(101); }, false},
        {"SpeedPercent -1", [](TKvpGradientEx& g) { g.SetSpeedPercent(-1); }, false},
        {"SpeedPercent 0", [](TKvpGradientEx& g) { g.SetSpeedPercent(0); }, true},
        {"AngleDegree 360", [](TKvpGradientEx& g) { g.SetAngleDegree(360); }, false},
        {"AngleDegree 359", [](TKvpGradientEx& g) { g.SetAngleDegree(359); }, true},
        {"MaxDegrade 0", [](TKvpGradientEx& g) { g.SetMaxDegrade(0); }, false},
        {"MaxDegrade 1", [](TKvpGradientEx& g) { g.SetMaxDegrade(1); }, true},
        {"Balance as it is", [](TKvpGradientEx& g) { g.SetBalance(50); }, false},
        {"ColorTo as it is", [](TKvpGradientEx& g) { g.SetColorTo(clBtnFace); }, false},
        {"ColorTo", [](TKvpGradientEx& g) { g.SetColorTo(clRed); }, true},
    };
    for (const auto& c : cases) {
        TKvpGradientEx gradient;
        TChangeCount changes(gradient);
        c.set(gradient);
        EXPECT_EQ(changes.count, c.notifies ? 1 : 0) << c.what;
    }
    TKvpGradientEx gradient;
    gradient.SetBalance(101);
    EXPECT_EQ(gradient.Balance(), 50);
}

TEST(GradientEx, AssignCopiesTheValuesWithOneNotification)
{
    TKvpGradientEx source, target;
    source.SetOrientation(dgdAngle);
    source.SetColorFrom(clNavy);
    source.SetAngleClipRect(true);
    TChangeCount changes(target);
    target.Assign(&source);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(target.ColorFrom(), clNavy);
    EXPECT_EQ(target.Orientation(), dgdAngle);
    EXPECT_NE(target.AngleViewCache(), nullptr); // the cache follows the copied orientation
    EXPECT_FALSE(target.AngleClipRect());
    target.Assign(&source); // the same values notify again
    EXPECT_EQ(changes.count, 2);
    target.SetOrientation(dgdVertical);
    EXPECT_EQ(target.AngleViewCache(), nullptr);
}

TEST(TagExt, StartsAtItsCreationTime)
{
    const TKvpTagExt tag;
    EXPECT_GT(tag.DateValue(), 40000.0);
    EXPECT_EQ(tag.IntValue(), 0);
    EXPECT_EQ(tag.PointerValue(), nullptr);
}
