#pragma once

#include "engine/run_host.h"

#include <algorithm>
#include <string>
#include <vector>

// A host whose memo keeps the lines it is told are unchanged, as the real one does.
class TBenchHost : public IRunHost, public IErrorLogSink
{
public:
    void DisableAll() override {}
    void EnableAll() override {}
    void SetApplicationTitle(const std::string& title) override { Title = title; }
    void CloseMainWindow() override {}
    bool PowerOff() override { return false; }
    void ProcessMessages() override {}
    void ShowWarning(const std::string&) override {}
    void ShowError(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    IErrorLogSink& ErrorLog() override { return *this; }
    void Clear() override {}
    void Add(const std::string&) override {}
    void SetErrorWindowCaption(const std::string&) override {}
    void ShowErrorWindow() override {}
    void ShowProgressWindow() override {}
    void SetProgressCaption(const std::string& caption) override { Caption = caption; }
    void SetAbortCaption(const std::string&) override {}
    void SetProgressBarVisible(bool) override {}
    void SetProgressPosition(int position) override { Position = position; }
    void SetInputFileText(const std::string&) override {}
    void SetOutputFileMarkup(const std::string&) override {}
    void SetStatusMarkup(const std::string& markup) override { Status = markup; }
    void SetStatusColor(TColor) override {}
    bool IsEncoderOutputHidden() override { return false; }
    void ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged) override
    {
        Memo.resize(std::min(firstChanged, Memo.size()));
        Memo.insert(Memo.end(), lines.begin() + static_cast<std::ptrdiff_t>(Memo.size()), lines.end());
    }
    void ShowMemoText(const std::string& text) override { Memo = {text}; }
    void ScrollMemoToBottom() override {}
    void ConversionFinished() override {}

    std::string Title, Caption, Status;
    int Position = 0;
    std::vector<std::string> Memo;
};
