#pragma once

#include "platform/gui/windows/messages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// What screen readers and other accessibility clients see of windows that draw their parts themselves (menus
// and toolbars): an accessible object of ours for each part, with the role, name, state, keyboard shortcut,
// default action and place of the part, which the layer serves to the desktop's accessibility for the
// window. The windows announce focus and menu changes through NotifyAccessibleEvent.

// Roles.
constexpr int ROLE_SYSTEM_MENUBAR = 2;
constexpr int ROLE_SYSTEM_CLIENT = 10;
constexpr int ROLE_SYSTEM_MENUPOPUP = 11;
constexpr int ROLE_SYSTEM_MENUITEM = 12;
constexpr int ROLE_SYSTEM_SEPARATOR = 21;
constexpr int ROLE_SYSTEM_TOOLBAR = 22;
constexpr int ROLE_SYSTEM_PUSHBUTTON = 43;
constexpr int ROLE_SYSTEM_BUTTONMENU = 57;

// State bits.
constexpr uint32_t STATE_SYSTEM_UNAVAILABLE = 0x1;
constexpr uint32_t STATE_SYSTEM_FOCUSED = 0x4;
constexpr uint32_t STATE_SYSTEM_PRESSED = 0x8;
constexpr uint32_t STATE_SYSTEM_CHECKED = 0x10;
constexpr uint32_t STATE_SYSTEM_HOTTRACKED = 0x80;
constexpr uint32_t STATE_SYSTEM_INVISIBLE = 0x8000;
constexpr uint32_t STATE_SYSTEM_FOCUSABLE = 0x100000;
constexpr uint32_t STATE_SYSTEM_HASPOPUP = 0x40000000;

// Directions of Navigate.
constexpr int NAVDIR_UP = 1;
constexpr int NAVDIR_DOWN = 2;
constexpr int NAVDIR_LEFT = 3;
constexpr int NAVDIR_RIGHT = 4;
constexpr int NAVDIR_NEXT = 5;
constexpr int NAVDIR_PREVIOUS = 6;
constexpr int NAVDIR_FIRSTCHILD = 7;
constexpr int NAVDIR_LASTCHILD = 8;

// Events, and the object of a window they name.
constexpr uint32_t EVENT_SYSTEM_MENUSTART = 4;
constexpr uint32_t EVENT_SYSTEM_MENUEND = 5;
constexpr uint32_t EVENT_SYSTEM_MENUPOPUPSTART = 6;
constexpr uint32_t EVENT_SYSTEM_MENUPOPUPEND = 7;
constexpr uint32_t EVENT_OBJECT_FOCUS = 0x8005;
constexpr int OBJID_CLIENT = -4;
constexpr int CHILDID_SELF = 0;

// One part of a window as accessibility clients see it. Objects are shared between the window and the
// clients; an object whose part is gone is no longer Valid and answers nothing more (empty texts, no
// objects, false).
class IAccessibleObject
{
public:
    virtual ~IAccessibleObject() = default;
    virtual bool Valid() const = 0;
    // The window the part lies in.
    virtual HWND Window() const = 0;
    // nullptr: the part is the window's own object, whose parent is the window's parent.
    virtual std::shared_ptr<IAccessibleObject> Parent() = 0;
    virtual int ChildCount() = 0;
    // The index-th child, from 1; nullptr for an index without one.
    virtual std::shared_ptr<IAccessibleObject> Child(int index) = 0;
    virtual std::string Name() = 0;
    virtual std::string Value() = 0;
    virtual int Role() = 0;
    virtual uint32_t State() = 0;
    // "Alt+f" for a menu bar's entry, "f" in a menu; empty for none.
    virtual std::string KeyboardShortcut() = 0;
    // The name of what DoDefaultAction does; empty when nothing can be done.
    virtual std::string DefaultAction() = 0;
    virtual bool DoDefaultAction() = 0;
    // Makes the part the selected one (the client's focus); false when it cannot be.
    virtual bool Select() = 0;
    // Screen coordinates.
    virtual TRect Location() = 0;
    // The object at a screen point: a child, this object, or nullptr outside it.
    virtual std::shared_ptr<IAccessibleObject> HitTest(TPoint screenPos) = 0;
    // The child that has the keyboard now; nullptr for none.
    virtual std::shared_ptr<IAccessibleObject> FocusedChild() = 0;
    virtual std::shared_ptr<IAccessibleObject> Navigate(int direction) = 0;
};

// Answers the object of a window it serves; nullptr for a window it does not.
using TAccessibleResolver = std::function<std::shared_ptr<IAccessibleObject>(HWND window)>;
// A resolver serves the objects of windows from now on; the token takes it away again.
int AddAccessibleResolver(TAccessibleResolver resolver);
void RemoveAccessibleResolver(int token);
// The object a window serves to accessibility clients; nullptr when it serves none of its own.
std::shared_ptr<IAccessibleObject> AccessibleObjectOfWindow(HWND window);
// Tells accessibility clients of an event of a window's object (childId 0) or of its childId-th child: the
// desktop's, while one listens, and the listeners of the program.
void NotifyAccessibleEvent(uint32_t event, HWND window, int childId);
using TAccessibleEventListener = std::function<void(uint32_t event, HWND window, int childId)>;
int AddAccessibleEventListener(TAccessibleEventListener listener);
void RemoveAccessibleEventListener(int token);
