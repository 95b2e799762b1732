#include "engine/error_records.h"

#include "engine/run_state.h"
#include "support/format_settings.h"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

namespace {

class FakeLog : public IErrorLogSink
{
public:
    void Clear() override { Lines.clear(); }
    void Add(const std::string& line) override { Lines.push_back(line); }
    std::vector<std::string> Lines;
};

} // namespace

TEST(ErrorRecords, TwoFailuresOfOneRun)
{
    TFormatSettings format;
    format.ShortDateFormat = "dd.mm.yyyy";
    format.ShortTimeFormat = "hh:nn";
    TFormatSettingsGuard guard(format);

    FakeLog log;
    log.Add("left from the last run");
    ErrorCount = 7;
    ClearErrorLog(log);
    EXPECT_EQ(ErrorCount, 0);
    EXPECT_TRUE(log.Lines.empty());

    AddErrorRecord(log, "ExitCode: 1\r\nfirst line\r\nsecond line\r\n", "/in/a.mkv", "/out/a.avi", 1,
                   "-y -i a.mkv a.avi");
    AddErrorRecord(log, "ExitCode: 2\nonly line", "/in/b.mkv", "/out/b.avi", 2, "");

    ASSERT_EQ(log.Lines.size(), 22u);
    const std::vector<std::string> first(log.Lines.begin(), log.Lines.begin() + 12);
    EXPECT_EQ(first[0], "//" + std::string(60, '-'));
    EXPECT_EQ(first[1], "");
    EXPECT_EQ(first[2], "Error # 1");
    EXPECT_EQ(first[3], "");
    EXPECT_TRUE(std::regex_match(first[4], std::regex(R"(Date & Time: \d\d\.\d\d\.\d{4} / \d\d:\d\d)")))
        << first[4];
    EXPECT_EQ(first[5], "Input file: \"/in/a.mkv\"");
    EXPECT_EQ(first[6], "Output file: \"/out/a.avi\"");
    EXPECT_EQ(first[7], "Parameters: -y -i a.mkv a.avi");
    EXPECT_EQ(first[8], "");
    EXPECT_EQ(first[9], "ExitCode: 1");
    EXPECT_EQ(first[10], "first line");
    EXPECT_EQ(first[11], "second line");
    // No parameters: no parameters line.
    EXPECT_EQ(log.Lines[14], "Error # 2");
    EXPECT_EQ(log.Lines[18], "Output file: \"/out/b.avi\"");
    EXPECT_EQ(log.Lines[19], "");
    EXPECT_EQ(log.Lines[20], "ExitCode: 2");
    EXPECT_EQ(log.Lines[21], "only line");
}

TEST(ErrorRecords, RecordNumberZeroHasNoHeading)
{
    FakeLog log;
    AddErrorRecord(log, "", "in", "out", 0, "");
    ASSERT_EQ(log.Lines.size(), 5u);
    EXPECT_EQ(log.Lines[0].rfind("Date & Time: ", 0), 0u);
    EXPECT_EQ(log.Lines[3], "");
    EXPECT_EQ(log.Lines[4], "");
}
