#include "skin_menu_fixture.h"

#include "controls/skins/built_in_skins.h"
#include "platform/gui/graphics/theme.h"

#include <cctype>

TFileListMenu MakeFileListMenu(TComponent* owner)
{
    TFileListMenu m;
    m.Menu = new TQvPopupMenu(owner);
    m.Menu->SetImages(MakeTestImages(owner));
    for (int i = 0; i < 40; ++i) {
        TQvItem* entry = i == 9 ? new TQvSubmenuItem(owner) : new TQvItem(owner);
        entry->SetCaption(i == 9 ? "&Move to" : "Entry &" + std::to_string(i + 1));
        entry->SetImageIndex(i % 7 == 6 ? -1 : i % 6);
        m.Menu->Items()->Add(entry);
        m.Entries.push_back(entry);
    }
    m.Entries[2]->SetCaption("&Convert\tCtrl+S");
    m.Entries[3]->SetChecked(true);
    m.Entries[4]->SetEnabled(false);
    m.Submenu = static_cast<TQvSubmenuItem*>(m.Entries[9]);
    for (const char* caption : {"&Top", "&Up", "&Down"}) {
        auto* entry = new TQvItem(owner);
        entry->SetCaption(caption);
        m.Submenu->Add(entry);
        m.SubEntries.push_back(entry);
    }
    return m;
}

std::string PictureName(const std::string& skin)
{
    std::string name = skin;
    for (char& c : name)
        c = c == ' ' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

void SkinnedMenuFixture::SetUp()
{
    MenuFixture::SetUp();
    RegisterBuiltInSkins();
    Manager().SetSkin("");
}

void SkinnedMenuFixture::TearDown()
{
    MenuFixture::TearDown();
    SetThemesEnabled(true);
    Manager().SetSkin("");
}
