#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_table_writing.h"

namespace {

// The highlights, the same in every variant.
constexpr TEntryValues HotBody = {7, Hex(0xFFFDDB), Hex(0xFFE795), Hex(0xFFD74C), Hex(0xFFE796)};
constexpr TEntryValues HotBorders = {1, Hex(0xDDCF9B), Hex(0xDDCF9B), Hex(0xFFFBD2), Hex(0xFFFAB3)};
constexpr TEntryValues PushedBody = {7, Hex(0xFCBA70), Hex(0xF3A559), Hex(0xEF8F38), Hex(0xFDCD64)};
constexpr TEntryValues CheckedBody = {7, Hex(0xFED6A8), Hex(0xFCAF61), Hex(0xFB9B32), Hex(0xFFF0AC)};
constexpr TEntryValues PressedBorders = {1, Hex(0x8E8165), Hex(0xC3BDAE), Hex(0xFAC166), Hex(0xFAC166)};

void PutHighlights(TQvSkinOptions& skin, TQvSkinComponentsType component)
{
    Put(skin, component, {sknsHotTrack}, HotBody, HotBorders);
    Put(skin, component, {sknsPushed, sknsCheckedAndHotTrack}, PushedBody, PressedBorders);
    Put(skin, component, {sknsChecked}, CheckedBody, PressedBorders);
}

using TColors = std::array<TColor, 18>;

TColors FromRgb(const std::array<uint32_t, 18>& rgb)
{
    TColors colors{};
    for (size_t i = 0; i < rgb.size(); ++i) {
        colors[i] = rgb[i] == 0xFFFFFFFF ? clNone : Hex(rgb[i]);
    }
    return colors;
}

constexpr uint32_t NoColour = 0xFFFFFFFF;

} // namespace

void TQvGlossySkin::FillOptions()
{
    SetSkinName("Glossy");
    SetIconShadow(false);
    SetCompactMenu(true);
    SetStatusSeparators(false);
    FillColors();
    const auto& F = FColors;
    const TEntryValues panelBody = {1, F[13], F[14]};
    const TEntryValues panelBorders = {1, F[11], F[11], F[12], F[12]};

    Put(*this, skncDock, {7, F[0], F[1], F[2], F[3]});
    Put(*this, skncDockablePanel, panelBody, {0, F[11], F[11], F[12], F[12]});
    Put(*this, skncGutter, {0, Hex(0xE9EEEE)}, {0, Hex(0xC5C5C5)});
    Put(*this, skncPanel, panelBody, panelBorders);
    Put(*this, skncPopup, {0, Hex(0xFFFFFF)}, {0, Hex(0xC0C0C0), Hex(0xC0C0C0)});
    Put(*this, skncSeparator, {0, F[4], F[5]});
    Put(*this, skncStatusBar, {7, F[7], F[8], F[9], F[10]}, {}, F[6]);
    Put(*this, skncStatusBarGrip, {0, F[4], F[5]});
    Put(*this, skncToolbarGrip, {0, F[4], F[5]});
    Put(*this, skncWindow, panelBody, {0, F[15], F[16], F[17], F[16]});
    PutHighlights(*this, skncToolbarItem);
    Put(*this, skncEditFrame, {sknsNormal, sknsDisabled, sknsHotTrack}, {}, {1, clNone, clNone, F[4], F[4]});
    Put(*this, skncHeader, {sknsNormal}, panelBody, {0, F[11], F[11], F[12], F[12]});
    Put(*this, skncHeader, {sknsHotTrack}, HotBody,
        {0, Hex(0xA9997E), Hex(0xA9997E), Hex(0xFFFBD2), Hex(0xFFFBD2)});
    Put(*this, skncProgressBar, {sknsNormal}, {0, F[5], Hex(0xFFFFFF)}, {1, F[2], F[2]});
    Put(*this, skncProgressBar, {sknsHotTrack}, HotBody, {1, F[2], F[2]});
    Put(*this, skncTab, {sknsChecked}, {0, F[13]}, panelBorders);

    CopyOptions(skncStatusBar, skncDockablePanelTitleBar);
    CopyOptions(skncDock, skncSplitter);
    CopyOptions(skncStatusBar, skncWindowTitleBar);
    CopyOptions(skncToolbarItem, skncMenuBarItem);
    CopyOptions(skncToolbarItem, skncMenuItem);
    CopyOptions(skncToolbarItem, skncButton);
    Put(*this, skncButton, {sknsNormal, sknsDisabled}, panelBody, panelBorders);
    DeriveListItem(*this, skncToolbarItem, 10, 10);
    CopyOptions(skncToolbarItem, skncCheckBox);
    PutBorders(*this, skncCheckBox, sknsNormal, {1, F[11], F[11]});
    PutBorders(*this, skncCheckBox, sknsDisabled, {1, F[11], F[11]});
    CopyOptions(skncCheckBox, skncRadioButton);
    CopyOptions(skncToolbarItem, skncEditButton);
    CopyCategory(*this, skncButton, sknsHotTrack, skncTab, sknsHotTrack);
    CopyCategory(*this, skncButton, sknsHotTrack, skncTab, sknsCheckedAndHotTrack);
    CopyCategory(*this, skncButton, sknsNormal, skncTabBackground, sknsNormal);
    CopyOptions(skncProgressBar, skncTrackBar);
    CopyCategory(*this, skncToolbarItem, sknsChecked, skncTrackBarButton, sknsNormal);
    CopyCategory(*this, skncToolbarItem, sknsPushed, skncTrackBarButton, sknsPushed);
}

void TQvGlossyBlueSkin::FillColors()
{
    FColors =
        FromRgb({0xDBE6F4, 0xCFDEF0, 0xC9D9ED, 0xE7F2FF, 0x90AED6, 0xFFFFFF, NoColour, 0xD7E6F9, 0xBFD7F7,
                 0xB4D0F5, 0xD6E5F7, 0xA5C4ED, 0xEDF6FE, 0xF6F9FE, 0xD9E7FB, 0x3B5A82, 0xB1C6E1, 0xC2D9F7});
    SetSkinName("Glossy Blue");
}

void TQvGlossyBlackSkin::FillColors()
{
    FColors =
        FromRgb({0xD5D8DD, 0xC1C6CF, 0xB4BBC5, 0xEAEAEA, 0x989898, 0xCCCCCC, 0xFFFFFF, 0x434752, 0x3B3E46,
                 0x2F3030, 0x454545, 0xAEB0B4, 0xD0D4DB, 0xDDE0E5, 0xC1C6CF, 0x2F2F2F, 0x4D4D4D, 0x666666});
    SetSkinName("Glossy Black");
}

void TQvGlossySilverSkin::FillColors()
{
    FColors =
        FromRgb({0xD5D8DD, 0xC1C6CF, 0xB4BBC5, 0xEAEAEA, 0xA2A6AA, 0xFFFFFF, NoColour, 0xE7E8EB, 0xB1B7C2,
                 0xA9AFB6, 0xC7C9CE, 0xAEB0B4, 0xD0D4DB, 0xDDE0E5, 0xC1C6CF, 0x989898, 0xBBBABA, 0xDEDDDE});
    SetSkinName("Glossy Silver");
}
