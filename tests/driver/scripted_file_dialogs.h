#pragma once

// File dialogs that answer from a script instead of a window, installed while the object lives, and that
// write down what each dialog was asked. A dialog without a scripted answer fails the test and is cancelled.

#include "platform/gui/services/dialogs.h"

#include <gtest/gtest.h>

#include <deque>

class TScriptedFileDialogs : public IFileDialogs
{
public:
    struct TFileRequest
    {
        std::string Title, Filter, InitialDir, FileName;
        int FilterIndex;
        bool Saving;
    };
    struct TFolderRequest
    {
        std::string Caption, Directory;
    };

    TScriptedFileDialogs() { SetFileDialogs(this); }
    ~TScriptedFileDialogs() override { SetFileDialogs(nullptr); }

    // Answers, taken in turn; nullopt is a cancelled dialog.
    std::deque<std::optional<TFileDialogAnswer>> fileAnswers;
    std::deque<std::optional<std::string>> folderAnswers;
    std::vector<TFileRequest> fileRequests;
    std::vector<TFolderRequest> folderRequests;

    std::optional<TFileDialogAnswer> ChooseFiles(const TOpenDialog& dialog, bool saving) override
    {
        fileRequests.push_back({dialog.Title(), dialog.Filter(), dialog.InitialDir(), dialog.FileName(),
                                dialog.FilterIndex(), saving});
        return Next(fileAnswers, "file");
    }
    std::optional<std::string> ChooseFolder(const std::string& caption, const std::string& directory) override
    {
        folderRequests.push_back({caption, directory});
        return Next(folderAnswers, "folder");
    }

private:
    template <typename T>
    static std::optional<T> Next(std::deque<std::optional<T>>& answers, const char* kind)
    {
        if (answers.empty()) {
            ADD_FAILURE() << "a " << kind << " dialog opened without a scripted answer";
            return std::nullopt;
        }
        std::optional<T> answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};
