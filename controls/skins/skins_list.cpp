#include "controls/skins/skins_list.h"

#include "support/text_routines.h"

#include <strings.h>

namespace {

// The value of the first line, in whatever section, whose name part (the text before "=") is name,
// compared without regard to case.
std::string ValueOfFirst(const TStrings& lines, std::string_view name)
{
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = lines.Get(i);
        const size_t equals = line.find('=');
        if (equals == name.size() && strncasecmp(line.data(), name.data(), name.size()) == 0) {
            return line.substr(equals + 1);
        }
    }
    return {};
}

// A text's skin name: the "Name" line as the skin text writes it ("Name = main", name part "Name "), else
// one written without the blank.
std::string SkinNameOf(const TStrings& lines)
{
    std::string name = ValueOfFirst(lines, "Name ");
    if (name.empty()) {
        name = ValueOfFirst(lines, "Name");
    }
    return Trim(name);
}

} // namespace

TQvSkinsList::~TQvSkinsList()
{
    while (Count() > 0) {
        Delete(0);
    }
}

int TQvSkinsList::AddSkin(const std::string& skinName, TQvSkinOptionsClass skinClass)
{
    auto entry = std::make_unique<TQvSkinsListEntry>();
    entry->SkinClass = skinClass;
    return AddEntry(skinName, std::move(entry));
}

int TQvSkinsList::AddSkin(const TStrings& skinOptions)
{
    try {
        auto entry = std::make_unique<TQvSkinsListEntry>();
        entry->SkinStrings = std::make_unique<TStringList>();
        const std::string name = SkinNameOf(skinOptions);
        if (name.empty() || IndexOf(name) >= 0) {
            return -1;
        }
        entry->SkinStrings->AddStrings(skinOptions);
        return AddEntry(name, std::move(entry));
    } catch (const std::exception&) {
        return -1;
    }
}

int TQvSkinsList::AddEntry(const std::string& skinName, std::unique_ptr<TQvSkinsListEntry> entry)
{
    if (skinName.empty() || IndexOf(skinName) >= 0) {
        return -1;
    }
    try {
        const int index = AddObject(skinName, entry.get());
        entry.release();
        return index;
    } catch (const std::exception&) {
        return -1;
    }
}

TQvSkinsListEntry* TQvSkinsList::GetSkinOption(int index) const
{
    return static_cast<TQvSkinsListEntry*>(GetObject(index));
}

void TQvSkinsList::Delete(int index)
{
    if (index >= 0 && index < Count()) {
        delete GetSkinOption(index);
        PutObject(index, nullptr);
    }
    TStringList::Delete(index);
}
