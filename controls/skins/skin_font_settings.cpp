#include "controls/skins/skin_font_settings.h"

#include "platform/gui/core/exceptions.h"

void TQvFontSettings::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TQvFontSettings*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other->FColor == FColor && other->FName == FName && other->FSize == FSize && other->FStyle == FStyle)
        return;
    FColor = other->FColor;
    FName = other->FName;
    FSize = other->FSize;
    FStyle = other->FStyle;
    Changed();
}

void TQvFontSettings::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    Changed();
}

void TQvFontSettings::SetName(const std::string& value)
{
    if (value == FName)
        return;
    FName = value;
    Changed();
}

void TQvFontSettings::SetSize(int value)
{
    if (value < MinSize || value > MaxSize)
        throw ERangeError("Font size " + std::to_string(value) + "% is outside " + std::to_string(MinSize) +
                          ".." + std::to_string(MaxSize) + "%");
    if (value == FSize)
        return;
    FSize = value;
    Changed();
}

void TQvFontSettings::SetStyle(TFontStyles value)
{
    if (value == FStyle)
        return;
    FStyle = value;
    Changed();
}

void TQvFontSettings::Changed()
{
    if (OnChange)
        OnChange(this);
}
