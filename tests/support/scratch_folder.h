#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

// A fresh folder under the temporary folder, removed with everything in it at the end of the test.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qm_test_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

    // Writes a file (creating its folders) and returns its full name.
    std::string Write(const std::string& relative, const std::string& content = "") const
    {
        const std::string name = *this / relative;
        std::filesystem::create_directories(std::filesystem::path(name).parent_path());
        std::ofstream(name, std::ios::binary) << content;
        return name;
    }

    std::string MakeDir(const std::string& relative) const
    {
        const std::string name = *this / relative;
        std::filesystem::create_directories(name);
        return name;
    }

    std::string Link(const std::string& target, const std::string& relative) const
    {
        const std::string name = *this / relative;
        std::filesystem::create_symlink(target, name);
        return name;
    }

private:
    std::string path_;
};

// Sets or clears an environment variable for the life of the object.
class ScopedEnvironment
{
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        Apply(value);
    }
    ~ScopedEnvironment() { Apply(old_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    void Apply(const std::optional<std::string>& value)
    {
        if (value)
            setenv(name_.c_str(), value->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }

    std::string name_;
    std::optional<std::string> old_;
};
