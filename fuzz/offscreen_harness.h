#pragma once

// What the harnesses that draw through the GUI layer share: the toolkit's application on the offscreen
// platform, made once before the first input, and a check that stops the run where a rule is broken.
// Include it once per harness: it defines the sanitizer's options.

#include <QApplication>

#include <cstdlib>

// Allocation stacks walked the slow way reach the toolkit's functions, which the leak suppressions name.
extern "C" const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

inline void StartOffscreenApplication(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
}

inline void Check(bool condition)
{
    if (!condition)
        abort();
}
