#include "platform/gui/services/drag_drop.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/core/free_watch.h"
#include "platform/gui/qt/input_state.h"
#include "platform/gui/windows/window_functions.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <cstdlib>

// The drag under way: while it lasts it takes the program's mouse, Esc, and the cursor.
class TDragTracker : public QObject
{
public:
    TDragTracker(TControl* source, TDragObject* object, int threshold);
    TControl* Source() const { return source_; }
    TDragObject* Object() const { return object_; }
    void MoveTo(TPoint pos);
    // Ends the drag and frees the tracker.
    void Done(bool drop);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Stop();
    bool Send(TControl* control, TDragMessage kind);
    void SourceFreed();

    TControl* source_;
    TDragObject* object_;
    TPoint start_;
    int threshold_;
    bool active_ = false;
    TControl* target_ = nullptr;
    bool accepted_ = false;
    TPoint pos_;
    TCursor savedCursor_;
    TFreeWatch watch_;
};

namespace {

TDragTracker* current = nullptr;

} // namespace

TDragTracker::TDragTracker(TControl* source, TDragObject* object, int threshold)
    : source_(source), object_(object), threshold_(threshold), savedCursor_(ScreenCursorOverride())
{
    GetCursorPos(start_);
    pos_ = start_;
    watch_.Watch(source);
    watch_.OnFreed = [this](TComponent* component) {
        if (component == source_) {
            SourceFreed();
        } else if (component == target_) {
            target_ = nullptr;
            accepted_ = false;
        }
    };
    current = this;
    QCoreApplication::instance()->installEventFilter(this);
}

bool TDragTracker::eventFilter(QObject*, QEvent* event)
{
    // The drag takes the mouse's events before any window sees them: the buttons the program reads as held
    // are noted here, or a released button would stay held after the drop.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease ||
        event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButtons buttons = static_cast<QMouseEvent*>(event)->buttons();
        NoteMouseButtonState(buttons & Qt::LeftButton, buttons & Qt::RightButton, buttons & Qt::MiddleButton);
    }
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        MoveTo(TPoint{global.x(), global.y()});
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        const QPoint global = mouse->globalPosition().toPoint();
        if (TPoint{global.x(), global.y()} != pos_)
            MoveTo(TPoint{global.x(), global.y()}); // the drop lands where the button came up
        if (current == this)
            Done(true);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        Done(false);
        return true;
    case QEvent::ApplicationDeactivate:
        Done(false);
        return false;
    default:
        return false;
    }
}

bool TDragTracker::Send(TControl* control, TDragMessage kind)
{
    TDragRec rec{pos_, object_, control};
    LRESULT answer = 0;
    GuardedCall(control, [&] { answer = control->Perform(CM_DRAG, kind, reinterpret_cast<LPARAM>(&rec)); });
    return answer != 0;
}

void TDragTracker::MoveTo(TPoint pos)
{
    pos_ = pos;
    if (!active_ && std::abs(pos.X - start_.X) < threshold_ && std::abs(pos.Y - start_.Y) < threshold_)
        return;
    active_ = true;
    TControl* over = FindDragTarget(pos, false);
    if (over != target_) {
        if (target_)
            Send(target_, dmDragLeave);
        target_ = over;
        watch_.Watch(over);
        accepted_ = target_ && Send(target_, dmDragEnter);
    } else if (target_) {
        accepted_ = Send(target_, dmDragMove);
    }
    if (current != this)
        return; // a handler ended the drag
    object_->dragPos_ = pos;
    object_->dragTarget_ = target_;
    const TPoint client = target_ ? target_->ScreenToClient(pos) : pos;
    SetScreenCursorOverride(object_->GetDragCursor(accepted_, client.X, client.Y));
}

void TDragTracker::Stop()
{
    current = nullptr;
    QCoreApplication::instance()->removeEventFilter(this);
    SetScreenCursorOverride(savedCursor_);
}

void TDragTracker::Done(bool drop)
{
    Stop();
    TControl* target = target_;
    const bool accepted = drop && active_ && target && accepted_;
    if (target && !accepted)
        Send(target, dmDragLeave);
    object_->dropped_ = accepted;
    if (accepted && watch_.Alive(target))
        Send(target, dmDragDrop);
    if (watch_.Alive(source_)) {
        TControl* frame = accepted && watch_.Alive(target) ? target : source_;
        const TPoint client = frame->ScreenToClient(pos_);
        GuardedCall(source_,
                    [&] { object_->Finished(accepted ? target : nullptr, client.X, client.Y, accepted); });
    }
    if (object_->AutoFree())
        delete object_;
    delete this;
}

void TDragTracker::SourceFreed()
{
    // Nobody is left to tell how the drag ended; the control under the mouse still hears that it left.
    Stop();
    if (target_ && target_ != source_)
        Send(target_, dmDragLeave);
    if (object_->AutoFree())
        delete object_;
    deleteLater();
}

TDragObject* CurrentDragObject()
{
    return current ? current->Object() : nullptr;
}

// --- drag objects ------------------------------------------------------------------------------------------

TCursor TDragObject::GetDragCursor(bool accepted, int, int)
{
    return accepted ? crDrag : crNoDrop;
}

void TDragObject::Finished(TObject*, int, int, bool) {}

TCursor TDragControlObject::GetDragCursor(bool accepted, int, int)
{
    return accepted ? control_->DragCursor() : crNoDrop;
}

void TDragControlObject::Finished(TObject* target, int x, int y, bool accepted)
{
    if (!accepted)
        control_->DragCanceled();
    control_->DoEndDrag(target, x, y);
}

// --- the control's side ------------------------------------------------------------------------------------

void TControl::BeginDrag(bool immediate, int threshold)
{
    if (current)
        return;
    TDragObject* object = nullptr;
    DoStartDrag(object);
    if (!object)
        object = new TDragControlObjectEx(this);
    auto* tracker = new TDragTracker(this, object, threshold < 0 ? DefaultDragThreshold : threshold);
    if (immediate) {
        TPoint here;
        GetCursorPos(here);
        tracker->MoveTo(here);
    }
}

void TControl::EndDrag(bool drop)
{
    if (Dragging())
        current->Done(drop);
}

bool TControl::Dragging() const
{
    return current && current->Source() == this;
}

void TControl::DoStartDrag(TDragObject*& dragObject)
{
    if (OnStartDrag)
        OnStartDrag(this, dragObject);
}

void TControl::DoEndDrag(TObject* target, int x, int y)
{
    if (OnEndDrag)
        OnEndDrag(this, target, x, y);
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept)
{
    accept = false;
    if (OnDragOver) {
        accept = true;
        OnDragOver(this, source, x, y, state, accept);
    }
}

void TControl::DragDrop(TObject* source, int x, int y)
{
    if (OnDragDrop)
        OnDragDrop(this, source, x, y);
}

void TControl::DragMessage(TMessage& message)
{
    auto* rec = reinterpret_cast<TDragRec*>(message.LParam);
    const TPoint p = ScreenToClient(rec->Pos);
    TObject* source = rec->Source->SourceObject();
    bool accept = false;
    switch (message.WParam) {
    case dmDragEnter:
        DragOver(source, p.X, p.Y, dsDragEnter, accept);
        break;
    case dmDragMove:
        DragOver(source, p.X, p.Y, dsDragMove, accept);
        break;
    case dmDragLeave:
        DragOver(source, p.X, p.Y, dsDragLeave, accept);
        break;
    case dmDragDrop:
        DragDrop(source, p.X, p.Y);
        break;
    case dmFindTarget:
        message.Result = reinterpret_cast<LRESULT>(this);
        return;
    }
    message.Result = accept ? 1 : 0;
}
