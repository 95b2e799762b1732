#include "controls/skins/brushed_metal.h"
#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_table_writing.h"

namespace {

constexpr std::array<uint32_t, 4> BlueRow = {0x316AC5, 0xD1D7E0, 0x98B5E2, 0xC1D2EE};
constexpr std::array<uint32_t, 4> MetallicRow = {0xB2B4BF, 0xDCDCDD, 0xD9DADF, 0xE8E9EC};
constexpr std::array<uint32_t, 4> GreenRow = {0x93A070, 0xDBDCD8, 0xC9D0B8, 0xDFE3D4};

// The borders of a category in their frame form; other styles paint nothing.
void PaintBorders(TCanvas& canvas, const TRect& rect, const TQvSkinOptionEntry& borders, unsigned forceRect)
{
    if (borders.SkinType >= 0 && borders.SkinType <= 2) {
        DrawRoundedFrame(canvas, rect, borders.SkinType, borders.Color1, borders.Color2, borders.Color3,
                         borders.Color4, forceRect);
    }
}

} // namespace

TQvAluminumSkin::~TQvAluminumSkin()
{
    // The next aluminum skin draws a texture of its own.
    FreeThreads();
}

void TQvAluminumSkin::FillColors()
{
    TQvLunaScheme scheme = FDefaultColorScheme != lusUnknown ? FDefaultColorScheme : GetLunaScheme();
    const std::array<uint32_t, 4>& row = scheme == lusBlue    ? BlueRow
                                         : scheme == lusGreen ? GreenRow
                                                              : MetallicRow;
    for (size_t i = 0; i < row.size(); ++i) {
        FColors[i] = Hex(row[i]);
    }
    FRoughness = 12;
    FLightMetalColor = Hex(0xC7C7C7);
    FDarkMetalColor = Hex(0xDFDFDF);
}

void TQvAluminumSkin::SetDefaultColorScheme(TQvLunaScheme scheme)
{
    if (scheme == FDefaultColorScheme) {
        return;
    }
    FDefaultColorScheme = scheme;
    Reset(false);
    FillOptions();
}

TColor TQvAluminumSkin::GetMetalColor(TQvSkinComponentsType component, TQvSkinStatesType /*state*/) const
{
    switch (component) {
    case skncDock:
    case skncPanel:
    case skncSplitter:
    case skncStatusBar:
    case skncTabToolbar:
        return FLightMetalColor;
    case skncMenuBar:
    case skncToolbar:
        return FDarkMetalColor;
    default:
        return clNone;
    }
}

bool TQvAluminumSkin::PaintOwnBackground(TCanvas& canvas, const TRect& rect, TQvSkinComponentsType component,
                                         TQvSkinStatesType state, bool background, bool borders,
                                         unsigned forceRectBorders)
{
    const TColor metal = GetMetalColor(component, state);
    if (metal == clNone) {
        return false;
    }
    const TQvSkinOptionCategory& category = Options(component, state);
    borders = borders && !category.Borders.IsEmpty();
    if (background && !category.Body.IsEmpty()) {
        TRect body = rect;
        if (borders) {
            body = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
        }
        DrawBrushedMetal(canvas, std::nullopt, body, metal, FRoughness);
    }
    if (borders) {
        PaintBorders(canvas, rect, category.Borders, forceRectBorders);
    }
    return true;
}

void TQvAluminumSkin::FillOptions()
{
    SetSkinName("Aluminum");
    SetIconShadow(false);
    SetCompactMenu(false);
    SetStatusSeparators(false);
    FillColors();
    const auto& F = FColors;
    const TEntryValues edge = {1, F[0], F[0]};
    const TEntryValues plainBorders = {0, Hex(0x7F7F7F), Hex(0x7F7F7F)};

    Put(*this, skncDock, {0, Hex(0xFFFFFF)});
    Put(*this, skncToolbar, {0, Hex(0xFFFFFF)}, {2, Hex(0xFFFFFF), Hex(0x7F7F7F)});
    Put(*this, skncPopup, {0, Hex(0xF9F9F9)}, plainBorders);
    Put(*this, skncOpenToolbarItem, {0, Hex(0xF9F9F9)}, plainBorders);
    Put(*this, skncGutter, {0, Hex(0xEFEFEF)});
    Put(*this, skncPanel, {0, Hex(0xFFFFFF)}, {0, F[0], F[0]});
    Put(*this, skncSplitter, {0, Hex(0xFFFFFF)});
    Put(*this, skncStatusBar, {0, Hex(0xFFFFFF)}, {0, Hex(0xFFFFFF), Hex(0x7F7F7F)});
    Put(*this, skncSeparator, {0, Hex(0x7F7F7F), Hex(0xFFFFFF)});
    Put(*this, skncToolbarGrip, {0, Hex(0x7F7F7F), Hex(0xFFFFFF)});
    Put(*this, skncStatusBarGrip, {0, Hex(0x7F7F7F), Hex(0xFFFFFF)});
    Put(*this, skncTabBackground, {0, F[1]}, {0, F[0], F[0]});
    Put(*this, skncDockablePanel, {0, Hex(0xF9F9F9)}, plainBorders);
    Put(*this, skncDockablePanelTitleBar, {1, Hex(0xF0F0F0), Hex(0xC7C7C7)}, plainBorders);
    Put(*this, skncWindow, {0, Hex(0xF0F0F0)}, plainBorders);
    Put(*this, skncWindowTitleBar, {1, Hex(0xDFDFDF), Hex(0xB0B0B0)});
    Put(*this, skncToolbarItem, {sknsHotTrack}, {0, F[3]}, edge);
    Put(*this, skncToolbarItem, {sknsPushed, sknsCheckedAndHotTrack}, {0, F[2]}, edge);
    Put(*this, skncToolbarItem, {sknsChecked}, {0, F[1]}, edge);
    Put(*this, skncButton, {sknsNormal, sknsDisabled}, {1, Hex(0xFFFFFF), Hex(0xDFDFDF)},
        {2, Hex(0x7F7F7F), Hex(0x7F7F7F)});
    Put(*this, skncButton, {sknsHotTrack}, {0, F[3]}, {2, F[0], F[0]});
    Put(*this, skncButton, {sknsPushed, sknsCheckedAndHotTrack}, {0, F[2]}, {2, F[0], F[0]});
    Put(*this, skncButton, {sknsChecked}, {0, F[1]}, {2, F[0], F[0]});
    Put(*this, skncEditFrame, {sknsNormal, sknsDisabled}, {}, plainBorders);
    Put(*this, skncEditFrame, {sknsHotTrack}, {}, {0, F[0], F[0]});
    Put(*this, skncHeader, {sknsNormal, sknsDisabled}, {1, Hex(0xFFFFFF), Hex(0xDFDFDF)}, plainBorders);
    Put(*this, skncHeader, {sknsHotTrack}, {0, F[3]}, edge);
    Put(*this, skncHeader, {sknsPushed}, {0, F[2]}, edge);
    Put(*this, skncProgressBar, {sknsNormal}, {0, F[2]}, {0, F[0], F[0]});
    Put(*this, skncProgressBar, {sknsHotTrack}, {0, F[3]}, {0, F[0], F[0]});
    Put(*this, skncTrackBarButton, {sknsNormal}, {0, F[3]}, {0, F[0], F[0]});
    Put(*this, skncTrackBarButton, {sknsPushed}, {0, F[1]}, {0, F[0], F[0]});

    CopyOptions(skncToolbar, skncMenuBar);
    CopyOptions(skncToolbarItem, skncMenuBarItem);
    CopyOptions(skncToolbarItem, skncMenuItem);
    DeriveListItem(*this, skncToolbarItem, 20, 20);
    CopyOptions(skncToolbarItem, skncCheckBox);
    PutBorders(*this, skncCheckBox, sknsNormal, {0, F[0], F[0]});
    PutBorders(*this, skncCheckBox, sknsDisabled, {0, Hex(0xB0B0B0), Hex(0xB0B0B0)});
    CopyOptions(skncCheckBox, skncRadioButton);
    CopyOptions(skncButton, skncEditButton);
    Options(skncEditButton, sknsNormal).Reset();
    CopyOptions(skncToolbarItem, skncTab);
    CopyOptions(skncProgressBar, skncTrackBar);
}
