#include "controls/skins/skin_text_object.h"

#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_glyphs.h"
#include "controls/skins/skin_manager.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/services/link_opener.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/ui_state.h"

#include <algorithm>

// Construction, properties, layout and painting of the skinned caption control; its input and messages are
// in skin_text_object_input.cpp, its hint in skin_text_object_hint.cpp.

TQvTextObject::TQvTextObject(TComponent* owner)
    : TQvCustomControl(owner), FImageChangeLink(std::make_unique<TChangeLink>())
{
    TControlStyle style = ControlStyle();
    style.Include(csClickEvents);
    style.Include(csSetCaption);
    style.Include(csDoubleClicks);
    style.Exclude(csAcceptsControls);
    style.Exclude(csOpaque);
    SetControlStyle(style);
    FImageChangeLink->OnChange = [this](TObject* sender) { ImagesChanged(sender); };
    SetAutoSize(true);
    SetColor(clNone);
    SetParentColor(false);
    SetTabStop(true);
    SetWidth(100);
    GetSkinManager().AddSkinNotification(this);
}

TQvTextObject::~TQvTextObject()
{
    FImageChangeLink.reset();
    GetSkinManager().RemoveSkinNotification(this);
}

// --- properties --------------------------------------------------------------------------------------------

namespace {

// Stores value and repaints the control when it changes.
template <typename T> void SetAndInvalidate(TControl& control, T& field, T value)
{
    if (field == value)
        return;
    field = value;
    control.Invalidate();
}

// Sets a flag while it lives and clears it on every way out.
class TFlagSetter
{
public:
    explicit TFlagSetter(bool& flag) : flag_(flag) { flag_ = true; }
    ~TFlagSetter() { flag_ = false; }
    TFlagSetter(const TFlagSetter&) = delete;
    TFlagSetter& operator=(const TFlagSetter&) = delete;

private:
    bool& flag_;
};

bool IsEmptyRect(const TRect& r)
{
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

// The smallest rectangle holding both; an empty one does not count.
TRect UnionOf(const TRect& a, const TRect& b)
{
    if (IsEmptyRect(a))
        return IsEmptyRect(b) ? TRect{} : b;
    if (IsEmptyRect(b))
        return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

} // namespace

void TQvTextObject::SetAlignment(TAlignment value)
{
    SetAndInvalidate(*this, FAlignment, value);
}

void TQvTextObject::SetCaptionGlow(TQvGlowDirection value)
{
    SetAndInvalidate(*this, FCaptionGlow, value);
}

void TQvTextObject::SetCaptionGlowColor(TColor value)
{
    SetAndInvalidate(*this, FCaptionGlowColor, value);
}

void TQvTextObject::SetChecked(bool value)
{
    SetAndInvalidate(*this, FChecked, value);
}

void TQvTextObject::SetDisabledIconCorrection(bool value)
{
    SetAndInvalidate(*this, FDisabledIconCorrection, value);
}

void TQvTextObject::SetDrawPushedCaption(bool value)
{
    SetAndInvalidate(*this, FDrawPushedCaption, value);
}

void TQvTextObject::SetGlyphLayout(TQvGlyphLayout value)
{
    SetAndInvalidate(*this, FGlyphLayout, value);
}

void TQvTextObject::SetShowAccelChar(bool value)
{
    if (FShowAccelChar == value)
        return;
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TQvTextObject::SetWrapping(TTextWrapping value)
{
    if (FWrapping == value)
        return;
    FWrapping = value;
    AdjustBounds();
    Invalidate();
}

void TQvTextObject::SetImageIndex(int value)
{
    if (FImageIndex == value)
        return;
    FImageIndex = value;
    if (FImages)
        Invalidate();
    AdjustBounds();
}

void TQvTextObject::SetImages(TCustomImageList* value)
{
    if (FImages)
        FImages->UnRegisterChanges(FImageChangeLink.get());
    FImages = value;
    if (FImages) {
        FImages->RegisterChanges(FImageChangeLink.get());
        FImages->FreeNotification(this);
    }
    Invalidate();
    AdjustBounds();
}

void TQvTextObject::ImagesChanged(TObject* sender)
{
    if (sender == FImages) {
        Invalidate();
        AdjustBounds();
    }
}

void TQvTextObject::Notification(TComponent* component, TOperation operation)
{
    TQvCustomControl::Notification(component, operation);
    // The list is being destroyed and has let go of the change link itself: it is not asked anything more.
    if (operation == opRemove && component == FImages) {
        FImages = nullptr;
        Invalidate();
        AdjustBounds();
    }
}

void TQvTextObject::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    TQvCustomControl::ActionChange(sender, checkDefaults);
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action)
        return;
    if (!checkDefaults || !Checked())
        SetChecked(action->Checked());
    if (!checkDefaults || ImageIndex() == -1)
        SetImageIndex(action->ImageIndex());
}

// --- layout ------------------------------------------------------------------------------------------------

TAlignment TQvTextObject::RealAlignment() const
{
    if (!UseRightToLeftAlignment() || FAlignment == taCenter)
        return FAlignment;
    return FAlignment == taLeftJustify ? taRightJustify : taLeftJustify;
}

unsigned TQvTextObject::GetTextFlags()
{
    unsigned flags = DT_EXPANDTABS;
    switch (FWrapping) {
    case twNone:
        flags |= DT_SINGLELINE;
        break;
    case twEndEllipsis:
        flags |= DT_SINGLELINE | DT_END_ELLIPSIS;
        break;
    case twPathEllipsis:
        flags |= DT_SINGLELINE | DT_PATH_ELLIPSIS;
        break;
    case twWrap:
        flags |= DT_WORDBREAK;
        break;
    }
    const TAlignment alignment = RealAlignment();
    if (alignment == taRightJustify)
        flags |= DT_RIGHT;
    else if (alignment == taCenter)
        flags |= DT_CENTER;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    if (HandleAllocated() && (Perform(WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL))
        flags |= DT_HIDEPREFIX;
    return DrawTextBiDiModeFlags(flags);
}

void TQvTextObject::DoGetImageIndex(TCustomImageList*& imageList, int& imageIndex)
{
    if (OnGetImageIndex)
        OnGetImageIndex(this, imageList, imageIndex);
}

bool TQvTextObject::HasImage()
{
    TCustomImageList* list = FImages;
    int index = FImageIndex;
    DoGetImageIndex(list, index);
    return list && index >= 0 && index < list->Count();
}

TPoint TQvTextObject::GetGlyphSize()
{
    TCustomImageList* list = FImages;
    int index = FImageIndex;
    DoGetImageIndex(list, index);
    if (list && index >= 0 && index < list->Count())
        return {list->Width(), list->Height()};
    return {0, 0};
}

void TQvTextObject::GetSize(TRect& totalR, TRect& textR, TRect& glyphR)
{
    const TRect margins = GetTextMargins();
    const TRect client = ClientRect();
    const TRect r{client.Left + margins.Left, client.Top + margins.Top, client.Right - margins.Right,
                  client.Bottom - margins.Bottom};
    TCanvas& canvas = *Canvas();
    canvas.SetFont(Font());
    AdjustFont(*canvas.Font());
    const TPoint glyph = GetGlyphSize();
    TRect rightGlyphR;
    CalcCaptionLayout(canvas, r, Caption(), RealAlignment(), GetTextFlags(), {glyph.X, glyph.Y}, {0, 0},
                      FGlyphLayout, FDrawPushedCaption && Pushed(), textR, glyphR, rightGlyphR, false);
    totalR = UnionOf(textR, glyphR);
    if (AutoSize()) {
        totalR.Right += Margins()->Left() + Margins()->Right();
        totalR.Bottom += Margins()->Top() + Margins()->Bottom();
    }
}

void TQvTextObject::CalcAutoSize(int& newWidth, int& newHeight)
{
    TRect totalR, textR, glyphR;
    GetSize(totalR, textR, glyphR);
    newHeight = totalR.Height();
    if (FWrapping == twNone)
        newWidth = totalR.Width();
}

bool TQvTextObject::AutoSizeAllowed() const
{
    const TComponentState state = ComponentState();
    return HandleAllocated() && !FUpdating && !state.Contains(csLoading) && !state.Contains(csReading) &&
           AutoSize();
}

void TQvTextObject::AdjustBounds()
{
    if (!AutoSizeAllowed())
        return;
    const TFlagSetter updating(FUpdating);
    int width = Width();
    int height = 0;
    CalcAutoSize(width, height);
    SetBounds(Left(), Top(), width, height);
}

bool TQvTextObject::CanAutoSize(int& newWidth, int& newHeight)
{
    if (!AutoSizeAllowed())
        return false;
    newHeight = 0;
    const TFlagSetter updating(FUpdating);
    CalcAutoSize(newWidth, newHeight);
    return true;
}

void TQvTextObject::Loaded()
{
    TQvCustomControl::Loaded();
    AdjustBounds();
}

// --- painting ----------------------------------------------------------------------------------------------

void TQvTextObject::AdjustFont(TFont& font)
{
    if (FLinkText.empty() || !FMouseInControl)
        return;
    font.SetColor(0x00FF0000);
    TFontStyles style = font.Style();
    style.Include(fsUnderline);
    font.SetStyle(style);
}

bool TQvTextObject::DrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage)
{
    bool paintDefault = true;
    if (OnDraw)
        OnDraw(this, canvas, rect, stage, paintDefault);
    return paintDefault;
}

void TQvTextObject::DrawGlyph(TCanvas& canvas, const TRect& rect)
{
    TCustomImageList* list = FImages;
    int index = FImageIndex;
    DoGetImageIndex(list, index);
    if (list && index >= 0 && index < list->Count())
        DrawImageListImage(canvas, rect, list, index, Enabled(), FDisabledIconCorrection);
}

void TQvTextObject::GetFocusRect(TRect& focusR, const TRect&, const TRect& textR, const TRect&)
{
    if (Caption().empty())
        focusR = TRect{};
    else
        focusR = TRect{textR.Left - 1, textR.Top - 1, textR.Right + 1, textR.Bottom + 1};
}

void TQvTextObject::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect r = ClientRect();
    canvas.SetFont(Font());
    AdjustFont(*canvas.Font());
    DrawBackground(canvas, r, pstPrePaint);
    const TRect margins = GetTextMargins();
    TRect textR{r.Left + margins.Left, r.Top + margins.Top, r.Right - margins.Right,
                r.Bottom - margins.Bottom};
    DrawCaption(canvas, textR, GetTextFlags());
    DrawBackground(canvas, r, pstPostPaint);
}

// The default caption: laid out with the image, greyed with a light shadow when disabled in the classic
// look, then the image.
void TQvTextObject::DrawCaptionText(TCanvas& canvas, const std::string& text, unsigned captionFormat,
                                    TRect& textR, TRect& glyphR)
{
    const TPoint glyph = GetGlyphSize();
    const TRect room = textR;
    TRect rightGlyphR;
    CalcCaptionLayout(canvas, room, text, RealAlignment(), captionFormat, {glyph.X, glyph.Y}, {0, 0},
                      FGlyphLayout, FDrawPushedCaption && Pushed(), textR, glyphR, rightGlyphR,
                      FCaptionRoatationAngle != tra0);
    if (!Enabled() && GetSkinManager().GetSkinType() == sknNone) {
        OffsetRect(textR, 1, 1);
        canvas.Font()->SetColor(clBtnHighlight);
        DrawSkinText(canvas, text, textR, captionFormat, FCaptionGlow, FCaptionGlowColor,
                     FCaptionRoatationAngle);
        OffsetRect(textR, -1, -1);
        canvas.Font()->SetColor(clGrayText);
    }
    TRect drawn = textR;
    DrawSkinText(canvas, text, drawn, captionFormat, FCaptionGlow, FCaptionGlowColor, FCaptionRoatationAngle);
    DrawGlyph(canvas, glyphR);
}

int TQvTextObject::DrawCaption(TCanvas& canvas, TRect& rect, unsigned captionFormat)
{
    std::string text = Caption();
    if (captionFormat & DT_CALCRECT)
        return DrawSkinText(canvas, text, rect, captionFormat, gldNone, 0xFFFF, tra0);
    canvas.Brush()->SetStyle(bsClear);
    const TQvSkinStatesType state =
        TQvSkinOptions::GetState(Enabled(), Pushed(), MouseInControl(), Checked());
    uint32_t format = captionFormat;
    bool paintDefault = true;
    if (OnDrawCaption)
        OnDrawCaption(this, canvas, ClientRect(), state, text, rect, format, false, pstPrePaint,
                      paintDefault);
    TRect textR = rect;
    TRect glyphR;
    if (paintDefault)
        DrawCaptionText(canvas, text, format, textR, glyphR);
    paintDefault = true;
    if (OnDrawCaption)
        OnDrawCaption(this, canvas, ClientRect(), state, text, rect, format, false, pstPostPaint,
                      paintDefault);
    if (paintDefault && ShowsFocus()) {
        TRect focusR;
        GetFocusRect(focusR, ClientRect(), textR, glyphR);
        DrawFocusRectBW(canvas, focusR);
    }
    return textR.Height();
}

// --- clicks ------------------------------------------------------------------------------------------------

void TQvTextObject::Click()
{
    if (ComponentState().Contains(csLoading))
        return;
    Invalidate();
    TQvCustomControl::Click();
    ExecuteLink();
}

void TQvTextObject::ExecuteLink()
{
    // Only web and mail addresses open; a file name or a program in LinkText never runs.
    if (!FLinkText.empty() && IsWebOrMailAddress(FLinkText))
        OpenLink(FLinkText, TLinkSource::ShownText);
}
