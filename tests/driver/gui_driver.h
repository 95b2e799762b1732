#pragma once

// Windows and input for the tests of the layer's controls and of the component libraries: a shown form on
// the offscreen platform, keys and mouse input that reach a control the way the window system delivers
// them, and controls painted into bitmaps that can be saved as pictures to look at.
//
// Keys are written the way a reader says them: "Left", "S-Home" (Shift), "C-Right" (Ctrl), "CS-Left",
// "A-Down" (Alt), "C-v", "F2", "Space", "A--" (Alt and the minus key), and "=text" for text typed as it is
// (through the input method). Punctuation keys are their characters (".", ",", "-", ";", ":", "/", "'", "$",
// "@", "+"). Keys of the numeric keypad: "Num0" to "Num9", and its decimal key as a keyboard layout types
// it, "Num." or "Num,".

#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/windows/keys.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A shown, active form of the given size; free it with Free().
TForm* ShowTestForm(int width = 300, int height = 200);
// Lets the window system deliver what is pending.
void Pump();

// A key pressed and released, or only pressed or released (for held keys).
void Press(TWinControl* control, const std::string& key);
void PressAll(TWinControl* control, const std::vector<std::string>& keys);
void KeyDown(TWinControl* control, const std::string& key);
void KeyUp(TWinControl* control, const std::string& key);
// A press that the keyboard's auto-repeat sends while the key is held.
void KeyRepeat(TWinControl* control, const std::string& key);

// Mouse input at a point of the control's client area; shift names the keys held (ssShift, ssCtrl, ssAlt)
// and, for moves, the buttons held (ssLeft, ssRight, ssMiddle).
void MouseDown(TWinControl* control, TPoint clientPos, TMouseButton button = mbLeft, TShiftState shift = {});
void MouseUp(TWinControl* control, TPoint clientPos, TMouseButton button = mbLeft, TShiftState shift = {});
void MouseMove(TWinControl* control, TPoint clientPos, TShiftState shift = {});
void Click(TWinControl* control, TPoint clientPos, TMouseButton button = mbLeft, TShiftState shift = {});
void DoubleClick(TWinControl* control, TPoint clientPos, TMouseButton button = mbLeft);
// Mouse input at a point of the control's window, its frame included (scroll bars, borders), in window
// coordinates.
void FrameMouseDown(TWinControl* control, TPoint windowPos, TMouseButton button = mbLeft);
void FrameMouseMove(TWinControl* control, TPoint windowPos, TShiftState shift = {});
void FrameMouseUp(TWinControl* control, TPoint windowPos, TMouseButton button = mbLeft);
// A click at a point of the control's whole window, its frame included: the parts a window draws in its
// frame, such as the arrows and the track of a scroll bar control.
void ClickWindow(TWinControl* control, TPoint windowPos, TMouseButton button = mbLeft);
// The second press of a double click alone (the first click came before it).
void DoubleClickDown(TWinControl* control, TPoint clientPos, TMouseButton button = mbLeft);
// A wheel turn over a client point; one notch is 120, positive away from the user.
void Wheel(TWinControl* control, TPoint clientPos, int delta, TShiftState shift = {});

// Answers the next popup menu the program opens, once it is open: the texts of its entries ("-" for a
// line) go into *entries when given, and the entry whose text (accelerator marks and all) is choose is
// chosen as the keyboard would choose it; with no such entry the menu closes without a choice.
void AnswerNextMenu(const std::string& choose, std::vector<std::string>* entries = nullptr);

// The control's window painted into a bitmap of its size (frame, client and children).
std::unique_ptr<TBitmap> Render(TWinControl* control);
// The control's client area as it stands on the (offscreen) screen, read without painting anything: what
// the control's last paints left there.
std::unique_ptr<TBitmap> ScreenBitmap(TWinControl* control);
// A colour that painting routines never use: laid under what they paint, it shows what they leave unpainted.
constexpr TColor Ground = 0x00C8C8;
// How many pixels of rect have the colour.
int CountPixels(TBitmap& bitmap, const TRect& rect, TColor color);
// How many pixels of two bitmaps of the same size differ.
int PixelsThatDiffer(TBitmap& a, TBitmap& b);
// Saves the bitmap as <build>/screenshots/<name>.png for a person to look at, each pixel as a square of
// scale pixels so that small pictures can be seen; answers the file's path. A picture that cannot be
// written (an empty one, a folder that cannot be made) fails the calling test and answers an empty path.
std::string SaveScreenshot(const TBitmap& bitmap, const std::string& name, int scale = 1);
// An HTML document as the toolkit's rich-text engine lays it out at the width and paints it on white.
std::unique_ptr<TBitmap> RenderHtml(const std::string& html, int width);

// Drags between windows, played as a user would. While a TScriptedDrag lives, a drag the program starts
// (DoDragDrop) goes into target at a client point with the keys held (ssCtrl) and is dropped there; without
// a target it is let go where nothing takes it. The drag's data is kept for the test to look at.
class TScriptedDrag
{
public:
    explicit TScriptedDrag(TWinControl* target, TPoint clientPos = {}, TShiftState shift = {});
    ~TScriptedDrag();
    TScriptedDrag(const TScriptedDrag&) = delete;
    TScriptedDrag& operator=(const TScriptedDrag&) = delete;

    // The data of the last drag by MIME type, and how many drags were played.
    std::map<std::string, std::string> Carried;
    int Drags = 0;
};

// Data from another program dropped on a control's client point with the keys held: its formats by MIME
// type ("text/plain", "text/rtf", "text/uri-list"). Answers the effect the control performed (1 copy, 2
// move, 0 refused).
uint32_t DropData(TWinControl* target, TPoint clientPos, const std::map<std::string, std::string>& data,
                  TShiftState shift = {});
