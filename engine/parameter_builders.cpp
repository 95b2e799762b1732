#include "engine/parameter_builders.h"

#include "engine/app_strings.h"
#include "engine/engine_utils.h"
#include "engine/media_info_records.h"
#include "engine/prepare_lang_str.h"
#include "engine/setting_text_parsing.h"
#include "platform/system/command_line.h"

#include <utility>

namespace {

const TMainModuleStrings& MainStrings()
{
    if (AppStrings)
        return AppStrings->Main;
    static const TAppStrings english;
    return english.Main;
}

} // namespace

TBuilderEnvironment DefaultBuilderEnvironment()
{
    TBuilderEnvironment environment;
    environment.DefaultThreadCount = GetDefaultThreadCount();
    return environment;
}

TParameterBuilders::TParameterBuilders(const EncoderSettings& settings, const TVideoFileInfo& media,
                                       TBuilderEnvironment environment)
    : Settings(settings), Media(media), Environment(std::move(environment)),
      Enabled(GetSettingsEnabling(settings))
{}

TParamList TParameterBuilders::GetAdditionalParamsStr() const
{
    return SplitCommandLine(::GetAdditionalParamsStr(Settings.Advanced.AdditionalParams));
}

bool TParameterBuilders::UsesFasterPreset() const
{
    return !IsMpg() && Settings.Avi.Codec == ItemIndex::AviCodecH264 && !Settings.Avi.DontCopy;
}

bool TParameterBuilders::IsTwoPass() const
{
    if (IsMpg())
        return Enabled.chMpgVideo2Pass && Settings.Mpg.TwoPass;
    return Enabled.chAviVideo2Pass && Settings.Avi.TwoPass && Settings.Avi.Codec != ItemIndex::AviCodecWmv1 &&
           !Settings.Avi.DontCopy;
}

bool TParameterBuilders::IsMpg() const
{
    return Settings.OutputFormat == ofMpg;
}

bool TParameterBuilders::KeepsVideo() const
{
    return IsMpg() ? !Settings.Mpg.DontCopy : !Settings.Avi.DontCopy;
}

int32_t TParameterBuilders::EffectiveResolution() const
{
    return Enabled.cbResolution ? Settings.Advanced.Resolution : ItemIndex::ResolutionAuto;
}

void TParameterBuilders::GetTargetSize(int32_t& width, int32_t& height) const
{
    const int32_t resolution = EffectiveResolution();
    if (resolution == ItemIndex::ResolutionCustom) {
        width = Settings.Advanced.ResWidth;
        height = Settings.Advanced.ResHeight;
    } else if (resolution > ItemIndex::ResolutionCustom) {
        ParseResolutionText(Environment.ResolutionItemText, Media, width, height);
    } else {
        width = RaisedToEven(Media.VideoStreams[0].Width);
        height = RaisedToEven(Media.VideoStreams[0].Height);
    }
}

int32_t TParameterBuilders::RaisedToEven(int32_t value)
{
    return value % 2 != 0 ? value + 1 : value;
}

TBuiltParams TParameterBuilders::Refuse(std::string TMainModuleStrings::*warning,
                                        const std::string& value) const
{
    TBuiltParams refusal;
    refusal.Refused = true;
    refusal.Warning = PrepareLangStr(MainStrings().*warning, value);
    if (Environment.ShowWarning)
        Environment.ShowWarning(refusal.Warning);
    return refusal;
}
