#include "controls/memo/line_tokenizer.h"
#include "controls/memo/memo_styler.h"
#include "support/utf8.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

// A run as the tokeniser hands it on: its text and what kind of token it is.
struct TRun
{
    std::string Text;
    std::string Kind; // "comment", "string", "number", "symbol", "keyword", "url", "highlight" or "plain"
    bool operator==(const TRun&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TRun& run)
{
    return out << "{\"" << run.Text << "\", " << run.Kind << "}";
}

std::string KindOf(const TStyle& style)
{
    if (style.isHighlight)
        return "highlight";
    if (style.isURL)
        return "url";
    if (style.isComment > 0)
        return "comment";
    if (style.isBracket)
        return "string";
    if (style.isnumber)
        return "number";
    if (style.iskeyWord)
        return "keyword";
    if (style.isdelimiter)
        return "symbol";
    return "plain";
}

class TRecordedRuns : public TRunSink
{
public:
    void EmitRun(const TLineText& text, const TStyle& style) override
    {
        Runs.push_back({Utf32ToUtf8(text), KindOf(style)});
    }
    std::vector<TRun> Runs;
};

// A styler of a small language: keywords, two string brackets, symbols, "{ }" and "(* *)" comments, "//".
class LineTokenizer : public testing::Test
{
protected:
    void SetUp() override
    {
        styler = std::make_unique<TVezCustomMemoStyler>(nullptr);
        styler->SetLineComment("//");
        styler->SetMultiCommentLeft("{");
        styler->SetMultiCommentRight("}");
        TElementStyles& elements = *styler->AllStyles();
        TElementStyle* keywords = elements.Add();
        keywords->SetStyleType(stKeyword);
        for (const char* word : {"error", "stream", "#0:1", "audio:"})
            keywords->KeyWords()->Add(word);
        for (const char32_t quote : {U'"', U'\''}) {
            TElementStyle* string = elements.Add();
            string->SetStyleType(stBracket);
            string->SetBracketStart(quote);
            string->SetBracketEnd(quote);
        }
        elements.Add()->SetStyleType(stSymbol);
        elements.GetItem(3)->SetSymbols(" ,;.()[]=+*/<>");
    }

    TTokenizerSettings Settings()
    {
        TTokenizerSettings settings;
        CollectStylerSettings(settings, styler.get(), true, false);
        settings.UrlAware = urlAware;
        settings.UrlDelimiters = U" ";
        settings.Highlight = Utf8ToUtf32(highlight);
        settings.HighlightCaseSensitive = false;
        settings.IsUrl = [](const TLineText& run) {
            const std::string s = Utf32ToUtf8(run);
            return s.starts_with("ftp://") || s.starts_with("http://");
        };
        settings.IsDelimiter = [](char32_t ch) { return ch == U' ' || ch == U',' || ch == U';' || ch == 0; };
        return settings;
    }

    // The runs of the lines, the state carried from one to the next.
    std::vector<std::vector<TRun>> Runs(const std::vector<std::string>& lines)
    {
        const TTokenizerSettings settings = Settings();
        TRecordedRuns sink;
        TLineTokenizer tokenizer(settings, sink);
        TStyle style;
        std::vector<std::vector<TRun>> result;
        for (const std::string& line : lines) {
            sink.Runs.clear();
            tokenizer.Line(Utf8ToUtf32(line), style);
            result.push_back(sink.Runs);
        }
        return result;
    }

    std::unique_ptr<TVezCustomMemoStyler> styler;
    bool urlAware = false;
    std::string highlight;
};

} // namespace

TEST_F(LineTokenizer, CutsLinesIntoRunsOfOneKind)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> lines;
        std::vector<std::vector<TRun>> runs;
    };
    const Case cases[] = {
        {"a comment pair left open colours the next line up to its closer",
         {"a { b", "c } d"},
         {{{"a", "plain"}, {" ", "symbol"}, {"{ b", "comment"}},
          {{"c }", "comment"}, {" ", "symbol"}, {"d", "plain"}}}},
        {"a line comment ends with its line",
         {"x // y", "z"},
         {{{"x", "plain"}, {" ", "symbol"}, {"// y", "comment"}}, {{"z", "plain"}}}},
        {"slashes inside a string are the string's",
         {"\"a//b\" c"},
         {{{"\"a//b\"", "string"}, {" ", "symbol"}, {"c", "plain"}}}},
        {"a string stays open into the next line",
         {"'open", "still' x"},
         {{{"'open", "string"}}, {{"still'", "string"}, {" ", "symbol"}, {"x", "plain"}}}},
        {"keywords match trimmed and lower-cased, as written",
         {"Error # 1, Stream #0:1(eng) Audio: x"},
         {{{"Error", "keyword"},
           {" ", "symbol"},
           {"#", "plain"},
           {" ", "symbol"},
           {"1", "number"},
           {", ", "symbol"},
           {"Stream", "keyword"},
           {" ", "symbol"},
           {"#0:1", "keyword"},
           {"(", "symbol"},
           {"eng", "plain"},
           {") ", "symbol"},
           {"Audio:", "keyword"},
           {" ", "symbol"},
           {"x", "plain"}}}},
        {"a word ends only at a blank, a semicolon or a symbol",
         {"#0:10 xerror"},
         {{{"#0:10", "plain"}, {" ", "symbol"}, {"xerror", "plain"}}}},
        {"numbers with a sign, one full stop, and a second one ending the number",
         {"1.25 -5 1.2.3"},
         {{{"1.25", "number"},
           {" ", "symbol"},
           {"-5", "number"},
           {" ", "symbol"},
           {"1", "number"},
           {".", "symbol"},
           {"2.3", "number"}}}},
        {"an exponent with a sign makes two numbers drawn as one run", {"1E+5"}, {{{"1E+5", "number"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Runs(c.lines), c.runs);
    }
}

TEST_F(LineTokenizer, HexadecimalNumbersStartOnlyAtAWordStart)
{
    styler->SetHexIdentifier("$");
    styler->SetNumericChars("0123456789");
    EXPECT_EQ(Runs({"$1F x$1F"}).front(),
              (std::vector<TRun>{{"$1F", "number"}, {" ", "symbol"}, {"x$1F", "plain"}}));
    EXPECT_EQ(Runs({"1E+5"}).front(), (std::vector<TRun>{{"1E", "number"}, {"+5", "plain"}}));
}

TEST_F(LineTokenizer, EscapedQuotesAndBracketsClosedByADelimiter)
{
    styler->SetEscapeChar("\\");
    EXPECT_EQ(Runs({"\"a\\\"b\" c"}).front(),
              (std::vector<TRun>{{"\"a\\\"b\"", "string"}, {" ", "symbol"}, {"c", "plain"}}));
    EXPECT_EQ(Runs({"\"a\\\\\" c"}).front(),
              (std::vector<TRun>{{"\"a\\\\\"", "string"}, {" ", "symbol"}, {"c", "plain"}}));
    // A string without a closing character ends before the first delimiter.
    styler->AllStyles()->GetItem(1)->SetBracketEnd(0);
    EXPECT_EQ(Runs({"\"abc def"}).front(),
              (std::vector<TRun>{{"\"abc", "string"}, {" ", "symbol"}, {"def", "plain"}}));
}

TEST_F(LineTokenizer, AKeywordPrefixHoldsKeywordsBackUntilItIsSeen)
{
    styler->SetKeyWordPrefix("#");
    EXPECT_EQ(Runs({"error"}).front(), (std::vector<TRun>{{"error", "plain"}}));
    EXPECT_EQ(Runs({"#0:1"}).front(), (std::vector<TRun>{{"#0:1", "keyword"}}));
}

TEST_F(LineTokenizer, HighlightMatchesAndUrlRunsAreRunsOfTheirOwn)
{
    highlight = "err";
    EXPECT_EQ(
        Runs({"ERROR Err"}).front(),
        (std::vector<TRun>{{"ERR", "highlight"}, {"OR", "plain"}, {" ", "symbol"}, {"Err", "highlight"}}));
    highlight.clear();
    urlAware = true;
    EXPECT_EQ(
        Runs({"see ftp://srv now"}).front(),
        (std::vector<TRun>{
            {"see", "plain"}, {" ", "symbol"}, {"ftp://srv", "url"}, {" ", "symbol"}, {"now", "plain"}}));
}

TEST_F(LineTokenizer, AnElementCommentNeedsItsOwnCloser)
{
    TElementStyle* comment = styler->AllStyles()->Add();
    comment->SetStyleType(stComment);
    comment->SetCommentLeft("(*");
    comment->SetCommentRight("*)");
    EXPECT_EQ(
        Runs({"a (* b } c *) d"}).front(),
        (std::vector<TRun>{
            {"a", "plain"}, {" ", "symbol"}, {"(* b } c *)", "comment"}, {" ", "symbol"}, {"d", "plain"}}));
}

// Whatever the text, the runs give the line back whole and in order.
TEST_F(LineTokenizer, RunsJoinToTheLineForAnyText)
{
    std::mt19937 random(5);
    const std::u32string alphabet = U"ab1.+-$E{}/*'\"\\ ;(#:é";
    styler->SetEscapeChar("\\");
    styler->SetHexIdentifier("$");
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> lines;
        for (int l = 0; l < 4; ++l) {
            std::u32string line;
            for (int i = static_cast<int>(random() % 30); i > 0; --i)
                line += alphabet[random() % alphabet.size()];
            lines.push_back(Utf32ToUtf8(line));
        }
        urlAware = round % 2 == 0;
        const std::vector<std::vector<TRun>> runs = Runs(lines);
        for (size_t l = 0; l < lines.size(); ++l) {
            std::string joined;
            for (const TRun& run : runs[l])
                joined += run.Text;
            ASSERT_EQ(joined, lines[l]) << "round " << round;
        }
    }
}
