#pragma once

// A temporary folder of a benchmark's own, removed at the end: the program folder and the user's folders of
// a program under measurement.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

struct TProgramFolder
{
    TProgramFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qm_bench_XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create the program folder");
        path = pattern;
    }
    ~TProgramFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TProgramFolder(const TProgramFolder&) = delete;
    TProgramFolder& operator=(const TProgramFolder&) = delete;

    std::string path;
};
