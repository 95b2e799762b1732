#include "export_checks.h"
#include "memo_test_support.h"

#include "controls/memo/memo_html.h"
#include "platform/gui/graphics/colors.h"

#include <cstdio>

namespace {

class MemoHtmlExport : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        memo->SetUseStyler(false);
    }
    std::vector<std::string> Html() const { return LinesOf(*memo->Html()); }
};

const std::string Span = "<FONT style=\"background-color: #FFFFFF;color:#000000;\">";

} // namespace

TEST_F(MemoHtmlExport, WritesADocumentOfSpansOneLinePerLine)
{
    SetLines({"a<b", "", "c"});
    memo->BuildHTML(false, -1, -1, false);
    EXPECT_EQ(Html(), (std::vector<std::string>{
                          "<HTML>",
                          "<BODY bgColor=\"#FFFFFF\" LINK=\"#0000FF\" VLINK=\"#0000FF\" ALINK=\"#0000FF\">",
                          "<PRE>",
                          "<FONT style=\"font-family:DejaVu Sans Mono;\">",
                          Span + "a&lt;b",
                          "",
                          "c",
                          "</FONT>",
                          "</FONT>",
                          "</PRE>",
                          "</BODY>",
                          "</HTML>",
                      }));
    memo->BuildHTML(true, 2, 0, true); // a fragment, the range in either order, the font's size
    EXPECT_EQ(Html(), (std::vector<std::string>{
                          "<PRE>", "<FONT style=\"font-family:DejaVu Sans Mono; font-size:10pt\">",
                          Span + "a&lt;b", "", "c", "</FONT>", "</FONT>", "</PRE>"}));
    memo->Lines()->Clear(); // no line at all: the frame only
    memo->BuildHTML(false, -1, -1, true);
    EXPECT_EQ(Html(), (std::vector<std::string>{"<PRE>", "<FONT style=\"font-family:DejaVu Sans Mono;\">",
                                                "</FONT>", "</PRE>"}));
}

TEST_F(MemoHtmlExport, EscapesTextAndLinksOnlyWebAndMailAddresses)
{
    struct Case
    {
        std::string line;
        std::string html;
    };
    const Case cases[] = {
        {"<b> & \"q\" 'x'", "&lt;b&gt; &amp; &quot;q&quot; 'x'"},
        {"http://x/?a=1&b=\"2\">",
         "<a href=\"http://x/?a=1&amp;b=&quot;2&quot;&gt;\">http://x/?a=1&amp;b=&quot;2&quot;&gt;</a>"},
        {"mailto:me@x.org", "<a href=\"mailto:me@x.org\">mailto:me@x.org</a>"},
        {"www.x.org", "<a href=\"http://www.x.org\">www.x.org</a>"},
        {"file:///etc/passwd", "file:///etc/passwd"},
        {"ftp://srv/a", "ftp://srv/a"},
    };
    const TCharStyle plainLinks(clBlack, clNone, {});
    memo->SetUrlStyle(&plainLinks);
    for (const Case& c : cases) {
        SetLines({c.line});
        memo->BuildHTML(false, -1, -1, true);
        ASSERT_EQ(memo->Html()->Count(), 6);
        EXPECT_EQ(memo->Html()->Get(2), Span + c.html) << c.line;
        EXPECT_EQ(HtmlProblem(memo->Html()->Text()), "") << c.line;
    }
}

TEST_F(MemoHtmlExport, StylesAreCssAndColoursResolve)
{
    EXPECT_EQ(FontStyleToCSS({fsBold, fsUnderline}), "font-weight:bold;text-decoration:underline;");
    EXPECT_EQ(FontStyleToCSS({fsItalic}), "font-style:italic;");
    EXPECT_EQ(FontStyleToCSS({fsStrikeOut}), "");
    EXPECT_EQ(ColorToHTML(0xF0A302), "#02A3F0");
    char resolved[8];
    const TColor highlight = ColorToRGB(clHighlight);
    std::snprintf(resolved, sizeof resolved, "#%02X%02X%02X", GetRValue(highlight), GetGValue(highlight),
                  GetBValue(highlight));
    EXPECT_EQ(ColorToHTML(clHighlight), resolved);
}

// The export reads the author's lines: a wrapped line is one line, a comment carries from line to line, and
// the memo is left as it was.
TEST_F(MemoHtmlExport, ExportsAuthorsLinesAndChangesNothing)
{
    auto* styler = new TVezPascalMemoStyler(form);
    SetUpEncoderLogStyler(*styler);
    memo->SetSyntaxStyles(styler);
    SetLines({"a { open", "still comment } b", std::string(40, 'w') + " " + std::string(40, 'v')});
    memo->SetRightMargin(20);
    memo->SetWordWrap(wwRightMargin);
    memo->SetCurY(3);
    memo->SetCurX(2);
    int changes = 0;
    memo->OnChange = [&changes](TObject*) { ++changes; };
    const std::vector<std::string> rows = Lines();
    const std::pair<int, int> caret = Caret();
    memo->BuildHTML(true, -1, -1, false);
    EXPECT_EQ(Lines(), rows);
    EXPECT_EQ(Caret(), caret);
    EXPECT_EQ(memo->WordWrap(), wwRightMargin);
    EXPECT_EQ(changes, 0);
    const std::vector<std::string> html = Html();
    ASSERT_EQ(html.size(), 12u);
    const std::string comment = "<FONT style=\"background-color: #353535;color:#8F8F8F;\">";
    EXPECT_NE(html[4].find(comment + "{ open"), std::string::npos) << html[4];
    EXPECT_EQ(html[5], "still comment }</FONT>" + html[5].substr(html[5].find("</FONT>") + 7));
    EXPECT_NE(html[6].find(std::string(40, 'w') + "</FONT>"), std::string::npos) << html[6];
    EXPECT_EQ(HtmlProblem(memo->Html()->Text()), "");
}

TEST_F(MemoHtmlExport, SavesUtf8WithItsMarkAndCrLfOrAnswersFalse)
{
    SetLines({"\xC3\xA4"});
    const std::string path = testing::TempDir() + "memo_export.html";
    std::remove(path.c_str());
    ASSERT_TRUE(memo->SaveToHTML(path, true));
    const std::string bytes = ReadFile(path);
    EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBF<HTML>\r\n"));
    EXPECT_TRUE(bytes.ends_with("</BODY>\r\n</HTML>\r\n"));
    EXPECT_NE(bytes.find("\xC3\xA4\r\n"), std::string::npos);
    EXPECT_FALSE(memo->SaveToHTML(testing::TempDir() + "no such folder/x.html", true));
    EXPECT_EQ(memo->Html()->Get(0), "<HTML>"); // the text stays built
    // A failure while the HTML is made answers false too, and leaves the memo as it was.
    memo->OnIsURL = [](TObject*, const std::string&, bool&) { throw std::runtime_error("no"); };
    EXPECT_FALSE(memo->SaveToHTML(path, true));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"\xC3\xA4"}));
}
