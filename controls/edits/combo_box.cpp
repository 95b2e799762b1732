#include "controls/edits/combo_box.h"

#include "controls/edits/component_version.h"
#include "controls/edits/property_store.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"
#include "support/math_routines.h"

TVezCustomCombo::TVezCustomCombo(TComponent* owner)
    : TCustomComboBox(owner), xpOrLater_(PlatformAnswers().XPOrLater()),
      commonControls6_(PlatformAnswers().CommonControlsVersion > 5), labelFont_(std::make_unique<TFont>()),
      buttonWidth_(GetSystemMetrics(SM_CXVSCROLL) + 2)
{
    labelFont_->OnChange = [this](TObject*) { LabelFontChanged(); };
}

TVezCustomCombo::~TVezCustomCombo()
{
    labelFont_.reset();
    FreeAndNil(label_);
}

std::string TVezCustomCombo::Version() const
{
    return VersionText(GetVersionNr());
}

void TVezCustomCombo::Init()
{
    normalColor_ = Color();
}

void TVezCustomCombo::SelectItem(const std::string& item)
{
    const int index = Items()->IndexOf(item);
    if (index < 0)
        return;
    SetItemIndex(index);
    Change();
}

// --- properties --------------------------------------------------------------------------------------------

void TVezCustomCombo::SetDropWidth(int value)
{
    dropWidth_ = value;
    if (value > 0)
        Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(value), 0);
}

void TVezCustomCombo::SetBorderColor(TColor value)
{
    if (StoreChanged(borderColor_, value) && HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TVezCustomCombo::SetButtonWidth(int value)
{
    if (value <= 13 || value > 32)
        return;
    buttonWidth_ = value;
    Invalidate();
}

void TVezCustomCombo::SetFlat(bool value)
{
    if (!StoreChanged(flat_, value))
        return;
    SetCtl3D(!value);
    if (!flatParentColor_ || !value)
        TCustomComboBox::SetColor(loadedColor_);
    else if (Parent())
        TCustomComboBox::SetColor(Parent()->Color());
    Invalidate();
}

void TVezCustomCombo::SetFlatLineColor(TColor value)
{
    flatLineColor_ = value;
    Invalidate();
}

void TVezCustomCombo::SetFlatParentColor(bool value)
{
    flatParentColor_ = value;
    Invalidate();
}

void TVezCustomCombo::SetEtched(bool value)
{
    if (StoreChanged(etched_, value))
        Invalidate();
}

void TVezCustomCombo::SetEmptyText(const std::string& value)
{
    if (StoreChanged(emptyText_, value))
        Invalidate();
}

void TVezCustomCombo::SetEmptyTextStyle(TFontStyles value)
{
    if (StoreChanged(emptyTextStyle_, value))
        Invalidate();
}

void TVezCustomCombo::SetColor(TColor value)
{
    if (ComponentState().Contains(csLoading))
        loadedColor_ = value;
    TCustomComboBox::SetColor(value);
}

void TVezCustomCombo::SetEnabled(bool value)
{
    const bool changed = value != Enabled();
    TCustomComboBox::SetEnabled(value);
    if (!changed || ComponentState().Contains(csLoading) || !label_)
        return;
    if (!labelAlwaysEnabled_)
        label_->SetEnabled(value);
    UpdateLabel();
}

// --- the label ---------------------------------------------------------------------------------------------

std::string TVezCustomCombo::LabelCaption() const
{
    return label_ ? label_->Caption() : std::string();
}

void TVezCustomCombo::SetLabelCaption(const std::string& value)
{
    if (!label_) {
        label_ = new TLabel(this);
        label_->SetFocusControl(this);
        label_->SetParent(Parent());
        label_->SetFont(labelFont_.get());
        label_->SetParentFont(ParentFont());
    }
    label_->SetCaption(value);
    UpdateLabel();
}

void TVezCustomCombo::SetLabelPosition(TLabelPosition value)
{
    labelPosition_ = value;
    UpdateLabel();
}

void TVezCustomCombo::SetLabelMargin(int value)
{
    labelMargin_ = value;
    UpdateLabel();
}

void TVezCustomCombo::SetLabelTransparent(bool value)
{
    labelTransparent_ = value;
    UpdateLabel();
}

void TVezCustomCombo::SetLabelAlwaysEnabled(bool value)
{
    labelAlwaysEnabled_ = value;
    UpdateLabel();
}

void TVezCustomCombo::SetLabelFont(const TFont* value)
{
    if (!ParentFont())
        labelFont_->Assign(value);
    UpdateLabel();
}

void TVezCustomCombo::LabelFontChanged()
{
    UpdateLabel();
    if (!updatingLabelFont_)
        labelFontHeight_ = labelFont_->Height();
}

void TVezCustomCombo::UpdateLabel()
{
    if (!label_)
        return;
    label_->SetTransparent(labelTransparent_);
    label_->SetFont(labelFollowsParentFont_ ? Font() : labelFont_.get());
    if (label_->Parent() && label_->Parent()->HandleAllocated())
        PlaceLabel();
}

void TVezCustomCombo::PlaceLabel()
{
    if (!label_)
        return;
    const TLabelMetrics metrics{{label_->Width(), label_->Height()},
                                LabelTextWidth(label_->Caption(), *label_->Font()),
                                labelMargin_,
                                0};
    const TPoint place = LabelPlace(labelPosition_, BoundsRect(), metrics);
    label_->SetBounds(place.X, place.Y, label_->Width(), label_->Height());
    label_->SetVisible(Visible());
}

void TVezCustomCombo::SetLabelBold(bool bold)
{
    if (!focusLabel_ || !label_)
        return;
    SetBold(*label_->Font(), bold);
    PlaceLabel();
}

void TVezCustomCombo::SetBounds(int left, int top, int width, int height)
{
    TRect bounds = Bounds(left, top, width, height);
    if (label_)
        bounds = BoundsWithRoomForLabel(bounds, Align(), labelPosition_, {label_->Width(), label_->Height()},
                                        labelMargin_, false);
    TCustomComboBox::SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    if (!ComponentState().Contains(csDestroying))
        UpdateLabel();
}

// --- loading and the window --------------------------------------------------------------------------------

void TVezCustomCombo::Loaded()
{
    TCustomComboBox::Loaded();
    if (dropWidth_ > 0)
        Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(dropWidth_), 0);
    oldColor_ = loadedColor_;
    if (!flatParentColor_ || flat_)
        TCustomComboBox::SetColor(loadedColor_);
    if (label_ && !labelAlwaysEnabled_)
        label_->SetEnabled(Enabled());
    labelFollowsParentFont_ = ParentFont();
    UpdateLabel();
    labelFontHeight_ = labelFont_->Height();
    Init();
}

void TVezCustomCombo::CreateWnd()
{
    TCustomComboBox::CreateWnd();
    if (!ParentFont() && !LabelCaption().empty()) {
        updatingLabelFont_ = true;
        labelFont_->SetHeight(static_cast<int>(RoundHalfEven(labelFontHeight_ * DpiScaleFactor())));
        updatingLabelFont_ = false;
    }
    PlaceLabel();
}

// --- focus and mouse ---------------------------------------------------------------------------------------

void TVezCustomCombo::Entered()
{
    hasFocus_ = true;
    RedrawBorders();
    if (focusColor_ != clNone)
        SetColor(focusColor_);
    SetLabelBold(true);
}

void TVezCustomCombo::FocusGained()
{
    if (focusBorderColor_ != clNone)
        Invalidate();
    if (focusColor_ != clNone)
        TCustomComboBox::SetColor(focusColor_);
    if (focusFontColor_ != clNone && focusFontColor_ != Font()->Color()) {
        savedFontColor_ = Font()->Color();
        Font()->SetColor(focusFontColor_);
        UpdateLabel();
    }
    SetLabelBold(true);
}

void TVezCustomCombo::RestoreNormalColor()
{
    if (focusColor_ != clNone && normalColor_ != clNone)
        TCustomComboBox::SetColor(normalColor_);
}

void TVezCustomCombo::Exited()
{
    hasFocus_ = false;
    RedrawBorders();
    RestoreNormalColor();
    SetLabelBold(false);
}

void TVezCustomCombo::DoExit()
{
    TCustomComboBox::DoExit();
    RestoreNormalColor();
    if (focusFontColor_ != clNone && savedFontColor_ != clNone) {
        Font()->SetColor(savedFontColor_);
        savedFontColor_ = clNone;
        UpdateLabel();
    }
    SetLabelBold(false);
    Invalidate();
}

void TVezCustomCombo::MouseEntered()
{
    if (mouseInControl_ || !Enabled())
        return;
    mouseInControl_ = true;
    RedrawBorders();
    if (autoFocus_) {
        TCustomForm* form = GetParentForm(this);
        if ((!form || (form->HandleAllocated() && GetActiveWindow() == form->Handle())) && CanFocus())
            SetFocus();
    }
    if (xpOrLater_)
        Invalidate();
}

void TVezCustomCombo::MouseLeft()
{
    if (Enabled())
        mouseInControl_ = false;
    RedrawBorders();
    buttonHover_ = false;
    if (xpOrLater_)
        Invalidate();
}

void TVezCustomCombo::MouseMove(TShiftState shift, int x, int y)
{
    const int windowX = x + ClientInWindow().X;
    const bool hover = Width() - buttonWidth_ < windowX && windowX < Width();
    if (StoreChanged(buttonHover_, hover))
        Invalidate();
    TCustomComboBox::MouseMove(shift, x, y);
}

// --- messages ----------------------------------------------------------------------------------------------

// In the flat look a disabled combo takes its parent's colour and gets its own back when enabled.
void TVezCustomCombo::EnabledChanging()
{
    if (!flat_ || ComponentState().Contains(csLoading))
        return;
    if (Enabled()) {
        SetParentColor(oldParentColor_);
        TCustomComboBox::SetColor(oldColor_);
    } else {
        oldParentColor_ = ParentColor();
        oldColor_ = Color();
        SetParentColor(true);
    }
}

void TVezCustomCombo::Notified(TMessage& message)
{
    TCustomComboBox::Dispatch(message);
    const unsigned code = TCommandView(message).NotifyCode;
    if (code != CBN_DROPDOWN && code != CBN_CLOSEUP)
        return;
    if (HandleAllocated()) {
        TRect strip = ClientRect();
        strip.Left = strip.Right - buttonWidth_;
        InvalidateRect(Handle(), &strip, false);
    }
    if (code == CBN_CLOSEUP && OnDropUp)
        OnDropUp(this);
}

void TVezCustomCombo::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_ENTER:
        TCustomComboBox::Dispatch(message);
        Entered();
        return;
    case CM_EXIT:
        TCustomComboBox::Dispatch(message);
        Exited();
        return;
    case WM_SETFOCUS:
        TCustomComboBox::Dispatch(message);
        FocusGained();
        return;
    case CM_MOUSEENTER:
        TCustomComboBox::Dispatch(message);
        MouseEntered();
        return;
    case CM_MOUSELEAVE:
        TCustomComboBox::Dispatch(message);
        MouseLeft();
        return;
    case CM_ENABLEDCHANGED:
        EnabledChanging();
        TCustomComboBox::Dispatch(message);
        return;
    case CM_VISIBLECHANGED:
        TCustomComboBox::Dispatch(message);
        if (label_)
            label_->SetVisible(Visible());
        return;
    case CM_FONTCHANGED:
        TCustomComboBox::Dispatch(message);
        if (label_ && ParentFont() && ComponentState().Contains(csLoading))
            label_->SetFont(Font());
        return;
    case CM_PARENTFONTCHANGED:
        TCustomComboBox::Dispatch(message);
        if (label_ && ParentFont()) {
            label_->SetFont(Font());
            UpdateLabel();
        }
        return;
    case CN_COMMAND:
        Notified(message);
        return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        PaintClient(message);
        return;
    case WM_NCPAINT:
        PaintFrame(message);
        return;
    default:
        TCustomComboBox::Dispatch(message);
    }
}
