#include "controls/pack/flip_panel.h"

#include "controls/grid/ux_themes.h"
#include "controls/grid/window_canvas.h"
#include "controls/pack/common_types.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

using FlipPanel::THeaderStyle;
using enum FlipPanel::THeaderStyle;
using enum FlipPanel::TFlipKind;

namespace {

std::unique_ptr<TBitmap> ResourceGlyph(const char* name)
{
    auto glyph = std::make_unique<TBitmap>();
    glyph->LoadFromResourceName(name);
    return glyph;
}

} // namespace

TKVGxFlipPanel::TKVGxFlipPanel(TComponent* owner)
    : TGxCollectionControl(owner), FHeaderFont(std::make_unique<TFont>()),
      FRightCaptionFont(std::make_unique<TFont>()), FGlyph(std::make_unique<TBitmap>()),
      FExpandGlyph(ResourceGlyph("KVFLIPPLUS")), FCollapseGlyph(ResourceGlyph("KVCOLLAPSE")),
      FInnerMargins(std::make_unique<TGxMargins>())
{
    controlStyle_.Include(csAcceptsControls);
    controlStyle_.Include(csCaptureMouse);
    controlStyle_.Include(csClickEvents);
    controlStyle_.Include(csDoubleClicks);
    FHeaderFont->OnChange = [this](TObject*) { HeaderFontChanged(); };
    FRightCaptionFont->OnChange = [this](TObject*) { HeaderFontChanged(); };
    CopyFontToHeaderFont();
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
    FExpandGlyph->OnChange = [this](TObject*) { Invalidate(); };
    FCollapseGlyph->OnChange = [this](TObject*) { Invalidate(); };
    FInnerMargins->OnChange = [this](TObject*) {
        Invalidate();
        Realign();
    };
    SetParentColor(false);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 200, 200);
    RegisterSchemeControl(this);
}

TKVGxFlipPanel::~TKVGxFlipPanel()
{
    UnregisterSchemeControl(this);
}

// --- folding -----------------------------------------------------------------------------------------------

void TKVGxFlipPanel::SetExpanded(bool value)
{
    if (value == FExpanded || !FAllowFlip)
        return;
    FExpanding = true;
    const int collapsedHeight = FHeaderHeight + FInnerMargins->Top();
    if (value) {
        // The panels around grow first, so that there is room for this one.
        UpdateParentHeight(FFullHeight - Height());
        SetHeight(FFullHeight);
    } else {
        FFullHeight = std::max(Height(), collapsedHeight);
        if (!IsLoading(*this)) {
            SetHeight(collapsedHeight);
            UpdateParentHeight(Height() - FFullHeight);
        }
    }
    FExpanded = value;
    DoChange();
    if (HandleAllocated()) {
        const TRect button = ButtonRect();
        InvalidateRect(Handle(), &button, false);
    }
    if (value) {
        CollapseSiblings();
        Realign();
    }
    FExpanding = false;
}

void TKVGxFlipPanel::UpdateParentHeight(int delta)
{
    for (auto* parent = dynamic_cast<TKVGxFlipPanel*>(Parent()); parent;
         parent = dynamic_cast<TKVGxFlipPanel*>(parent->Parent()))
        parent->SetHeight(parent->Height() + delta);
}

void TKVGxFlipPanel::CollapseSiblings()
{
    if (!FAutoCollapse || !Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* sibling = dynamic_cast<TKVGxFlipPanel*>(Parent()->Controls(i)); sibling && sibling != this)
            sibling->SetExpanded(false);
}

void TKVGxFlipPanel::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TKVGxFlipPanel::ChangeScale(int multiplier, int divider)
{
    if (divider == 0)
        return;
    auto scale = [=](int value) { return value * multiplier / divider; };
    FFullHeight = scale(FFullHeight);
    FHeaderHeight = scale(FHeaderHeight);
    SetHeight(scale(Height()));
    FInnerMargins->SetTop(scale(FInnerMargins->Top()));
}

// --- properties --------------------------------------------------------------------------------------------

void TKVGxFlipPanel::SetCaptionCollapsed(const std::string& value)
{
    if (value == FCaptionCollapsed)
        return;
    FCaptionCollapsed = value;
    if (!FExpanded)
        Invalidate();
}

void TKVGxFlipPanel::SetHeaderHeight(int value)
{
    if (value == FHeaderHeight)
        return;
    FHeaderHeight = value;
    Realign();
    Invalidate();
}

void TKVGxFlipPanel::SetHeaderFont(const TFont* value)
{
    if (value)
        FHeaderFont->Assign(value);
    Invalidate();
}

void TKVGxFlipPanel::SetRightCaptionFont(const TFont* value)
{
    if (value)
        FRightCaptionFont->Assign(value);
    RepaintHeader();
}

void TKVGxFlipPanel::HeaderFontChanged()
{
    if (FHeaderFontUpdating)
        return;
    FParentHeaderFont = false;
    Invalidate();
}

void TKVGxFlipPanel::CopyFontToHeaderFont()
{
    FHeaderFontUpdating = true;
    FHeaderFont->Assign(Font());
    FHeaderFontUpdating = false;
}

void TKVGxFlipPanel::SetParentHeaderFont(bool value)
{
    if (value == FParentHeaderFont)
        return;
    FParentHeaderFont = value;
    if (value)
        CopyFontToHeaderFont();
    Invalidate();
}

void TKVGxFlipPanel::SetExpandGlyph(const TBitmap* value)
{
    FExpandGlyph->Assign(value);
    RepaintHeader();
}

void TKVGxFlipPanel::SetCollapseGlyph(const TBitmap* value)
{
    FCollapseGlyph->Assign(value);
}

void TKVGxFlipPanel::SetGlyph(const TBitmap* value)
{
    FGlyph->Assign(value);
    Invalidate();
}

void TKVGxFlipPanel::SetTransparentGlyph(bool value)
{
    FTransparentGlyph = value;
    FGlyph->SetTransparent(value);
    if (value)
        FGlyph->SetTransparentMode(tmAuto);
    Invalidate();
}

void TKVGxFlipPanel::SetBorderColor(TColor value)
{
    if (value == FBorderColor)
        return;
    FBorderColor = value;
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TKVGxFlipPanel::SetInnerMargins(const TGxMargins* value)
{
    if (value)
        FInnerMargins->Assign(value);
}

// --- geometry ----------------------------------------------------------------------------------------------

bool TKVGxFlipPanel::Themed() const
{
    return UxThemesActive();
}

int TKVGxFlipPanel::ButtonX() const
{
    return FDrawDirection == diLeftToRight ? FIndent : ClientWidth() - FExpandGlyph->Width() - 4;
}

TRect TKVGxFlipPanel::ButtonRect() const
{
    const int x = ButtonX();
    if (!Themed())
        return {x, FHeaderHeight / 2 - 5, x + 9, FHeaderHeight / 2 + 4};
    return Bounds(x, FHeaderHeight / 2 - FExpandGlyph->Height() / 2 - 1, FExpandGlyph->Width(),
                  FExpandGlyph->Height());
}

void TKVGxFlipPanel::AdjustClientRect(TRect& rect) const
{
    TGxCollectionControl::AdjustClientRect(rect);
    rect.Left += FInnerMargins->Left();
    rect.Top += FHeaderHeight + FInnerMargins->Top();
    rect.Right -= FInnerMargins->Right();
    rect.Bottom -= FInnerMargins->Bottom();
}

bool TKVGxFlipPanel::IsMouseInHeader() const
{
    TPoint pos;
    GetCursorPos(pos);
    return PtInRect(HeaderRect(), ScreenToClient(pos));
}

void TKVGxFlipPanel::RefreshBody()
{
    if (!HandleAllocated())
        return;
    const TRect body = BodyRect();
    InvalidateRect(Handle(), &body, false);
}

void TKVGxFlipPanel::RepaintHeader()
{
    if (!HandleAllocated())
        return;
    const TRect header = HeaderRect();
    InvalidateRect(Handle(), &header, false);
}

// --- input -------------------------------------------------------------------------------------------------

void TKVGxFlipPanel::MouseMove(TShiftState shift, int x, int y)
{
    TGxCollectionControl::MouseMove(shift, x, y);
    FMouseInHeader = IsMouseInHeader();
    // Without hot tracking the header is never painted hot, so every move in it repaints the triangle.
    if (FMouseInHeader != FHotPainted)
        RepaintHeader();
}

void TKVGxFlipPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGxCollectionControl::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    const TPoint p{x, y};
    if ((FFlipKind == fkButton && FShowButtons && PtInRect(ButtonRect(), p)) ||
        (FFlipKind == fkHeaderAndButton && PtInRect(HeaderRect(), p)))
        Flip();
}

void TKVGxFlipPanel::DialogChar(TMessage& message)
{
    if (IsAccel(TCharView(message).Char(), Caption())) {
        Flip();
        message.Result = 1;
        return;
    }
    TGxCollectionControl::Dispatch(message);
}

void TKVGxFlipPanel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        DialogChar(message);
        return;
    case CM_FONTCHANGED:
        TGxCollectionControl::Dispatch(message);
        if (FParentHeaderFont)
            CopyFontToHeaderFont();
        return;
    case CM_MOUSEENTER:
        TGxCollectionControl::Dispatch(message);
        FMouseInControl = true;
        FMouseInHeader = IsMouseInHeader();
        return;
    case CM_MOUSELEAVE:
        TGxCollectionControl::Dispatch(message);
        FMouseInControl = false;
        FMouseInHeader = false;
        if (FHotPainted)
            RepaintHeader();
        return;
    case CM_TEXTCHANGED:
        TGxCollectionControl::Dispatch(message);
        Invalidate();
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_NCPAINT:
        TGxCollectionControl::Dispatch(message);
        if (HDC frame = message.WParam > 1 ? TPaintView(message).DC : nullptr) {
            PaintBorder(*frame);
        } else if (const TWindowCanvas window(Handle()); window.Canvas()) {
            PaintBorder(*window.Canvas());
        }
        return;
    case WM_SIZE:
        TGxCollectionControl::Dispatch(message);
        if (!IsLoading(*this) && FBackgroundStyle == FlipPanel::bsVertGradient)
            RefreshBody();
        return;
    case WM_WINDOWPOSCHANGED:
        TGxCollectionControl::Dispatch(message);
        if ((FHeaderStyle == hsTransparent || FHeaderStyle == hsVista) && !FExpanding)
            Invalidate();
        return;
    default:
        TGxCollectionControl::Dispatch(message);
    }
}
