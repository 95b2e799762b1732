#pragma once

#include "platform/gui/windows/accessibility.h"

#include <memory>

// What menus and toolbars tell accessibility clients (screen readers), through one seam: the objects that
// stand for views and viewers (bar_acc_objects.h), the events of focus and of menus opening and closing, and
// the selection a client asks for. The services in place serve the objects to the desktop through the GUI
// layer.

class TBarBaseAccObject;
class TBarItemViewer;
class TBarView;

class IBarAccessibility
{
public:
    virtual ~IBarAccessibility() = default;
    virtual void NotifyWinEvent(uint32_t event, HWND window, int objectId, int childId) = 0;
    // The object of a view or viewer; nullptr without accessibility services.
    virtual std::shared_ptr<TBarBaseAccObject> ObjectForView(TBarView& view) = 0;
    virtual std::shared_ptr<TBarBaseAccObject> ObjectForViewer(TBarItemViewer& viewer) = 0;
    // The view or viewer of the object goes away.
    virtual void ClientIsDestroying(TBarBaseAccObject* object) = 0;
    // A client selected (and, with execute, ran) the object's entry.
    virtual void Select(TBarBaseAccObject* object, bool execute) = 0;
    // WM_GETOBJECT for a view's window; false when not answered (the layer serves the objects instead).
    virtual bool AnswerGetObject(TBarView& view, TMessage& message) = 0;
};

// The services in place.
IBarAccessibility& BarAccessibility();
// Puts services in place; nullptr goes back to the standard ones.
void SetBarAccessibility(IBarAccessibility* services);

inline void CallNotifyWinEvent(uint32_t event, HWND window, int objectId, int childId)
{
    BarAccessibility().NotifyWinEvent(event, window, objectId, childId);
}

// The Alt key's name as shortcuts show it.
std::string GetAltKeyName();
