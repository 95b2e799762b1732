#include "controls/pack/glyph_caption_layout.h"

#include "platform/gui/graphics/gdi.h"

namespace {

// The coordinate of a point along the layout axis (x for horizontal layouts, y for vertical ones) and
// across it.
int& Along(TPoint& p, bool horizontal)
{
    return horizontal ? p.X : p.Y;
}
int& Across(TPoint& p, bool horizontal)
{
    return horizontal ? p.Y : p.X;
}
int Along(TSize s, bool horizontal)
{
    return horizontal ? s.cx : s.cy;
}
int Across(TSize s, bool horizontal)
{
    return horizontal ? s.cy : s.cx;
}

} // namespace

TGlyphAndCaptionPlaces PlaceGlyphAndCaption(const TCaptionMeasure& measure, const TGraphic* glyph,
                                            const TRect& client, bool pressedOffset, bool downOffset,
                                            const std::string& caption, TButtonLayout layout, int margin,
                                            int spacing, unsigned biDiFlags)
{
    if (biDiFlags & DT_RIGHT) {
        if (layout == blGlyphLeft)
            layout = blGlyphRight;
        else if (layout == blGlyphRight)
            layout = blGlyphLeft;
    }
    const TSize clientSize{client.Width(), client.Height()};
    const TSize glyphSize = glyph && !glyph->Empty() ? TSize{glyph->Width(), glyph->Height()} : TSize{};
    const TSize textSize =
        caption.empty() ? TSize{} : measure(caption, clientSize.cx, biDiFlags | DT_CALCRECT);
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;

    TGlyphAndCaptionPlaces places;
    Across(places.GlyphPos, horizontal) =
        (Across(clientSize, horizontal) - Across(glyphSize, horizontal) + 1) / 2;
    if (textSize.cx == 0 || glyphSize.cx == 0)
        spacing = 0;
    const int room = Along(clientSize, horizontal), glyphLength = Along(glyphSize, horizontal),
              textLength = Along(textSize, horizontal);
    if (margin == -1 && spacing == -1) {
        margin = (room - (glyphLength + textLength)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (room - (glyphLength + spacing + textLength)) / 2;
    } else if (spacing == -1) {
        spacing = (room - margin - glyphLength - textLength) / 2;
    }
    const bool glyphFirst = layout == blGlyphLeft || layout == blGlyphTop;
    int& glyphAlong = Along(places.GlyphPos, horizontal);
    glyphAlong = glyphFirst ? margin : room - margin - glyphLength;
    Across(places.TextPos, horizontal) = (Across(clientSize, horizontal) - Across(textSize, horizontal)) / 2;
    Along(places.TextPos, horizontal) =
        glyphFirst ? glyphAlong + glyphLength + spacing : glyphAlong - spacing - textLength;

    const int offset = pressedOffset || downOffset ? 1 : 0;
    for (TPoint* p : {&places.GlyphPos, &places.TextPos})
        *p = {p->X + client.Left + offset, p->Y + client.Top + offset};
    return places;
}

TGlyphAndCaptionPlaces PlaceGlyphAndCaption(TCanvas& canvas, const TGraphic* glyph, const TRect& client,
                                            bool pressedOffset, bool downOffset, const std::string& caption,
                                            TButtonLayout layout, int margin, int spacing, unsigned biDiFlags)
{
    const TCaptionMeasure measure = [&canvas](const std::string& text, int width, unsigned flags) {
        TRect r{0, 0, width, 0};
        DrawText(canvas, text, r, flags);
        return TSize{r.Width(), r.Height()};
    };
    return PlaceGlyphAndCaption(measure, glyph, client, pressedOffset, downOffset, caption, layout, margin,
                                spacing, biDiFlags);
}
