#include "platform/gui/services/drop_formats.h"
#include "platform/gui/services/dropped_files.h"
#include "platform/gui/services/text_drag_source.h"

#include "block_data_object.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

TEST(DropFormats, TextComesFromEitherTextFormatAndIsReadWithinItsBlock)
{
    struct Case
    {
        const char* name;
        std::map<TClipboardFormat, std::string> blocks;
        bool hasText;
        std::string text;
    };
    const Case cases[] = {
        {"both text formats",
         {{CF_TEXT, "eight-bit"}, {CF_UNICODETEXT, std::string("wide\0", 5)}},
         true,
         "wide"},
        {"CF_TEXT alone", {{CF_TEXT, std::string("eight-bit\0", 10)}}, true, "eight-bit"},
        {"no zero at the end", {{CF_UNICODETEXT, "unterminated"}}, true, "unterminated"},
        {"no text", {{CF_HDROP, ""}}, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TClipboardFormat rtfFormat = 0;
        TBlockData data(c.blocks);
        TEnumFormats walker(&data, rtfFormat);
        EXPECT_EQ(walker.HasText(), c.hasText);
        EXPECT_EQ(walker.Text(), c.text);
    }
}

TEST(DropFormats, TheWalkStopsOnTheFormatFoundAndHandsItsBlockOverInTheMediumsItComesIn)
{
    TClipboardFormat rtfFormat = 0;
    const HDROP files = MakeDropFiles({"/a", "/b c"});
    TBlockData data({{CF_TEXT, "x"}, {CF_HDROP, GlobalBytes(files, false)}});
    GlobalFree(files);
    TEnumFormats walker(&data, rtfFormat);
    EXPECT_EQ(walker.GlobalHandle(), nullptr); // before the first entry
    ASSERT_TRUE(walker.HasFormat(CF_HDROP));
    EXPECT_EQ(walker.Count(), 2);
    EXPECT_EQ(walker.Format(), CF_HDROP);
    EXPECT_EQ(walker.Handle(TYMED_HGLOBAL | 2), nullptr);
    HGLOBAL block = walker.GlobalHandle();
    EXPECT_EQ(DropFileNames(block), (Names{"/a", "/b c"}));
    GlobalFree(block);
    EXPECT_TRUE(walker.ReadFileList());
    EXPECT_EQ(walker.Files(), (Names{"/a", "/b c"}));
    EXPECT_FALSE(walker.HasFormat(CF_UNICODETEXT));
    EXPECT_FALSE(walker.Valid());
}

TEST(DropFormats, ADataObjectWithoutAFormatEnumeratorOffersNothing)
{
    TClipboardFormat rtfFormat = 0;
    TBlockData data({{CF_UNICODETEXT, std::string("text\0", 5)}, {CF_HDROP, ""}}, false);
    TEnumFormats walker(&data, rtfFormat);
    EXPECT_FALSE(walker.Reset());
    EXPECT_FALSE(walker.Next());
    EXPECT_FALSE(walker.HasText());
    EXPECT_EQ(walker.Text(), "");
    EXPECT_FALSE(walker.ReadFileList());
    EXPECT_EQ(walker.GlobalHandle(), nullptr);
}

TEST(DropFormats, RichTextIsRegisteredForTheCallerAndReadAsTheDraggedDataServesIt)
{
    TClipboardFormat rtfFormat = 0;
    bool enabled = false;
    TSourceDataObject data("dragged", "{\\rtf1 x}", {&rtfFormat, &enabled});
    TEnumFormats walker(&data, rtfFormat);
    EXPECT_EQ(rtfFormat, RegisterClipboardFormat("Rich Text Format"));
    EXPECT_TRUE(walker.HasRTF()); // listed, yet refused while the exchange is off
    EXPECT_EQ(walker.RTF(), "");
    enabled = true;
    EXPECT_EQ(walker.RTF(), "{\\rtf1 x}");
    EXPECT_EQ(walker.Text(), "dragged");
    EXPECT_FALSE(walker.HasFile());
}

} // namespace
