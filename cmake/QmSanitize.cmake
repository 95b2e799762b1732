# The sanitizer build: every library and test suite is compiled once, under AddressSanitizer and
# UndefinedBehaviorSanitizer and with the coverage instrumentation libFuzzer needs, and the same objects serve
# the GoogleTest suites and the fuzz targets. A finding stops the program (no recovery), so CTest fails.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QM_SANITIZE needs clang")
endif()

# Without a build type: light optimisation, which the sanitizers are made for, and only the line tables
# their reports need, which compile far faster than full debug information.
if(NOT CMAKE_BUILD_TYPE)
    add_compile_options(-O1 -gline-tables-only)
endif()

set(QM_SANITIZER_COMPILE_OPTIONS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fsanitize=fuzzer-no-link -fno-omit-frame-pointer)
set(QM_SANITIZER_LINK_OPTIONS -fsanitize=address,undefined)

# The test programs of this build carry the sanitizers' settings in tests/sanitizer_defaults.cpp.
