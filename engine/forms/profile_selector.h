#pragma once

#include "engine/shared_records.h"
#include "platform/gui/standard/std_control_types.h"

#include <string>
#include <string_view>
#include <vector>

class TCustomComboBox;

// The profile selector of the main window: a list with the last session's settings (item 0), the encoder
// defaults (item 1, in bold) and the profiles of the profile list, each profile drawn in its own colours.
// Items are 26 pixels high, 14 of them shown when the list drops down.

// Makes the combo the selector of the profiles in infos (which must outlive it): owner-drawn with its item
// height and list length.
void SetUpProfileSelector(TCustomComboBox& combo, const std::vector<TProfileInfo>& infos);

// Fills the selector from infos with the two fixed texts first, and selects item 0 (which loads nothing).
void FillProfileSelector(TCustomComboBox& combo, const std::vector<TProfileInfo>& infos,
                         std::string_view lastSessionText, std::string_view defaultsText);

// Draws selector item index at rect.
void DrawProfileSelectorItem(TCustomComboBox& combo, const std::vector<TProfileInfo>& infos, int index,
                             const TRect& rect, TOwnerDrawState state);
