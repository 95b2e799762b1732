#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The lines of an INI file in order: section headers, keys, comments and everything else. Reads look keys
// up by name, ignoring case; a change rewrites, inserts or removes only the lines it concerns, so that
// comments, blank lines and keys nobody asked for stay where they were.
//
// Lines end in CR LF, LF or a bare CR, mixed as they come. A section header is a line starting with "[" (its
// name runs to the first "]"); a comment starts with ";"; a key line holds "=" after a non-empty name. Blanks
// (spaces, tabs) around names and values do not count. Keys before the first header belong to no section. A
// section name that occurs more than once names one section made of all its parts; the first key of a name
// wins.
class TIniDocument
{
public:
    // Decodes file bytes: a UTF-8, UTF-16 LE or UTF-16 BE byte-order mark decides the encoding; without
    // one the text is UTF-8, or Windows-1252 when it is not valid UTF-8.
    static TIniDocument FromFileBytes(std::string_view bytes);
    // The file's text; empty when the file is missing or cannot be read.
    static TIniDocument FromFile(const std::string& fileName);

    // The file's bytes: UTF-8, with a UTF-8 byte-order mark when the bytes read had any, and the first line
    // end of the bytes read on every line (LF for a new file).
    std::string ToFileBytes() const;
    // The lines as they stand, without their line ends.
    std::vector<std::string> LineTexts() const;

    // The value as written after "=" with the blanks around it removed, or nothing when the key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // Names in file order, each once, spelt as first met.
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Sets the text after "=" of the section's first key of that name; a new key goes after the last key
    // of the section's first part, a new section at the end of the file.
    void SetValue(std::string_view section, std::string_view key, std::string_view valueText);
    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);

private:
    enum class TLineKind
    {
        Other,
        Comment,
        Section,
        Key
    };

    struct TLine
    {
        TLineKind Kind = TLineKind::Other;
        std::string Text;
        std::string Name;  // section or key name, trimmed
        std::string Value; // key value, trimmed
    };

    static TLine ParseLine(std::string_view text);
    static TLine KeyLine(std::string_view key, std::string_view valueText);
    // Index of every line that belongs to the section, its headers included, in order.
    std::vector<size_t> LinesOfSection(std::string_view section) const;
    std::optional<size_t> FindKey(std::string_view section, std::string_view key) const;
    // The line of a section's first key of a name, as FindKey finds it, through an index built at the
    // first read after a change: a language file reads its hundreds of keys one by one.
    std::optional<size_t> IndexedKey(std::string_view section, std::string_view key) const;
    static std::string IndexName(std::string_view section, std::string_view key);

    std::vector<TLine> FLines;
    mutable std::unordered_map<std::string, size_t> FKeyIndex;
    mutable bool FKeyIndexBuilt = false;
    bool FByteOrderMark = false;
    std::string FLineEnd = "\n";
};
