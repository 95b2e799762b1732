#include "platform/gui/standard/stdctrls_labels.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner)
{
    controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csReplicatable, csDoubleClicks};
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TCustomLabel::Changed()
{
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout value)
{
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    Changed();
}

void TCustomLabel::SetTransparent(bool value)
{
    if (value == Transparent())
        return;
    if (value)
        controlStyle_.Exclude(csOpaque);
    else
        controlStyle_.Include(csOpaque);
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value)
{
    if (value == showAccelChar_)
        return;
    showAccelChar_ = value;
    Changed();
}

void TCustomLabel::SetFocusControl(TWinControl* control)
{
    if (focusControl_)
        focusControl_->RemoveFreeNotification(this);
    focusControl_ = control;
    if (control)
        control->FreeNotification(this);
}

void TCustomLabel::SetEllipsisPosition(TEllipsisPosition value)
{
    if (value == ellipsisPosition_)
        return;
    ellipsisPosition_ = value;
    Changed();
}

void TCustomLabel::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_)
        focusControl_ = nullptr;
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

unsigned TCustomLabel::DrawTextFlags() const
{
    static constexpr unsigned alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    static constexpr unsigned ellipses[] = {0, DT_PATH_ELLIPSIS, DT_END_ELLIPSIS, DT_WORD_ELLIPSIS};
    unsigned flags = DT_EXPANDTABS | alignments[alignment_] | ellipses[ellipsisPosition_];
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::DoDrawText(TRect& rect, unsigned flags)
{
    std::string text = GetLabelText();
    TCanvas& canvas = *Canvas();
    canvas.SetFont(Font());
    // An empty caption still measures one line high.
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&")))
        text += " ";
    DrawControlText(canvas, text, rect, flags, EffectiveEnabled());
}

void TCustomLabel::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect client = ClientRect();
    if (!Transparent()) {
        canvas.Brush()->SetColor(Color());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.FillRect(client);
    }
    canvas.Brush()->SetStyle(bsClear);
    TRect rect = client;
    const unsigned flags = DrawTextFlags();
    if (layout_ != tlTop) {
        TRect measured = client;
        DoDrawText(measured, flags | DT_CALCRECT);
        const int offset = client.Height() - measured.Height();
        rect.Top += layout_ == tlBottom ? offset : offset / 2;
    }
    DoDrawText(rect, flags);
}

void TCustomLabel::AdjustBounds()
{
    if (!autoSize_ || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying))
        return;
    TRect rect = ClientRect();
    DoDrawText(rect, DrawTextFlags() | DT_CALCRECT);
    int left = Left();
    const int newWidth = wordWrap_ ? Width() : rect.Width();
    if (alignment_ == taRightJustify)
        left += Width() - newWidth;
    else if (alignment_ == taCenter)
        left += (Width() - newWidth) / 2;
    SetBounds(left, Top(), newWidth, rect.Height());
}

void TCustomLabel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        Changed();
        return;
    case CM_DIALOGCHAR:
        if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(TCharView(message).Char(), Caption()) &&
            focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            message.Result = 1;
        }
        return;
    default:
        TGraphicControl::Dispatch(message);
    }
}
