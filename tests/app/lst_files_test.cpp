// File list files: lines, encodings, names resolved beside the list, written so that no name is lost.

#include "app/model/lst_files.h"
#include "platform/system/file_io.h"
#include "support/text_file_encoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class LstFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "qm_lst_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Path(const std::string& name) const { return (fs::path(folder) / name).string(); }
    std::string folder;
};

TEST_F(LstFiles, LinesAndLineEnds)
{
    const std::vector<std::string> names =
        LstFileNames("/a/one.mkv\r\n/b/two.avi\n\r/c/three.mp4\r/d./four.ts\r\n/e/./five.ts \r\n", "/x");
    EXPECT_EQ(names, (std::vector<std::string>{"/a/one.mkv", "/b/two.avi", "/c/three.mp4", "/d./four.ts",
                                               "/e/five.ts "}));
}

TEST_F(LstFiles, RelativeLinesNameFilesBesideTheList)
{
    ReplaceFileContents(Path("list.lst"), "clip.mkv\r\nsub/other.mkv\r\n../up.mkv\r\n");
    const std::string savedFolder = fs::current_path().string();
    fs::current_path("/");
    const std::vector<std::string> names = ReadLstFile(Path("list.lst"));
    fs::current_path(savedFolder);
    EXPECT_EQ(names, (std::vector<std::string>{Path("clip.mkv"), Path("sub/other.mkv"),
                                               (fs::path(folder).parent_path() / "up.mkv").string()}));
}

TEST_F(LstFiles, ByteOrderMarksDecideTheEncoding)
{
    const std::string text = "/m\xC3\xBCsic/\xE2\x99\xAA & b.mkv\r\n";
    for (TTextEncoding encoding : {TTextEncoding::UTF8, TTextEncoding::Unicode,
                                   TTextEncoding::BigEndianUnicode, TTextEncoding::Default}) {
        ReplaceFileContents(Path("enc.lst"), EncodeTextFile(text, encoding));
        EXPECT_EQ(ReadLstFile(Path("enc.lst")),
                  std::vector<std::string>{"/m\xC3\xBCsic/\xE2\x99\xAA & b.mkv"})
            << static_cast<int>(encoding);
    }
}

TEST_F(LstFiles, RoundTripKeepsEveryName)
{
    const std::vector<std::string> names = {Path("Caf\xC3\xA9 & co.mkv"),
                                            Path("\xE6\x97\xA5\xE6\x9C\xAC.avi"), Path("-dash &amp; x.mp4")};
    WriteLstFile(Path("round.lst"), names);
    std::string bytes;
    ASSERT_EQ(ReadFileBytes(Path("round.lst"), bytes), 0);
    EXPECT_EQ(bytes, names[0] + "\r\n" + names[1] + "\r\n" + names[2] + "\r\n");
    EXPECT_EQ(ReadLstFile(Path("round.lst")), names);
}

TEST_F(LstFiles, FailuresNameTheFile)
{
    EXPECT_THROW(
        {
            try {
                ReadLstFile(Path("missing.lst"));
            } catch (const std::runtime_error& error) {
                EXPECT_NE(std::string(error.what()).find("missing.lst"), std::string::npos);
                throw;
            }
        },
        std::runtime_error);
    EXPECT_THROW(WriteLstFile(Path("no/such/folder/x.lst"), {"/a.mkv"}), std::runtime_error);
}

} // namespace
