#include "platform/gui/core/strings.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/picture.h"
#include "platform/gui/graphics/png_image.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

// While it lives, the process cannot make a file longer than bytes: a longer write fails, as on a full disk.
class TFileSizeLimit
{
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        savedSignal_ = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedSignal_);
    }

private:
    rlimit saved_{};
    void (*savedSignal_)(int) = nullptr;
};

std::string Contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(FileSaving, AFailedSaveRaisesAndLeavesTheOldFileWhole)
{
    const struct
    {
        const char* what;
        std::function<void(const std::string&)> save;
    } savers[] = {
        {"string list",
         [](const std::string& path) {
             TStringList lines;
             for (int i = 0; i < 100; ++i)
                 lines.Add("line " + std::to_string(i));
             lines.SaveToFile(path);
         }},
        {"bitmap", [](const std::string& path) { TBitmap(32, 32, pf24bit).SaveToFile(path); }},
        {"PNG image", [](const std::string& path) { TPngImage(COLOR_RGB, 8, 32, 32).SaveToFile(path); }},
        {"picture",
         [](const std::string& path) {
             TPicture picture;
             picture.Bitmap()->SetSize(32, 32);
             picture.SaveToFile(path);
         }},
    };
    const std::string old = "the old contents";
    const fs::path folder = fs::temp_directory_path() / "qm_file_saving_test";
    for (const auto& s : savers) {
        SCOPED_TRACE(s.what);
        fs::remove_all(folder);
        fs::create_directory(folder);
        const fs::path path = folder / "saved";
        std::ofstream(path, std::ios::binary) << old;
        {
            TFileSizeLimit limit(old.size() + 8);
            EXPECT_THROW(s.save(path.string()), EFCreateError);
        }
        EXPECT_EQ(Contents(path), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
            << "nothing is left behind";

        s.save(path.string());
        EXPECT_GT(fs::file_size(path), old.size() + 8) << "a save that can be written replaces the file";
    }
    fs::remove_all(folder);
}

} // namespace
