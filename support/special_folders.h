#pragma once

#include <string>

// The user's folders, taken from the XDG user folder settings ($XDG_CONFIG_HOME/user-dirs.dirs, else
// ~/.config/user-dirs.dirs). Folders come back without a trailing "/".

// The folder of a special-folder number as the callers know them: 0 and 16 the desktop, 5 documents,
// 13 music, 14 videos, 21 templates, 39 pictures. The default when the folder is not configured or the
// number is not one of these. The desktop falls back to ~/Desktop.
std::string GetSpecialFolderPath(int folderId, const std::string& defaultPath);

// The user's desktop folder; empty when the home folder is unknown.
std::string GetDesktopDir();

// The folder of a shell-folder value name ("Desktop", "Personal", "My Music", "My Video", "My Pictures",
// "Templates"; letter case ignored); empty for other names.
std::string GetShellFolderPath(const std::string& valueName);

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else ~/.config; empty
// when the home folder is unknown.
std::string GetConfigHomeDir();

// The temporary folder ($TMPDIR, else "/tmp") with a trailing "/".
std::string GetTempDir(const std::string& defaultPath);
