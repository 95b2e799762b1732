#include "platform/gui/core/exception_reporting.h"

#include "support/window_services.h"

#include <string>

namespace {

TExceptionReporter& Reporter()
{
    static TExceptionReporter reporter;
    return reporter;
}

bool reporting = false;

} // namespace

void SetExceptionReporter(TExceptionReporter reporter)
{
    Reporter() = std::move(reporter);
}

std::string ExceptionMessage(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown exception";
    }
}

void ShowExceptionMessage(const std::exception_ptr& error)
{
    ShowMsgBox(ExceptionMessage(error), "Error", nullptr, MB_OK | MB_ICONSTOP);
}

void ReportCurrentException(TObject* sender)
{
    const std::exception_ptr error = std::current_exception();
    // A report that throws, or a report re-entered from its own message box, ends here.
    if (reporting)
        return;
    reporting = true;
    try {
        if (Reporter())
            Reporter()(sender, error);
        else
            ShowExceptionMessage(error);
    } catch (...) {
    }
    reporting = false;
}
