#pragma once

// The parts of the main window's language routine, one per kind of text.

class TAppStrings;
struct TMainModuleStrings;
class TFormMain;
class TSettingsPanels;

// Captions and hints of the window's own controls, actions, menu headers, tool bar buttons and of its
// profile and script dialogs' filters.
void SetMainWindowTexts(TFormMain& form, TAppStrings& strings);

// The items of the settings lists that come from the string table, rewritten in place: each list keeps its
// selection, and the numbers the user typed into the editable lists stay.
void SetSettingsListTexts(TSettingsPanels& panels, const TMainModuleStrings& texts);
