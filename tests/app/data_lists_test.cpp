#include "app/model/data_lists.h"
#include "app/model/resolution_item_colors.h"
#include "support/color_routines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A data file written for one test and removed after it.
class DataListFile : public testing::Test
{
protected:
    ~DataListFile() override
    {
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    std::string Write(const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    fs::path path = fs::temp_directory_path() / ("qm_data_list_" + std::to_string(getpid()) + ".txt");
};

} // namespace

TEST(DataLists, ResolutionLines)
{
    const std::vector<std::string> lines = {
        "// comment", "1280 x 720 - HD720   ",     "",   "   ",
        "50%",        "  // indented, so an item", "//", "\t640 x 480\t",
    };
    const std::vector<std::string> expected = {"1280 x 720 - HD720", "50%", "  // indented, so an item",
                                               "\t640 x 480"};
    EXPECT_EQ(ParseResolutionLines(lines), expected);
    EXPECT_TRUE(ParseResolutionLines({"// only", "// comments", ""}).empty());
}

TEST(DataLists, VideoTagLines)
{
    const struct
    {
        std::string line;
        std::vector<std::string> tags;
    } cases[] = {
        {"XVID Xvid MPEG-4 codec", {"XVID"}},
        {"  DX50   DivX 5  ", {"DX50"}},
        {"H264\tAVC in a tab", {"H264"}},
        {"MJPG", {}}, // no blank: no description, skipped
        {"// FMP4 commented out", {}},
        {"//", {}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseVideoTagLines({c.line}), c.tags) << "\"" << c.line << "\"";
}

TEST_F(DataListFile, ListsFromFilesWithAnyLineEndAndEncoding)
{
    EXPECT_EQ(ReadResolutionList(Write("// sizes\r\n320 x 240 - QVGA\r\n25%\n\r\n1920 x 1080\r")),
              (std::vector<std::string>{"320 x 240 - QVGA", "25%", "1920 x 1080"}));
    // UTF-16 with its byte-order mark: "XVID x\nDIVX d\n"
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("XVID x\nDIVX d\n"))
        utf16 += std::string{c, '\0'};
    EXPECT_EQ(ReadVideoTagList(Write(utf16)), (std::vector<std::string>{"XVID", "DIVX"}));
}

TEST(DataLists, BuiltInListsWhenTheFilesAreMissing)
{
    const std::string missing = (fs::temp_directory_path() / "qm_no_such_list.txt").string();
    const std::vector<std::string> resolutions = ReadResolutionList(missing);
    ASSERT_EQ(resolutions.size(), 15u);
    EXPECT_EQ(resolutions.front(), "128 x 96 - SQCIF");
    EXPECT_EQ(resolutions.back(), "1920 x 1080 - HD1080");
    const std::vector<std::string> tags = ReadVideoTagList(missing);
    ASSERT_EQ(tags.size(), 11u);
    EXPECT_EQ(tags.front(), "DIV3");
    EXPECT_EQ(tags.back(), "XVID");
}

TEST(DataLists, MonospaceFontIsTheFirstInstalledCandidate)
{
    const struct
    {
        std::set<std::string> installed;
        std::string desktopMonospace;
        TFontParams font;
    } cases[] = {
        {{"Roboto Mono", "Fira Mono", "Consolas"}, "Noto Mono", {"Fira Mono", 9}},
        {{"Consolas", "Courier New"}, "", {"Consolas", 10}},
        {{"Courier New", "DejaVu Sans Mono"}, "DejaVu Sans Mono", {"Courier New", 9}},
        {{"DejaVu Sans Mono", "Noto Mono"}, "Noto Mono", {"Noto Mono", 9}},
        {{"DejaVu Sans Mono"}, "DejaVu Sans Mono", {"DejaVu Sans Mono", 9}},
        {{"DejaVu Sans Mono"}, "", {"DejaVu Sans Mono", 9}},
        {{}, "", {"Courier New", 9}},
    };
    for (const auto& c : cases) {
        const TFontParams font = ChooseMonospaceFont(
            [&](const std::string& family) { return c.installed.contains(family); }, c.desktopMonospace);
        EXPECT_EQ(font.Name, c.font.Name) << c.desktopMonospace;
        EXPECT_EQ(font.Size, c.font.Size) << c.font.Name;
    }
}

TEST(DataLists, ResolutionItemColours)
{
    const TColor plain = RGBToColor(248, 248, 248), percent = RGBToColor(251, 244, 198),
                 custom = RGBToColor(91, 91, 91), wide = RGBToColor(67, 126, 90),
                 classic = RGBToColor(232, 193, 193);
    const struct
    {
        std::string text;
        int index;
        TResolutionItemColors colors;
    } cases[] = {
        {"1280 x 720 - HD720", 5, {plain, clBlack}},
        {"50%", 5, {percent, clBlack}},
        {"Custom", 1, {custom, RGBToColor(220, 220, 220)}},
        {"1024 x 576 - 16:9", 5, {wide, RGBToColor(240, 240, 240)}},
        {"1024 x 576 (16/9)", 5, {wide, RGBToColor(240, 240, 240)}},
        {"800 x 600 - 4:3", 5, {classic, RGBToColor(20, 20, 20)}},
        {"800 x 600 - 4/3", 5, {classic, RGBToColor(20, 20, 20)}},
        {"640 x 480 - 4:3", 5, {plain, clBlack}}, // "64" keeps a 4:3 size plain
        {"50% 16:9", 5, {percent, clBlack}},
        {"Custom 16:9", 1, {wide, RGBToColor(240, 240, 240)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolutionItemColors(c.text, c.index), c.colors) << c.text;
}
