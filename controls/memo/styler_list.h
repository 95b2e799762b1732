#pragma once

#include "platform/gui/core/pointer_list.h"

// The stylers found next to a memo: every component whose class derives directly from the styler base
// joins the list when it is inserted among the memo's owner's components and leaves it when it goes.
// Nothing in the memo reads the list; it serves applications.
class TVezStylerList : public TComponent
{
public:
    explicit TVezStylerList(TComponent* owner) : TComponent(owner) {}

    TList StylerList;

    // Adds every styler among owner's components that is not in the list yet.
    void AddStylersOf(const TComponent* owner);
    // The memo passes on what it hears of its owner's components coming and going.
    void Notification(TComponent* component, TOperation operation) override;
};
