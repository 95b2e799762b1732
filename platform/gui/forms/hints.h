#pragma once

#include "platform/gui/windows/win_control.h"

#include <string>
#include <typeindex>

// Hints: the small windows that tell what the control under the pointer does. The application shows one
// when the pointer rests on a control with ShowHint (see TApplication), in a window of the hint window
// class, which a program may replace with its own descendant of THintWindow. A hint text may hold a short
// and a long part, "short|long": the window shows the short part, the application's Hint the long one.

class THintWindow;

// A class reference for hint windows: makes windows of one class and tells whether a window is of it.
class THintWindowClass
{
public:
    template <typename T> static THintWindowClass Of()
    {
        return THintWindowClass(typeid(T), [](TComponent* owner) -> THintWindow* { return new T(owner); });
    }
    THintWindow* Create(TComponent* owner) const { return make_(owner); }
    // True when window is of exactly this class (not of a descendant).
    bool IsClassOf(const THintWindow* window) const;
    bool operator==(const THintWindowClass& other) const { return type_ == other.type_; }

private:
    using Maker = THintWindow* (*)(TComponent* owner);
    THintWindowClass(const std::type_info& type, Maker make) : type_(type), make_(make) {}
    std::type_index type_;
    Maker make_;
};

// A borderless, topmost popup that shows a text and never takes the focus.
class THintWindow : public TCustomControl
{
public:
    explicit THintWindow(TComponent* owner);

    // Shows the window over rect (screen coordinates) with text, kept on the monitor the rectangle is on.
    virtual void ActivateHint(TRect rect, const std::string& text);
    // The same for a hint that carries data of its own (a class that draws the data overrides it).
    virtual void ActivateHintData(TRect rect, const std::string& text, void* data);
    // The rectangle at (0, 0) the window needs for text, wrapped at maxWidth.
    virtual TRect CalcHintRect(int maxWidth, const std::string& text, void* data);
    // True for the messages that end a hint (IsDefaultHintMsg).
    virtual bool IsHintMsg(const TMsg& msg) const;
    // Hides the window by destroying its handle; the next ActivateHint makes it again.
    void ReleaseHandle();

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};

// The class of the hint windows the application makes; a program installs its own class here.
extern THintWindowClass HintWindowClass;

// What the application is about to show; CM_HINTSHOW hands it (LParam) to the control under the pointer,
// which may change any of it or answer non-zero to show no hint.
struct THintInfo
{
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass = ::HintWindowClass;
    TPoint HintPos; // top-left of the hint window, screen coordinates
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    TRect CursorRect;      // the hint stays while the pointer is inside (HintControl's client coordinates)
    TPoint CursorPos;      // the pointer in HintControl's client coordinates
    int ReshowTimeout = 0; // ms after which the hint is asked for again; 0 for never
    int HideTimeout = 0;   // ms after which the hint hides; 0 for never
    std::string HintStr;
    void* HintData = nullptr;
};

// The messages that end a hint unless the hint window says otherwise: keys, mouse buttons, activation,
// commands.
bool IsDefaultHintMsg(const TMsg& msg);

// The part of a hint before the first "|" (all of it without one) and the part after it (all of it without
// one).
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);
// The hint of control, or of its nearest parent that has one.
std::string GetHint(const TControl* control);
