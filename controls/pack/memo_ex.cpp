#include "controls/pack/memo_ex.h"

#include "controls/grid/window_canvas.h"
#include "platform/gui/windows/message_views.h"

using namespace LabelPositions;

TKvpCustomMemoEx::TKvpCustomMemoEx(TComponent* owner) : TKvpPartsControl(owner)
{
    SetupInternalLabel();
    SetParentFont(true);
    FAppearance = std::make_unique<TKvpCustomMemoExAppearance>(owner);
    FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
    FFlash = std::make_unique<TKvpFlashMemoEx>(this);
    SetParentColor(false);
    SetAutoSize(false);
    SetCtl3D(false);
    SetBorderStyle(bsNone);
    controlStyle_.Exclude(csFramed);
    SetBounds(0, 0, 185, 89);
}

TKvpCustomMemoEx::~TKvpCustomMemoEx() = default;

void TKvpCustomMemoEx::SetupInternalLabel()
{
    if (FBoundLabel)
        return;
    FBoundLabel = new TKvpControlBoundLabel(this);
    FBoundLabel->FreeNotification(this);
    FBoundLabel->OnAdjustBounds = [this](TObject*) { PlaceLabel(); };
    FBoundLabel->SetFocusControl(this);
}

void TKvpCustomMemoEx::SetAppearance(const TKvpCustomMemoExAppearance* value)
{
    if (!value)
        return;
    FAppearance->Assign(value);
    AppearanceChanged();
}

void TKvpCustomMemoEx::SetFlash(const TKvpFlashMemoEx* value)
{
    if (value)
        FFlash->Assign(value);
}

void TKvpCustomMemoEx::SetBoundLabelPosition(TBoundLabelPosition value)
{
    if (!FBoundLabel)
        return;
    FBoundLabelPosition = value;
    const int w = FBoundLabel->Width();
    const int h = FBoundLabel->Height();
    const int s = FBoundLabelSpacing;
    TPoint p;
    switch (value) {
    case LabelPositions::lpAbove:
        p = {Left(), Top() - h - s};
        break;
    case LabelPositions::lpBelow:
        p = {Left(), Top() + Height() + s};
        break;
    case LabelPositions::lpLeft:
        p = {Left() - w - s, Top() + (Height() - h) / 2};
        break;
    case LabelPositions::lpRight:
        p = {Left() + Width() + s, Top() + (Height() - h) / 2};
        break;
    }
    FBoundLabel->SetBounds(p.X, p.Y, w, h);
    FBoundLabel->SetVisible(FShowLabel && Visible());
}

void TKvpCustomMemoEx::SetBoundLabelSpacing(int value)
{
    FBoundLabelSpacing = value;
    PlaceLabel();
}

void TKvpCustomMemoEx::Loaded()
{
    TCustomMemo::Loaded();
    SetColor(FAppearance->NormalBgColor());
    Font()->SetColor(FAppearance->NormalTextColor());
    // The stored colours are in place only now: a flash ends on them.
    FFlash->RecordMemoColors();
}

void TKvpCustomMemoEx::AppearanceChanged()
{
    if (!IsLoading(*this))
        ApplyAppearance();
}

void TKvpCustomMemoEx::Notification(TComponent* component, TOperation operation)
{
    TKvpPartsControl::Notification(component, operation);
    if (operation == opRemove && component == FBoundLabel && !IsDestroying(*this))
        FBoundLabel = nullptr;
}

void TKvpCustomMemoEx::SetParent(TWinControl* parent)
{
    TCustomMemo::SetParent(parent);
    if (!FBoundLabel)
        return;
    FBoundLabel->SetParent(parent);
    FBoundLabel->SetVisible(true);
}

void TKvpCustomMemoEx::SetBounds(int left, int top, int width, int height)
{
    TCustomMemo::SetBounds(left, top, width, height);
    PlaceLabel();
    AnchorsFollow();
}

TKvpCustomMemoEx::TStateColors TKvpCustomMemoEx::StateColors() const
{
    const TKvpCustomMemoExAppearance& a = *FAppearance;
    if (!Enabled())
        return {a.DisabledBgColor(), a.DisabledTextColor(), a.DisabledBorderColor()};
    if (Focused())
        return {a.FocusedBgColor(), a.FocusedTextColor(), a.FocusedBorderColor()};
    if (FMouseOverControl)
        return {a.HotBgColor(), a.HotTextColor(), a.HotBorderColor()};
    return {a.NormalBgColor(), a.NormalTextColor(), a.NormalBorderColor()};
}

void TKvpCustomMemoEx::ApplyAppearance()
{
    const TStateColors colors = StateColors();
    if (Color() != colors.Background)
        SetColor(colors.Background);
    Font()->SetColor(colors.Text);
    PaintMemoFrame();
}

void TKvpCustomMemoEx::PaintMemoFrame()
{
    const TStateColors colors = StateColors();
    SetColor(colors.Background);
    if (!HandleAllocated())
        return;
    const TWindowCanvas window(Handle());
    if (window.Canvas())
        PaintFrameOn(*window.Canvas(), colors);
}

void TKvpCustomMemoEx::PaintFrameOn(TCanvas& canvas, const TStateColors& colors)
{
    canvas.Brush()->SetStyle(bsSolid);
    TRect r{0, 0, Width(), Height()};
    canvas.Brush()->SetColor(colors.Border);
    canvas.FrameRect(r);
    canvas.Brush()->SetColor(colors.Background);
    for (int ring = 0; ring < 2; ++ring) {
        InflateRect(r, -1, -1);
        canvas.FrameRect(r);
    }
    // The square between the two scroll bars.
    if (ScrollBars() == ssBoth) {
        canvas.Brush()->SetColor(clBtnFace);
        canvas.FillRect({r.Right - 17, r.Bottom - 17, r.Right - 1, r.Bottom - 1});
    }
}

void TKvpCustomMemoEx::MouseEnterLeave(bool enter)
{
    // A program in the background shows no hot colours.
    if (enter && !GetActiveWindow())
        return;
    FMouseOverControl = enter;
    ApplyAppearance();
}

void TKvpCustomMemoEx::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomMemo::Dispatch(message);
        ApplyAppearance();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TCustomMemo::Dispatch(message);
        MouseEnterLeave(message.Msg == CM_MOUSEENTER);
        return;
    case CM_ENABLEDCHANGED:
        TCustomMemo::Dispatch(message);
        if (FBoundLabel)
            FBoundLabel->SetEnabled(Enabled());
        ApplyAppearance();
        return;
    case CM_VISIBLECHANGED:
        TCustomMemo::Dispatch(message);
        if (FBoundLabel)
            FBoundLabel->SetVisible(FShowLabel && Visible());
        return;
    case CM_BIDIMODECHANGED:
        TCustomMemo::Dispatch(message);
        if (FBoundLabel)
            FBoundLabel->SetBiDiMode(BiDiMode());
        return;
    case CM_PARENTCOLORCHANGED:
    case CM_SYSCOLORCHANGE:
        AppearanceChanged();
        return;
    case WM_NCCALCSIZE:
        TCustomMemo::Dispatch(message);
        InflateRect(TNCCalcSizeView(message).Params->rgrc[0], -3, -3);
        return;
    case WM_NCPAINT:
        TCustomMemo::Dispatch(message);
        if (HDC frame = message.WParam > 1 ? TPaintView(message).DC : nullptr)
            PaintFrameOn(*frame, StateColors());
        else
            PaintMemoFrame();
        return;
    default:
        TCustomMemo::Dispatch(message);
    }
}
