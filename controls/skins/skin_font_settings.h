#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/graphics/graphics.h"

#include <string>

// An item's overrides of the font its view paints it in: a colour, a face, a size in percent of the view
// font's and a style. Each value at its default keeps what the view and the skin state give.
class TQvFontSettings : public TPersistent
{
public:
    static constexpr int MinSize = 25;
    static constexpr int MaxSize = 1000;

    // Takes all four values from another settings object, telling OnChange once when any differs.
    void Assign(const TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    const std::string& Name() const { return FName; }
    // Names are compared case-sensitively.
    void SetName(const std::string& value);
    int Size() const { return FSize; }
    // A size outside MinSize..MaxSize raises ERangeError and keeps the old one.
    void SetSize(int value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);

    // Set by the item that owns the settings.
    TNotifyEvent OnChange;

private:
    void Changed();

    TColor FColor = clNone;
    std::string FName;
    int FSize = 100;
    TFontStyles FStyle;
};
