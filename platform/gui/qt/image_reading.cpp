#include "platform/gui/qt/image_reading.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/graphics/picture_size.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdint>

namespace {

constexpr std::string_view PngSignature("\x89PNG\r\n\x1A\n", 8);

uint32_t Number(std::string_view bytes, size_t at, int size, bool bigEndian)
{
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        const auto byte = static_cast<uint8_t>(bytes[at + static_cast<size_t>(bigEndian ? i : size - 1 - i)]);
        value = value << 8 | byte;
    }
    return value;
}

// An icon or cursor file's directory tells the size of each picture by a byte, but a picture stored as PNG
// declares its own, which the toolkit's reader decodes at that size: the sizes of those are checked here.
void CheckIconPictures(std::string_view bytes, const std::string& kind)
{
    constexpr size_t HeaderSize = 6, EntrySize = 16;
    const bool icon = bytes.size() >= HeaderSize && Number(bytes, 0, 2, false) == 0 &&
                      (Number(bytes, 2, 2, false) == 1 || Number(bytes, 2, 2, false) == 2);
    if (!icon)
        return;
    const uint32_t count = Number(bytes, 4, 2, false);
    for (size_t entry = HeaderSize;
         entry + EntrySize <= bytes.size() && entry < HeaderSize + count * EntrySize; entry += EntrySize) {
        const size_t at = Number(bytes, entry + 12, 4, false);
        if (at < bytes.size() && bytes.size() - at >= 24 && bytes.substr(at, 8) == PngSignature)
            CheckPictureSize(kind, Number(bytes, at + 16, 4, true), Number(bytes, at + 20, 4, true));
    }
}

// The two formats whose signature is enough to name them.
const char* BuiltInFormatOf(std::string_view bytes)
{
    if (bytes.substr(0, PngSignature.size()) == PngSignature)
        return "PNG";
    if (bytes.substr(0, 2) == "BM")
        return "BMP";
    return nullptr;
}

} // namespace

QImage ReadImage(std::string_view bytes, const char* format, const std::string& kind)
{
    CheckIconPictures(bytes, kind);
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const char* known = format ? format : BuiltInFormatOf(bytes);
    QImageReader reader(&buffer, known);
    // Bytes in a known format are read by that format's reader alone: guessing would load every image
    // format module to ask each whether it knows them.
    if (known)
        reader.setAutoDetectImageFormat(false);
    // A reader that cannot tell the size before decoding is checked on what it decoded.
    if (const QSize declared = reader.size(); declared.isValid())
        CheckPictureSize(kind, declared.width(), declared.height());
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(kind + " image is not valid");
    CheckPictureSize(kind, image.width(), image.height());
    return image;
}
