#include "controls/grid/text_cell_edit.h"

#include "controls/grid/grid_cursors.h"
#include "controls/grid/ux_themes.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/window_functions.h"
#include "support/utf8.h"

TGxEdit::TGxEdit(TComponent* owner) : TGxCustomEdit(owner), textCursor_(Cursor()) {}

void TGxEdit::BeginEditing()
{
    SetSelStart(static_cast<int>(Utf8Length(Text())));
}

void TGxEdit::Change()
{
    TGxCustomEdit::Change();
    DoTextChange();
}

void TGxEdit::Dispatch(TMessage& message)
{
    TGxCustomEdit::Dispatch(message);
    switch (message.Msg) {
    case WM_SIZE:
    case CM_FONTCHANGED:
        UpdateMargins();
        break;
    case WM_NCPAINT: {
        HDC dc = message.WParam > 1 ? reinterpret_cast<HDC>(message.WParam) : GetWindowDC(Handle());
        if (!dc)
            break;
        PaintBorderRings(*dc);
        PaintThemedBorder(*dc);
        break;
    }
    case WM_PAINT:
        if (!IsDefaultLook() && message.WParam) {
            TCanvasBinding binding(*Canvas(), reinterpret_cast<HDC>(message.WParam));
            PaintExtra();
        }
        break;
    }
}

// BorderWidth rings in the editor's colour along the window's edge (inside the single border).
void TGxEdit::PaintBorderRings(TCanvas& canvas)
{
    if (BorderWidth() <= 0)
        return;
    TRect r{0, 0, Width(), Height()};
    const int grow = BorderStyle() == bsNone ? 1 : -1;
    InflateRect(r, grow, grow);
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(bsSolid);
    for (int ring = 0; ring < BorderWidth(); ++ring) {
        InflateRect(r, -1, -1);
        canvas.FrameRect(r);
    }
}

void TGxEdit::PaintThemedBorder(TCanvas& canvas)
{
    if (!UxThemesActive() || BorderStyle() != bsSingle)
        return;
    const TRect window{0, 0, Width(), Height()};
    const int saved = SaveDC(canvas);
    ExcludeClipRect(canvas, 2, 2, Width() - 2, Height() - 2);
    DrawThemedBackground(canvas, window, "edit", EP_EDITTEXT, 0);
    RestoreDC(canvas, saved);
}

bool TGxEdit::OverLeftEnd(int x) const
{
    return x <= InfoBoxRight() + 2;
}

void TGxEdit::MouseMove(TShiftState shift, int x, int y)
{
    TGxCustomEdit::MouseMove(shift, x, y);
    SetCursor(OverLeftEnd(x) ? crReversedArrow : textCursor_);
}

void TGxEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGxCustomEdit::MouseDown(button, shift, x, y);
    if (OverLeftEnd(x))
        SelectAll();
}
