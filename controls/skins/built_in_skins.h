#pragma once

#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_options.h"

#include <array>

// The twelve skins built into the program as code: each fills its table in FillOptions. RegisterBuiltInSkins
// lists them with the skin manager's skins list; they become current only when someone selects one by name.

// Registers the twelve skins by name, in order, once; later calls do nothing.
void RegisterBuiltInSkins();

// Brushed metal on the bars, grey highlights tinted by the colour scheme.
class TQvAluminumSkin : public TQvSkinOptions
{
public:
    ~TQvAluminumSkin() override;
    void FillOptions() override;
    bool PaintOwnBackground(TCanvas& canvas, const TRect& rect, TQvSkinComponentsType component,
                            TQvSkinStatesType state, bool background, bool borders,
                            unsigned forceRectBorders) override;

    // The scheme the colour set follows; lusUnknown: the platform's, else metallic. A change refills the
    // table (nobody is told).
    TQvLunaScheme DefaultColorScheme() const { return FDefaultColorScheme; }
    void SetDefaultColorScheme(TQvLunaScheme scheme);
    TColor LightMetalColor() const { return FLightMetalColor; }
    void SetLightMetalColor(TColor color) { FLightMetalColor = color; }
    TColor DarkMetalColor() const { return FDarkMetalColor; }
    void SetDarkMetalColor(TColor color) { FDarkMetalColor = color; }
    // The metal under a component's body; clNone for components painted from their entries.
    TColor GetMetalColor(TQvSkinComponentsType component, TQvSkinStatesType state) const;

private:
    void FillColors();

    std::array<TColor, 4> FColors{};
    TQvLunaScheme FDefaultColorScheme = lusUnknown;
    TColor FLightMetalColor = clNone;
    TColor FDarkMetalColor = clNone;
    int FRoughness = 12;
};

class TQvAthenSkin : public TQvSkinOptions
{
public:
    void FillOptions() override;
};

class TQvDreamSkin : public TQvSkinOptions
{
public:
    void FillOptions() override;
};

class TQvEosSkin : public TQvSkinOptions
{
public:
    void FillOptions() override;
};

// Warm greys with orange-edged highlights; highlighted tabs get three lines along their top.
class TQvAmberSkin : public TQvSkinOptions
{
public:
    void FillOptions() override;
    void PaintBackgroundExtras(TCanvas& canvas, const TRect& rect, TQvSkinComponentsType component,
                               TQvSkinStatesType state) override;
};

// Dark pushed items and blue menus; the tab background gets two lines along its top.
class TQvGraphiteSkin : public TQvSkinOptions
{
public:
    void FillOptions() override;
    void PaintBackgroundExtras(TCanvas& canvas, const TRect& rect, TQvSkinComponentsType component,
                               TQvSkinStatesType state) override;
};

class TQvXitoSkin : public TQvSkinOptions
{
public:
    void FillOptions() override;
};

// Flat bars and boxed highlights mixed from the system colours when the table is written.
class TQvFlatSkin : public TQvSkinOptions
{
public:
    void FillOptions() override;
};

// Gradient bars from a colour scheme, or from the system colours when the platform shows none.
class TQvGradientSkin : public TQvSkinOptions
{
public:
    void FillOptions() override;
    TQvLunaScheme DefaultColorScheme() const { return FDefaultColorScheme; }
    void SetDefaultColorScheme(TQvLunaScheme scheme);

private:
    void FillColors();

    std::array<TColor, 23> FColors{};
    TQvLunaScheme FDefaultColorScheme = lusUnknown;
};

// The glossy family: one table, three colour sets. Only the variants can be made.
class TQvGlossySkin : public TQvSkinOptions
{
public:
    void FillOptions() override;

protected:
    // Loads the variant's 18 colours and names the skin after the variant.
    virtual void FillColors() = 0;

    std::array<TColor, 18> FColors{};
};

class TQvGlossyBlueSkin : public TQvGlossySkin
{
protected:
    void FillColors() override;
};

class TQvGlossyBlackSkin : public TQvGlossySkin
{
protected:
    void FillColors() override;
};

class TQvGlossySilverSkin : public TQvGlossySkin
{
protected:
    void FillColors() override;
};
