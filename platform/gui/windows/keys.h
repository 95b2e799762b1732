#pragma once

#include "platform/gui/core/set_of.h"

#include <cstdint>
#include <string>

// Virtual key codes, shift states and shortcuts.

constexpr uint16_t VK_LBUTTON = 0x01;
constexpr uint16_t VK_RBUTTON = 0x02;
constexpr uint16_t VK_CANCEL = 0x03;
constexpr uint16_t VK_MBUTTON = 0x04;
constexpr uint16_t VK_BACK = 0x08;
constexpr uint16_t VK_TAB = 0x09;
constexpr uint16_t VK_CLEAR = 0x0C;
constexpr uint16_t VK_RETURN = 0x0D;
constexpr uint16_t VK_SHIFT = 0x10;
constexpr uint16_t VK_CONTROL = 0x11;
constexpr uint16_t VK_MENU = 0x12;
constexpr uint16_t VK_PAUSE = 0x13;
constexpr uint16_t VK_CAPITAL = 0x14;
constexpr uint16_t VK_ESCAPE = 0x1B;
constexpr uint16_t VK_SPACE = 0x20;
constexpr uint16_t VK_PRIOR = 0x21;
constexpr uint16_t VK_NEXT = 0x22;
constexpr uint16_t VK_END = 0x23;
constexpr uint16_t VK_HOME = 0x24;
constexpr uint16_t VK_LEFT = 0x25;
constexpr uint16_t VK_UP = 0x26;
constexpr uint16_t VK_RIGHT = 0x27;
constexpr uint16_t VK_DOWN = 0x28;
constexpr uint16_t VK_SELECT = 0x29;
constexpr uint16_t VK_PRINT = 0x2A;
constexpr uint16_t VK_EXECUTE = 0x2B;
constexpr uint16_t VK_SNAPSHOT = 0x2C;
constexpr uint16_t VK_INSERT = 0x2D;
constexpr uint16_t VK_DELETE = 0x2E;
constexpr uint16_t VK_HELP = 0x2F;
// '0'..'9' and 'A'..'Z' are their own key codes.
constexpr uint16_t VK_LWIN = 0x5B;
constexpr uint16_t VK_RWIN = 0x5C;
constexpr uint16_t VK_APPS = 0x5D;
constexpr uint16_t VK_NUMPAD0 = 0x60;
constexpr uint16_t VK_NUMPAD9 = 0x69;
constexpr uint16_t VK_MULTIPLY = 0x6A;
constexpr uint16_t VK_ADD = 0x6B;
constexpr uint16_t VK_SEPARATOR = 0x6C;
constexpr uint16_t VK_SUBTRACT = 0x6D;
constexpr uint16_t VK_DECIMAL = 0x6E;
constexpr uint16_t VK_DIVIDE = 0x6F;
constexpr uint16_t VK_F1 = 0x70;
constexpr uint16_t VK_F2 = 0x71;
constexpr uint16_t VK_F3 = 0x72;
constexpr uint16_t VK_F4 = 0x73;
constexpr uint16_t VK_F5 = 0x74;
constexpr uint16_t VK_F6 = 0x75;
constexpr uint16_t VK_F7 = 0x76;
constexpr uint16_t VK_F8 = 0x77;
constexpr uint16_t VK_F9 = 0x78;
constexpr uint16_t VK_F10 = 0x79;
constexpr uint16_t VK_F11 = 0x7A;
constexpr uint16_t VK_F12 = 0x7B;
constexpr uint16_t VK_F24 = 0x87;
constexpr uint16_t VK_NUMLOCK = 0x90;
constexpr uint16_t VK_SCROLL = 0x91;
constexpr uint16_t VK_LSHIFT = 0xA0;
constexpr uint16_t VK_RSHIFT = 0xA1;
constexpr uint16_t VK_LCONTROL = 0xA2;
constexpr uint16_t VK_RCONTROL = 0xA3;
constexpr uint16_t VK_LMENU = 0xA4;
constexpr uint16_t VK_RMENU = 0xA5;
constexpr uint16_t VK_OEM_1 = 0xBA; // ;
constexpr uint16_t VK_OEM_PLUS = 0xBB;
constexpr uint16_t VK_OEM_COMMA = 0xBC;
constexpr uint16_t VK_OEM_MINUS = 0xBD;
constexpr uint16_t VK_OEM_PERIOD = 0xBE;
constexpr uint16_t VK_OEM_2 = 0xBF; // /
constexpr uint16_t VK_OEM_3 = 0xC0; // `
constexpr uint16_t VK_OEM_4 = 0xDB; // [
constexpr uint16_t VK_OEM_5 = 0xDC; // backslash
constexpr uint16_t VK_OEM_6 = 0xDD; // ]
constexpr uint16_t VK_OEM_7 = 0xDE; // '

enum TShiftStateFlag
{
    ssShift,
    ssAlt,
    ssCtrl,
    ssLeft,
    ssRight,
    ssMiddle,
    ssDouble,
    ssTouch,
    ssPen,
    ssCommand
};
using TShiftState = TSet<TShiftStateFlag>;

enum TMouseButton
{
    mbLeft,
    mbRight,
    mbMiddle
};

// The shift state of the MK_* bits of a mouse message.
TShiftState KeysToShiftState(unsigned keys);
// The shift state of a key message's key data (bit 29: Alt) together with the keyboard's Shift and Ctrl.
TShiftState KeyDataToShiftState(intptr_t keyData);
// Key-message data as the keyboard gives it: repeat count 1, bit 22 for a key of the numeric keypad, bit 29
// when Alt is held, bit 30 for a repeat, bit 31 for a release.
intptr_t MakeKeyData(bool alt, bool repeat, bool release, bool keypad = false);
// Bit 22 of the key data: the key is on the numeric keypad (the classic keyboard's keypad scan codes all
// carry this bit).
constexpr intptr_t KeyDataKeypadBit = intptr_t{1} << 22;

// The keyboard state as key messages left it: the high bit (a negative answer) while the key is down. The
// mouse buttons answer for VK_LBUTTON, VK_RBUTTON and VK_MBUTTON.
int16_t GetKeyState(int virtualKey);
int16_t GetAsyncKeyState(int virtualKey);

// A shortcut is a key code with scShift, scCtrl and scAlt bits; 0 is none.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

TShortCut ShortCut(uint16_t key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift);
// "Shift+Ctrl+F5", "Del", "Alt+X"; empty for none.
std::string ShortCutToText(TShortCut shortCut);
// The reverse; 0 for text that names no shortcut.
TShortCut TextToShortCut(const std::string& text);

// True when caption holds "&" before a letter matching ch (either case); "&&" is a literal ampersand.
bool IsAccel(uint32_t ch, const std::string& caption);
// The caption with accelerator ampersands removed ("&&" becomes "&").
std::string StripHotkey(const std::string& caption);
