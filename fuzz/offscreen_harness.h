#pragma once

// What the harnesses that draw through the GUI layer share: the toolkit's application on the offscreen
// platform, made once before the first input, and a check that stops the run where a rule is broken.

#include <QApplication>

#include <cstdlib>

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
