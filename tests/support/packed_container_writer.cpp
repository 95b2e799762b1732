#include "packed_container_writer.h"

#include "byte_fixtures.h"

#include <zlib.h>

namespace {

constexpr size_t ScramblerHeaderSize = 52;
constexpr size_t ScramblerBlockSize = 32768;
constexpr size_t KeyOffsets[6] = {13, 17, 21, 25, 29, 33};

// The reader's block step run backwards: the extended steps in reverse order, then the key and position.
uint8_t ScrambleByte(uint8_t b, size_t i, const TPackedContainerOptions& options)
{
    const auto& k = options.Keys; // k[0] = K13 ... k[5] = K33
    if (options.Mode == 2 && i > 0) {
        if (i % 11 == 0) {
            b = static_cast<uint8_t>(b + k[5] + k[4]);
        }
        if (i % 7 == 0) {
            b = static_cast<uint8_t>(b + k[4]);
        }
        if (i % 4 == 0) {
            b = static_cast<uint8_t>(b + k[3] + k[2]);
        }
        if (i % 3 == 0) {
            b = static_cast<uint8_t>(b + k[2] - k[4]);
        }
    }
    return static_cast<uint8_t>(b + (i % 2 == 1 ? k[0] : k[1]) + i);
}

} // namespace

std::vector<uint8_t> Compress(const std::string& content)
{
    uLongf size = compressBound(content.size());
    std::vector<uint8_t> compressed(size);
    compress(compressed.data(), &size, reinterpret_cast<const Bytef*>(content.data()), content.size());
    compressed.resize(size);
    return compressed;
}

std::vector<uint8_t> ScramblePayload(const std::vector<uint8_t>& data, const TPackedContainerOptions& options)
{
    std::vector<uint8_t> scrambled(ScramblerHeaderSize);
    scrambled[4] = options.Mode;
    for (size_t k = 0; k < 6; ++k) {
        scrambled[KeyOffsets[k]] = options.Keys[k];
    }
    for (size_t n = 0; n < data.size(); ++n) {
        const uint8_t b = data[n];
        scrambled.push_back(options.Mode == 0 ? b : ScrambleByte(b, n % ScramblerBlockSize, options));
    }
    return scrambled;
}

std::vector<uint8_t> WritePackedContainer(const std::string& content, const TPackedContainerOptions& options)
{
    std::vector<uint8_t> payload = Compress(content);
    if (options.Scrambled) {
        payload = ScramblePayload(payload, options);
    }
    std::vector<uint8_t> container(47);
    container[0] = 'K', container[1] = 'V', container[2] = 'S', container[3] = 'Z';
    PutLittleEndian(container, 25, payload.size(), 8);
    PutLittleEndian(container, 42, options.Field1Length, 2);
    PutLittleEndian(container, 44, options.Field2Length, 2);
    container[46] = options.Scrambled ? 1 : 0;
    container.insert(container.end(), options.Field1Length, 'a');
    container.insert(container.end(), options.Field2Length, 'b');
    container.insert(container.end(), payload.begin(), payload.end());
    return container;
}
