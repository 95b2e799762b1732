// How the typed edit looks: the colours of its states, the flat look, the text rectangle and alignment,
// focus-time changes, hot tracking, the URL look, transparency and the large-text hint.

#include "controls/edits/property_store.h"
#include "controls/edits/typed_edit.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/services/link_opener.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"
#include "platform/gui/windows/window_theme.h"
#include "support/utf8.h"

#include <optional>

namespace {

// The address a clicked URL value opens: web and mail addresses as they are, "www." ones as web addresses,
// an address with "@" and no scheme as mail; nothing for any other value.
std::optional<std::string> AddressToOpen(const std::string& value)
{
    if (IsWebOrMailAddress(value))
        return value;
    if (AsciiLowerCase(value).starts_with("www."))
        return "http://" + value;
    if (value.find('@') != std::string::npos && value.find(':') == std::string::npos)
        return "mailto:" + value;
    return std::nullopt;
}

} // namespace

// --- colours -----------------------------------------------------------------------------------------------

void TVezEdit::SetColor(TColor value)
{
    TCustomEdit::SetColor(value);
    normalColor_ = value;
}

// Error, then focus, then the normal colours.
void TVezEdit::ApplyStateColors()
{
    if (error_) {
        TCustomEdit::SetColor(errorColor_);
        Font()->SetColor(errorFontColor_);
    } else if (Focused()) {
        TCustomEdit::SetColor(focusColor_ != clNone ? focusColor_ : normalColor_);
        if (focusFontColor_ != clNone)
            Font()->SetColor(focusFontColor_);
    } else {
        TCustomEdit::SetColor(normalColor_);
        Font()->SetColor(fontColor_);
    }
}

void TVezEdit::Init()
{
    normalColor_ = Color();
    fontColor_ = Font()->Color();
    oldBorder_ = BorderStyle();
    ApplyFlat();
    UpdateLabel();
    if (!Enabled())
        TCustomEdit::SetColor(disabledColor_ == clNone ? clWindow : disabledColor_);
}

void TVezEdit::SetEnabled(bool value)
{
    if (value == Enabled()) {
        TCustomEdit::SetEnabled(value);
        return;
    }
    TCustomEdit::SetEnabled(value);
    if (ComponentState().Contains(csLoading))
        return;
    if (value) {
        TCustomEdit::SetColor(normalColor_);
        if (error_ && showError_)
            ApplyStateColors();
    } else {
        const TColor restore = error_ ? normalColor_ : Color();
        TCustomEdit::SetColor(disabledColor_ == clNone ? clWindow : disabledColor_);
        normalColor_ = restore;
    }
    if (label_ && !labelAlwaysEnabled_)
        label_->SetEnabled(value);
    NudgeWidth(1, -1);
}

// Changing the width back and forth makes the window lay itself out and paint again.
void TVezEdit::NudgeWidth(int first, int second)
{
    SetWidth(Width() + first);
    SetWidth(Width() + second);
}

void TVezEdit::SetHeight(int value)
{
    if (ComponentState().Contains(csLoading))
        loadedHeight_ = value;
    TCustomEdit::SetHeight(value);
}

// --- the flat look and the text rectangle ------------------------------------------------------------------

void TVezEdit::SetFlat(bool value)
{
    if (!StoreChanged(flat_, value) || ComponentState().Contains(csLoading))
        return;
    ApplyFlat();
}

void TVezEdit::ApplyFlat()
{
    if (flat_) {
        const TColor remembered = Color();
        if (flatParentColor_ && Parent()) {
            TCustomEdit::SetColor(Parent()->Color());
            focusColor_ = Parent()->Color();
        } else {
            TCustomEdit::SetColor(normalColor_);
        }
        normalColor_ = remembered;
        SetBorderStyle(bsNone);
    } else {
        TCustomEdit::SetColor(normalColor_);
        SetBorderStyle(oldBorder_);
    }
    SetEditRect();
    Invalidate();
}

void TVezEdit::SetEditRect()
{
    if (!HandleAllocated())
        return;
    const TCustomForm* form = GetParentForm(this);
    const bool threeD = Ctl3D() && (!form || form->Ctl3D());
    const int e = !threeD && BorderStyle() == bsNone ? Font()->Size() / 3 : 0;
    const int width = ClientWidth();
    const int height = ClientHeight();
    TRect rect = flat_ ? TRect{e + 4, 3, width - e - 4, height - 4} : TRect{e, 0, width - e, height};
    if (!threeD) {
        rect.Left += 2;
        rect.Right -= 2;
    }
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
}

void TVezEdit::SetBounds(int left, int top, int width, int height)
{
    TRect bounds = Bounds(left, top, width, height);
    if (label_)
        bounds = BoundsWithRoomForLabel(bounds, Align(), labelPosition_, {label_->Width(), label_->Height()},
                                        labelMargin_, true);
    TCustomEdit::SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    if (label_ && label_->Parent())
        UpdateLabel();
    SetEditRect();
}

// --- alignment ---------------------------------------------------------------------------------------------

namespace {

TAlignment AlignmentOf(TEditAlign align)
{
    return align == eaRight ? taRightJustify : align == eaCenter ? taCenter : taLeftJustify;
}

} // namespace

// Before Vista the alignment comes with the window's creation parameters; later it is added to the made
// window.
void TVezEdit::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style &= ~(ES_CENTER | ES_RIGHT);
    if (!PlatformAnswers().VistaOrLater())
        params.Style |= editAlign_ == eaRight ? ES_RIGHT : editAlign_ == eaCenter ? ES_CENTER : ES_LEFT;
}

void TVezEdit::ApplyAlignmentStyle()
{
    if (PlatformAnswers().VistaOrLater())
        SetAlignment(AlignmentOf(editAlign_));
}

void TVezEdit::SetEditAlign(TEditAlign value)
{
    editAlign_ = value;
    if (!PlatformAnswers().VistaOrLater())
        SetAlignment(taLeftJustify); // the creation parameters bring it back
    RecreateWnd();
    NudgeWidth(1, -1);
}

// --- focus -------------------------------------------------------------------------------------------------

void TVezEdit::FocusGained()
{
    if (focusColor_ != clNone && ValidateValue(Text())) {
        TCustomEdit::SetColor(focusColor_);
        if (isWinXP_)
            NudgeWidth(-1, 1);
    }
    if (!(error_ && showError_) && !showModified_) {
        if (Font()->Color() != fontColor_)
            fontColor_ = Font()->Color();
        if (!UrlShown() && focusFontColor_ != clNone)
            Font()->SetColor(focusFontColor_);
    }
    if (AutoSelect())
        SelectAll();
    SetLabelBold(true);
    if (focusWidthInc_ > 0 && !alignChanging_)
        SetWidth(Width() + focusWidthInc_);
    if (!alignChanging_) {
        oldEditAlign_ = editAlign_;
        if (focusAlign_ != eaDefault && focusAlign_ != editAlign_) {
            alignChanging_ = true;
            SetEditAlign(focusAlign_);
            alignChanging_ = false;
        }
    }
    if ((Text().empty() && !emptyText_.empty()) || focusBorder_ || focusBorderColor_ != clNone) {
        if (BorderStyle() == bsNone)
            SetEditRect();
        Invalidate();
    }
}

void TVezEdit::FocusLost(TMessage& message)
{
    const HWND gaining = TFocusView(message).OtherWindow;
    if (!lookupList_ || !lookupList_->HandleAllocated() || gaining != lookupList_->Handle())
        HideLookup();
    if (!error_ && Color() != normalColor_) {
        TCustomEdit::SetColor(normalColor_);
        if (isWinXP_)
            NudgeWidth(-1, 1);
    }
    if (!(error_ && showError_) && !showModified_ && !UrlShown())
        Font()->SetColor(fontColor_);
    SetLabelBold(false);
    if (!ComponentState().Contains(csLoading))
        SettleOnExit();
    TCustomEdit::Dispatch(message);
    if (focusBorder_)
        NudgeWidth(-1, 1);
    if (alignChanging_)
        return;
    if (focusWidthInc_ > 0)
        SetWidth(Width() - focusWidthInc_);
    if (focusAlign_ != eaDefault && oldEditAlign_ != editAlign_) {
        alignChanging_ = true;
        SetEditAlign(oldEditAlign_);
        alignChanging_ = false;
    }
    if (Text().empty() && !emptyText_.empty())
        Invalidate();
    AddToHistory();
    if ((borderColor_ != clNone || focusBorderColor_ != clNone) && HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    if (errorMarkerLen_ > 0)
        Invalidate();
}

// --- hot tracking ------------------------------------------------------------------------------------------

void TVezEdit::MouseEntered()
{
    if (autoFocus_) {
        TCustomForm* form = GetParentForm(this);
        if ((!form || (form->HandleAllocated() && GetActiveWindow() == form->Handle())) && CanFocus())
            SetFocus();
    }
    if (Enabled() && !mouseInControl_) {
        mouseInControl_ = true;
        if (focusBorder_)
            Invalidate();
    }
}

void TVezEdit::MouseLeft()
{
    if (Enabled() && mouseInControl_) {
        mouseInControl_ = false;
        if (focusBorder_)
            Invalidate();
    }
}

bool TVezEdit::IsHot() const
{
    const bool active = mouseInControl_ || Focused();
    return (active && focusBorder_) || border3D_;
}

// --- the URL look ------------------------------------------------------------------------------------------

bool TVezEdit::TextIsURL() const
{
    const std::string value = Text();
    const size_t at = value.find('@');
    return value.find("://") != std::string::npos || (at != std::string::npos && at >= 1) ||
           AsciiLowerCase(value).starts_with("www.");
}

void TVezEdit::SetURLLook(bool on)
{
    TFontStyles style = Font()->Style();
    if (on) {
        parentFnt_ = false;
        style.Include(fsUnderline);
        Font()->SetStyle(style);
        Font()->SetColor(urlColor_);
        SetCursor(crHandPoint);
    } else {
        style.Exclude(fsUnderline);
        Font()->SetStyle(style);
        Font()->SetColor(fontColor_);
        SetCursor(crIBeam);
    }
    isUrl_ = on;
    Invalidate();
}

// A click on a URL value while focused: OnURLClick may keep the address from being opened; only web and
// mail addresses open, never a program or a file.
void TVezEdit::UrlClick()
{
    bool show = true;
    const std::string value = Text();
    if (OnURLClick)
        OnURLClick(this, value, show);
    if (!show)
        return;
    if (const std::optional<std::string> address = AddressToOpen(value))
        OpenLink(*address, TLinkSource::ShownText);
}

// --- transparency and the hint -----------------------------------------------------------------------------

void TVezEdit::SetTransparent(bool value)
{
    if (StoreChanged(transparent_, value))
        Invalidate();
}

void TVezEdit::TransparentBackground(TMessage& message)
{
    if (!transparent_) {
        TCustomEdit::Dispatch(message);
        return;
    }
    static TBrush clear;
    clear.SetStyle(bsClear);
    message.Result = reinterpret_cast<LRESULT>(&clear);
}

void TVezEdit::EraseBackground(TMessage& message)
{
    if (!transparent_ || !TPaintView(message).DC) {
        TCustomEdit::Dispatch(message);
        return;
    }
    DrawThemeParentBackground(Handle(), TPaintView(message).DC, nullptr);
    message.Result = 1;
}

void TVezEdit::HintShow(TMessage& message)
{
    auto* info = reinterpret_cast<THintInfo*>(message.LParam);
    if (!info || !hintShowLargeText_ || Width() >= GetTextSize())
        return;
    info->HintStr = Text();
    TRect window;
    GetWindowRect(Handle(), window);
    info->HintPos = {window.Left, window.Top};
}

int TVezEdit::GetTextSize() const
{
    TBitmap scratch(1, 1);
    scratch.Canvas()->SetFont(Font());
    return scratch.Canvas()->TextWidth(Text());
}
