#include "platform/system/ini_file.h"

#include "platform/system/file_io.h"
#include "platform/system/ini_document.h"
#include "platform/system/os_error.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

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

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
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
    int32_t value = defaultValue;
    TryStringToInt(ReadString(section, key, ""), value);
    return value;
}

bool TCustomIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double TCustomIniFile::ReadFloat(std::string_view section, std::string_view key, double defaultValue) const
{
    return StrToFloatTolerant(ReadString(section, key, ""), defaultValue);
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
    if (FHeld) {
        return FHeld->Document;
    }
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

TIniFile::THeldFile TIniFile::ReadFile(const std::string& fileName)
{
    THeldFile file;
    file.ReadError = ReadFileBytes(fileName, file.Bytes);
    if (file.ReadError == ENOENT) {
        file.ReadError = 0;
    }
    file.Document = std::make_shared<TIniDocument>(TIniDocument::FromFileBytes(file.Bytes));
    return file;
}

template <typename Change> void TIniFile::Update(Change change)
{
    if (FHeld) {
        CheckReadable(*FHeld);
        change(*FHeld->Document);
        return;
    }
    const THeldFile file = ReadFile(FileName());
    CheckReadable(file);
    change(*file.Document);
    Replace(file);
}

// A file that could not be read is never replaced: what it holds would be lost.
void TIniFile::CheckReadable(const THeldFile& file) const
{
    if (file.ReadError != 0) {
        throw EIniFileError("Cannot read the INI file \"" + FileName() +
                            "\": " + std::strerror(file.ReadError));
    }
}

void TIniFile::Replace(const THeldFile& file) const
{
    const std::string changed = file.Document->ToFileBytes();
    if (changed == file.Bytes) {
        return;
    }
    try {
        ReplaceFileContents(FileName(), changed);
    } catch (const EOSError& e) {
        throw EIniFileError(e.what());
    }
}

void TIniFile::HoldInMemory()
{
    FHeld = ReadFile(FileName());
}

void TIniFile::UpdateFile()
{
    if (!FHeld) {
        return;
    }
    const THeldFile file = std::move(*FHeld);
    FHeld.reset();
    Replace(file);
}

void TCustomIniFile::CheckWritable(std::string_view section, std::string_view key,
                                   std::string_view value) const
{
    const size_t keyStart = key.find_first_not_of(" \t");
    const bool badKey = keyStart == std::string_view::npos || HasLineBreak(key) ||
                        key.find('=') != std::string_view::npos || key[keyStart] == '[' ||
                        key[keyStart] == ';';
    const bool badSection = HasLineBreak(section) || section.find(']') != std::string_view::npos;
    if (badKey || badSection || !IsValidUtf8(section) || !IsValidUtf8(key)) {
        throw EIniFileError("The name \"" + std::string(section) + "\" / \"" + std::string(key) +
                            "\" cannot be stored in the INI file \"" + FileName() + "\"");
    }
    // Bytes that are not UTF-8 would make the whole file read as Windows-1252 and change every other value.
    if (HasLineBreak(value) || !IsValidUtf8(value)) {
        throw EIniFileError("The value of \"" + std::string(key) +
                            "\" holds a line break or is not UTF-8 text, which the INI file \"" + FileName() +
                            "\" cannot store");
    }
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    CheckWritable(section, key, value);
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
