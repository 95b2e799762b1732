#include "engine/encoder_command.h"

#include "support/number_conversion.h"

#include <utility>

namespace {

// Where the input file stands in a pass's arguments; the output file is the last argument.
constexpr size_t InputFileIndex = 2;

// A relative name gets "./" in front, so that "-x.avi" or "a:b.avi" can never read as an option or a
// protocol. The run passes full paths anyway.
std::string SafeFileArgument(const std::string& fileName)
{
    return fileName.starts_with('/') ? fileName : "./" + fileName;
}

// Double quotes around the text, with the escapes the command-line splitting rules undo: a double quote
// gets a backslash, and backslashes before a double quote (or the closing one) are doubled.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (const char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + '"';
}

std::string ShownArgument(const std::string& argument)
{
    const bool plain = !argument.empty() && argument.find_first_of(" \t\"") == std::string::npos;
    return plain ? argument : Quoted(argument);
}

std::string ShownFileName(const std::string& fileName)
{
    if (fileName == InputFilePlaceholder || fileName == OutputFilePlaceholder)
        return fileName;
    return Quoted(fileName);
}

void Append(TParamList& arguments, const TParamList& group)
{
    arguments.insert(arguments.end(), group.begin(), group.end());
}

// The arguments of one pass in their order, with the two file arguments given.
TParamList PassArguments(const TEncoderCommand& command, int32_t passNo, const std::string& input,
                         const std::string& output)
{
    const TEncoderParams& params = command.Params;
    TParamList arguments = {"-y", "-i", input};
    Append(arguments, params.VideoCodec);
    Append(arguments, params.VideoParams);
    Append(arguments, params.AudioCodec);
    Append(arguments, params.AudioParams);
    Append(arguments, params.Advanced);
    if (command.FasterPreset)
        Append(arguments, {"-preset:v", "faster"});
    if (passNo > 0)
        Append(arguments, {"-pass", IntToString(passNo)});
    Append(arguments, params.Additional);
    arguments.push_back(output);
    return arguments;
}

// The group, or nothing after a refusal (whose warning is noted).
TParamList Accepted(TBuiltParams built, TEncoderCommand& command)
{
    if (built.Refused) {
        command.Refused = true;
        command.Warnings.push_back(built.Warning);
    }
    return std::move(built.Params);
}

} // namespace

TParamList TEncoderCommand::Argv(const TEncoderPass& pass) const
{
    TParamList argv = {EncoderPath};
    Append(argv, pass.Arguments);
    return argv;
}

std::string TEncoderCommand::PassText(const TEncoderPass& pass) const
{
    const TParamList arguments = PassArguments(*this, pass.PassNo, InputFile, OutputFile);
    std::string text;
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0)
            text += ' ';
        const bool fileName = i == InputFileIndex || i + 1 == arguments.size();
        text += fileName ? ShownFileName(arguments[i]) : ShownArgument(arguments[i]);
    }
    return text;
}

std::string TEncoderCommand::DisplayText() const
{
    std::string text;
    for (const TEncoderPass& pass : Passes) {
        if (!text.empty())
            text += "\n\n";
        text += PassText(pass);
    }
    return text;
}

TEncoderCommand BuildEncoderCommand(const std::string& encoderPath, const EncoderSettings& settings,
                                    const TVideoFileInfo& media, const std::string& inputFile,
                                    const std::string& outputFile, const TBuilderEnvironment& environment)
{
    const TParameterBuilders builders(settings, media, environment);
    TEncoderCommand command;
    command.EncoderPath = encoderPath;
    command.InputFile = inputFile;
    command.OutputFile = outputFile;
    TEncoderParams& params = command.Params;
    params.VideoCodec = builders.GetVideoCodecStr();
    params.AudioCodec = builders.GetAudioCodecStr();
    params.Advanced = builders.GetAdvancedParamsStr();
    params.Additional = builders.GetAdditionalParamsStr();
    params.VideoParams = Accepted(builders.GetVideoParamsStr(), command);
    params.AudioParams = Accepted(builders.GetAudioParamsStr(), command);
    command.FasterPreset = builders.UsesFasterPreset();

    const std::vector<int32_t> passNumbers =
        builders.IsTwoPass() ? std::vector<int32_t>{1, 2} : std::vector<int32_t>{0};
    for (const int32_t passNo : passNumbers)
        command.Passes.push_back({passNo, PassArguments(command, passNo, SafeFileArgument(inputFile),
                                                        SafeFileArgument(outputFile))});
    return command;
}
