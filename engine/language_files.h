#pragma once

#include <deque>
#include <string>
#include <string_view>

// The language files found in the language folder, for the language choice of the main and options
// windows.

struct TLangIniListItem
{
    std::string FileName; // full path of the language file
    std::string LangName_InEnglish;
    std::string LangName_Native;
    std::string DisplayName; // the value of the display-name key
};

class TLangIniList
{
public:
    // Section holding the names, and the key whose non-empty value admits a file to the list.
    std::string SectionWithDisplayName() const { return FSectionWithDisplayName; }
    void SetSectionWithDisplayName(std::string section) { FSectionWithDisplayName = std::move(section); }
    std::string DisplayNameID() const { return FDisplayNameID; }
    void SetDisplayNameID(std::string key) { FDisplayNameID = std::move(key); }

    // Adds an item for every file of the folder itself (not its sub-folders) with the extension (given
    // with or without its dot) whose display-name key holds a value; files in name order. An absent folder
    // adds nothing.
    void AddIniFilesFromDir(const std::string& dir, std::string_view ext);

    // The first item whose native name, or whose file name without folder, equals the name; letter case
    // and surrounding blanks are ignored. nullptr when none matches.
    TLangIniListItem* GetItemByNativeName(std::string_view nativeName);
    TLangIniListItem* GetItemByShortFileName(std::string_view shortFileName);

    TLangIniListItem& Add();
    TLangIniListItem& GetItem(int index) { return FItems.at(static_cast<size_t>(index)); }
    int Count() const { return static_cast<int>(FItems.size()); }
    void Clear() { FItems.clear(); }

private:
    std::string FSectionWithDisplayName;
    std::string FDisplayNameID;
    std::deque<TLangIniListItem> FItems; // a deque keeps handed-out item references valid on Add
};
