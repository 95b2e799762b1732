#include "app/kit/program_constants.h"
#include "app/main/form_main.h"
#include "app/main/settings_panels.h"
#include "controls/pack/basic_speed_button.h"
#include "engine/app_params.h"
#include "engine/audio_bitrates.h"
#include "engine/tool_discovery.h"
#include "platform/gui/services/shell.h"
#include "support/files.h"
#include "support/text_routines.h"

#include <filesystem>

// The "Info" buttons of the settings panels: each opens a reference with the desktop's opener.

void TFormMain::BindInfoButtons()
{
    FPanels->btnInfoAudioBitrates->OnClick = [this](TObject* sender) { btnInfoAudioBitratesClick(sender); };
    FPanels->btnInfoFourcc->OnClick = [this](TObject* sender) { btnInfoFourccClick(sender); };
    FPanels->btnFFParams->OnClick = [this](TObject* sender) { btnFFParamsClick(sender); };
    // Without an address the video tag reference has nothing to open.
    FPanels->btnInfoFourcc->SetVisible(!WebAddresses().VideoTagReference.empty());
}

void TFormMain::btnInfoAudioBitratesClick(TObject*)
{
    // The table is written afresh each time; a file left from an earlier run would show a stale table as if
    // it were the current one, so a failed write opens nothing.
    const std::string& fileName = AppParams.AudioBitratesTxt;
    std::error_code ignored; // a folder that cannot be made shows as the file that cannot be written
    std::filesystem::create_directories(std::filesystem::path(fileName).parent_path(), ignored);
    if (!GetAudioBitrateInfoText(AudioBitrateTable, fileName)) {
        ShowError("The file \"" + fileName + "\" could not be written.");
        return;
    }
    Shell().Open(fileName);
}

void TFormMain::btnInfoFourccClick(TObject*)
{
    const std::string_view address = WebAddresses().VideoTagReference;
    if (!address.empty())
        Shell().Open(std::string(address));
}

void TFormMain::btnFFParamsClick(TObject*)
{
    const std::string encoder = GetFFmpegExePath(AppParams);
    if (encoder.empty())
        return;
    const std::string folder =
        ExcludeTrailingDotAndDelimiter(std::filesystem::path(encoder).parent_path().string());
    const std::string help = folder + "/ffmpeg_HELP_long.txt";
    if (FileExists(help))
        Shell().Open(help);
}
