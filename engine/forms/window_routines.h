#pragma once

#include <string>

class TControl;
class TCustomAction;
class TMarkupLabel;
class TDataGrid;
class TQvSpinEdit;
class TWinControl;

// Small routines the windows share: captions set by code, fonts of a grid, spin edit values, the message
// pump of the folder search and the warning about a missing encoder.

// Sets the control's caption and repaints it (labels, link labels, PNG buttons, check boxes, radio
// buttons, group boxes).
void SetCtrlText(TControl& control, const std::string& text);
// The markup label also shows the text as its markup.
void SetCtrlText(TMarkupLabel& label, const std::string& text);
// An action's caption, and its hint too when alsoHint is set; nothing repaints.
void SetCtrlText(TCustomAction& action, const std::string& text, bool alsoHint);

// The grid's font and every column's font and header font get the name and size.
void SetGridFont(TDataGrid& grid, const std::string& fontName, int fontSize);

// The spin edit's value rounded to the nearest integer (halves to even).
int GetSpinEditInt(const TQvSpinEdit& spinEdit);

// Counts the calls of PumpMessagesEvery30; the folder search sets it to 0 before it starts.
inline int PumpMessagesCounter = 0;
// The folder search's progress callback: every 30th call handles what waits in the message queue. Always
// true (the search goes on).
bool PumpMessagesEvery30();

// The warning that the encoder is missing, over the owner window (may be null), top-most.
void ShowToolMissingMsg(TWinControl* owner);
