#include "platform/gui/standard/bit_button_style_hook.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/standard/bit_button.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/style_services.h"

TBitBtnStyleHook::TBitBtnStyleHook(TWinControl* control) : TStyleHook(control) {}

bool TBitBtnStyleHook::HandleMessage(TMessage& message)
{
    const bool wasPressed = Pressed();
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        mouseHeld_ = true;
        break;
    case WM_LBUTTONUP:
        mouseHeld_ = false;
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (message.WParam == VK_SPACE)
            keyHeld_ = message.Msg == WM_KEYDOWN;
        break;
    case WM_KILLFOCUS:
        keyHeld_ = false;
        break;
    }
    if (Pressed() != wasPressed)
        Invalidate();
    return TStyleHook::HandleMessage(message);
}

void TBitBtnStyleHook::DrawButton(TCanvas& canvas, bool mouseInControl)
{
    TWinControl& control = *Control();
    auto* button = dynamic_cast<TBitBtn*>(&control);
    const bool enabled = control.Enabled();
    const TThemedButton element = Pressed()                                    ? tbPushButtonPressed
                                  : mouseInControl                             ? tbPushButtonHot
                                  : Focused() || (button && button->Default()) ? tbPushButtonDefaulted
                                  : enabled                                    ? tbPushButtonNormal
                                                                               : tbPushButtonDisabled;
    TCustomStyleServices& style = StyleServices();
    const TThemedElementDetails details = style.GetElementDetails(element);
    const TRect client = control.ClientRect();
    style.DrawParentBackground(control.Handle(), canvas, &details, true);
    style.DrawElement(canvas, details, client);
    TRect face = client;
    style.GetElementContentRect(&canvas, details, client, face);
    if (Pressed())
        face = Rect(face.Left + 1, face.Top + 1, face.Right + 1, face.Bottom + 1);
    canvas.Brush()->SetStyle(bsClear);
    if (button) {
        TBitBtn::TGlyphAndCaption placed = button->LayoutGlyphAndCaption(canvas, face);
        button->DrawGlyph(canvas, placed.glyph, enabled);
        style.DrawText(canvas, details, control.Caption(), placed.caption, DT_SINGLELINE);
    } else {
        style.DrawText(canvas, details, control.Caption(), face, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    if (Focused())
        canvas.DrawFocusRect(face);
}
