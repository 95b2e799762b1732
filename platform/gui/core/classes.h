#pragma once

#include "platform/gui/core/set_of.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

struct TMessage;

// The object model of the class library: objects with run-time class names, persistent objects that copy
// each other with Assign, and components that own and free other components and tell each other when
// one of them goes away.

class TObject
{
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The name of the object's most derived class ("TStringList").
    std::string ClassName() const;

    // Hands a message to the handler for its number. A class that handles messages overrides Dispatch with
    // a switch over the numbers it knows and passes the rest to its base class's Dispatch; what nobody
    // handles reaches DefaultHandler, which does nothing for plain objects.
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage&) {}
};

using TNotifyEvent = std::function<void(TObject* sender)>;

// Horizontal placement of text.
enum TAlignment
{
    taLeftJustify,
    taRightJustify,
    taCenter
};

class TPersistent : public TObject
{
public:
    // Copies Source into this object. The default asks Source to copy itself here (AssignTo); when neither
    // side knows the other, EConvertError names both classes.
    virtual void Assign(const TPersistent* source);

protected:
    virtual void AssignTo(TPersistent* dest) const;
    virtual TPersistent* GetOwner() const { return nullptr; }
};

enum TOperation
{
    opInsert,
    opRemove
};

enum TComponentStateFlag
{
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csFreeNotification
};
using TComponentState = TSet<TComponentStateFlag>;

class TComponent : public TPersistent
{
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    // Marks this component and everything it owns as being destroyed, then deletes it. Deleting a component
    // directly works as well, but then its own destructor no longer sees csDestroying.
    void Free();

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }
    TComponentState ComponentState() const { return state_; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();
    void Destroying();

    // Asks for Notification(component, opRemove) when component is destroyed; works both ways.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Windows are built in code: a builder applies property values between BeginLoading and EndLoading,
    // so that setters see csLoading as they would while a stored layout is read; EndLoading runs Loaded
    // on this component and then on everything it owns, in creation order.
    void BeginLoading();
    void EndLoading();

protected:
    // component joined (opInsert) or left (opRemove) this component's owner, or went away after asking for
    // FreeNotification. The default passes it on to everything this component owns; a component still in
    // its constructor is announced to its owner alone.
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void Loaded();
    // Tells those that asked to hear of this component's end (FreeNotification) now. The destructor does it
    // too, but by then a descendant's own state is gone; a descendant whose state those listeners still read
    // while they let go of it calls this first in its destructor.
    void SendFreeNotifications();
    void SetDesigning(bool) {} // never designing at run time
    TPersistent* GetOwner() const override { return owner_; }

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    // Remove without telling anyone, the free-notification links between the two dropped: for an owner whose
    // components all go with it.
    void RemoveQuietly(TComponent* component);
    void RememberName(TComponent* component);
    void ForgetName(TComponent* component);
    void ValidateRename(const std::string& name) const;
    void CollectLoading(std::vector<TComponent*>& out);

    TComponent* owner_ = nullptr;
    std::string name_;
    intptr_t tag_ = 0;
    TComponentState state_;
    bool constructing_ = false; // true while the constructor hands this component to its owner
    std::vector<TComponent*> components_;
    std::unordered_map<std::string, TComponent*> componentsByName_; // by NameKey, for FindComponent
    std::vector<TComponent*> freeNotifies_;
};

// Clears the pointer, then frees the object (components through Free); nullptr is ignored.
template <typename T> void FreeAndNil(T*& object)
{
    T* doomed = object;
    object = nullptr;
    if constexpr (requires { doomed->Free(); }) {
        if (doomed)
            doomed->Free();
    } else {
        delete doomed;
    }
}
