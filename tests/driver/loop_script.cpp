#include "loop_script.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/window_functions.h"

#include <QTimer>

#include <gtest/gtest.h>

unsigned MessageQueueLooks()
{
    return QueueLooks();
}

TLoopStep AfterPause(std::chrono::milliseconds pause, std::function<void()> action)
{
    return {std::move(action), pause};
}

struct TLoopScript::Impl
{
    std::vector<TLoopStep> steps;
    size_t next = 0;
    std::chrono::steady_clock::time_point deadline;
    std::chrono::steady_clock::time_point idleSince;
    bool idle = false;
    bool failed = false;
    QTimer poll;

    void Poll()
    {
        const auto now = std::chrono::steady_clock::now();
        // A loop of ours waits for input, and has taken all there was.
        const bool loopIdle = InputIsQueued() && !MessagesQueued();
        if (!loopIdle) {
            idle = false;
        } else if (!idle) {
            idle = true;
            idleSince = now;
        }
        if (now > deadline) {
            EndStuckLoop();
            return;
        }
        if (!loopIdle || next >= steps.size() || now - idleSince < steps[next].pause)
            return;
        TLoopStep step = std::move(steps[next++]);
        idle = false;
        step.action();
    }

    void EndStuckLoop()
    {
        if (!InputIsQueued() || failed)
            return;
        failed = true;
        ADD_FAILURE() << "a loop still runs at the deadline, " << steps.size() - next << " step(s) not taken";
        ReleaseCapture();
        PostMessage(nullptr, WM_NULL, 0, 0);
    }
};

TLoopScript::TLoopScript(std::vector<TLoopStep> steps, std::chrono::milliseconds deadline)
    : impl_(std::make_unique<Impl>())
{
    impl_->steps = std::move(steps);
    impl_->deadline = std::chrono::steady_clock::now() + deadline;
    QObject::connect(&impl_->poll, &QTimer::timeout, [this] { impl_->Poll(); });
    impl_->poll.start(1);
}

TLoopScript::~TLoopScript()
{
    impl_->poll.stop();
    if (impl_->next < impl_->steps.size() && !impl_->failed)
        ADD_FAILURE() << impl_->steps.size() - impl_->next << " step(s) of the loop script never taken";
}

int TLoopScript::StepsTaken() const
{
    return static_cast<int>(impl_->next);
}
