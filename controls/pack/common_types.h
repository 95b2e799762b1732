#pragma once

#include "platform/gui/graphics/graphics.h"
#include "support/basic_types.h"

#include <memory>
#include <string>

// The small persistent types every control of the pack is made of: the change-notifying base of the
// appearance and parameter objects, the typed tag object, and the focus-rectangle parameters.

class TKvpPersistent : public TPersistent
{
public:
    // Nesting depth of BeginUpdate, never below 0. It governs EndUpdate only: setters notify whatever it is.
    int UpdateCounter() const { return FUpdateCounter; }
    void BeginUpdate() { ++FUpdateCounter; }
    // Leaves one update level (or all of them with resetUpdatingState) and, once none is left, notifies when
    // callOnChangeAfterUpdate asks for it.
    void EndUpdate(bool callOnChangeAfterUpdate, bool resetUpdatingState);

    TNotifyEvent OnChange;

protected:
    void NotifyChanged(TObject* sender);

private:
    int FUpdateCounter = 0;
};

// User data published by every control of the pack; no control reads it.
class TKvpTagExt : public TPersistent
{
public:
    explicit TKvpTagExt(TComponent* owner = nullptr);

    int IntValue() const { return FIntValue; }
    void SetIntValue(int value) { FIntValue = value; }
    const std::string& StrValue() const { return FStrValue; }
    void SetStrValue(const std::string& value) { FStrValue = value; }
    double RealValue() const { return FRealValue; }
    void SetRealValue(double value) { FRealValue = value; }
    TDateTime DateValue() const { return FDateValue; }
    void SetDateValue(TDateTime value) { FDateValue = value; }
    void* PointerValue() const { return FPointerValue; }
    void SetPointerValue(void* value) { FPointerValue = value; }

    // Copies the five values of another tag object.
    void Assign(const TPersistent* source) override;

private:
    int FIntValue = 0;
    std::string FStrValue;
    double FRealValue = 0;
    TDateTime FDateValue;
    void* FPointerValue = nullptr;
};

enum TKvpFocusRectType
{
    frtNone,
    frtSystem, // the platform's dotted focus rectangle
    frtCustom  // an outline drawn with Pen
};

// How a push button draws its focus rectangle, Spacing pixels inside its content rectangle.
class TKvpFocusRectParams : public TKvpPersistent
{
public:
    TKvpFocusRectParams();

    TKvpFocusRectType FocusType() const { return FFocusType; }
    void SetFocusType(TKvpFocusRectType value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TPen* Pen() const { return FPen.get(); }
    // Copies the pen's attributes into the own pen.
    void SetPen(const TPen* value);

private:
    TKvpFocusRectType FFocusType = frtNone;
    int FSpacing = 2;
    std::unique_ptr<TPen> FPen;
};

// Stores value in a property's field; true when that changed it (the setter then repaints or lays out).
template <typename T, typename U> bool StoreIfChanged(T& field, const U& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

// Points owner's reference to a component it does not own at value, asking to be told when that goes;
// true when the reference changed.
template <typename T> bool SetWatchedReference(TComponent& owner, T*& field, T* value)
{
    if (value == field)
        return false;
    if (field)
        field->RemoveFreeNotification(&owner);
    field = value;
    if (field)
        field->FreeNotification(&owner);
    return true;
}

// Whether the component is being loaded (its setters then only store) or destroyed.
inline bool IsLoading(const TComponent& component)
{
    return component.ComponentState().Contains(csLoading);
}
inline bool IsDestroying(const TComponent& component)
{
    return component.ComponentState().Contains(csDestroying);
}
