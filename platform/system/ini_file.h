#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class TIniDocument;

// A write to an INI file failed (folder missing, no permission, a name or value the format cannot hold).
// The file is then unchanged.
class EIniFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// What every INI reader offers. Section and key names ignore letter case. Reading a missing or unreadable
// file gives the defaults.
class TCustomIniFile
{
public:
    explicit TCustomIniFile(std::string fileName);
    virtual ~TCustomIniFile();

    const std::string& FileName() const { return FFileName; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal, or hexadecimal after "$" or "0x", with an optional sign, in the 32-bit range; any other text
    // gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // True for a non-zero integer; the default when the text is not an integer.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // Accepts "." or "," as the decimal separator; the default when the text is not a number.
    double ReadFloat(std::string_view section, std::string_view key, double defaultValue) const;

    // A section exists when its header is in the file, even without keys.
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The section's key names in file order.
    std::vector<std::string> ReadSection(std::string_view section) const;
    std::vector<std::string> ReadSections() const;
    // "key=value" for every key of the section, the value as ReadString gives it.
    std::vector<std::string> ReadSectionValues(std::string_view section) const;

protected:
    // Raises EIniFileError when the names or the value cannot be stored: a line break or bytes that are not
    // UTF-8 anywhere, a key name that is empty, holds "=" or starts with "[" or ";", a section name with "]".
    void CheckWritable(std::string_view section, std::string_view key, std::string_view value) const;
    // The text that reads work on.
    virtual std::shared_ptr<const TIniDocument> Document() const = 0;
    // How a stored value (trimmed) reads.
    virtual std::string ReadableValue(std::string storedValue) const { return storedValue; }

private:
    std::string FFileName;
};

// An INI file with the rules of the platform's profile files: every read and write goes to the file, one key
// at a time; one pair of surrounding double or single quotes is removed from a value read, and a value reads
// at most 2047 characters. A write reads the file as it is now, changes that one key and replaces the file
// as a whole (see ReplaceFileContents), leaving everything else where it was. The file is written in UTF-8.
// Work on many keys holds the file in memory instead (HoldInMemory, UpdateFile): one reading, one
// replacement.
//
// Writes store values so that they read back unchanged: a value with blanks at either end, or one enclosed in
// a pair of quotes, is written inside one more pair of double quotes. Names and values holding a line break
// or bytes that are not UTF-8, and key names holding "=" or starting with "[" or ";", cannot be stored and
// raise EIniFileError.
class TIniFile : public TCustomIniFile
{
public:
    static constexpr size_t MaxValueLength = 2047;

    explicit TIniFile(std::string fileName);

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // 1 or 0.
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // With "." as the decimal separator, as short as reads back the same number.
    void WriteFloat(std::string_view section, std::string_view key, double value);
    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);

    // Reads the file once, now: from here reads and writes work on that copy, so that many keys cost one
    // reading of the file, and UpdateFile writes all changes at once. Changes not written by UpdateFile are
    // dropped with the object. A file that exists but cannot be read reads as empty, and writes to it raise.
    void HoldInMemory();
    // Replaces the file with the held copy in one atomic step (not at all when nothing changed) and goes
    // back to working on the file key by key. Raises EIniFileError, leaving the file as it was, when it
    // cannot be written.
    void UpdateFile();

protected:
    std::shared_ptr<const TIniDocument> Document() const override;
    std::string ReadableValue(std::string storedValue) const override;

private:
    // The file's contents taken into memory by HoldInMemory.
    struct THeldFile
    {
        std::string Bytes;                      // as read, to tell whether anything changed
        int ReadError = 0;                      // errno of the reading; 0 also for a missing file
        std::shared_ptr<TIniDocument> Document; // with the changes made since
    };

    static THeldFile ReadFile(const std::string& fileName);
    template <typename Change> void Update(Change change);
    void CheckReadable(const THeldFile& file) const;
    void Replace(const THeldFile& file) const;

    std::optional<THeldFile> FHeld; // empty: reads and writes go to the file
};
