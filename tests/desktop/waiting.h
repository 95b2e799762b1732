#pragma once

#include "child_processes.h"

#include <chrono>
#include <functional>
#include <string>
#include <thread>

// Waiting for the program: a condition is polled until it holds or the time allowed has passed. The time
// only bounds the wait; what is checked is the condition. Callers fail with their own message when the
// answer is false.

// Generous enough for the sanitizer build on a busy machine.
inline constexpr Seconds StartTime{60};
inline constexpr Seconds ReactionTime{30};

inline bool WaitUntil(const std::function<bool()>& condition, Seconds allowed = ReactionTime)
{
    const auto deadline = DeadlineAfter(allowed);
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
