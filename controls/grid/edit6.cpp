#include "controls/grid/edit6.h"

#include "platform/gui/windows/window_functions.h"
#include "platform/system/boolean_text.h"
#include "platform/system/date_time_text.h"
#include "platform/system/float_text.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

#include <algorithm>
#include <cctype>

TGxCustomEdit6::TGxCustomEdit6(TComponent* owner)
    : TCustomEdit(owner), canvas_(std::make_unique<TCanvas>()), padding_(std::make_unique<TPadding>())
{
    controlStyle_.Include(csAcceptsControls);
    padding_->OnChange = [this](TObject*) { PaddingChanged(); };
}

TGxCustomEdit6::~TGxCustomEdit6() = default;

void TGxCustomEdit6::SetAlignment(TAlignment value)
{
    TCustomEdit::SetAlignment(value);
    RecreateWnd();
}

void TGxCustomEdit6::SetShowPreview(bool value)
{
    if (value == showPreview_)
        return;
    showPreview_ = value;
    UpdateFrame();
}

bool TGxCustomEdit6::CanStyle(TGxStyleOption option) const
{
    return CanStyleWith(styleOptions_, option);
}

void TGxCustomEdit6::SetStyleOptions(TGxStyleOptions value)
{
    if (value == styleOptions_)
        return;
    styleOptions_ = value;
    Invalidate();
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Invalidate();
}

void TGxCustomEdit6::PaddingChanged()
{
    UpdateMargins();
    UpdateFrame();
}

// --- typed values ------------------------------------------------------------------------------------------

std::string TGxCustomEdit6::AsString() const
{
    return Text();
}

void TGxCustomEdit6::SetAsString(const std::string& value)
{
    SetText(value);
}

int TGxCustomEdit6::AsInteger() const
{
    int32_t value = 0;
    return TryStringToInt(Text(), value) ? value : 0;
}

void TGxCustomEdit6::SetAsInteger(int value)
{
    SetText(std::to_string(value));
}

double TGxCustomEdit6::AsFloat() const
{
    double value = 0;
    return TryStrToFloat(Text(), value) ? value : 0;
}

void TGxCustomEdit6::SetAsFloat(double value)
{
    SetText(FloatToStr(value));
}

TDateTime TGxCustomEdit6::AsDateTime() const
{
    TDateTime value = 0;
    return TryStrToDateTime(Text(), value) ? value : 0;
}

void TGxCustomEdit6::SetAsDateTime(TDateTime value)
{
    SetText(DateTimeToStr(value));
}

bool TGxCustomEdit6::AsBoolean() const
{
    std::string text = Text();
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text == "1" || text == "true";
}

void TGxCustomEdit6::SetAsBoolean(bool value)
{
    SetText(BoolToStr(value));
}

void TGxCustomEdit6::AssignValue(const IGxBase& source)
{
    SetText(source.AsString());
}

void TGxCustomEdit6::Assign(const TPersistent* source)
{
    const auto* edit = dynamic_cast<const TGxCustomEdit6*>(source);
    if (!edit) {
        TCustomEdit::Assign(source);
        return;
    }
    SetAlignment(edit->Alignment());
    SetEditOptions(edit->editOptions_);
    SetPadding(edit->padding_.get());
    SetShowPreview(edit->showPreview_);
    SetValidationResult(edit->validationResult_);
    SetValidationTriggers(edit->validationTriggers_);
    SetWantReturns(edit->wantReturns_);
    SetWantTabs(edit->wantTabs_);
}

// --- editing for a host ------------------------------------------------------------------------------------

bool TGxCustomEdit6::CanDispatchKey(uint16_t key, TShiftState shift) const
{
    switch (key) {
    case VK_BACK:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_DELETE:
        return false;
    case VK_UP:
    case VK_DOWN:
        return !shift.Contains(ssAlt);
    default:
        return true;
    }
}

void TGxCustomEdit6::PrepareInplace()
{
    SetAutoSelect(true);
    SetAutoSize(false);
    SetBorderStyle(bsNone);
    SetWantTabs(true);
}

void TGxCustomEdit6::StartInplace(char32_t key)
{
    SetText("");
    PrepareInplace();
    SetAutoSelect(false);
    Perform(WM_CHAR, key, 0);
    SetSelStart(static_cast<int>(Utf8Length(Text())));
}

// --- validation --------------------------------------------------------------------------------------------

void TGxCustomEdit6::SetValidationResult(TGxValidationResult value)
{
    if (value == validationResult_)
        return;
    validationResult_ = value;
    if (!HandleAllocated())
        return;
    TRect inner = ClientRect();
    InflateRect(inner, -1, -1);
    RedrawWindow(Handle(), &inner, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

TGxValidationResult TGxCustomEdit6::Validate(const std::string& value)
{
    TGxValidationResult result = vrUnchecked;
    if (validator_)
        result = validator_->Validate(*this);
    DoValidate(value, result);
    SetValidationResult(result);
    return result;
}

void TGxCustomEdit6::DoValidate(const std::string& value, TGxValidationResult& result)
{
    if (OnValidate)
        OnValidate(this, value, result);
}

void TGxCustomEdit6::ValidateOn(TGxValidationTrigger trigger)
{
    if (validationTriggers_.Contains(trigger))
        Validate(Text());
}

// --- events ------------------------------------------------------------------------------------------------

void TGxCustomEdit6::Change()
{
    TCustomEdit::Change();
    RefreshPreview();
    ValidateOn(vtTextChanged);
}

void TGxCustomEdit6::DoExit()
{
    TCustomEdit::DoExit();
    ValidateOn(vtLeave);
}

// Without typing only the caret keys reach OnKeyDown; the key itself still goes to the window, so that its
// characters arrive.
void TGxCustomEdit6::KeyDown(uint16_t& key, TShiftState shift)
{
    const bool caretKey = key == VK_END || key == VK_HOME || key == VK_LEFT || key == VK_UP ||
                          key == VK_RIGHT || key == VK_DOWN;
    if (editOptions_.Contains(edTyping) || caretKey)
        TCustomEdit::KeyDown(key, shift);
}

void TGxCustomEdit6::KeyUp(uint16_t& key, TShiftState shift)
{
    TCustomEdit::KeyUp(key, shift);
    ValidateOn(vtTyping);
}

unsigned TGxCustomEdit6::DialogCode() const
{
    unsigned code = TCustomEdit::DialogCode() & ~DLGC_WANTTAB;
    if (wantTabs_)
        code |= DLGC_WANTTAB;
    if (wantReturns_)
        code |= DLGC_WANTALLKEYS;
    return code;
}

// --- the window --------------------------------------------------------------------------------------------

void TGxCustomEdit6::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
}

void TGxCustomEdit6::CreateWnd()
{
    TCustomEdit::CreateWnd();
    UpdateMargins();
}

void TGxCustomEdit6::AlignControls(TControl* control, TRect& rect)
{
    TCustomEdit::AlignControls(control, rect);
    UpdateMargins();
}

void TGxCustomEdit6::UpdateMargins()
{
    if (!HandleAllocated())
        return;
    int left = editPadding_.Leading;
    int right = editPadding_.Trailing;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* child = Controls(i);
        if (!child->Visible())
            continue;
        if (child->Align() == alLeft)
            left += child->Width();
        else if (child->Align() == alRight)
            right += child->Width();
    }
    Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(left, right));
}

void TGxCustomEdit6::UpdateFrame()
{
    if (HandleAllocated())
        TCustomEdit::UpdateFrame();
}

void TGxCustomEdit6::RefreshPreview()
{
    if (!HandleAllocated() || !showPreview_)
        return;
    TRect box = PreviewRect();
    InflateRect(box, -1, -1);
    RedrawWindow(Handle(), &box, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TGxCustomEdit6::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCCALCSIZE:
        CalcFrame(message);
        return;
    case WM_NCPAINT:
        PaintFrame(message);
        return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
        PreviewPress(message);
        return;
    case WM_PASTE:
        if (editOptions_.Contains(edPaste))
            TCustomEdit::Dispatch(message);
        return;
    case WM_SIZE:
        TCustomEdit::Dispatch(message);
        UpdateMargins();
        return;
    case CM_TEXTCHANGED:
        TCustomEdit::Dispatch(message);
        RefreshPreview();
        return;
    default:
        TCustomEdit::Dispatch(message);
    }
}
