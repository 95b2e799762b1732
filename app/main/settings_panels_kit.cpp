#include "app/main/settings_panels_kit.h"

#include "controls/edits/combo_box.h"
#include "controls/pack/basic_speed_button.h"
#include "controls/pack/button_appearance.h"
#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"
#include "controls/pack/speed_button_appearance.h"
#include "controls/pack/track_bar.h"
#include "controls/skins/skin_spin_edit.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "support/color_routines.h"

TLabel* PlaceSettingsLabel(TComponent* owner, TWinControl* parent, const std::string& caption, int left,
                           int top, TWinControl* focus)
{
    auto* label = new TLabel(owner);
    label->SetParent(parent);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    label->SetTransparent(true);
    if (focus)
        label->SetFocusControl(focus);
    return label;
}

TVezComboBox* PlaceSettingsCombo(TComponent* owner, TWinControl* parent, TComboBoxStyle style, TRect bounds)
{
    auto* combo = PlaceSettingsControl<TVezComboBox>(owner, parent, bounds);
    combo->SetStyle(style);
    combo->SetDropDownCount(16);
    return combo;
}

void PlaceLabelledCombos(TComponent* owner, TWinControl* parent,
                         std::initializer_list<TLabelledComboPlace> places)
{
    for (const TLabelledComboPlace& place : places) {
        place.Combo = PlaceSettingsCombo(owner, parent, place.Style, place.Bounds);
        place.Label = PlaceSettingsLabel(owner, parent, place.Caption, place.LabelLeft, place.Bounds.Top + 3,
                                         place.Combo);
    }
}

TCheckBox* PlaceSettingsCheck(TComponent* owner, TWinControl* parent, const std::string& caption,
                              TRect bounds)
{
    auto* check = PlaceSettingsControl<TCheckBox>(owner, parent, bounds);
    check->SetCaption(caption);
    return check;
}

TQvSpinEdit* PlaceSettingsSpin(TComponent* owner, TWinControl* parent, TRect bounds, int min, int max,
                               int step)
{
    auto* spin = PlaceSettingsControl<TQvSpinEdit>(owner, parent, bounds);
    TQvSpinEditOptions& options = *spin->SpinOptions();
    options.SetValueType(spnInteger);
    options.SetMinValue(min);
    options.SetMaxValue(max);
    options.SetIncrement(step);
    spin->SetValue(min);
    return spin;
}

TKvpPanel* PlaceSettingsPanel(TComponent* owner, TWinControl* parent, TAlign align, TRect bounds,
                              TColor background)
{
    auto* panel = PlaceSettingsControl<TKvpPanel>(owner, parent, bounds);
    panel->SetAlign(align);
    panel->Appearance()->SetDrawGradient(false);
    panel->Appearance()->SetDrawBorder(false);
    panel->Appearance()->SetBackgroundColor(background);
    panel->SetColor(background);
    return panel;
}

TKVGxTrackBar6* PlaceSettingsTrackBar(TComponent* owner, TWinControl* parent, TRect bounds, int min, int max,
                                      int position)
{
    auto* trackBar = PlaceSettingsControl<TKVGxTrackBar6>(owner, parent, bounds);
    trackBar->SetMin(min);
    trackBar->SetMax(max);
    trackBar->SetPosition(position);
    return trackBar;
}

TKvpBasicSpeedButton* PlaceSettingsSpeedButton(TComponent* owner, TWinControl* parent,
                                               const std::string& caption, TRect bounds)
{
    auto* button = new TKvpBasicSpeedButton(owner);
    button->SetParent(parent);
    button->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    button->SetCaption(caption);
    return button;
}

TKvpPngButton* PlaceSettingsButton(TComponent* owner, TWinControl* parent, const std::string& caption,
                                   TRect bounds)
{
    auto* button = PlaceSettingsControl<TKvpPngButton>(owner, parent, bounds);
    button->SetCaption(caption);
    return button;
}

// A header strip with its caption and the group's menu button.
TKvpPanel* PlaceSettingsHeader(TComponent* owner, TWinControl* parent, const std::string& caption,
                               TLabel*& label, TKvpBasicSpeedButton*& menuButton)
{
    auto* header = PlaceSettingsPanel(
        owner, parent, alTop, Bounds(0, 0, parent->Width(), SettingsHeaderHeight), SettingsPanelBackground);
    SetLightPanelLooks(*header);
    label = PlaceSettingsLabel(owner, header, caption, 8, 4);
    label->Font()->SetStyle({fsBold});
    label->Font()->SetColor(RGBToColor(50, 60, 80));
    menuButton =
        PlaceSettingsSpeedButton(owner, header, "...", Bounds(header->ClientWidth() - 26, 2, 22, 18));
    SetAlignMargins(*menuButton, {2, 2, 2, 2});
    menuButton->SetAlign(alRight);
    return header;
}

void SetAlignMargins(TControl& control, TRect margins)
{
    control.SetAlignWithMargins(true);
    control.Margins()->SetLeft(margins.Left);
    control.Margins()->SetTop(margins.Top);
    control.Margins()->SetRight(margins.Right);
    control.Margins()->SetBottom(margins.Bottom);
}

void SetComboItems(TVezComboBox& combo, const std::vector<std::string>& items)
{
    TStrings& list = *combo.Items();
    list.BeginUpdate();
    list.Clear();
    for (const std::string& item : items)
        list.Add(item);
    list.EndUpdate();
}

void SetLightPanelLooks(TKvpPanel& panel)
{
    TKvpPanelAppearance& looks = *panel.Appearance();
    looks.SetDrawGradient(true);
    looks.UpperGradient()->SetColorFrom(RGBToColor(252, 252, 252));
    looks.UpperGradient()->SetColorTo(RGBToColor(238, 240, 243));
    looks.BottomGradient()->SetColorFrom(RGBToColor(238, 240, 243));
    looks.BottomGradient()->SetColorTo(RGBToColor(228, 231, 235));
    looks.SetDrawBorder(true);
    for (TKvpBasicPanelBorder* side : {looks.Borders()->Left(), looks.Borders()->Right(),
                                       looks.Borders()->Top(), looks.Borders()->Bottom()}) {
        side->Pen()->SetColor(RGBToColor(205, 209, 215));
        side->SetBorder3D(false);
    }
}

void SetDarkPanelLooks(TKvpPanel& panel)
{
    TKvpPanelAppearance& looks = *panel.Appearance();
    looks.SetDrawGradient(true);
    looks.UpperGradient()->SetColorFrom(RGBToColor(74, 78, 86));
    looks.UpperGradient()->SetColorTo(RGBToColor(60, 63, 70));
    looks.BottomGradient()->SetColorFrom(RGBToColor(60, 63, 70));
    looks.BottomGradient()->SetColorTo(RGBToColor(48, 50, 56));
    looks.SetDrawBorder(true);
    for (TKvpBasicPanelBorder* side :
         {looks.Borders()->Left(), looks.Borders()->Right(), looks.Borders()->Bottom()})
        side->SetVisible(false);
    looks.Borders()->Top()->Pen()->SetColor(RGBToColor(34, 36, 40));
    looks.Borders()->Top()->SetBorder3D(false);
}

namespace {

void SetFlatButtonState(TKvpItemStateParams& state, TColor face, TColor border, TColor text)
{
    state.SetGradientEnabled(false);
    state.SetColor(face);
    state.Border()->SetColor(border);
    state.Font()->SetColor(text);
}

} // namespace

void SetFlatButtonLooks(TKvpPngButton& button)
{
    TKvpButtonAppearance& looks = *button.Appearance();
    looks.SetDefaultDrawing(false);
    looks.SetMoveWhenDown(false);
    const TColor text = RGBToColor(40, 44, 52);
    SetFlatButtonState(*looks.Normal(), RGBToColor(246, 247, 249), RGBToColor(180, 186, 196), text);
    SetFlatButtonState(*looks.Hot(), RGBToColor(229, 239, 251), RGBToColor(110, 150, 210), text);
    SetFlatButtonState(*looks.Down(), RGBToColor(204, 222, 246), RGBToColor(80, 120, 190), text);
    SetFlatButtonState(*looks.Focused(), RGBToColor(246, 247, 249), RGBToColor(110, 150, 210), text);
    SetFlatButtonState(*looks.Disabled(), RGBToColor(240, 240, 240), RGBToColor(210, 210, 210),
                       RGBToColor(160, 160, 160));
}

void SetFlatSpeedButtonLooks(TKvpBasicSpeedButton& button)
{
    TKvpBasicSpeedButtonAppearance& looks = *button.Appearance();
    looks.SetShowCaption(true);
    looks.SetMoveWhenDown(false);
    const struct
    {
        TKvpBasicSpeedButtonStateParams* state;
        TColor face, border, text;
    } states[] = {
        {looks.Normal(), RGBToColor(240, 242, 245), RGBToColor(190, 196, 204), RGBToColor(50, 54, 60)},
        {looks.Hot(), RGBToColor(229, 239, 251), RGBToColor(110, 150, 210), RGBToColor(30, 60, 120)},
        {looks.Down(), RGBToColor(204, 222, 246), RGBToColor(80, 120, 190), RGBToColor(30, 60, 120)},
        {looks.Disabled(), RGBToColor(240, 240, 240), RGBToColor(215, 215, 215), RGBToColor(160, 160, 160)},
    };
    for (const auto& s : states) {
        s.state->SetColor(s.face);
        s.state->SetBorderColor(s.border);
        s.state->SetBorderWidth(1);
        s.state->SetFontColor(s.text);
        s.state->SetTransparentBackground(false);
        s.state->SetTransparentBorder(false);
    }
}

void SetTrackBarLooks(TKVGxTrackBar6& trackBar)
{
    trackBar.SetTrackColor(RGBToColor(226, 229, 233));
    trackBar.SetTrackColorTo(RGBToColor(240, 242, 245));
    trackBar.SetTrackBorderColor(RGBToColor(170, 176, 186));
    trackBar.SetTrackDisabledColor(RGBToColor(236, 236, 236));
    trackBar.SetTrackDisabledColorTo(RGBToColor(244, 244, 244));
    trackBar.SetTrackDisabledBorderColor(RGBToColor(205, 205, 205));
    trackBar.SetThumbColor(RGBToColor(250, 250, 250));
    trackBar.SetThumbBorderColor(RGBToColor(100, 110, 125));
    trackBar.SetThumbDisabledColor(RGBToColor(238, 238, 238));
    trackBar.SetThumbDisabledBorderColor(RGBToColor(190, 190, 190));
    trackBar.SetThumbHotColor(RGBToColor(229, 239, 251));
    trackBar.SetThumbHotBorderColor(RGBToColor(60, 110, 190));
    trackBar.SetProgressColor(RGBToColor(96, 150, 220));
    trackBar.SetProgressColorTo(RGBToColor(66, 120, 200));
    trackBar.SetProgressDisabledColor(RGBToColor(200, 200, 200));
    trackBar.SetProgressDisabledBorderColor(RGBToColor(180, 180, 180));
}

void CopyTrackBarColors(TKVGxTrackBar6& target, const TKVGxTrackBar6& source)
{
    target.SetTrackBorderColor(source.TrackBorderColor());
    target.SetThumbColor(source.ThumbColor());
    target.SetThumbBorderColor(source.ThumbBorderColor());
    target.SetThumbDisabledColor(source.ThumbDisabledColor());
    target.SetThumbDisabledBorderColor(source.ThumbDisabledBorderColor());
    target.SetThumbHotColor(source.ThumbHotColor());
    target.SetThumbHotBorderColor(source.ThumbHotBorderColor());
    target.SetTrackColor(source.TrackColor());
    target.SetTrackColorTo(source.TrackColorTo());
    target.SetTrackDisabledColor(source.TrackDisabledColor());
    target.SetTrackDisabledColorTo(source.TrackDisabledColorTo());
    target.SetTrackDisabledBorderColor(source.TrackDisabledBorderColor());
    target.SetProgressColor(source.ProgressColor());
    target.SetProgressColorTo(source.ProgressColorTo());
    target.SetProgressDisabledColor(source.ProgressDisabledColor());
    target.SetProgressDisabledBorderColor(source.ProgressDisabledBorderColor());
}
