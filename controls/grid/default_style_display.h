#pragma once

#include "controls/grid/style_display.h"

// The platform's look: themed header parts while themes are in use, else a classic raised header. The
// class library's own styles never run in this program, so their branch is not taken.
class TDefaultStyleDisplay : public TStyleDisplay
{
public:
    using TStyleDisplay::TStyleDisplay;

    TStyleDisplayAttributes GetStyleDisplayAttributes() const override;
    void DrawCornerBox(const TRect& rect, TBoxLocation location) override;
    void DrawHeaderBackground(TGxCustomColumn* column, const TRect& rect) override;
    void DrawInactiveHeader(const TRect& rect) override;
    virtual void DrawHeaderFace(TGxCustomColumn* column, const TRect& rect);
    virtual void DrawThemedHeaderFace(TGxCustomColumn* column, const TRect& rect);

private:
    // A part of the theme class "header" over rect.
    void DrawHeaderPart(int part, int state, const TRect& rect);
    void DrawBottomCornerBox(const TRect& rect);
};
