#include "engine/language_files.h"

#include "engine/app_strings.h"
#include "platform/system/mem_ini_file.h"
#include "support/file_search.h"
#include "support/files.h"
#include "support/text_routines.h"
#include "support/utf8.h"

#include <algorithm>
#include <vector>

namespace {

std::string ComparableName(std::string_view name)
{
    return Utf8UpperCase(Trim(name));
}

std::string NameWithoutFolder(const std::string& fileName)
{
    const size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

// The first item whose name, as nameOf gives it, equals the wanted name ignoring case and blanks.
template <class NameOf>
TLangIniListItem* FindItem(std::deque<TLangIniListItem>& items, std::string_view wantedName, NameOf nameOf)
{
    const std::string wanted = ComparableName(wantedName);
    for (TLangIniListItem& item : items) {
        if (ComparableName(nameOf(item)) == wanted)
            return &item;
    }
    return nullptr;
}

} // namespace

void TLangIniList::AddIniFilesFromDir(const std::string& dir, std::string_view ext)
{
    if (!DirExists(dir))
        return;
    if (ext.starts_with('.'))
        ext.remove_prefix(1);
    std::vector<std::string> files;
    SearchFiles("*." + std::string(ext), dir, files, 0, true, true);
    std::sort(files.begin(), files.end(),
              [](const std::string& a, const std::string& b) { return CompareTextIgnoreCase(a, b) < 0; });
    for (const std::string& file : files) {
        const TMemIniFile ini(file);
        const std::string displayName = ini.ReadString(FSectionWithDisplayName, FDisplayNameID, "");
        if (displayName.empty())
            continue;
        TLangIniListItem& item = Add();
        item.FileName = file;
        item.DisplayName = displayName;
        item.LangName_InEnglish =
            ini.ReadString(FSectionWithDisplayName, std::string(LangNameInEnglishKey), "");
        item.LangName_Native = ini.ReadString(FSectionWithDisplayName, std::string(LangNameNativeKey), "");
    }
}

TLangIniListItem* TLangIniList::GetItemByNativeName(std::string_view nativeName)
{
    return FindItem(FItems, nativeName, [](const TLangIniListItem& item) { return item.LangName_Native; });
}

TLangIniListItem* TLangIniList::GetItemByShortFileName(std::string_view shortFileName)
{
    return FindItem(FItems, shortFileName,
                    [](const TLangIniListItem& item) { return NameWithoutFolder(item.FileName); });
}

TLangIniListItem& TLangIniList::Add()
{
    return FItems.emplace_back();
}
