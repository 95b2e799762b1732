#include "controls/edits/typed_edit.h"

#include "controls/edits/component_version.h"
#include "controls/edits/typed_number_text.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/services/drop_targets.h"
#include "platform/gui/windows/message_views.h"
#include "support/format_settings.h"
#include "support/math_routines.h"
#include "support/text_routines.h"
#include "support/utf8.h"

TVezEdit::TVezEdit(TComponent* owner)
    : TCustomEdit(owner), isWinXP_(PlatformAnswers().XPOrLater()),
      isThemed_(PlatformAnswers().CommonControlsVersion >= 6), lookup_(std::make_unique<TLookupSettings>()),
      persistence_(std::make_unique<TPersistence>()), labelFont_(std::make_unique<TFont>())
{
    fontColor_ = Font()->Color();
    labelFont_->OnChange = [this](TObject*) { LabelFontChanged(); };
    CreateLookupWindow();
}

TVezEdit::~TVezEdit()
{
    if (HandleAllocated())
        WindowGoing();
    if (label_) {
        label_->SetParent(nullptr);
        FreeAndNil(label_);
    }
    labelFont_.reset();
    persistence_.reset();
    lookup_.reset();
}

std::string TVezEdit::Version() const
{
    return VersionText(GetVersionNr());
}

int TVezEdit::PrefixLength() const
{
    return static_cast<int>(Utf8Length(prefix_));
}

int TVezEdit::SuffixLength() const
{
    return static_cast<int>(Utf8Length(suffix_));
}

void TVezEdit::SetWindowText(const std::string& text)
{
    TCustomEdit::SetText(text);
}

void TVezEdit::SetWindowTextQuietly(const std::string& text)
{
    blockChange_ = true;
    SetWindowText(text);
    blockChange_ = false;
}

// --- the value ---------------------------------------------------------------------------------------------

// The window text without the prefix (when it is there, in any ASCII case) and without as many characters
// at the end as the suffix has (without looking at them).
std::string TVezEdit::Text() const
{
    std::u32string text = Utf8ToUtf32(WindowText());
    if (!prefix_.empty() && AsciiUpperCase(Utf32ToUtf8(text)).starts_with(AsciiUpperCase(prefix_)))
        text.erase(0, static_cast<size_t>(PrefixLength()));
    const auto suffix = static_cast<size_t>(SuffixLength());
    if (suffix > 0 && text.size() >= suffix)
        text.erase(text.size() - suffix);
    return Utf32ToUtf8(text);
}

// The value as the type shows it: tested, formatted, hexadecimal digits in upper case.
std::string TVezEdit::Normalised(std::string value) const
{
    if (value.empty() && allowNumericNullValue_)
        return value;
    if (editType_ == etFloat || editType_ == etMoney)
        value = Trim(value);
    const TNumberClass kind = ClassifyNumber(value);
    const bool accepted =
        (editType_ == etNumeric && kind == TNumberClass::Integer) ||
        ((editType_ == etFloat || editType_ == etMoney) &&
         (kind == TNumberClass::Integer || kind == TNumberClass::Float)) ||
        (editType_ == etHex && (kind == TNumberClass::Integer || kind == TNumberClass::Hexadecimal)) ||
        !(IsNumberType() || editType_ == etHex);
    if (!accepted)
        value = "0";
    if (precisionDisplay_ == pdShortest && (editType_ == etFloat || editType_ == etMoney))
        value = FormatGeneral(TextToFloat(value));
    else if (precisionDisplay_ == pdNormal && !value.empty() && (precision_ > 0 || editType_ == etMoney)) {
        if (editType_ == etMoney && precision_ >= 0)
            value = FormatGrouped(TextToFloat(value), precision_);
        else if (editType_ == etFloat)
            value = FormatFixed(TextToFloat(value), precision_);
    }
    if (editType_ == etHex)
        value = Utf8UpperCase(value);
    return value;
}

void TVezEdit::SetText(const std::string& value)
{
    SetWindowText(Shown(Normalised(value)));
    SetModified(false);
    if (showURL_)
        SetURLLook(TextIsURL());
}

void TVezEdit::SetPrefix(const std::string& value)
{
    const std::string current = Text();
    prefix_ = value;
    SetWindowText(Shown(current));
    SetText(current);
}

void TVezEdit::SetSuffix(const std::string& value)
{
    const std::string current = Text();
    suffix_ = value;
    SetWindowText(Shown(current));
    SetText(current);
}

void TVezEdit::SelectAll()
{
    const std::string value = Text();
    int start = PrefixLength();
    int length = static_cast<int>(Utf8Length(value));
    if (showURL_) {
        for (const std::string mark : {"://", "mailto:"}) {
            if (const size_t at = value.find(mark); at != std::string::npos) {
                const int skip = static_cast<int>(Utf8Length(value.substr(0, at + mark.size())));
                start = PrefixLength() + skip;
                length -= skip;
                length = std::max(length, 0);
            }
        }
    }
    SetSelStart(start);
    SetSelLength(length);
}

void TVezEdit::SelectAfterDecimal()
{
    const std::string value = Text();
    const size_t at = value.find(GlobalFormatSettings().DecimalSeparator);
    const int caret = at == std::string::npos
                          ? PrefixLength()
                          : PrefixLength() + static_cast<int>(Utf8Length(value.substr(0, at))) + 1;
    SetSelStart(caret);
}

// --- re-rendering ------------------------------------------------------------------------------------------

void TVezEdit::SetPrecision(int16_t value)
{
    if (value == precision_ || !(editType_ == etString || editType_ == etFloat || editType_ == etMoney))
        return;
    precision_ = value;
    if (Text().empty() && allowNumericNullValue_)
        return;
    const TNumberClass kind = ClassifyNumber(Text());
    SetFloatValue(kind == TNumberClass::Integer || kind == TNumberClass::Float ? FloatValue() : 0);
}

void TVezEdit::SetPrecisionDisplay(TPrecisionDisplay value)
{
    if (value == precisionDisplay_)
        return;
    precisionDisplay_ = value;
    SetFloatValue(FloatValue());
}

void TVezEdit::SetEditType(TVezEditType value)
{
    if (value == editType_)
        return;
    editType_ = value;
    if (value == etPassword) {
        SetPasswordChar(U'*');
        canUndo_ = false;
        RecreateWnd();
    } else {
        SetPasswordChar(0);
    }
    const std::string current = Text();
    if (current.empty() && allowNumericNullValue_)
        return;
    const TNumberClass kind = ClassifyNumber(current);
    if (value == etNumeric && kind != TNumberClass::Integer)
        SetIntValue(0);
    else if ((value == etFloat || value == etMoney) && kind != TNumberClass::Integer &&
             kind != TNumberClass::Float)
        SetFloatValue(0);
    else if (value == etHex && kind != TNumberClass::Integer && kind != TNumberClass::Hexadecimal)
        SetIntValue(0);
}

void TVezEdit::SetAutoThousandSeparator(bool value)
{
    autoThousandSeparator_ = value;
    if (editType_ == etFloat || editType_ == etMoney)
        ApplyThousandSeparators();
}

// The integer part written again with or without thousand separators; the fraction as typed. The caret
// keeps its place in the digits.
void TVezEdit::ApplyThousandSeparators()
{
    std::string value = Text();
    if (value.empty())
        return;
    const int lengthBefore = static_cast<int>(Utf8Length(value));
    const int caret = HandleAllocated() ? SelStart() : 0;
    const std::string sign = value.starts_with('-') ? "-" : "";
    if (!sign.empty())
        value.erase(0, 1);
    const size_t decimal = value.find(GlobalFormatSettings().DecimalSeparator);
    const std::string fraction =
        decimal == std::string::npos ? "" : Utf8Substr(value.substr(decimal), 0, 255);
    const std::string rewritten = sign + IntegerPartText(FloatValue(), autoThousandSeparator_) + fraction;
    SetWindowTextQuietly(Shown(rewritten));
    if (HandleAllocated()) {
        SetSelStart(caret + static_cast<int>(Utf8Length(rewritten)) - lengthBefore);
        SetSelLength(0);
    }
}

// --- modified, validation and the error state --------------------------------------------------------------

void TVezEdit::SetModified(bool value)
{
    if (ComponentState().Contains(csLoading) || ReadOnly())
        return;
    if (showModified_)
        Font()->SetColor(value ? modifiedColor_ : fontColor_);
    TCustomEdit::SetModified(value);
    isModified_ = value;
}

bool TVezEdit::ValidateValue(const std::string& value)
{
    if (isValidating_)
        return true;
    isValidating_ = true;
    bool valid = true;
    if (editType_ == etNumeric && !(value.empty() && allowNumericNullValue_) &&
        (minValue_ != 0 || maxValue_ != 0)) {
        const int32_t number = StrictWholeNumber(value);
        valid = minValue_ <= number && number <= maxValue_;
    } else if ((editType_ == etFloat || editType_ == etMoney) &&
               (minFloatValue_ != 0 || maxFloatValue_ != 0)) {
        const double number = TextToFloat(value);
        valid = minFloatValue_ <= number && number <= maxFloatValue_;
    }
    DoValueValidate(value, valid);
    isValidating_ = false;
    return valid;
}

void TVezEdit::DoValueValidate(const std::string& value, bool& isValid)
{
    if (OnValueValidate && HandleAllocated())
        OnValueValidate(this, value, isValid);
}

void TVezEdit::SetIsError(bool value)
{
    if (ComponentState().Contains(csLoading) || value == error_)
        return;
    error_ = value;
    if (showError_)
        ApplyStateColors();
}

void TVezEdit::Change()
{
    TCustomEdit::Change();
    if (!ComponentState().Contains(csLoading) && showError_)
        SetIsError(!ValidateValue(Text()));
}

// A change of the window text: one announced as not counting is swallowed.
void TVezEdit::ChangeNotice(TMessage& message)
{
    if (blockChange_) {
        blockChange_ = false;
        return;
    }
    if (transparent_)
        Invalidate();
    if (showURL_ && TextIsURL() != isUrl_)
        SetURLLook(TextIsURL());
    TCustomEdit::Dispatch(message);
}

// On losing the focus the value takes its type's form: decimals, a zero for an empty number, the range.
void TVezEdit::SettleOnExit()
{
    const bool empty = Text().empty();
    if (precision_ > 0 && (editType_ == etFloat || editType_ == etMoney) &&
        (!empty || !allowNumericNullValue_)) {
        const bool modified = isModified_;
        SetFloatValue(FloatValue());
        SetModified(modified);
    }
    if (editType_ == etNumeric && Text().empty() && !allowNumericNullValue_)
        SetText("0");
    if ((editType_ == etFloat || editType_ == etMoney) && Text().empty() && !allowNumericNullValue_)
        SetFloatValue(0);
    if (editType_ == etNumeric && (minValue_ != 0 || maxValue_ != 0)) {
        const std::string value = Text();
        const int32_t number = value.empty() && allowNumericNullValue_ ? 0 : StrictWholeNumber(value);
        if (number < minValue_)
            SetText(std::to_string(minValue_));
        else if (number > maxValue_)
            SetText(std::to_string(maxValue_));
    }
    ValidateValue(Text());
}

// --- loading and the window --------------------------------------------------------------------------------

void TVezEdit::Loaded()
{
    TCustomEdit::Loaded();
    Init();
    if (loadedHeight_ > 0)
        TCustomEdit::SetBounds(Left(), Top(), Width(),
                               static_cast<int>(RoundHalfEven(loadedHeight_ * DpiScaleFactor())));
    LoadPersist();
    if (label_ && !labelAlwaysEnabled_) {
        label_->SetEnabled(Enabled());
        label_->SetAlwaysEnable(false);
    }
    lblFntHeight_ = labelFont_->Height();
    if (label_ && ParentFont() && !showError_)
        label_->SetFont(Font());
    parentFnt_ = ParentFont();
    UpdateLabel();
    lookup_->Font()->SetSize(static_cast<int>(RoundHalfEven(lookup_->Font()->Size() * DpiScaleFactor())));
}

void TVezEdit::CreateWnd()
{
    TCustomEdit::CreateWnd();
    ApplyAlignmentStyle();
    SetEditRect();
    SetIsError(!ValidateValue(Text()));
    if (error_ && Enabled() && showError_)
        ApplyStateColors();
    ScaleLabelFont();
    if (oleDropTarget_ && !oleDropTargetAssigned_)
        SetOleDropTarget(true);
}

void TVezEdit::DestroyWnd()
{
    WindowGoing();
    TCustomEdit::DestroyWnd();
}

// The window goes: the value is kept and the window takes no more drops. A window made again at once (a
// changed style) keeps nothing: the value may not even be loaded yet.
void TVezEdit::WindowGoing()
{
    if (!ComponentState().Contains(csLoading) && !ControlState().Contains(csRecreating))
        SavePersist();
    if (oleDropTargetAssigned_) {
        RevokeDragDrop(Handle());
        oleDropTargetAssigned_ = false;
    }
}

// --- messages ----------------------------------------------------------------------------------------------

void TVezEdit::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_CHAR:
        CharMessage(message);
        return;
    case WM_KEYDOWN:
        KeyDownMessage(message);
        return;
    case WM_KEYUP:
        TCustomEdit::Dispatch(message);
        gotReturn_ = false;
        // What the Escape that hid the lookup list held back ends with that key.
        blockDefaultHandling_ = false;
        return;
    case WM_SYSKEYDOWN:
        if (TKeyView(message).Key() == VK_MENU)
            FocusAndHideLookup();
        TCustomEdit::Dispatch(message);
        return;
    case CM_WANTSPECIALKEY:
        WantSpecialKey(message);
        return;
    case WM_LBUTTONDOWN:
        MouseDownMessage(message);
        return;
    case WM_MOUSEMOVE:
        MouseMoveMessage(message);
        return;
    case WM_LBUTTONUP:
        MouseUpMessage(message);
        return;
    case WM_COPY:
        CopyMessage(message);
        return;
    case WM_CUT:
        CutMessage(message);
        return;
    case WM_PASTE:
        PasteMessage(message);
        return;
    case CN_COMMAND:
        if (TCommandView(message).NotifyCode == EN_CHANGE)
            ChangeNotice(message);
        else
            TCustomEdit::Dispatch(message);
        return;
    case WM_SETFOCUS:
        TCustomEdit::Dispatch(message);
        if (!ComponentState().Contains(csLoading))
            oldString_ = Text();
        FocusGained();
        return;
    case WM_KILLFOCUS:
        FocusLost(message);
        return;
    case WM_CANCELMODE:
        HideLookup();
        TCustomEdit::Dispatch(message);
        return;
    case CM_ENABLEDCHANGED:
        TCustomEdit::Dispatch(message);
        if (error_ && showError_ && Enabled())
            ApplyStateColors();
        return;
    case CM_VISIBLECHANGED:
    case CM_SHOWINGCHANGED:
        TCustomEdit::Dispatch(message);
        if (label_)
            label_->SetVisible(Visible());
        return;
    case CM_FONTCHANGED:
        TCustomEdit::Dispatch(message);
        SetEditRect();
        if (label_ && ParentFont() && !showError_ && ComponentState().Contains(csLoading))
            label_->SetFont(Font());
        return;
    case CM_PARENTFONTCHANGED:
        TCustomEdit::Dispatch(message);
        if (label_ && ParentFont() && !showError_) {
            label_->SetFont(Font());
            UpdateLabel();
        }
        return;
    case CM_MOUSEENTER:
        MouseEntered();
        TCustomEdit::Dispatch(message);
        return;
    case CM_MOUSELEAVE:
        MouseLeft();
        TCustomEdit::Dispatch(message);
        return;
    case CM_HINTSHOW:
        TCustomEdit::Dispatch(message);
        HintShow(message);
        return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
        Paint(message);
        return;
    case WM_NCPAINT:
        PaintFrame(message);
        return;
    case WM_ERASEBKGND:
        EraseBackground(message);
        return;
    case CN_CTLCOLOREDIT:
        TransparentBackground(message);
        return;
    default:
        TCustomEdit::Dispatch(message);
    }
}
