#include "memo_test_support.h"

#include "support/utf8.h"

#include <random>

namespace {

class MemoLineStates : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        styler = new TVezPascalMemoStyler(form);
        SetUpEncoderLogStyler(*styler);
        memo->SetSyntaxStyles(styler);
    }

    // The state each line starts in, rendering the lines one after the other from the first.
    std::vector<TStyle> SequentialStates()
    {
        std::vector<TStyle> states;
        TStyle style;
        style.index = style.ctype = -1;
        for (int line = 0; line < memo->Lines()->Count(); ++line) {
            states.push_back(style);
            memo->RenderLine(memo->Canvas(), line, style, 5, TRect(), -1);
        }
        return states;
    }

    std::string RandomLine(std::mt19937& random)
    {
        static const std::vector<std::string> pieces = {"a",   " ",        "{",   "}",     "'", "\"", "//",
                                                        "b c", "http://x", "1.5", "Error", ";", "(",  "é"};
        std::string line;
        for (int i = static_cast<int>(random() % 8); i > 0; --i)
            line += pieces[random() % pieces.size()];
        return line;
    }

    TVezPascalMemoStyler* styler = nullptr;
};

bool SameOpenState(const TStyle& a, const TStyle& b)
{
    return a.isComment == b.isComment && a.isBracket == b.isBracket && a.StartBracket == b.StartBracket &&
           a.EndBracket == b.EndBracket;
}

} // namespace

// Whatever was cached before and whatever changed since, a line starts in the state that rendering every
// line from the first one carries to it.
TEST_F(MemoLineStates, TheStateAtALineIsTheOneASequentialRenderReaches)
{
    std::mt19937 random(3);
    for (int round = 0; round < 30; ++round) {
        std::vector<std::string> lines;
        for (int i = 0; i < 40; ++i)
            lines.push_back(RandomLine(random));
        SetLines(lines);
        for (int step = 0; step < 40; ++step) {
            TVezMemoStrings& store = *memo->Lines();
            const int line = static_cast<int>(random() % static_cast<unsigned>(store.Count()));
            switch (random() % 7) {
            case 0:
                store.Put(line, RandomLine(random));
                break;
            case 1:
                store.Insert(line, RandomLine(random));
                break;
            case 2:
                if (store.Count() > 1)
                    store.Delete(line);
                break;
            case 3:
                memo->ClearCachedStyles(line, line + static_cast<int>(random() % 10));
                break;
            case 4:
                memo->SetHighlightText(random() % 2 ? "a" : "");
                break;
            case 5:
                // Word wrap breaks lines into rows, and joins them again.
                memo->SetRightMargin(6);
                memo->SetWordWrap(memo->WordWrap() == wwNone ? wwRightMargin : wwNone);
                break;
            default: {
                TStyle style;
                memo->GetStyleAtLine(style, line);
                const std::vector<TStyle> expected = SequentialStates();
                ASSERT_TRUE(SameOpenState(style, expected[static_cast<size_t>(line)]))
                    << "round " << round << " step " << step << " line " << line;
            }
            }
        }
        const std::vector<TStyle> expected = SequentialStates();
        for (int line = memo->Lines()->Count() - 1; line >= 0; line -= 3) {
            TStyle style;
            memo->GetStyleAtLine(style, line);
            ASSERT_TRUE(SameOpenState(style, expected[static_cast<size_t>(line)])) << "round " << round;
        }
    }
}

// A line that opens a comment changes the states below it; closing it again brings them back.
TEST_F(MemoLineStates, ACommentOpenedAboveReachesTheLinesBelow)
{
    SetLines({"a", "b", "c", "d"});
    TStyle style;
    memo->GetStyleAtLine(style, 3);
    EXPECT_EQ(style.isComment, 0);
    memo->Lines()->Put(1, "b {");
    memo->GetStyleAtLine(style, 3);
    EXPECT_EQ(style.isComment, 1);
    memo->Lines()->Put(2, "} c");
    memo->GetStyleAtLine(style, 3);
    EXPECT_EQ(style.isComment, 0);
}
