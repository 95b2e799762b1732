#pragma once

#include "engine/app_params.h"
#include "engine/encoder_settings.h"
#include "engine/run_options.h"
#include "engine/window_layout.h"
#include "support/basic_types.h"

#include <cstdint>
#include <string>

// The settings file (AppParams.IniName): the window layout, the output options, the program options of
// AppParams and the shown output format, in the sections "MAIN" and "PROGRESS". The encoder settings
// themselves live in the last-session profile.

// What the file holds besides the fields of TAppParams.
struct ProgramSettings
{
    TOutputFormat OutputFormat = ofAvi; // the page shown at closing
    int32_t DefaultVideoCodecIndex = 0; // 0 Xvid, 2 H.264
    RunOptions Run;
    WindowLayout Layout;

    friend bool operator==(const ProgramSettings&, const ProgramSettings&) = default;
};

// Reads section "MAIN" into the records, each value with its fixed default or the current value as
// default. Relative tool paths are taken against ProgramDir; a tool that is not where the file says is
// resolved again. After the call the caller loads the language file params.LanguageIni names. A
// window left beyond the screen is put back at 0. False, with nothing changed, when the file does not
// exist.
bool LoadSettingsFromIni(const std::string& iniName, TAppParams& params, ProgramSettings& settings,
                         TSize screenSize);

// Writes section "MAIN", and "PROGRESS" while the progress window exists, replacing the file once with
// every key. Never raises: false when the save failed, with the file as it was.
bool SaveSettingsToIni(const std::string& iniName, const TAppParams& params, const ProgramSettings& settings);

// The progress window's part of section "PROGRESS". False, with nothing changed, when the file does not
// exist.
bool LoadProgressSettings(const std::string& iniName, ProgressWindowLayout& progress, TAppParams& params);
