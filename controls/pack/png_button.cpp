#include "controls/pack/png_button.h"

#include "controls/pack/button_color_maps.h"
#include "controls/pack/png_image_list.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/windows/style_manager.h"

namespace {

// The PNG buttons' style hook, registered for the whole run of the program.
const bool hookRegistered = [] {
    TStyleManager::RegisterStyleHook<TKvpPngButton, TKvpPngButtonStyleHook>();
    return true;
}();

} // namespace

TKvpPngButton::TKvpPngButton(TComponent* owner)
    : TBitBtn(owner), TKvpControlParts(this), FPngImage(std::make_unique<TPngImage>()),
      FCanvas(std::make_unique<TCanvas>()), FAppearance(std::make_unique<TKvpButtonAppearance>(this)),
      FColorMapType(cmtCustom)
{
    FAppearance->SetOnChange([this](TObject*) {
        if (!IsLoading(*this))
            Invalidate();
    });
}

TKvpPngButton::~TKvpPngButton() = default;

void TKvpPngButton::SetPngImage(const TPngImage* value)
{
    if (value)
        FPngImage->Assign(value);
    else
        FPngImage = std::make_unique<TPngImage>();
    const TPngColorType type = FPngImage->Header().ColorType;
    if (!FPngImage->Empty() && (type == COLOR_RGB || type == COLOR_PALETTE || type == COLOR_RGBALPHA))
        FPngImage->RemoveChunk("gAMA");
    FImageFromAction = false;
    Repaint();
}

void TKvpPngButton::SetPngOptions(TPngOptions value)
{
    if (value == FPngOptions)
        return;
    FPngOptions = value;
    Repaint();
}

void TKvpPngButton::SetBounds(int left, int top, int width, int height)
{
    TBitBtn::SetBounds(left, top, width, height);
    AnchorsFollow();
}

void TKvpPngButton::Notification(TComponent* component, TOperation operation)
{
    TBitBtn::Notification(component, operation);
    AnchorsNotification(component, operation);
}

void TKvpPngButton::SetButtonStyle(bool isDefault)
{
    TBitBtn::SetButtonStyle(isDefault);
    if (isDefault == IsFocused)
        return;
    IsFocused = isDefault;
    Repaint();
}

void TKvpPngButton::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    TBitBtn::ActionChange(sender, checkDefaults);
    if (TakeActionImage(sender, *FPngImage, FPngImage->Empty() || FImageFromAction))
        FImageFromAction = true;
}

void TKvpPngButton::MouseEnterLeave(bool enter)
{
    bOver = enter;
    if (PlatformAnswers().VisualStylesEnabled())
        FMouseInControl = enter;
    Repaint();
}

void TKvpPngButton::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CN_DRAWITEM: {
        const auto& item = *reinterpret_cast<const TDrawItemStruct*>(message.LParam);
        if (FAppearance->DefaultDrawing())
            DrawDefault(item);
        else
            DrawCustom(item);
        message.Result = 1;
        return;
    }
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TBitBtn::Dispatch(message);
        if (message.LParam == 0)
            MouseEnterLeave(message.Msg == CM_MOUSEENTER);
        return;
    }
    TBitBtn::Dispatch(message);
}

void SetPngButtonFonts(TKvpPngButton& button, const std::string& fontName, int fontSize)
{
    TKvpButtonAppearance& a = *button.Appearance();
    for (TFont* font : {button.Font(), a.Normal()->Font(), a.Hot()->Font(), a.Down()->Font(),
                        a.Focused()->Font(), a.Disabled()->Font()}) {
        font->SetName(fontName);
        font->SetSize(fontSize);
    }
}
