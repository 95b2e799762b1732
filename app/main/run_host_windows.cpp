#include "app/main/form_main.h"

// The error and progress windows' part of a conversion run's host, handed on to those windows.
// The error window and the progress window are not built yet: the records wait in FPendingErrorLog and the
// progress shows nowhere.

IErrorLogSink& TFormMain::ErrorLog()
{
    return FPendingErrorLog;
}

void TFormMain::SetErrorWindowCaption(const std::string&) {}
void TFormMain::ShowErrorWindow() {}
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
