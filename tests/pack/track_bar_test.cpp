#include "controls/pack/track_bar.h"

#include "form_fixture.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/image_list.h"

#include <cmath>
#include <limits>
#include <memory>

namespace {

class TrackBars : public FormFixture
{
protected:
    TKVGxTrackBar6* PlaceBar(int width = 240, int height = 30)
    {
        auto* bar = Place<TKVGxTrackBar6>(Bounds(20, 20, width, height));
        bar->OnChange = [this](TObject*) { ++changes; };
        return bar;
    }
    // The main window's looks: user-defined colours, a grey track and a blue thumb.
    static void MainWindowLooks(TKVGxTrackBar6& bar, TKVGxTrackProgress progress)
    {
        bar.SetStyle(stUserDefined);
        bar.SetMin(-100);
        bar.SetMax(100);
        bar.SetStep(5);
        bar.SetTickFrequency(25);
        bar.SetTrackColor(0xE6E6E6);
        bar.SetTrackBorderColor(0xB4B4B4);
        bar.SetThumbColor(0xC08040);
        bar.SetThumbBorderColor(0x804020);
        bar.SetThumbHotColor(0xE0A060);
        bar.SetProgressLocation(progress);
        bar.SetProgressColor(0x40A060);
        bar.SetSignsRectBackgroundColor(0xF8F8F8);
    }

    int changes = 0;
};

} // namespace

TEST_F(TrackBars, RectanglesAt96And144PixelsPerInch)
{
    TKVGxTrackBar6* bar = PlaceBar();
    const TKVGxTrackBarRects at96 = bar->Rects(96);
    EXPECT_EQ(at96.Minus, (TRect{0, 8, 14, 22}));
    EXPECT_EQ(at96.Plus, (TRect{226, 8, 240, 22}));
    EXPECT_EQ(at96.Track, (TRect{18, 12, 222, 18}));
    EXPECT_EQ(at96.Thumb, (TRect{14, 9, 22, 22})) << "Position 1 is Min: the thumb centres on the left end";
    EXPECT_EQ(at96.TrackTouch, (TRect{18, 9, 222, 22}));
    EXPECT_EQ(at96.Progress, (TRect{20, 14, 18, 16}));

    // Twice the size at 144: the boxes, the gaps and the thumb; the track's height stays.
    const TKVGxTrackBarRects at144 = bar->Rects(144);
    EXPECT_EQ(at144.Minus, (TRect{0, 1, 28, 29}));
    EXPECT_EQ(at144.Plus, (TRect{212, 1, 240, 29}));
    EXPECT_EQ(at144.Track, (TRect{36, 12, 204, 18}));
    EXPECT_EQ(at144.Thumb, (TRect{28, 2, 44, 28}));

    bar->SetSignMinusVisible(false);
    EXPECT_EQ(bar->TrackRect().Left, 4);
    bar->SetSignPlusVisible(false);
    EXPECT_EQ(bar->TrackRect(), (TRect{4, 12, 236, 18}));
    bar->SetPosition(5);
    EXPECT_EQ(bar->ThumbRect().Left, 236 - 4);
    bar->SetProgressLocation(tpRightToPosition);
    EXPECT_EQ(bar->ProgressRect(), (TRect{236, 14, 234, 16}));
}

TEST_F(TrackBars, PositionStaysInsideTheRangeAndReportsChangesOnly)
{
    TKVGxTrackBar6* bar = PlaceBar();
    bar->SetPosition(9);
    EXPECT_EQ(bar->Position(), 5);
    bar->SetPosition(-3);
    EXPECT_EQ(bar->Position(), 1);
    EXPECT_EQ(changes, 2);
    bar->SetPosition(1);
    bar->SetPosition(0);
    EXPECT_EQ(changes, 2) << "no OnChange when the value stays";

    bar->SetPosition(4);
    bar->SetMax(3);
    EXPECT_EQ(bar->Position(), 4) << "lowering Max leaves the thumb past the track";
    EXPECT_GT(bar->ThumbRect().Left, bar->TrackRect().Right - 4);
    bar->SetMax(0.5);
    EXPECT_EQ(bar->Max(), 2) << "Max reaching Min goes a step above it";
    bar->SetMin(2.5);
    EXPECT_EQ(bar->Min(), 1);
}

TEST_F(TrackBars, TheMouseSetsTheValueUnderItRounded)
{
    TKVGxTrackBar6* bar = PlaceBar(208);
    bar->SetSignMinusVisible(false);
    bar->SetSignPlusVisible(false);
    bar->SetMin(-20);
    bar->SetMax(20);
    ASSERT_EQ(bar->TrackRect().Width(), 200);
    const int y = bar->TrackRect().Top + 2;
    Click(bar, {104, y});
    EXPECT_EQ(bar->Position(), 0);
    Click(bar, {111, y});
    EXPECT_EQ(bar->Position(), 1) << "7 pixels right of the centre is 1.4";
    bar->SetPrecision(-1);
    EXPECT_DOUBLE_EQ(bar->GetPositionAtPos(111, y), 1.4);
    EXPECT_EQ(bar->GetPositionAtPos(-50, y), -20);

    // Dragging: pressed on the track, the value follows the mouse until the release.
    bar->SetPrecision(0);
    MouseDown(bar, {104, y});
    EXPECT_TRUE(bar->State().Contains(bsPressed));
    MouseMove(bar, {154, y}, {ssLeft});
    EXPECT_EQ(bar->Position(), 10);
    MouseUp(bar, {154, y});
    EXPECT_FALSE(bar->State().Contains(bsPressed));
    MouseMove(bar, {4, y});
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_TRUE(bar->Focused());
}

TEST_F(TrackBars, SignBoxesKeysAndTheWheel)
{
    TKVGxTrackBar6* bar = PlaceBar();
    bar->SetPosition(3);
    Click(bar, {226 + 7, 15});
    EXPECT_EQ(bar->Position(), 4);
    Click(bar, {7, 15});
    Click(bar, {7, 15});
    EXPECT_EQ(bar->Position(), 2);
    Press(bar, "Right");
    EXPECT_EQ(bar->Position(), 3);
    Press(bar, "Left");
    EXPECT_EQ(bar->Position(), 2);
    Press(bar, "End");
    EXPECT_EQ(bar->Position(), 5);
    Press(bar, "Home");
    EXPECT_EQ(bar->Position(), 1);
    Press(bar, "Up");
    EXPECT_EQ(bar->Position(), 1) << "Up and Down are not the bar's";

    double reported = 0;
    bar->OnMouseWheelUp = [&](TObject*, TShiftState, double position, TPoint, bool& allow) {
        reported = position;
        allow = true;
    };
    Wheel(bar, {100, 15}, 120);
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(bar->Position(), 1) << "the wheel is reported, never moves the thumb";
}

TEST_F(TrackBars, UserDefinedLooksWithAndWithoutTheBand)
{
    TKVGxTrackBar6* volume = PlaceBar(240, 34);
    MainWindowLooks(*volume, tpLeftToPosition);
    volume->SetPosition(25);
    TKVGxTrackBar6* brightness = Place<TKVGxTrackBar6>(Bounds(20, 70, 240, 34));
    MainWindowLooks(*brightness, tpHidden);
    brightness->SetProgressFillMode(pfmHidden);
    brightness->SetPosition(-40);
    Pump();

    const std::unique_ptr<TBitmap> volumePicture = Render(volume);
    SaveScreenshot(*volumePicture, "track_bar_volume", 2);
    SaveScreenshot(*Render(brightness), "track_bar_brightness", 2);
    const TKVGxTrackBarRects r = volume->Rects();
    const TPoint thumb{r.Thumb.Left + r.Thumb.Width() / 2, r.Thumb.Top + r.Thumb.Height() / 2};
    EXPECT_EQ(volumePicture->Canvas()->Pixels(thumb.X, thumb.Y), 0xC08040u);
    EXPECT_EQ(volumePicture->Canvas()->Pixels(r.Thumb.Left, r.Thumb.Top), 0x804020u) << "the thumb's border";
    EXPECT_EQ(volumePicture->Canvas()->Pixels(r.Track.Left + 10, r.Track.Top + 3), 0x40A060u) << "the band";
    EXPECT_EQ(volumePicture->Canvas()->Pixels(r.Track.Right - 10, r.Track.Top + 3), 0xE6E6E6u);
    EXPECT_EQ(volumePicture->Canvas()->Pixels(r.Track.Right - 10, r.Track.Top), 0xB4B4B4u);
    EXPECT_EQ(volumePicture->Canvas()->Pixels(r.Track.Left, r.Track.Bottom + 4), 0xC0C0C0u) << "a tick mark";

    const TKVGxTrackBarRects b = brightness->Rects();
    const std::unique_ptr<TBitmap> brightnessPicture = Render(brightness);
    EXPECT_EQ(brightnessPicture->Canvas()->Pixels(b.Track.Left + 10, b.Track.Top + 3), 0xE6E6E6u)
        << "no band";

    MouseMove(volume, thumb);
    EXPECT_TRUE(volume->State().Contains(bsHover));
    EXPECT_EQ(Render(volume)->Canvas()->Pixels(thumb.X, thumb.Y), 0xE0A060u);
    volume->SetEnabled(false);
    EXPECT_EQ(Render(volume)->Canvas()->Pixels(thumb.X, thumb.Y), 0x808080u);
    EXPECT_EQ(Render(volume)->Canvas()->Pixels(r.Track.Right - 10, r.Track.Top + 3), 0xC0C0C0u);
}

TEST_F(TrackBars, SettingsOutsideTheWorkingRangeDoNothingHarmful)
{
    TKVGxTrackBar6* narrow = PlaceBar(30);
    ASSERT_LT(narrow->TrackRect().Width(), 1);
    narrow->SetPosition(3);
    Click(narrow, {15, 15});
    EXPECT_EQ(narrow->Position(), 3) << "a track without width leaves the value alone";

    TKVGxTrackBar6* bar = PlaceBar();
    bar->SetStep(0);
    bar->SetMax(1); // reaching Min: Min + Step, an empty range
    ASSERT_EQ(bar->Max(), bar->Min());
    bar->SetTickFrequency(0);
    Click(bar, {100, 15});
    EXPECT_EQ(bar->Position(), 1);
    EXPECT_EQ(bar->ThumbRect().Left, bar->TrackRect().Left - 4);
    Pump();
    Render(bar); // the tick and picture loops do not run

    bar->SetMax(std::numeric_limits<double>::max());
    bar->SetMin(-std::numeric_limits<double>::max());
    bar->SetStep(1);
    bar->SetTickFrequency(1);
    bar->SetPosition(std::numeric_limits<double>::quiet_NaN());
    EXPECT_FALSE(std::isnan(bar->Position()));
    Pump();
    Render(bar);
    EXPECT_TRUE(std::isfinite(bar->GetPositionAtPos(100, 15)));
}

TEST_F(TrackBars, PicturesStandUnderTheirStepsAndAListThatGoesIsLetGo)
{
    TKVGxTrackBar6* bar = PlaceBar(240, 60);
    bar->SetMin(0);
    bar->SetMax(4);
    auto* images = new TImageList(form);
    images->SetSize(8, 8);
    for (TColor color : {clRed, clBlue}) {
        TBitmap picture(8, 8, pf24bit);
        picture.Canvas()->Brush()->SetColor(color);
        picture.Canvas()->FillRect({0, 0, 8, 8});
        images->Add(&picture, nullptr);
    }
    bar->SetImages(images);
    const TRect track = bar->TrackRect();
    const int spacing = static_cast<int>(std::nearbyint(track.Width() / 4.0));
    const int x = track.Left, y = track.Bottom + bar->ImagesDistance() + 4;
    std::unique_ptr<TBitmap> picture = Render(bar);
    EXPECT_EQ(picture->Canvas()->Pixels(x, y), clRed) << "the first picture centred on the track's left end";
    EXPECT_EQ(picture->Canvas()->Pixels(x + spacing, y), clBlue);
    const TColor third = picture->Canvas()->Pixels(x + 2 * spacing, y);
    EXPECT_TRUE(third != clRed && third != clBlue) << "two pictures for five steps: the rest stay empty";

    // With a step of 2 each picture stands under its own step, two units apart.
    bar->SetStep(2);
    picture = Render(bar);
    EXPECT_EQ(picture->Canvas()->Pixels(x + spacing, y), third) << "no picture on an odd value";
    EXPECT_EQ(picture->Canvas()->Pixels(x + 2 * spacing, y), clBlue);

    images->Free();
    EXPECT_EQ(bar->Images(), nullptr);
    picture = Render(bar);
    EXPECT_NE(picture->Canvas()->Pixels(x, y), clRed);
}
