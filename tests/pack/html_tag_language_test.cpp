#include "controls/pack/html_entities.h"
#include "controls/pack/html_tag_colors.h"
#include "controls/pack/html_tag_language.h"
#include "support/markup_escape.h"

#include <gtest/gtest.h>

namespace {

// The tokens in short: "word", " ", "<?>", and tags as "kind:value" or "/kind", with the text of tags
// that keep one.
std::vector<std::string> Tokens(const std::string& text)
{
    static const char* names[] = {"?",  "B",  "I",  "U",  "S",   "FN",  "FS",  "FC",  "BC",  "T",
                                  "TF", "sp", "BR", "tx", "A",   "L",   "C",   "R",   "HR",  "H1",
                                  "H2", "H3", "LC", "LI", "LI2", "IMG", "BBC", "SUB", "SUP", "LN"};
    TListToken list;
    ScanMarkupText(text, list);
    std::vector<std::string> shown;
    for (int i = 0; i < list.Count(); ++i) {
        const TToken& t = list.Items(i);
        if (t.Kind == ttText || t.Kind == ttSpace)
            shown.push_back(t.Text);
        else if (t.Kind == ttInvalid)
            shown.push_back("<?>");
        else
            shown.push_back((t.TagClose ? "/" : "") + std::string(names[t.Kind]) +
                            (t.Value ? ":" + std::to_string(t.Value) : "") +
                            (t.Text.empty() ? "" : "=" + t.Text));
    }
    return shown;
}

using List = std::vector<std::string>;

} // namespace

TEST(TagLanguage, TokensAsTheTableSays)
{
    const struct
    {
        std::string text;
        List tokens;
    } cases[] = {
        {"a<b", {"a", "<?>", "b"}},
        {"a>b", {"a", "<?>", "b"}},
        {"x/y\\z", {"x", "/", "y", "\\", "z"}},
        {"one  two", {"one", " ", " ", "two"}},
        {"a\r\nb\n", {"a", "BR", "b\n"}},
        {"<fs:14>big</FS>", {"FS:14", "big", "/FS"}},
        {"<a:https://example.org/x:y>site</a>", {"A=https://example.org/x:y", "site", "/A"}},
        {"<a>t</a>", {"A", "t", "/A"}},
        {"<a:>", {"<?>"}},
        {"<img:>", {"<?>"}},
        {"<img>", {"IMG"}},
        {"</img>", {"/IMG"}},
        {"<>", {"<?>"}},
        {"<:x>", {"<?>"}},
        {"<b:1>", {"<?>"}},
        {"</br>", {"<?>"}},
        {"</t>", {"<?>"}},
        {"</lc>", {"<?>"}},
        {"</bbc>", {"<?>"}},
        {"</b:x>", {"<?>"}},
        {"<fs:0>", {"<?>"}},
        {"<fs:ab>", {"<?>"}},
        {"<fn>", {"<?>"}},
        {"<t>", {"<?>"}},
        {"<fn:DejaVu Sans>", {"FN=DejaVu Sans"}},
        {"<h1:anything><sub:x>", {"H1", "SUB"}},
        {"</hr><hr:-20>", {"/HR", "HR:-20"}},
        {"</li><li:*>", {"/LI", "LI=*"}},
        {"</ln><ln><ln:#FF0000>", {"/LN", "LN", "LN:255"}},
        {"<ln:nothing>", {"<?>"}},
        {"<bbc:#FDF4B7>", {"BBC:" + std::to_string(0x00B7F4FD)}},
        {"<unknown>", {"<?>"}},
        {"&copy;2024 &COPY;", {"\u00A92024", " ", "&COPY;"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Tokens(c.text), c.tokens) << c.text;
}

TEST(TagLanguage, ColoursInThreeWritings)
{
    const struct
    {
        std::string text;
        TColor color;
    } cases[] = {
        {"#F00", 0x000000FF},       {"#FDF4B7", 0x00B7F4FD},
        {"# fd f4 b7", 0x00B7F4FD}, {"#F0", clNone},
        {"#GG0000", clNone},        {"rgb(0,128,255)", 0x00FF8000},
        {"RGB(128)", 0x00808080},   {"0 128 255", 0x00FF8000},
        {"0,128,255", 0x00FF8000},  {"rgb(0, 128, 255)", clNone},
        {"rgb(256,0,0)", clNone},   {"128", 0x00000080},
        {"clBlue", 0x00FF0000},     {"CLBTNFACE", 0xFF00000F},
        {"clNone", clNone},         {"$FF0000", 0x00FF0000},
        {"nothing", clNone},        {"", clNone},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseTagColor(c.text), c.color) << c.text;
}

TEST(TagLanguage, EntitiesAreDecodedOnceFromLeftToRight)
{
    EXPECT_EQ(DecodeEntities("&lt;&gt;&amp;&euro;&Omega;&SmallCircle;&unknown;"),
              "<>&\u20AC\u03A9\u2218&unknown;");
    EXPECT_EQ(DecodeEntities("&amp;copy;"), "&copy;") << "a result is never read again";
    EXPECT_EQ(DecodeEntities("&amp;lt;"), "&lt;");
    EXPECT_EQ(DecodeEntities("&&amp;;"), "&&;");
}

TEST(TagLanguage, EscapedTextShowsAsWritten)
{
    for (const std::string value :
         {"Tom & Jerry <b>", "&copy; &amp;lt; a/b\\c", "C:\\Videos\\<new>", "x  y"}) {
        TListToken list;
        ScanMarkupText(EscapeTagText(value), list);
        std::string shown;
        for (int i = 0; i < list.Count(); ++i) {
            ASSERT_TRUE(list.Items(i).Kind == ttText || list.Items(i).Kind == ttSpace) << value;
            shown += list.Items(i).Text;
        }
        EXPECT_EQ(shown, value);
    }
    EXPECT_EQ(EscapeTagText("line\r\nbreak"), "line  break") << "no break from a value";
}

TEST(TagLanguage, ALinksTextIsWhatItEncloses)
{
    TListToken list;
    ScanMarkupText("<a:x>Tom &amp; <b>Jerry</b></a> after", list);
    int end = 0;
    while (!(list.Items(end).Kind == ttLink && list.Items(end).TagClose))
        ++end;
    EXPECT_EQ(list.GetLinkText(end), "Tom & Jerry");
}
