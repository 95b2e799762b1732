#pragma once

#include "support/basic_types.h"

#include <cstdint>
#include <string>

// One entry of the encoder profile list.
struct TProfileInfo
{
    std::string ShortFileName; // the profile's file name without folder
    std::string DisplayName;   // may hold the literal sequences "\n" and "\t"
    double SortIndex = -1;     // -1 when the profile gives none
    std::string ProfileType;
    TColor BgColor = 0;
    TColor FontColor = 0;
};

// Counts over the file list, filled by the main window.
struct TGridInfo
{
    int32_t RowCount = 0;
    int32_t CheckedCount = 0;
    int32_t UncheckedCount = 0;
    int32_t SelectedCount = 0;
    int32_t SelectedCheckedCount = 0;
    int32_t SelectedUncheckedCount = 0;
};
