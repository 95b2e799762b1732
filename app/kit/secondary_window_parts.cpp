#include "app/kit/secondary_window_parts.h"

#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/font_families.h"
#include "platform/gui/windows/actions.h"

namespace {

constexpr int BottomPanelHeight = 41;
constexpr int ButtonWidth = 120;
constexpr int ButtonHeight = 27;
constexpr int ButtonGap = 6;
constexpr int ButtonMargin = 8;
// The windows' font at 11 pixels, and the buttons' at 8 points.
constexpr int WindowFontHeight = -11;
constexpr int ButtonFontSize = 8;
const char* const WindowFontName = "Segoe UI";

} // namespace

void SetUpSecondaryWindow(TForm& form, int clientWidth, int clientHeight, int minWidth, int minHeight)
{
    form.SetBorderIcons({biSystemMenu});
    form.SetFormStyle(fsStayOnTop);
    form.SetPosition(poOwnerFormCenter);
    TFont font;
    font.SetName(ResolveFontFamily(WindowFontName));
    font.SetHeight(WindowFontHeight);
    form.SetFont(&font);
    form.SetClientWidth(clientWidth);
    form.SetClientHeight(clientHeight);
    form.Constraints()->SetMinWidth(minWidth);
    form.Constraints()->SetMinHeight(minHeight);
}

TAction* AddWindowAction(TActionList& list, std::function<void(TObject*)> execute, TShortCut shortCut)
{
    auto* action = new TAction(list.Owner());
    action->SetActionList(&list);
    action->OnExecute = std::move(execute);
    if (shortCut != 0)
        action->SetShortCut(shortCut);
    return action;
}

TKvpPanel* AddBottomPanel(TForm& form, const TWindowLooks& looks)
{
    auto* panel = new TKvpPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alBottom);
    panel->SetHeight(BottomPanelHeight);
    ApplyPanelLooks(*panel, looks);
    return panel;
}

void AddPanelButtons(TKvpPanel& panel, std::initializer_list<std::pair<TKvpPngButton**, TAction*>> buttons,
                     const TWindowLooks& looks)
{
    const int count = static_cast<int>(buttons.size());
    int left = panel.ClientWidth() - ButtonMargin - count * ButtonWidth - (count - 1) * ButtonGap;
    for (const auto& [field, action] : buttons) {
        auto* button = new TKvpPngButton(panel.Owner());
        button->SetParent(&panel);
        button->SetBounds(left, (BottomPanelHeight - ButtonHeight) / 2, ButtonWidth, ButtonHeight);
        button->SetAnchors({akTop, akRight});
        button->SetAction(action);
        SetPngButtonFonts(*button, ResolveFontFamily(WindowFontName), ButtonFontSize);
        ApplyButtonLooks(*button, looks);
        *field = button;
        left += ButtonWidth + ButtonGap;
    }
}

void SetMonospaceFont(TControl& control, const TFontParams& font)
{
    TFont monospace;
    monospace.SetName(font.Name);
    monospace.SetSize(font.Size);
    control.SetFont(&monospace);
}
