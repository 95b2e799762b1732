#include "platform/gui/standard/stdctrls_buttons.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/message_views.h"

namespace {

constexpr int markSize = 13;
constexpr int markSpacing = 4;

bool Inside(const TRect& r, TPoint p)
{
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

bool ArrowKeyDown()
{
    for (uint16_t key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN})
        if (GetKeyState(key) < 0)
            return true;
    return false;
}

} // namespace

// --- TButtonControl ----------------------------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_ = {csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque};
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TButtonControl::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    Invalidate();
}

void TButtonControl::NotifyClicked()
{
    Perform(CN_COMMAND, MAKEWPARAM(0, static_cast<int>(BN_CLICKED)), 0);
}

void TButtonControl::SetPressed(bool value)
{
    if (value == pressed_)
        return;
    pressed_ = value;
    Invalidate();
}

int TButtonControl::LookOffset() const
{
    if (!EffectiveEnabled())
        return 3;
    if (pressed_)
        return 2;
    return hot_ ? 1 : 0;
}

void TButtonControl::DrawCaption(TRect& rect, unsigned flags)
{
    Canvas()->SetFont(Font());
    Canvas()->Brush()->SetStyle(bsClear);
    DrawControlText(*Canvas(), Caption(), rect, flags, EffectiveEnabled());
}

// The window's own handling: a press held by the mouse or by Space becomes a click when it ends over the
// control.
void TButtonControl::DefaultHandler(TMessage& message)
{
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!Focused() && CanFocus()) {
            clicksDisabled_ = true;
            SetFocus();
            clicksDisabled_ = false;
        }
        SetPressed(true);
        break;
    case WM_MOUSEMOVE:
        if (MouseCapture())
            SetPressed(Inside(ClientRect(), TMouseView(message).Pos));
        break;
    case WM_LBUTTONUP:
        if (pressed_ && !spacePressed_) {
            SetPressed(false);
            NotifyClicked();
        }
        break;
    case WM_KEYDOWN:
        if (TKeyView(message).Key() == VK_SPACE && !pressed_) {
            spacePressed_ = true;
            SetPressed(true);
        }
        break;
    case WM_KEYUP:
        if (TKeyView(message).Key() == VK_SPACE && spacePressed_) {
            spacePressed_ = false;
            SetPressed(false);
            NotifyClicked();
        }
        break;
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
        spacePressed_ = false;
        SetPressed(false);
        break;
    }
    TCustomControl::DefaultHandler(message);
}

void TButtonControl::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (message.LParam == 0) {
            hot_ = message.Msg == CM_MOUSEENTER;
            Invalidate();
        }
        break;
    case CM_TEXTCHANGED:
        Invalidate();
        break;
    case BM_CLICK:
        NotifyClicked();
        return;
    case WM_CANCELMODE:
    case CM_CANCELMODE:
        spacePressed_ = false;
        SetPressed(false);
        break;
    }
    TCustomControl::Dispatch(message);
}

// --- TCustomButton -----------------------------------------------------------------------------------------

TCustomButton::TCustomButton(TComponent* owner) : TButtonControl(owner)
{
    SetBounds(0, 0, 75, 25);
}

void TCustomButton::SetDefault(bool value)
{
    if (value == default_)
        return;
    default_ = value;
    if (TCustomForm* form = GetParentForm(this))
        FocusChanged(form->ActiveControl());
}

void TCustomButton::FocusChanged(TWinControl* focused)
{
    const bool active = focused == this || (default_ && !dynamic_cast<TCustomButton*>(focused));
    if (active != active_)
        SetButtonStyle(active);
}

void TCustomButton::SetButtonStyle(bool isDefault)
{
    active_ = isDefault;
    Invalidate();
}

void TCustomButton::Click()
{
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(modalResult_);
    TButtonControl::Click();
}

unsigned TCustomButton::ItemState() const
{
    unsigned state = 0;
    if (Pressed())
        state |= ODS_SELECTED;
    if (active_)
        state |= ODS_FOCUS;
    if (!EffectiveEnabled())
        state |= ODS_DISABLED;
    return state;
}

void TCustomButton::PaintWindow(HDC dc)
{
    if (!OwnerDrawn()) {
        TButtonControl::PaintWindow(dc);
        return;
    }
    TDrawItemStruct item;
    item.CtlType = ODT_BUTTON;
    item.itemState = ItemState();
    item.hwndItem = Handle();
    item.hDC = dc;
    item.rcItem = ClientRect();
    Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
}

void TCustomButton::Paint()
{
    TCanvas& canvas = *Canvas();
    TRect face = ClientRect();
    TRect focus;
    if (HTHEME theme = OpenThemeData("Button")) {
        int state = PBS_NORMAL + LookOffset();
        if (state == PBS_NORMAL && active_)
            state = PBS_DEFAULTED;
        DrawThemeBackground(theme, canvas, BP_PUSHBUTTON, state, face);
        GetThemeBackgroundContentRect(theme, &canvas, BP_PUSHBUTTON, state, ClientRect(), face);
        CloseThemeData(theme);
        focus = Rect(face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1);
    } else {
        if (active_) {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(clWindowFrame);
            canvas.FrameRect(face);
            face = Rect(face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1);
        }
        if (Pressed()) {
            canvas.Brush()->SetColor(clBtnShadow);
            canvas.FrameRect(face);
            canvas.Brush()->SetColor(clBtnFace);
            canvas.FillRect(Rect(face.Left + 1, face.Top + 1, face.Right - 1, face.Bottom - 1));
            face = Rect(face.Left + 2, face.Top + 2, face.Right, face.Bottom);
        } else {
            DrawFrameControl(canvas, face, DFC_BUTTON,
                             DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (EffectiveEnabled() ? 0 : DFCS_INACTIVE));
        }
        const TRect client = ClientRect();
        focus = Rect(client.Left + 4, client.Top + 4, client.Right - 4, client.Bottom - 4);
    }
    unsigned flags = DT_CENTER | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    if (WordWrap()) {
        TRect measured = face;
        DrawCaption(measured, flags | DT_CALCRECT);
        face.Top += (face.Height() - measured.Height()) / 2;
    }
    DrawCaption(face, flags);
    if (Focused())
        canvas.DrawFocusRect(focus);
}

void TCustomButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        if (TCommandView(message).NotifyCode == BN_CLICKED)
            Click();
        return;
    case WM_GETDLGCODE:
        message.Result = DLGC_BUTTON | (active_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        return;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TWinControl*>(message.LParam));
        return;
    case CM_DIALOGKEY: {
        const TKeyView key(message);
        if (((key.Key() == VK_RETURN && active_) || (key.Key() == VK_ESCAPE && cancel_)) &&
            key.Shift().Empty() && CanFocus()) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(TCharView(message).Char(), Caption()) && CanFocus()) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    }
    TButtonControl::Dispatch(message);
}

// --- TMarkButton -------------------------------------------------------------------------------------------

TMarkButton::TMarkButton(TComponent* owner) : TButtonControl(owner)
{
    SetParentColor(true);
}

void TMarkButton::SetAlignment(TLeftRight value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TMarkButton::Paint()
{
    TCanvas& canvas = *Canvas();
    const TRect client = ClientRect();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
    const bool markLeft = alignment_ == taRightJustify;
    const int markLeftEdge = markLeft ? client.Left : client.Right - markSize;
    TRect mark = Rect(markLeftEdge, client.Top, markLeftEdge + markSize, client.Bottom);
    if (HTHEME theme = OpenThemeData("Button")) {
        DrawThemeBackground(theme, canvas, ThemePart(), ThemeBaseState() + LookOffset(), mark);
        CloseThemeData(theme);
    } else {
        TRect box = Rect(mark.Left, client.Top + (client.Height() - markSize) / 2, mark.Right,
                         client.Top + (client.Height() - markSize) / 2 + markSize);
        DrawFrameControl(canvas, box, DFC_BUTTON,
                         ClassicState() | (Pressed() ? DFCS_PUSHED : 0) |
                             (EffectiveEnabled() ? 0 : DFCS_INACTIVE));
    }
    TRect text = markLeft
                     ? Rect(client.Left + markSize + markSpacing, client.Top, client.Right, client.Bottom)
                     : Rect(client.Left, client.Top, client.Right - markSize - markSpacing, client.Bottom);
    const unsigned flags = (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE) | (markLeft ? DT_LEFT : DT_RIGHT);
    TRect measured = text;
    DrawCaption(measured, flags | DT_CALCRECT);
    const int top = text.Top + (text.Height() - measured.Height()) / 2;
    const int left = markLeft ? text.Left : text.Right - measured.Width();
    TRect caption = Rect(left, top, left + measured.Width(), top + measured.Height());
    DrawCaption(caption, flags);
    if (Focused() && !Caption().empty())
        canvas.DrawFocusRect(Rect(caption.Left - 1, caption.Top - 1, caption.Right + 1, caption.Bottom + 1));
}

void TMarkButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_BUTTON;
        return;
    case BM_GETCHECK:
        message.Result = GetChecked() ? BST_CHECKED : BST_UNCHECKED;
        return;
    case BM_SETCHECK:
        SetClicksDisabled(true);
        SetChecked(message.WParam == BST_CHECKED);
        SetClicksDisabled(false);
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(TCharView(message).Char(), Caption()) && CanFocus()) {
            SetFocus();
            if (Focused())
                NotifyClicked();
            message.Result = 1;
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    }
    TButtonControl::Dispatch(message);
}

// --- TCustomCheckBox ---------------------------------------------------------------------------------------

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TMarkButton(owner)
{
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::SetState(TCheckBoxState value)
{
    if (value == state_)
        return;
    state_ = value;
    Invalidate();
    if (!ClicksDisabled())
        Click();
}

void TCustomCheckBox::Toggle()
{
    switch (state_) {
    case cbUnchecked:
        SetState(allowGrayed_ ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

int TCustomCheckBox::ThemePart() const
{
    return BP_CHECKBOX;
}

int TCustomCheckBox::ThemeBaseState() const
{
    static constexpr int bases[] = {CBS_UNCHECKEDNORMAL, CBS_CHECKEDNORMAL, CBS_MIXEDNORMAL};
    return bases[state_];
}

unsigned TCustomCheckBox::ClassicState() const
{
    // A grayed box shows its mark on the dimmed face of a pushed box.
    static constexpr unsigned states[] = {0, DFCS_CHECKED, DFCS_CHECKED | DFCS_PUSHED};
    return DFCS_BUTTONCHECK | states[state_];
}

void TCustomCheckBox::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        if (TCommandView(message).NotifyCode == BN_CLICKED)
            Toggle();
        return;
    case BM_GETCHECK:
        message.Result = state_ == cbGrayed ? BST_INDETERMINATE : static_cast<unsigned>(state_);
        return;
    case BM_SETCHECK:
        SetClicksDisabled(true);
        SetState(message.WParam == BST_INDETERMINATE ? cbGrayed
                 : message.WParam == BST_CHECKED     ? cbChecked
                                                     : cbUnchecked);
        SetClicksDisabled(false);
        return;
    }
    TMarkButton::Dispatch(message);
}

// --- TRadioButton ------------------------------------------------------------------------------------------

namespace {

std::vector<TRadioButton*> RadioGroup(TRadioButton* button)
{
    std::vector<TRadioButton*> group;
    if (!button->Parent())
        return {button};
    for (int i = 0; i < button->Parent()->ControlCount(); ++i)
        if (auto* radio = dynamic_cast<TRadioButton*>(button->Parent()->Controls(i)))
            group.push_back(radio);
    return group;
}

// Tab reaches a group at its checked button, or at every button while none is checked.
void UpdateGroupTabStops(TRadioButton* button)
{
    const std::vector<TRadioButton*> group = RadioGroup(button);
    bool anyChecked = false;
    for (TRadioButton* radio : group)
        anyChecked = anyChecked || radio->Checked();
    for (TRadioButton* radio : group)
        radio->SetTabStop(!anyChecked || radio->Checked());
}

} // namespace

TRadioButton::TRadioButton(TComponent* owner) : TMarkButton(owner)
{
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool value)
{
    if (value == checked_)
        return;
    checked_ = value;
    Invalidate();
    if (value)
        for (TRadioButton* radio : RadioGroup(this))
            if (radio != this)
                radio->SetChecked(false);
    UpdateGroupTabStops(this);
    if (value && !ClicksDisabled())
        Click();
}

int TRadioButton::ThemePart() const
{
    return BP_RADIOBUTTON;
}

int TRadioButton::ThemeBaseState() const
{
    return checked_ ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL;
}

unsigned TRadioButton::ClassicState() const
{
    return DFCS_BUTTONRADIO | (checked_ ? DFCS_CHECKED : 0);
}

void TRadioButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        if (TCommandView(message).NotifyCode == BN_CLICKED)
            SetChecked(true);
        return;
    case WM_GETDLGCODE:
        message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON;
        return;
    case WM_SETFOCUS:
        TMarkButton::Dispatch(message);
        // Moving through a group with the arrow keys checks the button reached.
        if (!ClicksDisabled() && !checked_ && ArrowKeyDown())
            NotifyClicked();
        return;
    }
    TMarkButton::Dispatch(message);
}
