#include "engine/batch_script.h"

#include "platform/system/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <sys/stat.h>

namespace {

constexpr std::string_view FileRule = "/////////////////////////////////";

bool IsPlainShellCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("_-+=:,./@%^").find(c) != std::string_view::npos;
}

std::string SingleQuoted(std::string_view text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// A variable holding shell words; the commands read it back through eval, so each word arrives whole.
std::string Assignment(std::string_view name, const std::vector<std::string>& words)
{
    return std::string(name) + "=" + SingleQuoted(ShellWords(words));
}

} // namespace

std::string ShellQuote(std::string_view word)
{
    if (!word.empty() && std::all_of(word.begin(), word.end(), IsPlainShellCharacter))
        return std::string(word);
    return SingleQuoted(word);
}

std::string ShellWords(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + ShellQuote(word);
    return text;
}

TBatchScript::TBatchScript(const std::string& encoderPath)
{
    FLines = {"#!/bin/sh", "set -f", "ffmpeg=" + SingleQuoted(encoderPath)};
}

void TBatchScript::AddFile(int32_t fileNo, const TEncoderCommand& command)
{
    const TEncoderParams& params = command.Params;
    FLines.push_back(Assignment("VCodec", params.VideoCodec));
    FLines.push_back(Assignment("ACodec", params.AudioCodec));
    FLines.push_back(Assignment("VezParams", params.Advanced));
    FLines.push_back(Assignment("AddParams", params.Additional));
    FLines.emplace_back();
    FLines.push_back("# " + std::string(FileRule) + " file " + std::to_string(fileNo) + " " +
                     std::string(FileRule));
    FLines.push_back("InputFile=" + SingleQuoted(command.InputFile));
    FLines.push_back("OutputFile=" + SingleQuoted(command.OutputFile));
    FLines.push_back(Assignment("VParams", params.VideoParams));
    FLines.push_back(Assignment("AParams", params.AudioParams));
    for (const TEncoderPass& pass : command.Passes)
        AddCommand(command, pass.PassNo);
}

// The pass as the run starts it; eval turns the variables back into the words they hold.
void TBatchScript::AddCommand(const TEncoderCommand& command, int32_t passNo)
{
    std::string line =
        R"(eval "\"\$ffmpeg\" -y -i \"\$InputFile\" $VCodec $VParams $ACodec $AParams $VezParams)";
    if (command.FasterPreset)
        line += " -preset:v faster";
    if (passNo > 0)
        line += " -pass " + std::to_string(passNo);
    line += R"( $AddParams \"\$OutputFile\"")";
    FLines.push_back(line);
}

void TBatchScript::Finish()
{
    FLines.emplace_back();
    FLines.push_back("printf 'Press Enter to continue . . . '");
    FLines.push_back("read _");
}

std::string TBatchScript::Text() const
{
    std::string text;
    for (const std::string& line : FLines)
        text += line + "\n";
    return text;
}

bool TBatchScript::SaveToFile(const std::string& fileName, std::string& errorText) const
{
    try {
        ReplaceFileContents(fileName, Text());
    } catch (const std::exception& error) {
        errorText = error.what();
        return false;
    }
    if (::chmod(fileName.c_str(), 0755) != 0) {
        errorText = "Cannot make \"" + fileName + "\" executable: " + std::strerror(errno);
        return false;
    }
    return true;
}
