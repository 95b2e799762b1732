// The label a typed edit carries: made by the first caption, placed beside the edit by one of fifteen
// places, kept on the edit's parent, shown, hidden and enabled with it, bold while the edit has the focus.

#include "controls/edits/typed_edit.h"
#include "support/math_routines.h"

void TVezEditLabel::SetAlwaysEnable(bool value)
{
    alwaysEnable_ = value;
    if (value && !Enabled())
        TLabel::SetEnabled(true);
}

void TVezEditLabel::SetEnabled(bool value)
{
    TLabel::SetEnabled(value || alwaysEnable_);
}

std::string TVezEdit::LabelCaption() const
{
    return label_ ? label_->Caption() : std::string();
}

void TVezEdit::SetLabelCaption(const std::string& value)
{
    if (!label_)
        CreateLabel();
    label_->SetCaption(value);
    UpdateLabel();
}

void TVezEdit::CreateLabel()
{
    label_ = new TVezEditLabel(this);
    label_->SetParent(Parent());
    label_->SetFocusControl(this);
    label_->SetFont(labelFont_.get());
    label_->SetParentFont(ParentFont());
    label_->OnClick = [this](TObject*) {
        if (OnLabelClick)
            OnLabelClick(this);
    };
    label_->OnDblClick = [this](TObject*) {
        if (OnLabelDblClick)
            OnLabelDblClick(this);
    };
}

void TVezEdit::SetLabelPosition(TLabelPosition value)
{
    labelPosition_ = value;
    UpdateLabel();
}

void TVezEdit::SetLabelMargin(int value)
{
    labelMargin_ = value;
    UpdateLabel();
}

void TVezEdit::SetLabelTransparent(bool value)
{
    labelTransparent_ = value;
    UpdateLabel();
}

void TVezEdit::SetLabelAlwaysEnabled(bool value)
{
    labelAlwaysEnabled_ = value;
    if (label_) {
        if (value)
            label_->SetEnabled(true);
        label_->SetAlwaysEnable(value);
    }
}

void TVezEdit::SetLabelFont(const TFont* value)
{
    if (!ParentFont())
        labelFont_->Assign(value);
    UpdateLabel();
}

void TVezEdit::LabelFontChanged()
{
    UpdateLabel();
    if (!lblUpdate_)
        lblFntHeight_ = labelFont_->Height();
}

void TVezEdit::UpdateLabel()
{
    if (!label_ || !label_->Parent())
        return;
    label_->SetTransparent(labelTransparent_);
    label_->SetFont(parentFnt_ && !showError_ ? Font() : labelFont_.get());
    if (focusLabel_)
        SetBold(*label_->Font(), Focused());
    if (label_->Parent()->HandleAllocated())
        PositionLabel();
}

void TVezEdit::PositionLabel()
{
    if (!label_)
        return;
    const TLabelMetrics metrics{{label_->Width(), label_->Height()},
                                LabelTextWidth(label_->Caption(), *label_->Font()),
                                labelMargin_,
                                BorderStyle() == bsSingle ? 2 : 0};
    const TPoint place = LabelPlace(labelPosition_, BoundsRect(), metrics);
    label_->SetBounds(place.X, place.Y, label_->Width(), label_->Height());
    label_->SetVisible(Visible());
}

void TVezEdit::SetLabelBold(bool bold)
{
    if (!focusLabel_ || !label_)
        return;
    SetBold(*label_->Font(), bold);
    PositionLabel();
}

// The label's own font scaled to the screen when the window is made.
void TVezEdit::ScaleLabelFont()
{
    if (!ParentFont() && !LabelCaption().empty() && lblFntHeight_ != 0) {
        lblUpdate_ = true;
        labelFont_->SetHeight(static_cast<int>(RoundHalfEven(lblFntHeight_ * DpiScaleFactor())));
        lblUpdate_ = false;
    }
    PositionLabel();
}

void TVezEdit::SetParent(TWinControl* parent)
{
    TCustomEdit::SetParent(parent);
    if (label_)
        label_->SetParent(parent);
}
