#include "platform/gui/services/dropped_files.h"
#include "platform/gui/services/dropped_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A file list block: the header with the names' offset and wide flag, then the name bytes as given.
std::string FileListBlock(uint32_t offset, bool wide, const std::string& names)
{
    DROPFILES header;
    header.pFiles = offset;
    header.fWide = wide ? 1 : 0;
    std::string bytes(sizeof header, '\0');
    std::memcpy(bytes.data(), &header, sizeof header);
    return bytes + names;
}

std::string Utf16(std::u16string_view text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

TEST(DroppedBlocks, ReadsStayInsideTheBlock)
{
    struct Case
    {
        const char* name;
        std::string block;
        std::vector<std::string> files;
    };
    const std::string header = FileListBlock(20, false, "");
    const Case cases[] = {
        {"narrow names", FileListBlock(20, false, std::string("/a\0/b c\0\0", 9)), {"/a", "/b c"}},
        {"wide names", FileListBlock(20, true, Utf16({u"/\u00e9\0/x\0\0", 7})), {"/\xC3\xA9", "/x"}},
        {"names after a gap", FileListBlock(24, false, std::string("----/a\0\0", 8)), {"/a"}},
        {"offset past the block", FileListBlock(400, false, std::string("/a\0\0", 4)), {}},
        {"offset at the block's end", FileListBlock(20, false, ""), {}},
        {"offset inside the header", FileListBlock(4, false, std::string("/a\0\0", 4)), {}},
        {"a name cut off", FileListBlock(20, false, std::string("/a\0/cut", 7)), {"/a"}},
        {"a wide name cut off",
         FileListBlock(20, true, Utf16({u"/a\0/b", 5}) + std::string(1, '\0')),
         {"/a"}},
        {"no header", header.substr(0, 10), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DropFileNamesOfBytes(c.block), c.files) << c.name;

    EXPECT_EQ(DroppedText("no zero at the end"), "no zero at the end");
    EXPECT_EQ(DroppedText(std::string("cut\0here", 8)), "cut");
    EXPECT_EQ(DroppedText("bad \xFF byte"), "bad \xEF\xBF\xBD byte");
    EXPECT_EQ(DroppedText(""), "");
}

} // namespace
