#include "controls/pack/memo_ex.h"

#include "form_fixture.h"
#include "manual_clock.h"

using namespace LabelPositions;

namespace {

constexpr TColor Normal = 0xF0E0D0, Hot = 0xD0F0E0, Focused = 0xE0D0F0, Disabled = 0xC0C0C0;

class MemoEx : public FormFixture
{
protected:
    TKvpMemoEx* PlaceMemo(TRect bounds = Bounds(100, 50, 200, 80))
    {
        auto* memo = new TKvpMemoEx(form);
        memo->SetParent(form);
        memo->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        ParkMouse();
        return memo;
    }
    static void UseStateColors(TKvpMemoEx& memo)
    {
        TKvpCustomMemoExAppearance& a = *memo.Appearance();
        a.SetNormalBgColor(Normal);
        a.SetHotBgColor(Hot);
        a.SetFocusedBgColor(Focused);
        a.SetDisabledBgColor(Disabled);
        a.SetFocusedBorderColor(0x0000FF);
    }
    // The colour of the inner background ring, where no text is drawn.
    static TColor RingColor(TKvpMemoEx& memo)
    {
        Pump();
        return Render(&memo)->Canvas()->Pixels(1, memo.Height() / 2);
    }
};

} // namespace

TEST_F(MemoEx, TheFrameIsABorderAndTwoRingsOfBackground)
{
    TKvpMemoEx* memo = PlaceMemo();
    memo->Lines()->SetText("ffmpeg version 6.1\r\nInput #0, lavfi");
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(memo);
    SaveScreenshot(*picture, "memo_ex_normal", 2);
    const int w = memo->Width(), h = memo->Height();
    const TColor window = ColorToRGB(clWindow);
    EXPECT_EQ(CountPixels(*picture, {0, 0, w, 1}, 0xA4A0A0), w) << "the top border";
    EXPECT_EQ(CountPixels(*picture, {0, 0, 1, h}, 0xA4A0A0), h) << "the left border";
    EXPECT_EQ(CountPixels(*picture, {1, 1, w - 1, 3}, window), 2 * (w - 2)) << "two rings of background";
    EXPECT_EQ(CountPixels(*picture, {1, h - 3, w - 1, h - 1}, window), 2 * (w - 2));
    EXPECT_EQ(memo->ClientWidth(), w - 6) << "the client area is inset by 3";
}

TEST_F(MemoEx, TheProgressWindowsDarkLog)
{
    TKvpMemoEx* memo = PlaceMemo(Bounds(10, 10, 360, 120));
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    TKvpCustomMemoExAppearance dark(nullptr);
    for (auto set :
         {&TKvpCustomMemoExAppearance::SetNormalBgColor, &TKvpCustomMemoExAppearance::SetHotBgColor,
          &TKvpCustomMemoExAppearance::SetFocusedBgColor})
        (dark.*set)(3487029);
    for (auto set :
         {&TKvpCustomMemoExAppearance::SetNormalTextColor, &TKvpCustomMemoExAppearance::SetHotTextColor,
          &TKvpCustomMemoExAppearance::SetFocusedTextColor})
        (dark.*set)(13490138);
    memo->SetAppearance(&dark);
    memo->Lines()->SetText(
        "frame=  120 fps= 60 q=28.0 size=    256kB time=00:00:04.00\r\nvideo:230kB audio:20kB");
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(memo);
    SaveScreenshot(*picture, "memo_ex_dark_log", 2);
    EXPECT_EQ(picture->Canvas()->Pixels(2, 60), 3487029u);
    EXPECT_EQ(memo->Font()->Color(), 13490138u);
}

TEST_F(MemoEx, BothScrollBarsGetTheCornerSquareInsideTheFrame)
{
    TKvpMemoEx* memo = PlaceMemo();
    memo->SetScrollBars(ssBoth);
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(memo);
    SaveScreenshot(*picture, "memo_ex_scroll_bars", 2);
    const int w = memo->Width(), h = memo->Height();
    EXPECT_EQ(CountPixels(*picture, {w - 19, h - 19, w - 3, h - 3}, ColorToRGB(clBtnFace)), 16 * 16);
}

TEST_F(MemoEx, ColoursFollowFocusMouseAndEnabled)
{
    TKvpMemoEx* memo = PlaceMemo();
    UseStateColors(*memo);
    EXPECT_EQ(RingColor(*memo), Normal);

    MouseMove(memo, {50, 30});
    EXPECT_TRUE(memo->MouseOverControl());
    EXPECT_EQ(RingColor(*memo), Hot);

    Click(memo, {20, 20});
    ASSERT_TRUE(memo->Focused());
    EXPECT_EQ(RingColor(*memo), Focused) << "focus wins over hot";
    EXPECT_EQ(Render(memo)->Canvas()->Pixels(0, 0), 0x0000FFu) << "the focused border";

    ParkMouse();
    EXPECT_FALSE(memo->MouseOverControl());
    form->SetFocus();
    Pump();
    EXPECT_EQ(RingColor(*memo), Normal);

    memo->SetEnabled(false);
    EXPECT_EQ(RingColor(*memo), Disabled);
    EXPECT_EQ(memo->Font()->Color(), clGrayText);
    EXPECT_FALSE(memo->BoundLabel()->Enabled());
    memo->SetVisible(false);
    EXPECT_FALSE(memo->BoundLabel()->Visible());
}

TEST_F(MemoEx, TheBoundLabelStandsOnItsSide)
{
    TKvpMemoEx* memo = PlaceMemo();
    TKvpControlBoundLabel* label = memo->BoundLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 30, 15);
    const struct
    {
        TBoundLabelPosition position;
        TPoint at;
    } cases[] = {{LabelPositions::lpLeft, {66, 82}},
                 {LabelPositions::lpRight, {304, 82}},
                 {LabelPositions::lpAbove, {100, 31}},
                 {LabelPositions::lpBelow, {100, 134}}};
    for (const auto& c : cases) {
        memo->SetBoundLabelPosition(c.position);
        EXPECT_EQ((TPoint{label->Left(), label->Top()}), c.at) << "position " << c.position;
    }
    label->SetBounds(0, 0, 30, 83);
    memo->SetBoundLabelPosition(LabelPositions::lpRight);
    EXPECT_EQ(label->Top(), 49) << "(80 - 83) div 2 truncates toward zero";
    memo->SetBounds(120, 50, 200, 80);
    EXPECT_EQ(label->Left(), 324) << "the label follows the memo";
}

TEST_F(MemoEx, AFlashEndsOnTheStoredColoursAndTheMemoKeepsItsFlash)
{
    TManualClock clock;
    auto* memo = new TKvpMemoEx(form);
    memo->BeginLoading();
    memo->SetParent(form);
    memo->SetBounds(10, 10, 200, 80);
    memo->Appearance()->SetNormalBgColor(14677247);
    memo->Appearance()->SetHotBgColor(14677247);
    memo->Appearance()->SetFocusedBgColor(14677247);
    memo->EndLoading();
    EXPECT_EQ(memo->Color(), 14677247u);

    TKvpFlashMemoEx* flash = memo->Flash();
    EXPECT_EQ(flash->Timer()->RepeatCountLimit(), 6u);
    flash->SetOriginalColor(0x222222); // what starting a flash would set
    flash->Timer()->Start();
    std::vector<TColor> shown;
    for (int tick = 0; tick < 6; ++tick) {
        clock.Advance(150);
        shown.push_back(memo->Appearance()->NormalBgColor());
    }
    Pump();
    const TColor flashColor = 0x7878FF, original = 0x222222;
    EXPECT_EQ(shown, (std::vector<TColor>{flashColor, original, flashColor, original, flashColor, 14677247}));
    EXPECT_FALSE(flash->Timer()->Enabled());
    EXPECT_EQ(memo->Flash(), flash) << "the memo's own flash never frees itself";
    EXPECT_EQ(memo->Appearance()->HotBgColor(), 14677247u);
    flash->SetFlashCount(5);
    EXPECT_EQ(flash->Timer()->RepeatCountLimit(), 10u);
}

namespace {

class TWatchedFlash : public TKvpFlashBase
{
public:
    explicit TWatchedFlash(bool& freed) : freed_(freed) {}
    ~TWatchedFlash() override { freed_ = true; }

private:
    bool& freed_;
};

} // namespace

TEST(ColorFlash, AFlashThatFreesItselfGoesOnceItsTickHasReturned)
{
    TManualClock clock;
    bool freed = false;
    auto* flash = new TWatchedFlash(freed);
    std::vector<TColor> colors;
    flash->SetOriginalColor(0x111111);
    flash->SetFlashCount(1);
    flash->OnFlashColorChanged = [&](TObject*, TColor color) { colors.push_back(color); };
    int finished = 0;
    flash->OnFlashFinished = [&](TObject*) { ++finished; };
    flash->Timer()->Start();
    clock.Advance(150);
    clock.Advance(150);
    EXPECT_EQ(colors, (std::vector<TColor>{0x7878FF, 0x111111}));
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(freed) << "not inside its own timer's tick";
    Pump();
    EXPECT_TRUE(freed);
}
