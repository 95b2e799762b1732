#include "engine/encoder_settings.h"

#include "support/text_routines.h"
#include "support/utf8.h"

std::string ComboText::DisplayText(std::string_view autoText) const
{
    return Auto ? std::string(autoText) : Text;
}

ComboText ComboText::FromDisplayText(std::string_view text, std::string_view autoText)
{
    if (SameTextIgnoreCase(Trim(text), Trim(autoText)))
        return Automatic();
    return Typed(std::string(text));
}

std::string_view OutputFormatName(TOutputFormat format)
{
    return format == ofMpg ? "MPG" : "AVI";
}

TOutputFormat OutputFormatFromName(std::string_view name)
{
    return AsciiUpperCase(name) == "MPG" ? ofMpg : ofAvi;
}

AviVideoSettings DefaultAviVideoSettings(int32_t defaultVideoCodecIndex)
{
    AviVideoSettings avi;
    avi.Codec = defaultVideoCodecIndex;
    return avi;
}

MpgVideoSettings DefaultMpgVideoSettings()
{
    return {};
}

AudioSettings DefaultAudioSettings()
{
    return {};
}

AdvancedSettings DefaultAdvancedSettings()
{
    return {};
}

EncoderSettings DefaultEncoderSettings(int32_t defaultVideoCodecIndex)
{
    EncoderSettings settings;
    settings.Avi = DefaultAviVideoSettings(defaultVideoCodecIndex);
    return settings;
}

std::string GetAdditionalParamsStr(std::string_view additionalParams)
{
    // A memo's lines: CR LF, LF and CR each end a line; a break at the very end opens no new line.
    std::string result;
    size_t start = 0;
    while (start < additionalParams.size()) {
        size_t end = additionalParams.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = additionalParams.size();
        result += ' ';
        result += additionalParams.substr(start, end - start);
        if (end + 1 < additionalParams.size() && additionalParams[end] == '\r' &&
            additionalParams[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return result;
}
