#include "platform/system/ini_file.h"

#include "platform/system/file_io.h"
#include "platform/system/ini_document.h"
#include "platform/system/os_error.h"
#include "support/utf8.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsQuote(char c)
{
    return c == '"' || c == '\'';
}

bool IsEnclosedInQuotes(std::string_view value)
{
    return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

// The platform's integer conversion: optional blanks and sign, then decimal digits, or hexadecimal digits
// after "$" or "0x". Hexadecimal fills all 32 bits ("$FFFFFFFF" is -1); decimal must fit an int.
std::optional<int> ParseInteger(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    const bool negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        ++pos;
    }
    int base = 10;
    if (text.substr(pos).starts_with('$')) {
        base = 16, pos += 1;
    } else if (text.substr(pos).starts_with("0x") || text.substr(pos).starts_with("0X")) {
        base = 16, pos += 2;
    }
    const std::string_view digits = text.substr(pos);
    if (digits.empty() || digits.front() == '-' || digits.front() == '+') {
        return std::nullopt;
    }
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    const uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    if (error != std::errc() || end != digits.data() + digits.size() || magnitude > limit) {
        return std::nullopt;
    }
    const auto bits = static_cast<uint32_t>(magnitude);
    return static_cast<int>(negative ? 0u - bits : bits);
}

std::optional<double> ParseFloat(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    std::string normalized(text);
    std::replace(normalized.begin(), normalized.end(), ',', '.');
    double value = 0;
    const char* last = normalized.data() + normalized.size();
    const auto [end, error] = std::from_chars(normalized.data(), last, value);
    if (normalized.empty() || error != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

void CheckNames(std::string_view section, std::string_view key, const std::string& fileName)
{
    const size_t keyStart = key.find_first_not_of(" \t");
    const bool badKey = keyStart == std::string_view::npos || HasLineBreak(key) ||
                        key.find('=') != std::string_view::npos || key[keyStart] == '[' ||
                        key[keyStart] == ';';
    if (badKey || HasLineBreak(section) || section.find(']') != std::string_view::npos) {
        throw EIniFileError("The name \"" + std::string(section) + "\" / \"" + std::string(key) +
                            "\" cannot be stored in the INI file \"" + fileName + "\"");
    }
}

// The text after "=" that reads back as value under the quote and blank rules.
std::string StoredValue(std::string_view value)
{
    const bool protect =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || IsEnclosedInQuotes(value));
    return protect ? "\"" + std::string(value) + "\"" : std::string(value);
}

} // namespace

TCustomIniFile::TCustomIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

TCustomIniFile::~TCustomIniFile() = default;

std::string TCustomIniFile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    std::optional<std::string> value = Document()->Value(section, key);
    return value ? ReadableValue(std::move(*value)) : std::string(defaultValue);
}

int TCustomIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    return ParseInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool TCustomIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double TCustomIniFile::ReadFloat(std::string_view section, std::string_view key, double defaultValue) const
{
    return ParseFloat(ReadString(section, key, "")).value_or(defaultValue);
}

bool TCustomIniFile::SectionExists(std::string_view section) const
{
    return Document()->HasSection(section);
}

bool TCustomIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return Document()->Value(section, key).has_value();
}

std::vector<std::string> TCustomIniFile::ReadSection(std::string_view section) const
{
    return Document()->KeyNames(section);
}

std::vector<std::string> TCustomIniFile::ReadSections() const
{
    return Document()->SectionNames();
}

std::vector<std::string> TCustomIniFile::ReadSectionValues(std::string_view section) const
{
    const std::shared_ptr<const TIniDocument> document = Document();
    std::vector<std::string> lines;
    for (const std::string& key : document->KeyNames(section)) {
        lines.push_back(key + "=" + ReadableValue(document->Value(section, key).value_or("")));
    }
    return lines;
}

TIniFile::TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {}

std::shared_ptr<const TIniDocument> TIniFile::Document() const
{
    return std::make_shared<const TIniDocument>(TIniDocument::FromFile(FileName()));
}

std::string TIniFile::ReadableValue(std::string storedValue) const
{
    if (IsEnclosedInQuotes(storedValue)) {
        storedValue = storedValue.substr(1, storedValue.size() - 2);
    }
    if (storedValue.size() > MaxValueLength && Utf8Length(storedValue) > MaxValueLength) {
        storedValue.resize(Utf8ByteOffset(storedValue, MaxValueLength));
    }
    return storedValue;
}

template <typename Change> void TIniFile::Update(Change change)
{
    std::string bytes;
    const int error = ReadFileBytes(FileName(), bytes);
    if (error != 0 && error != ENOENT) {
        throw EIniFileError("Cannot read the INI file \"" + FileName() + "\": " + std::strerror(error));
    }
    TIniDocument document = TIniDocument::FromFileBytes(bytes);
    change(document);
    const std::string changed = document.ToFileBytes();
    if (changed == bytes) {
        return;
    }
    try {
        ReplaceFileContents(FileName(), changed);
    } catch (const EOSError& e) {
        throw EIniFileError(e.what());
    }
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    CheckNames(section, key, FileName());
    if (HasLineBreak(value)) {
        throw EIniFileError("The value of \"" + std::string(key) +
                            "\" holds a line break, which the INI file \"" + FileName() + "\" cannot store");
    }
    Update([&](TIniDocument& document) { document.SetValue(section, key, StoredValue(value)); });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::WriteFloat(std::string_view section, std::string_view key, double value)
{
    if (!std::isfinite(value)) {
        throw EIniFileError("The value of \"" + std::string(key) + "\" is not a finite number");
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    WriteString(section, key, std::string_view(buffer, result.ptr));
}

void TIniFile::EraseSection(std::string_view section)
{
    Update([&](TIniDocument& document) { document.EraseSection(section); });
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    Update([&](TIniDocument& document) { document.DeleteKey(section, key); });
}
