#pragma once

#include "controls/skins/skin_option_entry.h"

#include <string_view>

class TMemIniFile;

// How one component paints in one state: its body, its borders and its text colour.
class TQvSkinOptionCategory : public TPersistent
{
public:
    TQvSkinOptionEntry Body;
    TQvSkinOptionEntry Borders;
    TColor TextColor = clNone;

    void Reset();
    bool IsEmpty() const;

    // The three keys of one state in a skin text: "<state>.Body", "<state>.Borders", "<state>.TextColor"
    // (an empty state name stands for "Normal"). Loading resets first; a missing Body or Borders reads as
    // an empty entry, a missing TextColor as clNone. A text colour that is no colour raises EConvertError.
    void LoadFromIni(const TMemIniFile& ini, std::string_view section, std::string_view state);
    void SaveToIni(TMemIniFile& ini, std::string_view section, std::string_view state) const;

    // From another category; from any other class it raises EConvertError.
    void Assign(const TPersistent* source) override;
};
