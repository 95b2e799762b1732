#include "platform/gui/forms/application.h"
#include "platform/gui/windows/window_enumeration.h"
#include "system_message_recorder.h"
#include "window_test_support.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace {

using Handles = std::vector<HWND>;

// The handles a walk gives, and whether it went to the end.
struct TWalk
{
    Handles seen;
    bool completed = false;
};

template <typename Enumerate> TWalk Walk(Enumerate enumerate, size_t stopAfter = SIZE_MAX)
{
    TWalk walk;
    walk.completed = enumerate([&walk, stopAfter](HWND window, LPARAM data) {
        EXPECT_EQ(data, 42);
        walk.seen.push_back(window);
        return walk.seen.size() < stopAfter;
    });
    return walk;
}

// The handles of wanted in the order seen gives them.
Handles InOrderSeen(const Handles& seen, const Handles& wanted)
{
    Handles found;
    std::copy_if(seen.begin(), seen.end(), std::back_inserter(found),
                 [&](HWND h) { return std::find(wanted.begin(), wanted.end(), h) != wanted.end(); });
    return found;
}

class WindowEnumeration : public testing::Test
{
protected:
    void SetUp() override
    {
        first = new TForm(Application);
        panel = new TSystemRecorder(first, nullptr, "panel");
        panel->SetParent(first);
        inner = new TSystemRecorder(first, nullptr, "inner");
        inner->SetParent(panel);
        button = new TSystemRecorder(first, nullptr, "button");
        button->SetParent(first);
        second = new TForm(Application);
        hidden = new TForm(Application);
        for (TForm* form : {first, second, hidden})
            form->HandleNeeded();
        first->Show();
        second->Show();
        Pump();
    }
    void TearDown() override
    {
        for (TForm* form : {first, second, hidden})
            form->Free();
    }

    TForm* first = nullptr;
    TSystemRecorder* panel = nullptr;
    TSystemRecorder* inner = nullptr;
    TSystemRecorder* button = nullptr;
    TForm* second = nullptr;
    TForm* hidden = nullptr;
};

TEST_F(WindowEnumeration, TopLevelWindowsShownOrHiddenWithoutChildren)
{
    const Handles forms{first->Handle(), second->Handle(), hidden->Handle()};
    const TWalk all = Walk([](const WNDENUMPROC& proc) { return EnumWindows(proc, 42); });
    EXPECT_TRUE(all.completed);
    EXPECT_EQ(InOrderSeen(all.seen, forms), forms);
    EXPECT_TRUE(InOrderSeen(all.seen, {panel->Handle(), inner->Handle(), button->Handle()}).empty());

    // The program's windows are the toolkit thread's; another thread has none.
    const uint32_t thread = GetCurrentThreadId();
    const TWalk ours =
        Walk([thread](const WNDENUMPROC& proc) { return EnumThreadWindows(thread, proc, 42); });
    EXPECT_EQ(ours.seen, all.seen);
    uint32_t otherThread = 0;
    std::thread([&otherThread] { otherThread = GetCurrentThreadId(); }).join();
    EXPECT_NE(otherThread, thread);
    const TWalk theirs =
        Walk([=](const WNDENUMPROC& proc) { return EnumThreadWindows(otherThread, proc, 42); });
    EXPECT_FALSE(theirs.completed);
    EXPECT_TRUE(theirs.seen.empty());

    uint32_t process = 0;
    EXPECT_EQ(GetWindowThreadProcessId(inner->Handle(), &process), thread);
    EXPECT_EQ(process, static_cast<uint32_t>(QCoreApplication::applicationPid()));
    EXPECT_EQ(GetWindowThreadProcessId(nullptr, &process), 0u);
    EXPECT_EQ(process, 0u);
}

TEST_F(WindowEnumeration, ChildWindowsDepthFirstAndAWalkStopsWhenAsked)
{
    const HWND parent = first->Handle();
    const TWalk children =
        Walk([parent](const WNDENUMPROC& proc) { return EnumChildWindows(parent, proc, 42); });
    EXPECT_TRUE(children.completed);
    EXPECT_EQ(children.seen, (Handles{panel->Handle(), inner->Handle(), button->Handle()}));

    const TWalk stopped =
        Walk([parent](const WNDENUMPROC& proc) { return EnumChildWindows(parent, proc, 42); }, 2);
    EXPECT_FALSE(stopped.completed);
    EXPECT_EQ(stopped.seen.size(), 2u);
    const TWalk firstOnly = Walk([](const WNDENUMPROC& proc) { return EnumWindows(proc, 42); }, 1);
    EXPECT_FALSE(firstOnly.completed);
    EXPECT_EQ(firstOnly.seen.size(), 1u);
}

} // namespace
