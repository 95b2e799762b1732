#pragma once

#include "controls/skins/skin_options.h"
#include "controls/skins/skins_list.h"
#include "platform/gui/core/classes.h"

#include <memory>
#include <string>
#include <vector>

class TCustomStyleServices;

// The program's one skin manager: the current skin, the registered skins, and the objects to tell when the
// skin changes. A new skin is built and loaded in full before it replaces the current one; whoever paints
// holds the skin it asked for (a shared reference) for the rest of its run, so a replaced skin lives until
// its last user lets go. Everything here belongs to the user-interface thread.
class TQvSkinManager : public TObject
{
public:
    TQvSkinManager();
    ~TQvSkinManager() override;

    std::shared_ptr<TQvSkinOptions> CurrentSkin() const { return FCurrentSkin; }
    bool IsCurrentSkin(const TQvSkinOptions* skin) const { return FCurrentSkin.get() == skin; }
    const std::string& CurrentSkinName() const { return FCurrentSkin->SkinName(); }
    TQvSkinsList& SkinsList() { return *FSkinsList; }

    // Registered objects receive WM_SKINCHANGED through Dispatch; an object is listed once.
    void AddSkinNotification(TObject* object);
    void RemoveSkinNotification(TObject* object);
    // WM_SKINCHANGED to every registered object (those that unregister meanwhile are skipped), then
    // OnSkinChange.
    void BroadcastSkinNotification();

    // sknSkin while the current skin is not the default one, else the platform theme's state
    // (skin_type.cpp).
    TQvSkinType GetSkinType() const;
    // The current skin is named "Default" (case counts).
    bool IsDefaultSkin() const;
    static bool IsXPThemesEnabled();

    // Makes the named skin current: nothing when it is current already or not registered; "Default" or an
    // empty name selects the default skin. A text skin that cannot be read raises ESkinError; the default
    // skin is then current, and everyone has been told once.
    void SetSkin(const std::string& skinName);
    void SetToDefaultSkin();

    // Fired after every broadcast, with the manager as sender.
    TNotifyEvent OnSkinChange;

private:
    void MakeCurrent(std::shared_ptr<TQvSkinOptions> skin);
    // Falls back to a fresh default skin after a failed selection and tells everyone once.
    void RecoverToDefaultSkin();
    std::shared_ptr<TQvSkinOptions> LoadTextSkin(const std::string& registeredName, const TStrings& text);

    std::shared_ptr<TQvSkinOptions> FCurrentSkin;
    std::vector<TObject*> FNotifications; // not owned
    std::unique_ptr<TQvSkinsList> FSkinsList;
};

// The skin manager, made on first use.
TQvSkinManager& GetSkinManager();
// The skin in force; keep the reference while painting with it.
std::shared_ptr<TQvSkinOptions> GetCurrentSkin();
// The platform's active style services, through which the themed paths go (skin_type.cpp).
TCustomStyleServices& ActiveStyleServices();
