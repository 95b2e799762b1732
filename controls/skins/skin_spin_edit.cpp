#include "controls/skins/skin_spin_edit.h"

#include "controls/skins/skin_edit_button.h"
#include "platform/gui/windows/keys.h"
#include "support/utf8.h"

namespace {

constexpr int SpinButtonWidth = 14;

} // namespace

TQvSpinEdit::TQvSpinEdit(TComponent* owner)
    : TQvEdit(owner), FSpinButton(new TQvSpinButton(this)),
      FSpinOptions(std::make_unique<TQvSpinEditOptions>())
{
    SetAlignment(taRightJustify);
    FSpinOptions->OnGetText = [this](TObject*, std::string& newText, bool&) { newText = Text(); };
    FSpinOptions->OnSetText = [this](TObject*, const std::string& text) { ShowValueText(text); };
    FSpinButton->SetParent(this);
    FSpinButton->FreeNotification(this);
    FSpinButton->OnUpClick = [this](TObject*) { DoUpClick(); };
    FSpinButton->OnDownClick = [this](TObject*) { DoDownClick(); };
    FSpinButton->SetAlign(alRight);
    FSpinButton->SetWidth(SpinButtonWidth);
    UpdateEditMargins();
    SetText("0");
}

TQvSpinEdit::~TQvSpinEdit()
{
    FSpinOptions.reset();
    delete FSpinButton;
}

void TQvSpinEdit::Notification(TComponent* component, TOperation operation)
{
    TQvEdit::Notification(component, operation);
    if (operation == opRemove && component == FSpinButton)
        FSpinButton = nullptr;
}

void TQvSpinEdit::ShowValueText(const std::string& text)
{
    if (text == Text())
        return;
    const size_t oldLength = Utf8Length(Text());
    SetText(text);
    if (Utf8Length(text) > oldLength)
        SetSelStart(static_cast<int>(oldLength + Utf8Length(FSpinOptions->Prefix())));
}

void TQvSpinEdit::DoUpClick()
{
    FSpinOptions->ValueInc();
}

void TQvSpinEdit::DoDownClick()
{
    FSpinOptions->ValueDec();
}

void TQvSpinEdit::KeyDown(uint16_t& key, TShiftState shift)
{
    TQvEdit::KeyDown(key, shift);
    if (key == VK_UP)
        DoUpClick();
    else if (key == VK_DOWN)
        DoDownClick();
}

void TQvSpinEdit::KeyPress(char32_t& key)
{
    TQvEdit::KeyPress(key);
    if (key == U'\r') {
        key = 0;
        FSpinOptions->UpdateValueFromText(true);
    }
}

void TQvSpinEdit::Change()
{
    // The options are gone while the edit is being destroyed.
    if (FExtendedAccept && FSpinOptions)
        FSpinOptions->UpdateValueFromText(false);
    TQvEdit::Change();
}

void TQvSpinEdit::Dispatch(TMessage& message)
{
    if (message.Msg == WM_KILLFOCUS && FSpinOptions)
        FSpinOptions->UpdateValueFromText(true);
    TQvEdit::Dispatch(message);
}
