#include "support/file_search.h"

#include "support/utf8.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace {

enum class EntryKind
{
    Other,
    File,
    Folder,
};

struct FolderEntry
{
    EntryKind Kind = EntryKind::Other;
    bool Linked = false;
};

struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

EntryKind KindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return EntryKind::File;
    return S_ISDIR(mode) ? EntryKind::Folder : EntryKind::Other;
}

// FIFOs, sockets, devices and dangling links count as Other: opening them later could block or fail.
FolderEntry ClassifyEntry(DIR* dir, const dirent& entry)
{
    if (entry.d_type == DT_REG)
        return {EntryKind::File, false};
    if (entry.d_type == DT_DIR)
        return {EntryKind::Folder, false};
    struct stat info;
    if (fstatat(dirfd(dir), entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return {};
    if (!S_ISLNK(info.st_mode))
        return {KindOf(info.st_mode), false};
    if (fstatat(dirfd(dir), entry.d_name, &info, 0) != 0)
        return {EntryKind::Other, true};
    return {KindOf(info.st_mode), true};
}

bool IsDotEntry(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

std::string JoinPath(const std::string& folder, const char* name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

using FolderId = std::pair<dev_t, ino_t>;

bool ReadFolderId(const std::string& folder, FolderId& id)
{
    struct stat info;
    if (stat(folder.c_str(), &info) != 0)
        return false;
    id = {info.st_dev, info.st_ino};
    return true;
}

bool WildcardMatch(const std::u32string& name, const std::u32string& mask)
{
    size_t n = 0, m = 0;
    size_t starMask = std::u32string::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == U'*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == U'?' || UnicodeUpper(mask[m]) == UnicodeUpper(name[n]))) {
            ++n;
            ++m;
        } else if (starMask != std::u32string::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == U'*')
        ++m;
    return m == mask.size();
}

bool FolderOrderLess(const std::string& a, const std::string& b)
{
    const int order = CompareTextIgnoreCase(a, b);
    return order != 0 ? order < 0 : a < b; // names that differ in case only: a fixed order all the same
}

// The folder tree below the start folder, level by level; false when a callback stopped the search.
class FolderCollector
{
public:
    FolderCollector(std::vector<std::string>& folders, bool acceptLinkedFolders,
                    const TSearchFolderFound& onFolderFound, const TSearchEntryEnumerated& onEntryEnumerated)
        : folders_(folders), acceptLinkedFolders_(acceptLinkedFolders), onFolderFound_(onFolderFound),
          onEntryEnumerated_(onEntryEnumerated)
    {
        FolderId id;
        if (ReadFolderId(folders_.front(), id))
            visited_.insert(id);
    }

    bool Collect(int depth)
    {
        std::vector<std::string> level{folders_.front()};
        for (int listed = 0; listed < depth && !level.empty(); ++listed) {
            std::vector<std::string> nextLevel;
            for (const std::string& folder : level)
                if (!ListLevel(folder, nextLevel))
                    return false;
            level = std::move(nextLevel);
        }
        return true;
    }

private:
    bool ListLevel(const std::string& folder, std::vector<std::string>& nextLevel)
    {
        std::vector<std::string> found;
        if (!ListSubdirs(folder, found, acceptLinkedFolders_, onEntryEnumerated_))
            return false;
        for (std::string& subfolder : found) {
            FolderId id;
            // A link can lead back into the tree; each folder is searched once.
            if (!ReadFolderId(subfolder, id) || !visited_.insert(id).second)
                continue;
            folders_.push_back(subfolder);
            if (onFolderFound_ && !onFolderFound_(static_cast<int>(folders_.size()), subfolder))
                return false;
            nextLevel.push_back(std::move(subfolder));
        }
        return true;
    }

    std::vector<std::string>& folders_;
    bool acceptLinkedFolders_;
    const TSearchFolderFound& onFolderFound_;
    const TSearchEntryEnumerated& onEntryEnumerated_;
    std::set<FolderId> visited_;
};

} // namespace

bool MatchesFileMask(std::string_view name, std::string_view mask)
{
    const std::u32string name32 = Utf8ToUtf32(name);
    const std::u32string mask32 = Utf8ToUtf32(mask);
    if (WildcardMatch(name32, mask32))
        return true;
    const bool endsInAnyExtension = mask32.size() >= 2 && mask32.ends_with(U".*");
    return endsInAnyExtension && WildcardMatch(name32, mask32.substr(0, mask32.size() - 2));
}

bool ListSubdirs(const std::string& folder, std::vector<std::string>& list, bool acceptLinks,
                 const TSearchEntryEnumerated& onEntryEnumerated)
{
    DirHandle dir(opendir(folder.c_str()));
    if (!dir)
        return true;
    int entryCount = 0;
    while (const dirent* entry = readdir(dir.get())) {
        if (!IsDotEntry(entry->d_name)) {
            const FolderEntry kind = ClassifyEntry(dir.get(), *entry);
            if (kind.Kind == EntryKind::Folder && (acceptLinks || !kind.Linked))
                list.push_back(JoinPath(folder, entry->d_name));
        }
        if (onEntryEnumerated && !onEntryEnumerated(++entryCount))
            return false;
    }
    return true;
}

void ListFilesInDir(const std::string& mask, const std::string& folder, std::vector<std::string>& list,
                    bool acceptLinks)
{
    DirHandle dir(opendir(folder.c_str()));
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir.get())) {
        if (IsDotEntry(entry->d_name) || !MatchesFileMask(entry->d_name, mask))
            continue;
        const FolderEntry kind = ClassifyEntry(dir.get(), *entry);
        if (kind.Kind == EntryKind::File && (acceptLinks || !kind.Linked))
            list.push_back(JoinPath(folder, entry->d_name));
    }
}

void SearchFiles(const std::string& mask, const std::string& startFolder, std::vector<std::string>& result,
                 int depth, bool acceptLinkedFolders, bool acceptLinkedFiles,
                 const TSearchFolderFound& onFolderFound, const TSearchFileFound& onFileFound,
                 const TSearchEntryEnumerated& onEntryEnumerated)
{
    std::string start = startFolder;
    if (start.size() > 1 && start.back() == '/')
        start.pop_back();
    std::vector<std::string> folders{start};
    FolderCollector collector(folders, acceptLinkedFolders, onFolderFound, onEntryEnumerated);
    if (!collector.Collect(depth))
        return;
    std::sort(folders.begin(), folders.end(), FolderOrderLess);

    const int folderCount = static_cast<int>(folders.size());
    for (int folderNo = 1; folderNo <= folderCount; ++folderNo) {
        std::vector<std::string> files;
        ListFilesInDir(mask, folders[static_cast<size_t>(folderNo - 1)], files, acceptLinkedFiles);
        for (std::string& file : files) {
            result.push_back(std::move(file));
            if (onFileFound &&
                !onFileFound(folderCount, static_cast<int>(result.size()), folderNo, result.back()))
                return;
        }
    }
}
