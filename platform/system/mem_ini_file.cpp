#include "platform/system/mem_ini_file.h"

#include "platform/system/ini_document.h"

TMemIniFile::TMemIniFile(std::string fileName)
    : TCustomIniFile(std::move(fileName)),
      FDocument(std::make_shared<TIniDocument>(TIniDocument::FromFile(FileName())))
{}

void TMemIniFile::SetStrings(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    FDocument = std::make_shared<TIniDocument>(TIniDocument::FromFileBytes(text));
}

std::vector<std::string> TMemIniFile::GetStrings() const
{
    return FDocument->LineTexts();
}

void TMemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    CheckWritable(section, key, value);
    FDocument->SetValue(section, key, value);
}

void TMemIniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void TMemIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}
