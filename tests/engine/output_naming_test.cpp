#include "engine/output_naming.h"
#include "engine/run_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdlib.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class OutputNaming : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "qm_naming_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        Dir = pattern;
    }
    void TearDown() override { fs::remove_all(Dir); }

    std::string Make(const std::string& name)
    {
        std::ofstream(Dir + "/" + name) << "data";
        return Dir + "/" + name;
    }

    std::string Dir;
};

} // namespace

TEST_F(OutputNaming, NameAndExtension)
{
    EXPECT_EQ(GetExt(ofAvi, true), ".avi");
    EXPECT_EQ(GetExt(ofMpg, false), "mpg");
    EXPECT_EQ(OutputNameFor("/in/film.part.mkv", "", ofAvi), "/in/film.part.avi");
    EXPECT_EQ(OutputNameFor("/in/film", "/out", ofMpg), "/out/film.mpg");
    EXPECT_EQ(OutputNameFor("/in/.hidden", "/out.", ofAvi), "/out./.hidden.avi");
    EXPECT_EQ(OutputNameFor("/film.mkv", "", ofAvi), "/film.avi");
    EXPECT_EQ(OutputNameFor("/in/film.mkv", "/", ofAvi), "/film.avi");
}

// The output folder gets one spelling, which the run creates and names every output in.
TEST_F(OutputNaming, OutputFolder)
{
    const std::pair<const char*, const char*> cases[] = {
        {"out", "/opt/qm/out"}, // a relative folder counts from the program's folder
        {"/out/.", "/out"},        {"/out/", "/out"}, {"/out.", "/out."},
        {"out./", "/opt/qm/out."}, {"/", "/"},        {"", ""},
    };
    for (const auto& [typed, folder] : cases)
        EXPECT_EQ(OutputFolderFor(typed, "/opt/qm"), folder) << typed;
}

TEST_F(OutputNaming, ExistingOutputRules)
{
    const std::string input = Make("film.avi");
    const std::string other = Make("other.avi");
    ASSERT_EQ(::symlink(input.c_str(), (Dir + "/link.avi").c_str()), 0);
    ASSERT_EQ(::link(input.c_str(), (Dir + "/hard.avi").c_str()), 0);
    const std::vector<TFileIdentity> inputs = {*GetFileIdentity(input)};

    struct Case
    {
        std::string output;
        int32_t rule;
        std::string expectedName;
        TOutputDecision expected;
    };
    const Case cases[] = {
        {Dir + "/new.avi", oeOverwrite, Dir + "/new.avi", odNew},
        {other, oeRename, Dir + "/other_001.avi", odRenamed},
        {other, oeOverwrite, other, odOverwritten},
        {other, oeSkip, other, odSkipped},
        // A rule the list does not have renames: an existing file is only replaced when asked for.
        {other, oeSkip + 1, Dir + "/other_001.avi", odRenamed},
        {other, -1, Dir + "/other_001.avi", odRenamed},
        // The input itself under any spelling: never written over.
        {input, oeOverwrite, Dir + "/film_001.avi", odRenamed},
        {Dir + "/./film.avi", oeOverwrite, Dir + "/./film_001.avi", odRenamed},
        {Dir + "//film.avi", oeOverwrite, Dir + "//film_001.avi", odRenamed},
        {Dir + "/link.avi", oeOverwrite, Dir + "/link_001.avi", odRenamed},
        {Dir + "/hard.avi", oeOverwrite, Dir + "/hard_001.avi", odRenamed},
        {input, oeSkip, Dir + "/film_001.avi", odSkipped},
    };
    for (const Case& c : cases) {
        const TOutputChoice choice = ChooseOutput(c.output, c.rule, inputs, false);
        EXPECT_EQ(choice.FileName, c.expectedName) << c.output << " rule " << c.rule;
        EXPECT_EQ(choice.Decision, c.expected) << c.output << " rule " << c.rule;
    }
}

// A new or renamed output is claimed as it is chosen: created empty, exclusively, so that the next choice of
// the same name, in this program or another, finds it taken.
TEST_F(OutputNaming, ChosenNamesAreClaimed)
{
    const std::string output = Dir + "/film.avi";
    const TOutputChoice first = ChooseOutput(output, oeRename, {}, true);
    const TOutputChoice second = ChooseOutput(output, oeRename, {}, true);
    const TOutputChoice skipped = ChooseOutput(output, oeSkip, {}, true);
    EXPECT_EQ(first.FileName, output);
    EXPECT_EQ(second.FileName, Dir + "/film_001.avi");
    EXPECT_TRUE(first.Claimed && second.Claimed);
    EXPECT_EQ(skipped.Decision, odSkipped);
    EXPECT_EQ(fs::file_size(output), 0u);
    EXPECT_EQ(fs::file_size(Dir + "/film_001.avi"), 0u);
}

TEST_F(OutputNaming, FileStampSeesCreationAndWritesOnly)
{
    const std::string name = Dir + "/out.avi";
    const TFileStamp missing = TakeFileStamp(name);
    EXPECT_FALSE(missing.Exists);
    Make("out.avi");
    const TFileStamp created = TakeFileStamp(name);
    EXPECT_NE(created, missing);
    EXPECT_EQ(TakeFileStamp(name), created); // reading changes nothing
    std::ofstream(name, std::ios::trunc).close();
    EXPECT_NE(TakeFileStamp(name), created);
}
