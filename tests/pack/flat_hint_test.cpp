#include "controls/pack/flat_hint.h"

#include "form_fixture.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/window_functions.h"

namespace {

class FlatHints : public FormFixture
{
protected:
    FlatHints()
    {
        hint = new TFlatHint(form);
        hint->SetColorBackground(0xF8F8F8);
        hint->SetColorArrowBackground(0x383838);
        hint->SetColorArrow(0xE2E2E2);
        hint->SetMaxHintWidth(450);
        hint->Font()->SetName("DejaVu Sans");
        hint->Font()->SetHeight(-12);
        hint->Font()->SetColor(0x383838);
        window = new TFlatHintWindow(nullptr);
        screen = Screen->PrimaryMonitor()->BoundsRect();
    }
    ~FlatHints() override { window->Free(); }

    // The hint shown for a pointer at p.
    TRect ShowAt(TPoint p, const std::string& text)
    {
        SetCursorPos(p.X, p.Y);
        window->ActivateHint(Bounds(p.X, p.Y + 20, 0, 0), text);
        return window->BoundsRect();
    }
    static int TextWidth(const std::string& text)
    {
        TBitmap surface(1, 1);
        surface.Canvas()->Font()->SetName("DejaVu Sans");
        surface.Canvas()->Font()->SetHeight(-12);
        return surface.Canvas()->TextWidth(text);
    }

    TFlatHint* hint;
    TFlatHintWindow* window;
    TRect screen;
};

} // namespace

TEST_F(FlatHints, TheComponentInstallsItsWindowClassAndPauses)
{
    EXPECT_TRUE(HintWindowClass == THintWindowClass::Of<TFlatHintWindow>());
    EXPECT_EQ(Application->HintPause(), 500);
    EXPECT_EQ(Application->HintShortPause(), 25);
    EXPECT_EQ(Application->HintHidePause(), 5000);
    int asked = 0;
    hint->OnShowHint = [&](std::string&, bool&, THintInfo&) { ++asked; };
    std::string text = "hint";
    bool canShow = true;
    THintInfo info;
    Application->OnShowHint(text, canShow, info);
    EXPECT_EQ(asked, 1);

    hint->Free();
    EXPECT_FALSE(Application->OnShowHint) << "the event no longer points at a freed component";
    EXPECT_TRUE(HintWindowClass == THintWindowClass::Of<THintWindow>());
    hint = nullptr;
}

TEST_F(FlatHints, TheHintStandsInTheQuarterAwayFromThePointer)
{
    const std::string text = "Output folder";
    const int w = TextWidth(text) + 22;
    const int cx = screen.Left + screen.Width() / 4, cy = screen.Top + screen.Height() / 4;
    const int rx = screen.Left + 3 * screen.Width() / 4, by = screen.Top + 3 * screen.Height() / 4;
    const struct
    {
        TPoint pointer;
        TArrowPos arrow;
        int left, top; // the window's corner nearest the pointer, as offsets from it
    } cases[] = {
        {{cx, cy}, NW, 12, 12},
        {{rx, cy}, NE, -5 - w, 5},
        {{cx, by}, SW, 5, -5},
        {{rx, by}, SE, -5 - w, -5},
        {{screen.Right + 50, screen.Bottom + 50}, SE, -5 - w, -5},
    };
    for (const auto& c : cases) {
        const TRect r = ShowAt(c.pointer, text);
        EXPECT_EQ(window->ArrowPos(), c.arrow);
        EXPECT_EQ(r.Width(), w) << "the text and 22 pixels";
        EXPECT_EQ(r.Left, c.pointer.X + c.left) << "arrow " << c.arrow;
        const bool above = c.arrow == SE || c.arrow == SW;
        EXPECT_EQ(above ? r.Bottom : r.Top, c.pointer.Y + c.top) << "arrow " << c.arrow;
        EXPECT_TRUE(window->Showing());
    }
}

TEST_F(FlatHints, ALongHintWrapsAtTheWidthLessTheStrip)
{
    const std::string text =
        "Choose the folder into which the converted files are written; the files keep their "
        "names and take the extension of the output format.";
    const TRect r = ShowAt({screen.Left + 40, screen.Top + 40}, text);
    EXPECT_LE(r.Width(), 450);
    EXPECT_GT(r.Width(), 300);
    EXPECT_GT(r.Height(), 2 * 14);
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(window);
    SaveScreenshot(*picture, "flat_hint", 2);
    EXPECT_EQ(picture->Canvas()->Pixels(0, 0), 0x000000u) << "the border";
    EXPECT_EQ(picture->Canvas()->Pixels(8, r.Height() - 3), 0x383838u) << "the arrow strip on the left";
    EXPECT_EQ(picture->Canvas()->Pixels(r.Width() - 3, r.Height() - 3), 0xF8F8F8u);
    EXPECT_EQ(picture->Canvas()->Pixels(3, 3), 0xE2E2E2u) << "the arrow's tip in the top-left corner";
}

TEST_F(FlatHints, NoComponentOnAnOpenFormShowsNoHint)
{
    hint->Free();
    hint = nullptr;
    window->ActivateHint(Bounds(100, 100, 0, 0), "nothing");
    EXPECT_FALSE(window->Showing());
}
