#include "memo_test_support.h"

#include "test_style.h"

namespace {

class MemoAppearance : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        gutter = memo->Gutter();
    }
    // The colours a preset touches, as the memo holds them.
    struct TLook
    {
        TColor Gutter, GutterTo, Border, GutterBorder, Numbers;
        bool operator==(const TLook&) const = default;
    };
    TLook Look() const
    {
        return {gutter->GutterColor(), gutter->GutterColorTo(), memo->BorderColor(), gutter->BorderColor(),
                gutter->LineNumberTextColor()};
    }
    // Colours no preset gives, so that a preset that leaves one alone shows.
    void Scramble()
    {
        gutter->SetGutterColor(0x010203);
        gutter->SetGutterColorTo(0x040506);
        memo->SetBorderColor(0x070809);
        gutter->SetBorderColor(0x0A0B0C);
        gutter->SetLineNumberTextColor(0x0D0E0F);
    }

    TVezGutter* gutter = nullptr;
};

// A memo whose reaction to the program's styles the tests can call.
class TStyledMemo : public TVezMemo
{
public:
    using TVezMemo::TVezMemo;
    using TVezMemo::UpdateStyleColors;
};

// A style of the program's own that gives the grid's and the edit's colours (not a selected text colour).
class TGridColorsStyle : public TTestStyle
{
public:
    static constexpr TColor CellFill = 0x302010, CellBorder = 0x405060, EditText = 0xE0E0D0,
                            SelectedFill = 0x806040, FixedFill = 0x202830;

    bool GetElementColor(const TThemedElementDetails& details, TElementColor which, TColor& color) override
    {
        const std::pair<TThemedElementDetails, TElementColor> given[] = {
            {GetElementDetails(tgCellNormal), ecFillColor},
            {GetElementDetails(tgCellNormal), ecBorderColor},
            {GetElementDetails(teEditTextNormal), ecTextColor},
            {GetElementDetails(teEditTextSelected), ecFillColor},
            {GetElementDetails(tgFixedCellNormal), ecFillColor},
        };
        const TColor colors[] = {CellFill, CellBorder, EditText, SelectedFill, FixedFill};
        for (size_t i = 0; i < std::size(given); ++i)
            if (given[i].first == details && given[i].second == which) {
                color = colors[i];
                return true;
            }
        return false;
    }
};

} // namespace

TEST_F(MemoAppearance, EveryPresetGivesItsGutterAndBorderColours)
{
    const struct
    {
        TVezMemoStyle Style;
        TColor Gutter, GutterTo, Border, Numbers;
    } presets[] = {
        {msBlue1, 0xFCE1CB, 0xE0A57D, 0x962D00, clBlack},
        {msOlive1, 0xCFF0EA, 0x8CC0B1, 0x588060, clBlack},
        {msSilver1, 0xECE2E1, 0xB39698, 0x947C7C, clBlack},
        {msGray1, 0xFFFFFF, 0xCCD4D8, 0x808080, clBlack},
        {msBlue2, 0xFFEFE3, 0xFFD2AF, 0xFFD2AF, clBlack},
        {msGray2, 0xF2F1F0, 0xC9C2BD, 0x5C534C, clBlack},
        {msFace1, clBtnFace, clBtnFace, 0x000000, clBlack},
        {msIdeClassic, 0xA8C0C0, 0xF5F9FA, 0x962D00, clBlack},
        {msSilver2, 0xF8F7F6, 0xE8E0DB, 0x74706F, clBlack},
        {msBlue3, 0xFDF8F1, 0xFCEFD5, 0xFDDE99, clBlack},
        {msBlue4, 0xFCDBC1, 0xFCEBDC, 0xCEA27D, clBlack},
        {msTerminal, clBtnFace, clBtnFace, 0x808080, clBlack},
        {msBlue5, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, clBlack},
        {msSilver3, 0xFFFFFF, 0xEDE5E0, 0xD2CDC8, clBlack},
        {msGray3, 0xBFBFBF, 0x919191, 0x6D6D6D, clBlack},
        {msWhite1, 0xF7F6F5, 0xF7F6F5, 0xE4E3E2, clBlack},
        {msWhite2, 0xFFFFFF, 0xFFFFFF, 0xD4D4D4, clBlack},
        {msGray4, 0xF6F6F6, 0xF6F6F6, 0xC6C6C6, clBlack},
        {msGray5, 0xE5E5E5, 0xE5E5E5, 0xABABAB, clBlack},
        {msWhite3, 0xF7F6F5, 0xF7F6F5, 0xE4E3E2, clBlack},
        {msWhite4, 0xFFFFFF, 0xFFFFFF, 0xD4D4D4, clBlack},
        {msGray6, 0xB2B2B2, 0xB2B2B2, 0x444444, 0xFFFFFF},
        {msBlack1, 0x363636, 0x363636, 0x444444, 0xDADADA},
    };
    for (const auto& p : presets) {
        Scramble();
        memo->SetStyle(p.Style);
        EXPECT_EQ(Look(), (TLook{p.Gutter, p.GutterTo, p.Border, p.Border, p.Numbers})) << p.Style;
    }
}

TEST_F(MemoAppearance, TheCustomPresetOnlyBlackensTheNumbersAndTakesTheBorderIntoTheGutter)
{
    Scramble();
    memo->SetStyle(msCustom);
    EXPECT_EQ(Look(), (TLook{0x010203, 0x040506, 0x070809, 0x070809, clBlack}));
}

// The suite's styles name the same presets, except that its second and third are the other way round.
TEST_F(MemoAppearance, TheSuitesStylesGiveTheSamePresets)
{
    memo->SetComponentStyle(ksOlive1);
    EXPECT_EQ(Look(), (TLook{0xCFF0EA, 0x8CC0B1, 0x588060, 0x588060, clBlack}));
    IKRNStyle& style = *memo;
    for (int i = 0; i <= ksBlack1; ++i) {
        const auto kind = static_cast<TKRNStyle>(i);
        if (kind == ksCustom)
            continue;
        const TVezMemoStyle preset = kind == ksSilver1  ? msSilver1
                                     : kind == ksOlive1 ? msOlive1
                                                        : static_cast<TVezMemoStyle>(i);
        memo->SetStyle(preset);
        const TLook expected = Look();
        Scramble();
        style.SetComponentStyle(kind);
        EXPECT_EQ(Look(), expected) << i;
    }
}

TEST_F(MemoAppearance, ColourTonesColourTheMemoAndItsGutter)
{
    TColorTones tones;
    tones.Background = {0xF0F0E0, 0x101010, 0x202020};
    tones.Selected = {0x4080C0, 0x303030, 0xFFFFF0};
    tones.Hover = {0x111111, 0x111111, 0x111111};
    static_cast<IKRNTones&>(*memo).SetColorTones(tones);
    EXPECT_EQ(memo->Color(), 0xF0F0E0u);
    EXPECT_EQ(memo->Font()->Color(), 0x202020u);
    EXPECT_EQ(Look(), (TLook{0x4080C0, 0x4080C0, clGray, 0x4080C0, 0xFFFFF0}));
}

TEST_F(MemoAppearance, TheDesktopSchemeGivesAPlainGutterAgainOnEveryThemeChange)
{
    memo->SetAutoThemeAdapt(true);
    EXPECT_EQ(gutter->GutterColor(), clWhite);
    EXPECT_EQ(gutter->GutterColorTo(), clBtnFace);
    gutter->SetGutterColor(0x123456);
    memo->Perform(WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(gutter->GutterColor(), clWhite);
    // Switched off, the colours stay as they are and theme changes leave them.
    memo->SetAutoThemeAdapt(false);
    EXPECT_EQ(gutter->GutterColor(), clWhite);
    gutter->SetGutterColor(0x123456);
    memo->Perform(WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(gutter->GutterColor(), 0x123456u);
}

// The coloured schemes run the gutter the other way round than the matching presets do.
TEST_F(MemoAppearance, TheColouredSchemesAreTheFirstPresetsReversed)
{
    const std::pair<int, TVezMemoStyle> schemes[] = {{1, msBlue1}, {2, msOlive1}, {3, msSilver1}};
    for (const auto& [scheme, preset] : schemes) {
        const TGutterThemeColors theme = ThemeGutterColors(scheme);
        EXPECT_EQ(theme.GutterColor, PresetColors(preset)->GutterColorTo) << scheme;
        EXPECT_EQ(theme.GutterColorTo, PresetColors(preset)->GutterColor) << scheme;
    }
    EXPECT_EQ(ThemeGutterColors(7).GutterColor, clWhite);
    EXPECT_EQ(CurrentThemeScheme(), 0);
}

TEST_F(MemoAppearance, TheSystemStyleResetsTheColoursOnlyWhenForced)
{
    auto* memo = new TStyledMemo(form);
    memo->SetParent(form);
    memo->SetBkColor(0x102030);
    memo->SetSelBkColor(0x405060);
    memo->SetSelColor(0x708090);
    memo->SetBorderColor(0x0A0B0C);
    memo->UpdateStyleColors(false);
    EXPECT_EQ(memo->BkColor(), 0x102030u);
    EXPECT_EQ(memo->SelBkColor(), 0x405060u);
    EXPECT_EQ(memo->BorderColor(), 0x0A0B0Cu);
    EXPECT_FALSE(memo->UsePlatformStyles());
    memo->UpdateStyleColors(true);
    EXPECT_EQ(memo->BkColor(), clWindow);
    EXPECT_EQ(memo->Color(), clWindow);
    EXPECT_EQ(memo->SelBkColor(), clHighlight);
    EXPECT_EQ(memo->SelColor(), clHighlightText);
    EXPECT_EQ(memo->BorderColor(), clGray);
    EXPECT_EQ(memo->Font()->Color(), clBlack);
}

// A style of the program's own colours the memo as soon as it becomes active; a colour the style does not
// give keeps the memo's, or the system's when the style changed.
TEST_F(MemoAppearance, TheProgramsOwnStyleGivesItsGridAndEditColours)
{
    auto* memo = new TStyledMemo(form);
    memo->SetParent(form);
    memo->SetBounds(10, 10, 300, 200);
    memo->Font()->SetName("DejaVu Sans Mono");
    memo->Lines()->SetText("begin\r\n  text\r\nend");
    memo->SetSelColor(0x708090);
    TVezGutter* gutter = memo->Gutter();
    {
        TGridColorsStyle style;
        TStyleManager::SetStyle(&style);
        EXPECT_TRUE(memo->UsePlatformStyles());
        EXPECT_EQ(memo->BkColor(), TGridColorsStyle::CellFill);
        EXPECT_EQ(memo->BorderColor(), TGridColorsStyle::CellBorder);
        EXPECT_EQ(gutter->BorderColor(), TGridColorsStyle::CellBorder);
        EXPECT_EQ(memo->Font()->Color(), TGridColorsStyle::EditText);
        EXPECT_EQ(gutter->LineNumberTextColor(), TGridColorsStyle::EditText);
        EXPECT_EQ(memo->SelBkColor(), TGridColorsStyle::SelectedFill);
        EXPECT_EQ(memo->SelColor(), clHighlightText);
        EXPECT_EQ(gutter->GutterColor(), TGridColorsStyle::FixedFill);
        EXPECT_EQ(gutter->GutterColorTo(), clNone);
        memo->SetSelColor(0x708090);
        memo->UpdateStyleColors(false);
        EXPECT_EQ(memo->SelColor(), 0x708090u);
        std::unique_ptr<TBitmap> picture = Render(memo);
        SaveScreenshot(*picture, "memo_appearance_own_style");
        const auto pixel = [&](int x, int y) { return picture->Canvas()->Pixels(x, y); };
        const int below = memo->Height() - 20; // under the three lines
        EXPECT_EQ(pixel(memo->Width() / 2, 0), ColorToRGB(TGridColorsStyle::CellBorder));
        EXPECT_EQ(pixel(gutter->Left + 2, below), ColorToRGB(TGridColorsStyle::FixedFill));
        EXPECT_EQ(pixel(memo->Width() - 40, below), ColorToRGB(TGridColorsStyle::CellFill));
        TStyleManager::SetStyle(nullptr);
    }
    EXPECT_FALSE(memo->UsePlatformStyles());
    EXPECT_EQ(memo->BkColor(), clWindow);
    EXPECT_EQ(memo->SelBkColor(), clHighlight);
}

TEST_F(MemoAppearance, PicturesOfPresets)
{
    memo->SetBounds(10, 10, 260, 120);
    SetLines({"program Demo;", "begin", "  WriteLn('preset');", "end."});
    const std::pair<TVezMemoStyle, const char*> shown[] = {{msBlue1, "blue1"},
                                                           {msGray2, "gray2"},
                                                           {msIdeClassic, "ide_classic"},
                                                           {msGray6, "gray6"},
                                                           {msBlack1, "black1"}};
    for (const auto& [preset, name] : shown) {
        memo->SetStyle(preset);
        std::unique_ptr<TBitmap> picture = Render(memo);
        SaveScreenshot(*picture, std::string("memo_preset_") + name, 2);
        const TColor border = PresetColors(preset)->BorderColor;
        EXPECT_EQ(picture->Canvas()->Pixels(memo->Width() / 2, 0), border) << name;
        EXPECT_EQ(picture->Canvas()->Pixels(gutter->Left + gutter->Width, 60), border) << name;
        EXPECT_EQ(picture->Canvas()->Pixels(gutter->Left, 60), PresetColors(preset)->GutterColor) << name;
    }
}
