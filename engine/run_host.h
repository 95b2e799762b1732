#pragma once

#include "engine/error_records.h"
#include "support/basic_types.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Everything a conversion run asks of the windows: the main window, the progress window, the error window,
// message boxes and the message queue. The windows implement it; tests fake it. All calls come on the
// user-interface thread, from inside the run.

inline constexpr std::string_view AppName = "Quillmark";
// The application title outside a run (two blanks before the bracket).
inline constexpr std::string_view AppTitle = "Quillmark 1.10  [64-bit]";

class IRunHost
{
public:
    virtual ~IRunHost() = default;

    // Main window and application.
    virtual void DisableAll() = 0; // greys the main window so that no second run can start
    virtual void EnableAll() = 0;
    virtual void SetApplicationTitle(const std::string& title) = 0; // also the main window's caption
    virtual void CloseMainWindow() = 0;                             // and so the program
    virtual bool PowerOff() = 0;                                    // True when the system took the request
    // Handles what is waiting in the message queue, then returns.
    virtual void ProcessMessages() = 0;

    // Message boxes over the main window, caption AppName, top-most.
    virtual void ShowWarning(const std::string& text) = 0;
    virtual void ShowError(const std::string& text) = 0;
    // A question with Yes and No; True for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;

    // The error window.
    virtual IErrorLogSink& ErrorLog() = 0;
    virtual void SetErrorWindowCaption(const std::string& caption) = 0;
    virtual void ShowErrorWindow() = 0;

    // The progress window.
    virtual void ShowProgressWindow() = 0;
    virtual void SetProgressCaption(const std::string& caption) = 0;
    virtual void SetAbortCaption(const std::string& caption) = 0; // the Abort / Close button
    virtual void SetProgressBarVisible(bool visible) = 0;         // the bar and its label
    virtual void SetProgressPosition(int position) = 0;           // 0 ... 100
    virtual void SetInputFileText(const std::string& text) = 0;   // plain text
    virtual void SetOutputFileMarkup(const std::string& markup) = 0;
    virtual void SetStatusMarkup(const std::string& markup) = 0;
    virtual void SetStatusColor(TColor color) = 0;
    // chHideEncoderOutput.
    virtual bool IsEncoderOutputHidden() = 0;
    // The memo shows these lines. The first firstChanged of them are the same as at the previous call
    // (after a ShowMemoText call, none are), so a memo may keep those and replace only the rest.
    virtual void ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged) = 0;
    virtual void ShowMemoText(const std::string& text) = 0;
    virtual void ScrollMemoToBottom() = 0;
    // The run is over: the window hides itself when chCloseAfterConversion is checked (restoring and
    // minimising the main window again when it was minimised).
    virtual void ConversionFinished() = 0;
};

// Waits ms milliseconds without spinning, handling the message queue about every 10 ms; tick (may be empty)
// runs after each look at the queue.
void PauseWithMessages(IRunHost& host, int ms, const std::function<void()>& tick);
