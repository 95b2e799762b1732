#include "app/main/form_main.h"

#include "app/errors/form_errors.h"

// The error and progress windows' part of a conversion run's host, handed on to those windows.
// The progress window is not built yet: the progress shows nowhere.

IErrorLogSink& TFormMain::ErrorLog()
{
    return FWindows.Errors ? FWindows.Errors->ErrorLog() : FPendingErrorLog;
}

void TFormMain::SetErrorWindowCaption(const std::string& caption)
{
    if (FWindows.Errors)
        FWindows.Errors->SetErrorWindowCaption(caption);
}

void TFormMain::ShowErrorWindow()
{
    if (FWindows.Errors)
        FWindows.Errors->ShowErrorWindow();
}

void TFormMain::ShowProgressWindow() {}
void TFormMain::SetProgressCaption(const std::string&) {}
void TFormMain::SetAbortCaption(const std::string&) {}
void TFormMain::SetProgressBarVisible(bool) {}
void TFormMain::SetProgressPosition(int) {}
void TFormMain::SetInputFileText(const std::string&) {}
void TFormMain::SetOutputFileMarkup(const std::string&) {}
void TFormMain::SetStatusMarkup(const std::string&) {}
void TFormMain::SetStatusColor(TColor) {}

bool TFormMain::IsEncoderOutputHidden()
{
    return false;
}

void TFormMain::ShowMemoLines(const std::vector<std::string>&, size_t) {}
void TFormMain::ShowMemoText(const std::string&) {}
void TFormMain::ScrollMemoToBottom() {}
void TFormMain::ConversionFinished() {}
