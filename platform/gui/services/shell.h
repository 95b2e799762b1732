#pragma once

#include <string>
#include <vector>

// The desktop's shell: opening documents, folders and web addresses with the programs the user has chosen
// for them, and showing a file in the file manager. Callers go through Shell(), so that tests can install a
// recorder in place of the desktop.

class IShell
{
public:
    virtual ~IShell() = default;
    // Opens a file, a folder or a web address; false when nothing could be started.
    virtual bool Open(const std::string& target) = 0;
    // Shows the file selected in its folder; where the file manager cannot select, opens the folder.
    virtual bool ShowInFolder(const std::string& fileName) = 0;
};

// Opens through the desktop's opener and selects through the file manager's bus interface.
class TDesktopShell : public IShell
{
public:
    bool Open(const std::string& target) override;
    bool ShowInFolder(const std::string& fileName) override;
};

// Installs the program-wide shell (nullptr goes back to the desktop's); the caller keeps it alive.
void SetShell(IShell* shell);
IShell& Shell();

// The address a target is opened under: a web address (anything that starts with a scheme) as it stands,
// a file or folder name as an absolute file address.
std::string ShellUrl(const std::string& target);

// The local file names of a dropped URI list (one address a line, "#" lines are comments); addresses that
// are not local files are left out.
std::vector<std::string> FileNamesFromUriList(const std::string& uriList);
