#pragma once

#include <map>
#include <string>

// What happens to the files of one folder while it is watched, as the kernel reports it (inotify): how
// often a file of a given name was opened, and how often a file was renamed into the folder under that name
// (the last step of replacing a file as a whole).
class FileEvents
{
public:
    explicit FileEvents(const std::string& folder);
    ~FileEvents();
    FileEvents(const FileEvents&) = delete;
    FileEvents& operator=(const FileEvents&) = delete;

    // Counts since the watch began or since the last Reset.
    int Opened(const std::string& name);
    int MovedIn(const std::string& name);
    void Reset();

private:
    void ReadPending();

    int FFd = -1;
    std::map<std::string, int> FOpened;
    std::map<std::string, int> FMovedIn;
};
