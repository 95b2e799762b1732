#include "controls/edits/markup_colors.h"
#include "controls/edits/markup_tags.h"
#include "controls/edits/markup_text.h"
#include "support/system_colors.h"
#include "support/utf8.h"

#include <gtest/gtest.h>

namespace {

using Kind = TMarkupTagKind;

std::string Utf8(std::u32string_view text)
{
    return Utf32ToUtf8(text);
}

// What the text drawing shows of a prepared markup without tags: its runs as drawn, joined, "&&" as one "&"
// and a lone "&" left out while prefix handling is on.
std::string Shown(const std::string& markup)
{
    const TPreparedMarkup prepared = PrepareMarkup(markup, true);
    std::u32string_view rest = prepared.Text;
    std::string drawn;
    while (!rest.empty()) {
        if (rest.front() == U'<') {
            rest.remove_prefix(ReadTag(rest).Length);
            continue;
        }
        const TMarkupRun run = NextRun(rest, true);
        drawn += DrawnRunText(run.Text, prepared.PrefixHandling);
        rest.remove_prefix(run.SourceLength);
    }
    if (!prepared.PrefixHandling)
        return drawn;
    const std::u32string runs = Utf8ToUtf32(drawn);
    std::u32string shown;
    for (size_t i = 0; i < runs.size(); ++i) {
        if (runs[i] == U'&' && i + 1 < runs.size())
            ++i;
        else if (runs[i] == U'&')
            continue;
        shown += runs[i];
    }
    return Utf8(shown);
}

TEST(MarkupTags, RecognisedByTheirFirstLetters)
{
    const struct
    {
        std::u32string tag;
        Kind kind;
        std::u32string text;
    } cases[] = {
        {U"<b>", Kind::Bold, U""},
        {U"<B >", Kind::Ignored, U""},
        {U"<BI>", Kind::Ignored, U""},
        {U"<bo bgcolor=\"#FF0000\">", Kind::Body, U" bgcolor=\"#FF0000\""},
        {U"<br>", Kind::LineBreak, U""},
        {U"<BLINK>", Kind::Blink, U"INK"},
        {U"<a href=\"x\">", Kind::Anchor, U" href=\"x\""},
        {U"<Aside>", Kind::Anchor, U"side"},
        {U"<font color=\"#FF0000\">", Kind::Font, U" color=\"#FF0000\""},
        {U"<hi>", Kind::Highlight, U""},
        {U"<hr color=\"clred\">", Kind::Rule, U" color=\"clred\""},
        {U"<hx>", Kind::Ignored, U""},
        {U"<i>", Kind::Italic, U""},
        {U"<ind x=\"20\">", Kind::Indent, U"d x=\"20\""},
        {U"<img src=\"a\">", Kind::Image, U"g src=\"a\""},
        {U"<li>", Kind::ListItem, U"i"},
        {U"<ol>", Kind::OrderedList, U""},
        {U"<ofs x=\"4\">", Kind::Offset, U"s x=\"4\""},
        {U"<p align=\"right\">", Kind::Paragraph, U" align=\"right\""},
        {U"<r a=\"90\">", Kind::Rotation, U" a=\"90\""},
        {U"<s>", Kind::StrikeOut, U""},
        {U"<strong>", Kind::Bold, U"ng"},
        {U"<strike>", Kind::StrikeOut, U"ke"},
        {U"<shad>", Kind::Shadow, U"ad"},
        {U"<span style=\"x\">", Kind::Span, U" style=\"x\""},
        {U"<sub>", Kind::Subscript, U""},
        {U"<SUP>", Kind::Superscript, U""},
        {U"<subx>", Kind::Ignored, U"bx"},
        {U"<u>", Kind::Underline, U""},
        {U"<ul>", Kind::UnorderedList, U""},
        {U"<z>", Kind::Hidden, U""},
        {U"<1>", Kind::Ignored, U""},
        {U"<\u00e9>", Kind::Ignored, U""},
        {U"</i>", Kind::ItalicEnd, U""},
        {U"</ix>", Kind::ItalicEnd, U"x"},
        {U"</b>", Kind::BoldEnd, U""},
        {U"</body>", Kind::BlinkOrBodyEnd, U"ody"},
        {U"</strong>", Kind::BoldEnd, U"trong"},
        {U"</strike>", Kind::StrikeOutEnd, U"trike"},
        {U"</sx>", Kind::StrikeOutEnd, U"x"},
        {U"</sub>", Kind::SubSuperscriptEnd, U"ub"},
        {U"</hx>", Kind::Ignored, U"x"},
        {U"</q>", Kind::Ignored, U""},
        {U"</>", Kind::Ignored, U""},
    };
    for (const auto& c : cases) {
        const std::u32string text = c.tag + U"tail";
        const TMarkupTag tag = ReadTag(text);
        EXPECT_EQ(tag.Kind, c.kind) << Utf8(c.tag);
        EXPECT_EQ(Utf8(tag.Text), Utf8(c.text)) << Utf8(c.tag);
        EXPECT_EQ(tag.Length, c.tag.size()) << Utf8(c.tag);
    }
}

TEST(MarkupTags, ShortClosingTagsAndTheRestOfTheText)
{
    EXPECT_TRUE(ReadTag(U"</u>").ShortClose);
    EXPECT_FALSE(ReadTag(U"</ul>").ShortClose);
    EXPECT_EQ(ReadTag(U"</ul>").Kind, Kind::UnderlineOrListEnd);
    EXPECT_EQ(ReadTag(U"</ol>").Kind, Kind::ListOrOffsetEnd);
    EXPECT_TRUE(ReadTag(U"</o>").ShortClose);
    // A "<" near the end, or with no ">" after it, takes the rest of the text.
    for (std::u32string rest : {U"<b", U"<", U"<b and more"}) {
        const TMarkupTag tag = ReadTag(rest);
        EXPECT_EQ(tag.Kind, Kind::RestDropped) << Utf8(rest);
        EXPECT_EQ(tag.Length, rest.size());
    }
}

TEST(MarkupAttributes, SubstringsOfTheUpperCasedTagText)
{
    const std::u32string font = U" bgcolor=\"#00ff00\" color=\"#ff0000\" face=\"Dejavu Sans\"";
    EXPECT_EQ(Utf8(ReadAttribute(font, U" COLOR")), "#FF0000");
    // "COLOR" alone is found inside "BGCOLOR" first.
    EXPECT_EQ(Utf8(ReadAttribute(font, U"COLOR")), "#00FF00");
    EXPECT_EQ(Utf8(ReadAttribute(font, U"FACE")), "DEJAVU SANS");
    EXPECT_EQ(Utf8(ReadAttribute(U" href=\"Http://X.org/A\" title=\"Go\"", U"HREF", true)), "Http://X.org/A");
    EXPECT_EQ(Utf8(ReadAttribute(U" href=x.html", U"HREF", true)), "");
    // An escaped ampersand in a prepared tag reads as the pair it always read as.
    const TPreparedMarkup link = PrepareMarkup("<a href=\"?a=1&amp;b=2\">", false);
    EXPECT_EQ(Utf8(ReadAttribute(ReadTag(link.Text).Text, U"HREF", true)), "?a=1&&b=2");
    EXPECT_EQ(Utf8(ReadAttribute(U" width=\"10", U"WIDTH")), "");
    EXPECT_EQ(ReadLooseAttribute(U" size=3", U"SIZE"), U"3");
    EXPECT_EQ(ReadLooseAttribute(U" size=\"5\"", U"SIZE"), U"5\"");
    EXPECT_EQ(ReadLooseAttribute(U" face=\"x\"", U"SIZE"), std::nullopt);
}

TEST(MarkupNumbers, LeadingNumbersWholeNumbersAndFractions)
{
    const struct
    {
        std::u32string value;
        int leading;
        std::optional<int> whole;
    } cases[] = {
        {U"12", 12, 12},        {U" -7px", -7, std::nullopt},
        {U"$1F", 31, 31},       {U"0x10", 16, 16},
        {U"x0A", 10, 10},       {U"abc", 0, std::nullopt},
        {U"", 0, std::nullopt}, {U"99999999999", INT32_MAX, INT32_MAX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MarkupNumber(c.value), c.leading) << Utf8(c.value);
        EXPECT_EQ(MarkupWholeNumber(c.value), c.whole) << Utf8(c.value);
    }
    EXPECT_DOUBLE_EQ(MarkupFraction(U"1,5"), 1.5);
    EXPECT_DOUBLE_EQ(MarkupFraction(U"2.25em"), 2.25);
    EXPECT_DOUBLE_EQ(MarkupFraction(U"x"), 0.0);
}

TEST(MarkupColors, HashValuesAndTheFortyNames)
{
    const struct
    {
        std::u32string value;
        std::optional<TColor> color;
    } cases[] = {
        {U"#FF8000", 0x0080FF},
        {U"#ff8000", 0x0080FF},
        {U"#496954", 0x546949},
        {U"#12", 0x000012},
        {U"#GG00FF", 0xFF0000},
        {U"clred", clRed},
        {U"CLRED", clRed},
        {U"ClNaVy", clNavy},
        {U"cl3ddkshadow", SystemColor(21)},
        {U"clinfobk", SystemColor(24)},
        {U"clnone", clBlack},
        {U"purple", clBlack},
        {U"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MarkupColor(c.value), c.color) << Utf8(c.value);
}

TEST(MarkupText, PreparingPasses)
{
    const std::u32string amp(1, EscapedAmpersand);
    const struct
    {
        std::string markup;
        std::u32string prepared;
        bool prefix;
    } cases[] = {
        {"a &amp; b", U"a " + amp + U" b", true},
        {"&COPY; &euro;&trade;", U"\u00A9 \u20AC\u2122", true},
        {"&amp;copy;", amp + U"copy;", true},
        {"x & y &AMP;", U"x & y " + amp, false},
        {"Tom&Jerry", U"Tom&Jerry", true},
        {"<#tag> and <#x", U"#tag and #x", true},
        {"<<#a>b>", U"#ab", true},
        {"one\r\ntwo\nthree", U"one<BR>twothree", true},
    };
    for (const auto& c : cases) {
        const TPreparedMarkup prepared = PrepareMarkup(c.markup, false);
        EXPECT_EQ(prepared.Text, c.prepared) << c.markup;
        EXPECT_EQ(prepared.PrefixHandling, c.prefix) << c.markup;
    }
}

TEST(MarkupText, RunsEndBeforeATagOrAfterTheFirstSpace)
{
    EXPECT_EQ(NextRun(U"one two<b>", true).Text, U"one ");
    EXPECT_EQ(NextRun(U"one two<b>", false).Text, U"one two");
    EXPECT_EQ(NextRun(U"onetwo <b>", true).Text, U"onetwo ");
    EXPECT_EQ(NextRun(U"one<b> two", true).Text, U"one");
    const TMarkupRun entities = NextRun(U"&lt;b&GT;a&nbsp;b&&lt;<i>", true);
    EXPECT_EQ(entities.Text, U"<b>a b&&lt;");
    EXPECT_EQ(entities.SourceLength, 22u);
}

TEST(MarkupText, PrefixRuleAndEntitiesAsShown)
{
    EXPECT_EQ(Shown("Tom&Jerry"), "TomJerry");
    EXPECT_EQ(Shown("Tom&Jerry & Co"), "Tom&Jerry & Co");
    EXPECT_EQ(Shown("a &amp; b"), "a & b");
    EXPECT_EQ(Shown("a &amp; b & c"), "a & b & c") << "an escaped ampersand beside a lone one";
    EXPECT_EQ(Shown("&lt;b&gt;bold&lt;/b&gt;"), "<b>bold</b>");
}

TEST(MarkupText, EscapedTextShowsAsWritten)
{
    for (std::string text : {"Rock&Roll.avi", "a<b>c", "x&amp;y", "x&lt;y", "&copy;", "Grüße & €uro <ß>",
                             "a&&b", "<#x>", "tab\there", "&nbsp;"}) {
        std::string expected = text;
        for (char& c : expected)
            if (c == '\t')
                c = ' ';
        EXPECT_EQ(Shown(EscapeMarkup(text)), expected) << text;
    }
    EXPECT_EQ(EscapeMarkup("a\r\nb<"), "a  b&lt;");
}

TEST(MarkupText, PlainTextOfAMarkup)
{
    const struct
    {
        std::string markup, plain;
    } cases[] = {
        {"<b>Bold</b> text", "Bold text"},
        {"one<br>two<HR>three", "one\r\ntwo\r\nthree"},
        {"seen<z>hidden</z> and <Z>HIDDEN</Z>shown", "seen and shown"},
        {"before<z>never closed", "before"},
        {"a &lt;b&gt; &amp;", "a &lt;b&gt; &amp;"},
        {"lone < sign", "lone < sign"},
        {"a<b>c<d", "ac<d"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StripMarkup(c.markup), c.plain) << c.markup;
}

} // namespace
