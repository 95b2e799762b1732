#pragma once

#include "engine/encoder_command.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The shell script that does what a conversion run does: a header naming the encoder, then per file a
// block of variables with a comment line and one encoder command per pass, and a closing prompt. Every
// file name and parameter is quoted so that the shell passes it to the encoder exactly as the run does
// and no character of it can run a command of its own.

class TBatchScript
{
public:
    explicit TBatchScript(const std::string& encoderPath);

    // The block of one file with the command's groups; fileNo counts skipped files too.
    void AddFile(int32_t fileNo, const TEncoderCommand& command);
    // The closing prompt.
    void Finish();

    const std::vector<std::string>& Lines() const { return FLines; }
    std::string Text() const;
    // Writes the script in UTF-8 with mode 0755. False with errorText when it cannot be written.
    bool SaveToFile(const std::string& fileName, std::string& errorText) const;

private:
    void AddCommand(const TEncoderCommand& command, int32_t passNo);

    std::vector<std::string> FLines;
};

// The word as the shell reads it back: as it is when it holds only characters without meaning to the
// shell, else in single quotes (a single quote written as '\'').
std::string ShellQuote(std::string_view word);
// The words quoted and joined by blanks.
std::string ShellWords(const std::vector<std::string>& words);
