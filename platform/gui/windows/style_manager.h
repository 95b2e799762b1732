#pragma once

#include "platform/gui/windows/style_hook.h"
#include "platform/gui/windows/style_services.h"

#include <functional>
#include <memory>
#include <typeindex>

// The active style of the program, replaceable, and the style hooks registered by control class.

class TStyleManager
{
public:
    static TCustomStyleServices& ActiveStyle();
    static TCustomStyleServices& SystemStyle();
    // Makes style the active one (nullptr: the system style); the caller keeps it alive while it is active.
    // The hooks of the previous style go away and every window repaints.
    static void SetStyle(TCustomStyleServices* style);
    // True while an enabled style other than the system style is active.
    static bool IsCustomStyleActive();

    // Controls of exactly TControlClass are painted by a THookClass while a custom style is active (a
    // descendant class registers a hook of its own). Registering a class again replaces its hook.
    template <typename TControlClass, typename THookClass> static void RegisterStyleHook()
    {
        RegisterStyleHook(typeid(TControlClass), typeid(THookClass), [](TWinControl* control) {
            return std::unique_ptr<TStyleHook>(new THookClass(static_cast<TControlClass*>(control)));
        });
    }
    // Takes the hook away from the class, if THookClass is the one registered; its live hooks go too.
    template <typename TControlClass, typename THookClass> static void UnRegisterStyleHook()
    {
        UnRegisterStyleHook(typeid(TControlClass), typeid(THookClass));
    }

    // For the window procedure of the windowed controls: lets the control's hook see the message first;
    // true when the hook handled it.
    static bool HandleMessage(TWinControl& control, TMessage& message);

private:
    using THookFactory = std::function<std::unique_ptr<TStyleHook>(TWinControl*)>;
    static void RegisterStyleHook(std::type_index controlClass, std::type_index hookClass,
                                  THookFactory factory);
    static void UnRegisterStyleHook(std::type_index controlClass, std::type_index hookClass);
};
