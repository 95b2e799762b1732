#include "controls/grid/header_panel.h"

#include "controls/grid/flag_scope.h"

#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// A panel narrower than this folds.
constexpr int NarrowestExpanded = 34;
// The message that only makes the panel paint again.
constexpr uint32_t WM_HEADERPANEL_REPAINT = WM_USER + 100;

} // namespace

TGxHeaderPanel::TGxHeaderPanel(TComponent* owner)
    : TGxCollectionControl(owner), glyph_(std::make_unique<TBitmap>()),
      headerFont_(std::make_unique<TFont>()), innerMargins_(std::make_unique<TGxMargins>()),
      picture_(std::make_unique<TPicture>())
{
    controlStyle_ +=
        {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks, csReplicatable};
    SetBorderWidth(1);
    SetColor(clWindow);
    SetParentColor(false);
    SetParentFont(true);
    SetTabStop(false);
    SetBounds(Left(), Top(), 245, 245);
    FollowFont();
    glyph_->OnChange = [this](TObject*) { GlyphChanged(); };
    headerFont_->OnChange = [this](TObject*) {
        if (!headerFontFollowing_)
            parentHeaderFont_ = false;
        Invalidate();
    };
    innerMargins_->OnChange = [this](TObject*) {
        Invalidate();
        Realign();
    };
    picture_->OnChange = [this](TObject*) { Invalidate(); };
    RegisterSchemeControl(this);
}

TGxHeaderPanel::~TGxHeaderPanel()
{
    UnregisterSchemeControl(this);
}

// --- looks -------------------------------------------------------------------------------------------------

void TGxHeaderPanel::SetLook(auto& field, auto value)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TGxHeaderPanel::SetAdaptiveColors(bool value)
{
    SetLook(adaptiveColors_, value);
}

void TGxHeaderPanel::SetColorScheme(TColorScheme value)
{
    SetLook(colorScheme_, value);
}

void TGxHeaderPanel::SetDrawDirection(TDirection value)
{
    SetLook(drawDirection_, value);
}

void TGxHeaderPanel::SetHeaderColor(TColor value)
{
    SetLook(headerColor_, value);
}

void TGxHeaderPanel::SetHeaderColorTo(TColor value)
{
    SetLook(headerColorTo_, value);
}

void TGxHeaderPanel::SetHeaderLineColor(TColor value)
{
    SetLook(headerLineColor_, value);
}

void TGxHeaderPanel::SetHeaderStyle(TGxHeaderStyle value)
{
    SetLook(headerStyle_, value);
}

void TGxHeaderPanel::SetIndent(int value)
{
    SetLook(indent_, value);
}

void TGxHeaderPanel::SetOptions(THeaderOptions value)
{
    SetLook(options_, value);
}

void TGxHeaderPanel::SetPanelStyle(TGxPanelStyle value)
{
    SetLook(panelStyle_, value);
}

void TGxHeaderPanel::SetBorderColor(TColor value)
{
    borderColor_ = value;
    DrawBorder();
}

void TGxHeaderPanel::SetHeaderSize(int value)
{
    headerSize_ = value;
    Realign();
    Invalidate();
}

void TGxHeaderPanel::SetDisplayStyle(TDisplayStyle value)
{
    displayStyle_ = value;
    ApplyHeightRule();
    Invalidate();
    Realign();
}

void TGxHeaderPanel::SetGlyph(const TBitmap* value)
{
    const TBitmap none;
    glyph_->Assign(value ? value : &none);
}

// The glyph's bottom-left colour shows through it.
void TGxHeaderPanel::GlyphChanged()
{
    if (glyphChanging_)
        return;
    const TFlagScope changing(glyphChanging_);
    if (!glyph_->Empty()) {
        glyph_->SetTransparentColor(glyph_->Canvas()->Pixels(0, glyph_->Height() - 1));
        glyph_->SetTransparent(true);
    }
    Invalidate();
}

void TGxHeaderPanel::SetParentHeaderFont(bool value)
{
    parentHeaderFont_ = value;
    if (value)
        FollowFont();
}

// The header font takes a copy of Font without losing its following of it.
void TGxHeaderPanel::FollowFont()
{
    headerFontFollowing_ = true;
    headerFont_->Assign(Font());
    headerFontFollowing_ = false;
}

// --- geometry ----------------------------------------------------------------------------------------------

TRect TGxHeaderPanel::GetButtonRect() const
{
    const int left = !expanded_ && drawDirection_ == diRightToLeft ? 4 : ClientWidth() - 21;
    return Bounds(left, headerSize_ / 2 - 9, 18, 18);
}

TRect TGxHeaderPanel::GlyphRect() const
{
    return Bounds(5, headerSize_ / 2 - glyph_->Height() / 2, glyph_->Width(), glyph_->Height());
}

void TGxHeaderPanel::AdjustClientRect(TRect& rect) const
{
    TGxCollectionControl::AdjustClientRect(rect);
    if (displayStyle_ != PanelDisplay::dsPanelOnly)
        rect.Top += headerSize_;
    rect = {rect.Left + innerMargins_->Left(), rect.Top + innerMargins_->Top(),
            rect.Right - innerMargins_->Right(), rect.Bottom - innerMargins_->Bottom()};
}

// --- folding -----------------------------------------------------------------------------------------------

void TGxHeaderPanel::SetExpanded(bool value)
{
    if (!value && Width() < 33)
        SetWidth(33);
    if (value == expanded_)
        return;
    expanding_ = true;
    if (value) {
        SetWidth(fullWidth_);
    } else {
        fullWidth_ = Width();
        SetWidth(collapseWidth_);
    }
    expanded_ = value;
    lastWidth_ = Width();
    if (OnChange)
        OnChange(this);
    if (expanded_)
        Realign();
    expanding_ = false;
}

void TGxHeaderPanel::ApplyHeightRule()
{
    if (displayStyle_ == PanelDisplay::dsHeaderOnly && ClientHeight() != headerSize_)
        SetClientHeight(headerSize_);
}

// Only a new width folds or opens the panel: a narrow one folds, the collapse width of a folded one keeps
// it folded, any other becomes the full width. A change of height alone leaves the widths as they are.
void TGxHeaderPanel::Resized()
{
    ApplyHeightRule();
    if (ComponentState().Contains(csReading) || expanding_ || Width() == lastWidth_)
        return;
    lastWidth_ = Width();
    if (Width() < NarrowestExpanded) {
        SetExpanded(false);
        return;
    }
    if (!expanded_ && Width() == collapseWidth_)
        return;
    fullWidth_ = Width();
    SetExpanded(true);
}

// --- mouse -------------------------------------------------------------------------------------------------

void TGxHeaderPanel::SetButtonState(THeaderButtonState value)
{
    if (value == buttonState_)
        return;
    buttonState_ = value;
    if (HandleAllocated()) {
        const TRect button = GetButtonRect();
        InvalidateRect(Handle(), &button, false);
    }
}

void TGxHeaderPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGxCollectionControl::MouseDown(button, shift, x, y);
    if (PtInRect(HeaderRect(), {x, y}))
        headerMouseDown_ = true;
    if (PtInRect(GetButtonRect(), {x, y}))
        SetButtonState(buttonState_ + hbPressed);
}

void TGxHeaderPanel::MouseMove(TShiftState shift, int x, int y)
{
    TGxCollectionControl::MouseMove(shift, x, y);
    SetButtonState(PtInRect(GetButtonRect(), {x, y}) ? buttonState_ + hbHover : buttonState_ - hbHover);
}

void TGxHeaderPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGxCollectionControl::MouseUp(button, shift, x, y);
    const TPoint p{x, y};
    if (PtInRect(HeaderRect(), p) && headerMouseDown_) {
        DoHeaderClick();
        if (PtInRect(GlyphRect(), p))
            DoGlyphClick();
    }
    if (options_.Contains(hoCollapseButton) && PtInRect(GetButtonRect(), p)) {
        bool accept = true;
        if (expanded_)
            DoCollapse(accept);
        else
            DoExpand(accept);
        if (accept)
            SetExpanded(!expanded_);
        if (CanFocus())
            SetFocus();
    } else if (options_.Contains(hoClickOnBodyExpand) && PtInRect(BodyRect(), p)) {
        SetExpanded(true);
    }
    SetButtonState({});
    headerMouseDown_ = false;
}

void TGxHeaderPanel::DoCollapse(bool& accept)
{
    if (OnCollapse)
        OnCollapse(this, accept);
}

void TGxHeaderPanel::DoExpand(bool& accept)
{
    if (OnExpand)
        OnExpand(this, accept);
}

void TGxHeaderPanel::DoGlyphClick()
{
    if (OnGlyphClick)
        OnGlyphClick(this);
}

void TGxHeaderPanel::DoHeaderClick()
{
    if (OnHeaderClick)
        OnHeaderClick(this);
}

// --- messages ----------------------------------------------------------------------------------------------

void TGxHeaderPanel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_NCPAINT:
        DrawBorder();
        return;
    case WM_SIZE:
        TGxCollectionControl::Dispatch(message);
        Resized();
        return;
    case CM_TEXTCHANGED:
        TGxCollectionControl::Dispatch(message);
        if (HandleAllocated()) {
            const TRect header = HeaderRect();
            InvalidateRect(Handle(), &header, false);
        }
        return;
    case CM_PARENTFONTCHANGED:
        TGxCollectionControl::Dispatch(message);
        if (ParentFont() && parentHeaderFont_)
            FollowFont();
        return;
    case CM_MOUSELEAVE:
        TGxCollectionControl::Dispatch(message);
        if (message.LParam == 0) // the panel's own leaving, not a child's
            SetButtonState(buttonState_ - hbHover);
        return;
    case WM_HEADERPANEL_REPAINT:
        DefaultHandler(message);
        Repaint();
        return;
    default:
        TGxCollectionControl::Dispatch(message);
    }
}
