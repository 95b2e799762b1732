#pragma once

#include "controls/skins/skin_option_category.h"
#include "controls/skins/skin_types.h"
#include "platform/gui/graphics/themed_elements.h"
#include "support/system_colors.h"

#include <array>
#include <memory>
#include <string>

class TCanvas;
class TMemIniFile;
class TStrings;

// Where a menu entry puts its parts, in pixels.
struct TQvMenuItemMarginsInfo
{
    TRect Margins;
    int GutterSize = 0;
    int LeftCaptionMargin = 0;
    int RightCaptionMargin = 0;
    int ImageTextSpace = 0;
};

// One skin: how each of the 33 components paints in each of its states, plus a few skin-wide values. The
// skin manager owns the current skin; built-in skins are descendants that fill the table in FillOptions.
//
// The table, the skin text and the state arithmetic need nothing of the windowing layer; the queries that
// depend on the skin type in force (text colours, margins, theme elements, the skin-wide getters) are
// answered in skin_queries.cpp.
class TQvSkinOptions : public TPersistent
{
public:
    // The largest floating-window border a skin text may ask for; larger values are taken as this.
    static constexpr int MaxLoadedBorderSize = 32;

    // A fresh skin: named "Default", all 198 categories empty. Descendants fill theirs in FillOptions, which
    // NewSkin calls once the object is complete.
    TQvSkinOptions();

    // Writes the option table; empty here.
    virtual void FillOptions() {}

    // Skins that paint some backgrounds their own way: the background painting asks PaintOwnBackground
    // first (true: painted, nothing more to do) and PaintBackgroundExtras after its own painting. Neither
    // paints anything here.
    virtual bool PaintOwnBackground(TCanvas& /*canvas*/, const TRect& /*rect*/,
                                    TQvSkinComponentsType /*component*/, TQvSkinStatesType /*state*/,
                                    bool /*background*/, bool /*borders*/, unsigned /*forceRectBorders*/)
    {
        return false;
    }
    virtual void PaintBackgroundExtras(TCanvas& /*canvas*/, const TRect& /*rect*/,
                                       TQvSkinComponentsType /*component*/, TQvSkinStatesType /*state*/)
    {}

    // Painting from the table (skin_options_painting.cpp, skin_mark_painting.cpp); each gives back the
    // canvas's tools and clipping as it found them.

    // The background of a component state: the body (inside the borders when those are painted too) and
    // the borders, whose corners next to the sides in forceRectBorders stay square; vertical turns the
    // body's gradients for a vertical bar.
    void PaintBackground(TCanvas& canvas, const TRect& rect, TQvSkinComponentsType component,
                         TQvSkinStatesType state, bool background, bool borders, bool vertical = false,
                         unsigned forceRectBorders = 0);
    // The window's body and a frame of borderSize one-pixel rings, from the outside in, in the colours of
    // the window's Borders entry (the fourth for every ring from the fourth on). The window has one look,
    // active or not.
    void PaintWindowFrame(TCanvas& canvas, const TRect& rect, bool isActive, bool drawBody, int borderSize);
    // A menu entry's check mark (menuItemStyle; drawn whatever checked says) or a check box with its
    // background, its mark when checked, or a filled square when grayed.
    void PaintMenuCheckMark(TCanvas& canvas, const TRect& rect, bool checked, bool grayed, bool menuItemStyle,
                            TQvSkinStatesType state);
    // A menu entry's radio dot (menuItemStyle) or a round radio button with its dot when checked.
    void PaintMenuRadioMark(TCanvas& canvas, const TRect& rect, bool checked, bool menuItemStyle,
                            TQvSkinStatesType state);
    // A platform theme element through the active style services; the component overloads paint nothing
    // for a component without an element.
    void PaintThemedElementBackground(TCanvas& canvas, const TRect& rect,
                                      const TThemedElementDetails& details) const;
    void PaintThemedElementBackground(TCanvas& canvas, const TRect& rect, TQvSkinComponentsType component,
                                      bool enabled, bool pushed, bool hotTrack, bool checked, bool focused,
                                      bool defaulted, bool grayed) const;
    void PaintThemedElementBackground(TCanvas& canvas, const TRect& rect, TQvSkinComponentsType component,
                                      TQvSkinStatesType state) const;

    // The category of a component in a state; a component that has only Normal answers its Normal category
    // whatever the state.
    TQvSkinOptionCategory& Options(TQvSkinComponentsType component, TQvSkinStatesType state = sknsNormal);
    const TQvSkinOptionCategory& Options(TQvSkinComponentsType component,
                                         TQvSkinStatesType state = sknsNormal) const;
    // All six categories of one component onto another.
    void CopyOptions(TQvSkinComponentsType component, TQvSkinComponentsType toComponent);
    // Empties every category; with forceResetSkinProperties also the face colour, the border size and the
    // three flags (name and author stay).
    void Reset(bool forceResetSkinProperties);
    // From another skin: every category from Options(component, state) of the source, so a Normal-only
    // component's Normal category lands in all six; then the skin-wide values. Other classes raise.
    void Assign(const TPersistent* source) override;

    // Reads a skin text: the "Skin" section and one section per component. All or nothing: a face colour or
    // text colour that is no colour raises ESkinError (naming skin, section, key and value) and leaves this
    // skin as it was. When this skin is the current one, the skin manager then tells everyone.
    void LoadFromStrings(const TStrings& lines);
    // Writes the skin into the lines, keeping sections and keys of theirs that a skin does not use.
    void SaveToStrings(TStrings& lines) const;
    void SaveToMemIni(TMemIniFile& ini) const;

    static TQvSkinStatesType GetState(bool enabled, bool pushed, bool hotTrack, bool checked);
    static void GetState(TQvSkinStatesType state, bool& enabled, bool& pushed, bool& hotTrack, bool& checked);

    // The text colour of a component in a state under the skin type in force (skin_queries.cpp).
    TColor GetTextColor(TQvSkinComponentsType component, TQvSkinStatesType state) const;
    void GetDropDownArrowSize(int& dropDownArrowSize, int& dropDownArrowMargin, int& splitBtnArrowSize) const;
    void GetMenuItemMargins(TCanvas& canvas, int imgSize, TQvMenuItemMarginsInfo& marginsInfo) const;
    // Whether the component has a platform theme element in these conditions, and which.
    bool GetThemedElementDetails(TQvSkinComponentsType component, bool enabled, bool pushed, bool hotTrack,
                                 bool checked, bool focused, bool defaulted, bool grayed,
                                 TThemedElementDetails& details) const;
    bool GetThemedElementDetails(TQvSkinComponentsType component, TQvSkinStatesType state,
                                 TThemedElementDetails& details) const;
    TSize GetThemedElementSize(TCanvas& canvas, const TThemedElementDetails& details) const;
    // color receives the element's text colour, when the style services give one.
    void GetThemedElementTextColor(const TThemedElementDetails& details, TColor& color) const;
    TColor GetThemedSystemColor(TColor color) const;

    // Skin-wide values as the skin type in force has them (skin_queries.cpp).
    TColor ColorBtnFace() const { return FColorBtnFace; }
    void SetColorBtnFace(TColor color) { FColorBtnFace = color; }
    // The stored size under a skin, else 4.
    int FloatingWindowBorderSize() const;
    // Clamped to 0..4.
    void SetFloatingWindowBorderSize(int size);
    bool IconShadow() const;
    void SetIconShadow(bool value) { FIconShadow = value; }
    bool CompactMenu() const;
    void SetCompactMenu(bool value) { FCompactMenu = value; }
    // Popups open as one face with their opener: under a skin whose open-toolbar item paints something.
    bool JoinedPopup() const;
    // Under a skin with the flag, or in the classic look.
    bool StatusSeparators() const;
    void SetStatusSeparators(bool value) { FStatusSeparators = value; }
    const std::string& SkinAuthor() const { return FSkinAuthor; }
    void SetSkinAuthor(std::string author) { FSkinAuthor = std::move(author); }
    const std::string& SkinName() const { return FSkinName; }
    void SetSkinName(std::string name) { FSkinName = std::move(name); }

    // The skin-wide values as stored, whatever the skin type in force.
    int StoredFloatingWindowBorderSize() const { return FFloatingWindowBorderSize; }
    bool StoredIconShadow() const { return FIconShadow; }
    bool StoredCompactMenu() const { return FCompactMenu; }
    bool StoredStatusSeparators() const { return FStatusSeparators; }

private:
    using TCategoryTable = std::array<std::array<TQvSkinOptionCategory, SkinStateCount>, SkinComponentCount>;

    void ReadSkinText(const TMemIniFile& ini);
    void CopyStoredFrom(const TQvSkinOptions& source);

    TColor FColorBtnFace = clBtnFace;
    int FFloatingWindowBorderSize = 4;
    // Every component has all six categories, also those that only use Normal.
    std::unique_ptr<TCategoryTable> FOptions;
    bool FIconShadow = false;
    bool FCompactMenu = false;
    bool FStatusSeparators = false;
    std::string FSkinAuthor;
    std::string FSkinName = "Default";
};

// Makes a skin of class T with its table filled, as the skins list does for a registered class.
template <typename T> std::shared_ptr<TQvSkinOptions> NewSkin()
{
    auto skin = std::make_shared<T>();
    skin->FillOptions();
    return skin;
}
