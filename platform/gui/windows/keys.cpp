#include "platform/gui/windows/keys.h"

#include "platform/gui/qt/input_state.h"
#include "platform/gui/windows/messages.h"
#include "support/utf8.h"

#include <array>
#include <utility>

namespace {

std::array<bool, 256> keysDown{};

// The Alt key on its own: down with nothing else pressed since (altAlone), then released so (altTapped).
// Its key-down must have reached a window (altDownDelivered): one that a loop took for itself, as an open
// menu does to close, leaves no lone Alt behind.
bool altHeld = false;
bool altAlone = false;
bool altDownDelivered = false;
bool altTapped = false;
bool lastInputKeyboard = false;

void NoteMenuKey(int virtualKey, bool down)
{
    if (virtualKey != VK_MENU) {
        if (down)
            altAlone = false;
        return;
    }
    if (down && !altHeld) {
        altAlone = true;
        altDownDelivered = false;
    }
    if (!down)
        altTapped = altHeld && altAlone;
    altHeld = down;
}

struct KeyName
{
    uint16_t key;
    const char* name;
};

// Names of the keys that are not their own character.
constexpr KeyName keyNames[] = {
    {VK_BACK, "BkSp"},      {VK_TAB, "Tab"},     {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},    {VK_PRIOR, "PgUp"},  {VK_NEXT, "PgDn"},    {VK_END, "End"},
    {VK_HOME, "Home"},      {VK_LEFT, "Left"},   {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},      {VK_INSERT, "Ins"},  {VK_DELETE, "Del"},   {VK_OEM_PLUS, "="},
    {VK_OEM_MINUS, "-"},    {VK_OEM_COMMA, ","}, {VK_OEM_PERIOD, "."}, {VK_OEM_1, ";"},
    {VK_OEM_2, "/"},        {VK_OEM_3, "`"},     {VK_OEM_4, "["},      {VK_OEM_5, "\\"},
    {VK_OEM_6, "]"},        {VK_OEM_7, "'"},     {VK_ADD, "Num +"},    {VK_SUBTRACT, "Num -"},
    {VK_MULTIPLY, "Num *"}, {VK_DIVIDE, "Num /"}};

constexpr std::pair<TShortCut, const char*> modifierNames[] = {
    {scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

std::string KeyToText(uint16_t key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F24)
        return "F" + std::to_string(key - VK_F1 + 1);
    for (const KeyName& entry : keyNames)
        if (entry.key == key)
            return entry.name;
    return {};
}

} // namespace

void NoteKeyState(int virtualKey, bool down)
{
    if (virtualKey <= 0 || virtualKey >= 256)
        return;
    keysDown[virtualKey] = down;
    NoteMenuKey(virtualKey, down);
    if (down)
        lastInputKeyboard = true;
}

void NoteModifierState(bool shift, bool ctrl, bool alt)
{
    keysDown[VK_SHIFT] = shift;
    keysDown[VK_CONTROL] = ctrl;
    keysDown[VK_MENU] = alt;
}

void NoteMouseButtonState(bool left, bool right, bool middle)
{
    keysDown[VK_LBUTTON] = left;
    keysDown[VK_RBUTTON] = right;
    keysDown[VK_MBUTTON] = middle;
    if (left || right || middle) {
        altAlone = false;
        lastInputKeyboard = false;
    }
}

bool LastInputFromKeyboard()
{
    return lastInputKeyboard;
}

void NoteAltDownDelivered()
{
    altDownDelivered = true;
}

bool TakeAltTappedAlone()
{
    return std::exchange(altTapped, false) && std::exchange(altDownDelivered, false);
}

void ForgetAltPress()
{
    altHeld = false;
    altAlone = false;
    altDownDelivered = false;
    altTapped = false;
}

int16_t GetKeyState(int virtualKey)
{
    if (virtualKey <= 0 || virtualKey >= 256)
        return 0;
    return keysDown[virtualKey] ? static_cast<int16_t>(0x8000) : 0;
}

int16_t GetAsyncKeyState(int virtualKey)
{
    return GetKeyState(virtualKey);
}

TShiftState KeysToShiftState(unsigned keys)
{
    TShiftState state;
    if (keys & MK_SHIFT)
        state.Include(ssShift);
    if (keys & MK_CONTROL)
        state.Include(ssCtrl);
    if (keys & MK_LBUTTON)
        state.Include(ssLeft);
    if (keys & MK_RBUTTON)
        state.Include(ssRight);
    if (keys & MK_MBUTTON)
        state.Include(ssMiddle);
    if ((keys & MK_ALT) || GetKeyState(VK_MENU) < 0)
        state.Include(ssAlt);
    return state;
}

TShiftState KeyDataToShiftState(intptr_t keyData)
{
    TShiftState state;
    if (GetKeyState(VK_SHIFT) < 0)
        state.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0)
        state.Include(ssCtrl);
    if (keyData & (intptr_t{1} << 29))
        state.Include(ssAlt);
    return state;
}

intptr_t MakeKeyData(bool alt, bool repeat, bool release, bool keypad)
{
    uint32_t data = 1;
    if (keypad)
        data |= static_cast<uint32_t>(KeyDataKeypadBit);
    if (alt)
        data |= 1u << 29;
    if (repeat || release)
        data |= 1u << 30;
    if (release)
        data |= 1u << 31;
    return static_cast<intptr_t>(data);
}

TShortCut ShortCut(uint16_t key, TShiftState shift)
{
    if (key & 0xFF00)
        return scNone;
    TShortCut result = key;
    if (shift.Contains(ssShift))
        result |= scShift;
    if (shift.Contains(ssCtrl))
        result |= scCtrl;
    if (shift.Contains(ssAlt))
        result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift)
{
    key = shortCut & 0xFF;
    shift = {};
    if (shortCut & scShift)
        shift.Include(ssShift);
    if (shortCut & scCtrl)
        shift.Include(ssCtrl);
    if (shortCut & scAlt)
        shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut)
{
    const std::string keyText = KeyToText(shortCut & 0xFF);
    if (keyText.empty())
        return {};
    std::string text;
    for (const auto& [bit, name] : modifierNames)
        if (shortCut & bit)
            text += name;
    return text + keyText;
}

TShortCut TextToShortCut(const std::string& text)
{
    std::string rest = text;
    TShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const auto& [bit, name] : modifierNames) {
            const std::string prefix = name;
            if (rest.size() > prefix.size() && SameTextIgnoreCase(rest.substr(0, prefix.size()), prefix)) {
                modifiers |= bit;
                rest.erase(0, prefix.size());
                found = true;
            }
        }
    }
    for (int key = 1; key < 256; ++key) {
        const std::string name = KeyToText(static_cast<uint16_t>(key));
        if (!name.empty() && SameTextIgnoreCase(name, rest))
            return static_cast<TShortCut>(modifiers | key);
    }
    return scNone;
}

bool IsAccel(uint32_t ch, const std::string& caption)
{
    const std::u32string text = Utf8ToUtf32(caption);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != U'&')
            continue;
        if (text[i + 1] == U'&') {
            ++i;
            continue;
        }
        return UnicodeUpper(text[i + 1]) == UnicodeUpper(static_cast<char32_t>(ch));
    }
    return false;
}

std::string StripHotkey(const std::string& caption)
{
    std::string result;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            result += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            result += '&';
            ++i;
        }
    }
    return result;
}
