#pragma once

#include "engine/encoder_settings.h"
#include "engine/parameter_builders.h"

#include <optional>
#include <string>

class IRunHost;

// The command-line preview: the encoder command line, or the two lines of a two-pass encoding separated by
// an empty line, that the settings would run for the input file. The file is analysed first as the run
// analyses it (its media facts choose some of the options), followed by the run's pause with the messages
// handled. Without a file the input stands as "<input_file>"; the output always stands as "<output_file>".
// A setting the builders refuse has its warning shown (through environment.ShowWarning, else the host) and
// its group left out. The arguments stand one blank apart, so no run of blanks is left to reduce, and a
// file name keeps the blanks it has.
std::string BuildCommandLinePreview(IRunHost& host, const std::optional<std::string>& inputFile,
                                    const EncoderSettings& settings, TBuilderEnvironment environment);
