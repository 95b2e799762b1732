#include "controls/grid/edit_info.h"

#include "controls/grid/alpha_drawing.h"
#include "controls/grid/cell_edit.h"

#include <cmath>

TGxEditInfo::TGxEditInfo(TGxCustomEdit& owner) : TCustomControl(&owner), owner_(owner) {}

void TGxEditInfo::Paint()
{
    TCanvas& canvas = *Canvas();
    int x = 0;
    TBitmap& glyph = *owner_.Glyph();
    if (!glyph.Empty()) {
        const int y = static_cast<int>(std::nearbyint(ClientHeight() / 2.0 - glyph.Height() / 2.0));
        DrawAlphaBitmap(canvas, 0, y, glyph);
        x = glyph.Width() + 2;
    }
    if (!owner_.ShowPreview())
        return;
    TRect r{x, 0, x + 20, ClientHeight()};
    if (owner_.PreviewBorder()) {
        canvas.Brush()->SetColor(0x808080);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FrameRect(r);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    owner_.DrawPreview(canvas, r);
}

void TGxEditInfo::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    const TBitmap& glyph = *owner_.Glyph();
    if (!glyph.Empty() && x >= 0 && x < glyph.Width() && y >= 0 && y < ClientHeight())
        owner_.DoGlyphClick();
}
