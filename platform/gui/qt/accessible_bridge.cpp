#include "platform/gui/qt/accessible_bridge.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/win_control.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <map>

namespace {

class TAccessibleBridge;

// The interfaces made for the parts of windows (the windows' own are the toolkit's to keep), by object.
struct TPartInterface
{
    QAccessible::Id id;
    HWND window;
};
std::map<const IAccessibleObject*, TPartInterface>& PartInterfaces()
{
    static std::map<const IAccessibleObject*, TPartInterface> parts;
    return parts;
}

QWidget* WidgetOf(HWND window)
{
    TWinControl* control = WindowControl(window);
    return control ? control->Window().widget.data() : nullptr;
}

QAccessibleInterface* InterfaceOf(const std::shared_ptr<IAccessibleObject>& object);

// One of our objects as the toolkit's accessibility sees it: the window's own object stands for the window's
// widget, the others for parts of it.
class TAccessibleBridge : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TAccessibleBridge(std::shared_ptr<IAccessibleObject> object, QWidget* widget)
        : object_(std::move(object)), widget_(widget)
    {}

    const IAccessibleObject* Object() const { return object_.get(); }

    bool isValid() const override { return object_->Valid() && (!ownsWidget() || widget_); }
    QObject* object() const override { return ownsWidget() ? widget_.data() : nullptr; }
    QWindow* window() const override
    {
        QWidget* widget = WidgetOf(object_->Window());
        return widget && widget->window() ? widget->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* focusChild() const override { return InterfaceOf(object_->FocusedChild()); }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        std::shared_ptr<IAccessibleObject> hit = object_->HitTest({x, y});
        return hit && hit != object_ ? InterfaceOf(hit) : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        if (std::shared_ptr<IAccessibleObject> parent = object_->Parent())
            return InterfaceOf(parent);
        QWidget* widget = WidgetOf(object_->Window());
        QObject* above = widget ? widget->parentWidget() : nullptr;
        return above ? QAccessible::queryAccessibleInterface(above) : nullptr;
    }
    QAccessibleInterface* child(int index) const override { return InterfaceOf(object_->Child(index + 1)); }
    int childCount() const override { return object_->ChildCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* bridge = dynamic_cast<const TAccessibleBridge*>(child);
        for (int i = 1; bridge && i <= object_->ChildCount(); ++i)
            if (object_->Child(i).get() == bridge->Object())
                return i - 1;
        return -1;
    }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(object_->Name());
        case QAccessible::Value:
            return QString::fromStdString(object_->Value());
        case QAccessible::Accelerator:
            return QString::fromStdString(object_->KeyboardShortcut());
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const TRect r = object_->Location();
        return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    }
    // The toolkit's roles carry the desktop's numbers.
    QAccessible::Role role() const override { return static_cast<QAccessible::Role>(object_->Role()); }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (const std::string action = object_->DefaultAction(); !action.empty())
            names << QString::fromStdString(action);
        names << setFocusAction();
        return names;
    }
    void doAction(const QString& actionName) override
    {
        if (actionName == setFocusAction())
            object_->Select();
        else if (actionName == QString::fromStdString(object_->DefaultAction()))
            object_->DoDefaultAction();
    }
    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        const std::string shortcut = object_->KeyboardShortcut();
        if (shortcut.empty() || actionName != QString::fromStdString(object_->DefaultAction()))
            return {};
        return {QString::fromStdString(shortcut)};
    }

private:
    bool ownsWidget() const { return !object_->Parent() && widget_; }

    std::shared_ptr<IAccessibleObject> object_;
    QPointer<QWidget> widget_;
};

QAccessible::State TAccessibleBridge::state() const
{
    const uint32_t bits = object_->State();
    QAccessible::State state;
    state.disabled = (bits & STATE_SYSTEM_UNAVAILABLE) != 0;
    state.focused = (bits & STATE_SYSTEM_FOCUSED) != 0;
    state.pressed = (bits & STATE_SYSTEM_PRESSED) != 0;
    state.checked = (bits & STATE_SYSTEM_CHECKED) != 0;
    state.checkable = state.checked;
    state.hotTracked = (bits & STATE_SYSTEM_HOTTRACKED) != 0;
    state.invisible = (bits & STATE_SYSTEM_INVISIBLE) != 0;
    state.focusable = (bits & STATE_SYSTEM_FOCUSABLE) != 0;
    state.hasPopup = (bits & STATE_SYSTEM_HASPOPUP) != 0;
    return state;
}

// Interfaces of parts whose objects are gone are of no use to anyone: they go before new ones are made.
void DropStaleParts()
{
    auto& parts = PartInterfaces();
    for (auto it = parts.begin(); it != parts.end();) {
        QAccessibleInterface* iface = QAccessible::accessibleInterface(it->second.id);
        if (iface && iface->isValid()) {
            ++it;
            continue;
        }
        if (iface)
            QAccessible::deleteAccessibleInterface(it->second.id);
        it = parts.erase(it);
    }
}

QAccessibleInterface* InterfaceOf(const std::shared_ptr<IAccessibleObject>& object)
{
    if (!object || !object->Valid())
        return nullptr;
    if (!object->Parent()) {
        QWidget* widget = WidgetOf(object->Window());
        return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    }
    auto& parts = PartInterfaces();
    if (auto it = parts.find(object.get()); it != parts.end())
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(it->second.id))
            return iface;
    DropStaleParts();
    auto* bridge = new TAccessibleBridge(object, nullptr);
    parts[object.get()] = {QAccessible::registerAccessibleInterface(bridge), object->Window()};
    return bridge;
}

QAccessibleInterface* BridgeFactory(const QString&, QObject* object)
{
    auto* widget = dynamic_cast<TWindowWidget*>(object);
    if (!widget || !widget->Control())
        return nullptr;
    std::shared_ptr<IAccessibleObject> served = AccessibleObjectOfWindow(widget->Control()->Window().handle);
    return served ? new TAccessibleBridge(std::move(served), widget) : nullptr;
}

QAccessible::Event EventType(uint32_t event)
{
    switch (event) {
    case EVENT_SYSTEM_MENUSTART:
        return QAccessible::MenuStart;
    case EVENT_SYSTEM_MENUEND:
        return QAccessible::MenuEnd;
    case EVENT_SYSTEM_MENUPOPUPSTART:
        return QAccessible::PopupMenuStart;
    case EVENT_SYSTEM_MENUPOPUPEND:
        return QAccessible::PopupMenuEnd;
    default:
        return QAccessible::Focus;
    }
}

} // namespace

void InstallAccessibleBridge()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(BridgeFactory);
    installed = true;
}

void SendAccessibleEvent(uint32_t event, HWND window, int childId)
{
    QWidget* widget = WidgetOf(window);
    if (!widget || !QAccessible::isActive())
        return;
    QAccessibleEvent accessibleEvent(widget, EventType(event));
    if (childId > 0)
        accessibleEvent.setChild(childId - 1);
    QAccessible::updateAccessibility(&accessibleEvent);
}

void ForgetAccessibleObjects(HWND window)
{
    auto& parts = PartInterfaces();
    for (auto it = parts.begin(); it != parts.end();) {
        if (it->second.window != window) {
            ++it;
            continue;
        }
        if (QAccessible::accessibleInterface(it->second.id))
            QAccessible::deleteAccessibleInterface(it->second.id);
        it = parts.erase(it);
    }
}
