#pragma once

#include <exception>
#include <functional>
#include <string>

class TObject;

// An exception escaping a message or event handler never ends the program: the layer catches it where the
// handler was called and hands it here. The default reporter shows the exception's message in a message box
// (through the installed window services; standard error without them); the application object installs
// its own (OnException).

using TExceptionReporter = std::function<void(TObject* sender, const std::exception_ptr& error)>;
void SetExceptionReporter(TExceptionReporter reporter);
// Call from inside a catch block.
void ReportCurrentException(TObject* sender);
// The text of an exception as it is reported.
std::string ExceptionMessage(const std::exception_ptr& error);
// The default report: a message box with the exception's message.
void ShowExceptionMessage(const std::exception_ptr& error);

// Runs call and reports what it throws.
template <typename F> void GuardedCall(TObject* sender, F&& call)
{
    try {
        call();
    } catch (...) {
        ReportCurrentException(sender);
    }
}
