// The sanitizers' settings, built into each test program of the sanitizer build (cmake/QmSanitize.cmake), so
// that they hold however the program is started. The sanitizer runtimes call these functions at start-up.

extern "C" {

// Libraries without frame pointers cut a quickly walked allocation stack short; walked the slow way, a leak
// reaches the function it happened in, which the suppressions below name.
const char* __asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

// Leaks that belong to a library, not to us.
const char* __lsan_default_suppressions()
{
    // The MediaInfo library keeps the object behind its static options (the version query) until the
    // program ends and never frees it: a one-time allocation of its own, made inside this call.
    // On a real X server the toolkit talks to the session's message bus from a thread of its own, and the
    // bus library keeps a read buffer it reallocated there until the program ends.
    // The C library's newlocale never frees its copy of the locale folders that LOCPATH names (the tests of
    // the user's locale set it to find a locale of their own).
    return "leak:MediaInfo_Option\n"
           "leak:libdbus-1.so\n"
           "leak:argz_add_sep\n";
}

const char* __ubsan_default_options()
{
    return "print_stacktrace=1";
}
}
