#pragma once

#include <optional>
#include <string>

// The special-folder numbers a folder browser takes for its root, and the folders this desktop has for
// them.

// One of the 58 numbers (0 is the top of the tree; a number with the "create" bit is none of them).
bool IsSpecialFolderID(int id);
// The folder of a number on this desktop: 0 is "/", the desktop, home, documents, pictures, music,
// videos, templates, configuration, data and cache folders where they exist; nullopt for the rest.
std::optional<std::string> SpecialFolderPath(int id);

// The numbers of the folders this desktop has.
constexpr int CSIDL_DESKTOP = 0x0000;
constexpr int CSIDL_PERSONAL = 0x0005;
constexpr int CSIDL_MYDOCUMENTS = 0x000C;
constexpr int CSIDL_MYMUSIC = 0x000D;
constexpr int CSIDL_MYVIDEO = 0x000E;
constexpr int CSIDL_DESKTOPDIRECTORY = 0x0010;
constexpr int CSIDL_TEMPLATES = 0x0015;
constexpr int CSIDL_APPDATA = 0x001A;
constexpr int CSIDL_LOCAL_APPDATA = 0x001C;
constexpr int CSIDL_INTERNET_CACHE = 0x0020;
constexpr int CSIDL_MYPICTURES = 0x0027;
constexpr int CSIDL_PROFILE = 0x0028;
