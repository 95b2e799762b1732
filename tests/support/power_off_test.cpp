#include "support/power_off.h"

#include <gtest/gtest.h>

namespace {

class FakePowerOff : public IPowerOff
{
public:
    bool PowerOff() override
    {
        ++calls;
        return accept;
    }
    int calls = 0;
    bool accept = true;
};

TEST(PowerOff, GoesThroughTheInstalledImplementationOnly)
{
    EXPECT_FALSE(PowerOffWindows()); // nothing installed: nothing happens

    FakePowerOff fake;
    SetPowerOff(&fake);
    EXPECT_TRUE(PowerOffWindows());
    fake.accept = false;
    EXPECT_FALSE(PowerOffWindows());
    SetPowerOff(nullptr);
    EXPECT_EQ(fake.calls, 2);
}

// The command runner of the system implementation, with harmless commands in place of the real one.
TEST(PowerOff, CommandCountsAsAcceptedWhenItSucceeds)
{
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"true"}, true},
        {{"false"}, false},
        {{"sh", "-c", "exit 0", "ignored"}, true},
        {{"sh", "-c", "kill -TERM $$"}, false},
        {{"/nonexistent/quillmark-power-off"}, false},
        {{}, false},
    };
    for (const auto& [command, accepted] : cases)
        EXPECT_EQ(TCommandPowerOff(command).PowerOff(), accepted) << (command.empty() ? "" : command.back());
}

} // namespace
