#include "controls/toolbars/item_viewer.h"

#include "controls/toolbars/accel_text.h"
#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/caption_drawing.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/item_metrics.h"
#include "controls/toolbars/menu_glyphs.h"
#include "controls/toolbars/system_queries.h"
#include "controls/toolbars/view.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/system_metrics.h"

namespace {

// The edge of a button or image square: raised when up, sunken when down or checked.
unsigned EdgeStyle(bool down)
{
    return down ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
}

// Accelerator underlines are hidden while the view hides them and the desktop does not always show them.
unsigned HidePrefixFlag(const TBarView& view)
{
    return !AreKeyboardCuesEnabled() && view.Style().Contains(vsUseHiddenAccels) &&
                   !view.State().Contains(vsShowAccels)
               ? DT_HIDEPREFIX
               : 0;
}

void Shift(TRect& r, int by)
{
    OffsetRect(r, by, by);
}

} // namespace

void TBarItemViewer::DrawCaptionOnce(TCanvas& canvas, TRect rect, const std::string& text, unsigned format)
{
    if (IsRotated())
        DrawVerticalText(canvas, text, rect, format);
    else
        DrawText(canvas, text, rect, format);
}

void TBarItemViewer::DrawCaptionText(TCanvas& canvas, TRect rect, const std::string& caption,
                                     bool disabledShadow, unsigned format)
{
    if (!disabledShadow) {
        DrawCaptionOnce(canvas, rect, caption, format);
        return;
    }
    const TColor previous = GetTextColor(canvas);
    Shift(rect, ScaleForDPI(1));
    SetTextColor(canvas, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawCaptionOnce(canvas, rect, caption, format);
    Shift(rect, -ScaleForDPI(1));
    SetTextColor(canvas, GetSysColor(COLOR_BTNSHADOW));
    DrawCaptionOnce(canvas, rect, caption, format);
    SetTextColor(canvas, previous);
}

void TBarItemViewer::DrawSubmenuArrow(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected,
                                      bool useDisabledShadow)
{
    const int checkW = GetSystemMetrics(SM_CXMENUCHECK), checkH = GetSystemMetrics(SM_CYMENUCHECK);
    TRect glyph = Bounds(clientAreaRect.Right - checkW,
                         clientAreaRect.Top + (clientAreaRect.Height() - checkH) / 2, checkW, checkH);
    const int s1 = ScaleForDPI(1);
    if (useDisabledShadow) {
        TRect shadow = glyph;
        Shift(shadow, s1);
        DrawSubmenuGlyph(canvas, shadow, clBtnHighlight);
        DrawSubmenuGlyph(canvas, glyph, clBtnShadow);
    } else if (isSelected && FItem->Enabled() && FItem->ItemStyle().Contains(tbisCombo)) {
        Shift(glyph, s1);
        DrawSubmenuGlyph(canvas, glyph, clBtnText);
    } else {
        DrawSubmenuGlyph(canvas, glyph, canvas.Font()->Color());
    }
}

void TBarItemViewer::DrawDropdownArrow(TCanvas& canvas, const TRect& r, bool vertical, bool useDisabledShadow)
{
    if (useDisabledShadow) {
        TRect shadow = r;
        Shift(shadow, ScaleForDPI(1));
        DrawDropdownTriangle(canvas, shadow, vertical, clBtnHighlight);
        DrawDropdownTriangle(canvas, r, vertical, clBtnShadow);
    } else {
        DrawDropdownTriangle(canvas, r, vertical, canvas.Font()->Color());
    }
}

void TBarItemViewer::PaintToolbarFrame(TCanvas& canvas, TRect& r, TRect& dropDown, bool isSelected,
                                       bool isPushed, bool itemEnabled, bool useDisabledShadow)
{
    const TBarItemStyle style = FItem->ItemStyle();
    const bool combo = style.Contains(tbisCombo);
    const bool hasArrow =
        style.Contains(tbisSubmenu) && (combo || FItem->EffectiveOptions().Contains(tboDropdownArrow));
    const bool vertical = FView->FOrientation == tbvoVertical;
    const bool designing = FItem->ComponentState().Contains(csDesigning);
    dropDown = {};
    if (hasArrow) {
        if (combo) {
            r.Right -= ComboSplitInset();
            dropDown = r;
            r.Right -= ComboSplitWidth() - ComboSplitInset();
            dropDown.Left = r.Right;
        } else if (vertical) {
            dropDown = {0, r.Bottom - DropdownArrowWidth() - DropdownArrowMargin(), r.Right,
                        r.Bottom - DropdownArrowMargin()};
        } else {
            dropDown = {r.Right - DropdownArrowWidth() - DropdownArrowMargin(), 0,
                        r.Right - DropdownArrowMargin(), r.Bottom};
        }
    }
    const bool checked = FItem->Checked();
    if ((isSelected && itemEnabled) || checked || designing) {
        TRect edge = r;
        if (!combo) {
            DrawEdge(canvas, edge, EdgeStyle(isPushed || checked), BF_RECT);
        } else {
            // A press on the arrow part opens the popup without capture, one on the button part captures.
            DrawEdge(canvas, edge, EdgeStyle((isPushed && FView->FCapture) || checked), BF_RECT);
            if ((isSelected && itemEnabled) || designing) {
                TRect arrowEdge = dropDown;
                DrawEdge(canvas, arrowEdge, EdgeStyle(isPushed && !FView->FCapture), BF_RECT);
            }
        }
    }
    if (hasArrow) {
        TRect arrow = dropDown;
        if (!combo && isPushed)
            Shift(arrow, ScaleForDPI(1));
        DrawDropdownArrow(canvas, arrow, !combo && vertical, useDisabledShadow);
    }
    const int s1 = ScaleForDPI(1);
    InflateRect(r, -s1, -s1);
    if (checked && !(isSelected && itemEnabled)) {
        FillCheckedPattern(canvas, r);
        canvas.Brush()->SetStyle(bsClear);
    }
    InflateRect(r, -s1, -s1);
    if (checked || (isSelected && isPushed && (!combo || FView->FCapture)))
        Shift(r, s1);
    if (hasArrow && !combo)
        (vertical ? r.Bottom : r.Right) -= DropdownArrowWidth();
}

TRect TBarItemViewer::MenuTextRect(TCanvas& canvas, TRect t)
{
    const TTextMetric tm = canvas.TextMetrics();
    if (t.Height() - (tm.tmHeight + tm.tmExternalLeading) == MenuItemVerticalPadding())
        t.Bottom -= ScaleForDPI(1);
    t.Top += tm.tmExternalLeading;
    return t;
}

void TBarItemViewer::PaintCaption(TCanvas& canvas, const TRect& r, int imageColumnWidth,
                                  bool useDisabledShadow)
{
    TRect t = r;
    const unsigned flags = HidePrefixFlag(*FView) | DT_SINGLELINE | DT_VCENTER;
    if (!IsToolbarStyle()) {
        t.Left += imageColumnWidth + MenuImageColumnGap() + MenuTextLeftGap();
        DrawCaptionText(canvas, MenuTextRect(canvas, t), GetDisplayCaption(), useDisabledShadow, flags);
        return;
    }
    TCustomImageList* images = GetImageList();
    if (ImageShown() && images) {
        if (IsRotated() || FItem->EffectiveOptions().Contains(tboImageAboveCaption))
            t.Top += images->Height() + ScaleForDPI(1);
        else
            t.Left += images->Width() + ScaleForDPI(1);
    }
    DrawCaptionText(canvas, t, GetDisplayCaption(), useDisabledShadow, flags | DT_CENTER);
}

void TBarItemViewer::PaintShortCut(TCanvas& canvas, const TRect& r, bool useDisabledShadow)
{
    const std::string shortCut = FItem->GetShortCutText();
    if (shortCut.empty())
        return;
    TRect t = r;
    t.Left = r.Right - r.Height() - MeasureTextWidth(canvas, shortCut, false);
    DrawCaptionText(canvas, MenuTextRect(canvas, t), shortCut, useDisabledShadow,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TBarItemViewer::PaintSubmenuPart(TCanvas& canvas, const TRect& r, const TRect& clientAreaRect,
                                      bool isSelected, bool itemEnabled, bool useDisabledShadow)
{
    if (!FItem->ItemStyle().Contains(tbisSubmenu))
        return;
    if (FItem->ItemStyle().Contains(tbisCombo)) {
        TRect split = r;
        split.Left = r.Right - GetSystemMetrics(SM_CXMENUCHECK);
        if (isSelected && itemEnabled) {
            DrawEdge(canvas, split, BDR_SUNKENOUTER, BF_RECT | BF_MIDDLE);
        } else {
            split.Left -= ScaleForDPI(1);
            DrawEdge(canvas, split, isSelected ? BDR_SUNKENOUTER : EDGE_ETCHED, BF_LEFT);
        }
    }
    DrawSubmenuArrow(canvas, clientAreaRect, isSelected, useDisabledShadow);
}

void TBarItemViewer::PaintImageColumn(TCanvas& canvas, const TRect& r, int imageColumnWidth, bool isSelected,
                                      bool itemEnabled)
{
    TCustomImageList* images = GetImageList();
    const bool showImage = ImageShown() && images;
    const bool checked = FItem->Checked();
    const bool toolbarStyle = IsToolbarStyle();
    if (!showImage && (toolbarStyle || !checked))
        return;
    const int s1 = ScaleForDPI(1);
    TRect c = r;
    if (toolbarStyle) {
        if (IsRotated() || FItem->EffectiveOptions().Contains(tboImageAboveCaption))
            c.Bottom = c.Top + images->Height() + ScaleForDPI(2);
        else
            c.Right = c.Left + images->Width() + ScaleForDPI(2);
    } else {
        c.Right = c.Left + imageColumnWidth;
        if ((isSelected && itemEnabled) || checked) {
            TRect edge = c;
            DrawEdge(canvas, edge, EdgeStyle(checked), BF_RECT | BF_MIDDLE);
        }
        if (checked && !isSelected) {
            InflateRect(c, -s1, -s1);
            FillCheckedPattern(canvas, c);
            canvas.Brush()->SetStyle(bsClear);
            InflateRect(c, s1, s1);
        }
        if (checked)
            Shift(c, s1);
    }
    if (showImage) {
        const int x = c.Left + (c.Width() - images->Width()) / 2;
        const int y = c.Top + (c.Height() - images->Height()) / 2;
        if (auto* stateful = dynamic_cast<TBarCustomImageList*>(images))
            stateful->DrawState(canvas, x, y, FItem->ImageIndex(), itemEnabled, isSelected, checked);
        else
            images->Draw(canvas, x, y, FItem->ImageIndex(), itemEnabled);
        return;
    }
    const int cx = (c.Left + c.Right) / 2, cy = (c.Top + c.Bottom) / 2;
    if (FItem->RadioItem())
        DrawRadioDot(canvas, cx, cy);
    else
        DrawCheckMark(canvas, cx, cy);
}

void TBarItemViewer::Paint(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected, bool isPushed,
                           bool useDisabledShadow)
{
    const bool toolbarStyle = IsToolbarStyle();
    const bool itemEnabled = FItem->Enabled() || FView->FCustomizing;
    TCustomImageList* images = GetImageList();
    const bool showImage = ImageShown() && images;
    const int imageColumnWidth = images ? MulDiv(ScaleForDPI(3) + images->Width(), clientAreaRect.Bottom,
                                                 ScaleForDPI(3) + images->Height())
                                        : clientAreaRect.Bottom;
    TRect r = clientAreaRect;
    if (toolbarStyle) {
        TRect dropDown;
        PaintToolbarFrame(canvas, r, dropDown, isSelected, isPushed, itemEnabled, useDisabledShadow);
    } else if (isSelected) {
        TRect highlight = r;
        if (showImage || FItem->Checked())
            highlight.Left += imageColumnWidth + MenuImageColumnGap();
        if (FItem->ItemStyle().Contains(tbisCombo) && itemEnabled)
            highlight.Right -= GetSystemMetrics(SM_CXMENUCHECK);
        canvas.FillRect(highlight);
    }
    canvas.Brush()->SetStyle(bsClear);
    if (FItem->EffectiveOptions().Contains(tboDefault))
        canvas.Font()->SetStyle(canvas.Font()->Style() + fsBold);
    if (CaptionShown())
        PaintCaption(canvas, r, imageColumnWidth, useDisabledShadow);
    if (!toolbarStyle) {
        PaintShortCut(canvas, r, useDisabledShadow);
        PaintSubmenuPart(canvas, r, clientAreaRect, isSelected, itemEnabled, useDisabledShadow);
    }
    PaintImageColumn(canvas, r, imageColumnWidth, isSelected, itemEnabled);
}
