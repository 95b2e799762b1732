#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_colors.h"
#include "controls/skins/skin_table_writing.h"

using SkinColors::MixColors;

namespace {

using TGradientColors = std::array<TColor, 23>;

// Columns of the three schemes, in the order of the colour set.
constexpr std::array<uint32_t, 23> BlueColumn = {0x9EBEF5, 0xC3D9F9, 0xDDECFE, 0x81A9E2, 0x6A8CCB, 0x9EBEF5,
                                                 0xF6F6F6, 0x002D96, 0x000080, 0x2A66C9, 0xFFD58C, 0xFFAD55,
                                                 0xFE914E, 0xFFD38E, 0xFFF4CC, 0xFFD091, 0xE3EFFF, 0x93B5E7,
                                                 0x0D4291, 0xB3D0FB, 0x6A8CCB, 0xDDECFE, 0x81A9E2};
constexpr std::array<uint32_t, 23> MetallicColumn = {
    0xD7D7E5, 0xF3F3F7, 0xF3F4FA, 0x9997B5, 0x6E6D8F, 0xD7D7E5, 0xFDFAFF, 0x7C7C94,
    0x4B4B6F, 0x7A7999, 0xFFD58C, 0xFFAD55, 0xFE914E, 0xFFD38E, 0xFFF4CC, 0xFFD091,
    0xE8E9F1, 0xBAB9CD, 0x8A8B98, 0xFFFFFF, 0xA6A7B0, 0xFFFFFF, 0x9997B5};
constexpr std::array<uint32_t, 23> GreenColumn = {0xD9D9A7, 0xF0F2E4, 0xF4F7DE, 0xB7C691, 0x608058, 0xD9D9A7,
                                                  0xF4F4EE, 0x758D5E, 0x3F5D38, 0x74865E, 0xFFD58C, 0xFFAD55,
                                                  0xFE914E, 0xFFD38E, 0xFFF4CC, 0xFFD091, 0xECF0D5, 0xC2CE9F,
                                                  0x79845B, 0xFAFFE3, 0xAAAD86, 0xF4F7DE, 0xB7C691};

TGradientColors FromColumn(const std::array<uint32_t, 23>& column)
{
    TGradientColors colors{};
    for (size_t i = 0; i < column.size(); ++i) {
        colors[i] = Hex(column[i]);
    }
    return colors;
}

// Without a scheme the colours are mixed from the system colours as the table is written.
TGradientColors FromSystemColors()
{
    TGradientColors c{};
    c[0] = clBtnFace;
    c[1] = MixColors(clBtnFace, clWindow, 35);
    c[2] = MixColors(clBtnFace, clWindow, 20);
    c[3] = MixColors(clBtnFace, clWindow, 95);
    c[4] = MixColors(clBtnShadow, clWindow, 70);
    c[5] = MixColors(clBtnFace, clWindow, 62);
    c[6] = MixColors(clBtnFace, clWindow, 15);
    c[7] = MixColors(clBtnFace, clBtnShadow, 20);
    c[8] = clHighlight;
    c[9] = MixColors(clBtnText, clBtnShadow, 15);
    c[10] = MixColors(clHighlight, MixColors(clBtnFace, clWindow, 50), 10);
    c[11] = c[10];
    c[12] = MixColors(clHighlight, clWindow, 50);
    c[13] = c[12];
    c[14] = MixColors(clHighlight, clWindow, 30);
    c[15] = c[14];
    c[16] = MixColors(clBtnFace, clWindow, 16);
    c[17] = MixColors(clBtnFace, clWindow, 42);
    c[18] = c[4];
    c[19] = c[5];
    c[20] = MixColors(clBtnShadow, clWindow, 40);
    c[21] = Hex(0xFFFFFF);
    c[22] = MixColors(clBtnShadow, clWindow, 70);
    return c;
}

} // namespace

void TQvGradientSkin::FillColors()
{
    const TQvLunaScheme scheme = FDefaultColorScheme != lusUnknown ? FDefaultColorScheme : GetLunaScheme();
    switch (scheme) {
    case lusBlue:
        FColors = FromColumn(BlueColumn);
        break;
    case lusMetallic:
        FColors = FromColumn(MetallicColumn);
        break;
    case lusGreen:
        FColors = FromColumn(GreenColumn);
        break;
    case lusUnknown:
        FColors = FromSystemColors();
        break;
    }
}

void TQvGradientSkin::SetDefaultColorScheme(TQvLunaScheme scheme)
{
    if (scheme == FDefaultColorScheme) {
        return;
    }
    FDefaultColorScheme = scheme;
    Reset(false);
    FillOptions();
}

void TQvGradientSkin::FillOptions()
{
    SetSkinName("Gradient");
    SetIconShadow(false);
    SetCompactMenu(true);
    SetStatusSeparators(false);
    FillColors();
    const auto& F = FColors;
    const TEntryValues barGradient = {1, F[2], F[3]};
    const TEntryValues boxBorders = {0, F[22], F[22]};

    Put(*this, skncDock, {2, F[0], F[1]});
    Put(*this, skncToolbar, barGradient, {2, F[5], F[4]});
    Put(*this, skncStatusBar, barGradient);
    Put(*this, skncSplitter, barGradient);
    Put(*this, skncGutter, {2, F[2], F[3]});
    Put(*this, skncDockablePanelTitleBar, barGradient, {0, F[6], F[6]});
    Put(*this, skncDockablePanel, {0, F[6]}, {0, F[3], F[3]});
    Put(*this, skncPopup, {0, F[6]}, {0, F[7], F[7]});
    Put(*this, skncOpenToolbarItem, {1, F[16], F[17]}, {0, F[7], F[7]});
    Put(*this, skncPanel, {0, F[6]}, boxBorders);
    Put(*this, skncWindow, {0, F[6]}, {0, F[9], F[9]});
    Put(*this, skncWindowTitleBar, {0, F[9]});
    Put(*this, skncSeparator, {0, F[4], F[21]});
    Put(*this, skncToolbarGrip, {0, F[4], F[21]});
    Put(*this, skncStatusBarGrip, {0, F[4], F[21]});
    Put(*this, skncTabBackground, {0, F[6]}, boxBorders);
    Put(*this, skncToolbarItem, {sknsHotTrack}, {1, F[14], F[15]}, {0, F[8], F[8]});
    Put(*this, skncToolbarItem, {sknsPushed, sknsCheckedAndHotTrack}, {1, F[12], F[13]}, {0, F[8], F[8]});
    Put(*this, skncToolbarItem, {sknsChecked}, {1, F[10], F[11]}, {0, F[8], F[8]});
    const TEntryValues buttonBorders = {1, F[18], F[18], F[19], F[20]};
    Put(*this, skncButton, {sknsNormal, sknsDisabled}, barGradient, buttonBorders);
    Put(*this, skncButton, {sknsHotTrack}, {1, F[14], F[15]}, buttonBorders);
    Put(*this, skncButton, {sknsPushed, sknsCheckedAndHotTrack}, {1, F[12], F[13]}, buttonBorders);
    Put(*this, skncButton, {sknsChecked}, {1, F[10], F[11]}, buttonBorders);
    Put(*this, skncHeader, {sknsNormal, sknsDisabled}, barGradient, {1, F[19], F[20]});
    Put(*this, skncHeader, {sknsHotTrack}, {1, F[14], F[15]}, {1, F[19], F[20]});
    Put(*this, skncHeader, {sknsPushed}, {1, F[12], F[13]}, {1, F[19], F[20]});
    Put(*this, skncEditFrame, {sknsNormal, sknsDisabled}, {}, {0, F[3], F[3]});
    Put(*this, skncEditFrame, {sknsHotTrack}, {}, {0, F[8], F[8]});
    Put(*this, skncTab, {sknsNormal, sknsDisabled}, barGradient, boxBorders);
    Put(*this, skncTab, {sknsHotTrack, sknsCheckedAndHotTrack}, {1, F[14], F[15]}, boxBorders);
    Put(*this, skncTab, {sknsPushed, sknsChecked}, {0, F[6]}, boxBorders);
    Put(*this, skncProgressBar, {sknsNormal}, {0, F[6]}, boxBorders);
    Put(*this, skncProgressBar, {sknsHotTrack}, {1, F[0], F[3]}, boxBorders);
    Put(*this, skncTrackBarButton, {sknsNormal}, {1, F[0], F[3]}, boxBorders);
    Put(*this, skncTrackBarButton, {sknsPushed}, {1, F[12], F[13]}, {0, F[8], F[8]});

    CopyOptions(skncToolbarItem, skncMenuBarItem);
    CopyOptions(skncToolbarItem, skncMenuItem);
    PutBorders(*this, skncMenuItem, sknsChecked, {0, clNone, clNone, F[8], F[8]});
    PutBorders(*this, skncMenuItem, sknsCheckedAndHotTrack, {0, clNone, clNone, F[8], F[8]});
    DeriveListItem(*this, skncToolbarItem, 20, 20);
    CopyOptions(skncToolbarItem, skncCheckBox);
    PutBorders(*this, skncCheckBox, sknsNormal, boxBorders);
    PutBorders(*this, skncCheckBox, sknsDisabled, boxBorders);
    CopyOptions(skncCheckBox, skncRadioButton);
    CopyOptions(skncToolbarItem, skncEditButton);
    Put(*this, skncEditButton, {sknsNormal}, barGradient, {0, F[3], F[3]});
    CopyOptions(skncProgressBar, skncTrackBar);
    // Only the system-derived set gives the window title bar its own text colour.
    if (F[0] == clBtnFace) {
        Options(skncWindowTitleBar).TextColor = clBtnHighlight;
    }
}
