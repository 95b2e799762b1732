// The GUI layer's folders are layers of their own: each room includes only itself and the rooms before it,
// and the toolkit-facing internals (the qt room) are reached only from implementation files below the
// standard controls, never from a public header. The standard controls are written on the layer alone: no
// toolkit header at all.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kRoomOrder = {"core", "graphics", "windows", "forms", "services", "standard"};
const std::string kQtRoom = "qt";
// The standard controls are written on the public window functions only, as the component libraries are.
const std::string kStandardRoom = "standard";

fs::path LayerFolder()
{
    return fs::path(QM_SOURCE_DIR) / "platform" / "gui";
}

int RoomRank(const std::string& room)
{
    auto it = std::find(kRoomOrder.begin(), kRoomOrder.end(), room);
    return it == kRoomOrder.end() ? -1 : static_cast<int>(it - kRoomOrder.begin());
}

struct TInclude
{
    std::string room;
    std::string header;
};

std::vector<TInclude> LayerIncludes(const fs::path& file)
{
    static const std::regex include(R"re(^\s*#\s*include\s*"platform/gui/([a-z_]+)/([a-z_]+\.h)")re");
    std::vector<TInclude> found;
    std::ifstream in(file);
    std::string line;
    std::smatch match;
    while (std::getline(in, line))
        if (std::regex_search(line, match, include))
            found.push_back({match[1], match[2]});
    return found;
}

bool IncludesToolkitHeader(const fs::path& file)
{
    static const std::regex qtInclude(R"(^\s*#\s*include\s*<Q)");
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line))
        if (std::regex_search(line, qtInclude))
            return true;
    return false;
}

// Every breach as "file -> room/header: why", so a failure lists them all at once.
std::vector<std::string> Breaches()
{
    std::vector<std::string> breaches;
    for (const auto& entry : fs::recursive_directory_iterator(LayerFolder())) {
        const fs::path& file = entry.path();
        const std::string extension = file.extension().string();
        if (extension != ".h" && extension != ".cpp")
            continue;
        const std::string name = fs::relative(file, LayerFolder()).string();
        if (file.parent_path() == LayerFolder()) {
            breaches.push_back(name + ": source outside every room");
            continue;
        }
        const std::string room = file.parent_path().filename().string();
        const bool header = extension == ".h";
        if (room != kQtRoom && RoomRank(room) < 0) {
            breaches.push_back(name + ": unknown room");
            continue;
        }
        if (room != kQtRoom && header && IncludesToolkitHeader(file))
            breaches.push_back(name + ": a public header includes the toolkit");
        if (room == "standard" && IncludesToolkitHeader(file))
            breaches.push_back(name + ": a standard control includes the toolkit");
        for (const TInclude& include : LayerIncludes(file)) {
            const std::string target = include.room + "/" + include.header;
            if (include.room == kQtRoom) {
                if (room == kQtRoom)
                    continue;
                if (header)
                    breaches.push_back(name + " -> " + target + ": a public header reaches the toolkit");
                else if (room == kStandardRoom)
                    breaches.push_back(name + " -> " + target + ": a standard control reaches the toolkit");
                continue;
            }
            const int targetRank = RoomRank(include.room);
            if (targetRank < 0)
                breaches.push_back(name + " -> " + target + ": unknown room");
            else if (room == kQtRoom ? include.room == kStandardRoom : targetRank > RoomRank(room))
                breaches.push_back(name + " -> " + target + ": a later room");
        }
    }
    std::sort(breaches.begin(), breaches.end());
    return breaches;
}

} // namespace

TEST(LayerRooms, EachRoomIncludesOnlyItselfAndTheRoomsBefore)
{
    ASSERT_TRUE(fs::is_directory(LayerFolder())) << LayerFolder();
    const std::vector<std::string> breaches = Breaches();
    std::string report;
    for (const std::string& breach : breaches)
        report += breach + "\n";
    EXPECT_TRUE(breaches.empty()) << report;
}
