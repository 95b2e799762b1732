#pragma once

#include "platform/gui/core/classes.h"
#include "support/basic_types.h"

#include <string>
#include <string_view>

// One painting instruction of a skin: a style (which fill form for a body, which frame form for borders)
// and up to four colours. An entry whose four colours are all clNone is empty and paints nothing.
class TQvSkinOptionEntry : public TPersistent
{
public:
    int SkinType = 0;
    TColor Color1 = clNone;
    TColor Color2 = clNone;
    TColor Color3 = clNone;
    TColor Color4 = clNone;

    void Reset();
    void Fill(int skinType, TColor color1, TColor color2 = clNone, TColor color3 = clNone,
              TColor color4 = clNone);
    bool IsEmpty() const;
    bool IsEqual(const TQvSkinOptionEntry& entry) const;
    // Adds amount to the red, green and blue of every colour that is set (system colours resolved first),
    // each within 0..255; a negative amount darkens.
    void Lighten(int amount);

    // "style, colour, colour, colour, colour", each colour by name or as "$" and eight hexadecimal digits.
    std::string WriteToString() const;
    // Never fails: a style that is no number reads as 0, and the first item that is no colour ends the
    // reading, leaving the rest reset.
    void ReadFromString(std::string_view text);

    // From another entry; from any other class it raises EConvertError.
    void Assign(const TPersistent* source) override;
};
