#include "program_copy.h"

#include "engine/test_media.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The program as the build placed it, with lang/ and data/ beside it.
const fs::path BuiltProgram = QM_PROGRAM_PATH;

bool CopyProgramFolder(const fs::path& target)
{
    std::error_code error;
    fs::create_directories(target, error);
    fs::create_hard_link(BuiltProgram, target / BuiltProgram.filename(), error);
    if (error)
        fs::copy_file(BuiltProgram, target / BuiltProgram.filename(), error);
    for (const char* folder : {"lang", "data"})
        if (!error)
            fs::copy(BuiltProgram.parent_path() / folder, target / folder, fs::copy_options::recursive,
                     error);
    return !error;
}

} // namespace

ProgramCopy::ProgramCopy()
{
    FFolder = test_media::MakeTempFolder("qm_desktop");
    if (FFolder.empty())
        return;
    std::error_code error;
    for (const char* folder : {"/home/.config", "/home/.local/share", "/runtime", "/media"})
        fs::create_directories(FFolder + folder, error);
    // The toolkit wants its runtime folder private.
    fs::permissions(FFolder + "/runtime", fs::perms::owner_all, error);
    if (error || !CopyProgramFolder(FFolder + "/program"))
        FFolder.clear();
}

ProgramCopy::~ProgramCopy()
{
    std::error_code ignored;
    if (!FFolder.empty())
        fs::remove_all(FFolder, ignored);
}

std::string ProgramCopy::Executable() const
{
    return FFolder + "/program/" + BuiltProgram.filename().string();
}

std::string ProgramCopy::Home() const
{
    return FFolder + "/home";
}

std::string ProgramCopy::MediaFolder() const
{
    return FFolder + "/media";
}

std::string ProgramCopy::LangFolder() const
{
    return FFolder + "/program/lang";
}

std::string ProgramCopy::SettingsFile() const
{
    return FFolder + "/program/quillconv.ini";
}

std::string ProgramCopy::LastSessionFile() const
{
    return FFolder + "/program/profiles/__Last.ini";
}
