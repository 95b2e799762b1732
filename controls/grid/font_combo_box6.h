#pragma once

#include "controls/grid/combo_box6.h"

// A combo box of the installed font families, each drawn in its own font, with a sample of the chosen font
// in the preview box.
class TGxFontComboBox6 : public TGxComboBox6
{
public:
    explicit TGxFontComboBox6(TComponent* owner);

    bool PaintInFont() const { return paintInFont_; }
    // Off draws every name in the combo box's font.
    void SetPaintInFont(bool value) { paintInFont_ = value; }

protected:
    void DrawItemContent(int index, const TRect& rect, TOwnerDrawState state) override;
    void DoPreviewDraw(const TRect& rect) override;

private:
    bool paintInFont_ = true;
};
