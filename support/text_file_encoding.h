#pragma once

#include <string>
#include <string_view>

// How a text file is stored. Files without a byte-order mark are UTF-8, or Windows-1252 when they are not
// valid UTF-8 (files written by older programs); every other form is named by its mark.
enum class TTextEncoding
{
    Default,         // no byte-order mark
    UTF8,            // UTF-8 with a byte-order mark
    Unicode,         // UTF-16 little endian with a byte-order mark
    BigEndianUnicode // UTF-16 big endian with a byte-order mark
};

// The file's text as UTF-8, with the encoding it was found in. Invalid sequences become U+FFFD.
std::string DecodeTextFile(std::string_view bytes, TTextEncoding& found);

// The bytes of a text file in the given encoding, byte-order mark included.
std::string EncodeTextFile(std::string_view text, TTextEncoding encoding);

// UTF-16 to UTF-8; an unpaired surrogate or an odd last byte becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
std::string Utf8ToUtf16(std::string_view text, bool bigEndian);
