#include "controls/edits/group_box.h"

#include "controls/edits/component_version.h"
#include "controls/edits/property_store.h"
#include "controls/edits/theme_binding.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/windows/window_functions.h"
#include "platform/gui/windows/window_theme.h"
#include "support/utf8.h"

#include <algorithm>

TVezCustomGroupBox::TVezCustomGroupBox(TComponent* owner)
    : TCustomGroupBox(owner), checkBox_(std::make_unique<TGroupBoxCheck>(this))
{
    controlStyle_.Exclude(csOpaque);
    checkBox_->OnChange = [this](TObject*) { Invalidate(); };
    SetParentCtl3D(false);
    SetCtl3D(false);
}

TVezCustomGroupBox::~TVezCustomGroupBox() = default;

std::string TVezCustomGroupBox::Version() const
{
    return VersionText(GetVersionNr());
}

// --- properties
// ----------------------------------------------------------------------------------------------

void TVezCustomGroupBox::SetLayoutProperty(bool changed)
{
    if (!changed)
        return;
    Invalidate();
    Realign();
}

void TVezCustomGroupBox::SetBorderColor(TColor value)
{
    if (StoreChanged(borderColor_, value))
        Invalidate();
}

void TVezCustomGroupBox::SetBorderStyle(TBorderStyle value)
{
    SetLayoutProperty(StoreChanged(borderStyle_, value));
}

void TVezCustomGroupBox::SetCaptionPosition(TCaptionPosition value)
{
    SetLayoutProperty(StoreChanged(captionPosition_, value));
}

void TVezCustomGroupBox::SetImages(TCustomImageList* value)
{
    if (value == images_)
        return;
    images_ = value;
    if (value)
        value->FreeNotification(this);
    else
        imageIndex_ = -1;
    SetLayoutProperty(true);
}

void TVezCustomGroupBox::SetImageIndex(int value)
{
    SetLayoutProperty(StoreChanged(imageIndex_, value));
}

void TVezCustomGroupBox::SetTransparent(bool value)
{
    if (StoreChanged(transparent_, value))
        Invalidate();
}

void TVezCustomGroupBox::SetRoundEdges(bool value)
{
    if (StoreChanged(roundEdges_, value))
        Invalidate();
}

void TVezCustomGroupBox::SetDisabledFontColor(TColor value)
{
    if (!StoreChanged(disabledFontColor_, value))
        return;
    Invalidate();
    DisabledFontColorChanged();
}

void TVezCustomGroupBox::Notification(TComponent* component, TOperation operation)
{
    TCustomGroupBox::Notification(component, operation);
    if (operation == opRemove && component == images_ && !ComponentState().Contains(csDestroying))
        SetImages(nullptr);
}

// --- layout ------------------------------------------------------------------------------------------------

int TVezCustomGroupBox::FrameWidth() const
{
    switch (borderStyle_) {
    case bsSingle:
        return Ctl3D() ? 2 : 1;
    case bsDouble:
        return Ctl3D() ? 4 : 2;
    default:
        return 1;
    }
}

bool TVezCustomGroupBox::HasCaption() const
{
    return !Caption().empty() || checkBox_->Visible() || (images_ && imageIndex_ >= 0);
}

bool TVezCustomGroupBox::TopCaption() const
{
    return captionPosition_ == cpTopLeft || captionPosition_ == cpTopRight || captionPosition_ == cpTopCenter;
}

TVezCustomGroupBox::TCaptionLayout TVezCustomGroupBox::CaptionLayout() const
{
    TSize text;
    if (!Caption().empty()) {
        TBitmap scratch(1, 1);
        scratch.Canvas()->SetFont(Font());
        TRect measured{0, 0, 1000, 100};
        DrawText(*scratch.Canvas(), Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
        text = {measured.Width(), measured.Height()};
    }
    const bool image = images_ && imageIndex_ >= 0;
    const TSize imageSize = image ? TSize{images_->Width(), images_->Height()} : TSize{};
    const int imageGap = text.cx > 0 && imageSize.cx > 0 ? 3 : 0;
    const bool check = checkBox_->Visible();
    const int checkSize = check ? (checkBox_->Themed() ? 16 : 14) : 0;
    const int checkGap = check && (text.cx > 0 || imageSize.cx > 0) ? 3 : 0;
    const int width = checkSize + checkGap + imageSize.cx + imageGap + text.cx;
    const int height = std::max({text.cy, imageSize.cy, checkSize}) + 2;

    TCaptionLayout layout;
    const int top = TopCaption() ? 0 : Height() - height;
    int left = 8;
    if (captionPosition_ == cpTopRight || captionPosition_ == cpBottomRight)
        left = Width() - 8 - width;
    else if (captionPosition_ == cpTopCenter || captionPosition_ == cpBottomCenter)
        left = (Width() - width) / 2;
    layout.Area = Bounds(left, top, width, height);
    layout.Text = layout.Area;
    if (check) {
        const int boxTop = top + (height - checkSize) / 2;
        if (checkBox_->Position() == TGroupBoxCheck::cpLeft) {
            layout.Box = Bounds(left, boxTop, checkSize, checkSize);
            layout.Text.Left = layout.Box.Right + checkGap;
        } else {
            layout.Box = Bounds(layout.Area.Right - checkSize, boxTop, checkSize, checkSize);
            layout.Text.Right = layout.Box.Left - checkGap;
        }
    }
    return layout;
}

int TVezCustomGroupBox::CaptionHeight(const TCaptionLayout& layout) const
{
    return std::max(layout.Area.Height(), FrameWidth());
}

void TVezCustomGroupBox::AdjustClientRect(TRect& rect) const
{
    const int bw = FrameWidth();
    const int room = std::max(bw, CaptionHeight(CaptionLayout()));
    if (TopCaption())
        rect = {rect.Left + bw, rect.Top + room, rect.Right - bw, rect.Bottom - bw};
    else
        rect = {rect.Left + bw, rect.Top + bw, rect.Right - bw, rect.Bottom - room};
    InflateRect(rect, -1, -1);
}

TRect TVezCustomGroupBox::FrameRect(const TCaptionLayout& layout) const
{
    TRect frame = ClientRect();
    if (!HasCaption())
        return frame;
    const int half = CaptionHeight(layout) / 2;
    if (TopCaption()) {
        frame.Top += half;
    } else {
        frame.Bottom -= half;
        if (borderStyle_ == bsDouble)
            frame.Bottom += 1;
    }
    return frame;
}

// --- painting ----------------------------------------------------------------------------------------------

void TVezCustomGroupBox::PaintParentBackground()
{
    DrawThemeParentBackground(Handle(), Canvas(), nullptr);
}

void TVezCustomGroupBox::Paint()
{
    TCanvas& canvas = *Canvas();
    if (transparent_) {
        PaintParentBackground();
    } else {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    const TCaptionLayout layout = CaptionLayout();
    PaintCaption(layout);
    // The frame leaves out the caption and one pixel on each side of it.
    const int saved = SaveDC(canvas);
    if (HasCaption())
        ExcludeClipRect(canvas, layout.Area.Left - 1, layout.Area.Top, layout.Area.Right + 1,
                        layout.Area.Bottom);
    PaintFrame(FrameRect(layout));
    RestoreDC(canvas, saved);
}

void TVezCustomGroupBox::PaintCaption(const TCaptionLayout& layout)
{
    TCanvas& canvas = *Canvas();
    DrawCheckBox(layout.Box);
    int x = layout.Text.Left;
    if (images_ && imageIndex_ >= 0) {
        images_->Draw(canvas, layout.Text.Left, layout.Text.Top, imageIndex_, EffectiveEnabled());
        x = layout.Text.Left + images_->Width() + 3;
    }
    canvas.Brush()->SetStyle(bsClear);
    if (Caption().empty())
        return;
    canvas.SetFont(Font());
    if (!EffectiveEnabled())
        canvas.Font()->SetColor(disabledFontColor_);
    TRect text{x, layout.Text.Top, layout.Text.Right, layout.Text.Bottom};
    DrawText(canvas, Caption(), text, DT_SINGLELINE | DT_VCENTER);
}

void TVezCustomGroupBox::DrawShape(const TRect& rect)
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(bsClear);
    if (roundEdges_)
        canvas.RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, 6, 6);
    else
        canvas.Rectangle(rect);
}

void TVezCustomGroupBox::PaintFrame(const TRect& frame)
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(bsClear);
    // The etched look of older platforms, for the default colour only.
    const bool etched = Ctl3D() && PlatformAnswers().Version61OrOlder() && borderColor_ == clSilver;
    TRect f = frame;
    switch (borderStyle_) {
    case bsNone:
        return;
    case bsSingle:
        canvas.Pen()->SetColor(borderColor_);
        if (etched) {
            canvas.Pen()->SetColor(clWhite);
            canvas.RoundRect(f.Left + 1, f.Top + 1, f.Right - 1, f.Bottom, 6, 6);
            f.Bottom -= 1;
            canvas.Pen()->SetColor(0xE5DFD5);
        }
        DrawShape(f);
        return;
    case bsDouble:
        if (etched) {
            const struct
            {
                TColor color;
                TRect rect;
            } rings[] = {{clWhite, {f.Left + 1, f.Top + 1, f.Right, f.Bottom}},
                         {clGray, {f.Left, f.Top, f.Right - 1, f.Bottom - 1}},
                         {clWhite, {f.Left + 3, f.Top + 3, f.Right - 2, f.Bottom - 2}},
                         {clGray, {f.Left + 2, f.Top + 2, f.Right - 3, f.Bottom - 3}}};
            for (const auto& ring : rings) {
                canvas.Pen()->SetColor(ring.color);
                DrawShape(ring.rect);
            }
            return;
        }
        canvas.Pen()->SetColor(borderColor_);
        DrawShape(f);
        DrawShape({f.Left + 2, f.Top + 2, f.Right - 2, f.Bottom - 2});
        return;
    }
}

bool TVezCustomGroupBox::DrawThemedCheckBox(const TRect& box)
{
    const TThemeBinding& themes = GroupBoxThemeBinding();
    const TPlatformAnswers& platform = PlatformAnswers();
    if (!checkBox_->Themed() || !platform.VistaOrLater() || platform.CommonControlsVersion <= 5 ||
        !themes.IsThemeActive())
        return false;
    HTHEME theme = themes.OpenThemeData("button");
    if (!theme)
        return false;
    const int base = checkBox_->State() == cbChecked ? 5 : checkBox_->State() == cbGrayed ? 9 : 1;
    const int look = !EffectiveEnabled() ? 3 : checkBox_->Down() ? 2 : checkBox_->Hot() ? 1 : 0;
    themes.DrawThemeBackground(theme, *Canvas(), BP_CHECKBOX, base + look, box);
    themes.CloseThemeData(theme);
    return true;
}

void TVezCustomGroupBox::DrawCheckBox(const TRect& box)
{
    if (!checkBox_->Visible() || DrawThemedCheckBox(box))
        return;
    const char state = checkBox_->State() == cbChecked ? 'C' : checkBox_->State() == cbGrayed ? 'G' : 'U';
    const std::string variant = checkBox_->Down() ? "D" : checkBox_->Hot() ? "H" : "";
    TBitmap bitmap;
    bitmap.LoadFromResourceName(std::string("KRNGRP") + state + variant);
    bitmap.SetTransparentMode(tmAuto);
    bitmap.SetTransparent(true);
    Canvas()->Draw(box.Left, box.Top, &bitmap);
}

void TVezCustomGroupBox::RedrawCheckBox()
{
    if (!checkBox_->Visible() || !HandleAllocated())
        return;
    const TRect box = CaptionLayout().Box;
    InvalidateRect(Handle(), &box, true);
    UpdateWindow(Handle());
}

// --- the check box's effects
// ---------------------------------------------------------------------------------

void TVezCustomGroupBox::ApplyCheckBoxAction()
{
    const TGroupBoxCheck::TCheckBoxAction action = checkBox_->Action();
    if (!Enabled() || !checkBox_->Visible() || checkBox_->State() == cbGrayed ||
        action == TGroupBoxCheck::caNone)
        return;
    const bool checked = checkBox_->State() == cbChecked;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (action == TGroupBoxCheck::caDisable || action == TGroupBoxCheck::caControlsDisable) {
            child->SetEnabled(checked);
        } else if (auto* checkBox = dynamic_cast<TCheckBox*>(child)) {
            checkBox->SetChecked(checked);
        } else if (auto* windowed = dynamic_cast<TWinControl*>(child);
                   windowed && AsciiUpperCase(windowed->ClassName()) == "TVEZOFFICECHECKBOX") {
            windowed->Perform(BM_SETCHECK, static_cast<WPARAM>(checkBox_->State()), 0);
        }
    }
}

void TVezCustomGroupBox::DoCheckBoxClick()
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this);
}

void TVezCustomGroupBox::Loaded()
{
    TCustomGroupBox::Loaded();
    if (checkBox_->Visible() && checkBox_->Action() != TGroupBoxCheck::caNone)
        ApplyCheckBoxAction();
}

void TVezCustomGroupBox::CreateWnd()
{
    TCustomGroupBox::CreateWnd();
    if (checkBox_->Visible() && checkBox_->Action() != TGroupBoxCheck::caNone)
        ApplyCheckBoxAction();
}
