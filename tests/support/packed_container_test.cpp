#include "byte_fixtures.h"
#include "packed_container_writer.h"
#include "support/inflate_stream.h"
#include "support/packed_container.h"

#include <gtest/gtest.h>

namespace {

std::string TextOf(const TMemoryStream& stream)
{
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

// Content whose compressed form spans more than two scrambler blocks.
std::string LargeContent()
{
    const auto noise = NoiseBytes(80000, 7);
    return "skin:" + std::string(noise.begin(), noise.end());
}

} // namespace

TEST(PackedContainer, RoundTripsInEveryMode)
{
    struct TCase
    {
        const char* Name;
        bool Scrambled;
        uint8_t Mode;
        uint16_t Field1, Field2;
    };
    const TCase cases[] = {
        {"plain", false, 0, 3, 0},
        {"plain, longest fields", false, 0, 65535, 65535},
        {"scrambled, mode 0", true, 0, 0, 7},
        {"scrambled, mode 1", true, 1, 12, 1},
        {"scrambled, mode 2", true, 2, 0, 0},
        {"scrambled, unknown mode acts as 1", true, 9, 1, 1},
    };
    for (const auto& c : cases) {
        for (const std::string& content :
             {std::string(), std::string("[Main]\nColor=clRed\n"), LargeContent()}) {
            SCOPED_TRACE(std::string(c.Name) + ", " + std::to_string(content.size()) + " bytes");
            TPackedContainerOptions options;
            options.Scrambled = c.Scrambled, options.Mode = c.Mode;
            options.Field1Length = c.Field1, options.Field2Length = c.Field2;
            TMemoryStream container = StreamOf(WritePackedContainer(content, options));
            EXPECT_TRUE(SzlIsValid(container));
            TMemoryStream output = StreamOf({'o', 'l', 'd'});
            ASSERT_EQ(SzlExtract(container, output), SzlOk);
            EXPECT_EQ(TextOf(output), content);

            ASSERT_EQ(SzlExtractInPlace(container), SzlOk);
            EXPECT_EQ(TextOf(container), content);
        }
    }
}

TEST(PackedContainer, WrongSizeOrShortHeaderLeavesTheOutputAlone)
{
    const std::vector<uint8_t> good = WritePackedContainer("text", {});
    std::vector<uint8_t> oneMore = good;
    oneMore.push_back(0);
    std::vector<uint8_t> oneLess = good;
    oneLess.pop_back();
    // Fields claimed longer than the container, with a payload size that makes the 64-bit sum wrap
    // around to the container's size.
    std::vector<uint8_t> wrapping = good;
    PutLittleEndian(wrapping, 42, 65535, 2);
    PutLittleEndian(wrapping, 44, 65535, 2);
    PutLittleEndian(wrapping, 25, uint64_t(good.size()) - 47 - 2 * 65535, 8);
    const std::vector<uint8_t> headerOnly(good.begin(), good.begin() + 46);

    for (const auto& bytes : {oneMore, oneLess, wrapping, headerOnly}) {
        SCOPED_TRACE(bytes.size());
        TMemoryStream container = StreamOf(bytes);
        EXPECT_FALSE(SzlIsValid(container));
        TMemoryStream output = StreamOf({'o', 'l', 'd'});
        EXPECT_EQ(SzlExtract(container, output), SzlNotValid);
        EXPECT_EQ(TextOf(output), "old");
    }
    TMemoryStream shortStream = StreamOf(headerOnly);
    TSzlHeader header;
    EXPECT_EQ(SzlReadHeader(shortStream, header), SzlStreamTooShort);
}

TEST(PackedContainer, PayloadThatDoesNotInflateRaisesAndKeepsTheContent)
{
    std::vector<uint8_t> damaged = WritePackedContainer("some content", {});
    damaged.back() ^= 0x55; // the Adler-32 trailer no longer matches
    std::vector<uint8_t> cut = WritePackedContainer(LargeContent(), {});
    cut.resize(cut.size() - 100);
    PutLittleEndian(cut, 25, cut.size() - 47 - 3, 8); // still valid by size, but the data stops short

    for (const auto& bytes : {damaged, cut}) {
        TMemoryStream container = StreamOf(bytes);
        EXPECT_THROW(SzlExtractInPlace(container), EZDecompressionError);
        EXPECT_EQ(container.Bytes(), bytes);
    }
}

TEST(PackedContainer, BlockStepTakesKeysAndPositionOffEachByte)
{
    // Keys K13 = 1, K17 = 2, K21 = 3, K25 = 4, K29 = 5, K33 = 6 over zero bytes; the expected values are
    // worked out by hand: -(K13 or K17) - i, then in mode 2 the steps for multiples of 3, 4, 7 and 11.
    struct TCase
    {
        size_t Position;
        uint8_t Mode1, Mode2;
    };
    const TCase cases[] = {
        {0, 254, 254},  {1, 254, 254},         {2, 252, 252},  {3, 252, 254},  {4, 250, 243},
        {7, 248, 243},  {11, 244, 233},        {12, 242, 237}, {33, 222, 213}, {77, 178, 162},
        {84, 170, 160}, {32768 + 3, 252, 254}, // the position restarts per block
    };
    for (const uint8_t mode : {1, 2}) {
        std::vector<uint8_t> scrambled(TDec::HeaderSize + 2 * TDec::BlockSize + 10);
        scrambled[4] = mode;
        scrambled[13] = 1, scrambled[17] = 2, scrambled[21] = 3, scrambled[25] = 4, scrambled[29] = 5,
        scrambled[33] = 6;
        TMemoryStream input = StreamOf(scrambled);
        TMemoryStream output;
        ASSERT_TRUE(TDec().DecodeStream(input, output));
        ASSERT_EQ(output.Size(), static_cast<int64_t>(scrambled.size()) - TDec::HeaderSize);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.Position);
            EXPECT_EQ(output.Bytes()[c.Position], mode == 1 ? c.Mode1 : c.Mode2);
        }
    }
}

TEST(PackedContainer, DecoderReportsProgressAndStops)
{
    TPackedContainerOptions options;
    const auto data = NoiseBytes(2 * TDec::BlockSize + TDec::BlockSize / 2);

    struct TCase
    {
        int StopAfter; // calls answered true before the decoder is told to stop; -1 never
        std::vector<int> Percents;
        bool Result;
        int64_t OutputSize;
    };
    const TCase cases[] = {
        {-1, {50, 100, 100}, true, static_cast<int64_t>(data.size())}, // 2 whole blocks counted, 3 read
        {1, {50, 100}, false, 2 * TDec::BlockSize},
    };
    for (const auto& c : cases) {
        TMemoryStream input = StreamOf(ScramblePayload(data, options));
        TMemoryStream output;
        TDec dec;
        std::vector<int> percents;
        dec.SetDecProc([&](int percent) {
            percents.push_back(percent);
            return c.StopAfter < 0 || static_cast<int>(percents.size()) <= c.StopAfter;
        });
        EXPECT_EQ(dec.DecodeStream(input, output), c.Result);
        EXPECT_EQ(dec.Aborted(), !c.Result);
        EXPECT_EQ(percents, c.Percents);
        EXPECT_EQ(dec.PercentComplete(), c.Percents.back());
        EXPECT_EQ(output.Size(), c.OutputSize);
        if (c.Result) {
            EXPECT_EQ(output.Bytes(), data);
        }
    }

    for (const size_t size : {size_t(0), size_t(51)}) {
        TMemoryStream stream = StreamOf(std::vector<uint8_t>(size, 9));
        TDec dec;
        EXPECT_FALSE(dec.DecodeStream(stream)); // shorter than the scrambler header
    }
    TMemoryStream headerOnly = StreamOf(ScramblePayload({}, options));
    TDec dec;
    EXPECT_TRUE(dec.DecodeStream(headerOnly));
    EXPECT_EQ(headerOnly.Size(), 0);
    EXPECT_EQ(dec.PercentComplete(), 100);
}
