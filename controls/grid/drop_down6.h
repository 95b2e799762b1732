#pragma once

#include "platform/gui/standard/owner_draw.h"
#include "support/basic_types.h"

class TStrings;

// How a 6-series popup reaches the edit it belongs to, without knowing its class. An edit offers these; a
// reference never owns or frees the edit.

// The edit that drops the popup down.
class IGxDropDown
{
public:
    // Whether the popup may close itself when a choice is made.
    virtual bool AutoClose() const = 0;
    virtual bool DroppedDown() const = 0;
    // False closes the popup up.
    virtual void SetDroppedDown(bool value) = 0;
    virtual void DoCloseUp() = 0;
    virtual void DoSelect() = 0;

protected:
    ~IGxDropDown() = default;
};

// The edit whose strings a list popup shows.
class IGxStringsControl
{
public:
    virtual int DropDownCount() const = 0;
    virtual int ItemHeight() const = 0;
    virtual int ItemIndex() const = 0;
    virtual TStrings* Items() const = 0;
    // The width of the list; 0 for the width of the edit.
    virtual int ListWidth() const = 0;
    // Draws item index on the list's canvas; true when the list's own drawing may follow.
    virtual bool DrawItem(int index, const TRect& rect, TOwnerDrawState state) = 0;
    // Selects the item, telling OnSelect when notify is set; an index outside the items changes nothing.
    virtual void SelectItem(int index, bool notify) = 0;

protected:
    ~IGxStringsControl() = default;
};
