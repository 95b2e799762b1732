#include "platform/gui/standard/edits.h"

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/services/clipboard.h"
#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/window_functions.h"

#include "support/system_colors.h"
#include "support/utf8.h"

#include <algorithm>
#include <cstring>

namespace {

LRESULT PackPair(int low, int high)
{
    return MAKELPARAM(std::clamp(low, 0, 0xFFFF), std::clamp(high, 0, 0xFFFF));
}

} // namespace

LRESULT CopyTextToBuffer(const std::string& text, WPARAM size, LPARAM buffer)
{
    auto* bytes = reinterpret_cast<char*>(buffer);
    if (!bytes || size == 0)
        return 0;
    size_t n = std::min(text.size(), static_cast<size_t>(size) - 1);
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(bytes, text.data(), n);
    bytes[n] = '\0';
    return static_cast<LRESULT>(n);
}

TCustomEdit::TCustomEdit(TComponent* owner) : TCustomEdit(owner, false) {}

TCustomEdit::TCustomEdit(TComponent* owner, bool multiLine)
    : TWinControl(owner),
      editor_(std::make_unique<TTextEditor>(static_cast<TTextEditorHost&>(*this), multiLine)),
      canvas_(std::make_unique<TCanvas>())
{
    controlStyle_ = {csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight, csPannable};
    SetBounds(0, 0, 121, 25);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
    SetCursor(crIBeam);
    editor_->SetMeasurer(MakeFontMeasurer(*Font()));
    AdjustHeight();
}

TCustomEdit::~TCustomEdit()
{
    if (Focused())
        editor_->DestroyCaretOf(Handle());
}

// --- properties --------------------------------------------------------------------------------------------

void TCustomEdit::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    AdjustHeight();
    RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase value)
{
    editor_->SetCharCase(value);
    SetStyleBit(ES_UPPERCASE, value == ecUpperCase);
    SetStyleBit(ES_LOWERCASE, value == ecLowerCase);
}

void TCustomEdit::SetHideSelection(bool value)
{
    editor_->SetHideSelection(value);
    SetStyleBit(ES_NOHIDESEL, !value);
}

void TCustomEdit::SetMaxLength(int value)
{
    Perform(EM_LIMITTEXT, static_cast<WPARAM>(std::max(0, value)), 0);
}

void TCustomEdit::SetModified(bool value)
{
    Perform(EM_SETMODIFY, value, 0);
}

void TCustomEdit::SetNumbersOnly(bool value)
{
    numbersOnly_ = value;
    SetStyleBit(ES_NUMBER, value);
}

void TCustomEdit::SetPasswordChar(char32_t value)
{
    Perform(EM_SETPASSWORDCHAR, value, 0);
}

void TCustomEdit::SetReadOnly(bool value)
{
    Perform(EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetAlignment(TAlignment value)
{
    editor_->SetAlignment(value);
    SetStyleBit(ES_CENTER, value == taCenter);
    SetStyleBit(ES_RIGHT, value == taRightJustify);
}

void TCustomEdit::SetTextHint(const std::string& value)
{
    textHint_ = value;
    Invalidate();
}

void TCustomEdit::SetSelStart(int value)
{
    Perform(EM_SETSEL, static_cast<WPARAM>(value), value);
}

void TCustomEdit::SetSelLength(int value)
{
    const int start = SelStart();
    Perform(EM_SETSEL, static_cast<WPARAM>(start), start + value);
}

void TCustomEdit::SetSelText(const std::string& value)
{
    Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomEdit::SelectAll()
{
    Perform(EM_SETSEL, 0, -1);
}

void TCustomEdit::ClearSelection()
{
    Perform(WM_CLEAR, 0, 0);
}

void TCustomEdit::Clear()
{
    SetText("");
}

void TCustomEdit::CopyToClipboard()
{
    Perform(WM_COPY, 0, 0);
}

void TCustomEdit::CutToClipboard()
{
    Perform(WM_CUT, 0, 0);
}

void TCustomEdit::PasteFromClipboard()
{
    Perform(WM_PASTE, 0, 0);
}

void TCustomEdit::Undo()
{
    Perform(WM_UNDO, 0, 0);
}

void TCustomEdit::ClearUndo()
{
    Perform(EM_EMPTYUNDOBUFFER, 0, 0);
}

TPoint TCustomEdit::CaretPos() const
{
    const int caret = editor_->CaretIndex();
    const int row = editor_->RowOfIndex(caret);
    return {caret - editor_->RowStart(row), row};
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

// --- the window --------------------------------------------------------------------------------------------

void TCustomEdit::SetStyleBit(uint32_t bit, bool on)
{
    if (!HandleAllocated())
        return;
    const intptr_t style = GetWindowLong(Handle(), GWL_STYLE);
    SetWindowLong(Handle(), GWL_STYLE, on ? (style | bit) : (style & ~intptr_t{bit}));
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (borderStyle_ == bsSingle)
        AddSingleBorder(params, *this);
    if (editor_->Alignment() == taCenter)
        params.Style |= ES_CENTER;
    else if (editor_->Alignment() == taRightJustify)
        params.Style |= ES_RIGHT;
    if (editor_->CharCase() == ecUpperCase)
        params.Style |= ES_UPPERCASE;
    else if (editor_->CharCase() == ecLowerCase)
        params.Style |= ES_LOWERCASE;
    if (editor_->ReadOnly())
        params.Style |= ES_READONLY;
    if (!editor_->HideSelection())
        params.Style |= ES_NOHIDESEL;
    if (numbersOnly_)
        params.Style |= ES_NUMBER;
    if (editor_->MultiLine())
        params.Style |= ES_MULTILINE;
    params.WinClassName = "EDIT";
}

// The window's styles decide how it edits, including those a subclass added in CreateParams.
void TCustomEdit::ApplyWindowStyle()
{
    const intptr_t style = GetWindowLong(Handle(), GWL_STYLE);
    editor_->SetAlignment((style & ES_RIGHT)    ? taRightJustify
                          : (style & ES_CENTER) ? taCenter
                                                : taLeftJustify);
    if (style & ES_UPPERCASE)
        editor_->SetCharCase(ecUpperCase);
    else if (style & ES_LOWERCASE)
        editor_->SetCharCase(ecLowerCase);
    editor_->SetReadOnly((style & ES_READONLY) != 0);
    editor_->SetHideSelection((style & ES_NOHIDESEL) == 0);
    numbersOnly_ = (style & ES_NUMBER) != 0;
    if ((style & ES_PASSWORD) && editor_->PasswordChar() == 0)
        editor_->SetPasswordChar(U'*');
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    ApplyWindowStyle();
    AdjustHeight();
    UpdateFormatRect();
    UpdateScrollBars();
}

void TCustomEdit::DoEnter()
{
    if (autoSelect_ && !editor_->MultiLine() && !controlState_.Contains(csLButtonDown))
        SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::FontChanged()
{
    editor_->SetMeasurer(MakeFontMeasurer(*Font()));
    AdjustHeight();
    UpdateFormatRect();
    if (Focused())
        editor_->CreateCaretFor(Handle());
}

void TCustomEdit::AdjustHeight()
{
    if (!autoSize_ || borderStyle_ != bsSingle || editor_->MultiLine())
        return;
    const int height = editor_->LineHeight() + 8;
    if (height != Height())
        SetHeight(height);
}

TRect TCustomEdit::DefaultFormatRect() const
{
    const TRect client = ClientRect();
    const int top = editor_->MultiLine() || client.Height() >= editor_->LineHeight() + 2 ? 1 : 0;
    return {client.Left + leftMargin_, client.Top + top,
            std::max(client.Left + leftMargin_, client.Right - rightMargin_), client.Bottom};
}

void TCustomEdit::UpdateFormatRect()
{
    if (!formatRectSet_)
        editor_->SetFormatRect(DefaultFormatRect());
}

void TCustomEdit::UpdateScrollBars()
{
    if (!HandleAllocated() || updatingBars_)
        return;
    updatingBars_ = true;
    const intptr_t style = GetWindowLong(Handle(), GWL_STYLE);
    if (style & WS_VSCROLL) {
        TScrollInfo info;
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        info.nMax = editor_->RowCount() - 1;
        info.nPage = static_cast<unsigned>(editor_->VisibleRows());
        info.nPos = editor_->TopRow();
        SetScrollInfo(Handle(), SB_VERT, info, true);
    }
    if (style & WS_HSCROLL) {
        TScrollInfo info;
        info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        info.nMax = editor_->WordWrap() ? 0 : editor_->ContentWidth();
        info.nPage = static_cast<unsigned>(std::max(1, editor_->FormatRect().Width()));
        info.nPos = editor_->HorizontalOffset();
        SetScrollInfo(Handle(), SB_HORZ, info, true);
    }
    updatingBars_ = false;
}

// --- the editor's notifications ----------------------------------------------------------------------------

void TCustomEdit::EditorTextChanged()
{
    Perform(CN_COMMAND, MAKEWPARAM(0, EN_CHANGE),
            reinterpret_cast<LPARAM>(HandleAllocated() ? Handle() : nullptr));
    UpdateScrollBars();
}

void TCustomEdit::EditorInvalidate()
{
    Invalidate();
    if (HandleAllocated())
        editor_->PlaceCaret(Handle());
}

void TCustomEdit::EditorCommand(uint32_t msg)
{
    Perform(msg, 0, 0);
}

void TCustomEdit::EditorScrolled()
{
    UpdateScrollBars();
}

// --- messages ----------------------------------------------------------------------------------------------

void TCustomEdit::WndProc(TMessage& message)
{
    TWinControl::WndProc(message);
}

unsigned TCustomEdit::DialogCode() const
{
    unsigned code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
    if (editor_->MultiLine())
        code |= DLGC_WANTALLKEYS;
    return code;
}

void TCustomEdit::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETFOCUS:
        editor_->SetFocused(true);
        editor_->CreateCaretFor(Handle());
        TWinControl::Dispatch(message);
        return;
    case WM_KILLFOCUS:
        editor_->SetFocused(false);
        editor_->MouseUp();
        editor_->DestroyCaretOf(Handle());
        TWinControl::Dispatch(message);
        return;
    case WM_SIZE:
        UpdateFormatRect();
        UpdateScrollBars();
        TWinControl::Dispatch(message);
        return;
    case CM_FONTCHANGED:
        FontChanged();
        TWinControl::Dispatch(message);
        return;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
        TWinControl::Dispatch(message);
        Invalidate();
        return;
    case CN_COMMAND:
        if (TCommandView(message).NotifyCode == EN_CHANGE)
            Change();
        return;
    default:
        TWinControl::Dispatch(message);
    }
}

void TCustomEdit::DefaultHandler(TMessage& message)
{
    if (!EditMessage(message))
        TWinControl::DefaultHandler(message);
}

// The edit's own handling of a message; false for those it leaves to the window.
bool TCustomEdit::EditMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
        if (HDC dc = TPaintView(message).DC)
            Paint(dc);
        return true;
    case WM_GETDLGCODE:
        message.Result = DialogCode();
        return true;
    case WM_KEYDOWN:
    case WM_CHAR:
        // A key the edit has no use for (F1, Shift+F10, ...) goes on to the window's default handling.
        return KeyMessage(message);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_CAPTURECHANGED:
        MouseMessage(message);
        return false;
    case WM_HSCROLL:
    case WM_VSCROLL:
        ScrollMessage(message, message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT);
        return true;
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        ClipboardMessage(message);
        return true;
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        TextMessage(message);
        return true;
    default:
        return SelectionMessage(message) || RowMessage(message) || LayoutMessage(message) ||
               OptionMessage(message);
    }
}

// The selection, and text put in its place; false for other messages.
bool TCustomEdit::SelectionMessage(TMessage& message)
{
    TTextEditor& e = *editor_;
    switch (message.Msg) {
    case EM_GETSEL:
        if (auto* start = reinterpret_cast<int*>(message.WParam))
            *start = e.SelStart();
        if (auto* end = reinterpret_cast<int*>(message.LParam))
            *end = e.SelStart() + e.SelLength();
        message.Result = PackPair(e.SelStart(), e.SelStart() + e.SelLength());
        return true;
    case EM_SETSEL: {
        const int start = WParamInt(message);
        const int end = LParamInt(message);
        if (start < 0)
            e.SetSelection(e.CaretIndex(), e.CaretIndex());
        else
            e.SetSelection(start, end < 0 ? e.Length() : end);
        e.ScrollCaret();
        return true;
    }
    case EM_REPLACESEL:
        e.ReplaceSelection(TSetTextView(message).Text, message.WParam != 0);
        return true;
    default:
        return false;
    }
}

// Rows as laid out, positions of characters, and scrolling by rows; false for other messages.
bool TCustomEdit::RowMessage(TMessage& message)
{
    TTextEditor& e = *editor_;
    switch (message.Msg) {
    case EM_LINESCROLL:
        message.Result = e.MultiLine();
        if (e.MultiLine())
            e.ScrollBy(LParamInt(message), WParamInt(message) * std::max(1, CharWidth()));
        return true;
    case EM_SCROLLCARET:
        e.ScrollCaret();
        message.Result = 1;
        return true;
    case EM_GETLINECOUNT:
        message.Result = e.RowCount();
        return true;
    case EM_LINEINDEX: {
        const int row = WParamInt(message);
        const int target = row < 0 ? e.RowOfIndex(e.CaretIndex()) : row;
        message.Result = target < e.RowCount() ? e.RowStart(target) : -1;
        return true;
    }
    case EM_LINELENGTH:
        message.Result = LineLength(WParamInt(message));
        return true;
    case EM_LINEFROMCHAR: {
        const int index = WParamInt(message);
        message.Result = e.RowOfIndex(index < 0 ? e.CaretIndex() : std::min(index, e.Length()));
        return true;
    }
    case EM_GETFIRSTVISIBLELINE:
        message.Result =
            e.MultiLine() ? e.TopRow() : e.CharFromPos({e.FormatRect().Left, e.FormatRect().Top});
        return true;
    case EM_POSFROMCHAR: {
        const int index = WParamInt(message);
        message.Result = index < 0 || index > e.Length() ? -1 : PointToLParam(e.PosFromChar(index));
        return true;
    }
    case EM_CHARFROMPOS: {
        const int index = e.CharFromPos(PointFromLParam(message.LParam));
        message.Result = PackPair(index, e.RowOfIndex(index));
        return true;
    }
    default:
        return false;
    }
}

// EM_LINELENGTH: the length of the row holding index, or for -1 the characters of the selection's rows that
// are not selected.
int TCustomEdit::LineLength(int index) const
{
    const TTextEditor& e = *editor_;
    if (index >= 0)
        return e.RowLength(e.RowOfIndex(std::min(index, e.Length())));
    const int first = e.RowOfIndex(e.SelStart());
    const int last = e.RowOfIndex(e.SelStart() + e.SelLength());
    return (e.SelStart() - e.RowStart(first)) +
           (e.RowStart(last) + e.RowLength(last) - (e.SelStart() + e.SelLength()));
}

// The formatting rectangle and the margins; false for other messages.
bool TCustomEdit::LayoutMessage(TMessage& message)
{
    switch (message.Msg) {
    case EM_GETRECT:
        if (auto* rect = reinterpret_cast<TRect*>(message.LParam))
            *rect = editor_->FormatRect();
        return true;
    case EM_SETRECT:
    case EM_SETRECTNP:
        if (auto* rect = reinterpret_cast<const TRect*>(message.LParam)) {
            formatRectSet_ = true;
            editor_->SetFormatRect(*rect);
        } else {
            formatRectSet_ = false;
            UpdateFormatRect();
        }
        UpdateScrollBars();
        return true;
    case EM_SETMARGINS: {
        const unsigned flags = static_cast<unsigned>(message.WParam);
        if (flags == EC_USEFONTINFO) {
            leftMargin_ = rightMargin_ = std::max(1, CharWidth() / 2);
        } else {
            if (flags & EC_LEFTMARGIN)
                leftMargin_ = LOWORD(static_cast<uintptr_t>(message.LParam));
            if (flags & EC_RIGHTMARGIN)
                rightMargin_ = HIWORD(static_cast<uintptr_t>(message.LParam));
        }
        UpdateFormatRect();
        return true;
    }
    case EM_GETMARGINS:
        message.Result = PackPair(leftMargin_, rightMargin_);
        return true;
    default:
        return false;
    }
}

// The modified flag, the limit, undo, the password character and read-only; false for other messages.
bool TCustomEdit::OptionMessage(TMessage& message)
{
    TTextEditor& e = *editor_;
    switch (message.Msg) {
    case EM_GETMODIFY:
        message.Result = e.Modified();
        return true;
    case EM_SETMODIFY:
        e.SetModified(message.WParam != 0);
        return true;
    case EM_LIMITTEXT:
        e.SetMaxLength(static_cast<int>(message.WParam));
        return true;
    case EM_GETLIMITTEXT:
        message.Result = e.MaxLength() > 0 ? e.MaxLength() : 0x7FFFFFFE;
        return true;
    case EM_CANUNDO:
        message.Result = e.CanUndo();
        return true;
    case EM_EMPTYUNDOBUFFER:
        e.ClearUndo();
        return true;
    case EM_SETPASSWORDCHAR:
        e.SetPasswordChar(static_cast<char32_t>(message.WParam));
        SetStyleBit(ES_PASSWORD, message.WParam != 0);
        return true;
    case EM_GETPASSWORDCHAR:
        message.Result = static_cast<LRESULT>(e.PasswordChar());
        return true;
    case EM_SETREADONLY:
        e.SetReadOnly(message.WParam != 0);
        SetStyleBit(ES_READONLY, message.WParam != 0);
        message.Result = 1;
        return true;
    default:
        return false;
    }
}

// The width of an "x" in the edit's font: a column for EM_LINESCROLL and, halved, the font's margin.
int TCustomEdit::CharWidth() const
{
    return MakeFontMeasurer(*Font())->CaretStops(U"x").back();
}

bool TCustomEdit::KeyMessage(TMessage& message)
{
    if (message.Msg == WM_KEYDOWN) {
        const TKeyView key(message);
        return editor_->KeyDown(key.Key(), key.Shift());
    }
    const char32_t ch = TCharView(message).Char();
    if (numbersOnly_ && ch >= 32 && !(ch >= U'0' && ch <= U'9'))
        return true;
    editor_->Char(ch);
    return true;
}

void TCustomEdit::MouseMessage(TMessage& message)
{
    const TMouseView mouse(message);
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        controlState_.Include(csLButtonDown);
        if (!Focused() && CanFocus())
            SetFocus();
        controlState_.Exclude(csLButtonDown);
        TShiftState shift = mouse.Shift();
        if (message.Msg == WM_LBUTTONDBLCLK)
            shift.Include(ssDouble);
        editor_->MouseDown(mouse.Pos, shift);
        if (editor_->Selecting()) {
            SetCapture(Handle());
            mouseCaptured_ = true;
        }
        return;
    }
    case WM_MOUSEMOVE:
        editor_->MouseMove(mouse.Pos);
        return;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        editor_->MouseUp();
        if (mouseCaptured_) {
            mouseCaptured_ = false;
            if (message.Msg == WM_LBUTTONUP && GetCapture() == Handle())
                ReleaseCapture();
        }
        return;
    }
}

void TCustomEdit::ScrollMessage(TMessage& message, int bar)
{
    TTextEditor& e = *editor_;
    const bool vertical = bar == SB_VERT;
    const int line = vertical ? 1 : std::max(1, e.LineHeight());
    const int page = vertical ? std::max(1, e.VisibleRows()) : std::max(1, e.FormatRect().Width());
    const int now = vertical ? e.TopRow() : e.HorizontalOffset();
    const unsigned code = TScrollView(message).Code;
    if (code == SB_ENDSCROLL)
        return;
    const int target =
        ScrollCodePosition(Handle(), bar, code, now, line, page, vertical ? e.RowCount() : e.ContentWidth());
    if (vertical)
        e.SetTopRow(target);
    else
        e.SetHorizontalOffset(std::min(target, std::max(0, e.ContentWidth() - page)));
}

void TCustomEdit::ClipboardMessage(TMessage& message)
{
    TTextEditor& e = *editor_;
    const bool canCopy = e.PasswordChar() == 0 && e.SelLength() > 0;
    switch (message.Msg) {
    case WM_COPY:
        if (canCopy)
            Clipboard()->SetAsText(e.SelText());
        return;
    case WM_CUT:
        if (canCopy && !e.ReadOnly()) {
            Clipboard()->SetAsText(e.SelText());
            e.ReplaceSelection("", true);
        }
        return;
    case WM_PASTE:
        if (!e.ReadOnly() && Clipboard()->HasFormat(CF_TEXT))
            e.ReplaceSelection(Clipboard()->AsText(), true);
        return;
    case WM_CLEAR:
        if (!e.ReadOnly() && e.SelLength() > 0)
            e.ReplaceSelection("", true);
        return;
    default: // WM_UNDO, EM_UNDO
        message.Result = e.Undo();
        return;
    }
}

void TCustomEdit::TextMessage(TMessage& message)
{
    switch (message.Msg) {
    case WM_SETTEXT:
        editor_->SetText(TSetTextView(message).Text);
        message.Result = 1;
        return;
    case WM_GETTEXT:
        message.Result = CopyTextToBuffer(editor_->Text(), message.WParam, message.LParam);
        return;
    default: // WM_GETTEXTLENGTH
        message.Result = static_cast<LRESULT>(editor_->Text().size());
        return;
    }
}

// --- painting ----------------------------------------------------------------------------------------------

// The parent may give the background a brush of its own (WM_CTLCOLOREDIT, which it may leave to the edit's
// CN_CTLCOLOREDIT); nullptr paints it in the edit's colour.
HBRUSH TCustomEdit::BackgroundBrush(TCanvas& canvas)
{
    TWinControl* parent = Parent();
    if (!parent || !parent->HandleAllocated() || !HandleAllocated())
        return nullptr;
    return reinterpret_cast<HBRUSH>(SendMessage(parent->Handle(), WM_CTLCOLOREDIT,
                                                reinterpret_cast<WPARAM>(&canvas),
                                                reinterpret_cast<LPARAM>(Handle())));
}

void TCustomEdit::Paint(HDC dc)
{
    TCanvasBinding binding(*canvas_, dc);
    TCanvas& canvas = *canvas_;
    if (HBRUSH brush = BackgroundBrush(canvas)) {
        canvas.Brush()->Assign(brush);
    } else {
        canvas.Brush()->SetColor(Color());
        canvas.Brush()->SetStyle(bsSolid);
    }
    canvas.FillRect(ClientRect());
    canvas.SetFont(Font());
    const bool enabled = EffectiveEnabled();
    if (editor_->Length() == 0 && !textHint_.empty() && !Focused()) {
        SetBkMode(canvas, TRANSPARENT);
        SetTextColor(canvas, clGrayText);
        const TRect r = editor_->FormatRect();
        canvas.TextOut(r.Left, r.Top, textHint_);
        return;
    }
    editor_->Paint(canvas, {Color(), enabled ? Font()->Color() : clGrayText, clHighlight, clHighlightText});
}
