#pragma once

#include <string>

// Tiny media files generated with ffmpeg once per test program, in a temporary folder removed at exit.
// Any engine test may use them; generation fails the test that asks when ffmpeg is missing.
namespace test_media {

std::string FFmpegPath();
// The MediaInfo library as the program loads it when no path is configured.
std::string MediaInfoLibrary();

// 1 s of 64x48 video at 25 fps (mpeg4) with three mono mp2 audio streams tagged eng, ger and fre (mkv).
std::string VideoWithThreeAudio();
// 1 s of AAC audio only (m4a).
std::string AudioOnly();
// 1 s of 33x17 video at 10 fps (H.264 4:4:4) without audio (mp4).
std::string OddDimensions();
// 1 s of 64x48 interlaced MPEG-2 video at 25 fps with one mp2 audio stream (mpeg transport stream).
std::string Interlaced();
// 2 s of 160x120 video at 25 fps (mpeg4) with a mono AAC tone (mp4), like a clip of a user.
std::string TwoSecondClip();
// VideoWithThreeAudio() under a name beginning with "-" and holding non-ASCII characters.
std::string AwkwardName();

// The text quoted for the shell: between single quotes, each single quote written as '\''.
std::string Quote(const std::string& text);
// What a shell command prints on its standard output.
std::string Capture(const std::string& command);
// The bytes of a file; empty when it cannot be read.
std::string ReadAll(const std::string& file);

// A new empty folder under the temporary folder, named from prefix; empty when none could be made.
std::string MakeTempFolder(const std::string& prefix);
// A new temporary folder holding "program/", where AppParams now places the program, with the test
// encoder and MediaInfo library as its tools; answers the folder.
std::string SetUpProgramFolder(const std::string& prefix);

// The folder the files live in (for tests that write files of their own).
std::string Folder();

} // namespace test_media
