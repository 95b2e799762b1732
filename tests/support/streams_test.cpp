#include "byte_fixtures.h"
#include "support/streams.h"

#include <gtest/gtest.h>

namespace {

std::string ReadAll(TStream& stream)
{
    std::string text(static_cast<size_t>(stream.Size() - stream.Position()), '\0');
    stream.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
    return text;
}

} // namespace

TEST(Streams, MemoryStreamWritesReadsAndSeeks)
{
    TMemoryStream stream;
    stream.WriteBuffer("hello world", 11);
    EXPECT_EQ(stream.Size(), 11);
    EXPECT_EQ(stream.Seek(-5, soEnd), 6);
    EXPECT_EQ(ReadAll(stream), "world");

    stream.SetPosition(13); // writing past the end fills the gap with zeros
    stream.WriteBuffer("!", 1);
    EXPECT_EQ(stream.Size(), 14);
    EXPECT_EQ(stream.Bytes()[11], 0);

    char byte = 0;
    EXPECT_EQ(stream.Read(&byte, 1), 0);
    EXPECT_THROW(stream.ReadBuffer(&byte, 1), EReadError);
    EXPECT_THROW(stream.Seek(-1, soBeginning), EStreamError);

    stream.SetSize(5);
    EXPECT_EQ(stream.Position(), 5);
    stream.SetPosition(0);
    EXPECT_EQ(ReadAll(stream), "hello");
}

TEST(Streams, CopyFromTakesACountOrTheWholeSource)
{
    TMemoryStream source;
    source.WriteBuffer("0123456789", 10);
    source.SetPosition(4);

    TMemoryStream part;
    EXPECT_EQ(part.CopyFrom(source, 3), 3);
    EXPECT_EQ(std::string(part.Bytes().begin(), part.Bytes().end()), "456");
    EXPECT_THROW(part.CopyFrom(source, 10), EReadError);

    TMemoryStream whole; // a count of 0 copies from the source's start, wherever it stands
    EXPECT_EQ(whole.CopyFrom(source, 0), 10);
    EXPECT_EQ(whole.Bytes(), source.Bytes());
}

TEST(Streams, FileStreamCreatesReadsAndResizes)
{
    TTempFolder folder;
    const std::string name = (folder.Path() / "data.bin").string();
    {
        TFileStream file(name, fmCreate);
        file.WriteBuffer("abcdef", 6);
        file.SetSize(4);
        EXPECT_EQ(file.Size(), 4);
        EXPECT_EQ(file.Position(), 4);
    }
    TFileStream file(name, fmOpenRead);
    EXPECT_EQ(ReadAll(file), "abcd");
    EXPECT_THROW(file.WriteBuffer("x", 1), EWriteError);

    TMemoryStream memory;
    memory.LoadFromFile(name);
    EXPECT_EQ(ReadAll(memory), "abcd");
}

TEST(Streams, OpeningFailsWithTheFileNameAndReason)
{
    TTempFolder folder;
    const std::string missing = (folder.Path() / "missing.bin").string();
    try {
        TFileStream file(missing, fmOpenRead);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file \"" + missing + "\". No such file or directory");
    }
    EXPECT_THROW(TFileStream((folder.Path() / "no" / "x").string(), fmCreate), EFCreateError);
}
