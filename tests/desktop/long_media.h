#pragma once

#include <string>

// An input whose conversion takes far longer than any test waits (five minutes of 1280x720 video, which
// the encoder needs many seconds for), made cheaply once per test program: one second is encoded and
// repeated by copying. For the cases that act during a running conversion.
std::string LongConversionInput();
