#include "manual_clock.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A hint window class that writes down what it was asked to show.
struct Shown
{
    std::string text;
    TRect rect;
    void* data = nullptr;
    THintWindow* window = nullptr;
};
std::vector<Shown> shownHints;

class TRecordingHint : public THintWindow
{
public:
    using THintWindow::THintWindow;
    void ActivateHintData(TRect rect, const std::string& text, void* data) override
    {
        shownHints.push_back({text, rect, data, this});
        THintWindow::ActivateHintData(rect, text, data);
    }
};

class TOtherHint : public TRecordingHint
{
public:
    using TRecordingHint::TRecordingHint;
};

// A control that hands its hint messages to the test.
class THinted : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    std::function<void(THintInfo&, LRESULT&)> onHintShow;
    std::vector<std::pair<WPARAM, int>> pausesOffered;
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == CM_HINTSHOW && onHintShow) {
            onHintShow(*reinterpret_cast<THintInfo*>(message.LParam), message.Result);
            return;
        }
        if (message.Msg == CM_HINTSHOWPAUSE)
            pausesOffered.emplace_back(message.WParam, *reinterpret_cast<int*>(message.LParam));
        TCustomControl::Dispatch(message);
    }
};

// Runs the message loop until done() holds or a generous deadline passes.
template <typename F> bool PumpUntil(F done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

class Hints : public testing::Test
{
protected:
    void SetUp() override
    {
        shownHints.clear();
        savedClass_ = HintWindowClass;
        HintWindowClass = THintWindowClass::Of<TRecordingHint>();
        Application->SetShowHint(false);
        Application->SetShowHint(true);
        Application->SetHintPause(1);
        Application->SetHintShortPause(1);
        Application->SetHintHidePause(0);
        form = ShowTestForm(300, 200);
        form->SetShowHint(true);
        first = Hinted("first|First's long hint", 10);
        second = Hinted("second", 150);
    }
    void TearDown() override
    {
        Application->CancelHint();
        Application->OnShowHint = nullptr;
        Application->OnHint = nullptr;
        form->Free();
        HintWindowClass = savedClass_;
    }
    THinted* Hinted(const std::string& hint, int left)
    {
        auto* control = new THinted(form);
        control->SetBounds(left, 10, 100, 50);
        control->SetHint(hint);
        control->SetParent(form);
        return control;
    }
    void MoveTo(TWinControl* control, TPoint pos = {20, 20}) { SendMouse(control, QEvent::MouseMove, pos); }
    bool HintShows(size_t count = 1)
    {
        return PumpUntil([count] { return shownHints.size() >= count; });
    }
    // Moves the pointer onto control and lets the pause end at once; true when a hint showed.
    bool RestOn(TWinControl* control, TPoint pos = {20, 20})
    {
        const size_t before = shownHints.size();
        MoveTo(control, pos);
        Application->ActivateHint(control->ClientToScreen(pos));
        return shownHints.size() > before;
    }

    TForm* form = nullptr;
    THinted* first = nullptr;
    THinted* second = nullptr;

private:
    THintWindowClass savedClass_ = HintWindowClass;
};

TEST(HintText, ShortAndLongPartsAndTheParentsHint)
{
    const struct
    {
        std::string hint, shortPart, longPart;
    } cases[] = {{"Open|Opens a file", "Open", "Opens a file"},
                 {"No bar", "No bar", "No bar"},
                 {"|Only long", "", "Only long"},
                 {"a|b|c", "a", "b|c"},
                 {"", "", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(GetShortHint(c.hint), c.shortPart) << c.hint;
        EXPECT_EQ(GetLongHint(c.hint), c.longPart) << c.hint;
    }
    TForm parent(nullptr);
    parent.SetHint("parent's");
    auto* child = new TCustomControl(&parent);
    child->SetParent(&parent);
    EXPECT_EQ(GetHint(child), "parent's");
    child->SetHint("own");
    EXPECT_EQ(GetHint(child), "own");
    EXPECT_EQ(GetHint(nullptr), "");
}

TEST_F(Hints, RestingPointerShowsTheShortHintBelowItWithoutTakingTheFocus)
{
    first->SetFocus();
    std::vector<std::string> longHints;
    Application->OnHint = [&](TObject*) { longHints.push_back(Application->Hint()); };
    MoveTo(first, {20, 20});
    EXPECT_EQ(Application->Hint(), "First's long hint");
    ASSERT_TRUE(HintShows());
    EXPECT_EQ(shownHints[0].text, "first");
    const TPoint pointer = first->ClientToScreen({20, 20});
    EXPECT_EQ(shownHints[0].rect.TopLeft(), (TPoint{pointer.X, pointer.Y + GetSystemMetrics(SM_CYCURSOR)}));
    EXPECT_EQ(longHints, (std::vector<std::string>{"First's long hint"}));

    // The hint window shows on top without taking the focus or the activation from the form; the pointer
    // passes through it, so it is found by what it showed rather than by where it lies.
    Pump();
    TWinControl* window = shownHints[0].window;
    ASSERT_NE(window, nullptr);
    EXPECT_NE(dynamic_cast<TRecordingHint*>(window), nullptr);
    EXPECT_TRUE(window->Showing());
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(GetActiveWindow(), form->Handle());
    EXPECT_TRUE(window->Window().widget->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    // A hint may lie over the pointer (the whole text over a cut one): the pointer reaches what lies beneath.
    EXPECT_TRUE(window->Window().widget->windowFlags() & Qt::WindowTransparentForInput);

    // A key ends the hint.
    SendKey(first, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_FALSE(window->HandleAllocated());
}

TEST_F(Hints, ControlsMayChangeOrVetoTheirHint)
{
    int data = 0;
    first->onHintShow = [&](THintInfo& info, LRESULT&) {
        EXPECT_EQ(info.HintControl, first);
        EXPECT_EQ(info.CursorPos, (TPoint{20, 20}));
        EXPECT_EQ(info.CursorRect, first->ClientRect());
        EXPECT_EQ(info.HintStr, "first");
        info.HintStr = "changed";
        info.HintPos = {5, 6};
        info.HintData = &data;
    };
    second->onHintShow = [](THintInfo&, LRESULT& result) { result = 1; };
    ASSERT_TRUE(RestOn(first));
    EXPECT_EQ(shownHints[0].text, "changed");
    EXPECT_EQ(shownHints[0].rect.TopLeft(), (TPoint{5, 6}));
    EXPECT_EQ(shownHints[0].data, &data);

    EXPECT_FALSE(RestOn(second));
    // The application's handler has the last word.
    second->onHintShow = nullptr;
    Application->CancelHint();
    Application->OnShowHint = [](std::string& text, bool& canShow, THintInfo&) {
        canShow = text != "second";
    };
    EXPECT_FALSE(RestOn(second, {30, 30}));
}

TEST_F(Hints, OnlyControlsWithShowHintAndAnApplicationThatShowsHints)
{
    // A control without ShowHint of its own takes its parent's.
    first->SetParentShowHint(true);
    EXPECT_TRUE(first->ShowHint());
    first->SetShowHint(false);
    EXPECT_FALSE(RestOn(first));

    Application->SetShowHint(false);
    EXPECT_FALSE(RestOn(second));
    Application->SetShowHint(true);
    EXPECT_TRUE(RestOn(second, {40, 40}));
}

TEST_F(Hints, PausesShortWhileAHintIsUpAndHidesAfterItsTimeout)
{
    Application->SetHintPause(7);
    Application->SetHintShortPause(3);
    first->onHintShow = [](THintInfo& info, LRESULT&) { info.HideTimeout = 60000; };
    MoveTo(first);
    ASSERT_TRUE(HintShows());
    ASSERT_TRUE(RestOn(second));
    EXPECT_EQ(first->pausesOffered, (std::vector<std::pair<WPARAM, int>>{{0, 7}}));
    EXPECT_EQ(second->pausesOffered, (std::vector<std::pair<WPARAM, int>>{{1, 3}}));

    // The hide timeout ends the hint, and moving within its area does not bring it back.
    second->onHintShow = [](THintInfo& info, LRESULT&) { info.HideTimeout = 1; };
    Application->CancelHint();
    ASSERT_TRUE(RestOn(second, {50, 30}));
    TWinControl* window = shownHints[2].window;
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(PumpUntil([window] { return !window->HandleAllocated(); }));
    MoveTo(second, {60, 30});
    Pump();
    EXPECT_EQ(shownHints.size(), 3u);
    EXPECT_EQ(second->pausesOffered.size(), 2u);
}

TEST_F(Hints, TheHintInfoOrTheGlobalClassChoosesTheWindow)
{
    first->onHintShow = [](THintInfo& info, LRESULT&) {
        EXPECT_TRUE(info.HintWindowClass == THintWindowClass::Of<TRecordingHint>());
        info.HintWindowClass = THintWindowClass::Of<TOtherHint>();
    };
    ASSERT_TRUE(RestOn(first));
    TWinControl* window = shownHints[0].window;
    EXPECT_TRUE(THintWindowClass::Of<TOtherHint>().IsClassOf(dynamic_cast<THintWindow*>(window)));
    EXPECT_FALSE(THintWindowClass::Of<TRecordingHint>().IsClassOf(dynamic_cast<THintWindow*>(window)));

    bool freed = false;
    struct Watch : TComponent
    {
        bool* freed;
        Watch(bool* f) : TComponent(nullptr), freed(f) {}
        void Notification(TComponent*, TOperation operation) override { *freed |= operation == opRemove; }
    } watch(&freed);
    window->FreeNotification(&watch);
    // Switching hints off and on makes the next hint window anew.
    Application->SetShowHint(false);
    EXPECT_TRUE(freed);
    Application->SetShowHint(true);
}

TEST_F(Hints, AFreedControlTakesItsPendingHintWithIt)
{
    Application->SetHintPause(60000);
    MoveTo(first);
    const TPoint pointer = first->ClientToScreen({20, 20});
    first->Free();
    first = nullptr;
    Application->ActivateHint(pointer);
    EXPECT_TRUE(shownHints.empty());
}

// The pauses on a clock of the test's own (it outlives the fixture's cancelling of the hint).
class HintsOnAClock : public Hints
{
protected:
    TManualClock clock;
};

TEST_F(HintsOnAClock, ShowAfterTheHintPauseAndHideAfterTheHidePause)
{
    Application->SetHintPause(500);
    Application->SetHintShortPause(50);
    Application->SetHintHidePause(2500);
    MoveTo(first);
    clock.Advance(499);
    EXPECT_TRUE(shownHints.empty());
    clock.Advance(1);
    ASSERT_EQ(shownHints.size(), 1u);
    TWinControl* window = shownHints[0].window;
    ASSERT_NE(window, nullptr);
    clock.Advance(2499);
    EXPECT_TRUE(window->HandleAllocated());
    clock.Advance(1);
    EXPECT_FALSE(window->HandleAllocated());

    // Once the hint has hidden, the next one waits the full pause; while one is up, moving on to another
    // control waits only the short pause, and the hide pause counts from the new hint.
    MoveTo(second);
    clock.Advance(400);
    ASSERT_EQ(shownHints.size(), 1u);
    clock.Advance(100);
    ASSERT_EQ(shownHints.size(), 2u);
    MoveTo(first);
    clock.Advance(49);
    EXPECT_EQ(shownHints.size(), 2u);
    clock.Advance(1);
    ASSERT_EQ(shownHints.size(), 3u);
    EXPECT_EQ(shownHints[2].text, "first");
    clock.Advance(2499);
    EXPECT_TRUE(window->HandleAllocated());
    clock.Advance(1);
    EXPECT_FALSE(window->HandleAllocated());
}

TEST(HintWindow, WrapsAtTheMaximumWidthAndStaysOnTheMonitor)
{
    THintWindow window(nullptr);
    const TRect line = window.CalcHintRect(1000, "one two three four", nullptr);
    const TRect wrapped = window.CalcHintRect(line.Width() / 2, "one two three four", nullptr);
    EXPECT_EQ(line.TopLeft(), (TPoint{0, 0}));
    EXPECT_GT(wrapped.Height(), line.Height());
    EXPECT_LE(wrapped.Width(), line.Width() / 2 + 6);
    window.Canvas()->Font()->Assign(window.Font());
    EXPECT_EQ(line.Height(), window.Canvas()->TextHeight("one") + 6); // the whole line within border and gap

    const TRect monitor = Screen->PrimaryMonitor()->BoundsRect();
    TRect rect = line;
    OffsetRect(rect, monitor.Right - 10, monitor.Bottom - 5);
    window.ActivateHint(rect, "one two three four");
    EXPECT_EQ(window.Caption(), "one two three four");
    EXPECT_EQ(window.Left() + window.Width(), monitor.Right);
    EXPECT_EQ(window.Top() + window.Height(), monitor.Bottom);
    EXPECT_TRUE(window.Showing());

    // Its background is the hint colour inside a one-pixel border.
    TBitmap image;
    image.SetSize(window.Width(), window.Height());
    window.PaintTo(*image.Canvas(), 0, 0);
    EXPECT_EQ(image.Canvas()->Pixels(window.Width() - 2, 1), ColorToRGB(clInfoBk));
    EXPECT_EQ(image.Canvas()->Pixels(0, 0), ColorToRGB(clWindowFrame));

    window.ReleaseHandle();
    EXPECT_FALSE(window.HandleAllocated());
    EXPECT_FALSE(window.Showing());
}

} // namespace
