#include "platform/gui/standard/bit_button.h"

#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"

#include <algorithm>

namespace {

struct TKindLook
{
    const char* caption;
    TModalResult modalResult;
};

constexpr TKindLook kindLooks[] = {{"", mrNone},          {"OK", mrOk},       {"Cancel", mrCancel},
                                   {"&Help", mrNone},     {"&Yes", mrYes},    {"&No", mrNo},
                                   {"&Close", mrClose},   {"Abort", mrAbort}, {"&Retry", mrRetry},
                                   {"&Ignore", mrIgnore}, {"&All", mrAll}};

} // namespace

TBitBtn::TBitBtn(TComponent* owner) : TCustomButton(owner), glyph_(std::make_unique<TBitmap>()) {}

TBitBtn::~TBitBtn() = default;

void TBitBtn::Changed()
{
    Invalidate();
}

void TBitBtn::SetGlyph(const TBitmap* glyph)
{
    if (glyph)
        glyph_->Assign(glyph);
    else
        glyph_ = std::make_unique<TBitmap>();
    Changed();
}

void TBitBtn::SetNumGlyphs(TNumGlyphs value)
{
    value = std::clamp(value, 1, 4);
    if (value == numGlyphs_)
        return;
    numGlyphs_ = value;
    Changed();
}

void TBitBtn::SetKind(TBitBtnKind value)
{
    if (value == kind_)
        return;
    kind_ = value;
    if (value != bkCustom) {
        SetCaption(kindLooks[value].caption);
        SetModalResult(kindLooks[value].modalResult);
        SetCancel(value == bkCancel);
        SetDefault(value == bkOK || value == bkYes);
    }
    Changed();
}

void TBitBtn::SetLayout(TButtonLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Changed();
}

void TBitBtn::SetMargin(int value)
{
    if (value == margin_ || value < -1)
        return;
    margin_ = value;
    Changed();
}

void TBitBtn::SetSpacing(int value)
{
    if (value == spacing_)
        return;
    spacing_ = value;
    Changed();
}

TBitBtn::TGlyphAndCaption TBitBtn::LayoutGlyphAndCaption(TCanvas& canvas, const TRect& face) const
{
    // Side by side (or stacked), centred together unless a margin places them from the edge.
    TRect textSize = Rect(0, 0, face.Width(), 0);
    DrawText(canvas, Caption(), textSize, DT_CALCRECT | DT_SINGLELINE);
    const bool hasGlyph = !glyph_->Empty();
    const int glyphWidth = hasGlyph ? glyph_->Width() / numGlyphs_ : 0;
    const int glyphHeight = hasGlyph ? glyph_->Height() : 0;
    const bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
    const int gap = hasGlyph && !Caption().empty() ? spacing_ : 0;
    const int total =
        horizontal ? glyphWidth + gap + textSize.Width() : glyphHeight + gap + textSize.Height();
    const int room = horizontal ? face.Width() : face.Height();
    const int start = (horizontal ? face.Left : face.Top) + (margin_ < 0 ? (room - total) / 2 : margin_);
    const bool glyphFirst = layout_ == blGlyphLeft || layout_ == blGlyphTop;
    const int glyphAt = glyphFirst ? start : start + total - (horizontal ? glyphWidth : glyphHeight);
    const int textAt =
        glyphFirst ? start + total - (horizontal ? textSize.Width() : textSize.Height()) : start;
    if (horizontal)
        return {{glyphAt, face.Top + (face.Height() - glyphHeight) / 2},
                Bounds(textAt, face.Top + (face.Height() - textSize.Height()) / 2, textSize.Width(),
                       textSize.Height())};
    return {{face.Left + (face.Width() - glyphWidth) / 2, glyphAt},
            Bounds(face.Left + (face.Width() - textSize.Width()) / 2, textAt, textSize.Width(),
                   textSize.Height())};
}

void TBitBtn::DrawGlyph(TCanvas& canvas, TPoint at, bool enabled) const
{
    if (glyph_->Empty())
        return;
    const int width = glyph_->Width() / numGlyphs_, height = glyph_->Height();
    const int index = !enabled && numGlyphs_ > 1 ? 1 : 0;
    TBitmap image(width, height);
    image.Canvas()->CopyRect(Rect(0, 0, width, height), *glyph_->Canvas(),
                             Bounds(index * width, 0, width, height));
    image.SetTransparent(true);
    canvas.Draw(at.X, at.Y, &image);
}

void TBitBtn::DrawItem(const TDrawItemStruct& item)
{
    TCanvas& canvas = *Canvas();
    TCanvasBinding binding(canvas, item.hDC);
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool enabled = !(item.itemState & ODS_DISABLED);
    TRect face = item.rcItem;
    if (HTHEME theme = OpenThemeData("Button")) {
        const int state = !enabled                       ? PBS_DISABLED
                          : pressed                      ? PBS_PRESSED
                          : Hot()                        ? PBS_HOT
                          : (item.itemState & ODS_FOCUS) ? PBS_DEFAULTED
                                                         : PBS_NORMAL;
        DrawThemeBackground(theme, canvas, BP_PUSHBUTTON, state, face);
        GetThemeBackgroundContentRect(theme, &canvas, BP_PUSHBUTTON, state, item.rcItem, face);
        CloseThemeData(theme);
    } else {
        if (item.itemState & ODS_FOCUS) {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(clWindowFrame);
            canvas.FrameRect(face);
            face = Rect(face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1);
        }
        DrawFrameControl(canvas, face, DFC_BUTTON,
                         DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0) |
                             (enabled ? 0 : DFCS_INACTIVE));
    }
    if (pressed)
        face = Rect(face.Left + 1, face.Top + 1, face.Right + 1, face.Bottom + 1);
    canvas.SetFont(Font());
    const TGlyphAndCaption placed = LayoutGlyphAndCaption(canvas, face);
    DrawGlyph(canvas, placed.glyph, enabled);
    TRect text = placed.caption;
    canvas.Brush()->SetStyle(bsClear);
    DrawControlText(canvas, Caption(), text, DT_SINGLELINE, enabled);
    if (Focused())
        canvas.DrawFocusRect(
            Rect(item.rcItem.Left + 4, item.rcItem.Top + 4, item.rcItem.Right - 4, item.rcItem.Bottom - 4));
}

void TBitBtn::Dispatch(TMessage& message)
{
    if (message.Msg == CN_DRAWITEM) {
        DrawItem(*reinterpret_cast<const TDrawItemStruct*>(message.LParam));
        message.Result = 1;
        return;
    }
    TCustomButton::Dispatch(message);
}
