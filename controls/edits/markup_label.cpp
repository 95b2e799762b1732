#include "controls/edits/markup_label.h"

#include "controls/edits/banded_gradient.h"
#include "controls/edits/component_version.h"
#include "controls/edits/markup_text.h"
#include "controls/edits/property_store.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/services/link_opener.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

namespace {

constexpr TRect NoRect{-1, -1, -1, -1};

// A frame of width pixels drawn inward from rect: topLeft on the top and left sides, bottomRight on the
// others; rect shrinks by the width.
void DrawFrame(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width)
{
    for (int i = 0; i < width && rect.Width() > 0 && rect.Height() > 0; ++i) {
        canvas.Pen()->SetColor(topLeft);
        canvas.Polyline({{rect.Left, rect.Bottom - 1}, {rect.Left, rect.Top}, {rect.Right - 1, rect.Top}});
        canvas.Pen()->SetColor(bottomRight);
        canvas.Polyline({{rect.Right - 1, rect.Top},
                         {rect.Right - 1, rect.Bottom - 1},
                         {rect.Left - 1, rect.Bottom - 1}});
        InflateRect(rect, -1, -1);
    }
}

void DrawBevel(TCanvas& canvas, TRect& rect, TBevelCut cut, int width)
{
    if (cut == bvNone)
        return;
    const bool lowered = cut == bvLowered;
    DrawFrame(canvas, rect, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow,
              width);
}

} // namespace

TMarkupLabel::TMarkupLabel(TComponent* owner)
    : TCustomLabel(owner), htmlText_(std::make_unique<TStringList>()),
      imageCache_(std::make_unique<THTMLPictureCache>()), imagesLink_(std::make_unique<TChangeLink>()),
      measureBitmap_(std::make_unique<TBitmap>(1, 1))
{
    SetTransparent(true);
    TCustomLabel::SetAutoSize(false);
    SetCaption("");
    htmlText_->OnChange = [this](TObject* sender) { HTMLTextChanged(sender); };
    imagesLink_->OnChange = [this](TObject*) { Invalidate(); };
    SetWidth(120);
}

TMarkupLabel::~TMarkupLabel()
{
    imageCache_->ClearPictures();
}

std::string TMarkupLabel::Version() const
{
    return VersionText(GetVersionNr());
}

// --- markup ------------------------------------------------------------------------------------------------

void TMarkupLabel::HTMLTextChanged(TObject*)
{
    imageCache_->ClearPictures();
    MarkupChanged();
}

void TMarkupLabel::SetHTMLText(const TStrings* lines)
{
    std::string text = lines ? lines->Text() : std::string();
    std::erase(text, '\r');
    std::erase(text, '\n');
    htmlText_->BeginUpdate();
    htmlText_->Clear();
    htmlText_->Add(text);
    htmlText_->EndUpdate();
}

std::string TMarkupLabel::JoinedMarkup() const
{
    std::string joined;
    for (int i = 0; i < htmlText_->Count(); ++i) {
        const std::string line = htmlText_->Get(i);
        if (i > 0 && !(joined.ends_with('>') && line.starts_with('<')))
            joined += ' ';
        joined += line;
    }
    return joined;
}

std::string TMarkupLabel::PlainText() const
{
    return StripMarkup(JoinedMarkup());
}

void TMarkupLabel::MarkupChanged()
{
    SizeToText();
    Invalidate();
}

void TMarkupLabel::Changed(bool resize)
{
    if (resize)
        SizeToText();
    Invalidate();
}

// --- properties
// ----------------------------------------------------------------------------------------------

void TMarkupLabel::SetAutoSizing(bool value)
{
    autoSizing_ = value;
    if (ComponentState().Contains(csLoading))
        return;
    const bool vertical = autoSizeType_ == asVertical && vAlignment_ != tvaTop;
    if (value && !vertical) {
        if (Align() == alLeft || Align() == alRight)
            SetWidth(6);
        else if (Align() == alTop || Align() == alBottom)
            SetHeight(6);
    }
    Changed(true);
}

void TMarkupLabel::SetAutoSizeType(TAutoSizeType value)
{
    autoSizeType_ = value;
    SetAutoSizing(autoSizing_);
}

void TMarkupLabel::SetBevelInner(TBevelCut value)
{
    bevelInner_ = value;
    Changed(true);
}

void TMarkupLabel::SetBevelOuter(TBevelCut value)
{
    bevelOuter_ = value;
    Changed(true);
}

void TMarkupLabel::SetBevelWidth(int value)
{
    bevelWidth_ = value;
    Changed(true);
}

void TMarkupLabel::SetBorderWidth(int value)
{
    borderWidth_ = value;
    Changed(true);
}

void TMarkupLabel::SetBorderStyle(TBorderStyle value)
{
    borderStyle_ = value;
    Changed(true);
}

void TMarkupLabel::SetBorderColor(TColor value)
{
    if (StoreChanged(borderColor_, value))
        Changed();
}

void TMarkupLabel::SetColorTo(TColor value)
{
    if (StoreChanged(colorTo_, value))
        Changed();
}

void TMarkupLabel::SetEllipsis(bool value)
{
    if (StoreChanged(ellipsis_, value))
        Changed(true);
}

void TMarkupLabel::SetGradientType(TGradientType value)
{
    if (StoreChanged(gradientType_, value))
        Changed();
}

void TMarkupLabel::SetImages(TCustomImageList* value)
{
    if (value == images_)
        return;
    if (images_)
        images_->UnRegisterChanges(imagesLink_.get());
    images_ = value;
    if (images_) {
        images_->RegisterChanges(imagesLink_.get());
        images_->FreeNotification(this);
    }
    Changed(true);
}

void TMarkupLabel::SetLineWidth(int value)
{
    if (StoreChanged(lineWidth_, value))
        Changed();
}

void TMarkupLabel::SetLineSpacing(int value)
{
    if (StoreChanged(lineSpacing_, value))
        Changed(true);
}

void TMarkupLabel::SetPictureContainer(TPictureContainer* value)
{
    pictureContainer_ = value;
    if (value)
        value->FreeNotification(this);
}

void TMarkupLabel::SetShadowColor(TColor value)
{
    if (StoreChanged(shadowColor_, value))
        Changed();
}

void TMarkupLabel::SetShadowOffset(int value)
{
    if (StoreChanged(shadowOffset_, value))
        Changed();
}

void TMarkupLabel::SetURLColor(TColor value)
{
    if (StoreChanged(urlColor_, value))
        Changed();
}

void TMarkupLabel::SetVAlignment(TVAlignment value)
{
    if (StoreChanged(vAlignment_, value))
        Changed();
}

void TMarkupLabel::Loaded()
{
    TCustomLabel::Loaded();
    SetCaption("");
    SetAutoSizing(autoSizing_);
}

void TMarkupLabel::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component == images_) {
        images_ = nullptr;
        imagesLink_->SetSender(nullptr);
    }
    if (operation == opRemove && component == pictureContainer_)
        pictureContainer_ = nullptr;
    TCustomLabel::Notification(component, operation);
}

// --- layout ------------------------------------------------------------------------------------------------

TCanvas& TMarkupLabel::MeasureCanvas()
{
    TCanvas& canvas = *measureBitmap_->Canvas();
    canvas.SetFont(Font());
    canvas.Brush()->SetColor(Color());
    return canvas;
}

TMarkupRenderResult TMarkupLabel::DrawMarkup(TCanvas& canvas, const std::string& markup, const TRect& rect,
                                             TPoint mouse, bool hitTest)
{
    TMarkupRenderInput input;
    input.Text = markup;
    input.Area = rect;
    input.Images = images_;
    input.Mouse = mouse;
    input.HoverLink = hoverLink_;
    input.ShadowOffset = shadowOffset_;
    input.HitTestOnly = hitTest;
    input.HoverStyle = hover_;
    input.WordWrap = !ellipsis_;
    input.URLColor = urlColor_;
    input.HoverColor = hoverColor_;
    input.HoverFontColor = hoverFontColor_;
    input.ShadowColor = shadowColor_;
    input.Cache = imageCache_.get();
    input.Container = pictureContainer_;
    input.LineSpacing = lineSpacing_;
    input.BiDiMode = BiDiMode();
    const TMarkupRenderResult result = RenderMarkup(canvas, input);
    layoutSize_ = {result.Width, result.Height};
    return result;
}

TSize TMarkupLabel::HTMLSize()
{
    DrawMarkup(MeasureCanvas(), JoinedMarkup(), {0, 0, 4096, 4096}, {-1, -1}, true);
    return layoutSize_;
}

TRect TMarkupLabel::TextArea() const
{
    TRect rect = ClientRect();
    const bool bevel = bevelOuter_ != bvNone || bevelInner_ != bvNone;
    const int frames = (bevelOuter_ != bvNone ? bevelWidth_ : 0) + borderWidth_ +
                       (bevelInner_ != bvNone ? bevelWidth_ : 0) + (bevel ? bevelWidth_ : 0) +
                       (borderStyle_ == bsSingle ? (borderWidth_ + 1) / 2 : 0);
    InflateRect(rect, -frames, -frames);
    return rect;
}

bool TMarkupLabel::SizesVertically() const
{
    return autoSizing_ && (autoSizeType_ == asVertical || autoSizeType_ == asBoth) &&
           (Align() == alNone || Align() == alTop || Align() == alBottom);
}

bool TMarkupLabel::SizesHorizontally() const
{
    return autoSizing_ && (autoSizeType_ == asHorizontal || autoSizeType_ == asBoth) &&
           (Align() == alNone || Align() == alLeft || Align() == alRight);
}

// The size is set before painting, so that a paint never changes it and paints only once.
void TMarkupLabel::SizeToText()
{
    const TComponentState state = ComponentState();
    if (sizing_ || !autoSizing_ || state.Contains(csLoading) || state.Contains(csDestroying))
        return;
    TRect area = TextArea();
    if (SizesHorizontally())
        area.Right += 65535;
    if (SizesVertically())
        area.Bottom += 65535;
    DrawMarkup(MeasureCanvas(), JoinedMarkup(), area, {-1, -1}, true);
    const int border = borderStyle_ == bsSingle ? 2 * borderWidth_ : 0;
    const int width = SizesHorizontally() ? layoutSize_.cx + border + 6 : Width();
    const int height = SizesVertically() ? layoutSize_.cy + border + 6 : Height();
    if (width == Width() && height == Height())
        return;
    sizing_ = true;
    SetBounds(Left(), Top(), width, height);
    sizing_ = false;
    if (OnNewSize)
        OnNewSize(this, Width(), Height());
}

void TMarkupLabel::Resize()
{
    TCustomLabel::Resize();
    SizeToText();
}

int TMarkupLabel::AlignedTop(const TRect& area, int textHeight) const
{
    const TVAlignment alignment = SizesVertically() ? tvaTop : vAlignment_;
    if (alignment == tvaCenter)
        return area.Top + (area.Height() - textHeight) / 2;
    if (alignment == tvaBottom)
        return area.Bottom - textHeight;
    return area.Top;
}

// --- painting ----------------------------------------------------------------------------------------------

void TMarkupLabel::PaintBackground(TCanvas& canvas, const TRect& client)
{
    const int bands = client.Width() / 4;
    if (!Transparent()) {
        if (colorTo_ != clNone && (gradientType_ == gtFullHorizontal || gradientType_ == gtFullVertical)) {
            MarkupGradientFill(canvas, Color(), colorTo_, clNone, bands, client,
                               gradientType_ == gtFullHorizontal);
        } else {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(Color());
            canvas.Pen()->SetColor(Color());
            canvas.Rectangle(client);
        }
    }
    const TColor to = colorTo_ == clNone ? clWhite : colorTo_;
    TRect line = client;
    switch (gradientType_) {
    case gtBottomLine:
        line.Top = client.Bottom - lineWidth_;
        break;
    case gtCenterLine:
        line.Top = client.Top + (client.Height() - lineWidth_) / 2;
        line.Bottom = line.Top + lineWidth_;
        break;
    case gtTopLine:
        line.Bottom = client.Top + lineWidth_;
        break;
    default:
        return;
    }
    DrawBandedGradient(canvas, line, Color(), to, bands, true);
}

void TMarkupLabel::PaintFrames(TCanvas& canvas, const TRect& client)
{
    TRect rect = client;
    DrawBevel(canvas, rect, bevelOuter_, bevelWidth_);
    DrawFrame(canvas, rect, Color(), Color(), borderWidth_);
    DrawBevel(canvas, rect, bevelInner_, bevelWidth_);
    if (borderStyle_ != bsSingle || borderWidth_ == 0 || borderColor_ == clNone)
        return;
    const int a = (borderWidth_ + 1) / 2;
    const int b = borderWidth_ / 2;
    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetColor(borderColor_);
    canvas.Pen()->SetWidth(borderWidth_);
    canvas.Polyline({{rect.Left - a, rect.Top - a},
                     {rect.Right + b, rect.Top - a},
                     {rect.Right + b, rect.Bottom + b},
                     {rect.Left - a, rect.Bottom + b},
                     {rect.Left - a, rect.Top - a}});
    canvas.Pen()->SetWidth(1);
}

void TMarkupLabel::Paint()
{
    const TRect client = ClientRect();
    if (client.Width() <= 0 || client.Height() <= 0)
        return;
    SetCaption("");
    std::unique_ptr<TBitmap> buffer;
    if (!Transparent())
        buffer = std::make_unique<TBitmap>(client.Right, client.Bottom);
    TCanvas& canvas = buffer ? *buffer->Canvas() : *Canvas();
    PaintBackground(canvas, client);
    canvas.SetFont(Font());
    PaintFrames(canvas, client);
    const std::string markup = JoinedMarkup();
    TRect area = TextArea();
    canvas.Brush()->SetColor(Color());
    if (SizesVertically() || SizesHorizontally()) {
        if (vAlignment_ == tvaCenter)
            area.Top += 3;
        else if (vAlignment_ == tvaBottom)
            area.Top += 6;
    }
    if (!SizesVertically() && vAlignment_ != tvaTop) {
        DrawMarkup(canvas, markup, area, {-1, -1}, true);
        canvas.SetFont(Font());
        canvas.Brush()->SetColor(Color());
        area.Top = AlignedTop(area, layoutSize_.cy);
    }
    TPoint mouse;
    GetCursorPos(mouse);
    DrawMarkup(canvas, markup, area, ScreenToClient(mouse), false);
    if (buffer)
        Canvas()->Draw(0, 0, buffer.get());
}

void TMarkupLabel::InvalidateArea(const TRect& rect)
{
    if (!Parent() || !Parent()->HandleAllocated())
        return;
    TRect area = rect == NoRect ? ClientRect() : rect;
    OffsetRect(area, Left(), Top());
    InvalidateRect(Parent()->Handle(), &area, true);
}

// --- mouse and hints
// -----------------------------------------------------------------------------------------

std::string TMarkupLabel::AnchorAt(int x, int y, bool wantTitle, TRect* linkRect)
{
    TRect area = TextArea();
    const std::string markup = JoinedMarkup();
    TCanvas& canvas = MeasureCanvas();
    if (!SizesVertically() && vAlignment_ != tvaTop) {
        DrawMarkup(canvas, markup, area, {-1, -1}, true);
        area.Top = AlignedTop(area, layoutSize_.cy);
        canvas.SetFont(Font());
    }
    const TMarkupRenderResult found = DrawMarkup(canvas, markup, area, {x, y}, true);
    hoverLink_ = found.HoverLink;
    if (linkRect)
        *linkRect = found.LinkRect;
    if (!found.OverLink)
        return {};
    return wantTitle && !found.Title.empty() ? found.Title : found.Anchor;
}

void TMarkupLabel::MouseMove(TShiftState shift, int x, int y)
{
    TCustomLabel::MouseMove(shift, x, y);
    TRect rect;
    const std::string anchor = AnchorAt(x, y, false, &rect);
    if (anchor.empty()) {
        if (Cursor() != crHandPoint)
            return;
        SetCursor(crDefault);
        if (OnAnchorExit)
            OnAnchorExit(this, "");
        if (hover_)
            InvalidateArea(hoverRect_);
        hoverRect_ = rect;
        if (hover_)
            InvalidateArea(hoverRect_);
        return;
    }
    if ((anchor != lastAnchor_ || rect != hoverRect_ || previousHoverLink_ == -1) && hover_ && rect != NoRect)
        InvalidateArea(hoverRect_);
    if (Cursor() == crDefault || anchor != lastAnchor_ || hoverLink_ != previousHoverLink_) {
        if (anchorHint_)
            Application->CancelHint();
        SetCursor(crHandPoint);
        if (OnAnchorEnter)
            OnAnchorEnter(this, anchor);
        if (hover_)
            InvalidateArea(hoverRect_);
    }
    lastAnchor_ = anchor;
    previousHoverLink_ = hoverLink_;
    hoverRect_ = rect;
    if (hover_)
        InvalidateArea(hoverRect_);
}

void TMarkupLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomLabel::MouseDown(button, shift, x, y);
    const std::string anchor = AnchorAt(x, y);
    if (button != mbLeft || anchor.empty())
        return;
    AnchorClick(anchor);
    // Only web and mail addresses open: the markup may hold names the program was given.
    OpenLink(anchor, TLinkSource::ShownText);
}

void TMarkupLabel::AnchorClick(const std::string& anchor)
{
    if (OnAnchorClick)
        OnAnchorClick(this, anchor);
}

void TMarkupLabel::MouseLeft()
{
    if (hover_ && hoverLink_ != -1)
        InvalidateArea(hoverRect_);
    hoverLink_ = -1;
}

void TMarkupLabel::HintShow(TMessage& message)
{
    auto& info = *reinterpret_cast<THintInfo*>(message.LParam);
    std::string text;
    if (anchorHint_) {
        text = AnchorAt(info.CursorPos.X, info.CursorPos.Y, true);
        if (!text.empty()) {
            if (OnAnchorHint)
                OnAnchorHint(this, text);
            const TPoint screen = ClientToScreen(info.CursorPos);
            info.HintPos = {screen.X + 10, screen.Y - 10};
            info.HintStr = text;
        }
    }
    if (hintShowFull_ && (text.empty() || !anchorHint_))
        info.HintStr = htmlHint_ ? JoinedMarkup() : PlainText();
    message.Result = 0;
}

void TMarkupLabel::DialogChar(TMessage& message)
{
    TWinControl* focus = FocusControl();
    if (focus && Enabled() && ShowAccelChar() && IsAccel(TCharView(message).Char(), htmlText_->Text()) &&
        focus->CanFocus()) {
        focus->SetFocus();
        message.Result = 1;
    }
}

void TMarkupLabel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSELEAVE:
        MouseLeft();
        break;
    case CM_HINTSHOW:
        HintShow(message);
        return;
    case CM_DIALOGCHAR:
        DialogChar(message);
        return;
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    case CM_FONTCHANGED:
        Changed(true);
        return;
    }
    TCustomLabel::Dispatch(message);
}
