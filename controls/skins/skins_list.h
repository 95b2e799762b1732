#pragma once

#include "controls/skins/skin_options.h"
#include "platform/gui/core/strings.h"

#include <memory>
#include <optional>
#include <string>

// A class of skin as the skins list registers it: makes a skin of that class with its table filled.
class TQvSkinOptionsClass
{
public:
    using TMaker = std::shared_ptr<TQvSkinOptions> (*)();

    template <typename T> static TQvSkinOptionsClass Of() { return TQvSkinOptionsClass(&NewSkin<T>); }
    std::shared_ptr<TQvSkinOptions> Create() const { return FMake(); }

private:
    explicit TQvSkinOptionsClass(TMaker make) : FMake(make) {}
    TMaker FMake;
};

// One registered skin: a class, or a private copy of a skin text.
class TQvSkinsListEntry : public TObject
{
public:
    std::optional<TQvSkinOptionsClass> SkinClass;
    std::unique_ptr<TStringList> SkinStrings;
};

// The registered skins in order of registration: each string a name, each object its entry (owned). Names
// are looked up without regard to case.
class TQvSkinsList : public TStringList
{
public:
    ~TQvSkinsList() override;

    // Registers a class under a name; -1 when the name is empty or already listed.
    int AddSkin(const std::string& skinName, TQvSkinOptionsClass skinClass);
    // Registers a copy of a skin text under the value of its "Name" line; -1 when that is empty or already
    // listed.
    int AddSkin(const TStrings& skinOptions);
    TQvSkinsListEntry* GetSkinOption(int index) const;
    // Frees the entry with the name.
    void Delete(int index) override;

private:
    int AddEntry(const std::string& skinName, std::unique_ptr<TQvSkinsListEntry> entry);
};
