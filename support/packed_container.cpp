#include "support/packed_container.h"

#include "support/byte_order.h"
#include "support/inflate_stream.h"
#include "support/math_routines.h"

#include <algorithm>
#include <vector>

namespace {

bool SizeRuleHolds(const TSzlHeader& header, int64_t containerSize)
{
    // Compared by subtraction: a payload size near 2^64 must not wrap the sum around.
    const int64_t payloadRoom = containerSize - header.PayloadOffset();
    return payloadRoom >= 0 && header.PayloadSize() == static_cast<uint64_t>(payloadRoom);
}

// The scrambler's mode and key bytes, from its header.
struct TScramblerKeys
{
    uint8_t Mode;
    uint8_t K13, K17, K21, K25, K29, K33;

    explicit TScramblerKeys(const uint8_t* header)
        : Mode(header[4]), K13(header[13]), K17(header[17]), K21(header[21]), K25(header[25]),
          K29(header[29]), K33(header[33])
    {}
};

// Undoes the scrambling of one block; the position i restarts at 0 in every block.
void DescrambleBlock(std::vector<uint8_t>& block, const TScramblerKeys& keys)
{
    if (keys.Mode == 0) {
        return;
    }
    for (size_t i = 0; i < block.size(); ++i) {
        auto b = static_cast<uint8_t>(block[i] - (i % 2 == 1 ? keys.K13 : keys.K17) - i);
        if (keys.Mode == 2 && i > 0) {
            if (i % 3 == 0) {
                b = static_cast<uint8_t>(b - keys.K21 + keys.K29);
            }
            if (i % 4 == 0) {
                b = static_cast<uint8_t>(b - keys.K25 - keys.K21);
            }
            if (i % 7 == 0) {
                b = static_cast<uint8_t>(b - keys.K29);
            }
            if (i % 11 == 0) {
                b = static_cast<uint8_t>(b - keys.K33 - keys.K29);
            }
        }
        block[i] = b;
    }
}

void ReplaceContent(TStream& stream, TStream& content)
{
    stream.SetSize(0);
    stream.SetPosition(0);
    stream.CopyFrom(content, 0);
}

} // namespace

uint64_t TSzlHeader::PayloadSize() const
{
    return ReadLittleEndian(&Bytes[25], 8);
}

uint16_t TSzlHeader::Field1Length() const
{
    return static_cast<uint16_t>(ReadLittleEndian(&Bytes[42], 2));
}

uint16_t TSzlHeader::Field2Length() const
{
    return static_cast<uint16_t>(ReadLittleEndian(&Bytes[44], 2));
}

int SzlReadHeader(TStream& stream, TSzlHeader& header)
{
    if (stream.Size() < SzlHeaderSize) {
        return SzlStreamTooShort;
    }
    stream.SetPosition(0);
    if (stream.Read(header.Bytes.data(), SzlHeaderSize) != SzlHeaderSize) {
        return SzlHeaderNotRead;
    }
    return SzlOk;
}

bool SzlIsValid(TStream& stream)
{
    TSzlHeader header;
    return SzlReadHeader(stream, header) == SzlOk && SizeRuleHolds(header, stream.Size());
}

int SzlExtract(TStream& container, TStream& output)
{
    TSzlHeader header;
    if (SzlReadHeader(container, header) != SzlOk || !SizeRuleHolds(header, container.Size())) {
        return SzlNotValid;
    }
    TMemoryStream payload;
    if (header.PayloadSize() > 0) {
        container.SetPosition(header.PayloadOffset());
        payload.CopyFrom(container, static_cast<int64_t>(header.PayloadSize()));
    }
    if (header.IsScrambled()) {
        // A failed de-scrambling shows as a payload that does not inflate.
        TDec().DecodeStream(payload);
    }
    payload.SetPosition(0);
    TZDecompressionStream inflater(payload);
    TMemoryStream content;
    content.CopyFrom(inflater, 0);
    if (!inflater.EndReached()) {
        throw EZDecompressionError(Z_DATA_ERROR, ZLibErrorText(Z_DATA_ERROR));
    }
    ReplaceContent(output, content);
    return SzlOk;
}

int SzlExtractInPlace(TMemoryStream& stream)
{
    TMemoryStream container;
    container.CopyFrom(stream, 0);
    return SzlExtract(container, stream);
}

bool TDec::DecodeStream(TStream& input, TStream& output)
{
    FAborted = false;
    FPercentComplete = 0;
    const int64_t dataSize = input.Size() - HeaderSize;
    if (dataSize < 0) {
        return false;
    }
    std::vector<uint8_t> header(HeaderSize);
    input.SetPosition(0);
    input.ReadBuffer(header.data(), HeaderSize);
    const TScramblerKeys keys(header.data());
    output.SetSize(0);
    output.SetPosition(0);

    const int64_t blockCount = std::max<int64_t>(dataSize / BlockSize, 1);
    std::vector<uint8_t> block(BlockSize);
    int64_t blocksDone = 0;
    int64_t got = BlockSize;
    while (got == BlockSize) {
        got = input.Read(block.data(), BlockSize);
        DescrambleBlock(block, keys);
        output.WriteBuffer(block.data(), BlockSize);
        ++blocksDone;
        const int64_t percent = RoundHalfEven(static_cast<double>(blocksDone) * 100.0 / blockCount);
        FPercentComplete = static_cast<int>(std::min<int64_t>(percent, 100));
        if (FDecProc && !FDecProc(FPercentComplete)) {
            FAborted = true;
            return false;
        }
    }
    if (output.Size() < dataSize) {
        return false;
    }
    output.SetSize(dataSize);
    return true;
}

bool TDec::DecodeStream(TStream& stream)
{
    TMemoryStream copy;
    copy.CopyFrom(stream, 0);
    return DecodeStream(copy, stream);
}
