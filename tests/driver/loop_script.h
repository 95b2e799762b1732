#pragma once

// Steps taken while a loop of the program's own runs (an open menu, a drag): the test queues its input from
// inside the loop, as a user would while the loop waits. A step runs when the loop is idle (it waits for
// input and nothing is queued), so that each step's input has been taken before the next step runs; a step
// with a pause waits that much real time first. Steps run from the toolkit's own timers, whatever timer
// source the layer has. Should a loop still run at the deadline, it fails the test and the loop is ended (its
// capture taken away).

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

// How many times the program's loops have looked into the message queue so far: a loop that waits for input
// looks once and sleeps until something comes; one that polls keeps looking while nothing does.
unsigned MessageQueueLooks();

struct TLoopStep
{
    std::function<void()> action;
    std::chrono::milliseconds pause{0};
};

// A step that waits pause of real time after the loop became idle, then acts.
TLoopStep AfterPause(std::chrono::milliseconds pause, std::function<void()> action);

class TLoopScript
{
public:
    // Made before the loop starts; keep it alive until the loop has returned.
    explicit TLoopScript(std::vector<TLoopStep> steps,
                         std::chrono::milliseconds deadline = std::chrono::seconds(10));
    ~TLoopScript();
    TLoopScript(const TLoopScript&) = delete;
    TLoopScript& operator=(const TLoopScript&) = delete;

    int StepsTaken() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
