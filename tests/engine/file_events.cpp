#include "file_events.h"

#include <cstring>
#include <stdexcept>
#include <sys/inotify.h>
#include <unistd.h>

FileEvents::FileEvents(const std::string& folder)
{
    FFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    // Closes are watched too, only so that the kernel does not fold back-to-back opens of a file into one.
    if (FFd < 0 || ::inotify_add_watch(FFd, folder.c_str(), IN_OPEN | IN_CLOSE | IN_MOVED_TO) < 0)
        throw std::runtime_error("cannot watch " + folder);
}

FileEvents::~FileEvents()
{
    ::close(FFd);
}

int FileEvents::Opened(const std::string& name)
{
    ReadPending();
    return FOpened[name];
}

int FileEvents::MovedIn(const std::string& name)
{
    ReadPending();
    return FMovedIn[name];
}

void FileEvents::Reset()
{
    ReadPending();
    FOpened.clear();
    FMovedIn.clear();
}

// The kernel has queued every event of a call by the time the call returns.
void FileEvents::ReadPending()
{
    alignas(inotify_event) char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(FFd, buffer, sizeof buffer);
        if (count <= 0)
            return;
        for (ssize_t offset = 0; offset < count;) {
            inotify_event event;
            std::memcpy(&event, buffer + offset, sizeof event);
            const std::string name = event.len > 0 ? buffer + offset + sizeof event : "";
            if (event.mask & IN_OPEN)
                ++FOpened[name];
            if (event.mask & IN_MOVED_TO)
                ++FMovedIn[name];
            offset += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
}
