# The sanitizer build: the libraries without windows (and the toolbars with the GUI layer below them) are
# compiled once, under AddressSanitizer and UndefinedBehaviorSanitizer and with the coverage instrumentation
# libFuzzer needs, and the same objects serve their GoogleTest suites and the fuzz targets. A finding stops
# the program (no recovery), so CTest fails.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QM_SANITIZE needs clang")
endif()

set(QM_SANITIZER_COMPILE_OPTIONS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fsanitize=fuzzer-no-link -fno-omit-frame-pointer)
set(QM_SANITIZER_LINK_OPTIONS -fsanitize=address,undefined)

# The test programs of this build carry the sanitizers' settings in tests/sanitizer_defaults.cpp.
