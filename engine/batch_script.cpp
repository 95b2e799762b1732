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

void TBatchScript::AddFile(int32_t fileNo, const TBatchFile& file)
{
    FLines.push_back(Assignment("VCodec", file.VCodec));
    FLines.push_back(Assignment("ACodec", file.ACodec));
    FLines.push_back(Assignment("VezParams", file.VezParams));
    FLines.push_back(Assignment("AddParams", file.AddParams));
    FLines.emplace_back();
    FLines.push_back("# " + std::string(FileRule) + " file " + std::to_string(fileNo) + " " +
                     std::string(FileRule));
    FLines.push_back("InputFile=" + SingleQuoted(file.InputFile));
    FLines.push_back("OutputFile=" + SingleQuoted(file.OutputFile));
    FLines.push_back(Assignment("VParams", file.VParams));
    FLines.push_back(Assignment("AParams", file.AParams));
    if (file.TwoPass) {
        AddCommand(file, 1);
        AddCommand(file, 2);
    } else {
        AddCommand(file, 0);
    }
}

void TBatchScript::AddCommand(const TBatchFile& file, int32_t pass)
{
    std::string command =
        R"(eval "\"\$ffmpeg\" -y -i \"\$InputFile\" $VCodec $VParams $ACodec $AParams $VezParams)";
    if (file.PresetFaster)
        command += " -preset:v faster";
    if (pass > 0)
        command += " -pass " + std::to_string(pass);
    command += R"( $AddParams \"\$OutputFile\"")";
    FLines.push_back(command);
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
