#include "platform/system/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitCommandLine, FollowsTheWindowsRuntimeRules)
{
    using TArgs = std::vector<std::string>;
    struct
    {
        const char* Text;
        TArgs Expected;
    } const cases[] = {
        {"", {}},
        {" \t ", {}},
        {"a  b\tc", {"a", "b", "c"}},
        {"\"a b\" c", {"a b", "c"}},
        {"\"\"", {""}},
        {"a \"\" b", {"a", "", "b"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"unterminated text", {"unterminated text"}},
        {"\"a\"\"b\"", {"a\"b"}},
        {"\\\"a", {"\"a"}},
        {"\\\\\"a b\"", {"\\a b"}},
        {"\\\\\\\"a", {"\\\"a"}},
        {"C:\\dir\\file.txt", {"C:\\dir\\file.txt"}},
        {"\"C:\\dir with blank\\\\\"", {"C:\\dir with blank\\"}},
        {"a\\", {"a\\"}},
        {"-vf \"scale=640:-1\" -metadata title=\"My \\\"best\\\" film\"",
         {"-vf", "scale=640:-1", "-metadata", "title=My \"best\" film"}},
        {"\"\xC3\xA9t\xC3\xA9 d\xC3\xA9j\xC3\xA0\"", {"\xC3\xA9t\xC3\xA9 d\xC3\xA9j\xC3\xA0"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitCommandLine(c.Text), c.Expected) << c.Text;
    }
}

} // namespace
