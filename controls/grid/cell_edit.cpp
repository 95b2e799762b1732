#include "controls/grid/cell_edit.h"

#include "controls/grid/edit_info.h"
#include "controls/grid/grid_cursors.h"
#include "controls/grid/number_text.h"
#include "platform/system/boolean_text.h"
#include "platform/system/date_time_text.h"
#include "platform/system/float_text.h"

#include "support/errors.h"
#include "support/number_conversion.h"

// --- margins -----------------------------------------------------------------------------------------------

void TGxEditMargins::SetLeft(int value)
{
    left_ = value;
    owner_.RecreateWnd();
}

void TGxEditMargins::SetRight(int value)
{
    right_ = value;
    owner_.RecreateWnd();
}

// --- the editor --------------------------------------------------------------------------------------------

TGxCustomEdit::TGxCustomEdit(TComponent* owner)
    : TCustomEdit(owner), canvas_(std::make_unique<TCanvas>()),
      editMargins_(std::make_unique<TGxEditMargins>(*this)), glyph_(std::make_unique<TBitmap>())
{
    editInfo_ = new TGxEditInfo(*this);
    editInfo_->SetParent(this);
    editInfo_->SetVisible(false);
    editInfo_->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
        PreviewMouseDown(button, shift, x, y);
    };
    glyph_->OnChange = [this](TObject* sender) { GlyphChanged(sender); };
    SetAutoSize(true);
    SetBorderStyle(bsSingle);
    SetParentColor(false);
    SetColor(clWindow);
    SetBounds(Left(), Top(), 121, 20);
    SetTabStop(true);
    RegisterGridCursor(crReversedArrow, "REVERSEDARROW");
}

TGxCustomEdit::~TGxCustomEdit() = default;

void TGxCustomEdit::SetAlignment(TAlignment value)
{
    TCustomEdit::SetAlignment(value);
    RecreateWnd();
}

void TGxCustomEdit::SetGlyph(const TBitmap* value)
{
    const TBitmap none;
    glyph_->Assign(value ? value : &none);
}

void TGxCustomEdit::GlyphChanged(TObject*)
{
    if (glyphChanging_)
        return;
    glyphChanging_ = true;
    if (!glyph_->Empty()) {
        glyph_->SetTransparentColor(glyph_->Canvas()->Pixels(0, glyph_->Height() - 1));
        glyph_->SetTransparent(true);
    }
    glyphChanging_ = false;
    UpdateMargins();
    RecreateWnd();
}

void TGxCustomEdit::SetPreviewBorder(bool value)
{
    previewBorder_ = value;
    RefreshPreview();
}

void TGxCustomEdit::SetShowPreview(bool value)
{
    showPreview_ = value;
    UpdateMargins();
    UpdateInfoBox();
    Invalidate();
}

void TGxCustomEdit::RefreshPreview()
{
    editInfo_->Invalidate();
}

// --- typed values ------------------------------------------------------------------------------------------

std::string TGxCustomEdit::AsString() const
{
    return Text();
}

void TGxCustomEdit::SetAsString(const std::string& value)
{
    SetText(value);
}

int TGxCustomEdit::AsInteger() const
{
    const std::string text = Text();
    return text.empty() ? 0 : StringToInt(text);
}

void TGxCustomEdit::SetAsInteger(int value)
{
    SetText(std::to_string(value));
}

double TGxCustomEdit::AsFloat() const
{
    const std::string text = Text();
    return text.empty() ? 0 : StrToFloat(text);
}

void TGxCustomEdit::SetAsFloat(double value)
{
    SetText(FloatToStr(value));
}

TDateTime TGxCustomEdit::AsDateTime() const
{
    const std::string text = Text();
    return text.empty() ? 0 : StrToDateTime(text);
}

void TGxCustomEdit::SetAsDateTime(TDateTime value)
{
    SetText(DateTimeToStr(value));
}

bool TGxCustomEdit::AsBoolean() const
{
    return StrToBool(Text());
}

void TGxCustomEdit::SetAsBoolean(bool value)
{
    SetText(BoolToStr(value));
}

bool TGxCustomEdit::CanDispatchKey(uint16_t) const
{
    return true;
}

// --- geometry ----------------------------------------------------------------------------------------------

void TGxCustomEdit::AdjustMargins(int& left, int&)
{
    if (showPreview_)
        left = 2 * left + 25;
    if (!glyph_->Empty())
        left += glyph_->Width() + 4;
}

void TGxCustomEdit::UpdateMargins()
{
    if (!HandleAllocated())
        return;
    int left = editMargins_->Left();
    int right = editMargins_->Right();
    AdjustMargins(left, right);
    Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(left, right));
}

TRect TGxCustomEdit::GetPreviewRect() const
{
    TRect r = ClientRect();
    if (!glyph_->Empty())
        r.Left += glyph_->Width() + 4;
    r.Right = r.Left + 20;
    return r;
}

void TGxCustomEdit::UpdateInfoBox()
{
    if (!editInfo_)
        return;
    const int width = (glyph_->Empty() ? 0 : glyph_->Width() + 4) + (showPreview_ ? 20 : 0);
    editInfo_->SetBounds(0, 0, width, ClientHeight());
    editInfo_->SetVisible(showPreview_ || !glyph_->Empty());
}

int TGxCustomEdit::InfoBoxRight() const
{
    return editInfo_ && editInfo_->Visible() ? editInfo_->Left() + editInfo_->Width() : 0;
}

void TGxCustomEdit::DrawPreview(TCanvas&, const TRect& rect)
{
    DoCustomPreviewDraw(rect);
}

void TGxCustomEdit::DoCustomPreviewDraw(const TRect& previewRect)
{
    if (OnCustomPreviewDraw)
        OnCustomPreviewDraw(this, previewRect);
}

void TGxCustomEdit::DoGlyphClick()
{
    if (OnGlyphClick)
        OnGlyphClick(this);
}

// --- the window --------------------------------------------------------------------------------------------

void TGxCustomEdit::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style |= WS_CLIPCHILDREN | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
}

void TGxCustomEdit::CreateWnd()
{
    TCustomEdit::CreateWnd();
    UpdateMargins();
    UpdateInfoBox();
}

unsigned TGxCustomEdit::DialogCode() const
{
    return TCustomEdit::DialogCode() | DLGC_WANTARROWS | (wantTabs_ ? DLGC_WANTTAB : 0);
}

void TGxCustomEdit::Dispatch(TMessage& message)
{
    TCustomEdit::Dispatch(message);
    switch (message.Msg) {
    case CM_ENABLEDCHANGED:
        for (int i = 0; i < ComponentCount(); ++i)
            if (auto* control = dynamic_cast<TControl*>(Components(i)))
                control->Invalidate();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (editInfo_ && editInfo_->Visible())
            editInfo_->Invalidate();
        break;
    case WM_SIZE:
        UpdateInfoBox();
        break;
    case WM_WINDOWPOSCHANGED:
        if (!ComponentState().Contains(csDestroying))
            UpdateInfoBox();
        break;
    }
}
