#include "controls/skins/skin_manager.h"

#include "controls/skins/skin_error.h"
#include "platform/gui/windows/messages.h"

#include <algorithm>
#include <strings.h>

namespace {

bool SameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

// Frees the manager when the program ends; a call after that makes a new one.
struct TSkinManagerHolder
{
    TQvSkinManager* Manager = nullptr;
    ~TSkinManagerHolder()
    {
        delete Manager;
        Manager = nullptr;
    }
};
TSkinManagerHolder SkinManagerHolder;

} // namespace

TQvSkinManager::TQvSkinManager()
    : FCurrentSkin(std::make_shared<TQvSkinOptions>()), FSkinsList(std::make_unique<TQvSkinsList>())
{}

TQvSkinManager::~TQvSkinManager() = default;

void TQvSkinManager::AddSkinNotification(TObject* object)
{
    if (std::find(FNotifications.begin(), FNotifications.end(), object) == FNotifications.end()) {
        FNotifications.push_back(object);
    }
}

void TQvSkinManager::RemoveSkinNotification(TObject* object)
{
    const auto it = std::find(FNotifications.begin(), FNotifications.end(), object);
    if (it != FNotifications.end()) {
        FNotifications.erase(it);
    }
}

void TQvSkinManager::BroadcastSkinNotification()
{
    // A handler may free or unregister other controls (or itself): walk a copy, and pass over whoever has
    // left the list since.
    const std::vector<TObject*> targets = FNotifications;
    for (TObject* target : targets) {
        if (std::find(FNotifications.begin(), FNotifications.end(), target) == FNotifications.end()) {
            continue;
        }
        TMessage message;
        message.Msg = WM_SKINCHANGED;
        target->Dispatch(message);
    }
    if (OnSkinChange) {
        OnSkinChange(this);
    }
}

bool TQvSkinManager::IsDefaultSkin() const
{
    return CurrentSkinName() == "Default";
}

void TQvSkinManager::SetSkin(const std::string& skinName)
{
    const std::string& current = CurrentSkinName();
    if (skinName.empty() ? current.empty() : SameText(skinName, current)) {
        return;
    }
    if (skinName.empty() || SameText(skinName, "Default")) {
        SetToDefaultSkin();
        return;
    }
    const int index = FSkinsList->IndexOf(skinName);
    if (index < 0) {
        return;
    }
    const TQvSkinsListEntry* entry = FSkinsList->GetSkinOption(index);
    if (entry->SkinClass) {
        std::shared_ptr<TQvSkinOptions> skin;
        try {
            skin = entry->SkinClass->Create();
        } catch (...) {
            RecoverToDefaultSkin();
            throw;
        }
        MakeCurrent(std::move(skin));
        BroadcastSkinNotification();
    } else if (entry->SkinStrings) {
        MakeCurrent(LoadTextSkin(FSkinsList->Strings(index), *entry->SkinStrings));
        // A text skin is announced twice, as its text is taken in and as it is selected: handlers that
        // count skin changes have always seen both.
        BroadcastSkinNotification();
        BroadcastSkinNotification();
    }
}

std::shared_ptr<TQvSkinOptions> TQvSkinManager::LoadTextSkin(const std::string& registeredName,
                                                             const TStrings& text)
{
    auto skin = std::make_shared<TQvSkinOptions>();
    try {
        skin->LoadFromStrings(text);
    } catch (const ESkinError& error) {
        RecoverToDefaultSkin();
        throw ESkinError(registeredName, error.Section(), error.Key(), error.Value());
    } catch (...) {
        RecoverToDefaultSkin();
        throw;
    }
    return skin;
}

void TQvSkinManager::SetToDefaultSkin()
{
    if (IsDefaultSkin()) {
        return;
    }
    MakeCurrent(std::make_shared<TQvSkinOptions>());
    BroadcastSkinNotification();
}

void TQvSkinManager::RecoverToDefaultSkin()
{
    MakeCurrent(std::make_shared<TQvSkinOptions>());
    BroadcastSkinNotification();
}

void TQvSkinManager::MakeCurrent(std::shared_ptr<TQvSkinOptions> skin)
{
    FCurrentSkin = std::move(skin);
}

TQvSkinManager& GetSkinManager()
{
    if (!SkinManagerHolder.Manager) {
        SkinManagerHolder.Manager = new TQvSkinManager();
    }
    return *SkinManagerHolder.Manager;
}

std::shared_ptr<TQvSkinOptions> GetCurrentSkin()
{
    return GetSkinManager().CurrentSkin();
}
