#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/message_window.h"
#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <QTimer>

namespace {

using Log = std::vector<std::string>;

class MessageLoop : public TwoRecordersTest
{
protected:
    void SetUp() override
    {
        TwoRecordersTest::SetUp();
        first->SetFocus();
        Pump();
        log.clear();
    }
    void TearDown() override
    {
        TMsg left;
        while (PeekMessage(left, nullptr, 0, 0, PM_REMOVE))
            ;
        TwoRecordersTest::TearDown();
    }

    // The user types "a" and clicks the first control while a loop waits.
    void TypeAndClickLater()
    {
        QTimer::singleShot(0, [this] {
            SendKey(first, Qt::Key_A, Qt::NoModifier, "a");
            SendMouse(first, QEvent::MouseButtonPress, {5, 5});
            SendMouse(first, QEvent::MouseButtonRelease, {5, 5});
        });
    }

    Log Input() const
    {
        Log result;
        for (const std::string& entry : log)
            if (entry.find("KEY") != std::string::npos || entry.find("CHAR") != std::string::npos ||
                entry.find("BUTTON") != std::string::npos)
                result.push_back(entry);
        return result;
    }
};

constexpr uint32_t EndLoop = WM_USER + 1;

TEST_F(MessageLoop, OwnLoopTakesTheInputAndDecidesWhatReachesTheWindows)
{
    std::u32string typed;
    first->OnKeyPress = [&](TObject*, char32_t& ch) { typed += ch; };
    TypeAndClickLater();
    QTimer::singleShot(0, [this] { PostMessage(first->Handle(), EndLoop, 0, 0); });

    Log taken;
    size_t delivered = 0;
    TMsg msg;
    while (GetMessage(msg, nullptr, 0, 0) > 0 && msg.message != EndLoop) {
        taken.push_back(MessageName(msg.message));
        // Nothing reaches the window but what the loop hands on.
        EXPECT_EQ(Input().size(), delivered) << taken.back();
        if (msg.message != WM_LBUTTONUP) // this loop keeps releases to itself
        {
            TranslateMessage(msg);
            DispatchMessage(msg);
        }
        delivered = Input().size();
    }
    EXPECT_EQ(msg.message, EndLoop);
    EXPECT_EQ(taken, (Log{"KEYDOWN", "CHAR", "KEYUP", "LBUTTONDOWN", "LBUTTONUP"}));
    EXPECT_EQ(Input(), (Log{"a:CN_KEYDOWN", "a:KEYDOWN", "a:CN_CHAR", "a:CHAR", "a:KEYUP", "a:LBUTTONDOWN"}));
    EXPECT_EQ(typed, U"a");
    const uint32_t pos = GetMessagePos();
    const TPoint origin = first->ClientOrigin();
    EXPECT_EQ((TPoint{static_cast<int16_t>(pos & 0xFFFF), static_cast<int16_t>(pos >> 16)}),
              (TPoint{origin.X + 5, origin.Y + 5}));
}

TEST_F(MessageLoop, InputLeftInTheQueueReachesItsWindowAfterTheLoopInOrder)
{
    std::u32string typed;
    first->OnKeyPress = [&](TObject*, char32_t& ch) { typed += ch; };
    TypeAndClickLater();
    TMsg msg;
    // A loop that ends on the first input without taking it.
    while (!PeekMessage(msg, nullptr, 0, 0, PM_NOREMOVE))
        WaitMessage();
    EXPECT_EQ(msg.message, WM_KEYDOWN);
    EXPECT_TRUE(Input().empty());
    Pump();
    EXPECT_EQ(Input(), (Log{"a:CN_KEYDOWN", "a:KEYDOWN", "a:CN_CHAR", "a:CHAR", "a:KEYUP", "a:LBUTTONDOWN",
                            "a:LBUTTONUP"}));
    EXPECT_EQ(typed, U"a");
}

TEST_F(MessageLoop, PressLeftQueuedForTheCaptorReachesTheWindowUnderItOnceTheCaptureIsGone)
{
    SetCapture(second->Handle());
    QTimer::singleShot(0, [this] { SendMouse(first, QEvent::MouseButtonPress, {5, 5}); });
    TMsg msg;
    // A loop that holds the capture and ends on a press without taking it.
    while (!PeekMessage(msg, nullptr, 0, 0, PM_NOREMOVE))
        WaitMessage();
    EXPECT_EQ(msg.message, WM_LBUTTONDOWN);
    EXPECT_EQ(msg.hwnd, second->Handle());
    ReleaseCapture();
    Pump();
    EXPECT_EQ(Input(), (Log{"a:LBUTTONDOWN"}));
}

TEST_F(MessageLoop, PeekSelectsByWindowAndRangeAndQuitAlwaysMatches)
{
    PostMessage(first->Handle(), WM_USER + 1, 0, 0);
    PostMessage(second->Handle(), WM_USER + 5, 0, 0);
    PostMessage(first->Handle(), WM_USER + 2, 0, 0);
    TMsg msg;
    ASSERT_TRUE(PeekMessage(msg, nullptr, WM_USER + 2, WM_USER + 5, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 5u);
    EXPECT_FALSE(PeekMessage(msg, second->Handle(), 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessage(msg, first->Handle(), 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_USER + 1u);
    ASSERT_TRUE(PeekMessage(msg, first->Handle(), WM_USER + 2, WM_USER + 2, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 1u);

    // A key-down the program posted types the character of its key.
    PostMessage(first->Handle(), WM_KEYDOWN, 'B', 0);
    ASSERT_EQ(GetMessage(msg, nullptr, 0, 0), 1);
    EXPECT_TRUE(TranslateMessage(msg));
    ASSERT_EQ(GetMessage(msg, nullptr, 0, 0), 1);
    EXPECT_EQ(msg.message, WM_CHAR);
    EXPECT_EQ(msg.wParam, WPARAM('b'));

    PostMessage(first->Handle(), WM_USER + 3, 0, 0);
    PostQuitMessage(7);
    EXPECT_EQ(GetMessage(msg, second->Handle(), WM_USER, WM_USER), 0);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(GetMessage(msg, reinterpret_cast<HWND>(1), 0, 0), -1);
}

TEST_F(MessageLoop, WaitingWithATimeLimit)
{
    int dummy = 0;
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &dummy, false, 1, QS_ALLINPUT), WAIT_FAILED);
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, false, 1, QS_ALLINPUT), WAIT_TIMEOUT);
    QTimer::singleShot(0, [this] { PostMessage(first->Handle(), EndLoop, 0, 0); });
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, false, INFINITE, QS_ALLINPUT), WAIT_OBJECT_0);
}

TEST(MessageWindow, HandsPostedMessagesAndTimersToItsMethodUntilDeallocated)
{
    std::vector<uint32_t> heard;
    HWND window = AllocateHWnd([&](TMessage& message) {
        if (message.Msg >= WM_USER || message.Msg == WM_TIMER)
            heard.push_back(message.Msg);
        message.Result = 5;
    });
    ASSERT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(SendMessage(window, WM_USER + 1, 0, 0), 5);
    PostMessage(window, WM_USER + 2, 0, 0);
    SetTimer(window, 1, 1);
    TMsg msg;
    while (GetMessage(msg, window, WM_TIMER, WM_TIMER) > 0 && msg.message != WM_TIMER)
        ;
    KillTimer(window, 1);
    DispatchMessage(msg);
    Pump();
    EXPECT_EQ(heard, (std::vector<uint32_t>{WM_USER + 1, WM_TIMER, WM_USER + 2}));

    PostMessage(window, WM_USER + 3, 0, 0);
    DeallocateHWnd(window);
    Pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(PostMessage(window, WM_USER + 4, 0, 0));
    EXPECT_EQ(heard.size(), 3u);
}

} // namespace
