#pragma once

// File dialogs that answer from a script instead of a window, installed while the object lives, and that
// write down what each dialog was asked. A dialog without a scripted answer fails the test and is cancelled.
// A folder browser follows the same session rules as the toolkit's: its script is what the user does.

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
    // One thing the user does in a folder browser.
    struct TBrowseStep
    {
        enum
        {
            Select, // Text: the folder clicked
            Type,   // Text: the name typed in the edit box
            Ok,
            Cancel,
            HelpButton,
            F1
        } Kind;
        std::string Text;
    };
    // What a folder browser showed after each selection, and whether a press of OK did nothing.
    struct TBrowseState
    {
        std::string Selection, StatusText;
        bool OkEnabled;
    };

    TScriptedFileDialogs() { SetFileDialogs(this); }
    ~TScriptedFileDialogs() override { SetFileDialogs(nullptr); }

    // Answers, taken in turn; nullopt is a cancelled dialog.
    std::deque<std::optional<TFileDialogAnswer>> fileAnswers;
    std::deque<std::optional<std::string>> folderAnswers;
    std::vector<TFileRequest> fileRequests;
    std::vector<TFolderRequest> folderRequests;
    // A script per folder browser, taken in turn; the requests they were shown with and what they showed.
    std::deque<std::vector<TBrowseStep>> browseScripts;
    std::vector<TFolderBrowseRequest> browseRequests;
    std::vector<TBrowseState> browseStates;
    int okRefused = 0;

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
    std::optional<std::string> BrowseForFolder(const TFolderBrowseRequest& request,
                                               IFolderBrowseEvents& events) override
    {
        browseRequests.push_back(request);
        if (browseScripts.empty()) {
            ADD_FAILURE() << "a folder browser opened without a script";
            return std::nullopt;
        }
        const std::vector<TBrowseStep> script = browseScripts.front();
        browseScripts.pop_front();
        TFolderBrowseSession session(request, events);
        session.Start();
        Record(session);
        std::string typed;
        for (const TBrowseStep& step : script) {
            switch (step.Kind) {
            case TBrowseStep::Select:
                session.Select(step.Text);
                typed.clear();
                Record(session);
                break;
            case TBrowseStep::Type:
                typed = request.EditBox ? step.Text : "";
                break;
            case TBrowseStep::Ok: {
                const TFolderBrowseSession::TConfirmation confirmation = session.Confirm(typed);
                if (confirmation.Outcome == TFolderBrowseSession::StayOpen) {
                    ++okRefused;
                    break;
                }
                session.Close();
                if (confirmation.Outcome == TFolderBrowseSession::Chosen)
                    return confirmation.Folder;
                return std::nullopt;
            }
            case TBrowseStep::Cancel:
                session.Close();
                return std::nullopt;
            case TBrowseStep::HelpButton:
            case TBrowseStep::F1:
                session.Help(step.Kind == TBrowseStep::F1);
                break;
            }
        }
        ADD_FAILURE() << "a folder browser's script ended with the dialog open";
        session.Close();
        return std::nullopt;
    }

private:
    void Record(const TFolderBrowseSession& session)
    {
        browseStates.push_back({session.Selection(), session.StatusText(), session.OkEnabled()});
    }

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
