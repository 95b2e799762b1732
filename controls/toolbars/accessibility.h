#pragma once

#include "platform/gui/windows/messages.h"

#include <cstdint>

// What menus and toolbars tell accessibility clients (screen readers), through one seam. The desktop's
// accessibility services are not reached yet: the seam in place answers that there are none, so no event is
// raised and no object is made.

class TBarItemViewer;
class TBarView;

// An object that stands for a view or a viewer to accessibility clients.
class TBarBaseAccObject;

// Roles of entries and buttons.
constexpr int ROLE_SYSTEM_CLIENT = 10;
constexpr int ROLE_SYSTEM_MENUITEM = 12;
constexpr int ROLE_SYSTEM_SEPARATOR = 21;
constexpr int ROLE_SYSTEM_PUSHBUTTON = 43;
constexpr int ROLE_SYSTEM_BUTTONMENU = 57;

// Events and the objects they name.
constexpr uint32_t EVENT_SYSTEM_MENUSTART = 4;
constexpr uint32_t EVENT_SYSTEM_MENUEND = 5;
constexpr uint32_t EVENT_SYSTEM_MENUPOPUPSTART = 6;
constexpr uint32_t EVENT_SYSTEM_MENUPOPUPEND = 7;
constexpr uint32_t EVENT_OBJECT_FOCUS = 0x8005;
constexpr int OBJID_CLIENT = -4;
constexpr int CHILDID_SELF = 0;

class IBarAccessibility
{
public:
    virtual ~IBarAccessibility() = default;
    virtual void NotifyWinEvent(uint32_t event, HWND window, int objectId, int childId) = 0;
    // The object of a view or viewer; nullptr without accessibility services.
    virtual TBarBaseAccObject* ObjectForView(TBarView& view) = 0;
    virtual TBarBaseAccObject* ObjectForViewer(TBarItemViewer& viewer) = 0;
    // The view or viewer of the object goes away.
    virtual void ClientIsDestroying(TBarBaseAccObject* object) = 0;
    // A client selected (and, with execute, ran) the object's entry.
    virtual void Select(TBarBaseAccObject* object, bool execute) = 0;
    // WM_GETOBJECT for a view's window; false when not answered.
    virtual bool AnswerGetObject(TBarView& view, TMessage& message) = 0;
};

// The services in place.
IBarAccessibility& BarAccessibility();
// Puts services in place; nullptr goes back to none.
void SetBarAccessibility(IBarAccessibility* services);

inline void CallNotifyWinEvent(uint32_t event, HWND window, int objectId, int childId)
{
    BarAccessibility().NotifyWinEvent(event, window, objectId, childId);
}
