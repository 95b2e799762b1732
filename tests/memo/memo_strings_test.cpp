#include "memo_test_support.h"

#include "platform/gui/core/exceptions.h"
#include "support/streams.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>

namespace {

class MemoStrings : public MemoFixture
{
protected:
    TVezMemoStrings& Store() { return *memo->Lines(); }
    std::string TempFile(const std::string& name)
    {
        const std::string path = testing::TempDir() + "memo_strings_" + name;
        std::remove(path.c_str());
        return path;
    }
};

struct StoreCase
{
    const char* name;
    std::vector<std::string> before;
    std::function<void(TVezMemoStrings&)> change;
    std::vector<std::string> after;
};

} // namespace

TEST_F(MemoStrings, OperationsKeepLinesAndLengthsInStep)
{
    const StoreCase cases[] = {
        {"Add expands tabs", {}, [](auto& l) { l.Add("a\tb"); }, {"a    b"}},
        {"Put expands tabs", {"x"}, [](auto& l) { l.Put(0, "a\tb"); }, {"a    b"}},
        {"Insert expands tabs", {"x"}, [](auto& l) { l.Insert(0, "a\tb"); }, {"a    b", "x"}},
        {"AddObject keeps tabs", {}, [](auto& l) { l.AddObject("a\tb", nullptr); }, {"a\tb"}},
        {"Add splits at CR LF", {}, [](auto& l) { l.Add("one\r\ntwo"); }, {"one", "two"}},
        {"Add splits at LF", {}, [](auto& l) { l.Add("one\ntwo"); }, {"one", "two"}},
        {"Add splits at CR", {}, [](auto& l) { l.Add("one\rtwo"); }, {"one", "two"}},
        {"Add of a break ends with an empty line", {}, [](auto& l) { l.Add("one\n"); }, {"one", ""}},
        {"Add of nothing adds an empty line", {"a"}, [](auto& l) { l.Add(""); }, {"a", ""}},
        {"Insert splits at CR", {"z"}, [](auto& l) { l.Insert(0, "one\rtwo"); }, {"one", "two", "z"}},
        {"Insert splits at LF", {"z"}, [](auto& l) { l.Insert(1, "one\ntwo"); }, {"z", "one", "two"}},
        {"Delete past the end", {"a", "b"}, [](auto& l) { l.Delete(2); }, {"a", "b"}},
        {"Delete before the start", {"a", "b"}, [](auto& l) { l.Delete(-1); }, {"a", "b"}},
        {"Delete of the only line empties it", {"a"}, [](auto& l) { l.Delete(0); }, {""}},
        {"Delete", {"a", "bbb", "c"}, [](auto& l) { l.Delete(1); }, {"a", "c"}},
        {"Exchange", {"a", "bbb"}, [](auto& l) { l.Exchange(0, 1); }, {"bbb", "a"}},
        {"Move", {"a", "bbb", "cc"}, [](auto& l) { l.Move(0, 2); }, {"bbb", "cc", "a"}},
        {"Clear", {"a", "b"}, [](auto& l) { l.Clear(); }, {}},
        {"code points count as one column",
         {},
         [](auto& l) { l.Add("\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80"); },
         {"\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80"}},
    };
    for (const StoreCase& c : cases) {
        SCOPED_TRACE(c.name);
        Store().Clear();
        for (const std::string& line : c.before)
            Store().Add(line);
        c.change(Store());
        EXPECT_EQ(Lines(), c.after);
        ExpectStoreConsistent(Store());
    }
}

TEST_F(MemoStrings, PutPastTheEndRaisesAndChangesNothing)
{
    SetLines({"a", "bb"});
    EXPECT_THROW(Store().Put(2, "a much longer line"), EListError);
    EXPECT_THROW(Store().Put(-1, "x"), EListError);
    ExpectStoreConsistent(Store());
    EXPECT_EQ(memo->MaxLength(), 2);
    Store().Add("ccc");
    EXPECT_EQ(memo->MaxLength(), 3);
}

TEST_F(MemoStrings, RealCountCountsAnEmptyTextAsNoLines)
{
    Store().Clear();
    EXPECT_EQ(Store().RealCount(), 0);
    Store().Add("");
    EXPECT_EQ(Store().RealCount(), 0);
    Store().Put(0, "x");
    EXPECT_EQ(Store().RealCount(), 1);
    SetLines({"", ""});
    EXPECT_EQ(Store().RealCount(), 2);
}

TEST_F(MemoStrings, ObjectsLiveInsideTheLineProperties)
{
    Store().Clear();
    TObject x, y;
    const int index = Store().AddObject("line", &x);
    EXPECT_EQ(Store().GetObject(index), &x);
    memo->SetModifiedStateInt(index, lmModified);
    Store().PutObject(index, &y);
    EXPECT_EQ(Store().GetObject(index), &y);
    EXPECT_EQ(memo->GetModifiedStateInt(index), lmModified);
    EXPECT_EQ(Store().GetObject(-1), nullptr);
    EXPECT_EQ(Store().GetObject(Store().Count()), nullptr);
    Store().PutObject(Store().Count(), &y); // ignored
}

TEST_F(MemoStrings, InsertedLinesMoveTheBookmarksBelowThem)
{
    SetLines({"0", "1", "2", "3", "4"});
    memo->BookmarkList()->SetInteger(0, 3);
    memo->BookmarkList()->SetInteger(1, 2);
    Store().DoInsert(3, "new");
    EXPECT_EQ(memo->BookmarkList()->GetInteger(0), 4);
    EXPECT_EQ(memo->BookmarkList()->GetInteger(1), 2);
    EXPECT_THROW(Store().DoInsert(Store().Count() + 1, "x"), EListError);
    EXPECT_THROW(Store().Insert(-1, "x"), EListError);
    ExpectStoreConsistent(Store());
}

TEST_F(MemoStrings, DeleteKeepsTheCaretOnItsLine)
{
    SetLines({"0", "1", "2", "3", "4"});
    memo->SetCurY(4);
    memo->SetCurX(1);
    Store().Delete(2);
    EXPECT_EQ(Caret(), std::make_pair(1, 3));
    SetLines({"only"});
    memo->SetCurX(3);
    Store().Delete(0);
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
}

TEST_F(MemoStrings, ClearEmptiesTheStoreTheSelectionAndTheUndoHistory)
{
    SetLines({"abc", "def"});
    memo->SetCurY(1);
    memo->InsertChar(U'x');
    ASSERT_TRUE(memo->CanUndo());
    Store().Clear();
    EXPECT_EQ(Store().Count(), 0);
    EXPECT_EQ(Caret(), std::make_pair(0, 0));
    EXPECT_EQ(memo->SelStartY(), 0);
    EXPECT_FALSE(memo->CanUndo());
    ExpectStoreConsistent(Store());
}

// The properties go to the caller, who may attach them to lines again: the store frees none of them.
TEST_F(MemoStrings, ClearStringsHandsTheLinePropertiesToTheCaller)
{
    SetLines({"abc", "def"});
    TLineProp* prop = Store().LineProp(1);
    prop->BreakPoint = true;
    std::vector<std::unique_ptr<TLineProp>> props = Store().ClearStrings();
    EXPECT_EQ(Store().Count(), 0);
    EXPECT_EQ(Store().LinesProp().Count(), 0);
    const auto handed =
        std::find_if(props.begin(), props.end(), [&](const auto& p) { return p.get() == prop; });
    ASSERT_NE(handed, props.end());
    Store().Add("ghi");
    Store().PutLineObject(0, handed->release());
    Store().AddLineProp(prop);
    EXPECT_TRUE(Store().GetLineProp(0)->BreakPoint);
}

TEST_F(MemoStrings, AStoreWithoutAMemoIsAPlainList)
{
    TVezMemoStrings store;
    TStringList source;
    source.Add("one\ttab");
    source.Add("two");
    store.AddStrings(source);
    EXPECT_EQ(store.Count(), 0);
    store.Assign(&source);
    EXPECT_EQ(LinesOf(store), (std::vector<std::string>{"one\ttab", "two"}));
    EXPECT_NE(store.GetLineProp(0), nullptr);
    ExpectStoreConsistent(store);
}

TEST_F(MemoStrings, SaveToFileTrimsTrailingBlanksInTheStoreToo)
{
    SetLines({"a  ", "b\x01", "c"});
    memo->SetModifiedStateInt(0, lmModified);
    const std::string path = TempFile("trim.txt");
    Store().SaveToFile(path);
    EXPECT_EQ(ReadFile(path), "a\r\nb\r\nc\r\n");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(memo->GetModifiedStateInt(0), lmSaved);
}

TEST_F(MemoStrings, SaveWithAnEncodingWritesTheAuthorsLinesAndLeavesTheStore)
{
    memo->SetWordWrap(wwRightMargin);
    memo->SetRightMargin(10);
    SetLines({"aaa bbb ccc ddd  ", "x"});
    ASSERT_EQ(Store().Count(), 3);
    const std::string path = TempFile("utf8.txt");
    Store().SaveToFile(path, TTextEncoding::UTF8);
    EXPECT_EQ(ReadFile(path), "\xEF\xBB\xBF"
                              "aaa bbb ccc ddd  \r\nx\r\n");
    TMemoryStream stream;
    Store().SaveToStream(stream);
    std::string bytes(static_cast<size_t>(stream.Size()), '\0');
    stream.SetPosition(0);
    stream.ReadBuffer(bytes.data(), stream.Size());
    EXPECT_EQ(bytes, "aaa bbb ccc ddd  \r\nx\r\n");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"aaa bbb ", "ccc ddd  ", "x"}));
}

TEST_F(MemoStrings, LoadingFindsTheEncodingAndSavingKeepsIt)
{
    const std::string withMark = TempFile("mark.txt");
    std::ofstream(withMark, std::ios::binary) << "\xEF\xBB\xBF"
                                                 "\xC3\xA4\tx\r\nline\n";
    memo->SetModifiedStateInt(0, lmModified);
    Store().LoadFromFile(withMark);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"\xC3\xA4    x", "line"}));
    EXPECT_EQ(Store().Encoding(), TTextEncoding::UTF8);
    EXPECT_EQ(memo->GetModifiedStateInt(0), lmUnmodified);
    Store().SaveToFile(withMark);
    EXPECT_EQ(ReadFile(withMark), "\xEF\xBB\xBF"
                                  "\xC3\xA4    x\r\nline\r\n");

    const std::string latin = TempFile("latin.txt");
    std::ofstream(latin, std::ios::binary) << "caf\xE9\r\n";
    Store().LoadFromFile(latin);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"caf\xC3\xA9"}));
    EXPECT_EQ(Store().Encoding(), TTextEncoding::Default);
    ExpectStoreConsistent(Store());
}

TEST_F(MemoStrings, AFailedLoadLeavesTheMemoWorking)
{
    memo->SetWordWrap(wwRightMargin);
    memo->SetRightMargin(10);
    SetLines({"kept"});
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    EXPECT_THROW(Store().LoadFromFile(TempFile("missing/none.txt")), EFOpenError);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"kept"}));
    Store().Add("aaa bbb ccc ddd");
    EXPECT_GT(changes, 0);
    EXPECT_EQ(AuthorLines(*memo), (std::vector<std::string>{"kept", "aaa bbb ccc ddd"}));
    EXPECT_EQ(Store().Count(), 3); // the new line was wrapped
}

TEST_F(MemoStrings, AFailedSaveLeavesTheRowsWrappedAndTheMemoWorking)
{
    memo->SetWordWrap(wwRightMargin);
    memo->SetRightMargin(10);
    SetLines({"aaa bbb ccc ddd"});
    ASSERT_EQ(Store().Count(), 2);
    int changes = 0;
    memo->OnChange = [&](TObject*) { ++changes; };
    EXPECT_THROW(Store().SaveToFile(TempFile("missing/none.txt")), EFCreateError);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"aaa bbb ", "ccc ddd"}));
    Store().Add("x");
    EXPECT_GT(changes, 0);
}
