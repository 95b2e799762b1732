#pragma once

#include <cstdint>
#include <string>

// How the file list shows the numbers of its number columns and of their footers. Texts follow the
// program's format settings (decimal and thousand separators); digits are grouped by three with a blank.

enum class TNumberCellFormat
{
    GroupedInteger,   // colNo: 32-bit integer, grouped; 0 is shown
    FileSize,         // colSize: size text; 0 is shown
    Duration,         // colDuration: hh:mm:ss of the milliseconds
    PositiveInteger,  // bitrates, width, height, channels, sampling: grouped
    FramesPerSecond,  // "0.00"
    BitsPerPixel,     // "0.000"
    PositiveFileSize, // stream sizes: size text
};

// The text a number cell shows for the text the grid made of its value. Values of 0 or less show empty,
// except for GroupedInteger and FileSize; a text that does not parse stays as it is.
std::string NumberCellText(TNumberCellFormat format, const std::string& gridText);

// "1.50 KB", "512 bytes".
std::string FileListSizeText(int64_t size);
// "01:23:45" of the milliseconds rounded to the nearest (ties to even).
std::string FileListDurationText(double milliseconds);
