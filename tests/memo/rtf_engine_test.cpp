#include "controls/memo/rtf_engine.h"

#include <gtest/gtest.h>

namespace {

const std::string Header = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033";

// Every byte of a document is 7-bit.
bool IsAscii(const std::string& text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

TEST(RtfEngine, ABuilderWithoutCallsGivesTheHeaderAndAnEmptyParagraph)
{
    EXPECT_EQ(TRTFEngine().GetText(), Header + "\\viewkind4\\uc1\\par}");
}

TEST(RtfEngine, BuildsTheDocumentOfASequenceOfCalls)
{
    TRTFEngine rtf;
    rtf.AddFontName("Courier New");
    rtf.AddFontSize(20);
    rtf.AddForeColor(clBlack);
    rtf.AddHighLightColor(clWhite);
    rtf.AddForeColor(clRed);
    rtf.AddBold(true);
    rtf.AddText("Error");
    rtf.AddHighLightColor(clWhite);
    rtf.AddForeColor(clBlack);
    rtf.AddBold(false);
    rtf.AddText(": {x}");
    rtf.AddNewLine();
    // The colours are numbered from 0 in the order of their first use: black 0, white 1, red 2.
    EXPECT_EQ(rtf.GetText(),
              Header +
                  "{\\fonttbl{\\f0\\fnil Courier New;}}"
                  "{\\colortbl \\red0\\green0\\blue0;\\red255\\green255\\blue255;\\red255\\green0\\blue0;}"
                  "\\viewkind4\\uc1"
                  "\\f0\\fs20\\cf0\\highlight1\\cf2\\b Error\\highlight1\\cf0\\b0 : \\{x\\}\\par\\par}");
}

TEST(RtfEngine, FontsAndColoursAreNumberedOnce)
{
    TRTFEngine rtf;
    rtf.AddFontName("DejaVu Sans Mono");
    rtf.AddFontName("dejavu sans MONO");
    rtf.AddForeColor(0x0000FF);
    rtf.AddForeColor(clRed); // the same RGB value
    rtf.AddHighLightColor(clNone);
    EXPECT_EQ(rtf.Header()->FontTable()->Fonts()->Count(), 1);
    EXPECT_EQ(rtf.Header()->ColorTable()->Colors()->Count(), 1);
    EXPECT_NE(rtf.GetText().find("\\f0\\f0\\cf0\\cf0\\highlight0"), std::string::npos);
    EXPECT_EQ(rtf.HighLightColor(), clNone);
}

TEST(RtfEngine, TextIsEscapedIntoSevenBitText)
{
    struct Case
    {
        std::string text;
        std::string written;
    };
    const Case cases[] = {
        {"a\\b{c}", "a\\\\b\\{c\\}"},
        {"one\r\ntwo", "one\\par two"},
        {"\xC3\xA4", "\\'e4"},                       // a Latin-1 letter
        {"\x01", "\\'01"},                           // a control character
        {"\xC2\x80", "\\u128G"},                     // not the same character in the code page
        {"\xE2\x82\xAC", "\\u8364G"},                // the euro sign
        {"\xEF\xBC\x81", "\\u-255G"},                // above 32767: a negative number
        {"\xF0\x9F\x98\x80", "\\u-10179G\\u-8704G"}, // beyond the basic plane: two units
    };
    for (const Case& c : cases) {
        TRTFEngine rtf;
        rtf.AddText(c.text);
        EXPECT_EQ(rtf.GetText(), Header + "\\viewkind4\\uc1 " + c.written + "\\par}") << c.text;
        EXPECT_TRUE(IsAscii(rtf.GetText()));
    }
}

TEST(RtfEngine, TextsJoinDirectlyAndControlWordsRepeat)
{
    TRTFEngine rtf;
    rtf.AddText("a");
    rtf.AddText("b");
    rtf.AddNewLine();
    rtf.AddText("c");
    rtf.AddBold(true);
    rtf.AddBold(true);
    EXPECT_EQ(rtf.GetText(), Header + "\\viewkind4\\uc1 ab\\par c\\b\\b\\par}");
}

TEST(RtfEngine, HyperlinksEscapeAddressAndTextAndNeverHoldAQuote)
{
    TFont font;
    font.SetName("Mono");
    font.SetSize(10);
    font.SetColor(clBlue);
    TRTFEngine rtf;
    rtf.AddHyperLink("http://x/{a}\\b", "see {x}", &font);
    const std::string text = rtf.GetText();
    EXPECT_NE(
        text.find(
            "{\\field{\\*\\fldinst {\\rtlch \\af0\\afs20\\ltrch \\f0\\fs20  HYPERLINK "
            "\"http://x/\\{a\\}\\\\b\" }}{\\fldrslt {\\rtlch \\af0\\afs20 \\ltrch \\f0\\fs20\\ul\\cf0 see "
            "\\{x\\}}}}"),
        std::string::npos)
        << text;
    TRTFEngine quoted;
    quoted.AddHyperLink("http://x/\" onclick", "see", &font);
    EXPECT_EQ(quoted.GetText().find("HYPERLINK"), std::string::npos);
    EXPECT_NE(quoted.GetText().find(" see"), std::string::npos);
}
