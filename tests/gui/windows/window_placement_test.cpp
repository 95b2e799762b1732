#include "platform/gui/windows/window_functions.h"
#include "platform/gui/windows/window_placement.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

// Where a form is: its state and the bounds it has in the normal state, read and given back.

namespace {

class WindowPlacement : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(300, 200);
        form->SetBounds(40, 30, 300, 200);
        Pump();
    }
    void TearDown() override
    {
        form->Free();
        Pump();
    }
    WINDOWPLACEMENT Placement() const
    {
        WINDOWPLACEMENT placement;
        EXPECT_TRUE(GetWindowPlacement(form->Handle(), placement));
        return placement;
    }
    void Place(unsigned showCmd, const TRect& normal)
    {
        WINDOWPLACEMENT placement;
        placement.showCmd = showCmd;
        placement.rcNormalPosition = normal;
        EXPECT_TRUE(SetWindowPlacement(form->Handle(), placement));
        Pump();
    }
    TForm* form = nullptr;
};

TEST_F(WindowPlacement, TheNormalBoundsAreKeptWhileMinimizedOrMaximized)
{
    const TRect normal = Bounds(40, 30, 300, 200);
    EXPECT_EQ(Placement().showCmd, static_cast<unsigned>(SW_SHOWNORMAL));
    EXPECT_EQ(Placement().rcNormalPosition, normal);

    for (int command : {SW_SHOWMAXIMIZED, SW_MINIMIZE}) {
        SCOPED_TRACE(command);
        ShowWindow(form->Handle(), command);
        Pump();
        EXPECT_EQ(Placement().showCmd,
                  static_cast<unsigned>(command == SW_MINIMIZE ? SW_SHOWMINIMIZED : command));
        EXPECT_EQ(Placement().rcNormalPosition, normal);
        ShowWindow(form->Handle(), SW_RESTORE);
        Pump();
        EXPECT_EQ(form->BoundsRect(), normal);
    }
    WINDOWPLACEMENT none;
    EXPECT_FALSE(GetWindowPlacement(nullptr, none));
    EXPECT_FALSE(SetWindowPlacement(nullptr, none));
}

TEST_F(WindowPlacement, APlacementSetIsTheOneRestoredLater)
{
    const TRect normal = Bounds(70, 60, 240, 150);
    Place(SW_SHOWMAXIMIZED, normal);
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_NE(form->BoundsRect(), normal);
    EXPECT_EQ(Placement().rcNormalPosition, normal);

    const TRect other = Bounds(20, 25, 260, 170);
    Place(SW_SHOWMAXIMIZED, other);
    EXPECT_EQ(Placement().rcNormalPosition, other) << "a maximized window takes new normal bounds";
    ShowWindow(form->Handle(), SW_RESTORE);
    Pump();
    EXPECT_EQ(form->BoundsRect(), other);

    Place(SW_SHOWNORMAL, {});
    EXPECT_EQ(form->BoundsRect(), other) << "empty bounds keep the window where it is";
}

TEST_F(WindowPlacement, AHiddenWindowStaysHiddenAndShowsInTheStateItWasGiven)
{
    form->Hide();
    Pump();
    const TRect normal = Bounds(50, 40, 220, 140);
    Place(SW_SHOWMAXIMIZED, normal);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(Placement().showCmd, static_cast<unsigned>(SW_SHOWMAXIMIZED));
    form->Show();
    Pump();
    EXPECT_EQ(form->WindowState(), wsMaximized);
    ShowWindow(form->Handle(), SW_RESTORE);
    Pump();
    EXPECT_EQ(form->BoundsRect(), normal);
}

} // namespace
