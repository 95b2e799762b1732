#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_glyphs.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_viewers.h"
#include "controls/toolbars/view.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/windows/win_control.h"

namespace {

bool IsEmptyRect(const TRect& r)
{
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

// The arrow part of a toolbar button: the split half, the room beside an image above the caption, or the
// strip at the far end.
TRect ToolbarArrowRect(TRect& itemRect, const TQvMenuItemInfo& info, bool besideImage, TSize textSize,
                       int arrowSize, int arrowMargin, int splitArrowSize, bool vertical)
{
    if (info.IsSplit) {
        TRect combo = itemRect;
        itemRect.Right -= splitArrowSize;
        combo.Left = itemRect.Right;
        return combo;
    }
    if (besideImage) {
        TRect combo;
        combo.Right = (itemRect.Left + itemRect.Right + info.ImageSize.cx + arrowSize + 4) / 2;
        combo.Left = combo.Right - arrowSize;
        combo.Top = (itemRect.Top + itemRect.Bottom - info.ImageSize.cy - textSize.cy - 2) / 2;
        combo.Bottom = combo.Top + info.ImageSize.cy;
        return combo;
    }
    if (vertical)
        return {0, itemRect.Bottom - arrowSize - arrowMargin, itemRect.Right, itemRect.Bottom - arrowMargin};
    return {itemRect.Right - arrowSize - arrowMargin, 0, itemRect.Right - arrowMargin, itemRect.Bottom};
}

// The caption or shortcut rectangle of a menu entry: a pixel off the bottom when the entry is exactly as
// tall as the text and its bottom margin, and below the font's external leading.
void AdjustMenuTextRect(TCanvas& canvas, TRect& r, const TQvMenuItemInfo& info)
{
    const TTextMetric tm = canvas.TextMetrics();
    if (r.Height() - (tm.tmHeight + tm.tmExternalLeading) == info.MenuMargins.Margins.Bottom)
        r.Bottom -= 1;
    r.Top += tm.tmExternalLeading;
}

} // namespace

void TQvItemViewer::DoDrawItem(TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo,
                               TQvPaintStage stage, bool& paintDefault)
{
    Item()->DoDrawItem(canvas, rect, itemInfo, stage, paintDefault);
}

void TQvItemViewer::DoDrawCaption(TCanvas& canvas, const TRect& clientAreaRect, TQvSkinStatesType state,
                                  std::string& caption, TRect& captionRect, uint32_t& captionFormat,
                                  bool isTextRotated, TQvPaintStage stage, bool& paintDefault)
{
    Item()->DoDrawCaption(canvas, clientAreaRect, state, caption, captionRect, captionFormat, isTextRotated,
                          stage, paintDefault);
}

void TQvItemViewer::DoDrawImage(TCanvas& canvas, TQvSkinStatesType state, TQvPaintStage stage,
                                TCustomImageList*& imageList, int& imageIndex, TRect& rect,
                                bool& paintDefault)
{
    Item()->DoDrawImage(canvas, state, stage, imageList, imageIndex, rect, paintDefault);
}

void TQvItemViewer::DrawItemImage(TCanvas& canvas, TRect rect, const TQvMenuItemInfo& itemInfo,
                                  int imageIndex)
{
    TCustomImageList* images = GetImageList();
    bool paintDefault = true;
    DoDrawImage(canvas, itemInfo.State, pstPrePaint, images, imageIndex, rect, paintDefault);
    if (paintDefault && images) {
        if (images == GlyphImageList()) {
            const bool menuColor =
                Item()->Enabled() && !IsToolbarStyle() && GetSkinManager().GetSkinType() != sknSkin;
            DrawCaptionButtonGlyph(canvas, rect, imageIndex,
                                   menuColor ? clMenuText : GetTextColor(itemInfo.State));
        } else if (imageIndex >= 0 && imageIndex < images->Count()) {
            PaintItemImage(canvas, rect, itemInfo, images, imageIndex);
        }
    }
    paintDefault = true;
    DoDrawImage(canvas, itemInfo.State, pstPostPaint, images, imageIndex, rect, paintDefault);
}

void TQvItemViewer::Paint(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected, bool, bool)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin(); // kept for the whole paint
    int arrowSize = 0, arrowMargin = 0, splitArrowSize = 0;
    skin->GetDropDownArrowSize(arrowSize, arrowMargin, splitArrowSize);
    TQvMenuItemInfo info;
    FillMenuItemInfo(canvas, *this, info);
    const bool imageAbove = Item()->EffectiveOptions().Contains(tboImageAboveCaption);
    TQvTextInfo text;
    GetTextInfo(canvas, info.State, text);
    const TColor savedColor = canvas.Font()->Color();
    TAlignment alignment = Item()->Alignment();
    const bool toolbarStyle = info.ToolbarStyle;
    const bool besideImage = info.HasArrow && !info.IsSplit && toolbarStyle && imageAbove &&
                             info.ImageSize.cx > 0 && !text.IsTextRotated && !Item()->Caption().empty();
    const bool vertical = View()->Orientation() == tbvoVertical;
    TRect itemRect = clientAreaRect;
    bool paintDefault = true;

    const auto paintBackground = [&] {
        paintDefault = true;
        DoDrawItem(canvas, itemRect, info, pstPrePaint, paintDefault);
        if (paintDefault)
            PaintItemBackground(canvas, itemRect, info);
        paintDefault = true;
        DoDrawItem(canvas, itemRect, info, pstPostPaint, paintDefault);
    };

    if (toolbarStyle) {
        if (info.HasArrow)
            info.ComboRect = ToolbarArrowRect(itemRect, info, besideImage, text.TextSize, arrowSize,
                                              arrowMargin, splitArrowSize, vertical);
        paintBackground();
        if (paintDefault && info.HasArrow) {
            const TRect& combo = info.ComboRect;
            TPoint tip{(combo.Left + combo.Right) / 2 - 1, (combo.Top + combo.Bottom) / 2 - 1};
            // The platform theme draws a split button's arrow with its face.
            if (!(info.IsSplit && info.SkinType == sknWindows)) {
                const TColor color =
                    info.IsSplit && Item()->Enabled() ? GetTextColor(info.ComboState) : savedColor;
                if (info.IsSunkenCaption)
                    tip = {tip.X + 1, tip.Y + 1};
                DrawArrowTriangle(canvas, tip.X, tip.Y, color, !info.IsVertical, false, 2);
            }
            if (!info.IsSplit && !besideImage)
                (vertical ? itemRect.Bottom : itemRect.Right) -= arrowSize;
        }
        InflateRect(itemRect, -4, -4);
    } else {
        paintBackground();
        if (paintDefault && Item()->ItemStyle().Contains(tbisSubmenu))
            DrawArrowTriangle(canvas, itemRect.Right - 10, itemRect.Bottom / 2, savedColor, false, false, 3);
        if (!Item()->ItemStyle().Contains(tbisClicksTransparent)) {
            const TRect& m = info.MenuMargins.Margins;
            itemRect = {itemRect.Left + m.Left, itemRect.Top + m.Top, itemRect.Right - m.Right,
                        itemRect.Bottom - m.Bottom};
        }
    }

    TRect imageRect, rightImageRect;
    if (text.IsCaptionShown) {
        std::string caption = GetCaptionText();
        TRect captionRect;
        uint32_t flags = text.TextFlags;
        if (toolbarStyle) {
            flags &= ~DT_VCENTER;
            if (HasArea(info.RightImageSize))
                alignment = taLeftJustify;
            if (alignment == taRightJustify)
                flags |= DT_RIGHT;
            else if (alignment == taCenter && imageAbove)
                flags |= DT_CENTER;
            CalcCaptionLayout(canvas, itemRect, caption, alignment, flags, info.ImageSize,
                              info.RightImageSize, imageAbove ? ghlGlyphTop : ghlGlyphLeft, false,
                              captionRect, imageRect, rightImageRect, text.IsTextRotated);
            if (info.IsSunkenCaption)
                OffsetRect(captionRect, 1, 1);
        } else if (Item()->ItemStyle().Contains(tbisClicksTransparent)) {
            flags |= DT_CENTER;
            captionRect = itemRect;
        } else {
            flags |= DT_VCENTER;
            const TQvMenuItemMarginsInfo& m = info.MenuMargins;
            captionRect = itemRect;
            captionRect.Left += m.GutterSize + m.ImageTextSpace + m.LeftCaptionMargin;
            AdjustMenuTextRect(canvas, captionRect, info);
            captionRect.Right = captionRect.Left + text.TextSize.cx;
        }
        canvas.Font()->SetColor(savedColor);
        PaintCaption(canvas, clientAreaRect, info, text, caption, captionRect, flags,
                     (!isSelected || toolbarStyle) && info.State == sknsDisabled && info.SkinType == sknNone);
    }

    if (!toolbarStyle)
        PaintShortCut(canvas, clientAreaRect, itemRect, info, text, savedColor);

    if (info.ImageOrCheckShown)
        PaintImageOrCheck(canvas, *skin, info, itemRect, imageRect, besideImage, arrowSize);

    if (toolbarStyle && HasArea(info.RightImageSize)) {
        if (IsEmptyRect(rightImageRect))
            rightImageRect = Bounds(itemRect.Right - info.RightImageSize.cx,
                                    itemRect.Top + (itemRect.Height() - info.RightImageSize.cy) / 2,
                                    info.RightImageSize.cx, info.RightImageSize.cy);
        DrawItemRightImage(canvas, rightImageRect, info);
    }
}

void TQvItemViewer::PaintCaption(TCanvas& canvas, const TRect& clientAreaRect, const TQvMenuItemInfo& info,
                                 const TQvTextInfo& text, std::string& caption, TRect& captionRect,
                                 uint32_t& flags, bool embossed)
{
    bool paintDefault = true;
    DoDrawCaption(canvas, clientAreaRect, info.State, caption, captionRect, flags, text.IsTextRotated,
                  pstPrePaint, paintDefault);
    if (paintDefault) {
        TQvCustomItem* item = Item();
        if (embossed) {
            // The classic disabled look: a highlight copy a pixel down and right, under the gray text.
            TRect shadow = captionRect;
            OffsetRect(shadow, 1, 1);
            canvas.Font()->SetColor(clBtnHighlight);
            DrawSkinText(canvas, caption, shadow, flags, item->CaptionGlow(), item->CaptionGlowColor(),
                         text.TextAngle);
            canvas.Font()->SetColor(clGrayText);
        }
        TRect r = captionRect;
        if (View()->Window() && IsGlassPainting(*View()->Window()))
            DrawGlowText(canvas, caption, r, flags, 0);
        else
            DrawSkinText(canvas, caption, r, flags, item->CaptionGlow(), item->CaptionGlowColor(),
                         text.TextAngle);
    }
    paintDefault = true;
    DoDrawCaption(canvas, clientAreaRect, info.State, caption, captionRect, flags, text.IsTextRotated,
                  pstPostPaint, paintDefault);
}

void TQvItemViewer::PaintShortCut(TCanvas& canvas, const TRect& clientAreaRect, const TRect& itemRect,
                                  const TQvMenuItemInfo& info, const TQvTextInfo& text, TColor savedColor)
{
    std::string shortCut = Item()->GetShortCutText();
    if (shortCut.empty())
        return;
    TRect r = itemRect;
    r.Left = r.Right - r.Height() - GetTextSize(canvas, shortCut, true).cx;
    AdjustMenuTextRect(canvas, r, info);
    canvas.Font()->SetColor(savedColor);
    uint32_t flags = text.TextFlags;
    bool paintDefault = true;
    DoDrawCaption(canvas, clientAreaRect, info.State, shortCut, r, flags, text.IsTextRotated, pstPrePaint,
                  paintDefault);
    if (paintDefault) {
        TRect drawn = r;
        DrawSkinText(canvas, shortCut, drawn, flags, Item()->CaptionGlow(), Item()->CaptionGlowColor(),
                     text.TextAngle);
    }
    paintDefault = true;
    DoDrawCaption(canvas, clientAreaRect, info.State, shortCut, r, flags, text.IsTextRotated, pstPostPaint,
                  paintDefault);
}

void TQvItemViewer::PaintImageOrCheck(TCanvas& canvas, TQvSkinOptions& skin, const TQvMenuItemInfo& info,
                                      const TRect& itemRect, TRect imageRect, bool besideImage, int arrowSize)
{
    if (info.ToolbarStyle) {
        if (IsEmptyRect(imageRect))
            imageRect = itemRect;
        if (besideImage)
            OffsetRect(imageRect, (1 - arrowSize) / 2, 0);
    } else {
        imageRect = itemRect;
        imageRect.Right = imageRect.Left + info.MenuMargins.GutterSize;
    }
    if (info.ImageShown) {
        DrawItemImage(canvas, CenterSizeInRect(imageRect, info.ImageSize.cx, info.ImageSize.cy), info,
                      Item()->ImageIndex());
    } else if (!info.ToolbarStyle && Item()->Checked()) {
        if (Item()->RadioItem())
            skin.PaintMenuRadioMark(canvas, imageRect, true, true, info.State);
        else
            skin.PaintMenuCheckMark(canvas, imageRect, true, false, true, info.State);
    }
}
