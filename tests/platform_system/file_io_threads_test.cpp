// Several threads replacing files at once. The sanitizer build also runs this file under ThreadSanitizer,
// which reports any state the threads share without a guard.

#include "platform/system/file_io.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

TEST(ReplaceFileContents, ThreadsReplacingFilesOfOneFolderAtOnce)
{
    constexpr int ThreadCount = 8;
    constexpr int Writes = 50;
    ScratchFolder folder;
    std::vector<std::thread> threads;
    for (int t = 0; t < ThreadCount; ++t)
        threads.emplace_back([&folder, t] {
            for (int i = 1; i <= Writes; ++i)
                ReplaceFileContents(folder / ("file" + std::to_string(t)), std::to_string(i));
        });
    for (std::thread& thread : threads)
        thread.join();
    for (int t = 0; t < ThreadCount; ++t) {
        std::ifstream in(folder / ("file" + std::to_string(t)));
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), std::to_string(Writes));
    }
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), ThreadCount);
}
