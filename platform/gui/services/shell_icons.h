#pragma once

#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/picture.h"

#include <memory>
#include <string>

// Icons of files by their type, as the desktop shows them: the desktop's icon theme's icon for the file's
// media type, or a plain file or folder icon where the theme has none. The shell keeps them in two image
// lists, small (16 x 16) and large (32 x 32), which grow by one image for each type first asked for; an
// index stands for the same type in both.

constexpr unsigned SHGFI_LARGEICON = 0x0000;
constexpr unsigned SHGFI_SMALLICON = 0x0001;
constexpr unsigned SHGFI_USEFILEATTRIBUTES = 0x0010;
constexpr unsigned SHGFI_ICON = 0x0100;
// The index is answered in any case; callers that name the flag may.
constexpr unsigned SHGFI_SYSICONINDEX = 0x4000;

constexpr unsigned FILE_ATTRIBUTE_DIRECTORY = 0x0010;
constexpr unsigned FILE_ATTRIBUTE_NORMAL = 0x0080;

struct TSHFileInfo
{
    // With SHGFI_ICON: a copy of the file's icon in the size asked for, the caller's to keep.
    std::unique_ptr<TIcon> hIcon;
    // The icon's index in the shell's image lists.
    int iIcon = -1;
};

// What the shell knows of a file: the index of its icon and, with SHGFI_ICON, a copy of the icon, small
// with SHGFI_SMALLICON and large otherwise. The file must exist, unless SHGFI_USEFILEATTRIBUTES says that
// only its name counts (a bare extension such as ".mkv" gives the icon of its type), fileAttributes then
// saying whether it is a folder. False, and info untouched, for a file that does not exist.
bool SHGetFileInfo(const std::string& path, unsigned fileAttributes, TSHFileInfo& info, unsigned flags);

// The shell's image list of small or large icons, for drawing by the indexes SHGetFileInfo answers. It lives
// as long as the program.
TCustomImageList& ShellImageList(bool small);
