#include "app/main/form_main.h"

#include "app/errors/form_errors.h"
#include "engine/forms/form_progress.h"

// The error and progress windows' part of a conversion run's host, handed on to those windows.

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

void TFormMain::ShowProgressWindow()
{
    if (FWindows.Progress)
        FWindows.Progress->ShowProgressWindow();
}

void TFormMain::SetProgressCaption(const std::string& caption)
{
    if (FWindows.Progress)
        FWindows.Progress->SetProgressCaption(caption);
}

void TFormMain::SetAbortCaption(const std::string& caption)
{
    if (FWindows.Progress)
        FWindows.Progress->SetAbortCaption(caption);
}

void TFormMain::SetProgressBarVisible(bool visible)
{
    if (FWindows.Progress)
        FWindows.Progress->SetProgressBarVisible(visible);
}

void TFormMain::SetProgressPosition(int position)
{
    if (FWindows.Progress)
        FWindows.Progress->SetProgressPosition(position);
}

void TFormMain::SetInputFileText(const std::string& text)
{
    if (FWindows.Progress)
        FWindows.Progress->SetInputFileText(text);
}

void TFormMain::SetOutputFileMarkup(const std::string& markup)
{
    if (FWindows.Progress)
        FWindows.Progress->SetOutputFileMarkup(markup);
}

void TFormMain::SetStatusMarkup(const std::string& markup)
{
    if (FWindows.Progress)
        FWindows.Progress->SetStatusMarkup(markup);
}

void TFormMain::SetStatusColor(TColor color)
{
    if (FWindows.Progress)
        FWindows.Progress->SetStatusColor(color);
}

bool TFormMain::IsEncoderOutputHidden()
{
    return FWindows.Progress && FWindows.Progress->IsEncoderOutputHidden();
}

void TFormMain::ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged)
{
    if (FWindows.Progress)
        FWindows.Progress->ShowMemoLines(lines, firstChanged);
}

void TFormMain::ShowMemoText(const std::string& text)
{
    if (FWindows.Progress)
        FWindows.Progress->ShowMemoText(text);
}

void TFormMain::ScrollMemoToBottom()
{
    if (FWindows.Progress)
        FWindows.Progress->ScrollMemoToBottom();
}

void TFormMain::ConversionFinished()
{
    if (FWindows.Progress)
        FWindows.Progress->ConversionFinished();
}
