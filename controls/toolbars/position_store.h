#pragma once

// Where a form's dockable windows lie, kept in an INI file: one section per window, named after the window,
// with the keys "Visible", "Dock" (the dock's name, empty when not docked), "Row", "Pos", "Floating",
// "FloatX" and "FloatY", then the keys the window writes itself (a toolbar its "FloatRightX"). Loading puts
// every window back; a window without a section, a dock the form does not have, and missing or unreadable
// values leave the window where the code put it.

class TCustomForm;
class TCustomIniFile;
class TIniFile;

// The places of the dockable windows the form owns. Raises EIniFileError when the file cannot be written,
// leaving it as it was.
void SaveToolbarPositions(TCustomForm& form, TIniFile& ini);
void LoadToolbarPositions(TCustomForm& form, const TCustomIniFile& ini);
