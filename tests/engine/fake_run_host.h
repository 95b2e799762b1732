#pragma once

#include "engine/run_host.h"

#include <string>
#include <vector>

// A run host that records what the run shows and answers questions as told.
class FakeRunHost : public IRunHost, public IErrorLogSink
{
public:
    void DisableAll() override { ++DisableCount; }
    void EnableAll() override { ++EnableCount; }
    void SetApplicationTitle(const std::string& title) override { Titles.push_back(title); }
    void CloseMainWindow() override { ++CloseCount; }
    bool PowerOff() override
    {
        ++PowerOffCount;
        return true;
    }
    void ProcessMessages() override
    {
        if (OnMessages)
            OnMessages();
    }
    void ShowWarning(const std::string& text) override { Warnings.push_back(text); }
    void ShowError(const std::string& text) override { Errors.push_back(text); }
    bool AskYesNo(const std::string& text) override
    {
        Questions.push_back(text);
        return AnswerYes;
    }
    IErrorLogSink& ErrorLog() override { return *this; }
    void Clear() override { LogLines.clear(); }
    void Add(const std::string& line) override { LogLines.push_back(line); }
    void SetErrorWindowCaption(const std::string& caption) override { ErrorCaption = caption; }
    void ShowErrorWindow() override { ++ErrorWindowShown; }
    void ShowProgressWindow() override { ++ProgressShown; }
    void SetProgressCaption(const std::string& caption) override { ProgressCaption = caption; }
    void SetAbortCaption(const std::string& caption) override { AbortCaption = caption; }
    void SetProgressBarVisible(bool visible) override { BarVisible = visible; }
    void SetProgressPosition(int position) override { Positions.push_back(position); }
    void SetInputFileText(const std::string& text) override { InputText = text; }
    void SetOutputFileMarkup(const std::string& markup) override { OutputMarkup = markup; }
    void SetStatusMarkup(const std::string& markup) override { Statuses.push_back(markup); }
    void SetStatusColor(TColor color) override { StatusColor = color; }
    bool IsEncoderOutputHidden() override { return OutputHidden; }
    // Keeps the lines the run says are unchanged, as a memo that only appends would.
    void ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged) override
    {
        if (firstChanged > MemoLines.size() || MemoIsText)
            firstChanged = 0;
        MemoLines.resize(firstChanged);
        MemoLines.insert(MemoLines.end(), lines.begin() + static_cast<std::ptrdiff_t>(firstChanged),
                         lines.end());
        MemoIsText = false;
    }
    void ShowMemoText(const std::string& text) override
    {
        MemoLines = {text};
        MemoIsText = true;
    }
    void ScrollMemoToBottom() override {}
    void ConversionFinished() override { ++FinishedCount; }

    std::function<void()> OnMessages;
    bool AnswerYes = false;
    bool OutputHidden = false;

    int DisableCount = 0, EnableCount = 0, CloseCount = 0, PowerOffCount = 0, ErrorWindowShown = 0,
        ProgressShown = 0, FinishedCount = 0;
    std::vector<std::string> Titles, Warnings, Errors, Questions, LogLines, Statuses, MemoLines;
    std::vector<int> Positions;
    std::string ErrorCaption, ProgressCaption, AbortCaption, InputText, OutputMarkup;
    bool BarVisible = true;
    bool MemoIsText = false;
    TColor StatusColor = 0;
};
