#pragma once

#include "engine/enabling_rules.h"
#include "engine/encoder_settings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TVideoFileInfo;
struct TMainModuleStrings;

// The builders of the encoder's options: they turn the encoder settings and the media facts of the file
// being converted into argument groups (video codec, video parameters, audio codec, audio parameters,
// advanced options and the user's additional parameters). A setting counts only while its control is
// enabled by the main window's enabling rules. Every group is a list of arguments, never a text to split
// again; numbers use "." as decimal separator whatever the locale.

using TParamList = std::vector<std::string>;

// What a builder gives for a group that checks what the user typed: the arguments, or its refusal.
struct TBuiltParams
{
    TParamList Params;
    bool Refused = false;
    std::string Warning; // the warning shown for the refusal
};

// What the builders need besides the settings and the media facts.
struct TBuilderEnvironment
{
    // The text of the chosen item of the resolution list, read when its index is 2 or more
    // ("1280 x 720 - HD720" or "50%").
    std::string ResolutionItemText;
    // The processor count; H.264 with automatic threads uses half of it.
    int32_t DefaultThreadCount = 2;
    // The encoder of the AAC item: GetAacEncoderName of the encoder in use.
    std::string AacEncoder = "aac";
    // Shows a refusal's warning over the main window; may be empty.
    std::function<void(const std::string& text)> ShowWarning;
};

// The same environment with the processor count of this machine.
TBuilderEnvironment DefaultBuilderEnvironment();

// The builders of one file: the eight routines read the same settings, media facts and enabling states.
class TParameterBuilders
{
public:
    // The builders keep references to settings and media: both must outlive them.
    TParameterBuilders(const EncoderSettings& settings, const TVideoFileInfo& media,
                       TBuilderEnvironment environment);

    TParamList GetVideoCodecStr() const;
    TBuiltParams GetVideoParamsStr() const;
    TParamList GetAudioCodecStr() const;
    TBuiltParams GetAudioParamsStr() const;
    // The filter chain, the video tag and the stream mapping.
    TParamList GetAdvancedParamsStr() const;
    // The lines of the additional parameters, split into arguments by the command-line rules.
    TParamList GetAdditionalParamsStr() const;

    // The mapping of the chosen audio track (with the first video stream while video is kept).
    TParamList GetMapParams() const;
    // The encoder name of the chosen audio item: "auto", "libmp3lame", ...; empty for an unknown item.
    std::string GetSelectedAudioCodecStr() const;

    // H.264 in an AVI file: the encoder gets the faster preset.
    bool UsesFasterPreset() const;
    // The file is encoded in two passes.
    bool IsTwoPass() const;

private:
    bool IsMpg() const;
    bool KeepsVideo() const;
    // The target picture size: the source's raised to even numbers, or the chosen resolution.
    void GetTargetSize(int32_t& width, int32_t& height) const;
    // The item of the resolution list in force: the automatic one while the list is off.
    int32_t EffectiveResolution() const;

    static int32_t RaisedToEven(int32_t value);
    // Shows the string table's warning with the offending text and gives the refusal.
    TBuiltParams Refuse(std::string TMainModuleStrings::*warning, const std::string& value) const;
    bool AddVideoBitrate(const ComboText& bitrate, double maxBitsPerPixel, TBuiltParams& result) const;
    bool AddFrameRate(const ComboText& fps, bool automaticFromSource, TBuiltParams& result) const;
    void AddAviThreadsAndQuality(TParamList& params) const;

    std::string AutoAudioCodecName() const;
    bool AddAudioBitrate(TBuiltParams& result) const;
    bool AddAudioSampling(TBuiltParams& result) const;
    void AddAudioChannels(TParamList& params) const;
    int32_t ChosenAudioTrack() const;

    std::string GetFilterChain() const;
    std::string GetHueParams() const;
    std::string GetRotateFilter() const;
    std::string GetAspectFilter() const;
    bool Deinterlaces() const;

    const EncoderSettings& Settings;
    const TVideoFileInfo& Media;
    TBuilderEnvironment Environment;
    SettingsEnabling Enabled;
};
