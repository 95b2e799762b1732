#include "platform/gui/core/classes.h"

#include "platform/gui/core/exceptions.h"
#include "support/utf8.h"

#include <algorithm>
#include <cxxabi.h>
#include <iterator>
#include <memory>
#include <typeinfo>

void ThrowListIndexError(int index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TObject::Dispatch(TMessage& message)
{
    DefaultHandler(message);
}

std::string TObject::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    const size_t scope = name.rfind("::");
    return scope == std::string::npos ? name : name.substr(scope + 2);
}

void TPersistent::Assign(const TPersistent* source)
{
    if (source) {
        source->AssignTo(this);
        return;
    }
    throw EConvertError("Cannot assign a nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* dest) const
{
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest->ClassName());
}

// --- TComponent ---------------------------------------------------------------------------------------

namespace {

bool IsValidIdent(const std::string& name)
{
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])))
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return std::isalnum(u) || u == '_';
    });
}

// What a name is looked up by: names differing only in case are the same name.
std::string NameKey(std::string_view name)
{
    const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return (c & 0x80) == 0; });
    return ascii ? AsciiUpperCase(name) : Utf8UpperCase(name);
}

} // namespace

TComponent::TComponent(TComponent* owner)
{
    if (!owner)
        return;
    constructing_ = true;
    owner->InsertComponent(this);
    constructing_ = false;
}

TComponent::~TComponent()
{
    Destroying();
    SendFreeNotifications();
    DestroyComponents();
    if (!owner_)
        return;
    if (owner_->state_.Contains(csDestroying)) {
        // The owner is going away too (a parent frees its child controls before the owner frees the
        // rest): this component leaves quietly, as DestroyComponents lets the owner's components leave,
        // rather than telling every sibling of its end one by one.
        owner_->RemoveQuietly(this);
        return;
    }
    owner_->RemoveComponent(this);
}

void TComponent::SendFreeNotifications()
{
    Destroying();
    // Those that asked to hear of this component's end hear it now, while they are whole.
    while (!freeNotifies_.empty()) {
        TComponent* listener = freeNotifies_.back();
        freeNotifies_.pop_back();
        if (listener == owner_)
            continue; // told below through RemoveComponent
        std::erase(listener->freeNotifies_, this);
        listener->Notification(this, opRemove);
    }
}

void TComponent::Free()
{
    Destroying();
    delete this;
}

void TComponent::Destroying()
{
    if (state_.Contains(csDestroying))
        return;
    state_.Include(csDestroying);
    for (TComponent* component : components_)
        component->Destroying();
}

void TComponent::DestroyComponents()
{
    // The owner is going away: its components leave quietly, last created first.
    while (!components_.empty()) {
        TComponent* component = components_.back();
        RemoveQuietly(component);
        delete component;
    }
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        ThrowListIndexError(index);
    return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    const auto& siblings = owner_->components_;
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    const auto it = componentsByName_.find(NameKey(name));
    return it == componentsByName_.end() ? nullptr : it->second;
}

void TComponent::ValidateRename(const std::string& name) const
{
    if (!owner_ || name.empty())
        return;
    const TComponent* other = owner_->FindComponent(name);
    if (other && other != this)
        throw EComponentError("A component named " + name + " already exists");
}

void TComponent::SetName(const std::string& name)
{
    if (name == name_)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("\"" + name + "\" is not a valid component name");
    ValidateRename(name);
    if (owner_)
        owner_->ForgetName(this);
    name_ = name;
    if (owner_)
        owner_->RememberName(this);
}

void TComponent::Insert(TComponent* component)
{
    components_.push_back(component);
    component->owner_ = this;
    RememberName(component);
}

void TComponent::Remove(TComponent* component)
{
    // Mostly the last created leaves first, so the search starts at the end.
    if (const auto it = std::find(components_.rbegin(), components_.rend(), component);
        it != components_.rend())
        components_.erase(std::next(it).base());
    component->owner_ = nullptr;
    ForgetName(component);
}

// Names are unique among an owner's components (ValidateRename), so each has its entry to itself.
void TComponent::RememberName(TComponent* component)
{
    if (!component->name_.empty())
        componentsByName_[NameKey(component->name_)] = component;
}

void TComponent::ForgetName(TComponent* component)
{
    if (component->name_.empty())
        return;
    if (const auto it = componentsByName_.find(NameKey(component->name_));
        it != componentsByName_.end() && it->second == component)
        componentsByName_.erase(it);
}

void TComponent::RemoveQuietly(TComponent* component)
{
    Remove(component);
    std::erase(freeNotifies_, component);
    std::erase(component->freeNotifies_, this);
}

void TComponent::InsertComponent(TComponent* component)
{
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    component->ValidateRename(component->name_);
    Insert(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
    state_.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    std::erase(freeNotifies_, component);
    std::erase(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    // A component still in its constructor is announced to its owner only: it is not yet of its own class,
    // so its siblings could learn nothing of it, and telling all of them at every creation would make
    // building a window of n components cost n * n.
    if (operation == opInsert && component && component->constructing_)
        return;
    // Siblings hear of each other through their owner. Walk backwards, since a handler may free one.
    for (size_t i = components_.size(); i-- > 0;) {
        if (i >= components_.size())
            continue;
        components_[i]->Notification(component, operation);
    }
}

void TComponent::Loaded()
{
    state_.Exclude(csLoading);
}

void TComponent::CollectLoading(std::vector<TComponent*>& out)
{
    state_.Include(csLoading);
    state_.Include(csReading);
    out.push_back(this);
    for (TComponent* component : components_)
        component->CollectLoading(out);
}

void TComponent::BeginLoading()
{
    std::vector<TComponent*> all;
    CollectLoading(all);
}

void TComponent::EndLoading()
{
    std::vector<TComponent*> all;
    CollectLoading(all);
    for (TComponent* component : all)
        component->state_.Exclude(csReading);
    for (TComponent* component : all)
        component->Loaded();
}
