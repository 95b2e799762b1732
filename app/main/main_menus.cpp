#include "app/main/form_main.h"

#include "controls/pack/png_image_list.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_popup_menu.h"
#include "controls/skins/skin_toolbar.h"
#include "platform/gui/windows/actions.h"

#include <initializer_list>

// The menus, the tool bar and the popup menus: every entry is bound to an action of the window, so that its
// caption, shortcut and enabled state live in the action. A null action stands for a separator.

namespace {

using A = TMainActions;
using TEntries = std::initializer_list<TAction * TMainActions::*>;
constexpr TAction* TMainActions::*Separator = nullptr;

class TMenuBuilder
{
public:
    explicit TMenuBuilder(TFormMain* form) : FForm(form) {}

    TBarCustomItem* Submenu(TBarCustomItem* parent, const std::string& name, const std::string& caption)
    {
        auto* submenu = new TQvSubmenuItem(FForm);
        submenu->SetName(name);
        submenu->SetCaption(caption);
        parent->Add(submenu);
        return submenu;
    }
    void Entries(TBarCustomItem* parent, TEntries entries)
    {
        for (TAction* TMainActions::*entry : entries) {
            if (entry == Separator) {
                parent->Add(new TQvSeparatorItem(FForm));
                continue;
            }
            auto* item = new TQvItem(FForm);
            item->SetAction(FForm->Actions.*entry);
            parent->Add(item);
        }
    }
    // The 27 column commands with their separators after Duration, Video stream size and Audio stream size.
    void Columns(TBarCustomItem* parent)
    {
        for (const TMainActionSpec& spec : MainActionSpecs()) {
            if (spec.Column.empty())
                continue;
            Entries(parent, {spec.Field});
            if (spec.Column == "colDuration" || spec.Column == "colVideoStreamSize" ||
                spec.Column == "colAudioStreamSize")
                Entries(parent, {Separator});
        }
    }
    TBarCustomItem* Button(TBarCustomItem* bar, const std::string& name, TAction* TMainActions::*action,
                           const std::string& caption, TBarItemDisplayMode mode = nbdmImageAndText)
    {
        auto* button = new TQvItem(FForm);
        button->SetName(name);
        button->SetAction(FForm->Actions.*action);
        button->SetCaption(caption);
        button->SetDisplayMode(mode);
        bar->Add(button);
        return button;
    }

private:
    TFormMain* FForm;
};

TQvPopupMenu* NewPopup(TFormMain* form, const std::string& name)
{
    auto* popup = new TQvPopupMenu(form);
    popup->SetName(name);
    return popup;
}

} // namespace

void TFormMain::BuildMenus()
{
    TMenuBuilder menu(this);
    TBarCustomItem* bar = tbMainMenu->Items();
    TBarCustomItem* buttons = tbMain->Items();
    // The bars lay themselves out once, when they are filled, not again at every item put in.
    bar->ViewBeginUpdate();
    buttons->ViewBeginUpdate();

    TBarCustomItem* file = menu.Submenu(bar, "mnuFile", "&File");
    menu.Entries(file, {&A::actConvert, Separator, &A::actSaveBat, Separator, &A::actShowOptions,
                        &A::actStayOnTop, Separator, &A::actMinimizeToTray, &A::actExit});

    TBarCustomItem* view = menu.Submenu(bar, "mnuView", "&View");
    menu.Entries(view, {&A::actShowProgressWindow, &A::actShowHideFileInfo, Separator,
                        &A::actShowHideFormErrors, Separator});
    menu.Columns(menu.Submenu(view, "mnuColumnsMenu", "&Columns"));

    TBarCustomItem* fileList = menu.Submenu(bar, "mnuFileList", "File &list");
    menu.Entries(fileList, {&A::actAddFiles, &A::actAddFolder, &A::actRemoveChecked, &A::actClearFileList,
                            Separator, &A::actCheckAll, &A::actUncheckAll, &A::actInvertSelection,
                            &A::actCheckSelected, &A::actUncheckSelected, Separator, &A::actLoadFileList,
                            &A::actSaveFileList, Separator, &A::actExploreDirectory});

    TBarCustomItem* encoder = menu.Submenu(bar, "mnuEncoder", "&Encoder");
    menu.Entries(encoder, {&A::actLoadProfile,
                           &A::actSaveProfile,
                           Separator,
                           &A::actSetDefaultEncoderSettings,
                           Separator,
                           &A::actCopyVideoSettings_Avi,
                           &A::actPasteVideoSettings_Avi,
                           &A::actDefaultVideoSettings_Avi,
                           Separator,
                           &A::actCopyVideoSettings_Mpg,
                           &A::actPasteVideoSettings_Mpg,
                           &A::actDefaultVideoSettings_Mpg,
                           Separator,
                           &A::actCopyAudioSettings,
                           &A::actPasteAudioSettings,
                           &A::actDefaultAudioSettings,
                           Separator,
                           &A::actCopyAdvancedSettings,
                           &A::actPasteAdvancedSettings,
                           &A::actDefaultAdvancedSettings,
                           Separator,
                           &A::actShowCmdLine,
                           Separator,
                           &A::actToolsInfo});

    TBarCustomItem* help = menu.Submenu(bar, "mnuHelp", "&Help");
    menu.Entries(help, {&A::actHelp, Separator, &A::actGoToHomePage, &A::actGoToDonation, &A::actGoToFacebook,
                        &A::actGoToTwitter, Separator, &A::actCheckUpdate, Separator, &A::actAbout});

    menu.Button(buttons, "btnAdd", &A::actAddFiles, "Add");
    menu.Button(buttons, "btnAddFolder", &A::actAddFolder, "Add folder");
    menu.Button(buttons, "btnRemove", &A::actRemoveChecked, "Remove");
    menu.Entries(buttons, {Separator});
    menu.Button(buttons, "btnConvert", &A::actConvert, "Convert");
    menu.Entries(buttons, {Separator});
    menu.Button(buttons, "btnFileInfo", &A::actShowHideFileInfo, "File info");
    menu.Button(buttons, "btnOptions", &A::actShowOptions, "Options");
    menu.Entries(buttons, {Separator});
    // These two show their picture only, also when a change of their action hands them its caption; their
    // hints are their actions'.
    menu.Button(buttons, "btnHomePage", &A::actGoToHomePage, "", nbdmDefault);
    menu.Entries(buttons, {Separator});
    menu.Button(buttons, "btnStayOnTop", &A::actStayOnTop, "", nbdmDefault);

    tbMainMenu->SetImages(ilActions);
    tbMain->SetImages(ilActions);
    buttons->ViewEndUpdate();
    bar->ViewEndUpdate();
}

void TFormMain::BuildPopups()
{
    TMenuBuilder menu(this);

    popLv = NewPopup(this, "popLv");
    menu.Entries(popLv->Items(), {&A::actConvert,
                                  Separator,
                                  &A::actAddFiles,
                                  &A::actAddFolder,
                                  &A::actRemoveChecked,
                                  &A::actClearFileList,
                                  Separator,
                                  &A::actCheckAll,
                                  &A::actUncheckAll,
                                  &A::actInvertSelection,
                                  &A::actCheckSelected,
                                  &A::actUncheckSelected,
                                  Separator,
                                  &A::actLoadFileList,
                                  &A::actSaveFileList,
                                  Separator,
                                  &A::actShowHideFileInfo,
                                  Separator,
                                  &A::actExploreDirectory,
                                  Separator});
    menu.Columns(menu.Submenu(popLv->Items(), "popColumnsSubmenu", "&Columns"));

    popTi = NewPopup(this, "popTi");
    menu.Entries(popTi->Items(), {&A::actShowHideMainWindow, Separator, &A::actExit});

    popColumns = NewPopup(this, "popColumns");
    menu.Columns(popColumns->Items());

    for (TQvPopupMenu* popup : {popLv, popTi, popColumns})
        popup->SetImages(ilActions);
}
