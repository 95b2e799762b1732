#include "engine/forms/profile_selector.h"

#include "engine/forms/shaded_list_items.h"
#include "engine/profile_list.h"
#include "platform/gui/standard/combo_box.h"
#include "support/color_routines.h"

namespace {

constexpr int ProfileSelectorItemHeight = 26;
constexpr int ProfileSelectorDropDownCount = 14;
constexpr int ProfileSeparatorDarkenPercent = 6;
constexpr TColor ProfileItemBackground = 0xF0F0F0;
constexpr TColor ProfileItemWhite = 0xFFFFFF;

// The colours of an item: a profile's own unless both are white; two equal colours, which would hide the
// text, become light grey on dark grey.
TShadedItemLook ProfileItemLook(const std::vector<TProfileInfo>& infos, int index)
{
    TShadedItemLook look{ProfileItemBackground, clBlack, index == ProfileItemDefaults,
                         ProfileSeparatorDarkenPercent};
    const int entry = index - FirstProfileItem;
    if (entry >= 0 && entry < static_cast<int>(infos.size())) {
        const TProfileInfo& info = infos[entry];
        if (info.BgColor != ProfileItemWhite || info.FontColor != ProfileItemWhite)
            look = {info.BgColor, info.FontColor, false, ProfileSeparatorDarkenPercent};
    }
    if (look.Background == look.Text) {
        look.Background = RGBToColor(51, 51, 51);
        look.Text = RGBToColor(230, 230, 230);
    }
    return look;
}

} // namespace

void SetUpProfileSelector(TCustomComboBox& combo, const std::vector<TProfileInfo>& infos)
{
    combo.SetStyle(csOwnerDrawVariable);
    combo.SetItemHeight(ProfileSelectorItemHeight);
    combo.SetDropDownCount(ProfileSelectorDropDownCount);
    combo.OnMeasureItem = [](TWinControl*, int, int& height) { height = ProfileSelectorItemHeight; };
    combo.OnDrawItem = [&infos](TWinControl* control, int index, const TRect& rect, TOwnerDrawState state) {
        DrawProfileSelectorItem(*static_cast<TCustomComboBox*>(control), infos, index, rect, state);
    };
}

void FillProfileSelector(TCustomComboBox& combo, const std::vector<TProfileInfo>& infos,
                         std::string_view lastSessionText, std::string_view defaultsText)
{
    TStrings& items = *combo.Items();
    items.BeginUpdate();
    items.Clear();
    for (const std::string& item : ProfileSelectorItems(infos, lastSessionText, defaultsText))
        items.Add(item);
    items.EndUpdate();
    combo.SetItemIndex(ProfileItemLastSession);
}

void DrawProfileSelectorItem(TCustomComboBox& combo, const std::vector<TProfileInfo>& infos, int index,
                             const TRect& rect, TOwnerDrawState state)
{
    if (index < 0 || index >= combo.Items()->Count())
        return;
    DrawShadedListItem(combo, combo.Items()->Strings(index), rect, state, ProfileItemLook(infos, index));
}
