#include "controls/skins/skin_items.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_system_menu_item.h"
#include "controls/skins/skin_title_bar.h"
#include "controls/skins/skin_title_bar_options.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"

// The toolbar on a title bar: its empty places act as the form's caption.

namespace {

// Moves the window with the pointer (SC_MOVE with the caption named as the place of the press).
constexpr unsigned SC_DRAGMOVE = 0xF012;

} // namespace

TQvCustomTitleBar* TQvTitleToolbar::TitleBar() const
{
    TWinControl* dock = Parent();
    return dock ? dynamic_cast<TQvCustomTitleBar*>(dock->Parent()) : nullptr;
}

TColor TQvTitleToolbar::ItemsTextColor(TQvSkinStatesType state)
{
    return GetCurrentSkin()->GetTextColor(skncWindowTitleBar, state);
}

int TQvTitleToolbar::RightAlignMargin()
{
    const TQvCustomTitleBar* bar = TitleBar();
    return bar && bar->FormIsMaximized() ? 0 : TQvToolbar::RightAlignMargin();
}

void TQvTitleToolbar::Dispatch(TMessage& message)
{
    if (message.Msg == WM_NCCALCSIZE) {
        WMNCCalcSize(message);
        return;
    }
    TQvToolbar::Dispatch(message);
}

void TQvTitleToolbar::WMNCCalcSize(TMessage& message)
{
    TQvToolbar::Dispatch(message);
    FDefaultToolbarBorderSize = 2;
    const TQvCustomTitleBar* bar = TitleBar();
    if (Docked() && bar && bar->FormIsMaximized()) {
        InflateRect(TNCCalcSizeView(message).Params->rgrc[0], 2, 2);
        FDefaultToolbarBorderSize = 0;
    }
}

bool TQvTitleToolbar::PressIsOnEmptyPlace() const
{
    const TBarItemViewer* selected = View()->Selected();
    return !selected || selected->Item()->ItemStyle().Contains(tbisClicksTransparent);
}

void TQvTitleToolbar::PopupSystemMenuAt(TPoint screenPos)
{
    TQvCustomTitleBar* bar = TitleBar();
    bar->Options()->SystemButton()->Popup(screenPos.X, screenPos.Y, true, tbpaLeft);
}

void TQvTitleToolbar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (ComponentState().Contains(csDesigning)) {
        TQvToolbar::MouseDown(button, shift, x, y);
        return;
    }
    TQvCustomTitleBar* bar = TitleBar();
    TCustomForm* form = bar ? bar->ParentForm() : nullptr;
    if (!form || !bar->IsActive())
        return;
    TQvTitleBarButtonOptions& options = *bar->Options();
    const bool emptyPlace = PressIsOnEmptyPlace();
    const bool doubleClick = shift.Contains(ssDouble);
    if (button == mbLeft && emptyPlace) {
        if (doubleClick) {
            if (options.Maximize() && !bar->FixedSize())
                options.MaximizeButton()->Click();
        } else if (!bar->FormIsMaximized()) {
            ReleaseCapture();
            SendMessage(form->Handle(), WM_SYSCOMMAND, SC_DRAGMOVE, 0);
        }
        return;
    }
    const TBarItemViewer* selected = View()->Selected();
    if (button == mbLeft && doubleClick && options.SystemMenu() && selected &&
        selected->Item() == options.SystemButton()) {
        form->Close();
        return;
    }
    if (button == mbRight && emptyPlace && options.SystemMenu()) {
        PopupSystemMenuAt(ClientToScreen({x, y}));
        return;
    }
    TQvToolbar::MouseDown(button, shift, x, y);
}
