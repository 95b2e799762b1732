#pragma once

#include "platform/gui/standard/combo_box.h"
#include "platform/gui/windows/control.h"

#include <initializer_list>
#include <string>
#include <vector>

class TLabel;
class TCheckBox;
class TVezComboBox;
class TQvSpinEdit;
class TKvpPanel;
class TKVGxTrackBar6;
class TKvpBasicSpeedButton;
class TKvpPngButton;
class TKvpItemStateParams;

// The background of the settings panels and the height of their header strips.
inline constexpr TColor SettingsPanelBackground = 0xFBFAFA;
constexpr int SettingsHeaderHeight = 22;

// Small builders for the settings panels: each creates a control owned by owner on parent at a place.

template <typename T> T* PlaceSettingsControl(TComponent* owner, TWinControl* parent, TRect bounds)
{
    auto* control = new T(owner);
    control->SetParent(parent);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return control;
}

// A transparent label of its text's size; focus, when given, is the control the label names.
TLabel* PlaceSettingsLabel(TComponent* owner, TWinControl* parent, const std::string& caption, int left,
                           int top, TWinControl* focus = nullptr);
TVezComboBox* PlaceSettingsCombo(TComponent* owner, TWinControl* parent, TComboBoxStyle style, TRect bounds);
// A list and the label that names it, on the list's line at LabelLeft.
struct TLabelledComboPlace
{
    TLabel*& Label;
    TVezComboBox*& Combo;
    const std::string& Caption;
    TComboBoxStyle Style;
    TRect Bounds;
    int LabelLeft = 8;
};
void PlaceLabelledCombos(TComponent* owner, TWinControl* parent,
                         std::initializer_list<TLabelledComboPlace> places);
TCheckBox* PlaceSettingsCheck(TComponent* owner, TWinControl* parent, const std::string& caption,
                              TRect bounds);
// An integer spin edit between min and max stepping by step.
TQvSpinEdit* PlaceSettingsSpin(TComponent* owner, TWinControl* parent, TRect bounds, int min, int max,
                               int step);
// A flat panel of the background colour, aligned in its parent.
TKvpPanel* PlaceSettingsPanel(TComponent* owner, TWinControl* parent, TAlign align, TRect bounds,
                              TColor background);
TKVGxTrackBar6* PlaceSettingsTrackBar(TComponent* owner, TWinControl* parent, TRect bounds, int min, int max,
                                      int position);
// A small flat "Info"-like button.
TKvpBasicSpeedButton* PlaceSettingsSpeedButton(TComponent* owner, TWinControl* parent,
                                               const std::string& caption, TRect bounds);
TKvpPngButton* PlaceSettingsButton(TComponent* owner, TWinControl* parent, const std::string& caption,
                                   TRect bounds);
// A header strip aligned at the top of parent, with its caption and the group's menu button at the right.
TKvpPanel* PlaceSettingsHeader(TComponent* owner, TWinControl* parent, const std::string& caption,
                               TLabel*& label, TKvpBasicSpeedButton*& menuButton);

// Aligned controls keep these distances (left, top, right, bottom) from their neighbours.
void SetAlignMargins(TControl& control, TRect margins);

// Replaces the items, leaving no item selected.
void SetComboItems(TVezComboBox& combo, const std::vector<std::string>& items);

// The looks of the templates: a light panel, a dark bottom panel, a flat button and a flat speed button.
void SetLightPanelLooks(TKvpPanel& panel);
void SetDarkPanelLooks(TKvpPanel& panel);
void SetFlatButtonLooks(TKvpPngButton& button);
void SetFlatSpeedButtonLooks(TKvpBasicSpeedButton& button);
void SetTrackBarLooks(TKVGxTrackBar6& trackBar);
// The colours of a track bar (track, thumb and progress, each normal and disabled), copied from another.
void CopyTrackBarColors(TKVGxTrackBar6& target, const TKVGxTrackBar6& source);
