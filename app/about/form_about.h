#pragma once

#include "app/model/about_text.h"
#include "engine/forms/window_looks.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/keys.h"

#include <string>

class TAction;
class TActionList;
class TVhHTMLText2;

// What the about window tells of the program and of the projects it uses, the donation text aside (that
// comes from the string table).
TAboutValues ProgramAboutValues();

// The about window: one label in the HTML-like tag language, a template filled with the program's name
// and version, the encoder and the MediaInfo library, the other projects the program uses and their
// licences. Created once at start by the main window (its owner) and shown by its About command; Esc and
// the About command's own key close it.
class TFormAbout : public TForm
{
public:
    TFormAbout(TComponent* owner, const TWindowLooks& looks, TAboutValues values = ProgramAboutValues());

    // The key that closes the window besides Esc: the main window's About key.
    void SetCloseShortCut(TShortCut shortCut);
    // The caption and the filled text (the donation text in the current language).
    void SetLang();
    void actCloseExecute(TObject* sender);
    void actEscExecute(TObject* sender);

    TVhHTMLText2* Label() const { return htt; }
    // The template the label's text is filled from.
    const std::string& httText() const { return FTemplate; }

private:
    void BuildLabel();

    TAboutValues FValues;
    std::string FTemplate;
    TVhHTMLText2* htt = nullptr;
    TActionList* Actions = nullptr;
    TAction* actEsc = nullptr;
    TAction* actClose = nullptr;
};
