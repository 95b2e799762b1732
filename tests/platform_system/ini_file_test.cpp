#include "platform/system/ini_file.h"
#include "platform/system/mem_ini_file.h"
#include "support/scratch_folder.h"
#include "support/utf8.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string FileBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string SampleIni = "; settings\n"
                              "Orphan=before any section\n"
                              "[Main]\n"
                              "  Plain  =  value  \n"
                              "Quoted=\"  padded  \"\n"
                              "Single='x'\n"
                              "Mismatched=\"x'\n"
                              "LoneQuote=\"\n"
                              "Empty=\n"
                              "Line without equals\n"
                              ";Commented=1\n"
                              "\n"
                              "[Other]\n"
                              "Key=other\n"
                              "[main]\n"
                              "Late=from the second part\n"
                              "Plain=shadowed\n"
                              "[Empty]\n";

TEST(IniFile, ReadsValuesByTheProfileRulesAndTheMemoryReaderAsStored)
{
    ScratchFolder folder;
    const std::string name = folder.Write("a.ini", SampleIni);
    const TIniFile ini(name);
    const TMemIniFile mem(name);
    struct
    {
        const char* Section;
        const char* Key;
        const char* ProfileValue;
        const char* MemoryValue;
    } const cases[] = {
        {"MAIN", "plain", "value", "value"},
        {"Main", "Quoted", "  padded  ", "\"  padded  \""},
        {"Main", "Single", "x", "'x'"},
        {"Main", "Mismatched", "\"x'", "\"x'"},
        {"Main", "LoneQuote", "\"", "\""},
        {"Main", "Empty", "", ""},
        {"mAIN", "late", "from the second part", "from the second part"},
        {"Main", "Line without equals", "<none>", "<none>"},
        {"Main", "Commented", "<none>", "<none>"},
        {"Main", ";Commented", "<none>", "<none>"},
        {"Main", "Orphan", "<none>", "<none>"},
        {"Other", "Plain", "<none>", "<none>"},
        {"Missing", "Plain", "<none>", "<none>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Section) + "/" + c.Key);
        EXPECT_EQ(ini.ReadString(c.Section, c.Key, "<none>"), c.ProfileValue);
        EXPECT_EQ(mem.ReadString(c.Section, c.Key, "<none>"), c.MemoryValue);
    }
    EXPECT_TRUE(ini.ValueExists("main", "EMPTY"));
    EXPECT_FALSE(ini.ValueExists("Main", "Commented"));
}

TEST(IniFile, ListsSectionsAndKeysOnceInFileOrder)
{
    ScratchFolder folder;
    const std::string name = folder.Write("a.ini", SampleIni);
    for (const TCustomIniFile* ini : {static_cast<TCustomIniFile*>(new TIniFile(name)),
                                      static_cast<TCustomIniFile*>(new TMemIniFile(name))}) {
        EXPECT_EQ(ini->ReadSections(), (std::vector<std::string>{"Main", "Other", "Empty"}));
        EXPECT_EQ(ini->ReadSection("MAIN"),
                  (std::vector<std::string>{"Plain", "Quoted", "Single", "Mismatched", "LoneQuote", "Empty",
                                            "Late"}));
        EXPECT_TRUE(ini->SectionExists("empty"));
        EXPECT_FALSE(ini->SectionExists("Orphan"));
        EXPECT_TRUE(ini->ReadSection("Empty").empty());
        delete ini;
    }
    EXPECT_EQ(TIniFile(name).ReadSectionValues("Main")[1], "Quoted=  padded  ");
    EXPECT_EQ(TMemIniFile(name).ReadSectionValues("Main")[1], "Quoted=\"  padded  \"");
}

TEST(IniFile, MissingFileGivesDefaults)
{
    ScratchFolder folder;
    const TIniFile ini(folder / "none.ini");
    EXPECT_EQ(ini.ReadString("Main", "Key", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadInteger("Main", "Key", 7), 7);
    EXPECT_TRUE(ini.ReadSections().empty());
    EXPECT_EQ(TMemIniFile(folder / "none.ini").ReadString("Main", "Key", "dflt"), "dflt");
}

TEST(IniFile, ValuesReadAtMost2047Characters)
{
    ScratchFolder folder;
    std::string longValue;
    for (int i = 0; i < 3000; ++i) {
        longValue += "\xC3\xA9"; // é
    }
    const std::string name = folder.Write("a.ini", "[S]\nK=" + longValue + "\n");
    const std::string read = TIniFile(name).ReadString("S", "K", "");
    EXPECT_EQ(Utf8Length(read), 2047u);
    EXPECT_TRUE(IsValidUtf8(read));
    EXPECT_EQ(TMemIniFile(name).ReadString("S", "K", ""), longValue);
}

TEST(IniFile, TypedReadsFollowThePlatformConversions)
{
    struct
    {
        const char* Text;
        int Integer; // with default -99
        bool Bool;   // with default true
    } const integers[] = {
        {"42", 42, true},
        {"-7", -7, true},
        {"+3", 3, true},
        {"0", 0, false},
        {"$1F", 31, true},
        {"0x10", 16, true},
        {"0XfF", 255, true},
        {"$FFFFFFFF", -1, true},
        {"2147483647", 2147483647, true},
        {"-2147483648", -2147483647 - 1, true},
        {"2147483648", -99, true},
        {"$100000000", -99, true},
        {"12abc", -99, true},
        {"abc", -99, true},
        {"", -99, true},
        {"--3", -99, true},
        {"0x", -99, true},
        {"$-1", -99, true},
        {"' 5'", 5, true},
        {"1.5", -99, true},
    };
    ScratchFolder folder;
    std::string text = "[I]\n";
    for (size_t i = 0; i < std::size(integers); ++i) {
        text += "K" + std::to_string(i) + "=" + integers[i].Text + "\n";
    }
    const TIniFile ini(folder.Write("a.ini", text));
    for (size_t i = 0; i < std::size(integers); ++i) {
        SCOPED_TRACE(integers[i].Text);
        const std::string key = "K" + std::to_string(i);
        EXPECT_EQ(ini.ReadInteger("I", key, -99), integers[i].Integer);
        EXPECT_EQ(ini.ReadBool("I", key, true), integers[i].Bool);
    }

    struct
    {
        const char* Text;
        double Value; // with default -1
    } const floats[] = {{"1.5", 1.5},  {"1,5", 1.5}, {"-2.25e2", -225}, {"+0.5", 0.5}, {"7", 7},
                        {"1.2.3", -1}, {"abc", -1},  {"", -1},          {"inf", -1},   {"1,000.5", -1}};
    text = "[F]\n";
    for (size_t i = 0; i < std::size(floats); ++i) {
        text += "K" + std::to_string(i) + "=" + floats[i].Text + "\n";
    }
    const TMemIniFile mem(folder.Write("f.ini", text));
    for (size_t i = 0; i < std::size(floats); ++i) {
        SCOPED_TRACE(floats[i].Text);
        EXPECT_EQ(mem.ReadFloat("F", "K" + std::to_string(i), -1), floats[i].Value);
    }
}

TEST(IniFile, WritesChangeOnlyTheirLineAndKeepEverythingElse)
{
    ScratchFolder folder;
    const std::string name = folder.Write("a.ini", "\xEF\xBB\xBF; keep me\r\n"
                                                   "[Main]\r\n"
                                                   "Unknown = hand written\r\n"
                                                   "width=1\r\n"
                                                   "\r\n"
                                                   "; about Other\r\n"
                                                   "[Other]\r\n"
                                                   "X=1\r\n");
    TIniFile ini(name);
    ini.WriteInteger("MAIN", "Width", 800);
    ini.WriteBool("Main", "Maximized", true);
    ini.WriteFloat("Progress", "Ratio", 0.25);
    ini.WriteString("progress", "Name", "x");
    EXPECT_EQ(FileBytes(folder / "a.ini"), "\xEF\xBB\xBF; keep me\r\n"
                                           "[Main]\r\n"
                                           "Unknown = hand written\r\n"
                                           "width=800\r\n"
                                           "Maximized=1\r\n"
                                           "\r\n"
                                           "; about Other\r\n"
                                           "[Other]\r\n"
                                           "X=1\r\n"
                                           "\r\n"
                                           "[Progress]\r\n"
                                           "Ratio=0.25\r\n"
                                           "Name=x\r\n");

    ini.DeleteKey("main", "UNKNOWN");
    ini.EraseSection("other");
    EXPECT_EQ(FileBytes(folder / "a.ini"), "\xEF\xBB\xBF; keep me\r\n"
                                           "[Main]\r\n"
                                           "width=800\r\n"
                                           "Maximized=1\r\n"
                                           "\r\n"
                                           "; about Other\r\n"
                                           "[Progress]\r\n"
                                           "Ratio=0.25\r\n"
                                           "Name=x\r\n");
    EXPECT_EQ(ini.ReadFloat("Progress", "Ratio", 0), 0.25);
}

TEST(IniFile, ValuesReadBackAsWritten)
{
    ScratchFolder folder;
    TIniFile ini(folder / "new.ini");
    const std::string values[] = {"plain",
                                  "  padded ",
                                  "\"quoted\"",
                                  "'single'",
                                  "\"half",
                                  "a=b;c",
                                  "",
                                  "\xC3\xA9\xE2\x82\xAC",
                                  "C:\\Program Files\\x"};
    for (const std::string& value : values) {
        ini.WriteString("S", "K", value);
        EXPECT_EQ(ini.ReadString("S", "K", "<none>"), value);
    }
}

TEST(IniFile, CarriageReturnsLeftAtALineEndAreNoPartOfTheValue)
{
    ScratchFolder folder;
    const std::string name = folder.Write("a.ini", "[S]\nA=1\r\r\nB=x \r\r\n");
    TIniFile ini(name);
    EXPECT_EQ(ini.ReadString("S", "A", ""), "1");
    ini.WriteString("S", "C", "2"); // rewrites the line ends as plain ones
    EXPECT_EQ(ini.ReadString("S", "A", ""), "1");
    EXPECT_EQ(TMemIniFile(name).ReadString("S", "B", ""), "x");
}

// Lines may end in CR LF, LF or a bare CR, even mixed in one file; a write keeps the file's first line end.
TEST(IniFile, EveryLineEndBreaksALine)
{
    ScratchFolder folder;
    const std::string name = folder.Write("a.ini", "[S]\rA=1\rB=2\r\nC=3\n[T]\rD=4\r");
    for (const TCustomIniFile* ini : {static_cast<TCustomIniFile*>(new TIniFile(name)),
                                      static_cast<TCustomIniFile*>(new TMemIniFile(name))}) {
        EXPECT_EQ(ini->ReadSections(), (std::vector<std::string>{"S", "T"}));
        EXPECT_EQ(ini->ReadSection("S"), (std::vector<std::string>{"A", "B", "C"}));
        EXPECT_EQ(ini->ReadString("T", "D", ""), "4");
        delete ini;
    }
    TIniFile(name).WriteString("T", "E", "5");
    EXPECT_EQ(FileBytes(name), "[S]\rA=1\rB=2\rC=3\r[T]\rD=4\rE=5\r");
}

TEST(IniFile, BadWritesThrowAndLeaveTheFileAlone)
{
    ScratchFolder folder;
    const std::string name = folder.Write("a.ini", "[S]\nK=1\n");
    TIniFile ini(name);
    EXPECT_THROW(ini.WriteString("S", "K", "two\nlines"), EIniFileError);
    EXPECT_THROW(ini.WriteString("S", "a=b", "1"), EIniFileError);
    EXPECT_THROW(ini.WriteString("S", "[T]", "1"), EIniFileError);
    EXPECT_THROW(ini.WriteString("S", "", "1"), EIniFileError);
    EXPECT_THROW(ini.WriteString("S]", "K", "1"), EIniFileError);
    EXPECT_THROW(ini.WriteFloat("S", "K", 1.0 / 0.0), EIniFileError);
    // Not UTF-8: the file would then read as Windows-1252 and every other non-ASCII value would change.
    EXPECT_THROW(ini.WriteString("S", "K", "\xFE\xFF"), EIniFileError);
    EXPECT_THROW(ini.WriteString("S", "K\xE9", "1"), EIniFileError);
    EXPECT_THROW(ini.WriteString("S\xE9", "K", "1"), EIniFileError);
    EXPECT_EQ(FileBytes(folder / "a.ini"), "[S]\nK=1\n");

    TIniFile inMissingFolder(folder / "missing/a.ini");
    TIniFile belowAFile(folder / "a.ini/b.ini");
    EXPECT_THROW(inMissingFolder.WriteString("S", "K", "1"), EIniFileError);
    EXPECT_THROW(belowAFile.WriteString("S", "K", "1"), EIniFileError);
    inMissingFolder.EraseSection("S"); // nothing to change, so nothing to fail
}

// Held in memory, reads see the changes at once and the file gets them only at UpdateFile, all together.
TEST(IniFile, HeldInMemoryTheFileChangesOnlyAtUpdateFile)
{
    ScratchFolder folder;
    const std::string name = folder.Write("a.ini", "[S]\nK=1\n");
    {
        TIniFile ini(name);
        ini.HoldInMemory();
        ini.WriteString("S", "K", "2");
        ini.WriteInteger("T", "L", 3);
        EXPECT_EQ(ini.ReadString("S", "K", ""), "2");
        EXPECT_EQ(FileBytes(name), "[S]\nK=1\n");
        ini.UpdateFile();
        EXPECT_EQ(FileBytes(name), "[S]\nK=2\n\n[T]\nL=3\n");
        ini.WriteString("S", "K", "4"); // key by key again
        EXPECT_EQ(FileBytes(name), "[S]\nK=4\n\n[T]\nL=3\n");
        ini.HoldInMemory();
        ini.EraseSection("T");
    } // never written
    EXPECT_EQ(FileBytes(name), "[S]\nK=4\n\n[T]\nL=3\n");

    TIniFile unreadable(folder.MakeDir("folder.ini"));
    unreadable.HoldInMemory();
    EXPECT_EQ(unreadable.ReadString("S", "K", "default"), "default");
    EXPECT_THROW(unreadable.WriteString("S", "K", "1"), EIniFileError);
}

TEST(IniFile, ReplacingKeepsModeAndLinksAndLeavesNoTemporaryFile)
{
    ScratchFolder folder;
    const std::string target = folder.Write("target.ini", "[S]\nK=1\n");
    ::chmod(target.c_str(), 0640);
    folder.Link(target, "link.ini");
    TIniFile(folder / "link.ini").WriteString("S", "K", "2");

    struct stat info;
    ASSERT_EQ(::lstat((folder / "link.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(FileBytes(folder / "target.ini"), "[S]\nK=2\n");
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u);
}

// A writer that keeps rewriting a file is watched by a reader: every look at the file must find it
// complete, old or new, never cut short.
TEST(IniFile, ReadersNeverSeeAHalfWrittenFile)
{
    ScratchFolder folder;
    const std::string name = folder / "busy.ini";
    std::string text = "[S]\n";
    for (int i = 0; i < 2000; ++i) {
        text += "Key" + std::to_string(i) + "=some value to make the file long enough\n";
    }
    text += "Last=0\n";
    folder.Write("busy.ini", text);

    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        TIniFile ini(name);
        for (int i = 1;; ++i) {
            ini.WriteInteger("S", "Last", i % 2);
        }
    }
    struct TWriterGuard
    {
        pid_t Pid;
        void Stop()
        {
            if (Pid > 0) {
                ::kill(Pid, SIGKILL);
                ::waitpid(Pid, nullptr, 0);
                Pid = -1;
            }
        }
        ~TWriterGuard() { Stop(); }
    } writerGuard{writer};
    for (int look = 0; look < 300; ++look) {
        const std::string seen = FileBytes(folder / "busy.ini");
        ASSERT_TRUE(seen.ends_with("Last=0\n") || seen.ends_with("Last=1\n")) << "look " << look;
        ASSERT_EQ(seen.size(), text.size());
    }
    writerGuard.Stop(); // dies in the middle of whatever write it was doing
    const std::string afterDeath = FileBytes(folder / "busy.ini");
    EXPECT_TRUE(afterDeath.ends_with("Last=0\n") || afterDeath.ends_with("Last=1\n"));
}

TEST(MemIniFile, DetectsTheEncoding)
{
    const std::string expected = "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAC"; // é € 🎬
    struct
    {
        const char* Name;
        std::string Bytes;
    } const files[] = {
        {"UTF-8", "[S]\nK=" + expected + "\n"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF[S]\r\nK=" + expected + "\r\n"},
        {"UTF-16 LE", std::string("\xFF\xFE[\0S\0]\0\n\0K\0=\0\xE9\0\xAC\x20\x3C\xD8\xAC\xDF\n\0", 24)},
        {"UTF-16 BE", std::string("\xFE\xFF\0[\0S\0]\0\n\0K\0=\0\xE9\x20\xAC\xD8\x3C\xDF\xAC\0\n", 24)},
    };
    ScratchFolder folder;
    for (const auto& file : files) {
        SCOPED_TRACE(file.Name);
        EXPECT_EQ(TMemIniFile(folder.Write("a.ini", file.Bytes)).ReadString("s", "k", ""), expected);
    }
}

TEST(MemIniFile, FallsBackToWindows1252WhenNotUtf8)
{
    ScratchFolder folder;
    const std::string name = folder.Write("a.ini", "[S]\nName=Caf\xE9 \x80\nOther=x\n");
    EXPECT_EQ(TMemIniFile(name).ReadString("S", "Name", ""), "Caf\xC3\xA9 \xE2\x82\xAC");

    // A profile write turns such a file into UTF-8 without losing its other text.
    TIniFile(name).WriteString("S", "Other", "y");
    EXPECT_EQ(FileBytes(folder / "a.ini"), "[S]\nName=Caf\xC3\xA9 \xE2\x82\xAC\nOther=y\n");
}

} // namespace
