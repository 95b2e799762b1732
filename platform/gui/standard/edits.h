#pragma once

#include "platform/gui/standard/std_control_types.h"
#include "platform/gui/standard/text_editing.h"

#include <memory>
#include <string>

// Edit controls: TCustomEdit is the single-line edit (and the base of the memo). It keeps its text itself,
// answers the edit messages below, and does its work in its default handling, so that a subclass sees
// every message first and may pass it on.
//
// Message parameters as this layer has them: text travels as UTF-8 (const char* in LParam); character
// indexes count code points; WM_GETTEXT's WParam is the buffer size in bytes (a character is never cut)
// and WM_GETTEXTLENGTH answers bytes.

// --- edit messages -----------------------------------------------------------------------------------------
constexpr uint32_t EM_GETSEL = 0x00B0;     // WParam, LParam: int* start and end (either may be null)
constexpr uint32_t EM_SETSEL = 0x00B1;     // WParam start, LParam end; start -1 removes the selection
constexpr uint32_t EM_GETRECT = 0x00B2;    // LParam: TRect* receiving the formatting rectangle
constexpr uint32_t EM_SETRECT = 0x00B3;    // LParam: const TRect* (nullptr: the default rectangle)
constexpr uint32_t EM_SETRECTNP = 0x00B4;  // the same without repainting
constexpr uint32_t EM_LINESCROLL = 0x00B6; // WParam characters to the right, LParam lines down
constexpr uint32_t EM_SCROLLCARET = 0x00B7;
constexpr uint32_t EM_GETMODIFY = 0x00B8;
constexpr uint32_t EM_SETMODIFY = 0x00B9;    // WParam the flag
constexpr uint32_t EM_GETLINECOUNT = 0x00BA; // rows as laid out
constexpr uint32_t EM_LINEINDEX = 0x00BB;    // WParam row (-1: the caret's); -1 past the last
constexpr uint32_t EM_LINELENGTH = 0x00C1;   // WParam a character index (-1: the selection's rows)
constexpr uint32_t EM_REPLACESEL = 0x00C2;   // WParam can-undo, LParam the new text
constexpr uint32_t EM_LIMITTEXT = 0x00C5;    // WParam the limit in characters, 0 none
constexpr uint32_t EM_SETLIMITTEXT = EM_LIMITTEXT;
constexpr uint32_t EM_CANUNDO = 0x00C6;
constexpr uint32_t EM_UNDO = 0x00C7;
constexpr uint32_t EM_LINEFROMCHAR = 0x00C9;    // WParam a character index (-1: the caret's row)
constexpr uint32_t EM_SETPASSWORDCHAR = 0x00CC; // WParam the code point, 0 none
constexpr uint32_t EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr uint32_t EM_GETFIRSTVISIBLELINE = 0x00CE;
constexpr uint32_t EM_SETREADONLY = 0x00CF; // WParam the flag
constexpr uint32_t EM_GETPASSWORDCHAR = 0x00D2;
constexpr uint32_t EM_SETMARGINS = 0x00D3; // WParam EC_* flags, LParam MAKELPARAM(left, right)
constexpr uint32_t EM_GETMARGINS = 0x00D4;
constexpr uint32_t EM_GETLIMITTEXT = 0x00D5;
constexpr uint32_t EM_POSFROMCHAR = 0x00D6; // WParam index; MAKELPARAM(x, y), -1 past the end
constexpr uint32_t EM_CHARFROMPOS = 0x00D7; // LParam MAKELPARAM(x, y); MAKELPARAM(index, row)

constexpr unsigned EC_LEFTMARGIN = 0x0001;
constexpr unsigned EC_RIGHTMARGIN = 0x0002;
constexpr unsigned EC_USEFONTINFO = 0xFFFF;

// Notifications, sent as CN_COMMAND to the edit with MAKEWPARAM(0, code) and the window in LParam.
constexpr unsigned EN_SETFOCUS = 0x0100;
constexpr unsigned EN_KILLFOCUS = 0x0200;
constexpr unsigned EN_CHANGE = 0x0300;
constexpr unsigned EN_MAXTEXT = 0x0501;

// Edit window styles.
constexpr uint32_t ES_LEFT = 0x0000;
constexpr uint32_t ES_CENTER = 0x0001;
constexpr uint32_t ES_RIGHT = 0x0002;
constexpr uint32_t ES_MULTILINE = 0x0004;
constexpr uint32_t ES_UPPERCASE = 0x0008;
constexpr uint32_t ES_LOWERCASE = 0x0010;
constexpr uint32_t ES_PASSWORD = 0x0020;
constexpr uint32_t ES_AUTOVSCROLL = 0x0040;
constexpr uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr uint32_t ES_NOHIDESEL = 0x0100;
constexpr uint32_t ES_READONLY = 0x0800;
constexpr uint32_t ES_WANTRETURN = 0x1000;
constexpr uint32_t ES_NUMBER = 0x2000;

// The WM_GETTEXT answer: text copied into the buffer of size bytes with its terminating zero, a character
// that does not fit left out whole; the bytes copied.
LRESULT CopyTextToBuffer(const std::string& text, WPARAM size, LPARAM buffer);

class TCustomEdit : public TWinControl, protected TTextEditorHost
{
public:
    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;

    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    // The height follows the font (single-line edits with a border).
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) override;
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    TEditCharCase CharCase() const { return editor_->CharCase(); }
    void SetCharCase(TEditCharCase value);
    bool HideSelection() const { return editor_->HideSelection(); }
    void SetHideSelection(bool value);
    int MaxLength() const { return editor_->MaxLength(); }
    void SetMaxLength(int value);
    bool Modified() const { return editor_->Modified(); }
    void SetModified(bool value);
    // Only digits can be typed.
    bool NumbersOnly() const { return numbersOnly_; }
    void SetNumbersOnly(bool value);
    char32_t PasswordChar() const { return editor_->PasswordChar(); }
    void SetPasswordChar(char32_t value);
    bool ReadOnly() const { return editor_->ReadOnly(); }
    void SetReadOnly(bool value);
    TAlignment Alignment() const { return editor_->Alignment(); }
    void SetAlignment(TAlignment value);
    // Shown in grey while the edit is empty and has no focus.
    const std::string& TextHint() const { return textHint_; }
    void SetTextHint(const std::string& value);

    int SelStart() const { return editor_->SelStart(); }
    void SetSelStart(int value);
    int SelLength() const { return editor_->SelLength(); }
    void SetSelLength(int value);
    std::string SelText() const { return editor_->SelText(); }
    void SetSelText(const std::string& value);
    void SelectAll();
    void ClearSelection();
    void Clear();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return editor_->CanUndo(); }
    void Undo();
    void ClearUndo();
    // The caret as a character (X) and row (Y).
    TPoint CaretPos() const;

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    TCustomEdit(TComponent* owner, bool multiLine);

    // The text changed: fires OnChange.
    virtual void Change();
    std::string GetText() const override { return editor_->Text(); }
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DoEnter() override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    // Dialog codes the edit asks for.
    virtual unsigned DialogCode() const;

    TTextEditor& Editor() const { return *editor_; }
    // Scroll bars follow the view (edits with WS_HSCROLL or WS_VSCROLL).
    void UpdateScrollBars();

    // TTextEditorHost
    void EditorTextChanged() override;
    void EditorInvalidate() override;
    void EditorCommand(uint32_t msg) override;
    void EditorScrolled() override;

private:
    void SetStyleBit(uint32_t bit, bool on);
    void ApplyWindowStyle();
    void FontChanged();
    void AdjustHeight();
    void UpdateFormatRect();
    TRect DefaultFormatRect() const;
    void Paint(HDC dc);
    HBRUSH BackgroundBrush(TCanvas& canvas);
    void ScrollMessage(TMessage& message, int bar);
    bool KeyMessage(TMessage& message);
    void MouseMessage(TMessage& message);
    void ClipboardMessage(TMessage& message);
    void TextMessage(TMessage& message);
    bool EditMessage(TMessage& message);
    bool SelectionMessage(TMessage& message);
    bool RowMessage(TMessage& message);
    bool LayoutMessage(TMessage& message);
    bool OptionMessage(TMessage& message);
    int LineLength(int index) const;
    int CharWidth() const;

    std::unique_ptr<TTextEditor> editor_;
    std::unique_ptr<TCanvas> canvas_;
    bool autoSelect_ = true;
    bool autoSize_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    bool numbersOnly_ = false;
    std::string textHint_;
    int leftMargin_ = 1;
    int rightMargin_ = 1;
    bool formatRectSet_ = false;
    bool updatingBars_ = false;
    bool mouseCaptured_ = false;
};

class TEdit : public TCustomEdit
{
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
};
