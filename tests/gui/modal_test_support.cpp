#include "modal_test_support.h"

#include "platform/gui/forms/forms.h"
#include "platform/gui/qt/window_widget.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include <exception>

namespace {

int FailureCount()
{
    const testing::TestResult* result = testing::UnitTest::GetInstance()->current_test_info()->result();
    int failures = 0;
    for (int i = 0; i < result->total_part_count(); ++i)
        failures += result->GetTestPartResult(i).failed();
    return failures;
}

// Asks the window to end its modal loop.
void EndModal(QWidget& window)
{
    if (auto* frame = dynamic_cast<TWindowWidget*>(&window)) {
        if (auto* form = dynamic_cast<TCustomForm*>(frame->Control()))
            form->SetModalResult(mrCancel);
    } else if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->reject();
    } else {
        window.close();
    }
}

} // namespace

TModalGuard::TModalGuard(TStep step, std::function<bool()> ready, std::chrono::milliseconds deadline)
    : step_(std::move(step)), ready_(std::move(ready)),
      deadline_(std::chrono::steady_clock::now() + deadline), before_(QApplication::activeModalWidget())
{
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
    poll_.start(1);
}

TModalGuard::~TModalGuard()
{
    poll_.stop();
    if (step_ && !taken_)
        ADD_FAILURE() << "no modal window came up for the step";
}

void TModalGuard::Poll()
{
    const bool late = std::chrono::steady_clock::now() > deadline_;
    QWidget* modal = QApplication::activeModalWidget();
    const bool newModal = modal && modal != before_;
    if (step_ && !taken_) {
        if (newModal && (!ready_ || ready_()))
            Take(*modal);
        else if (late)
            poll_.stop(); // the destructor reports it
        return;
    }
    // Without a step the guard watches whatever modal window comes up until it goes.
    const bool open = step_ ? window_ && window_->isVisible() : newModal;
    if (!open)
        return;
    if (late && !ending_) {
        ADD_FAILURE() << "the modal window is still open at the deadline";
        ending_ = true;
    }
    // The topmost first: windows that the guarded one opened end before it.
    if (ending_ && modal)
        EndModal(*modal);
}

void TModalGuard::Take(QWidget& window)
{
    taken_ = true;
    window_ = &window;
    const int failuresBefore = FailureCount();
    try {
        step_(window);
    } catch (const std::exception& error) {
        ADD_FAILURE() << "the step threw: " << error.what();
    }
    ending_ = FailureCount() > failuresBefore;
    Poll();
}
