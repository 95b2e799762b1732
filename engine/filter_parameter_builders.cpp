// The advanced group of the encoder's options: the video filter chain, the video tag and the mapping.

#include "engine/media_info_records.h"
#include "engine/parameter_builders.h"

#include "platform/system/command_line.h"
#include "support/math_routines.h"
#include "support/number_conversion.h"
#include "support/text_routines.h"
#include "support/utf8.h"

namespace {

constexpr char SepiaMixer[] = "colorchannelmixer=.393:.769:.189:0:.349:.686:.168:0:.272:.534:.131";
constexpr char GrayscaleMixer[] = "colorchannelmixer=.3:.4:.3:0:.3:.4:.3:0:.3:.4:.3";

// A track bar position in tenths as the filters take it: 15 gives "1.5".
std::string TenthsToStr(int32_t tenths)
{
    return FloatToFixedStr(tenths / 10.0, 1);
}

std::string JoinWith(const TParamList& parts, char separator)
{
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty())
            text += separator;
        text += part;
    }
    return text;
}

} // namespace

TParamList TParameterBuilders::GetAdvancedParamsStr() const
{
    TParamList params;
    if (const std::string chain = GetFilterChain(); !chain.empty())
        params.insert(params.end(), {"-vf", chain});

    if (Enabled.chVideoFourcc && Settings.Advanced.ForceVideoTag) {
        const TParamList tag = SplitCommandLine(Settings.Advanced.VideoTag);
        if (!tag.empty()) {
            params.push_back("-vtag");
            params.insert(params.end(), tag.begin(), tag.end());
        }
    }

    const TParamList map = GetMapParams();
    params.insert(params.end(), map.begin(), map.end());
    return params;
}

std::string TParameterBuilders::GetFilterChain() const
{
    const AdvancedSettings& adv = Settings.Advanced;
    const TVideoStreamInfo& video = Media.VideoStreams[0];
    TParamList filters;
    if (Deinterlaces())
        filters.push_back("yadif");
    if (Enabled.spedCrop && adv.CropTop + adv.CropBottom + adv.CropLeft + adv.CropRight > 0) {
        filters.push_back("crop=" + IntToString(video.Width - adv.CropLeft - adv.CropRight) + ":" +
                          IntToString(video.Height - adv.CropTop - adv.CropBottom) + ":" +
                          IntToString(adv.CropLeft) + ":" + IntToString(adv.CropTop));
    }
    if (EffectiveResolution() != ItemIndex::ResolutionAuto) {
        int32_t width = 0;
        int32_t height = 0;
        GetTargetSize(width, height);
        filters.push_back("scale=" + IntToString(RaisedToEven(width)) + ":" +
                          IntToString(RaisedToEven(height)));
    }
    if (const std::string hue = GetHueParams(); !hue.empty())
        filters.push_back("hue=" + hue);
    if (Enabled.chFlipHorizontal && adv.FlipHorizontal)
        filters.push_back("hflip");
    if (Enabled.chFlipVertical && adv.FlipVertical)
        filters.push_back("vflip");
    if (Enabled.chConvertColors && adv.ConvertColors)
        filters.push_back(adv.ConvertColorsValue == ItemIndex::ConvertColorsSepia ? SepiaMixer
                                                                                  : GrayscaleMixer);
    if (Enabled.chNegative && adv.Negative)
        filters.push_back("negate");
    if (const std::string rotate = GetRotateFilter(); !rotate.empty())
        filters.push_back(rotate);
    if (const std::string aspect = GetAspectFilter(); !aspect.empty())
        filters.push_back(aspect);
    return JoinWith(filters, ',');
}

bool TParameterBuilders::Deinterlaces() const
{
    if (!Enabled.cbInterlacing)
        return false;
    switch (Settings.Advanced.Interlacing) {
    case ItemIndex::InterlacingDeinterlace:
        return true;
    case ItemIndex::InterlacingAuto:
        return AsciiLowerCase(Trim(Media.VideoStreams[0].ScanType)) == "interlaced";
    default:
        return false;
    }
}

// "s=1.5:b=0.2", "s=1.5" or "b=0.2"; empty when neither applies.
std::string TParameterBuilders::GetHueParams() const
{
    const AdvancedSettings& adv = Settings.Advanced;
    TParamList parts;
    if (Enabled.chSaturation && adv.Saturation && adv.SaturationValue != 0)
        parts.push_back("s=" + TenthsToStr(adv.SaturationValue));
    if (Enabled.chBrightness && adv.Brightness && adv.BrightnessValue != 0)
        parts.push_back("b=" + TenthsToStr(adv.BrightnessValue));
    return JoinWith(parts, ':');
}

// The rotation in radians; no filter for 0 degrees or a text that is not a whole number.
std::string TParameterBuilders::GetRotateFilter() const
{
    if (!Enabled.chRotate || !Settings.Advanced.Rotate)
        return "";
    int32_t degrees = 0;
    if (!TryStringToInt(Trim(Settings.Advanced.RotateText), degrees) || degrees == 0)
        return "";
    return "rotate=" + FloatToFixedStr(DegreesToRadians(degrees), 4);
}

// The display aspect typed into the AVI list: "16:9" gives "setdar=16/9".
std::string TParameterBuilders::GetAspectFilter() const
{
    const ComboText& aspect = Settings.Avi.Aspect;
    if (IsMpg() || Settings.Avi.Codec >= ItemIndex::AviCodecHuffYUV || !Enabled.cbAviVideoAspect ||
        aspect.Auto)
        return "";
    std::string ratio = RemoveAll(UpperTrim(aspect.Text), " ", false);
    ratio = ReplaceFirst(ratio, ":", "/", false);
    // A decimal comma would end the filter inside the chain.
    ratio = ReplaceAll(ratio, ",", ".", false);
    return ratio.empty() ? "" : "setdar=" + ratio;
}
