#pragma once

#include "controls/edits/combo_box.h"

#include <string>
#include <vector>

// The items a combo box lists, in order.
inline std::vector<std::string> ComboItems(const TVezComboBox& combo)
{
    std::vector<std::string> items;
    for (int i = 0; i < combo.Items()->Count(); ++i)
        items.push_back(combo.Items()->Strings(i));
    return items;
}
