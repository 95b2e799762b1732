#include "platform/gui/core/exceptions.h"
#include "platform/gui/core/strings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::vector<std::string> Lines(const TStrings& list)
{
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list.Strings(i));
    return lines;
}

using V = std::vector<std::string>;

} // namespace

TEST(StringList, TextSplitsAtEveryLineEndAndJoinsWithCrLf)
{
    const struct
    {
        std::string text;
        V lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\n\nc", {"a", "b", "", "c"}},
        {"\r\n", {""}},
        {"", {}},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(Lines(list), c.lines) << c.text;
    }
    TStringList list;
    list.SetText("x\ny");
    EXPECT_EQ(list.Text(), "x\r\ny\r\n");
}

TEST(StringList, DelimitedTextFollowsQuotingRules)
{
    const struct
    {
        V lines;
        std::string comma;
    } written[] = {
        {{"a", "b c", "d\"e", ""}, "a,\"b c\",\"d\"\"e\","},
        {{""}, "\"\""},
        {{"x,y", "tab\there"}, "\"x,y\",\"tab\there\""},
    };
    for (const auto& c : written) {
        TStringList list;
        list.AddStrings(c.lines);
        EXPECT_EQ(list.CommaText(), c.comma);
    }

    const struct
    {
        std::string text;
        bool strict;
        V lines;
    } read[] = {
        {"a b,c", false, {"a", "b", "c"}},
        {"a b,c", true, {"a b", "c"}},
        {"  \"q \"\"x\"\" \" , z", false, {"q \"x\" ", "z"}},
        {"a,", false, {"a", ""}},
        {"a,,b", false, {"a", "", "b"}},
        {"\"open", false, {"open"}},
        {"", false, {}},
    };
    for (const auto& c : read) {
        TStringList list;
        list.SetStrictDelimiter(c.strict);
        list.SetDelimitedText(c.text);
        EXPECT_EQ(Lines(list), c.lines) << c.text;
    }

    TStringList list;
    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    list.SetStrictDelimiter(true);
    list.SetDelimitedText("one two;'it''s'");
    EXPECT_EQ(Lines(list), (V{"one two", "it's"}));
    EXPECT_EQ(list.DelimitedText(), "one two;'it''s'");
    EXPECT_EQ(list.CommaText(), "\"one two\",it's"); // comma text keeps its own rules
    EXPECT_EQ(list.Delimiter(), ';');
}

TEST(StringList, NameValuePairs)
{
    TStringList list;
    list.SetText("Width=10\nnoseparator\nPath=a=b\n");
    EXPECT_EQ(list.Names(0), "Width");
    EXPECT_EQ(list.Names(1), "");
    EXPECT_EQ(list.ValueFromIndex(1), ""); // a line without "=" has no value, not its tail
    EXPECT_EQ(list.Values("PATH"), "a=b");
    EXPECT_EQ(list.IndexOfName("path"), 2);
    EXPECT_EQ(list.IndexOfName("noseparator"), -1);

    list.SetValues("Width", "20");
    list.SetValues("Height", "5");
    list.SetValues("Path", "");
    EXPECT_EQ(Lines(list), (V{"Width=20", "noseparator", "Height=5"}));
    list.SetValueFromIndex(0, "30");
    EXPECT_EQ(list.Strings(0), "Width=30");
}

TEST(StringList, SortedListsHonourDuplicatesAndCase)
{
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"pear", "Apple", "banana", "apple"})
        list.Add(s);
    EXPECT_EQ(Lines(list), (V{"Apple", "banana", "pear"})); // dupIgnore, case-insensitive
    int index = -1;
    EXPECT_TRUE(list.Find("BANANA", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("cherry", index));
    EXPECT_EQ(index, 2);
    EXPECT_THROW(list.Insert(0, "x"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "x"), EStringListError);

    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add("PEAR"), EStringListError);
    EXPECT_EQ(list.Count(), 3);

    TStringList cased;
    cased.SetCaseSensitive(true);
    cased.SetDuplicates(dupAccept);
    cased.SetSorted(true);
    for (const char* s : {"b", "B", "a", "A", "b"})
        cased.Add(s);
    EXPECT_EQ(Lines(cased), (V{"a", "A", "b", "b", "B"}));
    EXPECT_EQ(cased.IndexOf("B"), 4);
    EXPECT_EQ(cased.IndexOf("c"), -1);
}

TEST(StringList, IndexOfIgnoresCaseAndObjectsFollowTheirLines)
{
    TStringList list;
    TStringList owner1, owner2;
    list.AddObject("One", &owner1);
    list.AddObject("two", &owner2);
    list.Add("\xC3\x89t\xC3\xA9");
    EXPECT_EQ(list.IndexOf("TWO"), 1);
    EXPECT_EQ(list.IndexOf("\xC3\xA9T\xC3\x89"), 2);
    EXPECT_EQ(list.IndexOfObject(&owner2), 1);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Objects(0), &owner2);
    list.Move(0, 2);
    EXPECT_EQ(Lines(list), (V{"One", "\xC3\x89t\xC3\xA9", "two"}));
    EXPECT_EQ(list.Objects(2), &owner2);
    EXPECT_THROW(list.Strings(3), EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
}

TEST(StringList, UpdatesBatchChangeEvents)
{
    TStringList list;
    std::vector<std::string> events;
    list.OnChanging = [&](TObject*) { events.push_back("changing"); };
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        events.push_back("change");
    };
    list.Add("a");
    EXPECT_EQ(events, (V{"changing", "change"}));
    events.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("b");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_TRUE(events.size() == 1 && events[0] == "changing");
    list.EndUpdate();
    EXPECT_EQ(events, (V{"changing", "change"}));
    events.clear();
    list.SetText("x\ny");
    EXPECT_EQ(events, (V{"changing", "change"}));
}

TEST(StringList, AssignCopiesLinesAndSettings)
{
    TStringList source;
    source.SetSorted(true);
    source.SetDuplicates(dupAccept);
    source.AddStrings(V{"b", "a", "a"});
    TStringList copy;
    copy.Add("old");
    copy.Assign(&source);
    EXPECT_EQ(Lines(copy), (V{"a", "a", "b"}));
    EXPECT_TRUE(copy.Sorted());
    EXPECT_EQ(copy.Duplicates(), dupAccept);
    EXPECT_TRUE(copy.Equals(source));
}

TEST(StringList, FilesDetectByteOrderMarksAndFallBackToWindows1252)
{
    const struct
    {
        std::string bytes;
        V lines;
        TTextEncoding encoding;
    } cases[] = {
        {"caf\xC3\xA9\r\nb", {"caf\xC3\xA9", "b"}, TTextEncoding::Default},
        {"\xEF\xBB\xBFx\ny", {"x", "y"}, TTextEncoding::UTF8},
        {std::string("\xFF\xFEh\0\xE9\0\n\0", 8), {"h\xC3\xA9"}, TTextEncoding::Unicode},
        {std::string("\xFE\xFF\0h\xD8\x3D\xDE\x00", 8),
         {"h\xF0\x9F\x98\x80"},
         TTextEncoding::BigEndianUnicode},
        {"caf\xE9 \x80", {"caf\xC3\xA9 \xE2\x82\xAC"}, TTextEncoding::Default},
    };
    const auto path = std::filesystem::temp_directory_path() / "qm_strings_test.txt";
    for (const auto& c : cases) {
        {
            std::ofstream(path, std::ios::binary) << c.bytes;
        }
        TStringList list;
        list.LoadFromFile(path.string());
        EXPECT_EQ(Lines(list), c.lines);
        EXPECT_EQ(list.Encoding(), c.encoding);
        // Saving without an encoding keeps the one found; loading the result gives the same lines.
        list.SaveToFile(path.string());
        TStringList again;
        again.LoadFromFile(path.string());
        EXPECT_EQ(Lines(again), c.lines);
        EXPECT_EQ(again.Encoding(), c.encoding);
    }
    std::filesystem::remove(path);

    TStringList list;
    list.Add("keep");
    EXPECT_THROW(list.LoadFromFile((path.parent_path() / "qm_missing" / "x.txt").string()), EFOpenError);
    EXPECT_EQ(Lines(list), V{"keep"});
    EXPECT_THROW(list.SaveToFile((path.parent_path() / "qm_missing" / "x.txt").string()), EFCreateError);

    TMemoryStream out;
    list.SaveToStream(out, TTextEncoding::UTF8);
    EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), "\xEF\xBB\xBFkeep\r\n");
}
