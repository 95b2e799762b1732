#include "byte_fixtures.h"
#include "support/crc32.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

struct TProgressCall
{
    int Percent;
    int ChunkNo;
    friend bool operator==(const TProgressCall&, const TProgressCall&) = default;
};

uint32_t ZlibCrc(const std::vector<uint8_t>& bytes, size_t from, size_t count)
{
    return static_cast<uint32_t>(crc32(0, bytes.data() + from, static_cast<uInt>(count)));
}

} // namespace

TEST(Crc32, StandardChecksumOfAFile)
{
    TTempFolder folder;
    const std::vector<uint8_t> check = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(FileCrc32(folder.WriteFile("check.txt", check)), 0xCBF43926u);
    EXPECT_EQ(FileCrc32(folder.WriteFile("empty", {})), 0u);
    EXPECT_THROW(FileCrc32((folder.Path() / "missing").string()), EFOpenError);
}

TEST(Crc32, ChunksAndProgressFromAStartPosition)
{
    struct TCase
    {
        size_t Size;
        int64_t Start;
        std::vector<TProgressCall> Calls;
    };
    const std::vector<TCase> cases = {
        {0, 0, {}},
        {10, 10, {}},
        {102400, 0, {{100, 1}}},
        {102410, 10, {{100, 1}}},
        {250000, 0, {{41, 1}, {82, 2}, {100, 3}}},
        {204801, 0, {{50, 1}, {100, 2}, {100, 3}}}, // 49.99975 % and 99.9995 % round up
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Size);
        const auto bytes = NoiseBytes(c.Size);
        TMemoryStream stream = StreamOf(bytes);
        std::vector<TProgressCall> calls;
        const uint32_t crc = StreamCrc32(stream, c.Start, [&](int percent, int chunkNo) {
            calls.push_back({percent, chunkNo});
            return true;
        });
        EXPECT_EQ(crc, ZlibCrc(bytes, c.Start, c.Size - c.Start));
        EXPECT_EQ(calls, c.Calls);
    }
}

TEST(Crc32, StoppingKeepsTheChecksumSoFar)
{
    const auto bytes = NoiseBytes(300000);
    TMemoryStream stream = StreamOf(bytes);
    int calls = 0;
    const uint32_t crc = StreamCrc32(stream, 0, [&](int, int) { return ++calls < 1; });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(crc, ZlibCrc(bytes, 0, 102400));
}
