#pragma once

#include "platform/gui/windows/control.h"

// Dragging inside the program: a control's drag is described by a drag object, follows the mouse over the
// controls (each is asked through CM_DRAG whether it accepts, and the cursor says so), and ends with a
// drop on the control under the mouse when it accepts, or is cancelled by Esc or by a release where
// nothing accepts.
//
// A control's drag runs in this order: OnStartDrag (which may supply a drag object), DragOver on each
// control passed (dsDragEnter, dsDragMove..., dsDragLeave when the mouse leaves it or the drag ends
// without a drop there), DragDrop on the accepting control, then the drag object's Finished, which for a
// control's drag calls DragCanceled when nothing was dropped and DoEndDrag (OnEndDrag) on the source.

// The CM_DRAG message: WParam is the kind, LParam a TDragRec*; enter and move answer 1 when accepted.
enum TDragMessage
{
    dmDragEnter,
    dmDragLeave,
    dmDragMove,
    dmDragDrop,
    dmDragCancel,
    dmFindTarget
};

struct TDragRec
{
    TPoint Pos; // screen coordinates
    TDragObject* Source = nullptr;
    TControl* Target = nullptr;
};

class TDragObject : public TObject
{
public:
    // The cursor while the mouse is over a control that accepts the drag or refuses it.
    virtual TCursor GetDragCursor(bool accepted, int x, int y);
    // The drag ended; target is the control dropped on (nullptr without a drop), x and y in its client
    // coordinates.
    virtual void Finished(TObject* target, int x, int y, bool accepted);
    // What DragOver and DragDrop get as their source: the dragged control, or else the drag object.
    virtual TObject* SourceObject() { return this; }
    // A drag object that the drag frees when it ends; others belong to whoever made them.
    virtual bool AutoFree() const { return false; }

    TPoint DragPos() const { return dragPos_; }
    TControl* DragTarget() const { return dragTarget_; }
    bool Dropped() const { return dropped_; }

private:
    friend class TDragTracker;
    TPoint dragPos_;
    TControl* dragTarget_ = nullptr;
    bool dropped_ = false;
};

// A drag object that the drag frees when it ends.
class TDragObjectEx : public TDragObject
{
public:
    bool AutoFree() const override { return true; }
};

// The drag of a control: accepted, the cursor is the control's DragCursor; the end reaches the control.
class TDragControlObject : public TDragObject
{
public:
    explicit TDragControlObject(TControl* control) : control_(control) {}
    TControl* Control() const { return control_; }
    TCursor GetDragCursor(bool accepted, int x, int y) override;
    void Finished(TObject* target, int x, int y, bool accepted) override;
    TObject* SourceObject() override { return control_; }

private:
    TControl* control_;
};

class TDragControlObjectEx : public TDragControlObject
{
public:
    using TDragControlObject::TDragControlObject;
    bool AutoFree() const override { return true; }
};

// The drag under way, nullptr when none.
TDragObject* CurrentDragObject();
// The distance the mouse moves before a non-immediate drag starts.
constexpr int DefaultDragThreshold = 5;
