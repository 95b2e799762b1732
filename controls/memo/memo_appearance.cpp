#include "controls/memo/memo_appearance.h"

#include "controls/memo/vez_custom_memo.h"
#include "platform/gui/windows/style_manager.h"

#include <array>

// Where the memo's colours come from besides its own properties: a preset, the suite's style and colour
// tones, the active style of the program and the desktop's colour scheme.

namespace {

constexpr TColor NoPreset = clNone;

// Gutter colour, gradient end, border; a gutter colour of NoPreset marks msCustom.
constexpr std::array<TMemoPresetColors, 24> Presets = {{
    {0xFCE1CB, 0xE0A57D, 0x962D00},           // msBlue1
    {0xCFF0EA, 0x8CC0B1, 0x588060},           // msOlive1
    {0xECE2E1, 0xB39698, 0x947C7C},           // msSilver1
    {0xFFFFFF, 0xCCD4D8, 0x808080},           // msGray1
    {0xFFEFE3, 0xFFD2AF, 0xFFD2AF},           // msBlue2
    {0xF2F1F0, 0xC9C2BD, 0x5C534C},           // msGray2
    {clBtnFace, clBtnFace, 0x000000},         // msFace1
    {0xA8C0C0, 0xF5F9FA, 0x962D00},           // msIdeClassic
    {NoPreset, NoPreset, NoPreset},           // msCustom
    {0xF8F7F6, 0xE8E0DB, 0x74706F},           // msSilver2
    {0xFDF8F1, 0xFCEFD5, 0xFDDE99},           // msBlue3
    {0xFCDBC1, 0xFCEBDC, 0xCEA27D},           // msBlue4
    {clBtnFace, clBtnFace, 0x808080},         // msTerminal
    {0xFDF6EF, 0xF0DAC7, 0xC7B29F},           // msBlue5
    {0xFFFFFF, 0xEDE5E0, 0xD2CDC8},           // msSilver3
    {0xBFBFBF, 0x919191, 0x6D6D6D},           // msGray3
    {0xF7F6F5, 0xF7F6F5, 0xE4E3E2},           // msWhite1
    {0xFFFFFF, 0xFFFFFF, 0xD4D4D4},           // msWhite2
    {0xF6F6F6, 0xF6F6F6, 0xC6C6C6},           // msGray4
    {0xE5E5E5, 0xE5E5E5, 0xABABAB},           // msGray5
    {0xF7F6F5, 0xF7F6F5, 0xE4E3E2},           // msWhite3
    {0xFFFFFF, 0xFFFFFF, 0xD4D4D4},           // msWhite4
    {0xB2B2B2, 0xB2B2B2, 0x444444, 0xFFFFFF}, // msGray6
    {0x363636, 0x363636, 0x444444, 0xDADADA}, // msBlack1
}};

// The schemes' gutters run the other way round than the matching first presets'.
constexpr std::array<TGutterThemeColors, 4> ThemeColors = {{
    {clWhite, clBtnFace},
    {0xE0A57D, 0xFCE1CB},
    {0x8CC0B1, 0xCFF0EA},
    {0xB39698, 0xECE2E1},
}};

// The colours of the program's active style that it gives: the grid's cells for the background, the border
// and the gutter, the edit's text for the text and the selection.
void TakeStyleColors(TVezCustomMemo& memo, TCustomStyleServices& style, bool forceDefaults)
{
    // The colour the style gives the element, unless it gives none.
    const auto colorOf = [&style](auto element, TElementColor which) -> std::optional<TColor> {
        TColor color = clNone;
        if (!style.GetElementColor(TCustomStyleServices::GetElementDetails(element), which, color) ||
            color == clNone)
            return std::nullopt;
        return color;
    };
    if (const auto fill = colorOf(tgCellNormal, ecFillColor))
        memo.SetBkColor(*fill);
    if (const auto border = colorOf(tgCellNormal, ecBorderColor)) {
        memo.SetBorderColor(*border);
        memo.Gutter()->SetBorderColor(*border);
    }
    if (const auto text = colorOf(teEditTextNormal, ecTextColor)) {
        memo.Font()->SetColor(*text);
        memo.Gutter()->SetLineNumberTextColor(*text);
    }
    if (const auto selFill = colorOf(teEditTextSelected, ecFillColor))
        memo.SetSelBkColor(*selFill);
    else if (forceDefaults)
        memo.SetSelBkColor(clHighlight);
    if (const auto selText = colorOf(teEditTextSelected, ecTextColor))
        memo.SetSelColor(*selText);
    else if (forceDefaults)
        memo.SetSelColor(clHighlightText);
    if (const auto fixedFill = colorOf(tgFixedCellNormal, ecFillColor)) {
        memo.Gutter()->SetGutterColor(*fixedFill);
        memo.Gutter()->SetGutterColorTo(clNone);
    }
}

} // namespace

std::optional<TMemoPresetColors> PresetColors(TVezMemoStyle style)
{
    const TMemoPresetColors& colors = Presets.at(static_cast<size_t>(style));
    if (colors.GutterColor == NoPreset)
        return std::nullopt;
    return colors;
}

TVezMemoStyle MemoStyleOf(TKRNStyle style)
{
    switch (style) {
    case ksSilver1:
        return msSilver1;
    case ksOlive1:
        return msOlive1;
    default:
        return static_cast<TVezMemoStyle>(style);
    }
}

int CurrentThemeScheme()
{
    return 0;
}

TGutterThemeColors ThemeGutterColors(int scheme)
{
    if (scheme < 0 || scheme >= static_cast<int>(ThemeColors.size()))
        scheme = 0;
    return ThemeColors[static_cast<size_t>(scheme)];
}

// --- the memo's side
// ----------------------------------------------------------------------------------------

void TVezCustomMemo::SetStyle(TVezMemoStyle style)
{
    FGutter->SetLineNumberTextColor(clBlack);
    if (const std::optional<TMemoPresetColors> colors = PresetColors(style)) {
        FGutter->StoreColors(colors->GutterColor, colors->GutterColorTo);
        SetBorderColor(colors->BorderColor);
        FGutter->SetLineNumberTextColor(colors->LineNumberColor);
    }
    FGutter->SetBorderColor(FBorderColor);
    Invalidate();
}

void TVezCustomMemo::SetComponentStyle(TKRNStyle style)
{
    SetStyle(MemoStyleOf(style));
}

void TVezCustomMemo::SetColorTones(const TColorTones& tones)
{
    SetColor(tones.Background.BrushColor);
    FFont->SetColor(tones.Background.TextColor);
    FGutter->SetGutterColor(tones.Selected.BrushColor);
    FGutter->SetGutterColorTo(tones.Selected.BrushColor);
    FGutter->SetBorderColor(tones.Selected.BrushColor);
    FGutter->SetLineNumberTextColor(tones.Selected.TextColor);
}

void TVezCustomMemo::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    if (value)
        AdaptGutterToTheme();
}

void TVezCustomMemo::AdaptGutterToTheme()
{
    const TGutterThemeColors colors = ThemeGutterColors(CurrentThemeScheme());
    FGutter->StoreColors(colors.GutterColor, colors.GutterColorTo);
}

void TVezCustomMemo::UpdateStyleColors(bool forceDefaults)
{
    FUsePlatformStyles = false;
    if (TStyleManager::IsCustomStyleActive()) {
        FUsePlatformStyles = true;
        TakeStyleColors(*this, TStyleManager::ActiveStyle(), forceDefaults);
        return;
    }
    if (!forceDefaults)
        return;
    SetColor(clWindow);
    SetBorderColor(clGray);
    SetBkColor(clWindow);
    FFont->SetColor(clBlack);
    SetSelBkColor(clHighlight);
    SetSelColor(clHighlightText);
}
