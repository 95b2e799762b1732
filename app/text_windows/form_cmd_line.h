#pragma once

#include "engine/encoder_settings.h"
#include "engine/forms/window_looks.h"
#include "engine/parameter_builders.h"
#include "platform/gui/forms/forms.h"

#include <optional>
#include <string>

class IRunHost;
class TAction;
class TActionList;
class TKvpMemoEx;

// The command line window: the encoder command line the current settings would run for the selected file,
// in the monospace font, read-only. Created once at start by the main window (its owner); the main
// window's preview command and the file list's row changes fill it and show it.
class TFormCmdLine : public TForm
{
public:
    TFormCmdLine(TComponent* owner, const TWindowLooks& looks);

    // The preview: analyses inputFile (nullopt when no row is selected), builds its command line from the
    // settings, puts it in the memo under the caption and shows the window. The host handles the messages
    // while the file is analysed and shows the builders' warnings.
    void ShowCommandLine(IRunHost& host, const std::optional<std::string>& inputFile,
                         const EncoderSettings& settings, const TBuilderEnvironment& environment);
    // The memo's text, every line followed by a line break.
    std::string CommandLineText() const;

    // The caption from the string table (after a language change too); the font stays.
    void SetLang();
    void actEscExecute(TObject* sender);

    TKvpMemoEx* Memo() const { return me; }

private:
    TKvpMemoEx* me = nullptr;
    TActionList* Actions = nullptr;
    TAction* actEsc = nullptr;
};
