#include "platform/system/ini_document.h"

#include "platform/system/file_io.h"
#include "support/text_file_encoding.h"
#include "support/utf8.h"

#include <algorithm>

namespace {

std::string_view Trim(std::string_view text)
{
    constexpr std::string_view blanks = " \t";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The length of the line end at position end: CR LF, a bare CR or LF; 0 at the end of the text.
size_t LineEndLength(std::string_view text, size_t end)
{
    if (end >= text.size()) {
        return 0;
    }
    return text.substr(end, 2) == "\r\n" ? 2 : 1;
}

} // namespace

TIniDocument TIniDocument::FromFileBytes(std::string_view bytes)
{
    TIniDocument document;
    TTextEncoding encoding = TTextEncoding::Default;
    const std::string text = DecodeTextFile(bytes, encoding);
    document.FByteOrderMark = encoding != TTextEncoding::Default;
    const std::string_view view = text;
    size_t start = 0;
    while (start < view.size()) {
        const size_t end = std::min(view.find_first_of("\r\n", start), view.size());
        const size_t lineEnd = LineEndLength(view, end);
        if (document.FLines.empty() && lineEnd > 0) {
            document.FLineEnd = view.substr(end, lineEnd);
        }
        document.FLines.push_back(ParseLine(view.substr(start, end - start)));
        start = end + lineEnd;
    }
    return document;
}

TIniDocument TIniDocument::FromFile(const std::string& fileName)
{
    std::string bytes;
    ReadFileBytes(fileName, bytes);
    return FromFileBytes(bytes);
}

std::string TIniDocument::ToFileBytes() const
{
    std::string text;
    for (const TLine& line : FLines) {
        text += line.Text;
        text += FLineEnd;
    }
    return EncodeTextFile(text, FByteOrderMark ? TTextEncoding::UTF8 : TTextEncoding::Default);
}

std::vector<std::string> TIniDocument::LineTexts() const
{
    std::vector<std::string> texts;
    texts.reserve(FLines.size());
    for (const TLine& line : FLines) {
        texts.push_back(line.Text);
    }
    return texts;
}

TIniDocument::TLine TIniDocument::ParseLine(std::string_view text)
{
    TLine line;
    line.Text = text;
    const std::string_view trimmed = Trim(text);
    if (trimmed.starts_with(';')) {
        line.Kind = TLineKind::Comment;
    } else if (trimmed.starts_with('[')) {
        line.Kind = TLineKind::Section;
        line.Name = Trim(trimmed.substr(1, trimmed.find(']') - 1));
    } else if (const size_t equals = trimmed.find('='); equals != std::string_view::npos) {
        line.Name = Trim(trimmed.substr(0, equals));
        line.Value = Trim(trimmed.substr(equals + 1));
        line.Kind = line.Name.empty() ? TLineKind::Other : TLineKind::Key;
    }
    return line;
}

TIniDocument::TLine TIniDocument::KeyLine(std::string_view key, std::string_view valueText)
{
    return ParseLine(std::string(key) + "=" + std::string(valueText));
}

std::vector<size_t> TIniDocument::LinesOfSection(std::string_view section) const
{
    std::vector<size_t> result;
    bool inside = false;
    for (size_t i = 0; i < FLines.size(); ++i) {
        if (FLines[i].Kind == TLineKind::Section) {
            inside = SameTextIgnoreCase(FLines[i].Name, Trim(section));
        }
        if (inside) {
            result.push_back(i);
        }
    }
    return result;
}

std::optional<size_t> TIniDocument::FindKey(std::string_view section, std::string_view key) const
{
    for (const size_t i : LinesOfSection(section)) {
        if (FLines[i].Kind == TLineKind::Key && SameTextIgnoreCase(FLines[i].Name, Trim(key))) {
            return i;
        }
    }
    return std::nullopt;
}

std::string TIniDocument::IndexName(std::string_view section, std::string_view key)
{
    return Utf8UpperCase(Trim(section)) + '\0' + Utf8UpperCase(Trim(key));
}

std::optional<size_t> TIniDocument::IndexedKey(std::string_view section, std::string_view key) const
{
    if (!FKeyIndexBuilt) {
        FKeyIndex.clear();
        std::string_view current;
        bool inSection = false;
        for (size_t i = 0; i < FLines.size(); ++i) {
            if (FLines[i].Kind == TLineKind::Section) {
                current = FLines[i].Name;
                inSection = true;
            } else if (FLines[i].Kind == TLineKind::Key && inSection) {
                FKeyIndex.emplace(IndexName(current, FLines[i].Name), i);
            }
        }
        FKeyIndexBuilt = true;
    }
    const auto found = FKeyIndex.find(IndexName(section, key));
    return found == FKeyIndex.end() ? std::nullopt : std::optional<size_t>(found->second);
}

std::optional<std::string> TIniDocument::Value(std::string_view section, std::string_view key) const
{
    if (const auto i = IndexedKey(section, key)) {
        return FLines[*i].Value;
    }
    return std::nullopt;
}

bool TIniDocument::HasSection(std::string_view section) const
{
    return !LinesOfSection(section).empty();
}

std::vector<std::string> TIniDocument::SectionNames() const
{
    std::vector<std::string> names;
    for (const TLine& line : FLines) {
        const auto same = [&](const std::string& name) { return SameTextIgnoreCase(name, line.Name); };
        if (line.Kind == TLineKind::Section && std::none_of(names.begin(), names.end(), same)) {
            names.push_back(line.Name);
        }
    }
    return names;
}

std::vector<std::string> TIniDocument::KeyNames(std::string_view section) const
{
    std::vector<std::string> names;
    for (const size_t i : LinesOfSection(section)) {
        const auto same = [&](const std::string& name) { return SameTextIgnoreCase(name, FLines[i].Name); };
        if (FLines[i].Kind == TLineKind::Key && std::none_of(names.begin(), names.end(), same)) {
            names.push_back(FLines[i].Name);
        }
    }
    return names;
}

void TIniDocument::SetValue(std::string_view section, std::string_view key, std::string_view valueText)
{
    FKeyIndexBuilt = false;
    if (const auto i = FindKey(section, key)) {
        FLines[*i] = KeyLine(FLines[*i].Name, valueText);
        return;
    }
    const std::vector<size_t> lines = LinesOfSection(section);
    if (!lines.empty()) {
        size_t insertAfter = lines.front();
        for (const size_t i : lines) {
            if (i != lines.front() && FLines[i].Kind == TLineKind::Section) {
                break; // the end of the section's first part
            }
            if (FLines[i].Kind == TLineKind::Key) {
                insertAfter = i;
            }
        }
        FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(insertAfter) + 1,
                      KeyLine(Trim(key), valueText));
        return;
    }
    if (!FLines.empty() && !Trim(FLines.back().Text).empty()) {
        FLines.push_back(ParseLine(""));
    }
    FLines.push_back(ParseLine("[" + std::string(Trim(section)) + "]"));
    FLines.push_back(KeyLine(Trim(key), valueText));
}

void TIniDocument::EraseSection(std::string_view section)
{
    FKeyIndexBuilt = false;
    const std::vector<size_t> lines = LinesOfSection(section);
    for (auto i = lines.rbegin(); i != lines.rend(); ++i) {
        FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(*i));
    }
}

void TIniDocument::DeleteKey(std::string_view section, std::string_view key)
{
    FKeyIndexBuilt = false;
    while (const auto i = FindKey(section, key)) {
        FLines.erase(FLines.begin() + static_cast<std::ptrdiff_t>(*i));
    }
}
