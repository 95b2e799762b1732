#include "platform/gui/services/drag_drop.h"
#include "platform/gui/windows/keys.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

const char* StateName(TDragState state)
{
    return state == dsDragEnter ? "enter" : state == dsDragMove ? "move" : "leave";
}

std::string At(int x, int y)
{
    return std::to_string(x) + "," + std::to_string(y);
}

// A form with two controls side by side; the left one drags itself when pressed, the right one takes
// drops in its left half only.
class ControlDrag : public testing::Test
{
protected:
    ControlDrag()
    {
        form = ShowTestForm(300, 200);
        source = new TRecorder(form, nullptr, "source");
        source->SetParent(form);
        source->SetBounds(10, 10, 100, 100);
        source->SetDragMode(dmAutomatic);
        source->OnStartDrag = [this](TObject*, TDragObject*&) { log.push_back("start"); };
        source->OnEndDrag = [this](TObject*, TObject* target, int x, int y) {
            log.push_back(std::string("end ") + (target == this->target ? "target " : "none ") + At(x, y));
        };
        target = new TRecorder(form, nullptr, "target");
        target->SetParent(form);
        target->SetBounds(150, 10, 100, 100);
        target->OnDragOver = [this](TObject*, TObject* from, int x, int y, TDragState state, bool& accept) {
            accept = x < 50;
            log.push_back(std::string(StateName(state)) + " " + At(x, y) + (from == source ? "" : " ?"));
        };
        target->OnDragDrop = [this](TObject*, TObject* from, int x, int y) {
            log.push_back("drop " + At(x, y) + (from == source ? "" : " ?"));
        };
    }
    ~ControlDrag() override { form->Free(); }

    // A point of the target in the source's client coordinates.
    TPoint OnTarget(int x, int y) const
    {
        return source->ScreenToClient(target->ClientToScreen(TPoint{x, y}));
    }
    void Move(TPoint p) { SendMouse(source, QEvent::MouseMove, p); }

    Log log;
    TForm* form;
    TRecorder* source;
    TRecorder* target;
};

TEST_F(ControlDrag, DropsOnAControlThatAcceptsAndShowsWhereItWould)
{
    source->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("down"); };
    SendMouse(source, QEvent::MouseButtonPress, TPoint{20, 20});
    EXPECT_TRUE(source->Dragging());
    Move(TPoint{22, 23}); // within the threshold: nothing yet
    Move(OnTarget(70, 5));
    EXPECT_EQ(ScreenCursorOverride(), crNoDrop);
    Move(OnTarget(10, 5));
    EXPECT_EQ(ScreenCursorOverride(), crDrag);
    SendMouse(source, QEvent::MouseButtonRelease, OnTarget(10, 6));
    EXPECT_EQ(log, (Log{"start", "enter 70,5", "move 10,5", "move 10,6", "drop 10,6", "end target 10,6"}));
    EXPECT_FALSE(source->Dragging());
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0) << "the button came up with the drop";
    EXPECT_EQ(ScreenCursorOverride(), crDefault);
}

TEST_F(ControlDrag, EscapeOrAReleaseWhereNothingAcceptsCancels)
{
    int cancels = 0;
    struct Canceling : TRecorder
    {
        using TRecorder::TRecorder;
        int* count = nullptr;
        void DragCanceled() override { ++*count; }
    };
    auto* dragged = new Canceling(form, nullptr, "dragged");
    dragged->count = &cancels;
    dragged->SetParent(form);
    dragged->SetBounds(10, 120, 60, 60);
    dragged->OnEndDrag = [this](TObject*, TObject* to, int, int) {
        log.push_back(to ? "end ?" : "end none");
    };
    target->OnDragOver = [this](TObject*, TObject*, int x, int y, TDragState state, bool& accept) {
        accept = x < 50;
        log.push_back(std::string(StateName(state)) + " " + At(x, y));
    };
    dragged->BeginDrag(true);
    SendMouse(dragged, QEvent::MouseMove, dragged->ScreenToClient(target->ClientToScreen(TPoint{5, 5})));
    SendKey(dragged, Qt::Key_Escape);
    EXPECT_FALSE(dragged->Dragging());

    dragged->BeginDrag(false);
    SendMouse(dragged, QEvent::MouseMove, dragged->ScreenToClient(target->ClientToScreen(TPoint{80, 5})));
    SendMouse(dragged, QEvent::MouseButtonRelease,
              dragged->ScreenToClient(target->ClientToScreen(TPoint{80, 5})));
    EXPECT_EQ(log, (Log{"enter 5,5", "leave 5,5", "end none", "enter 80,5", "leave 80,5", "end none"}));
    EXPECT_EQ(cancels, 2);
    EXPECT_EQ(ScreenCursorOverride(), crDefault);
}

TEST_F(ControlDrag, ADragObjectOfItsOwnIsTheSourceAndIsFreedAtTheEnd)
{
    struct Payload : TDragObjectEx
    {
        Log* log = nullptr;
        ~Payload() override { log->push_back("freed"); }
        TCursor GetDragCursor(bool accepted, int, int) override { return accepted ? crHandPoint : crNo; }
        void Finished(TObject* target, int, int, bool accepted) override
        {
            log->push_back(std::string("finished ") + (target && accepted ? "dropped" : "no"));
        }
    };
    TObject* seen = nullptr;
    source->OnStartDrag = [&](TObject*, TDragObject*& object) {
        auto* payload = new Payload;
        payload->log = &log;
        object = payload;
        seen = payload;
    };
    target->OnDragOver = [&](TObject*, TObject* from, int, int, TDragState, bool& accept) {
        accept = from == seen;
    };
    target->OnDragDrop = [&](TObject*, TObject* from, int, int) {
        log.push_back(from == seen ? "drop" : "?");
    };
    SendMouse(source, QEvent::MouseButtonPress, TPoint{20, 20});
    Move(OnTarget(10, 10));
    EXPECT_EQ(ScreenCursorOverride(), crHandPoint);
    SendMouse(source, QEvent::MouseButtonRelease, OnTarget(10, 10));
    EXPECT_EQ(log, (Log{"drop", "finished dropped", "freed"}));
}

TEST_F(ControlDrag, AReleaseBeforeTheThresholdEndsWithoutAskingAnyone)
{
    SendMouse(source, QEvent::MouseButtonPress, TPoint{20, 20});
    Move(TPoint{24, 16});
    SendMouse(source, QEvent::MouseButtonRelease, TPoint{24, 16});
    EXPECT_EQ(log, (Log{"start", "end none 24,16"}));
}

} // namespace
