// The options of AddressSanitizer, UBSan and LeakSanitizer for a sanitized build
// (QT_SANITIZE), linked into the program and into every test, so that a run by hand, by
// ctest or by the end-to-end harness behaves the same. The sanitizers read these before
// main(); an ASAN_OPTIONS, UBSAN_OPTIONS or LSAN_OPTIONS in the environment wins.

#define QUORT_SANITIZER_DEFAULT extern "C" __attribute__((used, visibility("default"))) const char *

// Any fault ends the run with a report; leaks are looked for at exit.
QUORT_SANITIZER_DEFAULT __asan_default_options() {
    return "detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0";
}

QUORT_SANITIZER_DEFAULT __ubsan_default_options() {
    return "halt_on_error=1:print_stacktrace=1";
}

// Libraries that unload others (Qt's GLX probe unloads Mesa's driver) would leave their
// leaks with no module to name, and so with no way to suppress them: in a sanitized build
// nothing is unloaded before exit. This stands in for the C library's dlclose.
extern "C" __attribute__((visibility("default"))) int dlclose(void *) {
    return 0;
}

// Leaks of code that is not ours: each line names a library that keeps memory for its
// whole life and never frees it at exit. A leak with one of our frames above such a frame
// is still suppressed, so nothing of ours is listed here.
QUORT_SANITIZER_DEFAULT __lsan_default_suppressions() {
    return "";
}
