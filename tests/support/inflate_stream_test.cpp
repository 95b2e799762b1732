#include "byte_fixtures.h"
#include "packed_container_writer.h"
#include "support/inflate_stream.h"

#include <gtest/gtest.h>

namespace {

// Text that compresses well followed by noise that does not, so the compressed data spans several
// 64 KB reads of the source.
std::string SampleContent()
{
    std::string content;
    for (int i = 0; i < 2000; ++i) {
        content += "line " + std::to_string(i) + " of the sample\n";
    }
    const auto noise = NoiseBytes(150000);
    return content + std::string(noise.begin(), noise.end());
}

std::string ReadInPieces(TStream& stream, int64_t pieceSize)
{
    std::string result;
    std::string piece(static_cast<size_t>(pieceSize), '\0');
    while (const int64_t got = stream.Read(piece.data(), pieceSize)) {
        result.append(piece, 0, static_cast<size_t>(got));
    }
    return result;
}

} // namespace

TEST(InflateStream, SmallAndLargeReadsGiveTheSameBytes)
{
    const std::string content = SampleContent();
    TMemoryStream source = StreamOf(Compress(content));
    int chunks = 0;
    {
        TZDecompressionStream inflater(source);
        inflater.SetOnProgress([&](TCustomZStream&) { ++chunks; });
        EXPECT_EQ(ReadInPieces(inflater, 1), content);
        EXPECT_TRUE(inflater.EndReached());
    }
    EXPECT_EQ(chunks, (source.Size() + 65535) / 65536);

    source.SetPosition(0);
    TZDecompressionStream inflater(source);
    EXPECT_EQ(ReadInPieces(inflater, 1 << 20), content);
}

TEST(InflateStream, SourceStandsJustBehindTheCompressedData)
{
    const std::string content = SampleContent();
    const std::vector<uint8_t> compressed = Compress(content);
    std::vector<uint8_t> bytes = {'p', 'r', 'e'};
    bytes.insert(bytes.end(), compressed.begin(), compressed.end());
    bytes.insert(bytes.end(), {'T', 'A', 'I', 'L'});
    TMemoryStream source = StreamOf(bytes);
    source.SetPosition(3);

    TZDecompressionStream inflater(source);
    std::string head(1000, '\0');
    inflater.ReadBuffer(head.data(), 1000);
    source.SetPosition(0); // another user of the source in between does not disturb the inflation
    EXPECT_EQ(head + ReadInPieces(inflater, 4096), content);

    EXPECT_EQ(source.Position(), 3 + static_cast<int64_t>(compressed.size()));
    char tail[4];
    source.ReadBuffer(tail, 4);
    EXPECT_EQ(std::string(tail, 4), "TAIL");
}

TEST(InflateStream, SeekingRestartsSkipsAndMeasures)
{
    const std::string content = SampleContent();
    std::vector<uint8_t> bytes = {'x', 'y'};
    const std::vector<uint8_t> compressed = Compress(content);
    bytes.insert(bytes.end(), compressed.begin(), compressed.end());
    TMemoryStream source = StreamOf(bytes);
    source.SetPosition(2);
    TZDecompressionStream inflater(source);

    EXPECT_EQ(ReadInPieces(inflater, 8192), content);
    EXPECT_EQ(inflater.Seek(0, soBeginning), 0); // back to where the data began, not the source's start
    EXPECT_EQ(ReadInPieces(inflater, 8192), content);

    EXPECT_EQ(inflater.Seek(500, soBeginning), 500);
    EXPECT_EQ(inflater.Seek(100, soCurrent), 600);
    EXPECT_EQ(inflater.Seek(200, soBeginning), 200); // a target behind the position inflates again
    EXPECT_EQ(inflater.Size(), static_cast<int64_t>(content.size()));
    EXPECT_EQ(inflater.Position(), 200);
    char c;
    inflater.ReadBuffer(&c, 1);
    EXPECT_EQ(c, content[200]);

    EXPECT_THROW(inflater.Seek(static_cast<int64_t>(content.size()) + 1, soBeginning), EReadError);
}

TEST(InflateStream, RejectedOperations)
{
    TMemoryStream source = StreamOf(Compress("abc"));
    TZDecompressionStream inflater(source);
    const auto expectInvalid = [](auto operation) {
        try {
            operation();
            FAIL() << "not rejected";
        } catch (const EZDecompressionError& error) {
            EXPECT_EQ(std::string(error.what()), "Invalid ZStream operation!");
        }
    };
    expectInvalid([&] { inflater.Write("x", 1); });
    expectInvalid([&] { inflater.Seek(-1, soCurrent); });
    expectInvalid([&] { inflater.Seek(1, soEnd); });
    expectInvalid([&] { inflater.Seek(-1, soBeginning); });
}

TEST(InflateStream, BadDataRaisesAndCutDataEndsEarly)
{
    struct TCase
    {
        const char* Name;
        std::vector<uint8_t> Bytes;
        int ErrorCode;
    };
    std::vector<uint8_t> corrupt = Compress("some text that is long enough to be compressed, some text");
    corrupt[5] ^= 0xFF;
    const std::vector<TCase> cases = {
        {"not zlib", {'h', 'e', 'l', 'l', 'o', '!'}, Z_DATA_ERROR},
        {"damaged", corrupt, Z_DATA_ERROR},
        {"preset dictionary", {0x78, 0xBB, 0, 0, 0, 1, 0x03, 0}, Z_NEED_DICT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TMemoryStream source = StreamOf(c.Bytes);
        TZDecompressionStream inflater(source);
        char buffer[256];
        try {
            inflater.Read(buffer, sizeof(buffer));
            FAIL() << "no error";
        } catch (const EZDecompressionError& error) {
            EXPECT_EQ(error.ErrorCode(), c.ErrorCode);
            EXPECT_EQ(std::string(error.what()), ZLibErrorText(c.ErrorCode));
        }
    }

    const std::string text = SampleContent().substr(0, 40000); // repetitive: inflated from back references
    std::vector<uint8_t> cut = Compress(text);
    cut.resize(cut.size() / 2);
    TMemoryStream source = StreamOf(cut);
    TZDecompressionStream inflater(source);
    const std::string partial = ReadInPieces(inflater, 4096);
    EXPECT_FALSE(inflater.EndReached());
    EXPECT_EQ(partial, text.substr(0, partial.size()));
    // Output that zlib holds back when a small read is full still comes out after the data stops.
    inflater.Seek(0, soBeginning);
    const std::string again = ReadInPieces(inflater, 1);
    EXPECT_EQ(again.size(), partial.size());
    EXPECT_TRUE(again == partial);
}
