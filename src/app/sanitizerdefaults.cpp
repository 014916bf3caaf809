// The options of AddressSanitizer, UBSan and LeakSanitizer for a sanitized build
// (QUORTTRANS_SANITIZE), linked into the program and into every test, so that a run by hand, by
// ctest or by the end-to-end harness behaves the same. The sanitizers read these before
// main(); an ASAN_OPTIONS, UBSAN_OPTIONS or LSAN_OPTIONS in the environment wins.

#define QUORT_SANITIZER_DEFAULT extern "C" __attribute__((used, visibility("default"))) const char *

// Any fault ends the run with a report; leaks are looked for at exit. The one check left
// out: QtWebEngineCore (Chromium) deletes objects through a base of another size, which
// ASan reports as new-delete-type-mismatch on every page closed; the check cannot be
// limited to one library. Nor is __tls_get_addr followed: after LibreOffice's UNO libraries
// have run, the record it keeps of the main thread's dynamic TLS held a stale block (begin
// 0x977), and the leak check's tracer crashed reading it at exit in three runs of ten.
QUORT_SANITIZER_DEFAULT __asan_default_options() {
    return "detect_leaks=1:new_delete_type_mismatch=0:intercept_tls_get_addr=0";
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
    return "leak:libQt6WebEngineCore.so\n"         // Chromium's singletons, alive until exit
           "leak:libfontconfig.so\n"               // its font cache, kept for the process
           "leak:/usr/lib/libreoffice/program/\n"; // the UNO runtime's types and bootstrap
}
