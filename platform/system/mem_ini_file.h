#pragma once

#include "platform/system/ini_file.h"

// An INI file read once, as a whole, when the object is made (language files, tool version files), or an
// INI text with no file behind it (skin texts). The encoding follows the byte-order mark (UTF-8, UTF-16 LE
// or BE); without one the file is UTF-8, or Windows-1252 when it is not valid UTF-8. Values read as they
// stand after "=", without the blanks around them: quotes are not removed and there is no length limit,
// unlike TIniFile. Writes change the text in memory only, never the file.
class TMemIniFile : public TCustomIniFile
{
public:
    explicit TMemIniFile(std::string fileName);

    // Replaces the whole text with these lines (each may itself hold line ends, which split it).
    void SetStrings(const std::vector<std::string>& lines);
    // The lines of the text as they stand now, written keys included.
    std::vector<std::string> GetStrings() const;

    // A value is stored as it stands, so blanks at its ends do not read back. Names or values that the text
    // cannot hold raise EIniFileError and change nothing.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    // 1 or 0.
    void WriteBool(std::string_view section, std::string_view key, bool value);

protected:
    std::shared_ptr<const TIniDocument> Document() const override { return FDocument; }

private:
    std::shared_ptr<TIniDocument> FDocument;
};
