#include "controls/toolbars/accessibility.h"

#include "controls/toolbars/bar_acc_objects.h"
#include "controls/toolbars/popup_window.h"
#include "controls/toolbars/toolbar.h"

namespace {

// The services in place unless a test puts others: objects for views and viewers, served for the windows of
// toolbars and popup menus, and the events handed to the GUI layer.
class TBarAccessibilityServices : public IBarAccessibility
{
public:
    TBarAccessibilityServices()
    {
        AddAccessibleResolver([](HWND window) -> std::shared_ptr<IAccessibleObject> {
            TWinControl* control = FindControl(window);
            if (auto* toolbar = dynamic_cast<TBarCustomToolbar*>(control))
                return toolbar->View()->GetAccObject();
            if (auto* popup = dynamic_cast<TBarPopupWindow*>(control); popup && popup->View())
                return popup->View()->GetAccObject();
            return nullptr;
        });
    }
    void NotifyWinEvent(uint32_t event, HWND window, int, int childId) override
    {
        NotifyAccessibleEvent(event, window, childId);
    }
    std::shared_ptr<TBarBaseAccObject> ObjectForView(TBarView& view) override
    {
        return std::make_shared<TBarViewAccObject>(&view);
    }
    std::shared_ptr<TBarBaseAccObject> ObjectForViewer(TBarItemViewer& viewer) override
    {
        return std::make_shared<TBarItemViewerAccObject>(&viewer);
    }
    void ClientIsDestroying(TBarBaseAccObject* object) override { object->ClientIsDestroying(); }
    void Select(TBarBaseAccObject* object, bool execute) override
    {
        if (auto* viewerObject = dynamic_cast<TBarItemViewerAccObject*>(object))
            viewerObject->HandleAccSelect(execute);
    }
    bool AnswerGetObject(TBarView&, TMessage&) override { return false; }
};

IBarAccessibility* services = nullptr;

IBarAccessibility& StandardServices()
{
    static TBarAccessibilityServices standard;
    return standard;
}

// The windows are served from the program's start, before the toolkit can have asked for any of them.
const bool servedFromTheStart = (StandardServices(), true);

} // namespace

IBarAccessibility& BarAccessibility()
{
    return services ? *services : StandardServices();
}

void SetBarAccessibility(IBarAccessibility* value)
{
    services = value;
}

std::string GetAltKeyName()
{
    return "Alt";
}
